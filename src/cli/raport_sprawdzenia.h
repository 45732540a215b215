// The report of kelvor-cli --check: readable text or one JSON document, UTF-8, and the exit
// status it stands for.
#pragma once

#include <string>

#include "filtr/sprawdzenie.h"

// 0 every file is whole and holds no identifier; 1 some file has findings; 2 no file could be
// opened.
int KodWyjsciaSprawdzenia(const CWynikSprawdzen& wynik);

std::string TekstSprawdzenia(const CWynikSprawdzen& wynik);
std::string JsonSprawdzenia(const CWynikSprawdzen& wynik);
