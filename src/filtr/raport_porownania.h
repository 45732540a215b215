// The comparison's reports that the console and the window share: readable text, a CSV table of
// changes and a printable HTML page, all UTF-8, and the exit status the result stands for.
#pragma once

#include <string>

#include "filtr/porownanie.h"

// Like diff: 0 no differences beyond new versions and identifiers, 1 differences, 2 a file
// could not be read.
int KodWyjsciaPorownania(const CWynikPorownania& wynik);

std::string TekstPorownania(const CWynikPorownania& wynik);
// One row per change: type, identifier, parcel, what, before, after; a BOM first and ";"
// between the fields, for a spreadsheet set to Polish.
std::string CsvPorownania(const CWynikPorownania& wynik);
std::string HtmlPorownania(const CWynikPorownania& wynik);
