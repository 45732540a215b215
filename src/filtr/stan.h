// Run state shared by the passes of one file: six lists of removed records, the object count
// maps for the log and the sets of objects still referred to.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Two texts joined by a separator, looked up in a hashed table of joined texts without
// building the joined text.
struct CKluczZlozony {
    std::string_view strA;
    char cSeparator;
    std::string_view strB;
};

// Hash and equality that take a text or a joined key alike (the same bytes give the same hash).
struct CHashTekstu {
    using is_transparent = void;
    std::size_t operator()(std::string_view str) const;
    std::size_t operator()(const CKluczZlozony& klucz) const;
};
struct CRownyTekst {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return a == b; }
    bool operator()(std::string_view a, const CKluczZlozony& b) const;
    bool operator()(const CKluczZlozony& a, std::string_view b) const { return (*this)(b, a); }
};

using ZbiorTekstow = std::unordered_set<std::string, CHashTekstu, CRownyTekst>;

// Removed records: type symbol as written, identifier, second identifier (list 5 holds the
// element code and the two targets of a relation element instead), in the order of removal.
class ListaRekordow {
public:
    void Dodaj(const std::string& strPole2, const std::string& strPole3,
               const std::string& strPole4);
    void Wyczysc();
    void Rezerwuj(std::size_t n);
    int Licznik() const { return static_cast<int>(m_astrPole2.size()); }

    const std::string& Pole2(int i) const { return m_astrPole2[static_cast<std::size_t>(i)]; }
    const std::string& Pole3(int i) const { return m_astrPole3[static_cast<std::size_t>(i)]; }
    const std::string& Pole4(int i) const { return m_astrPole4[static_cast<std::size_t>(i)]; }

private:
    std::vector<std::string> m_astrPole2, m_astrPole3, m_astrPole4;
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
using MapaLicznikow = std::map<std::string, long>;

void Zlicz(MapaLicznikow& mapa, const std::string& strSymbolBazowy);

struct CStanPrzebiegu {
    ListaRekordow m_listy[LICZBA_LIST + 1]; // lists 1..6; index 0 unused; filled through Dodaj
    MapaLicznikow m_mapaZrodloAkt, m_mapaZrodloHist, m_mapaCelAkt, m_mapaCelHist;

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
    void Dodaj(ELista eLista, const std::string& strPole2, const std::string& strPole3,
               const std::string& strPole4);
    // Whether one of the lists holds the target of a relation element: "WL" by field 4, "WG" by
    // fields 2 and 3; other codes never match. One hashed lookup, whatever the number of lists.
    bool Pasuje(unsigned nListy, std::string_view strKod, std::string_view strCel1,
                std::string_view strCel2) const;
    // Room for n entries in the list; the hashed index grows to the largest list reserved.
    void Rezerwuj(ELista eLista, std::size_t n);
    void WyczyscListy();
    void WyczyscMapy();
    void WyczyscOdwolania();

private:
    // For each field 4, and each field 2 + "\n" + field 3, the lists that hold it.
    using Indeks = std::unordered_map<std::string, unsigned, CHashTekstu, CRownyTekst>;
    Indeks m_listyPole4, m_listyPole23;
    std::size_t m_nRezerwaIndeksu = 0;
};

// Adds a + "," + b to the set unless it is there already (no text is built for a repeat).
void DodajPare(ZbiorTekstow& zbior, std::string_view strA, std::string_view strB);
bool ZawieraPare(const ZbiorTekstow& zbior, std::string_view strA, std::string_view strB);
