// The object pass over the "SO;" section and the decisions of its four stages: stage 1 applies
// the ticked object groups (and turns graphic objects into descriptive ones, counts objects
// for the log and removes ticked attributes); stages 2 to 4 remove the objects that existed
// only because of what stage 1 removed.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "filtr/przebieg.h"
#include "filtr/zbiory.h"

// The 36 known type symbols; entries 27 to 35 are the purely graphic types.
constexpr int LICZBA_TYPOW_OBIEKTOW = 36;
constexpr int PIERWSZY_TYP_GRAFICZNY = 27;
const std::array<std::string_view, LICZBA_TYPOW_OBIEKTOW>& TypyObiektow();

// Field 2 (type symbol as written) is one of the 36 known types. The record kind is not used.
bool CzyTypZnany(std::string_view strRodzaj, std::string_view strTyp);
// A purely graphic type, an "RP" or "RL" record, or an "RO" record of G5RST, G5KKL or G5UZG.
bool CzyObiektGraficzny(std::string_view strRodzaj, std::string_view strTyp);
// Some element line has field 1 equal to the symbol and field 3, with one trailing ";"
// removed, equal to the value.
bool MaAtrybut(std::string_view strSymbol, const Rekord& rekord, std::string_view strWartosc);

// List 5 (relation elements of dropped lease subjects) prepared for stage 3: the first entry
// matching a lease by "WL" or by "WG", and the first entry with any other code, so that hashed
// lookups give what walking the list in order would give.
struct CIndeksListy5 {
    std::unordered_map<std::string, int> m_indeks;
    int m_nPierwszyBledny = -1;
};
CIndeksListy5 ZbudujIndeksListy5(const ListaRekordow& lista5);

// What stage 1 works out once for each type symbol it meets (as written).
struct CTypEtapu1 {
    std::string strBaza;                    // base symbol
    std::vector<std::string> astrAtrybuty; // ticked attributes to remove from its records
    std::array<long*, 4> apLiczniki{};      // its counts in the run state's maps, once made
};
using CTypyEtapu1 = CPamiecTypow<CTypEtapu1>;

// Decisions: true keeps the (possibly changed) record, false drops it (the record is emptied
// and noted in the run state's lists). Their errors carry no location; the pass adds it.
bool SprawdzRekordEtap1(Rekord& rekord, bool bAtrybuty, CStanPrzebiegu& stan,
                        const COpcjeFiltrowania& opcje, CTypyEtapu1& typy);
bool SprawdzRekordEtap2(Rekord& rekord, CStanPrzebiegu& stan, const COpcjeFiltrowania& opcje);
bool SprawdzRekordEtap3(Rekord& rekord, CStanPrzebiegu& stan, const CIndeksListy5& indeks);
bool SprawdzRekordEtap4(Rekord& rekord, CStanPrzebiegu& stan);

// Object stage nEtap of nLiczbaEtapow over a whole file, kept records ending with "X;". The
// first stage writes the target header of pPara. False when the run was cancelled.
bool FiltrujObiekty(CKontekstPrzebiegu& k, int nEtap, int nLiczbaEtapow, bool bAtrybuty,
                    const CParaPlikow* pPara);
