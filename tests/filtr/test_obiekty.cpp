// The object pass end to end: each group rule of stage 1, the graphic conversion, attribute
// removal and the dependent-object stages 2 to 4, through whole runs on small files.
#include <gtest/gtest.h>

#include "silnik_testowy.h"
#include "swde/kodowanie.h"

using namespace silnik_test;
using kodowanie::T;

namespace {

struct CPrzypadekGrupy {
    const char* szNazwa;
    int nMaska;
    std::vector<std::string> astrRekordy; // without their end lines
    std::vector<std::string> astrZostaja; // headers of the kept records, in order
    int nEtapy;
};

// clang-format off
const std::vector<CPrzypadekGrupy> PRZYPADKI_GRUP = {
    {"lokale", Bit(GrupaLokale),
     {"RO,1,G5LKL,a,a,11;", "RO,1,G5G_LKL,b,b,11;", "RO,1,G5JDR,c,c,11;\nD,G5TJR,D,3;", "RO,1,G5JDR,d,d,11;\nD,G5TJR,D,3",
      "RO,1,G5JDR,e,e,11;\nD,G5TJR,,3;", "RO,1,G5JDR,f,f,11;\nD,G5TJR,D,2;", "RO,1,G5DZE,g,g,11;"},
     {"RO,1,G5JDR,e,e,11;", "RO,1,G5JDR,f,f,11;", "RO,1,G5DZE,g,g,11;"}, 2},
    {"lokale_i_budynki", Bit(GrupaLokale) | Bit(GrupaBudynki),
     {"RO,1,G5BUD,a,a,11;", "RO,1,G5O_BUD,b,b,11;", "RO,1,G5JDR,c,c,11;\nD,G5TJR,D,2;", "RO,1,G5JRZ,d,d,11;",
      "RO,1,G5JDR,e,e,11;\nD,G5TJR,D,1;"}, {"RO,1,G5JDR,e,e,11;"}, 4},
    {"budynki_bez_lokali", Bit(GrupaBudynki), {"RO,1,G5BUD,a,a,11;", "RO,1,G5DZE,b,b,11;"}, {"RO,1,G5DZE,b,b,11;"}, 1},
    {"dzierzawa_trzyma_dwa_etapy", Bit(GrupaLokale) | Bit(GrupaBudynki) | Bit(GrupaDzierzawa),
     {"RO,1,G5DZW,a,a,11;", "RO,1,G5UDD,b,b,11;", "RO,1,G5PDZ,c,c,11;", "RO,1,G5O_PDZ,d,d,11;"}, {"RO,1,G5O_PDZ,d,d,11;"}, 2},
    {"historyczne", Bit(GrupaHistoryczne),
     {"RO,1,G5DZE,a,a,12;", "RO,1,G5DZE,b,b,11;", "RO,1,G5DZE,c,c,1;", "RO,1,G5DZE,d,d,22;"},
     {"RO,1,G5DZE,b,b,11;", "RO,1,G5DZE,c,c,1;"}, 1},
    {"rejony", Bit(GrupaRejony), {"RO,1,G5RST,a,a,11;", "RO,1,G5G_RST,b,b,11;", "RO,1,G5DZE,c,c,11;"}, {"RO,1,G5DZE,c,c,11;"}, 1},
    {"uzytki", Bit(GrupaUzytki), {"RO,1,G5UZG,a,a,11;", "RO,1,G5G_UZG,b,b,11;", "RO,1,G5KKL,c,c,11;"}, {"RO,1,G5KKL,c,c,11;"}, 1},
    {"kontury", Bit(GrupaKontury), {"RO,1,G5KKL,a,a,11;", "RO,1,G5G_KKL,b,b,11;", "RO,1,G5UZG,c,c,11;"}, {"RO,1,G5UZG,c,c,11;"}, 1},
    {"niestandardowe", Bit(GrupaNiestandardowe),
     {"RO,1,G5O_LKL,a,a,11;", "RO,1,G5O_DZE,b,b,11;", "RO,1,G5XYZ,c,c,11;", "RO,1,G5G_DZE,d,d,11;"},
     {"RO,1,G5O_DZE,b,b,11;", "RO,1,G5G_DZE,d,d,11;"}, 1},
    {"graficzne", Bit(GrupaGraficzne),
     {"RP,1,G5DZE,a,a,11;", "RL,1,G5DZE,b,b,11;", "RO,1,G5PZG,c,c,11;", "RO,1,G5GRN,d,d,11;", "RO,1,G5RST,e,e,11;",
      "RO,1,G5G_DZE,f,f,11;", "RD,1,G5DZE,g,g,11;", "RO,1,G5DZE,h,h,11;"},
     {"RD,1,G5DZE,g,g,11;", "RD,1,G5O_DZE,h,h,11;"}, 1},
    {"graficzne_po_niestandardowych", Bit(GrupaGraficzne) | Bit(GrupaNiestandardowe),
     {"RO,1,G5G_DZE,a,a,11;", "RO,1,G5O_LKL,b,b,11;", "RO,1,G5OSF,c,c,11;"}, {"RD,1,G5O_OSF,c,c,11;"}, 1},
    {"wladanie", Bit(GrupaWladanie), {"RO,1,G5UDW,a,a,11;", "RO,1,G5UDZ,b,b,11;"}, {"RO,1,G5UDZ,b,b,11;"}, 1},
};
// clang-format on

class GrupyObiektow : public ::testing::TestWithParam<CPrzypadekGrupy> {};

TEST_P(GrupyObiektow, UsuwaRekordyGrupyIWybieraPlan) {
    const CPrzypadekGrupy& p = GetParam();
    CRun run(p.nMaska);
    std::string strSO;
    for (const std::string& strRekord : p.astrRekordy)
        strSO += strRekord + "\nX;\n";
    EXPECT_EQ(NaglowkiSO(run.FiltrujJeden(strSO)), p.astrZostaja);
    const std::string strLog = run.Log("obreb_wy.log");
    const std::string strN = std::to_string(p.nEtapy);
    EXPECT_TRUE(Zawiera(strLog, T("Zakończono etap ") + strN + " z " + strN));
    EXPECT_FALSE(Zawiera(strLog, " z " + std::to_string(p.nEtapy + 1) + " "));
}

INSTANTIATE_TEST_SUITE_P(Etap1, GrupyObiektow, ::testing::ValuesIn(PRZYPADKI_GRUP),
                         [](const auto& info) { return std::string(info.param.szNazwa); });

TEST(ObiektyGraficzne, ZamianaUsuwaBlokiZaNaglowkiemANiezamknietyBlokToBladKrytyczny) {
    CRun run(Bit(GrupaGraficzne));
    run.Dodaj("dobry", PlikSWDE("RO,a,G5DZE,12,34,11;\nGL;\nP,1,2;\nGX;\nGL;\nP,3,4;\nGX;\nD,G5NOS,"
                                ",5;\nGL;\nP,5,6;\nGX;\nXC,77;\n"));
    run.Dodaj("zly",
              PlikSWDE("RO,a,G5DZE,12,34,11;\nGL;\nP,1,2;\nX;\nRO,b,G5DZE,1,2,11;\nGX;\nX;\n"));
    ASSERT_TRUE(run.Filtruj());
    EXPECT_EQ(SekcjaSO(run.Cel(0)), "RD,a,G5O_DZE,12,34,11;\nD,G5NOS,,5;\nGL;\nP,5,6;\nGX;\nX;\n");
    ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
    const std::string strKrytyczny =
        T("Plik SWDE zawiera błędy krytyczne, po usunięciu błędów uruchom ponownie aplikację.");
    EXPECT_EQ(run.silnik.Bledy()[0].m_strTekst, strKrytyczny);
    EXPECT_TRUE(Zawiera(run.Log("zly_wy.log"), "\n\t" + strKrytyczny + "\n"));
}

TEST(Atrybuty, UsuwaZaznaczoneWJednymEtapieProstoDoCelu) {
    CRun run;
    run.opcje.m_bSumyCRC = true;             // an attribute-only run never gets checksums
    run.opcje.UstawMaske(12, 0b10 | 1 << 8); // G5DZE: G5NOS, G5RPWŁ
    run.opcje.UstawMaske(15, 0b10);          // G5LKL: G5LIZ
    const std::string strCel = run.FiltrujJeden(
        "RO,1,G5O_DZE,a,a,11;\nD,G5NOS,,1;\nD,G5NOS,,2;\nWL,G5RPW\xA3,9;\nD,G5IDR,,3;\nX;\n"
        "RO,1,G5LKL,b,b,11;\nD,G5LIZ,,4;\nX;\nRO,1,G5OSF,c,c,11;\nD,G5NOS,,5;\nX;\n");
    EXPECT_EQ(SekcjaSO(strCel), "RO,1,G5O_DZE,a,a,11;\nD,G5IDR,,3;\nX;\nRO,1,G5LKL,b,b,11;\nX;\nRO,"
                                "1,G5OSF,c,c,11;\nD,G5NOS,,5;\nX;\n");
    EXPECT_TRUE(strCel.ends_with("\nSX;\nSWDEX;"));
    EXPECT_EQ(run.katalog.Pliki(),
              (std::vector<std::string>{"obreb.swd", "obreb_wy.log", "obreb_wy.swd"}));
}

// Four stages. Register unit 77 holds buildings, 78 premises, 79 land; building b1 and lease d1
// go, and with them what depended on them. Without buildings, stage 2 takes the related rights
// of removed premises instead.
TEST(EtapyZalezne, UsuwajaToCoZalezaloOdUsunietych) {
    CRun run(Bit(GrupaLokale) | Bit(GrupaBudynki));
    const std::string strZostaje = "RO,1,G5JDR,79,79L,11;\nD,G5TJR,D,1;\nX;\n";
    const std::string strCel = run.FiltrujJeden(
        "RO,1,G5JDR,77,77L,11;\nD,G5TJR,D,2;\nX;\nRO,1,G5JDR,78,78L,11;\nD,G5TJR,D,3;\nX;\n" +
        strZostaje +
        "RO,1,G5BUD,b1,b1L,11;\nX;\nRO,1,G5UDZ,u1,u1L,11;\nWG,G5RW\xA3S,G5JDR,78;\nX;\n"
        "RO,1,G5UDZ,u2,u2L,11;\nWG,G5RW\xA3S,G5JDR,79;\nWL,G5RW\xA3S,78L;\nX;\nRO,1,G5UDW,w1,w1L,"
        "11;\nWL,G5RW\xA3"
        "D,77L;\nX;\n"
        "RO,1,G5PDZ,p1,p1L,11;\nWG,G5REPZ,G5BUD,b1;\nWL,G5RPRZ,d1L;\nX;\n"
        "RO,1,G5PDZ,p2,p2L,11;\nWG,G5REPZ,G5BUD,b1;\nWG,G5REPZ,G5DZE,z1;\nWL,G5RPRZ,d2L;\nX;\n"
        "RO,1,G5DZW,d1,d1L,11;\nX;\nRO,1,G5DZW,d2,d2L,11;\nX;\n"
        "RO,1,G5UDD,ud1,ud1L,11;\nWG,G5RWPZ,G5DZW,d1;\nX;\nRO,1,G5UDD,ud2,ud2L,11;\nWG,G5RWPZ,"
        "G5DZW,d2;\nX;\n");
    EXPECT_EQ(SekcjaSO(strCel),
              strZostaje +
                  "RO,1,G5UDZ,u2,u2L,11;\nWG,G5RW\xA3S,G5JDR,79;\nX;\n"
                  "RO,1,G5PDZ,p2,p2L,11;\nWG,G5REPZ,G5DZE,z1;\nWL,G5RPRZ,d2L;\nX;\n"
                  "RO,1,G5DZW,d2,d2L,11;\nX;\nRO,1,G5UDD,ud2,ud2L,11;\nWG,G5RWPZ,G5DZW,d2;\nX;\n");
    CRun lokale(Bit(GrupaLokale));
    EXPECT_EQ(NaglowkiSO(lokale.FiltrujJeden("RO,1,G5JDR,78,78L,11;\nD,G5TJR,D,3;\nX;\n"
                                             "RO,1,G5JRZ,r1,r1L,11;\nWG,G5RJRW,G5JDR,78;\nX;\n"
                                             "RO,1,G5JRZ,r2,r2L,11;\nWG,G5RJRW,G5JDR,79;\nX;\n")),
              std::vector<std::string>{"RO,1,G5JRZ,r2,r2L,11;"});
}

struct CPrzypadekBledu {
    std::string strSO;
    int nNumer;
    std::string strKomunikat;
};

// clang-format off
const std::vector<CPrzypadekBledu> PRZYPADKI_BLEDOW = {
    {"RO,x,G5DZE,12,34;\nX;\n", 11, "Nieprawidłowy nagłówek rekordu"},
    {"RO,1,G5UDZ,u,u,11;\nD,G5RW\xA3S,,78;\nX;\n", 8, "Nieprawidłowe użycie wiązania G5RWŁS w obiekcie G5UDZ"},
    {"RO,1,G5UDW,u,u,11;\nD,G5RW\xA3" "D,,78;\nX;\n", 8, "Nieprawidłowe użycie wiązania G5RWŁD w obiekcie G5UDW"},
    {"RO,1,G5PDZ,p,p,11;\nD,G5DTW,,1;\nX;\n", 7, "Brak wiązania G5RPRZ w obiekcie G5PDZ"},
    {"RO,1,G5PDZ,p,p,11;\nD,G5REPZ,,1;\nX;\n", 8, "Nieprawidłowe użycie wiązania G5REPZ w obiekcie G5PDZ"},
    {"RO,1,G5PDZ,p,p,11;\nD,G5RPRZ,,d1L;\nX;\nRO,1,G5DZW,d1,d1L,11;\nX;\n", 8, "Nieprawidłowe użycie wiązania G5RPRZ w obiekcie G5PDZ"},
    {"RO,1,G5UDD,u,u,11;\nD,G5RWPZ,,1;\nX;\n", 8, "Nieprawidłowe użycie wiązania G5RWPZ w obiekcie G5UDD"},
    {"RO,1,G5UDZ,u,u,11;\nK,G5RW\xA3S,1;\nX;\n", 6, "Nieprawidłowy format danych w rekordzie"},
};
// clang-format on

TEST(BledyEtapow, KonczaPlikNumerowanymBledemZMiejscem) {
    for (const CPrzypadekBledu& p : PRZYPADKI_BLEDOW) {
        CRun run(Bit(GrupaLokale) | Bit(GrupaBudynki));
        run.Dodaj("obreb", PlikSWDE(p.strSO));
        ASSERT_TRUE(run.Filtruj());
        ASSERT_EQ(run.silnik.LiczbaBledow(), 1) << p.strSO;
        EXPECT_EQ(run.silnik.Bledy()[0].m_strTekst.rfind(T("Błąd nr ") + std::to_string(p.nNumer) +
                                                             ": " + T(p.strKomunikat) +
                                                             " (Linia w pliku nr: ",
                                                         0),
                  0u)
            << run.silnik.Bledy()[0].m_strTekst;
        EXPECT_EQ(CzytajSurowo(run.pary[0][CParaPlikow::ZRODLO]), PlikSWDE(p.strSO));
    }
}

TEST(EtapyZalezne, Lista5SprawdzanaWKolejnosciJakLiniowo) {
    // Lease d1 is named correctly by the first lease subject, before an entry with a "D" code:
    // no error. Lease d2 is reached only after the bad entry and fails the file.
    const std::string strPoczatek =
        "RO,1,G5PDZ,p1,p1L,11;\nWL,G5RPRZ,d1L;\nX;\nRO,1,G5PDZ,p2,p2L,11;\nD,G5RPRZ,,zz;\nX;\n"
        "RO,1,G5PDZ,p3,p3L,11;\nWG,G5RPRZ,G5DZW,d2;\nX;\nRO,1,G5DZW,d1,d1L,11;\nX;\n";
    for (const bool bZD2 : {false, true}) {
        CRun run(Bit(GrupaLokale) | Bit(GrupaBudynki));
        run.Dodaj("obreb", PlikSWDE(strPoczatek + (bZD2 ? "RO,1,G5DZW,d2,d2L,11;\nX;\n" : "")));
        ASSERT_TRUE(run.Filtruj());
        EXPECT_EQ(run.silnik.LiczbaBledow(), bZD2 ? 1 : 0);
        EXPECT_EQ(SekcjaSO(run.Cel()), bZD2 ? "<no SO section>" : "");
    }
}

} // namespace
