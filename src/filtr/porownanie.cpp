// The comparison of two files in four streaming reads: each file once for its keys and
// fingerprints, then each once more for the few records the report shows. A record's
// fingerprint leaves out the objects its relations name: those are compared by key, so that a
// relation to a re-identified record can be read as naming its new identifier.
#include "filtr/porownanie.h"

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "filtr/identyfikatory.h"
#include "swde/bledy.h"
#include "swde/czytnik.h"
#include "swde/format.h"
#include "swde/kodowanie.h"
#include "swde/naglowek.h"
#include "swde/platforma.h"
#include "swde/rekord.h"

namespace {

using format::ESekcja;
using kodowanie::T;

constexpr std::size_t STARY = 0;
constexpr std::size_t NOWY = 1;
constexpr std::uint32_t BRAK = UINT32_MAX;

// The header fields shown side by side: unit, its name, date, system and its version, what
// the file holds.
constexpr std::array<std::string_view, 6> POKAZYWANE_POLA_NAGLOWKA = {"TR", "TN", "DN",
                                                                      "ZN", "ZR", "ZD"};

// Attributes that name a person or an address: shown as their first four characters unless
// personal data is asked for.
constexpr std::array<std::string_view, 9> ATRYBUTY_OSOBOWE = {
    "G5NZW", "G5PIM", "G5DIM", "G5IOJ", "G5IMT", "G5ULC", "G5NRA", "G5NRL", "G5KOD"};

// FNV-1a, 64 bits, over the texts with a separator after each.
class CSkrot {
public:
    CSkrot& operator<<(std::string_view str) {
        for (const char c : str)
            Bajt(static_cast<unsigned char>(c));
        Bajt(0);
        return *this;
    }
    std::uint64_t Wartosc() const { return m_n; }

private:
    void Bajt(unsigned char c) { m_n = (m_n ^ c) * 1099511628211ull; }
    std::uint64_t m_n = 14695981039346656037ull;
};

std::uint64_t Klucz(std::string_view strTyp, std::string_view strId) {
    return (CSkrot() << strTyp << strId).Wartosc();
}

bool JestAtrybutemWersji(std::string_view strAtrybut) {
    return std::find(ATRYBUTY_WERSJI.begin(), ATRYBUTY_WERSJI.end(), strAtrybut) !=
           ATRYBUTY_WERSJI.end();
}

// One record as the first read keeps it: 32 bytes.
struct CWpis {
    std::uint64_t m_nKlucz;   // base type and identifier
    std::uint64_t m_nOdcisk;  // everything but the identifier and the version fields
    std::uint64_t m_nWersja;  // the version fields
    std::uint32_t m_nRelacje; // where its relation keys start in CStrona::m_anRelacje
    std::uint16_t m_nLiczbaRelacji;
    std::uint16_t m_nTyp;     // index into the type names
};

struct CStrona {
    std::vector<CWpis> m_wpisy; // sorted by key after the read
    std::vector<std::uint64_t> m_anRelacje;
    std::vector<std::pair<std::string, std::string>> m_naglowek; // code, value
    std::vector<EStanRekordu> m_stany; // per entry
    std::vector<std::uint32_t> m_anPara; // per entry: the entry on the other side, or BRAK

    std::span<const std::uint64_t> Relacje(const CWpis& w) const {
        return {m_anRelacje.data() + w.m_nRelacje, w.m_nLiczbaRelacji};
    }
    std::uint32_t Znajdz(std::uint64_t nKlucz) const {
        const auto it = std::lower_bound(
            m_wpisy.begin(), m_wpisy.end(), nKlucz,
            [](const CWpis& w, std::uint64_t n) { return w.m_nKlucz < n; });
        return it != m_wpisy.end() && it->m_nKlucz == nKlucz
                   ? static_cast<std::uint32_t>(it - m_wpisy.begin())
                   : BRAK;
    }
};

// The user stopped the comparison.
struct CPrzerwano {};

// A record's lines kept whole by the second read.
using CLinie = std::vector<std::string>;

class CPorownanie {
public:
    CPorownanie(const std::string& strStary, const std::string& strNowy,
                const COpcjePorownania& opcje, CObserwatorRunu& obserwator, CWynikPorownania& wynik)
        : m_astrPliki{strStary, strNowy}, m_opcje(opcje), m_obserwator(obserwator), m_wynik(wynik) {}

    // False when the user stopped it.
    bool Wykonaj();
    // The file being read (0 old, 1 new), for the error that ended the reading.
    int Plik() const { return static_cast<int>(m_nPlik); }

private:
    void Czytaj(std::size_t nStrona);
    void Wpis(std::size_t nStrona, const Rekord& rekord);
    // Reads the file again and keeps the records whose keys are asked for.
    void Doczytaj(std::size_t nStrona);
    // Runs through the records of the file's "SO;" section; false when stopped.
    template <class F> bool Przejdz(std::size_t nStrona, int nPrzebieg, F&& rekord, bool bNaglowek);
    void Dopasuj();
    // A relation's target as the new file names it: the new key of a re-identified record.
    std::uint64_t Cel(std::uint64_t nKlucz) const;
    // What pairs records by content: type, fingerprint and relation targets (translated).
    std::uint64_t Tresc(std::size_t nStrona, const CWpis& w) const;
    void Parcele();
    void Raport();

