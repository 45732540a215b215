// The changed copy of a generated file, written record by record as it is read.
#include "generator_zmiany.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string_view>

namespace {

using Linie = std::vector<std::string>;

// Field i of a record header (fields split at commas, the last one without its ";").
std::string Pole(const std::string& strNaglowek, int i) {
    std::size_t p = 0;
    for (int k = 0; k < i; ++k)
        p = strNaglowek.find(',', p) + 1;
    std::string str = strNaglowek.substr(p, strNaglowek.find(',', p) - p);
    if (!str.empty() && str.back() == ';')
        str.pop_back();
    return str;
}

// The header with field i replaced.
std::string ZPolem(const std::string& strNaglowek, int i, const std::string& strWartosc) {
    std::size_t p = 0;
    for (int k = 0; k < i; ++k)
        p = strNaglowek.find(',', p) + 1;
    std::size_t q = strNaglowek.find(',', p);
    if (q == std::string::npos)
        q = strNaglowek.size() - 1; // the last field ends at ";"
    return strNaglowek.substr(0, p) + strWartosc + strNaglowek.substr(q);
}

// The first line starting with the prefix, or null.
std::string* Linia(Linie& rekord, std::string_view strPrefiks) {
    for (std::string& str : rekord)
        if (str.starts_with(strPrefiks))
            return &str;
    return nullptr;
}

class CZmieniacz {
public:
    CZmieniacz(std::uint64_t nCo, std::ofstream& wy) : m_nCo(nCo), m_wy(wy) {}

    void Rekord(Linie& r) {
        const std::string strTyp = Pole(r[0], 2);
        const std::string strId = Pole(r[0], 3);
        const std::uint64_t k = m_liczniki[strTyp]++ % m_nCo;
        if (strTyp == "G5DZE" && k == 1 && Zmien(r, "D,G5PEW,D,"))
            Posadz(strTyp, strId, EStanRekordu::Zmiana);
        else if (strTyp == "G5DZE" && k == 2) {
            r[0] = ZPolem(r[0], 4, Pole(r[0], 4) + "v2");
            Posadz(strTyp, strId, EStanRekordu::NowaWersja);
        }
        else if (strTyp == "G5KLU" && k == 3 && Zmien(r, "D,G5PEW,D,")) {
            Posadz(strTyp, strId, EStanRekordu::Usuniety);
            r[0] = ZPolem(r[0], 3, strId + "n");
            Posadz(strTyp, strId + "n", EStanRekordu::Dodany);
        } else if (strTyp == "G5KLU" && k == 4) {
            r[0] = ZPolem(r[0], 3, strId + "n");
            Posadz(strTyp, strId + "n", EStanRekordu::NowyIdentyfikator);
        } else if (strTyp == "G5UDZ") {
            std::string* pPodmiot = Linia(r, "WG,G5RPOD,");
            if (k == 5)
                m_bWlasciciel = true;
            if (m_bWlasciciel && pPodmiot && !m_strPodmiot.empty() && *pPodmiot != m_strPodmiot) {
                std::swap(*pPodmiot, m_strPodmiot);
                Posadz(strTyp, strId, EStanRekordu::Zmiana);
                m_bWlasciciel = false;
            } else if (pPodmiot) {
                m_strPodmiot = *pPodmiot;
            }
        } else if (strTyp == "G5ADR" && k == 6) {
            Posadz(strTyp, strId, EStanRekordu::Usuniety);
            return;
        } else if (strTyp == "G5ADR" && k == 7) {
            Zapisz(r);
            r[0] = ZPolem(r[0], 3, strId + "n");
            r[0] = ZPolem(r[0], 4, Pole(r[0], 4) + "n");
            r.insert(r.end() - 1, "D,G5NRL,D," + std::to_string(m_wynik.size()) + "a");
            Posadz(strTyp, strId + "n", EStanRekordu::Dodany);
        }
        Zapisz(r);
    }
    void Zapisz(const Linie& r) {
        for (const std::string& str : r)
            m_wy << str << "\r\n";
    }

    std::vector<CPosadzonaZmiana> m_wynik;

private:
    // The value of the line with the prefix gets a digit more.
    static bool Zmien(Linie& r, std::string_view strPrefiks) {
        std::string* p = Linia(r, strPrefiks);
        if (!p)
            return false;
        p->insert(p->back() == ';' ? p->size() - 1 : p->size(), "1");
        return true;
    }
    void Posadz(const std::string& strTyp, const std::string& strId, EStanRekordu e) {
        m_wynik.push_back({strTyp, strId, e});
    }

    std::uint64_t m_nCo;
    std::ofstream& m_wy;
    std::map<std::string, std::uint64_t> m_liczniki;
    std::string m_strPodmiot;   // the owner line of the share before
    bool m_bWlasciciel = false; // the next share that can gets a new owner
};

} // namespace

std::vector<CPosadzonaZmiana> ZapiszZmienionyPlik(const std::string& strStary,
                                                  const std::string& strNowy, std::uint64_t nCo) {
    std::ifstream we(strStary, std::ios::binary);
    std::ofstream wy(strNowy, std::ios::binary);
    if (!we || !wy)
        throw std::runtime_error("cannot open " + strStary + " or " + strNowy);
    CZmieniacz zmieniacz(nCo, wy);
    bool bSO = false;
    Linie rekord;
    for (std::string str; std::getline(we, str);) {
        if (!str.empty() && str.back() == '\r')
            str.pop_back();
        // Lines outside the object section, and its end line, as they are.
        if (!bSO || (rekord.empty() && str.starts_with("SX"))) {
            bSO = !bSO && str == "SO;";
            wy << str << "\r\n";
            continue;
        }
        rekord.push_back(str);
        if (rekord.size() > 1 && str.starts_with("X")) {
            zmieniacz.Rekord(rekord);
            rekord.clear();
        }
    }
    if (!wy.flush())
        throw std::runtime_error("cannot write " + strNowy);
    std::vector<CPosadzonaZmiana> wynik = std::move(zmieniacz.m_wynik);
    std::sort(wynik.begin(), wynik.end(), [](const CPosadzonaZmiana& a, const CPosadzonaZmiana& b) {
        return std::tie(a.m_strTyp, a.m_strId) < std::tie(b.m_strTyp, b.m_strId);
    });
    return wynik;
}
