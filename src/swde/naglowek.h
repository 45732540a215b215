// The header section ("SN;"): the file pair record, reading a source header and writing the
// target header.
#pragma once

#include <array>
#include <string>

class CPlikWynikowy;
class CPowiadomienia;

// One source file and its target: 29 texts (code page 1250 except the stored lines).
class CParaPlikow {
public:
    static constexpr int ZRODLO = 0;       // full source path
    static constexpr int CEL = 1;          // full target path
    static constexpr int DATA_CELU = 19;   // target date "%d-%02d-%02d"
    static constexpr int ZACHOWANE = 28;   // stored lines for the target, each ended by "\n"
    static constexpr int LICZBA_TEKSTOW = 29;

    std::string& operator[](int i) { return m_astrTeksty.at(static_cast<std::size_t>(i)); }
    const std::string& operator[](int i) const { return m_astrTeksty.at(static_cast<std::size_t>(i)); }

    std::array<std::string, LICZBA_TEKSTOW> m_astrTeksty;
};

// A header field: its code and its source and target index in CParaPlikow.
struct SPoleNaglowka {
    const char* szKod;
    int nIndeksZrodla;
    int nIndeksCelu;
};
// The 13 shown fields in table order (TR TN TA TO DN ZN ZR ZD OP OR ON OA OO).
extern const std::array<SPoleNaglowka, 13> POLA_NAGLOWKA;

struct CData {
    int nRok = 0, nMiesiac = 0, nDzien = 0;
};
// "%d-%02d-%02d"
std::string TekstDaty(const CData& data);

// Reads the source header of the pair into indexes 2..28. The target date is stored at index 19
// only when the source header has a "DN" line. CSWDEException on failure.
void CzytajNaglowek(CParaPlikow& para, const CData& dataCelu, CPowiadomienia& powiadomienia);

// Writes the header line and the whole "SN;" section of the target.
void ZapiszNaglowek(const CParaPlikow& para, CPlikWynikowy& plik);
