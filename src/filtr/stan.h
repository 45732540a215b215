// Run state shared by the passes of one file: six lists of removed records, the object count
// maps for the log and the sets of objects still referred to.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "filtr/zbiory.h"

// Removed records: type symbol as written, identifier, second identifier (list 5 holds the
// element code and the two targets of a relation element instead), in the order of removal.
class ListaRekordow {
public:
    void Dodaj(std::string_view strPole2, std::string_view strPole3, std::string_view strPole4);
    void Wyczysc();
    void Rezerwuj(std::size_t n) { m_anWpisy.reserve(n); }
    int Licznik() const { return static_cast<int>(m_anWpisy.size()); }

    std::string_view Pole2(int i) const { return m_arena.Tekst(Wpis(i)); }
    std::string_view Pole3(int i) const { return m_arena.Tekst(m_arena.Nastepny(Wpis(i))); }
    std::string_view Pole4(int i) const {
        return m_arena.Tekst(m_arena.Nastepny(m_arena.Nastepny(Wpis(i))));
    }

private:
    CArenaTekstow::Miejsce Wpis(int i) const { return m_anWpisy[static_cast<std::size_t>(i)]; }

    CArenaTekstow m_arena;                        // the three fields of each entry together
    std::vector<CArenaTekstow::Miejsce> m_anWpisy; // where each entry's fields start
};

// The six lists of removed records, by what they hold.
enum ELista {
    ListaUsunietych = 1,    // every dropped object no other list holds
    ListaJednostekBudynkow, // register units of buildings ("G5JDR" whose "G5TJR" is "2")
    ListaBudynkow,          // buildings ("G5BUD" by base symbol)
    ListaJednostekLokali,   // register units of premises ("G5JDR" whose "G5TJR" is "3")
    // The "G5RPRZ" relation element of each dropped lease subject: element code and its two
    // targets instead of the header fields.
    ListaPrzedmiotowDzierzawy,
    ListaDzierzaw, // dropped leases ("G5DZW")
    LICZBA_LIST = ListaDzierzaw
};

// A set of removal lists: bit n stands for list n.
constexpr unsigned Listy(std::initializer_list<ELista> listy) {
    unsigned nMaska = 0;
    for (const ELista eLista : listy) {
        nMaska |= 1u << eLista;
    }
    return nMaska;
}

// Counts per base type symbol; ordered by symbol so that the log table is stable.
using MapaLicznikow = std::map<std::string, long, std::less<>>;

struct CStanPrzebiegu {
    ListaRekordow m_listy[LICZBA_LIST + 1]; // lists 1..6; index 0 unused; filled through Dodaj
    MapaLicznikow m_mapaZrodloAkt, m_mapaZrodloHist, m_mapaCelAkt, m_mapaCelHist;
    // Objects the orphan pass dropped, current and historical, by base type symbol.
    MapaLicznikow m_mapaSierotyAkt, m_mapaSierotyHist;

    // Targets of the relation elements the dangling-reference pass wrote: "WL" target 1, and
    // "WG" target 1 + "," + target 2.
    ZbiorTekstow m_odwolaniaLokalne;
    ZbiorTekstow m_odwolaniaGlobalne;
    // Point references of geometry blocks the dangling-reference pass wrote:
    // "P,P,<type>,<id>;" as type + "," + id, and "P,K,<idr>;" as idr.
    ZbiorTekstow m_punktyGlobalne;
    ZbiorTekstow m_punktyLokalne;
    // Records the first stage turned into descriptive ones, as type (as written before) + ","
    // + identifier: relations that name them are written with the descriptive type.
    ZbiorTekstow m_przeksztalcone;

    const ListaRekordow& Lista(ELista eLista) const { return m_listy[eLista]; }
    void Dodaj(ELista eLista, std::string_view strPole2, std::string_view strPole3,
               std::string_view strPole4);
    // Whether one of the lists holds the target of a relation element: "WL" by field 4, "WG" by
    // fields 2 and 3; other codes never match. One hashed lookup, whatever the number of lists.
    bool Pasuje(unsigned nListy, std::string_view strKod, std::string_view strCel1,
                std::string_view strCel2) const;
    // Room for n entries in the list (the hashed index grows as it fills, moving 8 bytes a key).
    void Rezerwuj(ELista eLista, std::size_t n);
    void WyczyscListy();
    void WyczyscMapy();
    // Counts the record with this header by its base type symbol into the current or the
    // historical map, nIle times (negative to take it back).
    static void Zlicz(std::string_view strNaglowek, MapaLicznikow& mapaAkt,
                      MapaLicznikow& mapaHist, long nIle);
    void WyczyscOdwolania();

private:
    // For each field 4, and each field 2 + "\n" + field 3, the lists that hold it: bit n for
    // list n.
    CMapaMasek m_listyPole4, m_listyPole23;
};
