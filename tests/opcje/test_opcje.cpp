// The options model: masks, run predicates and the editing rules of the tabs.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "opcje/opcje.h"

namespace {

std::set<int> WylaczoneStrony(const COpcjeFiltrowania& opcje) {
    std::set<int> strony;
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        if (!opcje.CzyStronaWlaczona(n))
            strony.insert(n);
    }
    return strony;
}

const std::set<int> WSZYSTKIE_WYLACZANE = {3, 10, 14, 15, 16, 17, 21, 22, 23, 24, 25};

TEST(Opcje, MasksKeepOnlyExistingBits) {
    struct {
        int n;
        std::int32_t nUstaw, nOdczyt;
    } przypadki[] = {
        {1, 255, 15},  {14, -1, 32767}, {3, -1, 3}, {0, 0xFFFF, 0x7FF}, {0, -1, 0x7FF},
        {12, 1 << 11, 0}, {15, 0x2AA, 0x2AA}, {25, INT32_MIN, 0},
    };
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        opcje.UstawMaske(p.n, p.nUstaw);
        EXPECT_EQ(opcje.Maska(p.n), p.nOdczyt) << p.n;
        // A mask stored directly (as a window might) still reads back with existing bits only.
        if (p.n > 0)
            opcje.m_anMaskiAtrybutow[p.n] = p.nUstaw;
        EXPECT_EQ(opcje.Maska(p.n), p.nOdczyt) << p.n;
    }
    COpcjeFiltrowania opcje;
    opcje.UstawMaske(26, 1);
    opcje.UstawMaske(-1, 1);
    EXPECT_EQ(opcje.Maska(26), 0);
    EXPECT_EQ(opcje.Maska(-1), 0);
    EXPECT_EQ(opcje.LiczbaAtrybutow(0), 11);
    EXPECT_EQ(opcje.LiczbaAtrybutow(26), 0);
    EXPECT_FALSE(opcje.CzyAtrybutZaznaczony(1, 31));
}

TEST(Opcje, TickedAttributesInBitOrder) {
    COpcjeFiltrowania opcje;
    opcje.UstawMaske(20, (1 << 6) | 1);
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(20), (std::vector<std::string>{"G5KRJ", "G5DTW"}));
    opcje.UstawMaske(12, (1 << 10) | (1 << 8));
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(12), (std::vector<std::string>{"G5RPW\xA3", "G5RKRG"}));
    EXPECT_TRUE(opcje.ZaznaczoneAtrybuty(0).empty());
    EXPECT_TRUE(opcje.ZaznaczoneAtrybuty(1).empty());
}

// Every group alone starts object filtering, buildings and orphans included.
TEST(Opcje, AnyGroupFiltersObjects) {
    COpcjeFiltrowania opcje;
    EXPECT_FALSE(opcje.CzyFiltrowacObiekty());
    for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit) {
        opcje.UstawMaske(0, 1 << nBit);
        EXPECT_TRUE(opcje.CzyFiltrowacObiekty()) << nBit;
    }
    opcje.m_nMaskaObiektow = 1 << 11;  // a bit that is no group
    EXPECT_FALSE(opcje.CzyFiltrowacObiekty());
}

TEST(Opcje, AttributesOfTypesRemovedWholeDoNotCount) {
    struct {
        int nTyp, nGrupa;
        bool bLiczySie;
    } przypadki[] = {
        {15, GrupaLokale, false},    {14, GrupaBudynki, false},  {10, GrupaWladanie, false},
        {23, GrupaDzierzawa, false}, {24, GrupaDzierzawa, false}, {25, GrupaDzierzawa, false},
        {15, GrupaBudynki, true},    {21, GrupaGraficzne, true},  {3, GrupaRejony, true},
        {16, GrupaUzytki, true},     {17, GrupaKontury, true},    {12, GrupaSieroty, true},
    };
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        opcje.UstawMaske(p.nTyp, 1);
        const std::string& strSymbol = OpisTypu(p.nTyp).m_strSymbol;
        EXPECT_TRUE(opcje.CzyFiltrowacAtrybuty());
        EXPECT_TRUE(opcje.CzyFiltrowacAtrybutyTypu(strSymbol));
        opcje.UstawMaske(0, 1 << p.nGrupa);
        EXPECT_EQ(opcje.CzyFiltrowacAtrybuty(), p.bLiczySie) << p.nTyp << " " << p.nGrupa;
        EXPECT_EQ(opcje.CzyFiltrowacAtrybutyTypu(strSymbol), p.bLiczySie) << p.nTyp;
    }
    COpcjeFiltrowania opcje;
    opcje.UstawMaske(12, -1);
    EXPECT_FALSE(opcje.CzyFiltrowacAtrybutyTypu("G5O_DZE"));
    EXPECT_FALSE(opcje.CzyFiltrowacAtrybutyTypu("G5XYZ"));
    EXPECT_FALSE(opcje.CzyFiltrowacAtrybutyTypu("G5JEW"));
}

