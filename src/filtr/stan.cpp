// The run state of one file: removal lists with hashed lookups, count maps, referenced sets.
#include "filtr/stan.h"

namespace {

// FNV-1a, fed byte by byte so that a joined key hashes as the joined text would.
constexpr std::size_t FNV_POCZATEK = 14695981039346656037ull;
constexpr std::size_t FNV_MNOZNIK = 1099511628211ull;

std::size_t Dopisz(std::size_t nHash, std::string_view str) {
    for (const char c : str) {
        nHash = (nHash ^ static_cast<unsigned char>(c)) * FNV_MNOZNIK;
    }
    return nHash;
}

std::string Polacz(std::string_view strA, char cSeparator, std::string_view strB) {
    std::string str;
    str.reserve(strA.size() + 1 + strB.size());
    str.append(strA).append(1, cSeparator).append(strB);
    return str;
}

} // namespace

std::size_t CHashTekstu::operator()(std::string_view str) const {
    return Dopisz(FNV_POCZATEK, str);
}

std::size_t CHashTekstu::operator()(const CKluczZlozony& klucz) const {
    const std::size_t nHash = Dopisz(FNV_POCZATEK, klucz.strA);
    return Dopisz((nHash ^ static_cast<unsigned char>(klucz.cSeparator)) * FNV_MNOZNIK, klucz.strB);
}

bool CRownyTekst::operator()(std::string_view a, const CKluczZlozony& b) const {
    return a.size() == b.strA.size() + 1 + b.strB.size() && a.starts_with(b.strA) &&
           a[b.strA.size()] == b.cSeparator && a.ends_with(b.strB);
}

void ListaRekordow::Dodaj(const std::string& strPole2, const std::string& strPole3,
                          const std::string& strPole4) {
    m_astrPole2.push_back(strPole2);
    m_astrPole3.push_back(strPole3);
    m_astrPole4.push_back(strPole4);
}

void ListaRekordow::Wyczysc() {
    m_astrPole2.clear();
    m_astrPole3.clear();
    m_astrPole4.clear();
}

void ListaRekordow::Rezerwuj(std::size_t n) {
    m_astrPole2.reserve(n);
    m_astrPole3.reserve(n);
    m_astrPole4.reserve(n);
}

void CStanPrzebiegu::Dodaj(ELista eLista, const std::string& strPole2,
                           const std::string& strPole3, const std::string& strPole4) {
    m_listy[eLista].Dodaj(strPole2, strPole3, strPole4);
    const unsigned nBit = 1u << eLista;
    const auto it4 = m_listyPole4.find(std::string_view(strPole4));
    if (it4 == m_listyPole4.end()) {
        m_listyPole4.emplace(strPole4, nBit);
    } else {
        it4->second |= nBit;
    }
    const auto it23 = m_listyPole23.find(CKluczZlozony{strPole2, '\n', strPole3});
    if (it23 == m_listyPole23.end()) {
        m_listyPole23.emplace(Polacz(strPole2, '\n', strPole3), nBit);
    } else {
        it23->second |= nBit;
    }
}

bool CStanPrzebiegu::Pasuje(unsigned nListy, std::string_view strKod, std::string_view strCel1,
                            std::string_view strCel2) const {
    Indeks::const_iterator it;
    if (strKod == "WL") {
        it = m_listyPole4.find(strCel1);
        return it != m_listyPole4.end() && (it->second & nListy) != 0;
    }
    if (strKod == "WG") {
        it = m_listyPole23.find(CKluczZlozony{strCel1, '\n', strCel2});
        return it != m_listyPole23.end() && (it->second & nListy) != 0;
    }
    return false;
}

void CStanPrzebiegu::Rezerwuj(ELista eLista, std::size_t n) {
    m_listy[eLista].Rezerwuj(n);
    if (n > m_nRezerwaIndeksu) {
        m_nRezerwaIndeksu = n;
        m_listyPole4.reserve(n);
        m_listyPole23.reserve(n);
    }
}

void Zlicz(MapaLicznikow& mapa, const std::string& strSymbolBazowy) {
    ++mapa[strSymbolBazowy];
}

void CStanPrzebiegu::WyczyscListy() {
    for (ListaRekordow& lista : m_listy) {
        lista.Wyczysc();
    }
    m_listyPole4.clear();
    m_listyPole23.clear();
    m_przeksztalcone.clear();
}

void CStanPrzebiegu::WyczyscMapy() {
    m_mapaZrodloAkt.clear();
    m_mapaZrodloHist.clear();
    m_mapaCelAkt.clear();
    m_mapaCelHist.clear();
}

void CStanPrzebiegu::WyczyscOdwolania() {
    m_odwolaniaLokalne.clear();
    m_odwolaniaGlobalne.clear();
    m_punktyGlobalne.clear();
    m_punktyLokalne.clear();
}

void DodajPare(ZbiorTekstow& zbior, std::string_view strA, std::string_view strB) {
    if (!ZawieraPare(zbior, strA, strB)) {
        zbior.insert(Polacz(strA, ',', strB));
    }
}

bool ZawieraPare(const ZbiorTekstow& zbior, std::string_view strA, std::string_view strB) {
    return zbior.find(CKluczZlozony{strA, ',', strB}) != zbior.end();
}
