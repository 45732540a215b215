// The filter options: which object groups and which attributes a run removes, the CRC and
// propagation flags, remembered folders and where the settings came from.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "opcje/slownik.h"

class COpcjeFiltrowania {
public:
    std::int32_t m_nMaskaObiektow = 0;                               // bits 0..10
    std::array<std::int32_t, LICZBA_TYPOW + 1> m_anMaskiAtrybutow{}; // index 1..25
    bool m_bSumyCRC = true;
    bool m_bPropagacja = true;
    std::string m_strZrodloDanych;
    std::string m_strUjscieDanych;
    // The folder the targets of added files go to; empty: beside their sources.
    std::string m_strKatalogDocelowy;
    std::string m_strKatalogKonfiguracji;
    std::string m_strPlikKonfiguracji;
    bool m_bZmienione = false;
    // Whether each attribute page (1..25) can be edited; an object group that removes a type
    // whole disables its page. Index 0 is unused (the object tab is never disabled here).
    std::array<bool, LICZBA_TYPOW + 1> m_abStronyWlaczone = WszystkieStronyWlaczone();

    // Reading.
    bool CzyGrupaZaznaczona(int nBit) const;
    int LiczbaAtrybutow(int nTyp) const; // 11 for 0
    bool CzyAtrybutZaznaczony(int nTyp, int i) const;
    std::vector<std::string> ZaznaczoneAtrybuty(int nTyp) const;
    std::int32_t Maska(int n) const;             // 0 = object groups, 1..25 = types
    void UstawMaske(int n, std::int32_t nMaska); // keeps only the bits that exist

    // Run predicates, judged on a snapshot of the options.
    bool CzyFiltrowacObiekty() const;
    bool CzyFiltrowacAtrybuty() const;
    bool CzyFiltrowacAtrybutyTypu(std::string_view strSymbolBazowy) const;
    // Whether a run has anything to do; a run without it is refused.
    bool CzyJestCoFiltrowac() const { return CzyFiltrowacObiekty() || CzyFiltrowacAtrybuty(); }

    // Editing, shared by every front end. A front end binds its controls to these operations
    // and redraws the ticks and the page states from the model after each one. bMysz tells a
    // mouse click (which marks the options as changed) from a keyboard toggle (which does not).

    // The object tab: toggles group nBit and applies the tab's click rules (ticking buildings
    // ticks premises, unticking premises unticks buildings) and the page states. Returns the
    // group's new state.
    bool KliknijGrupe(int nBit, bool bMysz);
    // Attribute page nTyp: toggles box i unless the page is disabled; a date box propagates.
    // Returns whether the box changed.
    bool KliknijAtrybut(int nTyp, int i, bool bMysz);
    // "Włącz wszystkie" (true) or "Wyłącz wszystkie" (false) on page n: 0 = the object tab,
    // 1..25 = an attribute page (does nothing on a disabled page). Marks the options as
    // changed. Returns whether anything was done.
    bool ZaznaczWszystkie(int n, bool bStan);
    // Sets the date box of kind nRodzaj (EData: 1 = "(G5DTW)", 2 = "(G5DTU)") on all 25 pages,
    // disabled ones included, when propagation is on. No change mark, no further rules.
    void Propaguj(int nRodzaj, bool bStan);
    // The two menu options; neither marks the options as changed.
    void PrzelaczSumyCRC();
    void PrzelaczPropagacje();

    // Page states. CzyStronaWlaczona(0) is always true.
    bool CzyStronaWlaczona(int n) const;
    // The rules used when a configuration file gives an "Obiekty" value: every page's state
    // follows the value's bits directly (a page is enabled exactly when no set bit disables
    // it); no tick changes.
    void UstawStronyWedlugObiektow(std::int32_t nWartosc);

private:
    static std::array<bool, LICZBA_TYPOW + 1> WszystkieStronyWlaczone();
    void ZastosujRegulyGrupy(int nBit);
    void UstawBit(int n, int i, bool bStan);
    void UstawStrone(int n, bool bWlacz);
};