TEST(Opcje, BuildingsAndPremisesAreCoupledOnClicks) {
    COpcjeFiltrowania opcje;
    EXPECT_TRUE(opcje.KliknijGrupe(GrupaBudynki, true));
    EXPECT_EQ(opcje.Maska(0), 3);
    EXPECT_EQ(WylaczoneStrony(opcje), (std::set<int>{14, 15}));
    EXPECT_FALSE(opcje.KliknijGrupe(GrupaBudynki, true));
    EXPECT_EQ(opcje.Maska(0), 1);
    EXPECT_EQ(WylaczoneStrony(opcje), (std::set<int>{15}));

    opcje.KliknijGrupe(GrupaBudynki, true);
    EXPECT_FALSE(opcje.KliknijGrupe(GrupaLokale, true));
    EXPECT_EQ(opcje.Maska(0), 0);
    EXPECT_TRUE(WylaczoneStrony(opcje).empty());

    EXPECT_TRUE(opcje.KliknijGrupe(GrupaLokale, true));
    EXPECT_EQ(opcje.Maska(0), 1);
    EXPECT_EQ(WylaczoneStrony(opcje), (std::set<int>{15}));
}

TEST(Opcje, OtherGroupsSwitchTheirOwnPages) {
    struct {
        int nBit;
        std::set<int> strony;
    } przypadki[] = {
        {GrupaWladanie, {10}}, {GrupaDzierzawa, {23, 24, 25}}, {GrupaHistoryczne, {}},
        {GrupaGraficzne, {21, 22}}, {GrupaNiestandardowe, {}}, {GrupaRejony, {3}},
        {GrupaUzytki, {16}}, {GrupaKontury, {17}}, {GrupaSieroty, {}},
    };
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        EXPECT_TRUE(opcje.KliknijGrupe(p.nBit, false));
        EXPECT_EQ(opcje.Maska(0), 1 << p.nBit);
        EXPECT_EQ(WylaczoneStrony(opcje), p.strony) << p.nBit;
        EXPECT_FALSE(opcje.KliknijGrupe(p.nBit, false));
        EXPECT_TRUE(WylaczoneStrony(opcje).empty()) << p.nBit;
    }
}

TEST(Opcje, AllAndNoneOnTheObjectTab) {
    COpcjeFiltrowania opcje;
    EXPECT_TRUE(opcje.ZaznaczWszystkie(0, true));
    EXPECT_EQ(opcje.Maska(0), 0x7FF);
    EXPECT_EQ(WylaczoneStrony(opcje), WSZYSTKIE_WYLACZANE);
    EXPECT_TRUE(opcje.ZaznaczWszystkie(0, false));
    EXPECT_EQ(opcje.Maska(0), 0);
    EXPECT_TRUE(WylaczoneStrony(opcje).empty());
}

TEST(Opcje, ObjectValueSetsEveryPageWithoutTouchingTicks) {
    struct {
        std::int32_t nWartosc;
        std::set<int> strony;
    } przypadki[] = {
        {0, {}}, {1, {15}}, {2, {14, 15}}, {8, {23, 24, 25}}, {1 << 10, {}},
        {0x7FF, WSZYSTKIE_WYLACZANE}, {-1, WSZYSTKIE_WYLACZANE}, {0x1 << 11, {}},
    };
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        opcje.ZaznaczWszystkie(0, true);
        const std::int32_t nPrzed = opcje.Maska(0);
        opcje.UstawStronyWedlugObiektow(p.nWartosc);
        EXPECT_EQ(WylaczoneStrony(opcje), p.strony) << p.nWartosc;
        EXPECT_EQ(opcje.Maska(0), nPrzed);
    }
}

