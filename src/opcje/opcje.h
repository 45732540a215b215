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
    std::int32_t m_nMaskaObiektow = 0;                       // bits 0..10
    std::array<std::int32_t, LICZBA_TYPOW + 1> m_anMaskiAtrybutow{};  // index 1..25
    bool m_bSumyCRC = true;
    bool m_bPropagacja = true;
    std::string m_strZrodloDanych;
    std::string m_strUjscieDanych;
    std::string m_strKatalogKonfiguracji;
    std::string m_strPlikKonfiguracji;
    bool m_bZmienione = false;

    // Reading.
    bool CzyGrupaZaznaczona(int nBit) const;
    int LiczbaAtrybutow(int nTyp) const;  // 11 for 0
    bool CzyAtrybutZaznaczony(int nTyp, int i) const;
    std::vector<std::string> ZaznaczoneAtrybuty(int nTyp) const;
    std::int32_t Maska(int n) const;      // 0 = object groups, 1..25 = types
    void UstawMaske(int n, std::int32_t nMaska);  // keeps only the bits that exist

    // Run predicates, judged on a snapshot of the options.
    bool CzyFiltrowacObiekty() const;
    bool CzyFiltrowacAtrybuty() const;
    bool CzyFiltrowacAtrybutyTypu(std::string_view strSymbolBazowy) const;
};
