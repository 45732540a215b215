// Run state: the removal lists must answer as a walk through the list in order would, and
// every reset must leave nothing of the previous file behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filtr/stan.h"

namespace {

struct CWpis {
    std::string p2, p3, p4;
};

ListaRekordow Lista(const std::vector<CWpis>& wpisy) {
    ListaRekordow lista;
    for (const CWpis& w : wpisy)
        lista.Dodaj(w.p2, w.p3, w.p4);
    return lista;
}

// What walking the list from its start gives.
int Liniowo4(const ListaRekordow& lista, const std::string& p4) {
    for (int i = 0; i < lista.Licznik(); ++i)
        if (lista.Pole4(i) == p4)
            return i;
    return -1;
}

int Liniowo23(const ListaRekordow& lista, const std::string& p2, const std::string& p3) {
    for (int i = 0; i < lista.Licznik(); ++i)
        if (lista.Pole2(i) == p2 && lista.Pole3(i) == p3)
            return i;
    return -1;
}

TEST(ListaRekordow, LookupsGiveTheFirstEntryInListOrder) {
    const ListaRekordow lista = Lista({{"G5BUD", "1", "15"},
                                       {"G5JDR", "77", "15"},
                                       {"G5BUD", "1", "16"},
                                       {"G5BUD", "", ""},
                                       {"G5BUD", "1,2", "x"},
                                       {"G5BUD,1", "2", "y"}});
    const std::vector<std::string> klucze4 = {"15", "16", "", "x", "y", "17"};
    for (const std::string& p4 : klucze4)
        EXPECT_EQ(lista.ZnajdzPole4(p4), Liniowo4(lista, p4)) << p4;
    const std::vector<std::pair<std::string, std::string>> klucze23 = {
        {"G5BUD", "1"},   {"G5JDR", "77"}, {"G5BUD", ""},  {"G5BUD", "1,2"},
        {"G5BUD,1", "2"}, {"G5BUD", "2"},  {"G5JDR", "1"}, {"", ""}};
    for (const auto& [p2, p3] : klucze23)
        EXPECT_EQ(lista.ZnajdzPole23(p2, p3), Liniowo23(lista, p2, p3)) << p2 << "/" << p3;
    EXPECT_EQ(lista.ZnajdzPole4("15"), 0);
    EXPECT_EQ(lista.ZnajdzPole23("G5BUD", "1"), 0);
    // The joined forms must not be confused with one another.
    EXPECT_EQ(lista.ZnajdzPole23("G5BUD", "1,2"), 4);
    EXPECT_EQ(lista.ZnajdzPole23("G5BUD,1", "2"), 5);
}

TEST(ListaRekordow, ManyEntriesAgreeWithALinearWalk) {
    ListaRekordow lista;
    lista.Rezerwuj(16);
    for (int i = 0; i < 300; ++i)
        lista.Dodaj("G5T" + std::to_string(i % 7), std::to_string(i % 13), std::to_string(i % 17));
    EXPECT_EQ(lista.Licznik(), 300);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(lista.ZnajdzPole4(std::to_string(i)), Liniowo4(lista, std::to_string(i)));
        EXPECT_EQ(lista.ZnajdzPole23("G5T" + std::to_string(i % 8), std::to_string(i)),
                  Liniowo23(lista, "G5T" + std::to_string(i % 8), std::to_string(i)));
    }
}

TEST(ListaRekordow, MatchesRelationElementsByCode) {
    const ListaRekordow lista = Lista({{"G5JDR", "77", "15"}});
    struct CPrzypadek {
        const char* kod;
        const char* cel1;
        const char* cel2;
        bool pasuje;
    };
    const CPrzypadek przypadki[] = {
        {"WL", "15", "", true},      {"WL", "77", "", false},      {"WL", "15", "anything", true},
        {"WG", "G5JDR", "77", true}, {"WG", "G5JDR", "15", false}, {"WG", "15", "", false},
        {"D", "15", "", false},      {"K", "G5JDR", "77", false},  {"", "15", "", false},
    };
    for (const CPrzypadek& p : przypadki)
        EXPECT_EQ(lista.Pasuje(p.kod, p.cel1, p.cel2), p.pasuje)
            << p.kod << "," << p.cel1 << "," << p.cel2;
}

TEST(ListaRekordow, EmptyingForgetsEveryEntryAndIndex) {
    ListaRekordow lista = Lista({{"G5BUD", "1", "15"}, {"G5BUD", "2", "16"}});
    lista.Wyczysc();
    EXPECT_EQ(lista.Licznik(), 0);
    EXPECT_EQ(lista.ZnajdzPole4("15"), -1);
    EXPECT_EQ(lista.ZnajdzPole23("G5BUD", "1"), -1);
    EXPECT_FALSE(lista.Pasuje("WL", "15", ""));
    // Entries added afterwards are found at their new positions.
    lista.Dodaj("G5LKL", "9", "16");
    lista.Dodaj("G5BUD", "1", "15");
    EXPECT_EQ(lista.ZnajdzPole4("16"), 0);
    EXPECT_EQ(lista.ZnajdzPole4("15"), 1);
    EXPECT_EQ(lista.ZnajdzPole23("G5BUD", "1"), 1);
}

TEST(Zlicz, CountsPerSymbolFromZero) {
    MapaLicznikow mapa;
    Zlicz(mapa, "G5DZE");
    Zlicz(mapa, "G5DZE");
    Zlicz(mapa, "G5BUD");
    EXPECT_EQ(mapa, (MapaLicznikow{{"G5BUD", 1}, {"G5DZE", 2}}));
}

TEST(CStanPrzebiegu, ResetsLeaveNothingForTheNextFile) {
    CStanPrzebiegu stan;
    for (int n = 1; n <= 6; ++n)
        stan.Lista(n).Dodaj("G5BUD", std::to_string(n), "15");
    Zlicz(stan.m_mapaZrodloAkt, "G5BUD");
    Zlicz(stan.m_mapaZrodloHist, "G5BUD");
    Zlicz(stan.m_mapaCelAkt, "G5BUD");
    Zlicz(stan.m_mapaCelHist, "G5BUD");
    stan.m_odwolaniaLokalne.insert("15");
    stan.m_odwolaniaGlobalne.insert("G5BUD,1");
    stan.m_punktyGlobalne.insert("G5PZG,1");
    stan.m_punktyLokalne.insert("7");

    stan.WyczyscListy();
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(stan.Lista(n).Licznik(), 0) << n;
        EXPECT_FALSE(stan.Lista(n).Pasuje("WL", "15", "")) << n;
    }
    EXPECT_EQ(stan.m_mapaZrodloAkt.size(), 1u); // the maps have their own reset

    stan.WyczyscMapy();
    EXPECT_TRUE(stan.m_mapaZrodloAkt.empty());
    EXPECT_TRUE(stan.m_mapaZrodloHist.empty());
    EXPECT_TRUE(stan.m_mapaCelAkt.empty());
    EXPECT_TRUE(stan.m_mapaCelHist.empty());
    EXPECT_EQ(stan.m_odwolaniaLokalne.size(), 1u);

    stan.WyczyscOdwolania();
    EXPECT_TRUE(stan.m_odwolaniaLokalne.empty());
    EXPECT_TRUE(stan.m_odwolaniaGlobalne.empty());
    EXPECT_TRUE(stan.m_punktyGlobalne.empty());
    EXPECT_TRUE(stan.m_punktyLokalne.empty());
}

} // namespace
