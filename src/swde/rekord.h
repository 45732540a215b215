// Records as the passes hold them (a list of trimmed lines, header first, end line last), the
// field splitting and the base forms of type symbols.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a line into fields. A "D," line gives exactly four fields and the result 0; any other
// line writes fields 0..n-1 and returns n. The array grows as needed but never shrinks, so
// elements at n and beyond keep what they held: callers look only below the result.
int PodzielWiersz(const std::string& strWiersz, std::vector<std::string>& astrPola);

// The field i of a split, or an empty text when the line did not reach it.
inline const std::string& Pole(const std::vector<std::string>& astrPola, int nLiczba, int i) {
    static const std::string pusty;
    return i < nLiczba && i < static_cast<int>(astrPola.size()) ? astrPola[i] : pusty;
}

bool JestWierszemDanych(std::string_view strWiersz);

// First "O_" removed; if there is none, the first "G_".
std::string UsunPrefiks(const std::string& strSymbol);
// First "O_" removed.
std::string UsunPrefiksO(const std::string& strSymbol);
// First "G_" removed.
std::string UsunPrefiksG(const std::string& strSymbol);