    std::uint16_t Typ(std::string_view strTyp);
    const std::string& NazwaTypu(const CWpis& w) const { return m_astrTypy[w.m_nTyp]; }
    // The parcels on the side that the record concerns.
    void Dzialki(std::size_t nStrona, std::uint32_t nWpis, std::vector<std::uint64_t>& wynik,
                 int nGlebokosc = 0) const;
    void Odwrotne(std::size_t nStrona);
    std::vector<CZmianaPola> Roznice(const CLinie& stare, const CLinie& nowe,
                                     const std::string& strTyp) const;
    std::string Wartosc(const std::string& strTyp, std::string_view strAtrybut,
                        std::string_view strWartosc) const;
    std::string Uzytki(std::size_t nStrona, std::uint64_t nDzialka) const;
    const CLinie* Linie(std::size_t nStrona, std::uint64_t nKlucz) const {
        const auto it = m_zachowane[nStrona].find(nKlucz);
        return it == m_zachowane[nStrona].end() ? nullptr : &it->second;
    }

    std::array<std::string, 2> m_astrPliki;
    const COpcjePorownania& m_opcje;
    CObserwatorRunu& m_obserwator;
    CWynikPorownania& m_wynik;
    std::array<CStrona, 2> m_strony;
    std::vector<std::string> m_astrTypy;
    std::unordered_map<std::string, std::uint16_t> m_typy;
    std::array<std::unordered_map<std::uint64_t, CLinie>, 2> m_zachowane;
    // Reverse relations from parcels and shares: target key to the entries naming it.
    std::array<std::unordered_multimap<std::uint64_t, std::uint32_t>, 2> m_odwrotne;
    std::array<std::set<std::uint64_t>, 2> m_dzialki; // parcel keys the report shows
    // Per side: the parcel keys each differing record concerns.
    std::array<std::unordered_map<std::uint64_t, std::vector<std::uint64_t>>, 2> m_dotyczy;
    int m_nPostep = -1;
    std::size_t m_nPlik = 0;
    bool m_bNoweIdentyfikatory = false; // some record was paired by content
};

std::uint16_t CPorownanie::Typ(std::string_view strTyp) {
    const std::string str = UsunPrefiks(strTyp);
    const auto [it, bNowy] = m_typy.try_emplace(str, static_cast<std::uint16_t>(m_astrTypy.size()));
    if (bNowy)
        m_astrTypy.push_back(str);
    return it->second;
}

template <class F>
bool CPorownanie::Przejdz(std::size_t nStrona, int nPrzebieg, F&& rekord, bool bNaglowek) {
    CCzytnikSWDE czytnik;
    m_nPlik = nStrona;
    const std::string& strPlik = m_astrPliki[nStrona];
    if (!czytnik.Otworz(strPlik))
        throw CSWDEException(EBlad::OtwarciePlikuZrodlowego, strPlik);
    if (czytnik.ZnajdzSekcje(ESekcja::SN)) {
        std::string strWiersz;
        while (czytnik.CzytajWierszSekcji(strWiersz)) {
            if (!bNaglowek)
                continue;
            const CWierszNaglowka wiersz = PodzielWierszNaglowka(strWiersz);
            if (wiersz.strPierwszy == "NS" &&
                std::find(POKAZYWANE_POLA_NAGLOWKA.begin(), POKAZYWANE_POLA_NAGLOWKA.end(),
                          wiersz.strDrugi) != POKAZYWANE_POLA_NAGLOWKA.end())
                m_strony[nStrona].m_naglowek.emplace_back(
                    std::string(wiersz.strDrugi),
                    ZamaskujIdentyfikatory(kodowanie::Iso88592DoCp1250(wiersz.strWartosc)));
        }
    }
    if (!czytnik.ZnajdzSekcje(ESekcja::SO))
        return true;
    Rekord r;
    const std::uint64_t nDlugosc = std::max<std::uint64_t>(czytnik.Dlugosc(), 1);
    for (std::uint64_t n = 0; czytnik.CzytajRekord(r); ++n) {
        if (n % 1024 == 0) {
            if (m_obserwator.CzyPrzerwac())
                return false;
            const int nPostep =
                static_cast<int>((nPrzebieg * 1000 + czytnik.Pozycja() * 1000 / nDlugosc) / 4);
            if (nPostep != m_nPostep)
                m_obserwator.Postep(m_nPostep = nPostep);
        }
        rekord(r);
    }
    return true;
}

void CPorownanie::Wpis(std::size_t nStrona, const Rekord& rekord) {
    CStrona& strona = m_strony[nStrona];
    std::array<std::string_view, 6> pola;
    PodzielNaWidoki(rekord[0], pola);
    CWpis w{};
    w.m_nTyp = Typ(pola[2]);
    w.m_nKlucz = Klucz(NazwaTypu(w), pola[POLE_IDENTYFIKATORA]);
    CSkrot odcisk, wersja;
    odcisk << pola[0] << pola[1] << pola[2] << pola[5];
    wersja << pola[POLE_WERSJI];
    w.m_nRelacje = static_cast<std::uint32_t>(strona.m_anRelacje.size());
    for (std::size_t i = 1; i + 1 < rekord.size(); ++i) {
        const std::string_view str = rekord[i];
        if (JestWierszemDanych(str)) {
            if (JestAtrybutemWersji(PolaWierszaDanych(str)[1])) {
                wersja << str;
                continue;
            }
        } else if (str.starts_with("WG,")) {
            // The relation's name here; the object it names is compared by its key, which
            // for a re-identified object is translated to its new one.
            std::array<std::string_view, 4> rel;
            PodzielNaWidoki(str, rel);
            strona.m_anRelacje.push_back(Klucz(UsunPrefiks(rel[2]), rel[3]));
            odcisk << rel[0] << rel[1];
            continue;
        }
        odcisk << str;
    }
    w.m_nLiczbaRelacji = static_cast<std::uint16_t>(
        std::min<std::size_t>(strona.m_anRelacje.size() - w.m_nRelacje, UINT16_MAX));
    strona.m_anRelacje.resize(w.m_nRelacje + w.m_nLiczbaRelacji);
    w.m_nOdcisk = odcisk.Wartosc();
    w.m_nWersja = wersja.Wartosc();
    strona.m_wpisy.push_back(w);
}

void CPorownanie::Czytaj(std::size_t nStrona) {
    CStrona& strona = m_strony[nStrona];
    if (!Przejdz(nStrona, static_cast<int>(nStrona),
                 [&](const Rekord& r) { Wpis(nStrona, r); }, true))
        throw CPrzerwano();
    std::stable_sort(strona.m_wpisy.begin(), strona.m_wpisy.end(),
                     [](const CWpis& a, const CWpis& b) { return a.m_nKlucz < b.m_nKlucz; });
    strona.m_stany.assign(strona.m_wpisy.size(), EStanRekordu::BezZmian);
    strona.m_anPara.assign(strona.m_wpisy.size(), BRAK);
}

std::uint64_t CPorownanie::Cel(std::uint64_t nKlucz) const {
    if (!m_bNoweIdentyfikatory)
        return nKlucz;
    const CStrona& s = m_strony[STARY];
    const std::uint32_t i = s.Znajdz(nKlucz);
    return i == BRAK || s.m_anPara[i] == BRAK ? nKlucz
                                               : m_strony[NOWY].m_wpisy[s.m_anPara[i]].m_nKlucz;
}

std::uint64_t CPorownanie::Tresc(std::size_t nStrona, const CWpis& w) const {
    CSkrot skrot;
    skrot << std::to_string(w.m_nTyp) << std::to_string(w.m_nOdcisk);
    for (const std::uint64_t nCel : m_strony[nStrona].Relacje(w))
        skrot << std::to_string(nStrona == STARY ? Cel(nCel) : nCel);
    return skrot.Wartosc();
}

void CPorownanie::Dopasuj() {
    CStrona& s = m_strony[STARY];
    CStrona& n = m_strony[NOWY];
    // By key; a key that stands several times in a file is matched in file order.
    for (std::size_t i = 0, j = 0; i < s.m_wpisy.size() && j < n.m_wpisy.size();) {
        if (s.m_wpisy[i].m_nKlucz < n.m_wpisy[j].m_nKlucz) {
            ++i;
        } else if (n.m_wpisy[j].m_nKlucz < s.m_wpisy[i].m_nKlucz) {
            ++j;
        } else {
            s.m_anPara[i] = static_cast<std::uint32_t>(j);
            n.m_anPara[j] = static_cast<std::uint32_t>(i);
            ++i;
            ++j;
        }
    }
    // The rest of one type paired by content: a new identifier, not a removal and an addition.
    // Relations to the records paired so are translated to their new identifiers, so a round
    // may pair what names them (a land-use record of a re-identified parcel); a few rounds
    // cover the chains the format has.
    for (int nRunda = 0; nRunda < 4; ++nRunda) {
        std::unordered_multimap<std::uint64_t, std::uint32_t> wolne;
        for (std::uint32_t i = 0; i < s.m_wpisy.size(); ++i)
            if (s.m_anPara[i] == BRAK)
                wolne.emplace(Tresc(STARY, s.m_wpisy[i]), i);
        bool bNowe = false;
        for (std::uint32_t j = 0; j < n.m_wpisy.size() && !wolne.empty(); ++j) {
            if (n.m_anPara[j] != BRAK)
                continue;
            const auto it = wolne.find(Tresc(NOWY, n.m_wpisy[j]));
            if (it == wolne.end())
                continue;
            s.m_anPara[it->second] = j;
            n.m_anPara[j] = it->second;
            wolne.erase(it);
            bNowe = m_bNoweIdentyfikatory = true;
        }
        if (!bNowe)
            break;
    }
    for (std::uint32_t i = 0; i < s.m_wpisy.size(); ++i)
        if (s.m_anPara[i] == BRAK)
            s.m_stany[i] = EStanRekordu::Usuniety;
    for (std::uint32_t j = 0; j < n.m_wpisy.size(); ++j) {
        const std::uint32_t i = n.m_anPara[j];
        if (i == BRAK) {
            n.m_stany[j] = EStanRekordu::Dodany;
            continue;
        }
        const CWpis& a = s.m_wpisy[i];
        const CWpis& b = n.m_wpisy[j];
        const auto relA = s.Relacje(a);
        const auto relB = n.Relacje(b);
        const bool bTaSama =
            a.m_nOdcisk == b.m_nOdcisk &&
            std::equal(relA.begin(), relA.end(), relB.begin(), relB.end(),
                       [this](std::uint64_t nA, std::uint64_t nB) { return Cel(nA) == nB; });
        const EStanRekordu e = a.m_nKlucz != b.m_nKlucz   ? EStanRekordu::NowyIdentyfikator
                               : !bTaSama                 ? EStanRekordu::Zmiana
                               : a.m_nWersja != b.m_nWersja ? EStanRekordu::NowaWersja
                                                            : EStanRekordu::BezZmian;
        s.m_stany[i] = n.m_stany[j] = e;
    }
}

void CPorownanie::Odwrotne(std::size_t nStrona) {
    const CStrona& s = m_strony[nStrona];
    for (std::uint32_t i = 0; i < s.m_wpisy.size(); ++i) {
        const std::string& strTyp = NazwaTypu(s.m_wpisy[i]);
        if (strTyp == "G5DZE" || strTyp == "G5UDZ" || strTyp == "G5UDW" || strTyp == "G5UDD")
            for (const std::uint64_t nCel : s.Relacje(s.m_wpisy[i]))
                m_odwrotne[nStrona].emplace(nCel, i);
    }
}

void CPorownanie::Dzialki(std::size_t nStrona, std::uint32_t nWpis,
                          std::vector<std::uint64_t>& wynik, int nGlebokosc) const {
    const CStrona& s = m_strony[nStrona];
    const CWpis& w = s.m_wpisy[nWpis];
    const std::string& strTyp = NazwaTypu(w);
    if (strTyp == "G5DZE") {
        wynik.push_back(w.m_nKlucz);
        return;
    }
    if (nGlebokosc > 3)
        return;
    // Up: a land-use record, a building names its parcel; premises their building; shares
    // their register unit.
    for (const std::uint64_t nCel : s.Relacje(w)) {
        const std::uint32_t n = s.Znajdz(nCel);
        if (n == BRAK)
            continue;
        const std::string& strCel = NazwaTypu(s.m_wpisy[n]);
        if (strCel == "G5DZE" || strCel == "G5BUD" ||
            (strCel == "G5JDR" && strTyp.starts_with("G5UD")))
            Dzialki(nStrona, n, wynik, nGlebokosc + 1);
    }
    // Down: the parcels of a register unit or at an address; the shares of a subject.
    if (strTyp == "G5JDR" || strTyp == "G5ADR" || strTyp == "G5OSF" || strTyp == "G5INS" ||
        strTyp == "G5MLZ" || strTyp == "G5PDZ" || strTyp.starts_with("G5UD")) {
        const auto [od, doo] = m_odwrotne[nStrona].equal_range(w.m_nKlucz);
        for (auto it = od; it != doo; ++it) {
            const std::string& strZrodlo = NazwaTypu(s.m_wpisy[it->second]);
            if (strZrodlo == "G5DZE" ? strTyp == "G5JDR" || strTyp == "G5ADR"
                                     : strTyp != "G5JDR" && !strTyp.starts_with("G5UD"))
                Dzialki(nStrona, it->second, wynik, nGlebokosc + 1);
        }
    }
}

void CPorownanie::Doczytaj(std::size_t nStrona) {
    // What is kept: every record that is not unchanged or only newly versioned, the parcels
    // the report shows and the land-use records that name them.
    std::unordered_set<std::uint64_t> chciane;
    const CStrona& s = m_strony[nStrona];
    for (std::size_t i = 0; i < s.m_wpisy.size(); ++i) {
        const CWpis& w = s.m_wpisy[i];
        if (s.m_stany[i] != EStanRekordu::BezZmian && s.m_stany[i] != EStanRekordu::NowaWersja)
            chciane.insert(w.m_nKlucz);
        if (m_dzialki[nStrona].count(w.m_nKlucz))
            chciane.insert(w.m_nKlucz);
        else if (NazwaTypu(w) == "G5KLU")
            for (const std::uint64_t nCel : s.Relacje(w))
                if (m_dzialki[nStrona].count(nCel))
                    chciane.insert(w.m_nKlucz);
    }
    const bool bCaly = Przejdz(nStrona, 2 + static_cast<int>(nStrona),
            [&](const Rekord& r) {
                std::array<std::string_view, 4> pola;
                PodzielNaWidoki(r[0], pola);
                const std::uint64_t nKlucz = Klucz(UsunPrefiks(pola[2]), pola[3]);
                if (!chciane.count(nKlucz) || m_zachowane[nStrona].count(nKlucz))
                    return;
                CLinie& linie = m_zachowane[nStrona][nKlucz];
                for (const std::string_view str : r)
                    linie.emplace_back(str);
            },
            false);
    if (!bCaly)
        throw CPrzerwano();
}

// The value of a "D," line as the report shows it: code page 1250, identifiers masked, names
// and addresses cut to four characters unless asked for.
std::string CPorownanie::Wartosc(const std::string& strTyp, std::string_view strAtrybut,
                                 std::string_view strWartosc) const {
    if (!strWartosc.empty() && strWartosc.back() == ';')
        strWartosc.remove_suffix(1);
    const std::string str = kodowanie::Iso88592DoCp1250(strWartosc);
    if (m_opcje.m_bDaneOsobowe)
        return str;
    const bool bOsobowy = std::find(ATRYBUTY_OSOBOWE.begin(), ATRYBUTY_OSOBOWE.end(),
                                    strAtrybut) != ATRYBUTY_OSOBOWE.end();
    return bOsobowy && (strTyp == "G5OSF" || strTyp == "G5ADR") ? Zamaskuj(str)
                                                                : ZamaskujIdentyfikatory(str);
}

std::vector<CZmianaPola> CPorownanie::Roznice(const CLinie& stare, const CLinie& nowe,
                                              const std::string& strTyp) const {
    // What each side holds: the values under each attribute or relation, in file order, and
    // the other lines (geometry) as one item. Values are compared as they stand and shown as
    // the report shows them: two names masked alike still differ.
    using CWartosci = std::vector<std::pair<std::string, std::string>>; // as read, as shown
    auto rozbierz = [&](const CLinie& linie) {
        std::map<std::string, CWartosci> m;
        auto dodaj = [&m](const std::string& strCo, std::string str) {
            m[strCo].emplace_back(str, str);
        };
        std::array<std::string_view, 6> h;
        PodzielNaWidoki(linie.front(), h);
        dodaj(T("nagłówek"),
              std::string(h[0]) + "," + std::string(h[2]) + "," + std::string(h[5]));
        std::size_t nGeometria = 0;
        CSkrot geometria;
        for (std::size_t i = 1; i + 1 < linie.size(); ++i) {
            const std::string& str = linie[i];
            if (JestWierszemDanych(str)) {
                const auto pola = PolaWierszaDanych(str);
                if (!JestAtrybutemWersji(pola[1]))
                    m[std::string(pola[1])].emplace_back(pola[3],
                                                         Wartosc(strTyp, pola[1], pola[3]));
            } else if (str.starts_with("WG,") || str.starts_with("WL,")) {
                std::array<std::string_view, 4> rel;
                const int n = PodzielNaWidoki(str, rel);
                std::string strCel = n > 3 ? std::string(rel[2]) + " " + std::string(rel[3])
                                           : std::string(rel[2]);
                dodaj(str.substr(0, 3) + std::string(rel[1]), std::move(strCel));
            } else {
                ++nGeometria;
                geometria << str;
            }
        }
        if (nGeometria)
            dodaj(T("geometria"), std::to_string(nGeometria) + T(" wierszy, skrót ") +
                                      std::to_string(geometria.Wartosc() % 100000));
        return m;
    };
    const auto a = rozbierz(stare);
    const auto b = rozbierz(nowe);
    auto zlacz = [](const std::map<std::string, CWartosci>& m, const std::string& strCo) {
        const auto it = m.find(strCo);
        std::string str;
        if (it != m.end())
            for (const auto& [strJak, strPokazana] : it->second)
                str += (str.empty() ? "" : "; ") + strPokazana;
        return str;
    };
    std::set<std::string> klucze;
    for (const auto& [k, v] : a)
        klucze.insert(k);
    for (const auto& [k, v] : b)
        klucze.insert(k);
    std::vector<CZmianaPola> wynik;
    for (const std::string& strCo : klucze) {
        const auto ia = a.find(strCo);
        const auto ib = b.find(strCo);
        if (ia != a.end() && ib != b.end() && ia->second == ib->second)
            continue;
        wynik.push_back({strCo, zlacz(a, strCo), zlacz(b, strCo)});
    }
    return wynik;
}

// "B-RIVa 0,1500 ha": the land-use label (G5OFU, then G5OZU when it differs, and G5OZK) and
// the area, from square metres to hectares.
std::string EtykietaUzytku(const CLinie& linie) {
    std::string strOfu, strOzu, strOzk, strPew;
    for (const std::string& str : linie) {
        if (!JestWierszemDanych(str))
            continue;
        const auto pola = PolaWierszaDanych(str);
        std::string_view v = pola[3];
        if (!v.empty() && v.back() == ';')
            v.remove_suffix(1);
        if (pola[1] == "G5OFU")
            strOfu = v;
        else if (pola[1] == "G5OZU")
            strOzu = v;
        else if (pola[1] == "G5OZK")
            strOzk = v;
        else if (pola[1] == "G5PEW")
            strPew = v;
    }
    std::string str = strOfu;
    if (!strOzu.empty() && strOzu != strOfu)
        str += "-" + strOzu + strOzk;
    else if (!strOzk.empty())
        str += "-" + strOzk;
    if (!strPew.empty() && strPew.find_first_not_of("0123456789") == std::string::npos &&
        strPew.size() < 15) {
        const unsigned long long n = std::stoull(strPew);
        std::string strUlamek = std::to_string(n % 10000);
        strUlamek.insert(0, 4 - strUlamek.size(), '0');
        str += " " + std::to_string(n / 10000) + "," + strUlamek + " ha";
    } else if (!strPew.empty()) {
        str += " " + strPew;
    }
    return kodowanie::Iso88592DoCp1250(str);
}

std::string CPorownanie::Uzytki(std::size_t nStrona, std::uint64_t nDzialka) const {
    std::vector<std::string> astr;
    const CStrona& s = m_strony[nStrona];
    for (const auto& [nKlucz, linie] : m_zachowane[nStrona]) {
        const std::uint32_t n = s.Znajdz(nKlucz);
        if (n == BRAK || NazwaTypu(s.m_wpisy[n]) != "G5KLU")
            continue;
        const auto rel = s.Relacje(s.m_wpisy[n]);
        if (std::find(rel.begin(), rel.end(), nDzialka) != rel.end())
            astr.push_back(EtykietaUzytku(linie));
    }
    std::sort(astr.begin(), astr.end());
    std::string str;
    for (const std::string& s : astr)
        str += (str.empty() ? "" : "; ") + s;
    return str;
}

std::string Atrybut(const CLinie* pLinie, std::string_view strAtrybut) {
    if (pLinie)
        for (const std::string& str : *pLinie)
            if (JestWierszemDanych(str) && PolaWierszaDanych(str)[1] == strAtrybut) {
                std::string_view v = PolaWierszaDanych(str)[3];
                if (!v.empty() && v.back() == ';')
                    v.remove_suffix(1);
                return kodowanie::Iso88592DoCp1250(v);
            }
    return {};
}

std::string Identyfikator(const CLinie& linie) {
    std::array<std::string_view, 4> h;
    PodzielNaWidoki(linie.front(), h);
    return std::string(h[POLE_IDENTYFIKATORA]);
}

void CPorownanie::Parcele() {
    // The parcels each differing record concerns, on both sides, with their counterparts.
    Odwrotne(STARY);
    Odwrotne(NOWY);
    for (std::size_t nStrona : {STARY, NOWY}) {
        const CStrona& s = m_strony[nStrona];
        for (std::uint32_t i = 0; i < s.m_wpisy.size(); ++i) {
            if (s.m_stany[i] == EStanRekordu::BezZmian || s.m_stany[i] == EStanRekordu::NowaWersja)
                continue;
            std::vector<std::uint64_t>& d = m_dotyczy[nStrona][s.m_wpisy[i].m_nKlucz];
            Dzialki(nStrona, i, d);
            for (const std::uint64_t nDzialka : d) {
                m_dzialki[nStrona].insert(nDzialka);
                const std::uint32_t n = s.Znajdz(nDzialka);
                const std::uint32_t nPara = n == BRAK ? BRAK : s.m_anPara[n];
                if (nPara != BRAK)
                    m_dzialki[1 - nStrona].insert(m_strony[1 - nStrona].m_wpisy[nPara].m_nKlucz);
            }
        }
    }
}

void CPorownanie::Raport() {
    // Counts by type.
    std::map<std::string, CLiczbyTypu> typy;
    for (std::size_t nStrona : {STARY, NOWY}) {
        const CStrona& s = m_strony[nStrona];
        for (std::size_t i = 0; i < s.m_wpisy.size(); ++i) {
            const EStanRekordu e = s.m_stany[i];
            // A pair is counted once, on the new side; a removal on the old.
            if (nStrona == STARY && e != EStanRekordu::Usuniety)
                continue;
            CLiczbyTypu& l = typy[NazwaTypu(s.m_wpisy[i])];
            l.m_strTyp = NazwaTypu(s.m_wpisy[i]);
            ++l.m_an[static_cast<std::size_t>(e)];
        }
    }
    for (auto& [k, l] : typy)
        m_wynik.m_typy.push_back(l);

    // The header fields side by side.
    for (const auto& [strKod, strWartosc] : m_strony[STARY].m_naglowek)
        m_wynik.m_naglowek.push_back({strKod, strWartosc, {}});
    for (const auto& pole : m_strony[NOWY].m_naglowek) {
        const std::string& strKod = pole.first;
        const std::string& strWartosc = pole.second;
        const auto it = std::find_if(m_wynik.m_naglowek.begin(), m_wynik.m_naglowek.end(),
                                     [&](const CPoleNaglowkaPorownania& p) {
                                         return p.m_strKod == strKod && p.m_strNowy.empty();
                                     });
        if (it != m_wynik.m_naglowek.end())
            it->m_strNowy = strWartosc;
        else
            m_wynik.m_naglowek.push_back({strKod, {}, strWartosc});
    }

    // The parcels' G5IDD on each side.
    auto idd = [&](std::size_t nStrona, std::uint64_t nKlucz) {
        const CLinie* p = Linie(nStrona, nKlucz);
        std::string str = Atrybut(p, "G5IDD");
        return str.empty() && p ? Identyfikator(*p) : str;
    };

    // The records, and the parcel each concerns.
    std::map<std::string, CZmianaDzialki> dzialki; // by G5IDD
    auto dzialka = [&](std::size_t nStrona, std::uint64_t nKlucz) -> CZmianaDzialki& {
        const std::string strIdd = idd(nStrona, nKlucz);
        CZmianaDzialki& d = dzialki[strIdd];
        d.m_strIdd = strIdd;
        return d;
    };
    std::vector<CZmianaRekordu> zmiany;
    std::vector<std::pair<std::size_t, std::uint64_t>> powiazania; // change, parcel key (side)
    std::vector<std::size_t> anStrony;
    for (std::size_t nStrona : {NOWY, STARY}) {
        const CStrona& s = m_strony[nStrona];
        for (std::size_t i = 0; i < s.m_wpisy.size(); ++i) {
            const EStanRekordu e = s.m_stany[i];
            if (e == EStanRekordu::BezZmian || e == EStanRekordu::NowaWersja ||
                (nStrona == STARY && e != EStanRekordu::Usuniety))
                continue;
            const CWpis& w = s.m_wpisy[i];
            const CLinie* p = Linie(nStrona, w.m_nKlucz);
            if (!p)
                continue;
            CZmianaRekordu z;
            z.m_strTyp = NazwaTypu(w);
            z.m_strId = Identyfikator(*p);
            z.m_eStan = e;
            const CLinie* pStare = nullptr;
            if (nStrona == NOWY && s.m_anPara[i] != BRAK) {
                const std::uint64_t nStary = m_strony[STARY].m_wpisy[s.m_anPara[i]].m_nKlucz;
                pStare = Linie(STARY, nStary);
                if (pStare)
                    z.m_strIdStary = Identyfikator(*pStare);
            }
            if (e == EStanRekordu::Zmiana && pStare)
                z.m_pola = Roznice(*pStare, *p, z.m_strTyp);
            std::vector<std::uint64_t> d = m_dotyczy[nStrona][w.m_nKlucz];
            if (!d.empty())
                z.m_strDzialka = idd(nStrona, d.front());
            if (e == EStanRekordu::NowyIdentyfikator && z.m_strTyp != "G5DZE") {
                zmiany.push_back(std::move(z));
                continue;
            }
            const std::size_t nZmiana = zmiany.size();
            if (z.m_strTyp == "G5DZE") {
                CZmianaDzialki& dz = dzialka(nStrona, w.m_nKlucz);
                dz.m_strId = z.m_strId;
                dz.m_eStan = e;
                dz.m_pola = z.m_pola;
            } else if (z.m_strTyp != "G5KLU") {
                std::sort(d.begin(), d.end());
                d.erase(std::unique(d.begin(), d.end()), d.end());
                for (const std::uint64_t nDzialka : d)
                    dzialka(nStrona, nDzialka).m_anInne.push_back(nZmiana);
            }
            zmiany.push_back(std::move(z));
        }
    }
    // The land-use split of every parcel shown, old against new.
    for (std::size_t nStrona : {NOWY, STARY}) {
        const CStrona& s = m_strony[nStrona];
        for (const std::uint64_t nDzialka : m_dzialki[nStrona]) {
            const std::uint32_t n = s.Znajdz(nDzialka);
            if (n == BRAK)
                continue;
            const std::uint32_t nPara = s.m_anPara[n];
            if (nStrona == STARY && nPara != BRAK)
                continue; // seen from the new side
            const std::uint64_t nInny =
                nPara == BRAK ? 0 : m_strony[1 - nStrona].m_wpisy[nPara].m_nKlucz;
            const std::string strTu = Uzytki(nStrona, nDzialka);
            const std::string strTam = nPara == BRAK ? std::string() : Uzytki(1 - nStrona, nInny);
            CZmianaDzialki& dz = dzialka(nStrona, nDzialka);
            if (dz.m_strId.empty())
                dz.m_strId = Identyfikator(*Linie(nStrona, nDzialka));
            if (strTu != strTam) {
                dz.m_bUzytki = true;
                dz.m_strUzytkiPrzed = nStrona == NOWY ? strTam : strTu;
                dz.m_strUzytkiPo = nStrona == NOWY ? strTu : strTam;
            }
        }
    }
    // Records by type and identifier; the parcels' references follow the new order.
    std::vector<std::size_t> porzadek(zmiany.size());
    for (std::size_t i = 0; i < porzadek.size(); ++i)
        porzadek[i] = i;
    std::stable_sort(porzadek.begin(), porzadek.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(zmiany[a].m_strTyp, zmiany[a].m_strId) <
               std::tie(zmiany[b].m_strTyp, zmiany[b].m_strId);
    });
    std::vector<std::size_t> nowe(zmiany.size());
    for (std::size_t i = 0; i < porzadek.size(); ++i) {
        nowe[porzadek[i]] = i;
        m_wynik.m_zmiany.push_back(std::move(zmiany[porzadek[i]]));
    }
    for (auto& [strIdd, d] : dzialki) {
        // A parcel only re-identified is no change of its own.
        const bool bCos = (d.m_eStan != EStanRekordu::Zmiana &&
                           d.m_eStan != EStanRekordu::NowyIdentyfikator) ||
                          !d.m_pola.empty() || d.m_bUzytki || !d.m_anInne.empty();
        if (d.m_eStan == EStanRekordu::NowyIdentyfikator)
            d.m_eStan = EStanRekordu::Zmiana;
        if (!bCos)
            continue;
        for (std::size_t& n : d.m_anInne)
            n = nowe[n];
        std::sort(d.m_anInne.begin(), d.m_anInne.end());
        m_wynik.m_dzialki.push_back(std::move(d));
    }
}

