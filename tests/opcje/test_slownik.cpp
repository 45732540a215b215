// The vocabulary: consistency of the group and type tables.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "opcje/slownik.h"

namespace {

TEST(Slownik, TypeNumbersFollowTheSymbolsAndNothingElse) {
    const char* symbole[] = {"G5JEW", "G5OBR", "G5RST", "G5OSF", "G5INS", "G5MLZ", "G5OSZ",
                             "G5JDR", "G5UDZ", "G5UDW", "G5JRZ", "G5DZE", "G5KLU", "G5BUD",
                             "G5LKL", "G5UZG", "G5KKL", "G5ZMN", "G5DOK", "G5ADR", "G5PZG",
                             "G5GRN", "G5DZW", "G5UDD", "G5PDZ"};
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        EXPECT_EQ(NumerTypu(symbole[n - 1]), n);
        EXPECT_EQ(OpisTypu(n).m_strSymbol, symbole[n - 1]);
        EXPECT_EQ("G5" + OpisTypu(n).m_strKlucz, symbole[n - 1]);
    }
    EXPECT_EQ(NumerTypu("G5DZE"), 12);
    for (const char* obcy : {"", "G5", "g5dze", "G5DZE ", "G5O_DZE", "G5G_DZE", "G5DZEX", "DZE"})
        EXPECT_EQ(NumerTypu(obcy), 0) << obcy;
}

TEST(Slownik, AttributeCountsMatchTheTypeList) {
    const int liczby[] = {4, 4, 2, 8, 9, 2, 9, 5, 2, 3, 3, 11, 2, 15, 10, 2, 2, 7, 6, 8, 3, 3, 5, 2, 2};
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        EXPECT_EQ(OpisTypu(n).m_atrybuty.size(), static_cast<std::size_t>(liczby[n - 1])) << n;
}

// Each caption ends with its symbol, each control id always carries the same symbol, and
// every type has both date boxes.
TEST(Slownik, CaptionsSymbolsAndControlsAgree) {
    std::map<int, std::string> symbolKontrolki;
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        std::set<int> kontrolki;
        int nDaty = 0;
        for (const COpisAtrybutu& a : OpisTypu(n).m_atrybuty) {
            const std::string strKoniec = "(" + a.m_strSymbol + ")";
            ASSERT_GE(a.m_strPodpis.size(), strKoniec.size());
            EXPECT_EQ(a.m_strPodpis.substr(a.m_strPodpis.size() - strKoniec.size()), strKoniec);
            EXPECT_TRUE(kontrolki.insert(a.m_nKontrolka).second) << n << " " << a.m_nKontrolka;
            auto [it, bNowa] = symbolKontrolki.emplace(a.m_nKontrolka, a.m_strSymbol);
            EXPECT_EQ(it->second, a.m_strSymbol) << a.m_nKontrolka;
            nDaty += (a.m_nKontrolka == 1112 && a.m_strSymbol == "G5DTW") +
                     (a.m_nKontrolka == 1113 && a.m_strSymbol == "G5DTU");
        }
        EXPECT_EQ(nDaty, 2) << n;
    }
}

TEST(Slownik, LogSymbolsArePlainAscii) {
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        for (const COpisAtrybutu& a : OpisTypu(n).m_atrybuty) {
            for (char c : a.m_strSymbolLogu)
                EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80) << a.m_strSymbolLogu;
            if (a.m_strSymbol != a.m_strSymbolLogu) {
                EXPECT_EQ(a.m_strSymbol, "G5RPW\xA3");
                EXPECT_EQ(a.m_strSymbolLogu, "G5RPWL");
            }
        }
    }
    EXPECT_EQ(OpisTypu(12).m_atrybuty[8].m_strSymbol, "G5RPW\xA3");
}

TEST(Slownik, TextsAreCodePage1250) {
    EXPECT_EQ(OpisGrupy(GrupaLokale).m_strPodpis, "Danych dotycz\xB9" "cych lokali");
    EXPECT_EQ(OpisGrupy(GrupaLokale).m_strEtykietaLogu, "Dane dotycz\xB9" "ce lokali");
    EXPECT_EQ(OpisGrupy(GrupaSieroty).m_strEtykietaLogu, "Sieroty");
    EXPECT_EQ(OpisTypu(2).m_strPodpis, "Obr\xEA" "b (G5OBR)");
    EXPECT_EQ(OpisTypu(1).m_strEtykietaLogu, "G5JEW(jednostka ewidencyjna): ");
    EXPECT_EQ(OpisTypu(6).m_strEtykietaLogu, "G5MLZ(ma\xB3\xBF" "e\xF1stwo): ");
    EXPECT_EQ(OpisTypu(14).m_atrybuty[6].m_strPodpis.substr(0, 1), "\xA3");  // "Łączna"
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        const std::string& strEtykieta = OpisTypu(n).m_strEtykietaLogu;
        EXPECT_EQ(strEtykieta.substr(0, 6), OpisTypu(n).m_strSymbol + "(");
        EXPECT_EQ(strEtykieta.substr(strEtykieta.size() - 3), "): ");
    }
}

}  // namespace
