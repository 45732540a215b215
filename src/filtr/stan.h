// Run state shared by the passes of one file: six lists of removed records, the object count
// maps for the log and the sets of objects still referred to.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Removed records: type symbol as written, identifier, second identifier (list 5 holds the
// element code and the two targets of a relation element instead). Lookups are hashed and give
// the first entry in list order, as a linear scan would.
class ListaRekordow {
public:
    void Dodaj(const std::string& strPole2, const std::string& strPole3, const std::string& strPole4);
    void Wyczysc();
    void Rezerwuj(std::size_t n);
    int Licznik() const { return static_cast<int>(m_astrPole2.size()); }

    const std::string& Pole2(int i) const { return m_astrPole2[static_cast<std::size_t>(i)]; }
    const std::string& Pole3(int i) const { return m_astrPole3[static_cast<std::size_t>(i)]; }
    const std::string& Pole4(int i) const { return m_astrPole4[static_cast<std::size_t>(i)]; }

    // First entry whose field 4 equals the text, or -1.
    int ZnajdzPole4(std::string_view strPole4) const;
    // First entry whose fields 2 and 3 equal the texts, or -1.
    int ZnajdzPole23(std::string_view strPole2, std::string_view strPole3) const;
    // A relation element matches: "WL" by field 4, "WG" by fields 2 and 3. Other codes never match.
    bool Pasuje(std::string_view strKod, std::string_view strCel1, std::string_view strCel2) const;

private:
    std::vector<std::string> m_astrPole2, m_astrPole3, m_astrPole4;
    std::unordered_map<std::string, int> m_indeks4;   // field 4 -> first index
    std::unordered_map<std::string, int> m_indeks23;  // field 2 + '\n' + field 3 -> first index
};

// Counts per base type symbol; ordered by symbol so that the log table is stable.
using MapaLicznikow = std::map<std::string, long>;

void Zlicz(MapaLicznikow& mapa, const std::string& strSymbolBazowy);

struct CStanPrzebiegu {
    ListaRekordow m_listy[7];  // lists 1..6; index 0 unused
    MapaLicznikow m_mapaZrodloAkt, m_mapaZrodloHist, m_mapaCelAkt, m_mapaCelHist;

    // Targets of the relation elements the dangling-reference pass wrote: "WL" target 1, and
    // "WG" target 1 + "," + target 2.
    std::unordered_set<std::string> m_odwolaniaLokalne;
    std::unordered_set<std::string> m_odwolaniaGlobalne;
    // Point references of geometry blocks the dangling-reference pass wrote:
    // "P,P,<type>,<id>;" as type + "," + id, and "P,K,<idr>;" as idr.
    std::unordered_set<std::string> m_punktyGlobalne;
    std::unordered_set<std::string> m_punktyLokalne;

    ListaRekordow& Lista(int n) { return m_listy[n]; }
    void WyczyscListy();
    void WyczyscMapy();
    void WyczyscOdwolania();
};
