// The options model: masks, run predicates and the editing rules of the tabs.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "opcje/opcje.h"

namespace {

using Strony = std::set<int>;
using Symbole = std::vector<std::string>;

Strony WylaczoneStrony(const COpcjeFiltrowania& opcje) {
    Strony strony;
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        if (!opcje.CzyStronaWlaczona(n))
            strony.insert(n);
    }
    return strony;
}

const Strony WSZYSTKIE_WYLACZANE = {3, 10, 14, 15, 16, 17, 21, 22, 23, 24, 25};

int BitDaty(int nTyp, int nKontrolka) {
    return 1 << COpcjeFiltrowania::IndeksKontrolki(nTyp, nKontrolka);
}

TEST(Opcje, MasksKeepOnlyExistingBits) {
    struct {
        int n;
        std::int32_t nUstaw, nOdczyt;
    } przypadki[] = {{1, 255, 15},     {14, -1, 32767}, {3, -1, 3}, {0, -1, 0x7FF},
                     {12, 1 << 11, 0}, {26, 1, 0},      {-1, 1, 0}, {25, INT32_MIN, 0}};
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        opcje.UstawMaske(p.n, p.nUstaw);
        EXPECT_EQ(opcje.Maska(p.n), p.nOdczyt) << p.n;
    }
    COpcjeFiltrowania opcje;
    opcje.UstawMaske(20, (1 << 6) | 1);
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(20), (Symbole{"G5KRJ", "G5DTW"}));
    opcje.UstawMaske(12, (1 << 10) | (1 << 8));
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(12), (Symbole{"G5RPW\xA3", "G5RKRG"}));
}

// Every group alone starts object filtering, buildings and orphans included.
TEST(Opcje, AnyGroupFiltersObjects) {
    COpcjeFiltrowania opcje;
    EXPECT_FALSE(opcje.CzyFiltrowacObiekty());
    for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit) {
        opcje.UstawMaske(0, 1 << nBit);
        EXPECT_TRUE(opcje.CzyFiltrowacObiekty()) << nBit;
    }
    opcje.m_nMaskaObiektow = 1 << 11; // no group
    EXPECT_FALSE(opcje.CzyFiltrowacObiekty());
}

TEST(Opcje, AttributesOfTypesRemovedWholeDoNotCount) {
    struct {
        int nTyp, nGrupa;
        bool bLiczySie;
    } przypadki[] = {
        {15, GrupaLokale, false},    {14, GrupaBudynki, false},   {10, GrupaWladanie, false},
        {23, GrupaDzierzawa, false}, {24, GrupaDzierzawa, false}, {25, GrupaDzierzawa, false},
        {15, GrupaBudynki, true},    {21, GrupaGraficzne, true},  {3, GrupaRejony, true},
    };
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        opcje.UstawMaske(p.nTyp, 1);
        const std::string& strSymbol = OpisTypu(p.nTyp).m_strSymbol;
        EXPECT_TRUE(opcje.CzyFiltrowacAtrybuty() && opcje.CzyFiltrowacAtrybutyTypu(strSymbol));
        opcje.UstawMaske(0, 1 << p.nGrupa);
        EXPECT_EQ(opcje.CzyFiltrowacAtrybuty(), p.bLiczySie) << p.nTyp << " " << p.nGrupa;
        EXPECT_EQ(opcje.CzyFiltrowacAtrybutyTypu(strSymbol), p.bLiczySie) << p.nTyp;
    }
    COpcjeFiltrowania opcje;
    opcje.UstawMaske(12, -1);
    for (const char* szSymbol : {"G5O_DZE", "G5XYZ", "G5JEW"})
        EXPECT_FALSE(opcje.CzyFiltrowacAtrybutyTypu(szSymbol)) << szSymbol;
}

TEST(Opcje, BuildingsAndPremisesAreCoupledOnClicks) {
    COpcjeFiltrowania opcje;
    EXPECT_TRUE(opcje.KliknijGrupe(GrupaBudynki, true));
    EXPECT_EQ(opcje.Maska(0), 3);
    EXPECT_EQ(WylaczoneStrony(opcje), (Strony{14, 15}));
    EXPECT_FALSE(opcje.KliknijGrupe(GrupaBudynki, true));
    EXPECT_EQ(opcje.Maska(0), 1);
    EXPECT_EQ(WylaczoneStrony(opcje), (Strony{15}));

    opcje.KliknijGrupe(GrupaBudynki, true);
    EXPECT_FALSE(opcje.KliknijGrupe(GrupaLokale, true));
    EXPECT_EQ(opcje.Maska(0), 0);
    EXPECT_TRUE(WylaczoneStrony(opcje).empty());
}

