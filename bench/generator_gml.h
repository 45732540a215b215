// Synthetic cadastre GML files (the 2021 schema) for the benchmarks and the tests: a precinct or
// more of parcel groups, deterministic from a seed, with what the generator wrote counted so
// that a check of the file can be compared with it.
#pragma once

#include <cstdint>
#include <map>
#include <string>

struct COpcjeGeneratoraGml {
    std::uint64_t nRozmiar = 1ull << 20; // about this many bytes (one precinct at the least)
    unsigned nZiarno = 1;
    bool bWiersze = true; // indented lines; false writes the whole file on one line
};

struct CLiczbyGml {
    // Features of the cadastre's schema by qualified class ("egb:EGB_Budynek"): current and
    // archival versions.
    std::map<std::string, std::uint64_t> aktualne;
    std::map<std::string, std::uint64_t> archiwalne;
    std::uint64_t nObce = 0;        // ot: and ges: features
    std::uint64_t nOdwolania = 0;   // xlink:href references
    std::uint64_t nPozaPlikiem = 0; // of them, naming objects not in the file
    std::uint64_t nPesel = 0;       // valid PESEL numbers in pesel properties
    std::uint64_t nNumeryKW = 0;
    std::uint64_t nBajty = 0;
};

// Writes the file; throws std::runtime_error when it cannot be written.
CLiczbyGml GenerujPlikGml(const std::string& strSciezka, const COpcjeGeneratoraGml& opcje);
