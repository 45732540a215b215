// The synthetic GML generator. A precinct is written first; then parcel groups, each with its
// boundary points, the parcel (geometry, land-register number, references to the precinct and
// its register unit), a land-use and a classification contour, its register unit with an owner
// (a natural person with a valid PESEL and an address, an institution with a REGON, or a
// marriage of two persons) and the owner's share; every other parcel a building, some buildings
// premises with their own register unit; now and then a document, a change, a graphic
// presentation, an archival version of the parcel, a fence and a water pipe of the other two
// schemas, and a reference in urn form to a register unit delivered in another file.
#include "generator_gml.h"

#include <array>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "losowanie.h"

namespace {

constexpr std::string_view PRZESTRZEN = "PL.PZGiK.1004.EGiB";
constexpr std::array<std::string_view, 6> IMIONA = {"Jan", "Łucja", "Żaneta",
                                                     "Stanisław", "Maria", "Józef"};
constexpr std::array<std::string_view, 6> NAZWISKA = {"Kowalski", "Nowak", "Wójcik",
                                                       "Wiśniewska", "Kamińska", "Dąbrowski"};

class CPisarz {
public:
    CPisarz(const std::string& strSciezka, const COpcjeGeneratoraGml& opcje, CLiczbyGml& liczby)
        : m_plik(std::fopen(strSciezka.c_str(), "wb")), m_opcje(opcje), m_liczby(liczby),
          m_los(opcje.nZiarno) {
        if (!m_plik)
            throw std::runtime_error("cannot create " + strSciezka);
    }
    ~CPisarz() {
        if (m_plik)
            std::fclose(m_plik);
    }

    void Generuj();

private:
    void Wiersz(std::string_view str) {
        m_str += str;
        if (m_opcje.bWiersze)
            m_str += '\n';
        if (m_str.size() > (1u << 20))
            Oproznij();
    }
    void Oproznij() {
        if (std::fwrite(m_str.data(), 1, m_str.size(), m_plik) != m_str.size())
            throw std::runtime_error("write failed");
        m_liczby.nBajty += m_str.size();
        m_str.clear();
    }
    std::string Id(std::string_view strRodzaj, std::uint64_t n) const {
        return std::string(PRZESTRZEN) + "_" + std::string(strRodzaj) + "_" + std::to_string(n);
    }
    // Opens a feature: its member, its gml:id and its identifier; archival versions end.
    void Poczatek(std::string_view strKlasa, const std::string& strId, const std::string& strLokalny,
                  const std::string& strWersja, bool bArchiwalny) {
        const std::string strPelna = "egb:" + std::string(strKlasa);
        ++(bArchiwalny ? m_liczby.archiwalne : m_liczby.aktualne)[strPelna];
        Wiersz("<gml:featureMember>");
        Wiersz("<" + strPelna + " gml:id=\"" + strId + "\">");
        Wiersz("<egb:idIIP><egb:EGB_IdentyfikatorIIP><egb:lokalnyId>" + strLokalny +
               "</egb:lokalnyId><egb:przestrzenNazw>" + std::string(PRZESTRZEN) +
               "</egb:przestrzenNazw><egb:wersjaId>" + strWersja +
               "</egb:wersjaId></egb:EGB_IdentyfikatorIIP></egb:idIIP>");
        Wiersz("<egb:startObiekt>2015-03-01T10:00:00</egb:startObiekt>");
        Wiersz("<egb:startWersjaObiekt>" + strWersja + "</egb:startWersjaObiekt>");
        if (bArchiwalny)
            Wiersz("<egb:koniecWersjaObiekt>2022-04-29T12:51:50</egb:koniecWersjaObiekt>");
    }
    void Koniec(std::string_view strKlasa) {
        Wiersz("</egb:" + std::string(strKlasa) + ">");
        Wiersz("</gml:featureMember>");
    }
    // A simple feature: identifier, the given properties.
    std::string Prosty(std::string_view strKlasa, std::string_view strRodzaj,
                       const std::string& strReszta) {
        const std::uint64_t n = ++m_nObiekt;
        const std::string strId = Id(strRodzaj, n);
        Poczatek(strKlasa, strId, std::string(strRodzaj) + std::to_string(n),
                 "2022-04-29T12:51:50", false);
        if (!strReszta.empty())
            Wiersz(strReszta);
        Koniec(strKlasa);
        return strId;
    }
    std::string Odwolanie(std::string_view strWlasciwosc, const std::string& strCel) {
        ++m_liczby.nOdwolania;
        return "<egb:" + std::string(strWlasciwosc) + " xlink:href=\"" + strCel + "\"/>";
    }
    std::string Pole(std::string_view strNazwa, std::string_view strWartosc) {
        return "<egb:" + std::string(strNazwa) + ">" + std::string(strWartosc) + "</egb:" +
               std::string(strNazwa) + ">";
    }
    std::string Pesel();
    std::string Osoba();
    std::string Wlasciciel();
    void Grupa();
    void Obcy(std::string_view strPrefiks, std::string_view strKlasa);

