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

// The 25 object types whose attributes can be removed, numbered 1 to 25 in the order of the
// type list, the attribute pages, the configuration keys and the log blocks.
enum ETyp {
    TypJEW = 1, TypOBR, TypRST, TypOSF, TypINS, TypMLZ, TypOSZ, TypJDR, TypUDZ, TypUDW, TypJRZ,
    TypDZE, TypKLU, TypBUD, TypLKL, TypUZG, TypKKL, TypZMN, TypDOK, TypADR, TypPZG, TypGRN,
    TypDZW, TypUDD, TypPDZ
};
constexpr int LICZBA_TYPOW = TypPDZ;

// The two date attributes every type has; ticking one can tick it on every page.
enum class EData { Weryfikacji = 1, Utworzenia = 2 };
inline constexpr const char* SYMBOL_DTW = "G5DTW"; // "Data weryfikacji danych (G5DTW)"
inline constexpr const char* SYMBOL_DTU = "G5DTU"; // "Data utworzenia obiektu (G5DTU)"

struct COpisGrupy {
    std::string m_strPodpis;       // caption on the tab, "Danych dotyczących lokali"
    std::string m_strEtykietaLogu; // label in the log, "Dane dotyczące lokali"
    std::string m_strNazwa;        // short name for the command line, "lokale"
    std::vector<int> m_anStrony;   // attribute pages (type numbers) disabled while ticked
};

struct COpisAtrybutu {
    std::string m_strPodpis;     // check box caption, "Pole powierzchni ewidencyjnej (G5PEW)"
    std::string m_strSymbol;     // symbol as compared in files, "G5RPWŁ"
    std::string m_strSymbolLogu; // symbol as written in the log, "G5RPWL"
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
// The bit of an attribute of type n by its symbol, or -1.
int IndeksAtrybutu(int nTyp, std::string_view strSymbol);
