// The check of a GML file: one small hand-written file per finding, and the choice of the
// check by a file's content.
#include <gtest/gtest.h>

#include <map>

#include "filtr/sprawdzenie_gml.h"
#include "generator_gml.h"
#include "silnik_testowy.h"

using namespace silnik_test;

namespace {

const std::string POCZATEK =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--System testowy-->\n"
    "<gml:FeatureCollection xmlns:gml=\"http://www.opengis.net/gml/3.2\" "
    "xmlns:egb=\"ewidencjaGruntowIBudynkow:1.0\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
    "xmlns:ges=\"geodezyjnaEwidencjaSieciUzbrojeniaTerenu:1.0\">\n";
const std::string KONIEC = "</gml:FeatureCollection>\n";

// A feature in its member: the class, the gml:id, the local id (none when empty), whether it is
// archival, and its other properties.
std::string Obiekt(const std::string& strKlasa, const std::string& strId,
                   const std::string& strLokalny, bool bArchiwalny, const std::string& strReszta) {
    std::string str = "<gml:featureMember><egb:" + strKlasa + " gml:id=\"" + strId + "\">\n";
    if (!strLokalny.empty())
        str += "<egb:idIIP><egb:EGB_IdentyfikatorIIP><egb:lokalnyId>" + strLokalny +
               "</egb:lokalnyId><egb:przestrzenNazw>PL.PZGiK.1.EGiB</egb:przestrzenNazw>"
               "</egb:EGB_IdentyfikatorIIP></egb:idIIP>\n";
    if (bArchiwalny)
        str += "<egb:koniecWersjaObiekt>2021-01-01T00:00:00</egb:koniecWersjaObiekt>\n";
    return str + strReszta + "</egb:" + strKlasa + "></gml:featureMember>\n";
}

std::string Dzialka(const std::string& strId, const std::string& strReszta = "") {
    return Obiekt("EGB_DzialkaEwidencyjna", strId, strId, false, strReszta);
}

// The findings of a result in one line, for the table below.
std::string Ustalenia(const CWynikSprawdzeniaGml& w) {
    std::string str;
    if (w.m_bBlad)
        str += "blad " + std::to_string(w.m_nNumerBledu) + ";";
    if (w.m_nPowtorzoneId)
        str += "powtorzone " + w.m_powtorzoneId[0].m_strId + ";";
    if (w.m_nWieleAktualnych)
        str += "aktualne " + w.m_wieleAktualnych[0].m_strId + ";";
    for (const CGrupaOdwolanGml& g : w.m_odwolania)
        if (g.m_strKlasaCelu.empty())
            str += "brak " + g.m_strWlasciwosc + " " + std::to_string(static_cast<int>(g.m_eForma)) +
                   " w" + std::to_string(g.m_anLinie[0]) + ";";
    for (const CGrupaDanychGml& g : w.m_daneOsobowe)
        str += "dane " + std::to_string(static_cast<int>(g.m_eRodzaj)) + " " + g.m_strWlasciwosc +
               " " + g.m_wystapienia[0].m_strMaska + ";";
    return str;
}

CWynikSprawdzeniaGml Sprawdz(const std::string& strTresc) {
    CKatalog katalog;
    CObserwatorTestowy obserwator;
    Zapisz(katalog("plik.gml"), strTresc);
    return SprawdzPlikGml(katalog("plik.gml"), obserwator);
}

constexpr int PESEL = static_cast<int>(ERodzajDanychGml::Pesel);
constexpr int PESEL_BLEDNY = static_cast<int>(ERodzajDanychGml::PeselBledny);

TEST(SprawdzenieGml, Ustalenia) {
    const std::string strOsoba = "EGB_OsobaFizyczna";
    const struct {
        const char* szOpis;
        std::string strTresc;
        std::string strUstalenia;
    } PRZYPADKI[] = {
        {"odwołania wprzód i wstecz, wszystkie trzy formy",
         Dzialka("d1", "<egb:x xlink:href=\"#d2\"/>\n") +
             Dzialka("d2", "<egb:x xlink:href=\"d1\"/><egb:y xlink:href=\"urn:pzgik:id:PL.PZGiK.1."
                           "EGiB:d1\"/>\n"),
         ""},
        {"odwołanie do obiektu, którego nie ma",
         Dzialka("d1") + Dzialka("d2", "<egb:x xlink:href=\"d9\"/>\n"), "brak x 0 w9;"},
        {"odwołanie urn poza plik",
         Dzialka("d1", "<egb:JRG xlink:href=\"urn:pzgik:id:PL.PZGiK.1.EGiB:j1\"/>\n"),
         "brak JRG 2 w6;"},
        {"powtórzony gml:id", Dzialka("d1") + Obiekt("EGB_Budynek", "d1", "", false, ""),
         "powtorzone d1;"},
        {"dwie aktualne wersje", Dzialka("d1") + Obiekt("EGB_DzialkaEwidencyjna", "d1b", "d1", false, ""),
         "aktualne PL.PZGiK.1.EGiB:d1;"},
        {"wersja archiwalna obok aktualnej",
         Dzialka("d1") + Obiekt("EGB_DzialkaEwidencyjna", "d1b", "d1", true, ""), ""},
        {"PESEL prawidłowy i o cyfrę błędny w pesel",
         Obiekt(strOsoba, "o1", "", false, "<egb:pesel>44051401359</egb:pesel>\n") +
             Obiekt(strOsoba, "o2", "", false, "<egb:pesel>44051401358</egb:pesel>\n"),
         "dane " + std::to_string(PESEL) + " pesel 4405*******;dane " +
             std::to_string(PESEL_BLEDNY) + " pesel 4405*******;"},
        {"PESEL prawidłowy i o cyfrę błędny w dodatkoweInformacje",
         Dzialka("d1", "<egb:dodatkoweInformacje>właściciel 44051401359, dawniej 44051401358"
                       "</egb:dodatkoweInformacje>\n"),
         "dane " + std::to_string(PESEL) + " dodatkoweInformacje 4405*******;"},
        {"PESEL w komentarzu", Dzialka("d1", "<!-- 44051401359 -->"),
         "dane " + std::to_string(PESEL) + " komentarz 4405*******;"},
        {"imiona i numer KW", Obiekt(strOsoba, "o1", "", false, "<egb:pierwszeImie>Łucja</egb:pierwszeImie>\n") +
             Dzialka("d1", "<egb:numerKW>GL1G/00001234/5</egb:numerKW>\n"),
         "dane 7 pierwszeImie Łucj*;dane 6 numerKW GL1G***********;"},
        {"plik obcięty", (Dzialka("d1") + Dzialka("d2")).substr(0, 150), "blad 9;"},
    };
    for (const auto& p : PRZYPADKI) {
        SCOPED_TRACE(p.szOpis);
        const bool bObciety = p.strUstalenia == "blad 9;";
        const CWynikSprawdzeniaGml w = Sprawdz(POCZATEK + p.strTresc + (bObciety ? "" : KONIEC));
        EXPECT_EQ(Ustalenia(w), p.strUstalenia) << w.m_strBlad;
        EXPECT_EQ(w.CzyBezUsterek(), p.strUstalenia.empty());
        EXPECT_EQ(w.m_strSystem, "System testowy");
        if (bObciety) {
            EXPECT_EQ(w.m_nOdwolania, 0u); // references are judged on the whole file only
        }
    }
}

// Counts by class and version, foreign features, references grouped by their target's class,
// in a file with no line break; and the 2015 generation by its namespace.
TEST(SprawdzenieGml, LiczbyIGeneracja) {
    std::string str = POCZATEK + Dzialka("d1") +
                      Obiekt("EGB_DzialkaEwidencyjna", "d1a", "d1", true, "") +
                      Obiekt("EGB_Budynek", "b1", "b1", false,
                             "<egb:dzialka xlink:href=\"d1\"/><egb:dzialka xlink:href=\"d1a\"/>") +
                      "<gml:featureMember><ges:GES_PrzewodWodociagowy gml:id=\"g1\"/>"
                      "</gml:featureMember>" + KONIEC;
    std::erase(str, '\n');
    CWynikSprawdzeniaGml w = Sprawdz(str);
    EXPECT_TRUE(w.CzyBezUsterek()) << Ustalenia(w);
    EXPECT_EQ(w.m_eGeneracja, EGeneracjaSchematu::Schemat2021);
    EXPECT_EQ(w.m_nLinie, 1u);
    ASSERT_EQ(w.m_klasy.size(), 2u);
    EXPECT_EQ(w.m_klasy[1].m_strKlasa, "egb:EGB_DzialkaEwidencyjna");
    EXPECT_EQ(w.m_klasy[1].m_nAktualne, 1u);
    EXPECT_EQ(w.m_klasy[1].m_nArchiwalne, 1u);
    ASSERT_EQ(w.m_obce.size(), 1u);
    EXPECT_EQ(w.m_obce[0].m_strSchemat, "ges");
    ASSERT_EQ(w.m_odwolania.size(), 1u);
    EXPECT_EQ(w.m_odwolania[0].m_strKlasaCelu, "egb:EGB_DzialkaEwidencyjna");
    EXPECT_EQ(w.m_odwolania[0].m_nLiczba, 2u);

    const std::string strEgb = "ewidencjaGruntowIBudynkow:1.0";
    str.replace(str.find(strEgb), strEgb.size(),
                "urn:gugik:specyfikacje:gmlas:ewidencjaGruntowBudynkow:1.0");
    w = Sprawdz(str);
    EXPECT_EQ(w.m_eGeneracja, EGeneracjaSchematu::Schemat2015);
    EXPECT_EQ(w.m_klasy.size(), 2u);
}

TEST(SprawdzenieGml, WyborWedlugTresci) {
    CKatalog katalog;
    const struct {
        const char* szNazwa;
        std::string strTresc;
        EFormatPliku eFormat;
    } PRZYPADKI[] = {
        {"a.swd", POCZATEK + KONIEC, EFormatPliku::Gml},
        {"b.gml", "SWDE.w.2.00.(C) GUGiK 2000;\r\n", EFormatPliku::Swde},
        {"c.gml", "<?xml version=\"1.0\"?><html/>", EFormatPliku::Inny},
        {"d.gml", "PK\x03\x04", EFormatPliku::Inny},
        {"e.gml", "", EFormatPliku::Inny},
    };
    for (const auto& p : PRZYPADKI) {
        Zapisz(katalog(p.szNazwa), p.strTresc);
        EXPECT_EQ(RozpoznajFormat(katalog(p.szNazwa)), p.eFormat) << p.szNazwa;
    }
    EXPECT_EQ(RozpoznajFormat(katalog("brak.gml")), EFormatPliku::Brak);
    CObserwatorTestowy obserwator;
    const CWynikSprawdzenPlikow wynik =
        SprawdzPlikiDowolne({katalog("a.swd"), katalog("b.gml"), katalog("c.gml")}, obserwator);
    ASSERT_EQ(wynik.m_pliki.size(), 3u);
    EXPECT_TRUE(wynik.m_pliki[0].m_bGml);
    EXPECT_TRUE(wynik.m_pliki[0].CzyBezUsterek());
    EXPECT_FALSE(wynik.m_pliki[1].m_bGml);
    EXPECT_FALSE(wynik.m_pliki[2].CzyOtwarty());
    EXPECT_EQ(wynik.m_pliki[2].m_gml.m_strBlad, TekstInnegoFormatu());
}

} // namespace

