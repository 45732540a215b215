// The GML reader: byte ranges a writer can cut by, names by namespace URI, the identity of a
// feature in both schema generations, the forms of references, and the numbered errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gml/czytnik_gml.h"
#include "wspolne/katalog_testowy.h"

namespace {

using namespace gml;

const std::string NAGLOWEK =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- System X -->\n"
    "<gml:FeatureCollection xmlns:gml=\"http://www.opengis.net/gml/3.2\" "
    "xmlns:egb=\"ewidencjaGruntowIBudynkow:1.0\" xmlns:xlink=\"http://www.w3.org/1999/xlink\">";

std::string Plik(const std::string& strCialo) {
    return NAGLOWEK + strCialo + "\n</gml:FeatureCollection>\n";
}

struct CZbieracz : CSluchaczGml {
    void Naglowek(const CNaglowekGml& n) override { strKomentarz = n.m_strKomentarz; }
    void Obiekt(const CObiekt& o) override { obiekty.push_back(o); }
    std::vector<CObiekt> obiekty;
    std::string strKomentarz;
};

std::vector<CObiekt> Czytaj(const std::string& strTekst, std::string* pKomentarz = nullptr) {
    CZbieracz z;
    CCzytnikGml::CzytajTekst(strTekst, z);
    if (pKomentarz)
        *pKomentarz = z.strKomentarz;
    return z.obiekty;
}

std::string Bajty(const std::string& str, const CZakres& z) {
    return str.substr(z.m_nPoczatek, z.m_nKoniec - z.m_nPoczatek);
}

// What the writer of a filtered file will do: a feature cut out with its member and the blank
// text before it leaves the file as if it had never been there; properties are cut the same way.
TEST(CzytnikGml, ZakresyPozwalajaWyciacObiektIWlasciwosc) {
    const std::string strA = "\n  <gml:featureMember>\n    <egb:EGB_Budynek gml:id=\"b1\">"
                             "<egb:numerKW>KW1</egb:numerKW><egb:dzialka xlink:href=\"d1\"/>"
                             "</egb:EGB_Budynek>\n  </gml:featureMember>";
    const std::string strB = "\n  <gml:featureMember><egb:EGB_DzialkaEwidencyjna gml:id=\"d1\"/>"
                             "</gml:featureMember>";
    for (const bool bCzlonkowie : {false, true}) {
        SCOPED_TRACE(bCzlonkowie);
        std::string strCialo = strA + strB;
        if (bCzlonkowie) // both in one gml:featureMembers: each feature is its own member
            strCialo = "<gml:featureMembers>\n <egb:EGB_Budynek gml:id=\"b1\">"
                       "<egb:numerKW>KW1</egb:numerKW><egb:dzialka xlink:href=\"d1\"/>"
                       "</egb:EGB_Budynek>\n <egb:EGB_DzialkaEwidencyjna gml:id=\"d1\"/>"
                       "</gml:featureMembers>";
        const std::string str = Plik(strCialo);
        const std::vector<CObiekt> obiekty = Czytaj(str);
        ASSERT_EQ(obiekty.size(), 2u);
        const CObiekt& b = obiekty[0];
        EXPECT_TRUE(Bajty(str, b.m_zakres).starts_with("<egb:EGB_Budynek gml:id=\"b1\">"));
        EXPECT_TRUE(Bajty(str, b.m_zakres).ends_with("</egb:EGB_Budynek>"));
        ASSERT_EQ(b.m_wlasciwosci.size(), 2u);
        EXPECT_EQ(Bajty(str, b.m_wlasciwosci[0].m_zakres), "<egb:numerKW>KW1</egb:numerKW>");
        EXPECT_EQ(Bajty(str, b.m_wlasciwosci[1].m_zakres), "<egb:dzialka xlink:href=\"d1\"/>");
        // Cutting the first feature leaves the second one right after the collection's start.
        std::string strBez = str;
        strBez.erase(b.m_nOdstep, b.m_zakresCzlonka.m_nKoniec - b.m_nOdstep);
        const std::vector<CObiekt> reszta = Czytaj(strBez);
        ASSERT_EQ(reszta.size(), 1u);
        EXPECT_EQ(reszta[0].m_strGmlId, "d1");
        EXPECT_EQ(strBez.substr(0, NAGLOWEK.size()), NAGLOWEK);
        const std::string strPo = strBez.substr(NAGLOWEK.size(), 40);
        EXPECT_TRUE(strPo.starts_with(bCzlonkowie ? "<gml:featureMembers>\n <egb:EGB_D"
                                                  : "\n  <gml:featureMember><egb"))
            << strPo;
        // Cutting a property: the rest of the feature stays.
        std::string strBezKW = str;
        const CZakres& kw = b.m_wlasciwosci[0].m_zakres;
        strBezKW.erase(kw.m_nPoczatek, kw.m_nKoniec - kw.m_nPoczatek);
        const std::vector<CObiekt> poCieciu = Czytaj(strBezKW);
        ASSERT_EQ(poCieciu.size(), 2u);
        ASSERT_EQ(poCieciu[0].m_wlasciwosci.size(), 1u);
        EXPECT_EQ(poCieciu[0].m_wlasciwosci[0].m_strNazwa, "dzialka");
    }
}

// Several features in one member (not what the schema allows) are all handed out, each with a
// range of its own, so that cutting one never takes another with it.
TEST(CzytnikGml, KilkaObiektowWJednymCzlonku) {
    const std::string str = Plik("<gml:featureMember><egb:A gml:id=\"a\"/> <egb:B gml:id=\"b\"/>"
                                 "\n <egb:C gml:id=\"c\"/></gml:featureMember>");
    const std::vector<CObiekt> obiekty = Czytaj(str);
    ASSERT_EQ(obiekty.size(), 3u);
    EXPECT_EQ(obiekty[0].m_strGmlId, "a");
    EXPECT_EQ(obiekty[1].m_strGmlId, "b");
    EXPECT_EQ(obiekty[2].m_strGmlId, "c");
    // Any cut leaves the member with the other features in it.
    for (const CObiekt& o : obiekty) {
        std::string strBez = str;
        strBez.erase(o.m_nOdstep, o.m_zakresCzlonka.m_nKoniec - o.m_nOdstep);
        const std::vector<CObiekt> reszta = Czytaj(strBez);
        ASSERT_EQ(reszta.size(), 2u);
        EXPECT_NE(reszta[0].m_strGmlId, o.m_strGmlId);
        EXPECT_EQ(Bajty(strBez, reszta[0].m_zakres), "<egb:" + reszta[0].m_strKlasa + " gml:id=\"" +
                                                          reszta[0].m_strGmlId + "\"/>");
    }
}

// A prefix means nothing: the same URI under another prefix or as the default namespace is the
// same class, and the cadastre's prefix bound to another URI is another schema.
TEST(CzytnikGml, NazwyWedlugUriNieWedlugPrefiksu) {
    const std::string str =
        "<c:FeatureCollection xmlns:c=\"http://www.opengis.net/gml/3.2\">"
        "<c:featureMember><EGB_Budynek xmlns=\"ewidencjaGruntowIBudynkow:1.0\" c:id=\"a\"/>"
        "</c:featureMember><c:featureMember><egb:EGB_Budynek xmlns:egb=\"inny:1.0\" c:id=\"b\"/>"
        "</c:featureMember><c:boundedBy><c:Envelope/></c:boundedBy></c:FeatureCollection>";
    const std::vector<CObiekt> obiekty = Czytaj(str);
    ASSERT_EQ(obiekty.size(), 2u);
    EXPECT_EQ(obiekty[0].m_strNs, NS_EGB);
    EXPECT_EQ(obiekty[0].m_strGmlId, "a");
    EXPECT_EQ(NazwaKwalifikowana(obiekty[0].m_strNs, obiekty[0].m_strKlasa), "egb:EGB_Budynek");
    EXPECT_EQ(NazwaKwalifikowana(obiekty[1].m_strNs, obiekty[1].m_strKlasa), "{inny:1.0}EGB_Budynek");
}

TEST(CzytnikGml, IdentyfikatorIWersjaObuGeneracji) {
    const std::string str2021 = Plik(
        "<gml:featureMember><egb:EGB_Budynek gml:id=\"x\"><egb:idIIP><egb:EGB_IdentyfikatorIIP>"
        "<egb:lokalnyId>L1</egb:lokalnyId><egb:przestrzenNazw>PL.PZGiK.1.EGiB</egb:przestrzenNazw>"
        "<egb:wersjaId>2020-01-01T00:00:00</egb:wersjaId></egb:EGB_IdentyfikatorIIP></egb:idIIP>"
        "<egb:koniecWersjaObiekt>2021-01-01T00:00:00</egb:koniecWersjaObiekt>"
        "</egb:EGB_Budynek></gml:featureMember>");
    const std::string str2015 =
        "<gml:FeatureCollection xmlns:gml=\"http://www.opengis.net/gml/3.2\" "
        "xmlns:egb=\"urn:gugik:specyfikacje:gmlas:ewidencjaGruntowBudynkow:1.0\" "
        "xmlns:bt=\"urn:gugik:specyfikacje:gmlas:modelPodstawowy:1.0\"><gml:featureMember>"
        "<egb:EGB_Budynek gml:id=\"x\"><egb:idIIP><bt:BT_Identyfikator><bt:lokalnyId>L1"
        "</bt:lokalnyId><bt:przestrzenNazw>PL.PZGiK.1.EGiB</bt:przestrzenNazw><bt:wersjaId>"
        "2020-01-01T00:00:00</bt:wersjaId></bt:BT_Identyfikator></egb:idIIP>"
        "<egb:koniecWersjaObiekt>2021-01-01T00:00:00</egb:koniecWersjaObiekt>"
        "</egb:EGB_Budynek></gml:featureMember></gml:FeatureCollection>";
    for (const std::string& str : {str2021, str2015}) {
        const std::vector<CObiekt> obiekty = Czytaj(str);
        ASSERT_EQ(obiekty.size(), 1u);
        EXPECT_TRUE(JestEgib(obiekty[0].m_strNs));
        EXPECT_EQ(obiekty[0].m_strLokalnyId, "L1");
        EXPECT_EQ(obiekty[0].m_strPrzestrzenNazw, "PL.PZGiK.1.EGiB");
        EXPECT_EQ(obiekty[0].m_strWersjaId, "2020-01-01T00:00:00");
        EXPECT_TRUE(obiekty[0].CzyArchiwalny());
    }
}

TEST(CzytnikGml, FormyOdwolan) {
    const struct {
        const char* szCel;
        EFormaOdwolania eForma;
    } PRZYPADKI[] = {
        {"PL.PZGiK.1.EGiB_abc", EFormaOdwolania::Id},
        {"#PL.PZGiK.1.EGiB_abc", EFormaOdwolania::Kotwica},
        {"urn:pzgik:id:PL.PZGiK.1.EGiB:abc", EFormaOdwolania::Urn},
        {"http://example.org/x", EFormaOdwolania::Inna},
    };
    for (const auto& p : PRZYPADKI) {
        const std::vector<CObiekt> obiekty = Czytaj(Plik(
            std::string("<gml:featureMember><egb:EGB_Budynek>\n<egb:a/><egb:dzialka xlink:href=\"") +
            p.szCel + "\"/></egb:EGB_Budynek></gml:featureMember>"));
        ASSERT_EQ(obiekty.size(), 1u);
        ASSERT_EQ(obiekty[0].m_odwolania.size(), 1u) << p.szCel;
        EXPECT_EQ(obiekty[0].m_odwolania[0].m_eForma, p.eForma) << p.szCel;
        EXPECT_EQ(obiekty[0].m_odwolania[0].m_strCel, p.szCel);
        EXPECT_EQ(obiekty[0].m_odwolania[0].m_nWlasciwosc, 1u);
        EXPECT_EQ(obiekty[0].m_odwolania[0].m_nLinia, 4u);
    }
}

// Every cut of a good file inside its root is a file cut short (error 9); broken markup is
// error 20 at its place; another root is error 21.
TEST(CzytnikGml, BledyNumerowane) {
    const std::string str = Plik("<gml:featureMember><egb:EGB_OsobaFizyczna gml:id=\"o\">"
                                 "<egb:pierwszeImie>Łucja</egb:pierwszeImie>"
                                 "</egb:EGB_OsobaFizyczna></gml:featureMember>");
    const std::size_t nKorzen = str.find("<gml:FeatureCollection");
    for (std::size_t n = nKorzen + 1; n + 2 < str.size(); ++n) {
        CZbieracz z;
        try {
            CCzytnikGml::CzytajTekst(str.substr(0, n), z);
            ADD_FAILURE() << "no error at " << n;
        } catch (const CBladGml& blad) {
            EXPECT_EQ(blad.m_nNumer, BLAD_KONIEC_DANYCH) << n << ": " << blad.m_strTekst;
        }
    }
    const struct {
        std::string strTekst;
        int nNumer;
        std::uint64_t nLinia;
    } PRZYPADKI[] = {
        {Plik("\n<gml:featureMember><egb:A></egb:B></gml:featureMember>"), BLAD_XML, 4},
        {Plik("\n\n<gml:featureMember a=\"1\" a=\"2\"/>"), BLAD_XML, 5},
        {"<?xml version=\"1.0\"?>\n<root/>", BLAD_KORZEN, 2},
        {Plik("<x>&nieznana;</x>"), BLAD_XML, 3},
    };
    for (const auto& p : PRZYPADKI) {
        CZbieracz z;
        try {
            CCzytnikGml::CzytajTekst(p.strTekst, z);
            ADD_FAILURE() << p.strTekst;
        } catch (const CBladGml& blad) {
            EXPECT_EQ(blad.m_nNumer, p.nNumer) << p.strTekst;
            EXPECT_EQ(blad.m_nLinia, p.nLinia) << p.strTekst;
            EXPECT_GT(blad.m_nKolumna, 0u);
            EXPECT_TRUE(blad.PelnyKomunikat().starts_with("Błąd nr " + std::to_string(p.nNumer)));
        }
    }
}

// A file read through the platform layer in buffers: one long line, the leading comment.
TEST(CzytnikGml, PlikBezZnakowKoncaWiersza) {
    testy::CKatalog katalog;
    std::string strCialo;
    for (int i = 0; i < 30000; ++i)
        strCialo += "<gml:featureMember><egb:EGB_Budynek gml:id=\"b" + std::to_string(i) +
                    "\"><egb:numerKW>KW</egb:numerKW></egb:EGB_Budynek></gml:featureMember>";
    std::string str = Plik(strCialo);
    std::erase(str, '\n');
    testy::Zapisz(katalog("a.gml"), str);
    CCzytnikGml czytnik;
    ASSERT_TRUE(czytnik.Otworz(katalog("a.gml")));
    CZbieracz z;
    EXPECT_TRUE(czytnik.Czytaj(z));
    ASSERT_EQ(z.obiekty.size(), 30000u);
    EXPECT_EQ(z.strKomentarz, "System X");
    const CObiekt& ostatni = z.obiekty.back();
    EXPECT_EQ(ostatni.m_strGmlId, "b29999");
    EXPECT_EQ(ostatni.m_zakres.m_nLinia, 1u);
    EXPECT_EQ(ostatni.m_zakres.m_nKolumna, ostatni.m_zakres.m_nPoczatek + 1);
    EXPECT_EQ(Bajty(str, ostatni.m_wlasciwosci[0].m_zakres), "<egb:numerKW>KW</egb:numerKW>");
    EXPECT_EQ(czytnik.Linia(), 1u);
}

TEST(CzytnikGml, RozpoznanieGml) {
    EXPECT_TRUE(WygladaNaXml("\xEF\xBB\xBF \n<?xml"));
    EXPECT_FALSE(WygladaNaXml("SWDE.w.2.00"));
    EXPECT_TRUE(JestKorzeniemGml(NAGLOWEK)); // the root starts, the file goes on
    EXPECT_FALSE(JestKorzeniemGml("<?xml version=\"1.0\"?><html>"));
    EXPECT_FALSE(JestKorzeniemGml("<?xml version=\"1.0\"?><!-- only a comment"));
}

} // namespace