TEST(Opcje, DisabledPageKeepsItsTicks) {
    COpcjeFiltrowania opcje;
    opcje.UstawMaske(23, 0b10011);
    opcje.KliknijGrupe(GrupaDzierzawa, true);
    opcje.m_bZmienione = false;
    EXPECT_FALSE(opcje.KliknijAtrybut(23, 0, true));
    EXPECT_FALSE(opcje.ZaznaczWszystkie(23, false));
    EXPECT_EQ(opcje.Maska(23), 0b10011);
    EXPECT_FALSE(opcje.m_bZmienione);
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(23).size(), 3u);
}

TEST(Opcje, DateTicksPropagateToEveryPage) {
    COpcjeFiltrowania opcje;
    opcje.KliknijGrupe(GrupaDzierzawa, true);  // pages 23 to 25 disabled, still propagated to
    const int iDTU14 = COpcjeFiltrowania::IndeksKontrolki(14, 1113);
    ASSERT_EQ(iDTU14, 10);
    EXPECT_TRUE(opcje.KliknijAtrybut(14, iDTU14, true));
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        EXPECT_EQ(opcje.ZaznaczoneAtrybuty(n), std::vector<std::string>{"G5DTU"}) << n;
        EXPECT_EQ(opcje.Maska(n), 1 << COpcjeFiltrowania::IndeksKontrolki(n, 1113));
    }
    opcje.PrzelaczPropagacje();
    EXPECT_TRUE(opcje.KliknijAtrybut(14, iDTU14, false));
    EXPECT_EQ(opcje.Maska(14), 0);
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(12), std::vector<std::string>{"G5DTU"});

    // Unticking the verification date on page 12 unticks it everywhere; other boxes stay.
    COpcjeFiltrowania druga;
    druga.ZaznaczWszystkie(12, true);
    druga.UstawMaske(1, 0b0111);
    druga.KliknijAtrybut(12, COpcjeFiltrowania::IndeksKontrolki(12, 1112), true);
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        for (const std::string& strSymbol : druga.ZaznaczoneAtrybuty(n))
            EXPECT_NE(strSymbol, "G5DTW") << n;
    }
    EXPECT_EQ(druga.ZaznaczoneAtrybuty(1), (std::vector<std::string>{"G5PEW", "G5DTU"}));
    EXPECT_EQ(druga.ZaznaczoneAtrybuty(12).size(), 10u);
}

TEST(Opcje, AllAndNoneOnAPagePropagateBothDates) {
    COpcjeFiltrowania opcje;
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        opcje.UstawMaske(n, -1);
    EXPECT_TRUE(opcje.ZaznaczWszystkie(20, false));
    EXPECT_EQ(opcje.Maska(20), 0);
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        if (n == 20)
            continue;
        const int nDaty = (1 << COpcjeFiltrowania::IndeksKontrolki(n, 1112)) |
                          (1 << COpcjeFiltrowania::IndeksKontrolki(n, 1113));
        EXPECT_EQ(opcje.Maska(n), ((1 << opcje.LiczbaAtrybutow(n)) - 1) & ~nDaty) << n;
    }
    opcje.m_bPropagacja = false;
    EXPECT_TRUE(opcje.ZaznaczWszystkie(20, true));
    EXPECT_EQ(opcje.Maska(20), 0xFF);
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(3).size(), 0u);
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
        {"keyboard attribute", [](auto& o) { o.KliknijAtrybut(4, 2, false); }, false},
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
    COpcjeFiltrowania opcje;
    opcje.PrzelaczSumyCRC();
    opcje.PrzelaczPropagacje();
    EXPECT_FALSE(opcje.m_bSumyCRC);
    EXPECT_FALSE(opcje.m_bPropagacja);
}

}  // namespace
