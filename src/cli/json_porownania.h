// The comparison's report as one JSON document (kelvor-cli --diff --json), UTF-8.
#pragma once

#include <string>

#include "filtr/porownanie.h"

std::string JsonPorownania(const CWynikPorownania& wynik);
