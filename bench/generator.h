// Synthetic SWDE files for the benchmarks: a district-like file of a chosen size, made of the
// communes and precincts of a county and, in each precinct, parcel groups whose relations all
// point at objects of the same file.
#pragma once

#include <cstdint>
#include <string>

struct COpcjeGeneratora {
    std::uint64_t nRozmiar = 200ull << 20; // about this many bytes
    unsigned nZiarno = 1;                  // same seed, same file; even seeds end in "SWDEXC,"
};

// Writes a realistic synthetic district-like file of about nRozmiar bytes; returns the number
// of "SO;" records written. Throws std::runtime_error when the file cannot be written.
std::uint64_t GenerujPlikSWDE(const std::string& strSciezka, const COpcjeGeneratora& opcje);
