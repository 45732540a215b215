// Finding and removing element lines of a record by their symbol, and the removal of the
// attributes ticked for a type.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "swde/rekord.h"

// Element code ("WL", "WG" or "D") and targets of a found element line.
struct CElement {
    std::string strKod;
    std::string strCel1;
    std::string strCel2;
};

// Scans from nPozycja up to, not including, the end line, for the first line whose field 1 is
// the symbol. True with nPozycja on that line; false with nPozycja on the end line. Error 6
// when the found line's code is none of WL, WG, D.
bool ZnajdzElement(std::string_view strSymbol, const Rekord& rekord, CElement& element,
                   int& nPozycja);

// Removes every element line whose symbol is one of the symbols, in one sweep; the header and
// the end line are never touched. Error 6 for such a line whose code is none of WL, WG, D.
void UsunElementy(const std::vector<std::string>& astrSymbole, Rekord& rekord);
