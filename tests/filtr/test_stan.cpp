// Run state: a hashed lookup over any set of lists must answer as walking those lists would,
// and every reset must leave nothing of the previous file behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filtr/stan.h"

namespace {

// Walks lists 1..6 in the set as the passes once did.
bool Liniowo(const CStanPrzebiegu& stan, unsigned nListy, const std::string& strKod,
             const std::string& strCel1, const std::string& strCel2) {
    for (int n = 1; n <= 6; ++n)
        for (int i = 0; (nListy >> n & 1) && i < stan.Lista(n).Licznik(); ++i)
            if (strKod == "WL" ? stan.Lista(n).Pole4(i) == strCel1
                               : strKod == "WG" && stan.Lista(n).Pole2(i) == strCel1 &&
                                     stan.Lista(n).Pole3(i) == strCel2)
                return true;
    return false;
}

TEST(CStanPrzebiegu, PasujeJakPrzejscieListWKolejnosci) {
    CStanPrzebiegu stan;
    // Joined forms that must not be confused, empty fields and repeats across lists.
    stan.Dodaj(2, "G5BUD", "1,2", "x");
    stan.Dodaj(3, "G5BUD,1", "2", "y");
    stan.Dodaj(4, "G5BUD", "", "");
    for (int i = 0; i < 120; ++i)
        stan.Dodaj(1 + i % 6, "G5T" + std::to_string(i % 7), std::to_string(i % 13),
                   std::to_string(i % 17));
    const std::vector<std::string> teksty = {"",      "1",       "5",    "16",  "x", "y",
                                             "G5BUD", "G5BUD,1", "G5T3", "1,2", "2"};
    for (const unsigned nListy : {Listy({1}), Listy({2, 4}), Listy({3}), Listy({1, 2, 4, 3, 6})})
        for (const char* szKod : {"WL", "WG", "D"})
            for (const std::string& a : teksty)
                for (const std::string& b : teksty)
                    EXPECT_EQ(stan.Pasuje(nListy, szKod, a, b), Liniowo(stan, nListy, szKod, a, b))
                        << nListy << szKod << a << "/" << b;
}

TEST(CStanPrzebiegu, CzyszczenieNieZostawiaNiczegoDlaNastepnegoPliku) {
    CStanPrzebiegu stan;
    for (int n = 1; n <= 6; ++n)
        stan.Dodaj(n, "G5BUD", std::to_string(n), "15");
    for (MapaLicznikow* pMapa :
         {&stan.m_mapaZrodloAkt, &stan.m_mapaZrodloHist, &stan.m_mapaCelAkt, &stan.m_mapaCelHist})
        Zlicz(*pMapa, "G5BUD");
    for (ZbiorTekstow* pZbior : {&stan.m_odwolaniaLokalne, &stan.m_odwolaniaGlobalne,
                                 &stan.m_punktyGlobalne, &stan.m_punktyLokalne})
        DodajPare(*pZbior, "G5BUD", "15");
    stan.WyczyscListy();
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(stan.Lista(n).Licznik(), 0);
    EXPECT_FALSE(stan.Pasuje(Listy({1, 2, 3, 4, 5, 6}), "WL", "15", ""));
    EXPECT_FALSE(stan.Pasuje(Listy({1, 2, 3, 4, 5, 6}), "WG", "G5BUD", "1"));
    stan.WyczyscMapy();
    EXPECT_TRUE(stan.m_mapaZrodloAkt.empty() && stan.m_mapaZrodloHist.empty() &&
                stan.m_mapaCelAkt.empty() && stan.m_mapaCelHist.empty());
    EXPECT_TRUE(ZawieraPare(stan.m_odwolaniaGlobalne, "G5BUD", "15"));
    stan.WyczyscOdwolania();
    EXPECT_TRUE(stan.m_odwolaniaLokalne.empty() && stan.m_odwolaniaGlobalne.empty() &&
                stan.m_punktyGlobalne.empty() && stan.m_punktyLokalne.empty());
}

} // namespace