bool CPorownanie::Wykonaj() {
    try {
        Czytaj(STARY);
        Czytaj(NOWY);
        Dopasuj();
        Parcele();
        Doczytaj(STARY);
        Doczytaj(NOWY);
    } catch (CPrzerwano) {
        return false;
    }
    Raport();
    m_obserwator.Postep(1000);
    return true;
}

} // namespace

const std::string& NazwaStanu(EStanRekordu eStan) {
    static const std::array<std::string, LICZBA_STANOW_REKORDU> NAZWY = {
        T("bez zmian"), T("nowa wersja"), T("bez zmian (nowy identyfikator)"),
        T("zmiana"),    T("dodany"),      T("usunięty")};
    return NAZWY[static_cast<std::size_t>(eStan)];
}

bool CWynikPorownania::CzySaRoznice() const {
    return std::any_of(m_typy.begin(), m_typy.end(), [](const CLiczbyTypu& l) {
        return l.m_an[static_cast<std::size_t>(EStanRekordu::Zmiana)] +
                   l.m_an[static_cast<std::size_t>(EStanRekordu::Dodany)] +
                   l.m_an[static_cast<std::size_t>(EStanRekordu::Usuniety)] >
               0;
    });
}

CWynikPorownania PorownajPliki(const std::string& strStary, const std::string& strNowy,
                               const COpcjePorownania& opcje, CObserwatorRunu& obserwator) {
    CWynikPorownania wynik;
    wynik.m_strStary = strStary;
    wynik.m_strNowy = strNowy;
    obserwator.Etap(T("Porównywanie plików"));
    obserwator.Postep(0);
    CPorownanie porownanie(strStary, strNowy, opcje, obserwator, wynik);
    try {
        wynik.m_bPrzerwany = !porownanie.Wykonaj();
    } catch (...) {
        wynik.m_bBlad = true;
        wynik.m_nPlikBledu = porownanie.Plik();
        wynik.m_nNumerBledu = NumerBiezacegoBledu();
        wynik.m_strBlad = TekstBiezacegoBledu();
    }
    return wynik;
}

void ZapiszRaportPorownania(const std::string& strSciezka, std::string_view strBajty) {
    const std::string strRoboczy = strSciezka + ".kelvor-tmp";
    try {
        platforma::CPlikWyjsciowy plik;
        if (!plik.Otworz(strRoboczy))
            throw CSWDEException(EBlad::OtwarciePlikuDocelowego, strSciezka);
        plik.ZapiszBajty(strBajty);
        plik.Zamknij();
        platforma::ZamienNazwe(strRoboczy, strSciezka);
    } catch (...) {
        platforma::Usun(strRoboczy);
        throw;
    }
}
