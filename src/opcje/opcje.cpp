// The filter options: reading, run predicates and the editing rules of the tabs.
#include "opcje/opcje.h"

namespace {

bool CzyNumerPoprawny(int n) {
    return n >= 0 && n <= LICZBA_TYPOW;
}

// The low bits that exist for number n.
std::int32_t BityIstniejace(int nLiczba) {
    return static_cast<std::int32_t>((1u << static_cast<unsigned>(nLiczba)) - 1u);
}

// Types removed whole while a group is ticked: their attribute ticks do not count for a run.
struct CPominiecie {
    int nTyp;
    int nGrupa;
};
constexpr CPominiecie g_pominiecia[] = {
    {TypLKL, GrupaLokale},    {TypBUD, GrupaBudynki},   {TypUDW, GrupaWladanie},
    {TypDZW, GrupaDzierzawa}, {TypUDD, GrupaDzierzawa}, {TypPDZ, GrupaDzierzawa},
};

// The symbol of a date attribute kind (1 "(G5DTW)", 2 "(G5DTU)"), or null.
const char* SymbolDaty(int nRodzaj) {
    return nRodzaj == static_cast<int>(EData::Weryfikacji)  ? SYMBOL_DTW
           : nRodzaj == static_cast<int>(EData::Utworzenia) ? SYMBOL_DTU
                                                            : nullptr;
}

// The object tab's buttons apply the click rules of these groups, in this order.
constexpr int g_kolejnoscRegulWszystkich[] = {GrupaBudynki,   GrupaLokale,  GrupaKontury,
                                              GrupaUzytki,    GrupaRejony,  GrupaGraficzne,
                                              GrupaDzierzawa, GrupaWladanie};

} // namespace

std::array<bool, LICZBA_TYPOW + 1> COpcjeFiltrowania::WszystkieStronyWlaczone() {
    std::array<bool, LICZBA_TYPOW + 1> ab;
    ab.fill(true);
    return ab;
}

bool COpcjeFiltrowania::CzyGrupaZaznaczona(int nBit) const {
    return CzyAtrybutZaznaczony(0, nBit);
}

int COpcjeFiltrowania::LiczbaAtrybutow(int nTyp) const {
    if (nTyp == 0)
        return LICZBA_GRUP;
    if (!CzyNumerPoprawny(nTyp))
        return 0;
    return static_cast<int>(OpisTypu(nTyp).m_atrybuty.size());
}

bool COpcjeFiltrowania::CzyAtrybutZaznaczony(int nTyp, int i) const {
    if (i < 0 || i >= LiczbaAtrybutow(nTyp))
        return false;
    return (Maska(nTyp) >> i) & 1;
}

std::vector<std::string> COpcjeFiltrowania::ZaznaczoneAtrybuty(int nTyp) const {
    std::vector<std::string> wynik;
    if (nTyp < 1 || nTyp > LICZBA_TYPOW)
        return wynik;
    const auto& atrybuty = OpisTypu(nTyp).m_atrybuty;
    for (int i = 0; i < static_cast<int>(atrybuty.size()); ++i) {
        if (CzyAtrybutZaznaczony(nTyp, i))
            wynik.push_back(atrybuty[static_cast<std::size_t>(i)].m_strSymbol);
    }
    return wynik;
}

std::int32_t COpcjeFiltrowania::Maska(int n) const {
    if (!CzyNumerPoprawny(n))
        return 0;
    const std::int32_t nMaska = n == 0 ? m_nMaskaObiektow : m_anMaskiAtrybutow[n];
    return nMaska & BityIstniejace(LiczbaAtrybutow(n));
}

void COpcjeFiltrowania::UstawMaske(int n, std::int32_t nMaska) {
    if (!CzyNumerPoprawny(n))
        return;
    const std::int32_t nWynik = nMaska & BityIstniejace(LiczbaAtrybutow(n));
    if (n == 0)
        m_nMaskaObiektow = nWynik;
    else
        m_anMaskiAtrybutow[n] = nWynik;
}

// Any ticked group starts object filtering, buildings and orphans included: a selection of
// only those (possible through a configuration file) is a real request, not an empty run.
bool COpcjeFiltrowania::CzyFiltrowacObiekty() const {
    return Maska(0) != 0;
}

bool COpcjeFiltrowania::CzyFiltrowacAtrybuty() const {
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        if (CzyFiltrowacAtrybutyTypu(OpisTypu(n).m_strSymbol))
            return true;
    }
    return false;
}

bool COpcjeFiltrowania::CzyFiltrowacAtrybutyTypu(std::string_view strSymbolBazowy) const {
    const int nTyp = NumerTypu(strSymbolBazowy);
    if (nTyp == 0 || Maska(nTyp) == 0)
        return false;
    for (const CPominiecie& p : g_pominiecia) {
        if (p.nTyp == nTyp && CzyGrupaZaznaczona(p.nGrupa))
            return false;
    }
    return true;
}

