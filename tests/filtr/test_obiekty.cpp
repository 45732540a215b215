// The object pass end to end: each group rule of stage 1, the graphic conversion, attribute
// removal and the dependent-object stages 2 to 4, through whole runs on small files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "silnik_testowy.h"
#include "swde/kodowanie.h"

using namespace silnik_test;
using kodowanie::T;

namespace {

// Records given as their lines without the end line; "X;" is added to each.
std::string Rekordy(const std::vector<std::string>& astrRekordy) {
    std::string strSO;
    for (const std::string& strRekord : astrRekordy) {
        strSO += strRekord + "\nX;\n";
    }
    return strSO;
}

struct CPrzypadekGrupy {
    const char* szNazwa;
    int nMaska;
    std::vector<std::string> astrRekordy;
    std::vector<std::string> astrZostaja; // headers of the kept records, in order
    int nEtapy;
};

const std::vector<CPrzypadekGrupy> PRZYPADKI_GRUP = {
    {"lokale",
     Bit(GrupaLokale),
     {"RO,1,G5LKL,a,a,11;", "RO,1,G5G_LKL,b,b,11;", "RO,1,G5JDR,c,c,11;\nD,G5TJR,D,3;",
      "RO,1,G5JDR,d,d,11;\nD,G5TJR,D,3", "RO,1,G5JDR,e,e,11;\nD,G5TJR,,3;",
      "RO,1,G5JDR,f,f,11;\nD,G5TJR,D,2;", "RO,1,G5DZE,g,g,11;"},
     {"RO,1,G5JDR,e,e,11;", "RO,1,G5JDR,f,f,11;", "RO,1,G5DZE,g,g,11;"},
     2},
    {"lokale i budynki",
     Bit(GrupaLokale) | Bit(GrupaBudynki),
     {"RO,1,G5BUD,a,a,11;", "RO,1,G5O_BUD,b,b,11;", "RO,1,G5JDR,c,c,11;\nD,G5TJR,D,2;",
      "RO,1,G5JRZ,d,d,11;", "RO,1,G5JDR,e,e,11;\nD,G5TJR,D,1;"},
     {"RO,1,G5JDR,e,e,11;"},
     4},
    {"budynki bez lokali",
     Bit(GrupaBudynki),
     {"RO,1,G5BUD,a,a,11;", "RO,1,G5DZE,b,b,11;"},
     {"RO,1,G5DZE,b,b,11;"},
     1},
    {"dzierzawa trzyma dwa etapy",
     Bit(GrupaLokale) | Bit(GrupaBudynki) | Bit(GrupaDzierzawa),
     {"RO,1,G5DZW,a,a,11;", "RO,1,G5UDD,b,b,11;", "RO,1,G5PDZ,c,c,11;", "RO,1,G5DZE,d,d,11;"},
     {"RO,1,G5DZE,d,d,11;"},
     2},
    {"historyczne",
     Bit(GrupaHistoryczne),
     {"RO,1,G5DZE,a,a,12;", "RO,1,G5DZE,b,b,11;", "RO,1,G5DZE,c,c,1;", "RO,1,G5DZE,d,d,22;"},
     {"RO,1,G5DZE,b,b,11;", "RO,1,G5DZE,c,c,1;"},
     1},
    {"rejony",
     Bit(GrupaRejony),
     {"RO,1,G5RST,a,a,11;", "RO,1,G5G_RST,b,b,11;", "RO,1,G5DZE,c,c,11;"},
     {"RO,1,G5DZE,c,c,11;"},
     1},
    {"uzytki",
     Bit(GrupaUzytki),
     {"RO,1,G5UZG,a,a,11;", "RO,1,G5G_UZG,b,b,11;", "RO,1,G5KKL,c,c,11;"},
     {"RO,1,G5KKL,c,c,11;"},
     1},
    {"kontury",
     Bit(GrupaKontury),
     {"RO,1,G5KKL,a,a,11;", "RO,1,G5G_KKL,b,b,11;", "RO,1,G5UZG,c,c,11;"},
     {"RO,1,G5UZG,c,c,11;"},
     1},
    {"niestandardowe",
     Bit(GrupaNiestandardowe),
     {"RO,1,G5O_LKL,a,a,11;", "RO,1,G5O_DZE,b,b,11;", "RO,1,G5XYZ,c,c,11;", "RO,1,G5G_DZE,d,d,11;"},
     {"RO,1,G5O_DZE,b,b,11;", "RO,1,G5G_DZE,d,d,11;"},
     1},
    {"graficzne",
     Bit(GrupaGraficzne),
     {"RP,1,G5DZE,a,a,11;", "RL,1,G5DZE,b,b,11;", "RO,1,G5PZG,c,c,11;", "RO,1,G5GRN,d,d,11;",
      "RO,1,G5RST,e,e,11;", "RO,1,G5G_DZE,f,f,11;", "RD,1,G5DZE,g,g,11;", "RO,1,G5DZE,h,h,11;"},
     {"RD,1,G5DZE,g,g,11;", "RD,1,G5O_DZE,h,h,11;"},
     1},
    {"graficzne po niestandardowych",
     Bit(GrupaGraficzne) | Bit(GrupaNiestandardowe),
     {"RO,1,G5G_DZE,a,a,11;", "RO,1,G5O_LKL,b,b,11;", "RO,1,G5OSF,c,c,11;"},
     {"RD,1,G5O_OSF,c,c,11;"},
     1},
    {"dzierzawa",
     Bit(GrupaDzierzawa),
     {"RO,1,G5DZW,a,a,11;", "RO,1,G5UDD,b,b,11;", "RO,1,G5PDZ,c,c,11;", "RO,1,G5O_PDZ,d,d,11;"},
     {"RO,1,G5O_PDZ,d,d,11;"},
     1},
    {"wladanie",
     Bit(GrupaWladanie),
     {"RO,1,G5UDW,a,a,11;", "RO,1,G5UDZ,b,b,11;"},
     {"RO,1,G5UDZ,b,b,11;"},
     1},
};

class GrupyObiektow : public ::testing::TestWithParam<CPrzypadekGrupy> {};

TEST_P(GrupyObiektow, UsuwaRekordyGrupyIWybieraPlan) {
    const CPrzypadekGrupy& p = GetParam();
    CRun run;
    run.opcje.m_nMaskaObiektow = p.nMaska;
    run.Dodaj("obreb", PlikSWDE(Rekordy(p.astrRekordy)));
    ASSERT_TRUE(run.Filtruj());
    ASSERT_TRUE(run.silnik.Bledy().empty()) << run.silnik.Bledy()[0].m_strTekst;
    EXPECT_EQ(NaglowkiSO(run.Cel()), p.astrZostaja);
    const std::string strLog = run.Log("obreb_wy.log");
    const std::string strOstatni = std::to_string(p.nEtapy) + " z " + std::to_string(p.nEtapy);
    EXPECT_NE(strLog.find(T("Zakończono etap ") + strOstatni), std::string::npos);
    EXPECT_EQ(strLog.find(" z " + std::to_string(p.nEtapy + 1) + " "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Etap1, GrupyObiektow, ::testing::ValuesIn(PRZYPADKI_GRUP),
                         [](const auto& info) {
                             std::string s = info.param.szNazwa;
                             for (char& c : s) {
                                 c = c == ' ' ? '_' : c;
                             }
                             return s;
                         });

TEST(ObiektyGraficzne, ZamianaUsuwaTylkoBlokiZaNaglowkiem) {
    CRun run;
    run.opcje.m_nMaskaObiektow = Bit(GrupaGraficzne);
    run.Dodaj("obreb", PlikSWDE("RO,a,G5DZE,12,34,11;\nGL;\nP,1,2;\nGX;\nGL;\nP,3,4;\nGX;\n"
                                "D,G5NOS,,5;\nGL;\nP,5,6;\nGX;\nXC,77;\n"));
    ASSERT_TRUE(run.Filtruj());
    EXPECT_EQ(SekcjaSO(run.Cel()), "RD,a,G5O_DZE,12,34,11;\nD,G5NOS,,5;\nGL;\nP,5,6;\nGX;\nX;\n");
}

TEST(ObiektyGraficzne, NiezamknietyBlokKonczyPlikBledemKrytycznymANastepnyIdzie) {
    CRun run;
    run.opcje.m_nMaskaObiektow = Bit(GrupaGraficzne);
    run.Dodaj("zly",
              PlikSWDE("RO,a,G5DZE,12,34,11;\nGL;\nP,1,2;\nX;\nRO,b,G5DZE,1,2,11;\nGX;\nX;\n"));
    run.Dodaj("dobry", PlikSWDE("RO,a,G5DZE,12,34,11;\nX;\n"));
    ASSERT_TRUE(run.Filtruj());
    ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
    const std::string strKrytyczny =
        T("Plik SWDE zawiera błędy krytyczne, po usunięciu błędów uruchom ponownie aplikację.");
    EXPECT_EQ(run.silnik.Bledy()[0].m_strTekst, strKrytyczny);
    EXPECT_NE(run.Log("zly_wy.log").find("\n\t" + strKrytyczny + "\n"), std::string::npos);
    EXPECT_EQ(NaglowkiSO(run.Cel(1)), std::vector<std::string>{"RD,a,G5O_DZE,12,34,11;"});
}

TEST(Atrybuty, UsuwaZaznaczoneWJednymEtapieProstoDoCelu) {
    CRun run;
    run.opcje.m_bSumyCRC = true;    // an attribute-only run never gets checksums
    run.opcje.UstawMaske(12, 0b10); // G5DZE: G5NOS
    run.opcje.UstawMaske(15, 0b10); // G5LKL: G5LIZ
    run.Dodaj("obreb", PlikSWDE("RO,1,G5O_DZE,a,a,11;\nD,G5NOS,,1;\nD,G5NOS,,2;\nD,G5IDR,,3;\nX;\n"
                                "RO,1,G5LKL,b,b,11;\nD,G5LIZ,,4;\nX;\n"
                                "RO,1,G5OSF,c,c,11;\nD,G5NOS,,5;\nX;\n"));
    ASSERT_TRUE(run.Filtruj());
    EXPECT_EQ(SekcjaSO(run.Cel()), "RO,1,G5O_DZE,a,a,11;\nD,G5IDR,,3;\nX;\n"
                                   "RO,1,G5LKL,b,b,11;\nX;\nRO,1,G5OSF,c,c,11;\nD,G5NOS,,5;\nX;\n");
    EXPECT_EQ(run.Cel().substr(run.Cel().size() - 6), "SWDEX;");
    EXPECT_EQ(run.katalog.Pliki(),
              (std::vector<std::string>{"obreb.swd", "obreb_wy.log", "obreb_wy.swd"}));
}

// Premises and buildings ticked: four stages. Register unit 77 holds buildings, 78 premises,
// 79 land; building b1 and lease d1 go, and with them what depended on them.
const std::string PLIK_ETAPOW =
    "RO,1,G5JDR,77,77L,11;\nD,G5TJR,D,2;\nX;\n"
    "RO,1,G5JDR,78,78L,11;\nD,G5TJR,D,3;\nX;\n"
    "RO,1,G5JDR,79,79L,11;\nD,G5TJR,D,1;\nX;\n"
    "RO,1,G5BUD,b1,b1L,11;\nX;\n"
    "RO,1,G5UDZ,u1,u1L,11;\nWG,G5RW\xA3S,G5JDR,78;\nX;\n"
    "RO,1,G5UDZ,u2,u2L,11;\nWG,G5RW\xA3S,G5JDR,79;\nWL,G5RW\xA3S,78L;\nX;\n"
    "RO,1,G5UDW,w1,w1L,11;\nWL,G5RW\xA3"
    "D,77L;\nX;\n"
    "RO,1,G5PDZ,p1,p1L,11;\nWG,G5REPZ,G5BUD,b1;\nWL,G5RPRZ,d1L;\nX;\n"
    "RO,1,G5PDZ,p2,p2L,11;\nWG,G5REPZ,G5BUD,b1;\nWG,G5REPZ,G5DZE,z1;\nWL,G5RPRZ,d2L;\nX;\n"
    "RO,1,G5DZW,d1,d1L,11;\nX;\n"
    "RO,1,G5DZW,d2,d2L,11;\nX;\n"
    "RO,1,G5UDD,ud1,ud1L,11;\nWG,G5RWPZ,G5DZW,d1;\nX;\n"
    "RO,1,G5UDD,ud2,ud2L,11;\nWG,G5RWPZ,G5DZW,d2;\nX;\n"
    "RO,1,G5DZE,z1,z1L,11;\nX;\n";

TEST(EtapyZalezne, UsuwajaToCoZalezaloOdUsunietych) {
    CRun run;
    run.opcje.m_nMaskaObiektow = Bit(GrupaLokale) | Bit(GrupaBudynki);
    run.Dodaj("obreb", PlikSWDE(PLIK_ETAPOW));
    ASSERT_TRUE(run.Filtruj());
    ASSERT_TRUE(run.silnik.Bledy().empty()) << run.silnik.Bledy()[0].m_strTekst;
    EXPECT_EQ(SekcjaSO(run.Cel()),
              "RO,1,G5JDR,79,79L,11;\nD,G5TJR,D,1;\nX;\n"
              "RO,1,G5UDZ,u2,u2L,11;\nWG,G5RW\xA3S,G5JDR,79;\nX;\n"
              "RO,1,G5PDZ,p2,p2L,11;\nWG,G5REPZ,G5DZE,z1;\nWL,G5RPRZ,d2L;\nX;\n"
              "RO,1,G5DZW,d2,d2L,11;\nX;\n"
              "RO,1,G5UDD,ud2,ud2L,11;\nWG,G5RWPZ,G5DZW,d2;\nX;\n"
              "RO,1,G5DZE,z1,z1L,11;\nX;\n");
}

TEST(EtapyZalezne, PrawaZwiazaneLokaluOdchodzaWDrugimEtapie) {
    CRun run;
    run.opcje.m_nMaskaObiektow = Bit(GrupaLokale);
    run.Dodaj("obreb", PlikSWDE("RO,1,G5JDR,78,78L,11;\nD,G5TJR,D,3;\nX;\n"
                                "RO,1,G5JRZ,r1,r1L,11;\nWG,G5RJRW,G5JDR,78;\nX;\n"
                                "RO,1,G5JRZ,r2,r2L,11;\nWG,G5RJRW,G5JDR,79;\nX;\n"));
    ASSERT_TRUE(run.Filtruj());
    EXPECT_EQ(NaglowkiSO(run.Cel()), std::vector<std::string>{"RO,1,G5JRZ,r2,r2L,11;"});
}

struct CPrzypadekBledu {
    const char* szNazwa;
    std::string strSO;
    int nNumer;
    std::string strKomunikat;
};

const std::vector<CPrzypadekBledu> PRZYPADKI_BLEDOW = {
    {"naglowek_pieciu_pol", "RO,x,G5DZE,12,34;\nX;\n", 11, "Nieprawidłowy nagłówek rekordu"},
    {"udzial_z_wiazaniem_D", "RO,1,G5UDZ,u,u,11;\nD,G5RW\xA3S,,78;\nX;\n", 8,
     "Nieprawidłowe użycie wiązania G5RWŁS w obiekcie G5UDZ"},
    {"przedmiot_bez_wiazan", "RO,1,G5PDZ,p,p,11;\nD,G5DTW,,1;\nX;\n", 7,
     "Brak wiązania G5RPRZ w obiekcie G5PDZ"},
    {"przedmiot_z_REPZ_D", "RO,1,G5PDZ,p,p,11;\nD,G5REPZ,,1;\nX;\n", 8,
     "Nieprawidłowe użycie wiązania G5REPZ w obiekcie G5PDZ"},
    {"lista5_z_kodem_D", "RO,1,G5PDZ,p,p,11;\nD,G5RPRZ,,d1L;\nX;\nRO,1,G5DZW,d1,d1L,11;\nX;\n", 8,
     "Nieprawidłowe użycie wiązania G5RPRZ w obiekcie G5PDZ"},
    {"udzial_dzierzawy_z_D", "RO,1,G5UDD,u,u,11;\nD,G5RWPZ,,1;\nX;\n", 8,
     "Nieprawidłowe użycie wiązania G5RWPZ w obiekcie G5UDD"},
    {"element_K_z_symbolem", "RO,1,G5UDZ,u,u,11;\nK,G5RW\xA3S,1;\nX;\n", 6,
     "Nieprawidłowy format danych w rekordzie"},
};

class BledyEtapow : public ::testing::TestWithParam<CPrzypadekBledu> {};

TEST_P(BledyEtapow, KonczaPlikNumerowanymBledemZMiejscem) {
    const CPrzypadekBledu& p = GetParam();
    CRun run;
    run.opcje.m_nMaskaObiektow = Bit(GrupaLokale) | Bit(GrupaBudynki);
    run.Dodaj("obreb", PlikSWDE(p.strSO));
    const std::string strZrodlo = CzytajSurowo(run.pary[0][CParaPlikow::ZRODLO]);
    ASSERT_TRUE(run.Filtruj());
    ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
    const std::string strTekst = run.silnik.Bledy()[0].m_strTekst;
    EXPECT_EQ(strTekst.rfind(T("Błąd nr ") + std::to_string(p.nNumer) + ": " + T(p.strKomunikat) +
                                 " (Linia w pliku nr: ",
                             0),
              0u)
        << strTekst;
    EXPECT_EQ(CzytajSurowo(run.pary[0][CParaPlikow::ZRODLO]), strZrodlo);
}

INSTANTIATE_TEST_SUITE_P(Etapy, BledyEtapow, ::testing::ValuesIn(PRZYPADKI_BLEDOW),
                         [](const auto& info) { return std::string(info.param.szNazwa); });

TEST(EtapyZalezne, Lista5SprawdzanaWKolejnosciJakLiniowo) {
    // The first lease subject names lease d1 correctly, a later one with a "D" code: d1 matches
    // first, so no error; lease d2 is reached only after the bad entry and fails the file.
    const std::string strPoczatek = "RO,1,G5PDZ,p1,p1L,11;\nWL,G5RPRZ,d1L;\nX;\n"
                                    "RO,1,G5PDZ,p2,p2L,11;\nD,G5RPRZ,,zz;\nX;\n"
                                    "RO,1,G5PDZ,p3,p3L,11;\nWG,G5RPRZ,G5DZW,d2;\nX;\n"
                                    "RO,1,G5DZW,d1,d1L,11;\nX;\n";
    for (const bool bZD2 : {false, true}) {
        CRun run;
        run.opcje.m_nMaskaObiektow = Bit(GrupaLokale) | Bit(GrupaBudynki);
        run.Dodaj("obreb", PlikSWDE(strPoczatek + (bZD2 ? "RO,1,G5DZW,d2,d2L,11;\nX;\n" : "")));
        ASSERT_TRUE(run.Filtruj());
        EXPECT_EQ(run.silnik.LiczbaBledow(), bZD2 ? 1 : 0) << bZD2;
        if (!bZD2) {
            EXPECT_EQ(SekcjaSO(run.Cel()), "");
        }
    }
}

} // namespace
