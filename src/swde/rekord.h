// Records as the passes hold them (a list of trimmed lines, header first, end line last), the
// field splitting and the base forms of type symbols.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// A record: its trimmed lines, header first, end line last.
using Rekord = std::vector<std::string>;

// The white space every reader trims from a line: blank, tab, CR, LF, VT, FF.
constexpr bool JestBialy(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
std::string_view Przytnij(std::string_view str);

// Splits a line into fields and returns how many it has. A "D," line gives exactly four
// fields (the array is resized to four). Any other line writes fields 0..n-1; the array grows
// as needed but never shrinks, so elements at n and beyond keep what they held: callers look
// only below the result.
int PodzielWiersz(const std::string& strWiersz, std::vector<std::string>& astrPola);

// The same split into views of the line: fields beyond the span are counted but not kept, and
// the span's elements beyond the fields are empty. Returns the number of fields (4 for a "D,"
// line).
int PodzielNaWidoki(std::string_view strWiersz, std::span<std::string_view> pola);

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
// "O_" put after the two-character prefix: "G5DZE" gives "G5O_DZE" (the descriptive form).
std::string FormaOpisowa(std::string_view strSymbol);