    std::FILE* m_plik;
    const COpcjeGeneratoraGml& m_opcje;
    CLiczbyGml& m_liczby;
    CLosowanie m_los;
    std::string m_str;
    std::uint64_t m_nObiekt = 0;
    std::uint64_t m_nDzialka = 0;
    std::string m_strObreb;
    std::string m_strDokument;
};

std::string CPisarz::Pesel() {
    const int nRok = 40 + static_cast<int>(m_los.Do(60));
    const int nMiesiac = 1 + static_cast<int>(m_los.Do(12));
    const int nDzien = 1 + static_cast<int>(m_los.Do(28));
    char sz[16];
    std::snprintf(sz, sizeof sz, "%02d%02d%02d%04d", nRok, nMiesiac, nDzien,
                  static_cast<int>(m_los.Do(10000)));
    static constexpr std::array<int, 10> WAGI = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int nSuma = 0;
    for (std::size_t i = 0; i < 10; ++i)
        nSuma += (sz[i] - '0') * WAGI[i];
    ++m_liczby.nPesel;
    return std::string(sz, 10) + static_cast<char>('0' + (10 - nSuma % 10) % 10);
}

std::string CPisarz::Osoba() {
    const std::string strAdres =
        Prosty("EGB_AdresPodmiotu", "AP",
               Pole("kraj", "Polska") + Pole("miejscowosc", "Przykładowo") +
                   Pole("ulica", "Długa") + Pole("numerPorzadkowy", std::to_string(1 + m_los.Do(90))));
    return Prosty("EGB_OsobaFizyczna", "OF",
                  Pole("pierwszeImie", IMIONA[m_los.Do(IMIONA.size())]) +
                      Pole("pierwszyCzlonNazwiska", NAZWISKA[m_los.Do(NAZWISKA.size())]) +
                      Pole("pesel", Pesel()) + Pole("plec", "1") + Pole("status", "1") +
                      Odwolanie("adresStalegoPobytu", strAdres));
}

// The owner of a register unit: a person, an institution or a marriage.
std::string CPisarz::Wlasciciel() {
    switch (m_los.Do(4)) {
    case 0:
        return Prosty("EGB_Instytucja", "IN",
                      Pole("nazwaPelna", "Spółdzielnia Testowa") +
                          Pole("regon", std::to_string(100000000 + m_los.Do(899999999))) +
                          Pole("status", "2"));
    case 1: {
        const std::string strA = Osoba();
        const std::string strB = Osoba();
        return Prosty("EGB_Malzenstwo", "MA",
                      Odwolanie("osobaFizyczna2", strA) + Odwolanie("osobaFizyczna3", strB));
    }
    default:
        return Osoba();
    }
}

void CPisarz::Obcy(std::string_view strPrefiks, std::string_view strKlasa) {
    ++m_liczby.nObce;
    const std::string strId = Id(strPrefiks, ++m_nObiekt);
    Wiersz("<gml:featureMember><" + std::string(strPrefiks) + ":" + std::string(strKlasa) +
           " gml:id=\"" + strId + "\"><" + std::string(strPrefiks) +
           ":geometria><gml:LineString gml:id=\"" + strId + "_g\"><gml:posList>5600010.00 "
           "7400020.00 5600015.00 7400030.00</gml:posList></gml:LineString></" +
           std::string(strPrefiks) + ":geometria></" + std::string(strPrefiks) + ":" +
           std::string(strKlasa) + "></gml:featureMember>");
}

void CPisarz::Grupa() {
    const std::uint64_t nDzialka = ++m_nDzialka;
    std::string strPunkty;
    for (int i = 0; i < 4; ++i)
        strPunkty += Odwolanie("punktGraniczny",
                               Prosty("EGB_PunktGraniczny", "PG",
                                      "<egb:geometria><gml:Point gml:id=\"p" +
                                          std::to_string(m_nObiekt + 1) +
                                          "\"><gml:pos>5600100.12 7400200.34</gml:pos></gml:Point>"
                                          "</egb:geometria>" +
                                          Pole("zrodloDanychZRD", "1")));
    const std::string strJednostka =
        Prosty("EGB_JednostkaRejestrowaGruntow", "JRG",
               Pole("idJednostkiRejestrowej", "146501_1.0001.G" + std::to_string(nDzialka)) +
                   Odwolanie("lokalizacjaJRG", m_strObreb));
    const std::string strWlasciciel = Wlasciciel();
    Prosty("EGB_UdzialWeWlasnosci", "UWL",
           Pole("licznikUlamkaOkreslajacegoWartoscUdzialu", "1") +
               Pole("mianownikUlamkaOkreslajacegoWartoscUdzialu", "1") +
               Odwolanie("przedmiotUdzialuWlasnosci", strJednostka) +
               Odwolanie("podmiotUdzialuWlasnosci", strWlasciciel));
    if (m_los.Raz(5))
        Prosty("EGB_UdzialWeWladaniu", "UWD",
               Pole("rodzajWladania", "3") + Odwolanie("przedmiotUdzialuWladania", strJednostka) +
                   Odwolanie("podmiotUdzialuWladania", strWlasciciel));
    const std::string strId = Id("DZ", nDzialka);
    const std::string strLokalny = "DZ" + std::to_string(nDzialka);
    const std::string strNumerKW = "GL1G/" + std::to_string(10000000 + nDzialka) + "/" +
                                   std::to_string(m_los.Do(10));
    auto dzialka = [&](const std::string& strGmlId, const std::string& strWersja, bool bArchiwalna) {
        Poczatek("EGB_DzialkaEwidencyjna", strGmlId, strLokalny, strWersja, bArchiwalna);
        Wiersz(Pole("idDzialki", "146501_1.0001." + std::to_string(nDzialka)));
        Wiersz("<egb:geometria><gml:Polygon gml:id=\"" + strGmlId +
               "_g\"><gml:exterior><gml:LinearRing><gml:posList>5600100.12 7400200.34 "
               "5600110.50 7400200.34 5600110.50 7400230.80 5600100.12 7400230.80 5600100.12 "
               "7400200.34</gml:posList></gml:LinearRing></gml:exterior></gml:Polygon>"
               "</egb:geometria>");
        Wiersz(Pole("poleEwidencyjne", "0." + std::to_string(1000 + m_los.Do(9000))));
        Wiersz(Pole("numerKW", strNumerKW));
        ++m_liczby.nNumeryKW;
        Wiersz(Odwolanie("lokalizacjaDzialki", m_strObreb));
        Wiersz(Odwolanie("JRG2", strJednostka));
        Wiersz(strPunkty);
        if (bArchiwalna) // the points' references, written once more
            m_liczby.nOdwolania += 4;
        if (!m_strDokument.empty())
            Wiersz(Odwolanie("dokument1", "#" + m_strDokument));
        if (nDzialka % 20 == 7) { // a unit delivered in another file
            ++m_liczby.nPozaPlikiem;
            Wiersz(Odwolanie("JRG2", "urn:pzgik:id:" + std::string(PRZESTRZEN) + ":JRG_ZEWN" +
                                         std::to_string(nDzialka)));
        }
        Koniec("EGB_DzialkaEwidencyjna");
    };
    if (m_los.Raz(8))
        dzialka(strId + "_2019", "2019-01-10T08:00:00", true);
    dzialka(strId, "2022-04-29T12:51:50", false);
    Prosty("EGB_KonturUzytkuGruntowego", "KU",
           Pole("OFU", "R") + Odwolanie("lokalizacjaKonturu", m_strObreb));
    Prosty("EGB_KonturKlasyfikacyjny", "KK",
           Pole("OZU", "R") + Pole("OZK", "IIIa") + Odwolanie("lokalizacjaKonturu", m_strObreb));
    if (nDzialka % 2 == 0) {
        const std::string strBudynek = Prosty(
            "EGB_Budynek", "BU",
            Pole("idBudynku", "146501_1.0001.BUD" + std::to_string(nDzialka)) +
                Pole("numerKW", strNumerKW) + Odwolanie("dzialkaZabudowana", strId));
        ++m_liczby.nNumeryKW;
        if (nDzialka % 4 == 0) {
            const std::string strJRL =
                Prosty("EGB_JednostkaRejestrowaLokali", "JRL",
                       Pole("idJednostkiRejestrowej", "146501_1.0001.L" + std::to_string(nDzialka)) +
                           Odwolanie("lokalizacjaJRL", m_strObreb));
            Prosty("EGB_LokalSamodzielny", "LO",
                   Pole("idLokalu", "146501_1.0001.BUD" + std::to_string(nDzialka) + ".1_LOK") +
                       Odwolanie("budynekZLokalem", strBudynek) + Odwolanie("JRL", strJRL));
        }
        if (nDzialka % 8 == 2)
            Prosty("EGB_JednostkaRejestrowaBudynkow", "JRB",
                   Pole("idJednostkiRejestrowej", "146501_1.0001.B" + std::to_string(nDzialka)) +
                       Odwolanie("lokalizacjaJRB", m_strObreb));
    }
    if (m_los.Raz(10)) {
        m_strDokument = Prosty("EGB_Dokument", "DOK",
                               Pole("tytul", "Akt notarialny") + Pole("dataDokumentu", "2021-05-05"));
        Prosty("EGB_Zmiana", "ZM",
               Pole("nrZmiany", std::to_string(nDzialka)) + Odwolanie("dokument1", m_strDokument));
    }
    if (m_los.Raz(3))
        Prosty("PrezentacjaGraficzna", "PR",
               Pole("etykieta", "Dz") + Odwolanie("obiektPrzedstawiany", strId));
    if (m_los.Raz(4))
        Obcy("ot", "OT_Ogrodzenia");
    if (m_los.Raz(6))
        Obcy("ges", "GES_PrzewodWodociagowy");
}

void CPisarz::Generuj() {
    Wiersz("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    Wiersz("<!--Generator danych syntetycznych KELVOR-->");
    Wiersz("<gml:FeatureCollection xmlns:gml=\"http://www.opengis.net/gml/3.2\" "
           "xmlns:egb=\"ewidencjaGruntowIBudynkow:1.0\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           "xmlns:ot=\"bazaDanychObiektowTopograficznych500:1.0\" "
           "xmlns:ges=\"geodezyjnaEwidencjaSieciUzbrojeniaTerenu:1.0\" gml:id=\"kolekcja\">");
    m_strObreb = Prosty("EGB_ObrebEwidencyjny", "OB",
                        Pole("idObrebu", "146501_1.0001") + Pole("nazwaWlasna", "Przykładowo"));
    do {
        for (int i = 0; i < 16; ++i)
            Grupa();
    } while (m_liczby.nBajty + m_str.size() < m_opcje.nRozmiar);
    Wiersz("</gml:FeatureCollection>");
    Oproznij();
    if (std::fclose(m_plik) != 0) {
        m_plik = nullptr;
        throw std::runtime_error("close failed");
    }
    m_plik = nullptr;
}

} // namespace

CLiczbyGml GenerujPlikGml(const std::string& strSciezka, const COpcjeGeneratoraGml& opcje) {
    CLiczbyGml liczby;
    CPisarz(strSciezka, opcje, liczby).Generuj();
    return liczby;
}
