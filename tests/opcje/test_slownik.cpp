// The vocabulary: consistency of the group and type tables.
#include <gtest/gtest.h>

#include <map>

#include "opcje/slownik.h"

namespace {

TEST(Slownik, TypeNumbersAndAttributeCounts) {
    const int liczby[] = {4,  4,  2, 8, 9, 2, 9, 5, 2, 3, 3, 11, 2,
                          15, 10, 2, 2, 7, 6, 8, 3, 3, 5, 2, 2};
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        EXPECT_EQ(NumerTypu(OpisTypu(n).m_strSymbol), n);
        EXPECT_EQ("G5" + OpisTypu(n).m_strKlucz, OpisTypu(n).m_strSymbol);
        EXPECT_EQ(OpisTypu(n).m_atrybuty.size(), static_cast<std::size_t>(liczby[n - 1])) << n;
    }
    for (const char* obcy : {"", "g5dze", "G5DZE ", "G5O_DZE", "G5DZEX", "DZE"})
        EXPECT_EQ(NumerTypu(obcy), 0) << obcy;
}

// Each caption ends with its symbol, every type has both date boxes exactly once, symbols
// differ within a type, and the log spells symbols in plain ASCII.
TEST(Slownik, AttributeEntriesAgree) {
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        std::map<std::string, int> symbole;
        for (const COpisAtrybutu& a : OpisTypu(n).m_atrybuty) {
            const std::string strKoniec = "(" + a.m_strSymbol + ")";
            ASSERT_GT(a.m_strPodpis.size(), strKoniec.size());
            EXPECT_EQ(a.m_strPodpis.substr(a.m_strPodpis.size() - strKoniec.size()), strKoniec);
            ++symbole[a.m_strSymbol];
            const bool bPolski = a.m_strSymbol == "G5RPW\xA3";
            EXPECT_EQ(a.m_strSymbolLogu, bPolski ? "G5RPWL" : a.m_strSymbol);
        }
        EXPECT_EQ(symbole.size(), OpisTypu(n).m_atrybuty.size()) << n;
        EXPECT_TRUE(symbole.count(SYMBOL_DTW) && symbole.count(SYMBOL_DTU)) << n;
        EXPECT_EQ(IndeksAtrybutu(n, "G5XYZ"), -1);
    }
    // Every group has a short name of its own.
    std::map<std::string, int> nazwy;
    for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit)
        EXPECT_TRUE(nazwy.emplace(OpisGrupy(nBit).m_strNazwa, nBit).second) << nBit;
}

TEST(Slownik, TextsAreCodePage1250) {
    EXPECT_EQ(OpisGrupy(GrupaLokale).m_strEtykietaLogu, "Dane dotycz\xB9"
                                                        "ce lokali");
    EXPECT_EQ(OpisTypu(6).m_strEtykietaLogu, "G5MLZ(ma\xB3\xBF"
                                             "e\xF1stwo): ");
}

} // namespace
