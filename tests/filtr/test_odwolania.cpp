// The dangling-reference and orphan passes, driven over small files through the real reader
// and writer. Ł = A3, Ż = AF, Ą = A1 in ISO 8859-2; code page 1250 writes Ą as A5.
#include <gtest/gtest.h>

#include "filtr/przebiegi.h"
#include "silnik_testowy.h"

using namespace silnik_test;

namespace {

struct CWpis {
    ELista eLista;
    std::string p2, p3, p4;
};

struct CPrzypadek {
    const char* nazwa;
    std::vector<CWpis> listy;
    std::string so, oczekiwane; // short forms; no expectation: nothing changes
};

// clang-format off
const CPrzypadek PRZYPADKI[] = {
    {"WL by field 4 of list 3, not by field 3", {{ListaBudynkow, "G5BUD", "16", "15"}},
     "G5LKL:5 WL,G5RBUD,15; WL,G5RBUD,16; D,G5LIZ,,2;", "G5LKL:5 WL,G5RBUD,16; D,G5LIZ,,2;"},
    {"consecutive dangling elements go, the end line stays as read", {{ListaUsunietych, "G5ADR", "1", "a1"}, {ListaUsunietych, "G5ADR", "2", "a2"}},
     "G5OSF:5 WL,G5RADR,a1; WL,G5RADR,a2; WL,G5RADR,a3; WL,G5RADR,a1; XC,9;", "G5OSF:5 WL,G5RADR,a3; XC,9;"},
    {"WG by type and identifier; the O_ form of a marked type too", {{ListaJednostekLokali, "G5JDR", "77", "x"}},
     "G5DZE:5 WG,G5RJDR,G5JDR,77; WG,G5RJDR,G5JDR,78; / RD,a,G5O_DZE,7,8,11; WG,G5RJDR,G5JDR,77;",
     "G5DZE:5 WG,G5RJDR,G5JDR,78; / RD,a,G5O_DZE,7,8,11;"},
    {"graphic types, O_ forms of unmarked types and types without rules keep everything",
     {{ListaUsunietych, "G5JDR", "77", "x"}, {ListaUsunietych, "G5JEW", "1", "y"}, {ListaBudynkow, "G5BUD", "1", "15"}},
     "G5G_DZE:5 WG,G5RJDR,G5JDR,77; / G5G_JEW:5 WG,G5RKRG,G5JEW,1; / RD,a,G5O_LKL,5,6,11; WL,G5RBUD,15; / "
     "G5ADR:5 WL,G5RADR,y;", ""},
    {"only the lists of the rule are consulted", {{ListaJednostekBudynkow, "G5JDR", "1", "a1"}, {ListaBudynkow, "G5BUD", "2", "b2"}, {ListaDzierzaw, "G5DZW", "3", "c3"}},
     "G5OSF:5 WL,G5RADR,a1; / G5DZE:5 WL,G5RJDR,b2; / G5ZMN:5 WL,G5ROBJ,a1; WL,G5ROBJ,b2; WG,G5ROBJ,G5DZW,3;",
     "G5OSF:5 WL,G5RADR,a1; / G5DZE:5 WL,G5RJDR,b2; / G5ZMN:5"},
    {"several rules on one type", {{ListaUsunietych, "G5ADR", "1", "a"}, {ListaJednostekBudynkow, "G5JDR", "2", "b"}, {ListaUsunietych, "G5DOK", "3", "c"}},
     "G5LKL:5 WL,G5RADR,a; WL,G5RBUD,b; WL,G5RDOK,c; WL,G5RJDR,b; WL,G5RPW\xA3,a; WL,G5RPWD,a;", "G5LKL:5 WL,G5RPWD,a;"},
    {"symbols with Polish letters as ISO 8859-2 bytes", {{ListaUsunietych, "G5OSF", "1", "m"}, {ListaJednostekBudynkow, "G5JDR", "77", "j"}},
     "G5UDZ:5 WG,G5RW\xA3S,G5JDR,77; WL,G5RPOD,m; / G5UDW:5 WL,G5RW\xA3" "D,j; / "
     "G5MLZ:5 WL,G5RM\xA1\xAF,m; WL,G5R\xAFONA,m; WL,G5RM\xA5\xAF,m;", "G5UDZ:5 / G5UDW:5 / G5MLZ:5 WL,G5RM\xA5\xAF,m;"},
    {"lines with other symbols or codes are left alone", {{ListaUsunietych, "G5ADR", "1", "a1"}},
     "G5OSF:5 WL,G5RXXX,a1; D,G5NIP,,a1; GL; P,P,G5ADR,1; GX;", ""},
};
// clang-format on

TEST(OdfiltrujSlepeOdwolania, UsuwaElementyWskazujaceUsunieteObiekty) {
    for (const CPrzypadek& p : PRZYPADKI) {
        SCOPED_TRACE(p.nazwa);
        CPrzebieg przebieg;
        for (const CWpis& w : p.listy)
            przebieg.stan.Dodaj(w.eLista, w.p2, w.p3, w.p4);
        EXPECT_EQ(SekcjaSO(przebieg(Plik(p.so), OdfiltrujSlepeOdwolania)),
                  SO(p.oczekiwane.empty() ? p.so : p.oczekiwane));
    }
}

// A small precinct through both passes. Record h (a type without rules, which always stays)
// names others by relations no rule examines and by the point lines of an outline; k5 loses a
// relation to a removed address, which then names nothing. Stays: k1 (own relation), k4 (a data
// line does not count for the first table, but does not hurt either), k5, k6 and k7 (named by
// type and identifier, or by second identifier), k10, k12, k13 (named as written), the graphic,
// unmarked O_ and unknown types, k17, k18, k20 (Polish symbols), points named by outlines (k21,
// k22, k24, whatever their type). Goes: k2 (first table: names do not help), k3 (a symbol in
// the header is no relation), k8 (named by the wrong fields), k9, k11 (named by an earlier
// file only), k19 (code page 1250 spelling), k23 (a point named by the wrong fields).
TEST(OdfiltrujSieroty, ZostawiaToCoNazwaneAUsuwaSieroty) {
    const std::string strZrodlo =
        "G5KLU:k1 WL,G5RDZE,x; XC,5; / G5OSF:k5 WL,G5RADR,aL; WL,G5RADR,x; / G5ADR:a / "
        "G5KLU:k2 D,G5DTW,,1; / RO,G5RDZE,G5KLU,k3,k3L,11; / G5LKL:k4 D,G5RDZE,,1; / G5OSF:k6 / "
        "G5OSF:k7 / G5OSF:k8 / G5ADR:k9 / G5DOK:k10 / RD,1,G5O_DZE,k11,k11L,11; / "
        "RD,1,G5O_DZE,k12,k12L,11; WG,G5RKRG,G5DOK,1; / RD,1,G5O_BUD,k13,k13L,11; / G5G_DZE:k14 "
        "/ RD,1,G5O_LKL,k15,k15L,11; / G5MLZ:k17 WL,G5R\xAFONA,1; / G5MLZ:k18 WL,G5RM\xA1\xAF,1; "
        "/ G5MLZ:k19 WL,G5RM\xA5\xAF,1; / G5UDW:k20 WG,G5RW\xA3"
        "D,G5JDR,1; / G5PZG:k21 / G5PZG:k22 / G5PZG:k23 / G5KLU:k24 / G5XYZ:h WL,G5RX,k2L; "
        "WG,G5RX,G5KLU,k2; WG,G5RX,G5OSF,k6; WL,G5RX,k7L; WL,G5RX,k8; WG,G5RX,G5OSF,k8L; "
        "WG,G5RX,G5DOK,k10; WG,G5RX,G5O_BUD,k13; WL,G5RX,k23L; WG,G5RX,G5PZG,k23; GL; "
        "P,P,G5PZG,k21; P,K,k22L; P,P,G5PZG,k23L; P,K,k23; P,P,G5KLU,k24; GX;";
    CPrzebieg przebieg;
    przebieg.stan.Dodaj(ListaUsunietych, "G5ADR", "a", "aL");
    przebieg.stan.m_punktyLokalne.Dodaj("k11L");
    const std::string strCel =
        przebieg(przebieg(Plik(strZrodlo), OdfiltrujSlepeOdwolania), OdfiltrujSieroty);
    EXPECT_EQ(Naglowki(strCel),
              "G5KLU:k1 G5OSF:k5 G5LKL:k4 G5OSF:k6 G5OSF:k7 G5DOK:k10 RD,1,G5O_DZE,k12,k12L,11; "
              "RD,1,G5O_BUD,k13,k13L,11; G5G_DZE:k14 RD,1,G5O_LKL,k15,k15L,11; G5MLZ:k17 "
              "G5MLZ:k18 G5UDW:k20 G5PZG:k21 G5PZG:k22 G5KLU:k24 G5XYZ:h");
    EXPECT_TRUE(strCel.starts_with(POCZATEK + SO("G5KLU:k1 WL,G5RDZE,x; / G5OSF:k5 WL,G5RADR,x;")));
    EXPECT_TRUE(strCel.ends_with(",k24;\nGX;\nX;\nSX;\nSWDEX;"));
    EXPECT_EQ(przebieg.obserwator.postep.back(), 1000);
}

} // namespace
