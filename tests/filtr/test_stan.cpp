// Run state: the removal lists must answer as a walk through the list in order would, and
// every reset must leave nothing of the previous file behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filtr/stan.h"

namespace {

// What walking the list from its start gives.
int Liniowo(const ListaRekordow& lista, const std::string* p2, const std::string* p3,
            const std::string* p4) {
    for (int i = 0; i < lista.Licznik(); ++i)
        if (p4 ? lista.Pole4(i) == *p4 : lista.Pole2(i) == *p2 && lista.Pole3(i) == *p3)
            return i;
    return -1;
}

TEST(ListaRekordow, LookupsGiveTheFirstEntryInListOrder) {
    ListaRekordow lista;
    // Repeated keys, empty fields, and joined forms that must not be confused.
    lista.Dodaj("G5BUD", "1,2", "x");
    lista.Dodaj("G5BUD,1", "2", "y");
    lista.Dodaj("G5BUD", "", "");
    for (int i = 0; i < 200; ++i)
        lista.Dodaj("G5T" + std::to_string(i % 7), std::to_string(i % 13), std::to_string(i % 17));
    const std::vector<std::string> teksty = {"",  "1", "2",     "5",       "12",   "16", "17",
                                             "x", "y", "G5BUD", "G5BUD,1", "G5T3", "1,2"};
    for (const std::string& a : teksty) {
        EXPECT_EQ(lista.ZnajdzPole4(a), Liniowo(lista, nullptr, nullptr, &a)) << a;
        for (const std::string& b : teksty)
            EXPECT_EQ(lista.ZnajdzPole23(a, b), Liniowo(lista, &a, &b, nullptr)) << a << "/" << b;
    }
    EXPECT_EQ(lista.ZnajdzPole23("G5BUD", "1,2"), 0);
    EXPECT_EQ(lista.ZnajdzPole23("G5BUD,1", "2"), 1);
}

TEST(ListaRekordow, MatchesRelationElementsByCode) {
    ListaRekordow lista;
    lista.Dodaj("G5JDR", "77", "15");
    struct CPrzypadek {
        const char *kod, *cel1, *cel2;
        bool pasuje;
    };
    // clang-format off
    const CPrzypadek przypadki[] = {
        {"WL", "15", "", true}, {"WL", "77", "", false}, {"WL", "15", "x", true},
        {"WG", "G5JDR", "77", true}, {"WG", "G5JDR", "15", false}, {"WG", "15", "", false},
        {"D", "15", "", false}, {"K", "G5JDR", "77", false}, {"", "15", "", false},
    };
    // clang-format on
    for (const CPrzypadek& p : przypadki)
        EXPECT_EQ(lista.Pasuje(p.kod, p.cel1, p.cel2), p.pasuje) << p.kod << p.cel1 << p.cel2;
}

TEST(CStanPrzebiegu, ResetsLeaveNothingForTheNextFile) {
    CStanPrzebiegu stan;
    for (int n = 1; n <= 6; ++n)
        stan.Lista(n).Dodaj("G5BUD", std::to_string(n), "15");
    for (MapaLicznikow* pMapa :
         {&stan.m_mapaZrodloAkt, &stan.m_mapaZrodloHist, &stan.m_mapaCelAkt, &stan.m_mapaCelHist})
        Zlicz(*pMapa, "G5BUD");
    for (auto* pZbior : {&stan.m_odwolaniaLokalne, &stan.m_odwolaniaGlobalne,
                         &stan.m_punktyGlobalne, &stan.m_punktyLokalne})
        pZbior->insert("15");

    stan.WyczyscListy();
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(stan.Lista(n).Licznik(), 0);
        EXPECT_FALSE(stan.Lista(n).Pasuje("WL", "15", ""));
    }
    stan.Lista(2).Dodaj("G5LKL", "9", "16");
    EXPECT_EQ(stan.Lista(2).ZnajdzPole4("16"), 0);
    EXPECT_EQ(stan.m_mapaZrodloAkt, (MapaLicznikow{{"G5BUD", 1}}));

    stan.WyczyscMapy();
    EXPECT_TRUE(stan.m_mapaZrodloAkt.empty() && stan.m_mapaZrodloHist.empty() &&
                stan.m_mapaCelAkt.empty() && stan.m_mapaCelHist.empty());
    EXPECT_EQ(stan.m_odwolaniaLokalne.size(), 1u);

    stan.WyczyscOdwolania();
    EXPECT_TRUE(stan.m_odwolaniaLokalne.empty() && stan.m_odwolaniaGlobalne.empty() &&
                stan.m_punktyGlobalne.empty() && stan.m_punktyLokalne.empty());
}

} // namespace