// ---- Editing ----

void COpcjeFiltrowania::UstawBit(int n, int i, bool bStan) {
    const std::int32_t nBit = std::int32_t{1} << i;
    UstawMaske(n, bStan ? (Maska(n) | nBit) : (Maska(n) & ~nBit));
}

void COpcjeFiltrowania::UstawStrone(int n, bool bWlacz) {
    if (n >= 1 && n <= LICZBA_TYPOW)
        m_abStronyWlaczone[static_cast<std::size_t>(n)] = bWlacz;
}

bool COpcjeFiltrowania::CzyStronaWlaczona(int n) const {
    if (n < 1 || n > LICZBA_TYPOW)
        return n == 0;
    return m_abStronyWlaczone[static_cast<std::size_t>(n)];
}

// The click rules of the object tab for group nBit in its current state.
void COpcjeFiltrowania::ZastosujRegulyGrupy(int nBit) {
    const bool bZaznaczona = CzyGrupaZaznaczona(nBit);
    if (nBit == GrupaBudynki) {
        UstawStrone(TypBUD, !bZaznaczona);
        if (bZaznaczona && !CzyGrupaZaznaczona(GrupaLokale)) {
            UstawBit(0, GrupaLokale, true);
            UstawStrone(TypLKL, false);
        }
    } else if (nBit == GrupaLokale) {
        UstawStrone(TypLKL, !bZaznaczona);
        if (!bZaznaczona && CzyGrupaZaznaczona(GrupaBudynki)) {
            UstawBit(0, GrupaBudynki, false);
            UstawStrone(TypBUD, true);
        }
    } else {
        for (int nStrona : OpisGrupy(nBit).m_anStrony)
            UstawStrone(nStrona, !bZaznaczona);
    }
}

bool COpcjeFiltrowania::KliknijGrupe(int nBit, bool bMysz) {
    if (nBit < 0 || nBit >= LICZBA_GRUP)
        return false;
    if (bMysz)
        m_bZmienione = true;
    UstawBit(0, nBit, !CzyGrupaZaznaczona(nBit));
    ZastosujRegulyGrupy(nBit);
    return CzyGrupaZaznaczona(nBit);
}

bool COpcjeFiltrowania::KliknijAtrybut(int nTyp, int i, bool bMysz) {
    if (nTyp < 1 || nTyp > LICZBA_TYPOW || i < 0 || i >= LiczbaAtrybutow(nTyp))
        return false;
    if (!CzyStronaWlaczona(nTyp))
        return false; // a disabled box takes no click
    if (bMysz)
        m_bZmienione = true;
    const bool bStan = !CzyAtrybutZaznaczony(nTyp, i);
    UstawBit(nTyp, i, bStan);
    for (const EData eData : {EData::Weryfikacji, EData::Utworzenia}) {
        if (i == IndeksAtrybutu(nTyp, SymbolDaty(static_cast<int>(eData))))
            Propaguj(static_cast<int>(eData), bStan);
    }
    return true;
}

bool COpcjeFiltrowania::ZaznaczWszystkie(int n, bool bStan) {
    if (!CzyNumerPoprawny(n) || !CzyStronaWlaczona(n))
        return false;
    UstawMaske(n, bStan ? -1 : 0);
    m_bZmienione = true;
    if (n == 0) {
        for (int nBit : g_kolejnoscRegulWszystkich)
            ZastosujRegulyGrupy(nBit);
    } else {
        for (const EData eData : {EData::Weryfikacji, EData::Utworzenia}) {
            const int nRodzaj = static_cast<int>(eData);
            Propaguj(nRodzaj, CzyAtrybutZaznaczony(n, IndeksAtrybutu(n, SymbolDaty(nRodzaj))));
        }
    }
    return true;
}

void COpcjeFiltrowania::Propaguj(int nRodzaj, bool bStan) {
    if (!m_bPropagacja)
        return;
    const char* szSymbol = SymbolDaty(nRodzaj);
    if (szSymbol == nullptr)
        return;
    for (int nTyp = 1; nTyp <= LICZBA_TYPOW; ++nTyp) {
        const int i = IndeksAtrybutu(nTyp, szSymbol);
        if (i >= 0)
            UstawBit(nTyp, i, bStan);
    }
}

void COpcjeFiltrowania::PrzelaczSumyCRC() {
    m_bSumyCRC = !m_bSumyCRC;
}

void COpcjeFiltrowania::PrzelaczPropagacje() {
    m_bPropagacja = !m_bPropagacja;
}

void COpcjeFiltrowania::UstawStronyWedlugObiektow(std::int32_t nWartosc) {
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        UstawStrone(n, true);
    for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit) {
        if ((nWartosc >> nBit) & 1) {
            for (int nStrona : OpisGrupy(nBit).m_anStrony)
                UstawStrone(nStrona, false);
        }
    }
}
