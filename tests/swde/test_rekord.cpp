// Field splitting and the base forms of type symbols.
#include <gtest/gtest.h>

#include "swde/rekord.h"

using Pola = std::vector<std::string>;

TEST(Rekord, SplittingFollowsTheCommaAndDataLineRules) {
    const struct {
        std::string strWiersz;
        int nWynik;
        Pola pola;
    } przypadki[] = {
        {"RO,,G5DZE,3,3_d_51545,11;", 6, {"RO", "", "G5DZE", "3", "3_d_51545", "11"}},
        {"RO,a,,c;x", 4, {"RO", "a", "", "c"}},
        {"X;", 1, {"X"}},
        {" RO , a ,G5DZE,1,2,11 ;", 6, {"RO", "a", "G5DZE", "1", "2", "11 "}},
        {"A,", 2, {"A", ""}},
        {"P,P , G5PZG ,12 ;x,7", 5, {"P", "P", "G5PZG", "12 ;x", "7"}},
        {"WG,G5RJDR,G5JDR,77; ", 4, {"WG", "G5RJDR", "G5JDR", "77"}},
        // Data lines: four fields, runs of commas are one separator, the value verbatim.
        {"D,G5NIP,,123", 4, {"D", "G5NIP", "123", ""}},
        {"D,G5TJR,D,3;", 4, {"D", "G5TJR", "D", "3;"}},
        {"D,G5SYG,D,Akt, nr 5; zm. ,x", 4, {"D", "G5SYG", "D", "Akt, nr 5; zm. ,x"}},
        {"D,G5ABC", 4, {"D", "G5ABC", "", ""}},
        {"D,G5ABC,D,", 4, {"D", "G5ABC", "D", ""}},
        {"D,,,G5ABC,,D,,v", 4, {"D", "G5ABC", "D", ",v"}},
    };
    for (const auto& p : przypadki) {
        Pola pola;
        EXPECT_EQ(PodzielWiersz(p.strWiersz, pola), p.nWynik) << p.strWiersz;
        EXPECT_EQ(pola, p.pola) << p.strWiersz;
        // One field taken straight from the line is the field of the whole split.
        for (int i = 0; i <= p.nWynik + 1; ++i)
            EXPECT_EQ(PoleWiersza(p.strWiersz, i), Pole(pola, p.nWynik, i)) << p.strWiersz << i;
    }
}

TEST(Rekord, SplittingNeverShrinksTheArrayOfOtherLines) {
    Pola pola = {"0", "1", "2", "3", "4", "5", "6"};
    EXPECT_EQ(PodzielWiersz("a,b,c,d,e;", pola), 5);
    EXPECT_EQ(pola, (Pola{"a", "b", "c", "d", "e", "5", "6"}));
    EXPECT_EQ(Pole(pola, 5, 4), "e");
    EXPECT_EQ(Pole(pola, 5, 5), "");
    // A data line always leaves exactly four fields.
    EXPECT_EQ(PodzielWiersz("D,G5PEW,D,12", pola), 4);
    EXPECT_EQ(pola.size(), 4u);
}

TEST(Rekord, DataLinesAreRecognisedByTheirFirstTwoCharacters) {
    EXPECT_TRUE(JestWierszemDanych("D,G5PEW,D,1") && JestWierszemDanych("D,"));
    EXPECT_FALSE(JestWierszemDanych("D;") || JestWierszemDanych("d,x") || JestWierszemDanych("D"));
}

TEST(Rekord, PrefixRemovalTakesOnlyTheFirstOccurrence) {
    const struct {
        std::string strSymbol, strBez, strBezO, strBezG;
    } przypadki[] = {
        {"G5DZE", "G5DZE", "G5DZE", "G5DZE"},     {"G5O_DZE", "G5DZE", "G5DZE", "G5O_DZE"},
        {"G5G_DZE", "G5DZE", "G5G_DZE", "G5DZE"}, {"G5G_O_X", "G5G_X", "G5G_X", "G5O_X"},
        {"G5O_O_X", "G5O_X", "G5O_X", "G5O_O_X"}, {"", "", "", ""},
    };
    for (const auto& p : przypadki) {
        EXPECT_EQ(UsunPrefiks(p.strSymbol), p.strBez) << p.strSymbol;
        EXPECT_EQ(UsunPrefiksO(p.strSymbol), p.strBezO) << p.strSymbol;
        EXPECT_EQ(UsunPrefiksG(p.strSymbol), p.strBezG) << p.strSymbol;
    }
}