// Clicks on the other groups, the tab's all/none buttons, and the "Obiekty" value of a file.
TEST(Opcje, PageStatesFollowTheGroups) {
    struct {
        int nBit;
        Strony strony;
    } klikniecia[] = {
        {GrupaWladanie, {10}},      {GrupaDzierzawa, {23, 24, 25}}, {GrupaHistoryczne, {}},
        {GrupaGraficzne, {21, 22}}, {GrupaNiestandardowe, {}},      {GrupaRejony, {3}},
        {GrupaUzytki, {16}},        {GrupaKontury, {17}},           {GrupaSieroty, {}},
    };
    for (const auto& p : klikniecia) {
        COpcjeFiltrowania opcje;
        EXPECT_TRUE(opcje.KliknijGrupe(p.nBit, false));
        EXPECT_EQ(WylaczoneStrony(opcje), p.strony) << p.nBit;
        EXPECT_FALSE(opcje.KliknijGrupe(p.nBit, false));
        EXPECT_TRUE(WylaczoneStrony(opcje).empty()) << p.nBit;
    }
    COpcjeFiltrowania opcje;
    EXPECT_TRUE(opcje.ZaznaczWszystkie(0, true));
    EXPECT_EQ(opcje.Maska(0), 0x7FF);
    EXPECT_EQ(WylaczoneStrony(opcje), WSZYSTKIE_WYLACZANE);

    struct {
        std::int32_t nWartosc;
        Strony strony;
    } wartosci[] = {
        {0, {}}, {1, {15}}, {2, {14, 15}}, {8, {23, 24, 25}}, {-1, WSZYSTKIE_WYLACZANE}};
    for (const auto& p : wartosci) {
        opcje.UstawStronyWedlugObiektow(p.nWartosc);
        EXPECT_EQ(WylaczoneStrony(opcje), p.strony) << p.nWartosc;
        EXPECT_EQ(opcje.Maska(0), 0x7FF); // no tick changes
    }
    EXPECT_TRUE(opcje.ZaznaczWszystkie(0, false));
    EXPECT_EQ(opcje.Maska(0), 0);
    EXPECT_TRUE(WylaczoneStrony(opcje).empty());
}

TEST(Opcje, DateTicksPropagateToEveryPage) {
    COpcjeFiltrowania opcje;
    opcje.KliknijGrupe(GrupaDzierzawa, false); // pages 23 to 25 disabled: no clicks, no buttons,
    EXPECT_FALSE(opcje.KliknijAtrybut(23, 3, true) || opcje.ZaznaczWszystkie(23, true));
    EXPECT_TRUE(opcje.KliknijAtrybut(14, 10, true)); // but propagated "(G5DTU)" of page 14
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        EXPECT_EQ(opcje.Maska(n), BitDaty(n, 1113)) << n;
    opcje.PrzelaczPropagacje();
    EXPECT_TRUE(opcje.KliknijAtrybut(14, 10, false));
    EXPECT_EQ(opcje.Maska(14), 0);
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(12), Symbole{"G5DTU"});

    // "Wyłącz wszystkie" on page 20 clears it and both dates everywhere; other boxes stay.
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        opcje.UstawMaske(n, -1);
    opcje.PrzelaczPropagacje();
    EXPECT_TRUE(opcje.ZaznaczWszystkie(20, false));
    EXPECT_EQ(opcje.Maska(20), 0);
    for (int n = 1; n < 20; ++n) {
        const int nWszystkie = (1 << opcje.LiczbaAtrybutow(n)) - 1;
        EXPECT_EQ(opcje.Maska(n), nWszystkie & ~(BitDaty(n, 1112) | BitDaty(n, 1113))) << n;
    }
}

// Mouse ticks and the all/none buttons mark a change; keyboard ticks, menu toggles and
// propagation do not.
TEST(Opcje, WhatMarksTheOptionsChanged) {
    struct {
        const char* szOpis;
        std::function<void(COpcjeFiltrowania&)> akcja;
        bool bZmienione;
    } przypadki[] = {
        {"mouse group", [](auto& o) { o.KliknijGrupe(GrupaHistoryczne, true); }, true},
        {"keyboard group", [](auto& o) { o.KliknijGrupe(GrupaHistoryczne, false); }, false},
        {"mouse attribute", [](auto& o) { o.KliknijAtrybut(4, 2, true); }, true},
        {"keyboard date", [](auto& o) { o.KliknijAtrybut(4, 6, false); }, false},
        {"all on a page", [](auto& o) { o.ZaznaczWszystkie(7, true); }, true},
        {"none on the tab", [](auto& o) { o.ZaznaczWszystkie(0, false); }, true},
        {"CRC menu", [](auto& o) { o.PrzelaczSumyCRC(); }, false},
        {"propagation menu", [](auto& o) { o.PrzelaczPropagacje(); }, false},
        {"propagation", [](auto& o) { o.Propaguj(1, true); }, false},
    };
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        p.akcja(opcje);
        EXPECT_EQ(opcje.m_bZmienione, p.bZmienione) << p.szOpis;
    }
}

} // namespace
