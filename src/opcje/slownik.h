// The vocabulary of the options: the 11 object groups and the 25 object types with their
// attributes, in bit order. All texts are code page 1250.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum EGrupa {
    GrupaLokale = 0,
    GrupaBudynki,
    GrupaWladanie,
    GrupaDzierzawa,
    GrupaHistoryczne,
    GrupaGraficzne,
    GrupaNiestandardowe,
    GrupaRejony,
    GrupaUzytki,
    GrupaKontury,
    GrupaSieroty,
    LICZBA_GRUP
};

constexpr int LICZBA_TYPOW = 25; // types are numbered 1 to 25

struct COpisGrupy {
    std::string m_strPodpis;       // caption on the tab, "Danych dotyczących lokali"
    std::string m_strEtykietaLogu; // label in the log, "Dane dotyczące lokali"
    int m_nKontrolka;              // control id, 1121
    std::vector<int> m_anStrony;   // attribute pages disabled while ticked
};

struct COpisAtrybutu {
    std::string m_strPodpis;     // check box caption, "Pole powierzchni ewidencyjnej (G5PEW)"
    std::string m_strSymbol;     // symbol as compared in files, "G5RPWŁ"
    std::string m_strSymbolLogu; // symbol as written in the log, "G5RPWL"
    int m_nKontrolka;            // control id, 1139
};

struct COpisTypu {
    std::string m_strKlucz;                // configuration key, "JEW"
    std::string m_strSymbol;               // "G5JEW"
    std::string m_strPodpis;               // list caption, "Jednostka ewidencyjna (G5JEW)"
    std::string m_strEtykietaLogu;         // "G5JEW(jednostka ewidencyjna): "
    std::vector<COpisAtrybutu> m_atrybuty; // bit order
};

const COpisGrupy& OpisGrupy(int nBit); // 0..10
const COpisTypu& OpisTypu(int nTyp);   // 1..25
// The type number of a base symbol ("G5DZE" gives 12), 0 for any other symbol.
int NumerTypu(std::string_view strSymbol);
