// The report of kelvor-cli --check: readable text or one JSON document, UTF-8, and the exit
// status it stands for.
#pragma once

#include <string>

#include "filtr/sprawdzenie.h"
#include "filtr/sprawdzenie_gml.h"

// 0 every file is whole and holds no identifier; 1 some file has findings; 2 no file could be
// opened.
int KodWyjsciaSprawdzenia(const CWynikSprawdzen& wynik);

std::string TekstSprawdzenia(const CWynikSprawdzen& wynik);
std::string JsonSprawdzenia(const CWynikSprawdzen& wynik);

// The same for a list of files of either format (raport_gml.cpp): an SWDE file's part is the
// SWDE report's own.
int KodWyjsciaSprawdzenia(const CWynikSprawdzenPlikow& wynik);
std::string TekstSprawdzenia(const CWynikSprawdzenPlikow& wynik);
std::string JsonSprawdzenia(const CWynikSprawdzenPlikow& wynik);