namespace {

// Generated files of a few seeds, indented and on one line: the check counts exactly what the
// generator wrote.
TEST(SprawdzenieGml, PlikiGeneratora) {
    CKatalog katalog;
    for (const unsigned nZiarno : {1u, 2u, 7u}) {
        SCOPED_TRACE(nZiarno);
        COpcjeGeneratoraGml opcje;
        opcje.nZiarno = nZiarno;
        opcje.nRozmiar = 300000;
        opcje.bWiersze = nZiarno != 2;
        const CLiczbyGml liczby = GenerujPlikGml(katalog("g.gml"), opcje);
        CObserwatorTestowy obserwator;
        const CWynikSprawdzeniaGml w = SprawdzPlikGml(katalog("g.gml"), obserwator);
        ASSERT_TRUE(w.CzyPrzeczytany()) << w.m_strBlad;
        EXPECT_EQ(w.m_nBajty, liczby.nBajty);
        EXPECT_EQ(w.m_nPowtorzoneId + w.m_nWieleAktualnych, 0u);
        std::map<std::string, std::uint64_t> aktualne, archiwalne;
        for (const CLiczbaKlasy& l : w.m_klasy) {
            aktualne[l.m_strKlasa] = l.m_nAktualne;
            if (l.m_nArchiwalne)
                archiwalne[l.m_strKlasa] = l.m_nArchiwalne;
        }
        EXPECT_EQ(aktualne, liczby.aktualne);
        EXPECT_EQ(archiwalne, liczby.archiwalne);
        std::uint64_t nObce = 0;
        for (const CLiczbaObcych& l : w.m_obce)
            nObce += l.m_nLiczba;
        EXPECT_EQ(nObce, liczby.nObce);
        EXPECT_EQ(w.m_nOdwolania, liczby.nOdwolania);
        EXPECT_EQ(w.m_nNierozwiazane, liczby.nPozaPlikiem);
        std::map<ERodzajDanychGml, std::uint64_t> dane;
        for (const CGrupaDanychGml& g : w.m_daneOsobowe)
            dane[g.m_eRodzaj] += g.m_nLiczba;
        EXPECT_EQ(dane[ERodzajDanychGml::Pesel], liczby.nPesel);
        EXPECT_EQ(dane[ERodzajDanychGml::PeselBledny], 0u);
        EXPECT_EQ(dane[ERodzajDanychGml::NumerKW], liczby.nNumeryKW);
    }
}

} // namespace
