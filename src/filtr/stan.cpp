// The run state of one file: removal lists with hashed lookups, count maps, referenced sets.
#include "filtr/stan.h"
#include "swde/rekord.h"

void ListaRekordow::Dodaj(std::string_view strPole2, std::string_view strPole3,
                          std::string_view strPole4) {
    m_anWpisy.push_back(m_arena.Dodaj({strPole2, strPole3, strPole4}));
}

void ListaRekordow::Wyczysc() {
    m_arena.Wyczysc();
    m_anWpisy.clear();
}

void CStanPrzebiegu::Dodaj(ELista eLista, std::string_view strPole2, std::string_view strPole3,
                           std::string_view strPole4) {
    m_listy[eLista].Dodaj(strPole2, strPole3, strPole4);
    const auto nBit = static_cast<unsigned char>(1u << eLista);
    m_listyPole4.Dodaj(CKlucz(strPole4), nBit);
    m_listyPole23.Dodaj(CKlucz(strPole2, '\n', strPole3), nBit);
}

bool CStanPrzebiegu::Pasuje(unsigned nListy, std::string_view strKod, std::string_view strCel1,
                            std::string_view strCel2) const {
    if (strKod == "WL")
        return (m_listyPole4.Bity(CKlucz(strCel1)) & nListy) != 0;
    if (strKod == "WG")
        return (m_listyPole23.Bity(CKlucz(strCel1, '\n', strCel2)) & nListy) != 0;
    return false;
}

void CStanPrzebiegu::Rezerwuj(ELista eLista, std::size_t n) {
    m_listy[eLista].Rezerwuj(n);
}

void CStanPrzebiegu::WyczyscListy() {
    for (ListaRekordow& lista : m_listy) {
        lista.Wyczysc();
    }
    m_listyPole4.Wyczysc();
    m_listyPole23.Wyczysc();
    m_przeksztalcone.Wyczysc();
}

void CStanPrzebiegu::WyczyscMapy() {
    m_mapaZrodloAkt.clear();
    m_mapaZrodloHist.clear();
    m_mapaCelAkt.clear();
    m_mapaCelHist.clear();
    m_mapaSierotyAkt.clear();
    m_mapaSierotyHist.clear();
}

void CStanPrzebiegu::Zlicz(std::string_view strNaglowek, MapaLicznikow& mapaAkt,
                           MapaLicznikow& mapaHist, long nIle) {
    MapaLicznikow& mapa = CzyAktualny(PoleWiersza(strNaglowek, 5)) ? mapaAkt : mapaHist;
    mapa[UsunPrefiks(PoleWiersza(strNaglowek, 2))] += nIle;
}

void CStanPrzebiegu::WyczyscOdwolania() {
    m_odwolaniaLokalne.Wyczysc();
    m_odwolaniaGlobalne.Wyczysc();
    m_punktyGlobalne.Wyczysc();
    m_punktyLokalne.Wyczysc();
}
