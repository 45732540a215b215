// The dangling-reference and orphan passes, driven over small files through the real reader
// and writer. Ł = A3, Ż = AF, Ą = A1 in ISO 8859-2; code page 1250 writes Ą as A5.
#include <gtest/gtest.h>

#include "filtr/przebiegi.h"
#include "silnik_testowy.h"
#include "swde/bledy.h"
#include "swde/kodowanie.h"

using namespace silnik_test;

namespace {

struct CWpis {
    int nLista;
    std::string p2, p3, p4;
};

struct CPrzypadek {
    const char* nazwa;
    std::vector<CWpis> listy;
    std::string so, oczekiwane;
};

// clang-format off
const CPrzypadek PRZYPADKI[] = {
    {"WL by field 4 of list 3, not by field 3", {{3, "G5BUD", "16", "15"}},
     "RO,a,G5LKL,5,6,11;\nWL,G5RBUD,15;\nWL,G5RBUD,16;\nD,G5LIZ,,2;\nX;\n", "RO,a,G5LKL,5,6,11;\nWL,G5RBUD,16;\nD,G5LIZ,,2;\nX;\n"},
    {"consecutive dangling elements go, the end line stays as read", {{1, "G5ADR", "1", "a1"}, {1, "G5ADR", "2", "a2"}},
     "RO,a,G5OSF,5,6,11;\nWL,G5RADR,a1;\nWL,G5RADR,a2;\nWL,G5RADR,a3;\nWL,G5RADR,a1;\nXC,9;\n", "RO,a,G5OSF,5,6,11;\nWL,G5RADR,a3;\nXC,9;\n"},
    {"WG by type and identifier; the O_ form of a marked type too", {{4, "G5JDR", "77", "x"}},
     "RO,a,G5DZE,5,6,11;\nWG,G5RJDR,G5JDR,77;\nWG,G5RJDR,G5JDR,78;\nX;\nRD,a,G5O_DZE,7,8,11;\nWG,G5RJDR,G5JDR,77;\nX;\n",
     "RO,a,G5DZE,5,6,11;\nWG,G5RJDR,G5JDR,78;\nX;\nRD,a,G5O_DZE,7,8,11;\nX;\n"},
    {"graphic types, O_ forms of unmarked types and types without rules keep everything",
     {{1, "G5JDR", "77", "x"}, {1, "G5JEW", "1", "y"}, {3, "G5BUD", "1", "15"}},
     "RO,a,G5G_DZE,5,6,11;\nWG,G5RJDR,G5JDR,77;\nX;\nRO,a,G5G_JEW,5,6,11;\nWG,G5RKRG,G5JEW,1;\nX;\n"
     "RD,a,G5O_LKL,5,6,11;\nWL,G5RBUD,15;\nX;\nRO,a,G5ADR,5,6,11;\nWL,G5RADR,y;\nX;\n", ""},
    {"only the lists of the rule are consulted", {{2, "G5JDR", "1", "a1"}, {3, "G5BUD", "2", "b2"}, {6, "G5DZW", "3", "c3"}},
     "RO,a,G5OSF,5,6,11;\nWL,G5RADR,a1;\nX;\nRO,a,G5DZE,5,6,11;\nWL,G5RJDR,b2;\nX;\n"
     "RO,a,G5ZMN,5,6,11;\nWL,G5ROBJ,a1;\nWL,G5ROBJ,b2;\nWG,G5ROBJ,G5DZW,3;\nX;\n",
     "RO,a,G5OSF,5,6,11;\nWL,G5RADR,a1;\nX;\nRO,a,G5DZE,5,6,11;\nWL,G5RJDR,b2;\nX;\nRO,a,G5ZMN,5,6,11;\nX;\n"},
    {"several rules on one type", {{1, "G5ADR", "1", "a"}, {2, "G5JDR", "2", "b"}, {1, "G5DOK", "3", "c"}},
     "RO,a,G5LKL,5,6,11;\nWL,G5RADR,a;\nWL,G5RBUD,b;\nWL,G5RDOK,c;\nWL,G5RJDR,b;\nWL,G5RPW\xA3,a;\nWL,G5RPWD,a;\nX;\n",
     "RO,a,G5LKL,5,6,11;\nWL,G5RPWD,a;\nX;\n"},
    {"symbols with Polish letters as ISO 8859-2 bytes", {{1, "G5OSF", "1", "m"}, {2, "G5JDR", "77", "j"}},
     "RO,a,G5UDZ,5,6,11;\nWG,G5RW\xA3S,G5JDR,77;\nWL,G5RPOD,m;\nX;\nRO,a,G5UDW,5,6,11;\nWL,G5RW\xA3" "D,j;\nX;\n"
     "RO,a,G5MLZ,5,6,11;\nWL,G5RM\xA1\xAF,m;\nWL,G5R\xAFONA,m;\nWL,G5RM\xA5\xAF,m;\nX;\n",
     "RO,a,G5UDZ,5,6,11;\nX;\nRO,a,G5UDW,5,6,11;\nX;\nRO,a,G5MLZ,5,6,11;\nWL,G5RM\xA5\xAF,m;\nX;\n"},
    {"lines with other symbols or codes are left alone", {{1, "G5ADR", "1", "a1"}},
     "RO,a,G5OSF,5,6,11;\nWL,G5RXXX,a1;\nD,G5NIP,,a1;\nGL;\nP,P,G5ADR,1;\nGX;\nX;\n", ""},
};
// clang-format on

TEST(OdfiltrujSlepeOdwolania, UsuwaElementyWskazujaceUsunieteObiekty) {
    for (const CPrzypadek& p : PRZYPADKI) {
        SCOPED_TRACE(p.nazwa);
        CPrzebieg przebieg;
        for (const CWpis& w : p.listy)
            przebieg.stan.Dodaj(w.nLista, w.p2, w.p3, w.p4);
        EXPECT_EQ(przebieg(PlikSWDE(p.so), OdfiltrujSlepeOdwolania),
                  Wynik(p.oczekiwane.empty() ? p.so : p.oczekiwane));
    }
}

TEST(OdfiltrujSlepeOdwolania, ZapisujeCeleKazdejZapisanejRelacjiIPunktu) {
    CPrzebieg przebieg;
    przebieg.stan.Dodaj(1, "G5ADR", "1", "a1");
    przebieg.stan.Dodaj(1, "G5JDR", "7", "j7");
    przebieg.stan.m_punktyLokalne.insert("from an earlier file");
    // The last two records hold relations that no rule examines.
    przebieg(PlikSWDE("RO,a,G5OSF,5,6,11;\nWL,G5RADR,a1;\nWL,G5RADR,a2;\nX;\n"
                      "RO,a,G5DZE,5,6,11;\nWG,G5RJDR,G5JDR,7;\nWG,G5RJDR,G5JDR,8;\nGL;\nP,P,G5PZG,"
                      "101;\nP,K,k7;\nGX;\nX;\n"
                      "RO,a,G5BUD,5,6,11;\nWG,G5RKRG,G5DOK,5;\nX;\nRO,a,G5ADR,5,6,11;\nWL,G5RXXX,q;"
                      "\nD,G5RADR,,d;\nX;\n"),
             OdfiltrujSlepeOdwolania);
    EXPECT_EQ(przebieg.stan.m_odwolaniaLokalne, (ZbiorTekstow{"a2", "q"}));
    EXPECT_EQ(przebieg.stan.m_odwolaniaGlobalne, (ZbiorTekstow{"G5JDR,8", "G5DOK,5"}));
    EXPECT_EQ(przebieg.stan.m_punktyGlobalne, (ZbiorTekstow{"G5PZG,101"}));
    EXPECT_EQ(przebieg.stan.m_punktyLokalne, (ZbiorTekstow{"k7"}));
    EXPECT_EQ(przebieg.powiadomienia.etapy,
              std::vector<std::string>{": " + kodowanie::T("Filtrowanie ślepych odwołań")});
}

TEST(OdfiltrujSlepeOdwolania, NiewlasciweUzycieSymboluRelacjiKonczyPlik) {
    const std::pair<std::string, std::string> przypadki[] = {
        {"RO,a,G5OSF,5,6,11;\nK,G5RADR,1;\nX;\n",
         blad::FormatDanychWRekordzie()},                                    // a geometry line
        {"RO,a,G5LKL,5,6,11;\nD,G5RBUD,,15;\nX;\n", blad::UzycieWiazania()}, // lists 1, 2, 3
        {"RO,a,G5OSF,5,6,11;\nD,G5RADR,,x;\nX;\n", blad::UzycieWiazania()},  // list 1 only
    };
    for (const auto& [strSO, strKomunikat] : przypadki) {
        CPrzebieg przebieg;
        przebieg.stan.Dodaj(3, "G5BUD", "1", "15");
        try {
            przebieg(PlikSWDE("RO,a,G5DZE,1,2,11;\nX;\n" + strSO), OdfiltrujSlepeOdwolania);
            ADD_FAILURE() << "no error: " << strSO;
        } catch (const CSWDEException& e) {
            // The reader stopped at the end line of the record, line 17 of the file.
            EXPECT_EQ(e.m_strKomunikat.rfind(strKomunikat + " (Linia w pliku nr: 17,", 0), 0u)
                << e.m_strKomunikat;
        }
    }
}

TEST(OdfiltrujSieroty, UsuwaSierotyIKonczyRekordyX) {
    CPrzebieg przebieg;
    przebieg.stan.m_odwolaniaLokalne.insert("a1");
    EXPECT_EQ(
        przebieg(PlikSWDE("RO,a,G5ADR,1,a1,11;\nD,G5KOD,,00-001;\nXC,5;\nRO,a,G5ADR,2,a2,11;\nX;\n"
                          "RO,a,G5KLU,3,k3,11;\nWL,G5RDZE,d;\nXC,6;\nRO,a,G5KLU,4,k4,11;\nX;\n"),
                 OdfiltrujSieroty),
        Wynik(
            "RO,a,G5ADR,1,a1,11;\nD,G5KOD,,00-001;\nX;\nRO,a,G5KLU,3,k3,11;\nWL,G5RDZE,d;\nX;\n"));
    EXPECT_EQ(przebieg.powiadomienia.etapy,
              std::vector<std::string>{": " + kodowanie::T("Odfiltrowanie obiektów sierot")});
    EXPECT_EQ(przebieg.powiadomienia.postep.front(), 0);
    EXPECT_EQ(przebieg.powiadomienia.postep.back(), 1000);
    przebieg.powiadomienia.bPrzerwij = true; // cancelled before the pass: nothing is written
    EXPECT_EQ(przebieg(PlikSWDE("RO,a,G5ADR,1,a1,11;\nX;\n"), OdfiltrujSieroty), "");
}

// A small precinct: outlines use boundary points that carry no relation of their own, a
// building names a document only through its G5RKRG relation, and one address is named only
// by a relation that points at a removed object.
TEST(OdfiltrujSieroty, PoSlepychOdwolaniachNieUsuwaNiczegoCoUzywane) {
    const std::string strPunkty =
        "RO,a,G5PZG,101,p101,11;\nD,G5DTW,,2020;\nX;\nRO,a,G5PZG,102,p102,11;\nX;\n";
    const std::string strDzialka =
        "RO,a,G5DZE,1,d1,11;\nWL,G5RADR,ad1;\nGL;\nP,P,G5PZG,101;\nP,K,p104;\nGX;\nX;\n";
    CPrzebieg przebieg;
    przebieg.stan.Dodaj(1, "G5ADR", "21", "ad2");
    const std::string strBezSlepych =
        przebieg(PlikSWDE(strPunkty + "RO,a,G5PZG,103,p103,11;\nX;\nRO,a,G5PZG,104,p104,11;\nX;\n" +
                          strDzialka +
                          "RO,a,G5BUD,2,b2,11;\nWG,G5RKRG,G5DOK,9;\nWL,G5RADR,ad2;\nGL;\nP,P,G5PZG,"
                          "102;\nGX;\nX;\n"
                          "RO,a,G5DOK,9,dok9,11;\nX;\nRO,a,G5DOK,10,dok10,11;\nX;\nRO,a,G5ADR,20,"
                          "ad1,11;\nX;\nRO,a,G5ADR,21,ad2,11;\nX;\n"),
                 OdfiltrujSlepeOdwolania);
    EXPECT_EQ(przebieg(strBezSlepych, OdfiltrujSieroty),
              Wynik(strPunkty + "RO,a,G5PZG,104,p104,11;\nX;\n" + strDzialka +
                    "RO,a,G5BUD,2,b2,11;\nWG,G5RKRG,G5DOK,9;\nGL;\nP,P,G5PZG,102;\nGX;\nX;\n"
                    "RO,a,G5DOK,9,dok9,11;\nX;\nRO,a,G5ADR,20,ad1,11;\nX;\n"));
}

} // namespace
