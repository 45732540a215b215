// The run state of one file: removal lists with hashed lookups, count maps, referenced sets.
#include "filtr/stan.h"

namespace {

std::string Klucz23(std::string_view strPole2, std::string_view strPole3) {
    std::string strKlucz;
    strKlucz.reserve(strPole2.size() + 1 + strPole3.size());
    strKlucz.append(strPole2).append(1, '\n').append(strPole3);
    return strKlucz;
}

} // namespace

void ListaRekordow::Dodaj(const std::string& strPole2, const std::string& strPole3,
                          const std::string& strPole4) {
    const int nIndeks = Licznik();
    m_astrPole2.push_back(strPole2);
    m_astrPole3.push_back(strPole3);
    m_astrPole4.push_back(strPole4);
    // emplace keeps an existing key, so each index names the first entry in list order.
    m_indeks4.emplace(strPole4, nIndeks);
    m_indeks23.emplace(Klucz23(strPole2, strPole3), nIndeks);
}

void ListaRekordow::Wyczysc() {
    m_astrPole2.clear();
    m_astrPole3.clear();
    m_astrPole4.clear();
    m_indeks4.clear();
    m_indeks23.clear();
}

void ListaRekordow::Rezerwuj(std::size_t n) {
    m_astrPole2.reserve(n);
    m_astrPole3.reserve(n);
    m_astrPole4.reserve(n);
    m_indeks4.reserve(n);
    m_indeks23.reserve(n);
}

int ListaRekordow::ZnajdzPole4(std::string_view strPole4) const {
    const auto it = m_indeks4.find(std::string(strPole4));
    return it == m_indeks4.end() ? -1 : it->second;
}

int ListaRekordow::ZnajdzPole23(std::string_view strPole2, std::string_view strPole3) const {
    const auto it = m_indeks23.find(Klucz23(strPole2, strPole3));
    return it == m_indeks23.end() ? -1 : it->second;
}

bool ListaRekordow::Pasuje(std::string_view strKod, std::string_view strCel1,
                           std::string_view strCel2) const {
    if (strKod == "WL")
        return ZnajdzPole4(strCel1) >= 0;
    if (strKod == "WG")
        return ZnajdzPole23(strCel1, strCel2) >= 0;
    return false;
}

void Zlicz(MapaLicznikow& mapa, const std::string& strSymbolBazowy) {
    ++mapa[strSymbolBazowy];
}

void CStanPrzebiegu::WyczyscListy() {
    for (ListaRekordow& lista : m_listy)
        lista.Wyczysc();
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
