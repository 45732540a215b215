// Comparing two exports of one area: which object records stayed, which got only a new version
// or a new identifier, which changed, which were added or removed, and what that means for each
// parcel. Records are matched by base type and identifier; the rest of one type are paired by
// their content without identifiers and version fields. Texts are code page 1250.
//
// Memory: the files are not held. Each record costs one 32-byte entry (key, two fingerprints,
// where its relations start, its type), 5 bytes for its state and its counterpart, and 8 bytes
// for every relation it has (the key of the record it names); only the records that differ, and
// the parcels and land-use records they touch, are read a second time and kept whole.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "filtr/zdarzenia.h"

enum class EStanRekordu {
    BezZmian,          // "bez zmian"
    NowaWersja,        // "nowa wersja": only the version identifier or the version dates differ
    NowyIdentyfikator, // "bez zmian (nowy identyfikator)": the same content under a new identifier
    Zmiana,            // "zmiana"
    Dodany,            // "dodany"
    Usuniety,          // "usunięty"
};
constexpr std::size_t LICZBA_STANOW_REKORDU = 6;

// "bez zmian", "nowa wersja", ... (code page 1250).
const std::string& NazwaStanu(EStanRekordu eStan);

// The fields of a record header and the attributes that only tell its version: equal records
// that differ in nothing else are "nowa wersja".
constexpr int POLE_IDENTYFIKATORA = 3;
constexpr int POLE_WERSJI = 4;
constexpr std::array<const char*, 2> ATRYBUTY_WERSJI = {"G5DTW", "G5DTU"};

// One attribute or relation that differs: "G5PEW", "WG,G5RJDR", "geometria"; before and after
// as the report shows them (joined with "; " when the record has several), empty when absent.
struct CZmianaPola {
    std::string m_strCo;
    std::string m_strPrzed;
    std::string m_strPo;
};

struct CZmianaRekordu {
    std::string m_strTyp; // base type symbol
    std::string m_strId;  // the identifier in the new file (the old one for a removed record)
    std::string m_strIdStary; // for NowyIdentyfikator and Zmiana: the identifier in the old file
    EStanRekordu m_eStan = EStanRekordu::Zmiana;
    std::string m_strDzialka;          // G5IDD of the first parcel it concerns, if any
    std::vector<CZmianaPola> m_pola;   // for Zmiana
};

struct CLiczbyTypu {
    std::string m_strTyp;
    std::array<std::uint64_t, LICZBA_STANOW_REKORDU> m_an{};
};

// A parcel that changed itself or in what belongs to it.
struct CZmianaDzialki {
    std::string m_strIdd; // G5IDD (new side, the old one for a removed parcel)
    std::string m_strId;  // the record's identifier
    EStanRekordu m_eStan = EStanRekordu::Zmiana; // Zmiana (or unchanged itself), Dodany, Usuniety
    std::vector<CZmianaPola> m_pola;             // its own data
    // The land-use split ("B-RIVa 0,1500 ha; Ps-IV 0,0600 ha"), when it differs.
    bool m_bUzytki = false;
    std::string m_strUzytkiPrzed;
    std::string m_strUzytkiPo;
    // Indexes into CWynikPorownania::m_zmiany of the other records that concern it: buildings,
    // premises, register unit, shares, subjects, addresses.
    std::vector<std::size_t> m_anInne;
};

struct CPoleNaglowkaPorownania {
    std::string m_strKod;
    std::string m_strStary;
    std::string m_strNowy;
};

struct COpcjePorownania {
    bool m_bDaneOsobowe = false; // names and addresses shown whole (--show-personal-data)
};

struct CWynikPorownania {
    std::string m_strStary;
    std::string m_strNowy;
    bool m_bPrzerwany = false;
    // A file could not be opened or read: which (0 old, 1 new), the error's number (-1 for a
    // failure without one) and its full text.
    bool m_bBlad = false;
    int m_nPlikBledu = 0;
    int m_nNumerBledu = -1;
    std::string m_strBlad;

    std::vector<CPoleNaglowkaPorownania> m_naglowek; // the "NS," fields of both files, old order first
    std::vector<CLiczbyTypu> m_typy;       // by type symbol
    std::vector<CZmianaRekordu> m_zmiany;  // every record not BezZmian/NowaWersja, by type and id
    std::vector<CZmianaDzialki> m_dzialki; // by G5IDD

    // Some record changed, was added or removed; a new version or a new identifier of the same
    // content is no difference.
    bool CzySaRoznice() const;
};

// Compares the two files. The observer hears the stage text and the progress and is asked
// whether to stop.
CWynikPorownania PorownajPliki(const std::string& strStary, const std::string& strNowy,
                               const COpcjePorownania& opcje, CObserwatorRunu& obserwator);

// Writes a report file (bytes as they are) under a temporary name beside it and then gives it
// its name, so that a failure never leaves half a report under the name; the temporary file is
// removed after a failure. CFileException when it cannot be written.
void ZapiszRaportPorownania(const std::string& strSciezka, std::string_view strBajty);
