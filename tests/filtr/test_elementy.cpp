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

TEST(ZnajdzElement, FindsTheFirstLineWithTheSymbolAndItsTargets) {
    struct CPrzypadek {
        const char* nazwa;
        std::string symbol;
        int start;
        bool znaleziony;
        int pozycja;
        CElement element;
    };
    // clang-format off
    const CPrzypadek przypadki[] = {
        {"WG line", "G5RJDR", 1, true, 4, {"WG", "G5JDR", "77"}},
        {"WL line after a longer split", "G5RADR", 1, true, 5, {"WL", "15", ""}},
        {"D line gives its value", "G5PEW", 1, true, 6, {"D", "12;", ""}},
        {"D value with commas", "G5DTW", 1, true, 7, {"D", "x,y;", ""}},
        {"short WG has no leftover target", "G5RKRG", 1, true, 8, {"WG", "G5JEW", ""}},
        {"Polish symbol as ISO bytes", "G5RW\xA3S", 1, true, 9, {"WG", "G5JDR", "78"}},
        {"UTF-8 spelling is another symbol", "G5RWŁS", 1, false, 10, {}},
        {"search starts at the position", "G5RJDR", 5, false, 10, {}},
        {"the found line is found again", "G5RADR", 5, true, 5, {"WL", "15", ""}},
        {"header is not scanned", "a", 1, false, 10, {}},
        {"end line is not scanned", "77;", 1, false, 10, {}},
    };
    // clang-format on
    for (const CPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        CCzytnikSWDE czytnik;
        CElement element{"stale", "stale", "stale"};
        int nPozycja = p.start;
        EXPECT_EQ(ZnajdzElement(p.symbol, DZIALKA, element, nPozycja, czytnik), p.znaleziony);
        EXPECT_EQ(nPozycja, p.pozycja);
        if (p.znaleziony) {
            EXPECT_EQ(
                std::vector<std::string>({element.strKod, element.strCel1, element.strCel2}),
                std::vector<std::string>({p.element.strKod, p.element.strCel1, p.element.strCel2}));
        }
    }
}

TEST(ZnajdzElement, OtherCodeWithTheSymbolIsError6WithTheReaderLocation) {
    for (const std::string strWiersz : {"K,G5PEW,1;", "P,G5PEW;", "IL,G5PEW,1,2;"}) {
        SCOPED_TRACE(strWiersz);
        CCzytnikSWDE czytnik;
        czytnik.m_nLinia = 7;
        czytnik.m_nPozycja = 312;
        Rekord rekord = {"RO,a,G5DZE,12,34,11;", "D,G5DTW,,1;", strWiersz, "X;"};
        try {
            UsunElementy("G5PEW", rekord, czytnik);
            ADD_FAILURE() << "no error";
        } catch (const CSWDEException& e) {
            EXPECT_EQ(e.m_nNumer, 6);
            EXPECT_EQ(e.m_strKomunikat, blad::FormatDanychWRekordzie() +
                                            " (Linia w pliku nr: 7, pozycja w pliku: 312)");
        }
        UsunElementy("G5DTW", rekord, czytnik); // other symbols pass over the line
        EXPECT_EQ(rekord.size(), 3u);
    }
}

TEST(UsunElementy, RemovesNeighboursButNeverTheHeaderOrTheEndLine) {
    CCzytnikSWDE czytnik;
    Rekord rekord = {"RO,G5PEW,G5DZE,12,34,11;", "D,G5PEW,,1;", "WL,G5PEW,2;", "D,G5DTW,,x;",
                     "WG,G5PEW,G5JDR,3;",        "X,G5PEW;"};
    UsunElementy("G5PEW", rekord, czytnik);
    EXPECT_EQ(rekord, (Rekord{"RO,G5PEW,G5DZE,12,34,11;", "D,G5DTW,,x;", "X,G5PEW;"}));
}

// Ticks the attributes of a type by symbol.
COpcjeFiltrowania Zaznacz(int nTyp, const std::vector<std::string>& symbole) {
    COpcjeFiltrowania opcje;
    std::int32_t nMaska = 0;
    const std::vector<COpisAtrybutu>& atrybuty = OpisTypu(nTyp).m_atrybuty;
    for (std::size_t i = 0; i < atrybuty.size(); ++i)
        for (const std::string& strSymbol : symbole)
            if (atrybuty[i].m_strSymbol == strSymbol)
                nMaska |= std::int32_t{1} << i;
    opcje.UstawMaske(nTyp, nMaska);
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(nTyp).size(), symbole.size());
    return opcje;
}

TEST(UsunZaznaczoneAtrybuty, RemovesOnlyTheTickedSymbolsOfTheType) {
    const std::string N = "RO,a,G5DZE,12,34,11;", A = "D,G5NOS,,12;", B = "D,G5DTW,,x;",
                      C = "WG,G5RKRG,G5DOK,15;", D = "D,G5NOS,,13;", E = "WL,G5RPW\xA3,9;";
    const int nDZE = NumerTypu("G5DZE");
    struct CPrzypadek {
        int nStrona;
        std::vector<std::string> zaznaczone;
        Rekord wynik;
    };
    const CPrzypadek przypadki[] = {
        {nDZE, {}, {N, A, B, C, D, E, "X;"}},
        {nDZE, {"G5NOS"}, {N, B, C, E, "X;"}},
        {nDZE, {"G5RKRG", "G5DTW"}, {N, A, D, E, "X;"}},
        {nDZE, {"G5RPW\xA3"}, {N, A, B, C, D, "X;"}},
        {NumerTypu("G5BUD"), {"G5RKRG"}, {N, A, B, C, D, E, "X;"}}, // another type's page
    };
    for (const CPrzypadek& p : przypadki) {
        const COpcjeFiltrowania opcje = Zaznacz(p.nStrona, p.zaznaczone);
        CCzytnikSWDE czytnik;
        Rekord rekord = {N, A, B, C, D, E, "X;"};
        UsunZaznaczoneAtrybuty(nDZE, rekord, opcje, czytnik);
        EXPECT_EQ(rekord, p.wynik);
    }
}

} // namespace
