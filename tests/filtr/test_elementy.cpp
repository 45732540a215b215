// Finding, removing and the ticked-attribute removal of element lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filtr/elementy.h"
#include "opcje/slownik.h"
#include "swde/bledy.h"

namespace {

// A parcel with a geometry block, relations and attributes; Ł is byte A3 (ISO 8859-2).
const Rekord DZIALKA = {
    "RO,a,G5DZE,12,34,11;",   // 0
    "GL;",                    // 1
    "P,P,G5PZG,1,2,3,4;",     // 2: more fields than anything after it
    "GX;",                    // 3
    "WG,G5RJDR,G5JDR,77;",    // 4
    "WL,G5RADR,15;",          // 5
    "D,G5PEW,R,12;",          // 6
    "D,G5DTW,D,x,y;",         // 7
    "WG,G5RKRG,G5JEW;",       // 8: a relation missing its identifier
    "WG,G5RW\xA3S,G5JDR,78;", // 9
    "XC,77;",                 // 10
};

struct CPrzypadekSzukania {
    const char* nazwa;
    std::string symbol;
    int start;
    bool znaleziony;
    int pozycja;
    CElement element;
};

TEST(ZnajdzElement, FindsTheFirstLineWithTheSymbolAndItsTargets) {
    const CPrzypadekSzukania przypadki[] = {
        {"WG line", "G5RJDR", 1, true, 4, {"WG", "G5JDR", "77"}},
        {"WL line after a longer split", "G5RADR", 1, true, 5, {"WL", "15", ""}},
        {"D line keeps its value verbatim", "G5PEW", 1, true, 6, {"D", "12;", ""}},
        {"D value with commas", "G5DTW", 1, true, 7, {"D", "x,y;", ""}},
        {"short WG has no leftover target", "G5RKRG", 1, true, 8, {"WG", "G5JEW", ""}},
        {"Polish symbol as ISO bytes", "G5RW\xA3S", 1, true, 9, {"WG", "G5JDR", "78"}},
        {"search starts at the position", "G5RJDR", 5, false, 10, {}},
        {"position on the found line is found again", "G5RADR", 5, true, 5, {"WL", "15", ""}},
        {"UTF-8 spelling is another symbol", "G5RWŁS", 1, false, 10, {}},
        {"header is not scanned", "a", 1, false, 10, {}},
        {"end line is not scanned", "77;", 1, false, 10, {}},
        {"absent symbol", "G5RPOD", 1, false, 10, {}},
    };
    for (const CPrzypadekSzukania& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        CCzytnikSWDE czytnik;
        CElement element{"stale", "stale", "stale"};
        int nPozycja = p.start;
        EXPECT_EQ(ZnajdzElement(p.symbol, DZIALKA, element, nPozycja, czytnik), p.znaleziony);
        EXPECT_EQ(nPozycja, p.pozycja);
        if (p.znaleziony) {
            EXPECT_EQ(element.strKod, p.element.strKod);
            EXPECT_EQ(element.strCel1, p.element.strCel1);
            EXPECT_EQ(element.strCel2, p.element.strCel2);
        }
    }
}

TEST(ZnajdzElement, RecordWithoutElementsFindsNothing) {
    CCzytnikSWDE czytnik;
    CElement element;
    int nPozycja = 1;
    EXPECT_FALSE(ZnajdzElement("G5RADR", {"RO,a,G5OSF,1,2,11;", "X;"}, element, nPozycja, czytnik));
    EXPECT_EQ(nPozycja, 1);
}

TEST(ZnajdzElement, OtherCodeWithTheSymbolIsError6WithTheReaderLocation) {
    const std::vector<std::string> wiersze = {"K,G5PEW,1;", "P,G5PEW;", "IL,G5PEW,1,2;"};
    for (const std::string& strWiersz : wiersze) {
        SCOPED_TRACE(strWiersz);
        CCzytnikSWDE czytnik;
        czytnik.m_nLinia = 7;
        czytnik.m_nPozycja = 312;
        const Rekord rekord = {"RO,a,G5DZE,12,34,11;", "D,G5DTW,,1;", strWiersz, "X;"};
        CElement element;
        int nPozycja = 1;
        try {
            ZnajdzElement("G5PEW", rekord, element, nPozycja, czytnik);
            ADD_FAILURE() << "no error";
        } catch (const CSWDEException& e) {
            EXPECT_EQ(e.m_nNumer, 6);
            EXPECT_EQ(e.m_strKomunikat, blad::FormatDanychWRekordzie() +
                                            " (Linia w pliku nr: 7, pozycja w pliku: 312)");
        }
        // Lines with other symbols are passed over without complaint.
        nPozycja = 1;
        EXPECT_FALSE(ZnajdzElement("G5RADR", rekord, element, nPozycja, czytnik));
    }
}

TEST(UsunElementy, RemovesEveryLineWithTheSymbolIncludingNeighbours) {
    CCzytnikSWDE czytnik;
    Rekord rekord = {"RO,a,G5DZE,12,34,11;", "D,G5PEW,,1;",       "WL,G5PEW,2;",
                     "D,G5DTW,,x;",          "WG,G5PEW,G5JDR,3;", "X;"};
    UsunElementy("G5PEW", rekord, czytnik);
    EXPECT_EQ(rekord, (Rekord{"RO,a,G5DZE,12,34,11;", "D,G5DTW,,x;", "X;"}));
}

TEST(UsunElementy, NeverTouchesTheHeaderOrTheEndLine) {
    CCzytnikSWDE czytnik;
    const Rekord przed = {"G5PEW,G5PEW,G5PEW;", "D,G5DTW,,x;", "X,G5PEW;"};
    Rekord rekord = przed;
    UsunElementy("G5PEW", rekord, czytnik);
    EXPECT_EQ(rekord, przed);
}

TEST(UsunElementy, StopsAtAnInvalidLine) {
    CCzytnikSWDE czytnik;
    Rekord rekord = {"RO,a,G5DZE,12,34,11;", "D,G5PEW,,1;", "K,G5PEW,1;", "X;"};
    EXPECT_THROW(UsunElementy("G5PEW", rekord, czytnik), CSWDEException);
}

// Ticks the attributes of a type by symbol.
COpcjeFiltrowania Zaznacz(int nTyp, const std::vector<std::string>& symbole) {
    COpcjeFiltrowania opcje;
    std::int32_t nMaska = 0;
    const std::vector<COpisAtrybutu>& atrybuty = OpisTypu(nTyp).m_atrybuty;
    for (const std::string& strSymbol : symbole) {
        bool bJest = false;
        for (std::size_t i = 0; i < atrybuty.size(); ++i)
            if (atrybuty[i].m_strSymbol == strSymbol) {
                nMaska |= std::int32_t{1} << i;
                bJest = true;
            }
        EXPECT_TRUE(bJest) << strSymbol;
    }
    opcje.UstawMaske(nTyp, nMaska);
    return opcje;
}

TEST(UsunZaznaczoneAtrybuty, RemovesOnlyTheTickedSymbolsOfTheType) {
    const Rekord dzialka = {
        "RO,a,G5DZE,12,34,11;", "D,G5NOS,,12;",    "D,G5DTW,,x;", "WG,G5RKRG,G5DOK,15;",
        "D,G5NOS,,13;",         "WL,G5RPW\xA3,9;", "X;"};
    const int nDZE = NumerTypu("G5DZE");
    struct CPrzypadek {
        const char* nazwa;
        std::vector<std::string> zaznaczone;
        Rekord wynik;
    };
    const CPrzypadek przypadki[] = {
        {"nothing ticked", {}, dzialka},
        {"one attribute, all its lines",
         {"G5NOS"},
         {"RO,a,G5DZE,12,34,11;", "D,G5DTW,,x;", "WG,G5RKRG,G5DOK,15;", "WL,G5RPW\xA3,9;", "X;"}},
        {"a relation symbol removes relation lines",
         {"G5RKRG", "G5DTW"},
         {"RO,a,G5DZE,12,34,11;", "D,G5NOS,,12;", "D,G5NOS,,13;", "WL,G5RPW\xA3,9;", "X;"}},
        {"a symbol with a Polish letter",
         {"G5RPW\xA3"},
         {"RO,a,G5DZE,12,34,11;", "D,G5NOS,,12;", "D,G5DTW,,x;", "WG,G5RKRG,G5DOK,15;",
          "D,G5NOS,,13;", "X;"}},
    };
    for (const CPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const COpcjeFiltrowania opcje = Zaznacz(nDZE, p.zaznaczone);
        CCzytnikSWDE czytnik;
        Rekord rekord = dzialka;
        UsunZaznaczoneAtrybuty(nDZE, rekord, opcje, czytnik);
        EXPECT_EQ(rekord, p.wynik);
    }
}

TEST(UsunZaznaczoneAtrybuty, TicksOfAnotherTypeDoNothing) {
    const COpcjeFiltrowania opcje = Zaznacz(NumerTypu("G5BUD"), {"G5RKRG"});
    CCzytnikSWDE czytnik;
    const Rekord przed = {"RO,a,G5DZE,12,34,11;", "WG,G5RKRG,G5DOK,15;", "X;"};
    Rekord rekord = przed;
    UsunZaznaczoneAtrybuty(NumerTypu("G5DZE"), rekord, opcje, czytnik);
    EXPECT_EQ(rekord, przed);
}

} // namespace
