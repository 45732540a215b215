// The object pass end to end: each group rule of stage 1, the graphic conversion, attribute
// removal and the dependent-object stages 2 to 4, through whole runs on small files.
#include <gtest/gtest.h>

#include "silnik_testowy.h"

using namespace silnik_test;

namespace {

struct CPrzypadekGrupy {
    const char* szNazwa;
    int nMaska;
    const char* szRekordy; // short form
    const char* szZostaja; // headers of the kept records
    int nEtapy;
};

// clang-format off
const CPrzypadekGrupy PRZYPADKI_GRUP[] = {
    {"lokale", Bit(GrupaLokale), "G5LKL:a / G5G_LKL:b / G5JDR:c D,G5TJR,D,3; / G5JDR:d D,G5TJR,D,3 / "
     "G5JDR:e D,G5TJR,,3; / G5JDR:f D,G5TJR,D,2; / G5DZE:g", "G5JDR:e G5JDR:f G5DZE:g", 2},
    {"lokale_i_budynki", Bit(GrupaLokale) | Bit(GrupaBudynki),
     "G5BUD:a / G5O_BUD:b / G5JDR:c D,G5TJR,D,2; / G5JRZ:d / G5JDR:e D,G5TJR,D,1;", "G5JDR:e", 4},
    {"budynki_bez_lokali", Bit(GrupaBudynki), "G5BUD:a / G5DZE:b", "G5DZE:b", 1},
    {"dzierzawa_trzyma_dwa_etapy", Bit(GrupaLokale) | Bit(GrupaBudynki) | Bit(GrupaDzierzawa),
     "G5DZW:a / G5UDD:b / G5PDZ:c / G5O_PDZ:d", "G5O_PDZ:d", 2},
    {"historyczne", Bit(GrupaHistoryczne), "RO,1,G5DZE,a,a,12; / G5DZE:b / RO,1,G5DZE,c,c,1; / "
     "RO,1,G5DZE,d,d,22;", "G5DZE:b RO,1,G5DZE,c,c,1;", 1},
    {"rejony", Bit(GrupaRejony), "G5RST:a / G5G_RST:b / G5DZE:c", "G5DZE:c", 1},
    {"uzytki", Bit(GrupaUzytki), "G5UZG:a / G5G_UZG:b / G5KKL:c", "G5KKL:c", 1},
    {"kontury", Bit(GrupaKontury), "G5KKL:a / G5G_KKL:b / G5UZG:c", "G5UZG:c", 1},
    {"niestandardowe", Bit(GrupaNiestandardowe), "G5O_LKL:a / G5O_DZE:b / G5XYZ:c / G5G_DZE:d",
     "G5O_DZE:b G5G_DZE:d", 1},
    {"graficzne", Bit(GrupaGraficzne), "RP,1,G5DZE,a,a,11; / RL,1,G5DZE,b,b,11; / G5PZG:c / G5GRN:d / "
     "G5RST:e / G5G_DZE:f / RD,1,G5DZE,g,g,11; / G5DZE:h", "RD,1,G5DZE,g,g,11; RD,1,G5O_DZE,h,hL,11;", 1},
    {"graficzne_po_niestandardowych", Bit(GrupaGraficzne) | Bit(GrupaNiestandardowe),
     "G5G_DZE:a / G5O_LKL:b / G5OSF:c", "RD,1,G5O_OSF,c,cL,11;", 1},
    {"wladanie", Bit(GrupaWladanie), "G5UDW:a / G5UDZ:b", "G5UDZ:b", 1},
};
// clang-format on

TEST(GrupyObiektow, UsuwajaRekordyGrupyIWybierajaPlan) {
    for (const CPrzypadekGrupy& p : PRZYPADKI_GRUP) {
        SCOPED_TRACE(p.szNazwa);
        CRun run(p.nMaska);
        EXPECT_EQ(Naglowki(run.FiltrujJeden(p.szRekordy)), p.szZostaja);
        const std::string strLog = run.Log("obreb_wy.log");
        const std::string strN = std::to_string(p.nEtapy);
        EXPECT_TRUE(Zawiera(strLog, T("Zakończono etap ") + strN + " z " + strN));
        EXPECT_FALSE(Zawiera(strLog, " z " + std::to_string(p.nEtapy + 1) + " "));
    }
}

TEST(ObiektyGraficzne, ZamianaUsuwaBlokiZaNaglowkiemANiezamknietyBlokToBladKrytyczny) {
    CRun run(Bit(GrupaGraficzne));
    run.Dodaj("dobry",
              Plik("G5DZE:a GL; P,1,2; GX; GL; P,3,4; GX; D,G5NOS,,5; GL; P,5,6; GX; XC,7;"));
    run.Dodaj("zly", Plik("G5DZE:a GL; P,1,2; / G5DZE:b GX;"));
    ASSERT_TRUE(run.Filtruj());
    EXPECT_EQ(SekcjaSO(run.Cel(0)), SO("RD,1,G5O_DZE,a,aL,11; D,G5NOS,,5; GL; P,5,6; GX;"));
    ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
    EXPECT_EQ(
        run.silnik.Bledy()[0].m_strTekst,
        T("Plik SWDE zawiera błędy krytyczne, po usunięciu błędów uruchom ponownie aplikację."));
}

// Ticked attributes go wherever they stand, never the header or end line that carries the
// symbol; an attribute-only run writes the target in one stage without checksums.
// Relations keep naming the objects the graphic group makes descriptive, whether they stand
// before or after them: the dangling pass writes them with the descriptive type, so the orphan
// pass finds a unit named only that way (o names 1). A relation to a removed object (d2 to the
// historical document 9h) still goes.
TEST(ObiektyGraficzne, RelacjeDoZamienionychNazywajaTypOpisowy) {
    const char* szZrodlo =
        "G5KLU:k1 WG,G5RDZE,G5DZE,d1; / G5DZE:d1 WG,G5RKRG,G5DOK,9; / G5DOK:9 / "
        "G5OBR:o WG,G5RJEW,G5JEW,1; / G5JEW:1 / RO,1,G5DOK,9h,9hL,12; / "
        "G5DZE:d2 WG,G5RKRG,G5DOK,9h; WG,G5RJDR,G5JDR,j; / G5JDR:j / "
        "G5ZMN:z WG,G5ROBJ,G5DZE,d1;x";
    CRun run(Bit(GrupaGraficzne) | Bit(GrupaHistoryczne) | Bit(GrupaSieroty));
    EXPECT_EQ(SekcjaSO(run.FiltrujJeden(szZrodlo)),
              SO("RD,1,G5O_KLU,k1,k1L,11; WG,G5RDZE,G5O_DZE,d1; / "
                 "RD,1,G5O_DZE,d1,d1L,11; WG,G5RKRG,G5O_DOK,9; / RD,1,G5O_DOK,9,9L,11; / "
                 "RD,1,G5O_OBR,o,oL,11; WG,G5RJEW,G5O_JEW,1; / RD,1,G5O_JEW,1,1L,11; / "
                 "RD,1,G5O_DZE,d2,d2L,11; WG,G5RJDR,G5O_JDR,j; / RD,1,G5O_JDR,j,jL,11; / "
                 "RD,1,G5O_ZMN,z,zL,11; WG,G5ROBJ,G5O_DZE,d1;x"));
    // Without the graphic group nothing is renamed.
    CRun bez(Bit(GrupaHistoryczne));
    EXPECT_TRUE(Zawiera(bez.FiltrujJeden(szZrodlo), "\nWG,G5RJEW,G5JEW,1;\n"));
}

TEST(Atrybuty, UsuwaZaznaczoneWJednymEtapieProstoDoCelu) {
    CRun run(0, true);
    run.opcje.UstawMaske(12, 0b10 | 1 << 8); // G5DZE: G5NOS, G5RPWŁ
    run.opcje.UstawMaske(15, 0b10);          // G5LKL: G5LIZ
    const std::string strCel =
        run.FiltrujJeden("RO,G5NOS,G5O_DZE,a,a,11; D,G5NOS,,1; D,G5NOS,,2; WL,G5RPW\xA3,9; "
                         "D,G5IDR,,3; X,G5NOS; / G5LKL:b D,G5LIZ,,4; / G5OSF:c D,G5NOS,,5;");
    EXPECT_EQ(SekcjaSO(strCel), SO("RO,G5NOS,G5O_DZE,a,a,11; D,G5IDR,,3; / G5LKL:b / "
                                   "G5OSF:c D,G5NOS,,5;"));
    EXPECT_TRUE(strCel.ends_with("\nSX;\nSWDEX;"));
    EXPECT_EQ(run.katalog.Pliki(), (Lista{"obreb.swd", "obreb_wy.log", "obreb_wy.swd"}));
}

// Four stages. Register unit 77 holds buildings, 78 premises, 79 land; building b1 and lease d1
// go, and with them what depended on them. Without buildings, stage 2 takes the related rights
// of removed premises instead.
TEST(EtapyZalezne, UsuwajaToCoZalezaloOdUsunietych) {
    CRun run(Bit(GrupaLokale) | Bit(GrupaBudynki));
    const std::string strCel = run.FiltrujJeden(
        "G5JDR:77 D,G5TJR,D,2; / G5JDR:78 D,G5TJR,D,3; / G5JDR:79 D,G5TJR,D,1; / G5BUD:b1 / "
        "G5UDZ:u1 WG,G5RW\xA3S,G5JDR,78; / G5UDZ:u2 WG,G5RW\xA3S,G5JDR,79; WL,G5RW\xA3S,78L; / "
        "G5UDW:w1 WL,G5RW\xA3"
        "D,77L; / G5PDZ:p1 WG,G5REPZ,G5BUD,b1; WL,G5RPRZ,d1L; / "
        "G5PDZ:p2 WG,G5REPZ,G5BUD,b1; WG,G5REPZ,G5DZE,z1; WL,G5RPRZ,d2L; / G5DZW:d1 / G5DZW:d2 / "
        "G5UDD:ud1 WG,G5RWPZ,G5DZW,d1; / G5UDD:ud2 WG,G5RWPZ,G5DZW,d2;");
    EXPECT_EQ(SekcjaSO(strCel),
              SO("G5JDR:79 D,G5TJR,D,1; / G5UDZ:u2 WG,G5RW\xA3S,G5JDR,79; / G5PDZ:p2 "
                 "WG,G5REPZ,G5DZE,z1; WL,G5RPRZ,d2L; / G5DZW:d2 / G5UDD:ud2 WG,G5RWPZ,G5DZW,d2;"));
    CRun lokale(Bit(GrupaLokale));
    EXPECT_EQ(Naglowki(lokale.FiltrujJeden("G5JDR:78 D,G5TJR,D,3; / G5JRZ:r1 WG,G5RJRW,G5JDR,78; "
                                           "/ G5JRZ:r2 WG,G5RJRW,G5JDR,79;")),
              "G5JRZ:r2");
}

struct CPrzypadekBledu {
    const char* szRekordy;
    int nNumer; // 0: no error
    const char* szKomunikat;
};

// Each error ends the file with its number, text and the reader's place (the record's end line:
// 14 for the bad header). Lease d1 is named by the first lease subject, before an entry with a
// "D" code: no error; lease d2 is reached only after the bad entry and fails the file, as walking
// list 5 in order would. The last three fail in the dangling-reference pass.
// clang-format off
const CPrzypadekBledu PRZYPADKI_BLEDOW[] = {
    {"RO,x,G5DZE,12,34;", 11, "Nieprawidłowy nagłówek rekordu"},
    {"G5UDZ:u D,G5RW\xA3S,,78;", 8, "Nieprawidłowe użycie wiązania G5RWŁS w obiekcie G5UDZ"},
    {"G5UDW:u D,G5RW\xA3" "D,,78;", 8, "Nieprawidłowe użycie wiązania G5RWŁD w obiekcie G5UDW"},
    {"G5PDZ:p D,G5DTW,,1;", 7, "Brak wiązania G5RPRZ w obiekcie G5PDZ"},
    {"G5PDZ:p D,G5REPZ,,1;", 8, "Nieprawidłowe użycie wiązania G5REPZ w obiekcie G5PDZ"},
    {"G5UDD:u D,G5RWPZ,,1;", 8, "Nieprawidłowe użycie wiązania G5RWPZ w obiekcie G5UDD"},
    {"G5UDZ:u K,G5RW\xA3S,1;", 6, "Nieprawidłowy format danych w rekordzie"},
    {"G5PDZ:p1 WL,G5RPRZ,d1L; / G5PDZ:p2 D,G5RPRZ,,zz; / G5PDZ:p3 WG,G5RPRZ,G5DZW,d2; / G5DZW:d1", 0, ""},
    {"G5PDZ:p1 WL,G5RPRZ,d1L; / G5PDZ:p2 D,G5RPRZ,,zz; / G5PDZ:p3 WG,G5RPRZ,G5DZW,d2; / G5DZW:d1 / "
     "G5DZW:d2", 8, "Nieprawidłowe użycie wiązania G5RPRZ w obiekcie G5PDZ"},
    {"G5OSF:o K,G5RADR,1;", 6, "Nieprawidłowy format danych w rekordzie"},
    {"G5OSF:o D,G5RADR,,x;", 8, "Nieprawidłowe użycie wiązania"},
    {"G5DZE:d WL,G5RJDR,j; D,G5RJDR,,1;", 8, "Nieprawidłowe użycie wiązania"},
};
// clang-format on

TEST(EtapyZalezne, BledyKonczaPlikNumerowanymBledemZMiejscem) {
    for (const CPrzypadekBledu& p : PRZYPADKI_BLEDOW) {
        SCOPED_TRACE(p.szRekordy);
        CRun run(Bit(GrupaLokale) | Bit(GrupaBudynki));
        run.Dodaj("obreb", Plik(p.szRekordy));
        ASSERT_TRUE(run.Filtruj());
        ASSERT_EQ(run.silnik.LiczbaBledow(), p.nNumer ? 1 : 0);
        if (p.nNumer == 0)
            EXPECT_EQ(SekcjaSO(run.Cel()), "");
        else
            EXPECT_TRUE(run.silnik.Bledy()[0].m_strTekst.starts_with(
                T("Błąd nr ") + std::to_string(p.nNumer) + ": " + T(p.szKomunikat) +
                " (Linia w pliku nr: " + (p.nNumer == 11 ? "14, pozycja w pliku: 101)" : "")))
                << run.silnik.Bledy()[0].m_strTekst;
        EXPECT_EQ(Czytaj(run.pary[0].m_strZrodlo), Plik(p.szRekordy));
    }
}

} // namespace
