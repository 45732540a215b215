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
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        if (!opcje.CzyStronaWlaczona(n))
            strony.insert(n);
    return strony;
}

int BitDaty(int nTyp, const char* szSymbol) {
    return 1 << IndeksAtrybutu(nTyp, szSymbol);
}

// Masks keep only the bits that exist; any group alone, buildings and orphans included, starts
// object filtering.
TEST(Opcje, MasksAndObjectFiltering) {
    // clang-format off
    struct { int n; std::int32_t nUstaw, nOdczyt; } przypadki[] = {
        {3, -1, 3}, {12, 1 << 11, 0}, {26, 1, 0}, {-1, 1, 0}, {25, INT32_MIN, 0}};
    // clang-format on
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        opcje.UstawMaske(p.n, p.nUstaw);
        EXPECT_EQ(opcje.Maska(p.n), p.nOdczyt) << p.n;
    }
    COpcjeFiltrowania opcje;
    opcje.UstawMaske(12, (1 << 10) | (1 << 8));
    EXPECT_EQ(opcje.ZaznaczoneAtrybuty(12), (Symbole{"G5RPW\xA3", "G5RKRG"}));
    EXPECT_FALSE(opcje.CzyFiltrowacObiekty());
    for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit) {
        opcje.UstawMaske(0, 1 << nBit);
        EXPECT_TRUE(opcje.CzyFiltrowacObiekty()) << nBit;
    }
    opcje.m_nMaskaObiektow = 1 << 11; // no group
    EXPECT_FALSE(opcje.CzyFiltrowacObiekty());
}

TEST(Opcje, AttributesOfTypesRemovedWholeDoNotCount) {
    // clang-format off
    struct { int nTyp, nGrupa; bool bLiczySie; } przypadki[] = {
        {15, GrupaLokale, false}, {14, GrupaBudynki, false}, {10, GrupaWladanie, false},
        {23, GrupaDzierzawa, false}, {25, GrupaDzierzawa, false}, {15, GrupaBudynki, true},
        {21, GrupaGraficzne, true}, {3, GrupaRejony, true}};
    // clang-format on
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        opcje.UstawMaske(p.nTyp, 1);
        const std::string& strSymbol = OpisTypu(p.nTyp).m_strSymbol;
        EXPECT_TRUE(opcje.CzyFiltrowacAtrybuty() && opcje.CzyFiltrowacAtrybutyTypu(strSymbol));
        opcje.UstawMaske(0, 1 << p.nGrupa);
        EXPECT_EQ(opcje.CzyFiltrowacAtrybuty(), p.bLiczySie) << p.nTyp << " " << p.nGrupa;
        EXPECT_EQ(opcje.CzyFiltrowacAtrybutyTypu(strSymbol), p.bLiczySie) << p.nTyp;
    }
}

// Clicks on the object tab: ticking buildings ticks premises, unticking premises unticks
// buildings; every group disables its own pages while ticked.
TEST(Opcje, GroupClicksSetTicksAndPages) {
    const int B = GrupaBudynki, L = GrupaLokale, D = GrupaDzierzawa;
    // clang-format off
    const struct {
        std::vector<int> klikniecia;
        std::int32_t nMaska;
        Strony strony;
    } przypadki[] = {
        {{B}, 3, {14, 15}}, {{B, B}, 1, {15}}, {{B, L}, 0, {}}, {{L}, 1, {15}},
        {{GrupaWladanie}, 4, {10}}, {{D}, 8, {23, 24, 25}}, {{D, D}, 0, {}},
        {{GrupaHistoryczne}, 16, {}}, {{GrupaGraficzne}, 32, {21, 22}},
        {{GrupaNiestandardowe}, 64, {}}, {{GrupaRejony}, 128, {3}}, {{GrupaUzytki}, 256, {16}},
        {{GrupaKontury}, 512, {17}}, {{GrupaSieroty}, 1024, {}},
    };
    // clang-format on
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje;
        bool bStan = false;
        for (int nBit : p.klikniecia)
            bStan = opcje.KliknijGrupe(nBit, false);
        SCOPED_TRACE(p.nMaska);
        EXPECT_EQ(bStan, ((p.nMaska >> p.klikniecia.back()) & 1) == 1);
        EXPECT_EQ(opcje.Maska(0), p.nMaska);
        EXPECT_EQ(WylaczoneStrony(opcje), p.strony);
    }
}

// The tab's all/none buttons, and the "Obiekty" value of a file, which sets the pages from its
// bits without changing a tick.
TEST(Opcje, ButtonsAndFileValuesSetThePages) {
    const Strony WSZYSTKIE = {3, 10, 14, 15, 16, 17, 21, 22, 23, 24, 25};
    COpcjeFiltrowania opcje;
    EXPECT_TRUE(opcje.ZaznaczWszystkie(0, true));
    EXPECT_EQ(opcje.Maska(0), 0x7FF);
    EXPECT_EQ(WylaczoneStrony(opcje), WSZYSTKIE);
    const std::pair<std::int32_t, Strony> wartosci[] = {
        {0, {}}, {1, {15}}, {2, {14, 15}}, {8, {23, 24, 25}}, {-1, WSZYSTKIE}};
    for (const auto& [nWartosc, strony] : wartosci) {
        opcje.UstawStronyWedlugObiektow(nWartosc);
        EXPECT_EQ(WylaczoneStrony(opcje), strony) << nWartosc;
        EXPECT_EQ(opcje.Maska(0), 0x7FF);
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
        EXPECT_EQ(opcje.Maska(n), BitDaty(n, SYMBOL_DTU)) << n;
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
        EXPECT_EQ(opcje.Maska(n), nWszystkie & ~(BitDaty(n, SYMBOL_DTW) | BitDaty(n, SYMBOL_DTU))) << n;
    }
}

// Mouse ticks and the all/none buttons mark a change; keyboard ticks (a date's propagation
// included) and menu toggles do not.
TEST(Opcje, WhatMarksTheOptionsChanged) {
    // clang-format off
    const std::pair<std::function<void(COpcjeFiltrowania&)>, bool> przypadki[] = {
        {[](auto& o) { o.KliknijGrupe(GrupaHistoryczne, true); }, true},
        {[](auto& o) { o.KliknijGrupe(GrupaHistoryczne, false); }, false},
        {[](auto& o) { o.KliknijAtrybut(4, 2, true); }, true},
        {[](auto& o) { o.KliknijAtrybut(4, 6, false); }, false},
        {[](auto& o) { o.ZaznaczWszystkie(7, true); }, true},
        {[](auto& o) { o.ZaznaczWszystkie(0, false); }, true},
        {[](auto& o) { o.PrzelaczSumyCRC(); }, false}, {[](auto& o) { o.PrzelaczPropagacje(); }, false}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(przypadki); ++i) {
        COpcjeFiltrowania opcje;
        przypadki[i].first(opcje);
        EXPECT_EQ(opcje.m_bZmienione, przypadki[i].second) << i;
    }
}

} // namespace
