// Records as the passes hold them (a list of trimmed lines, header first, end line last), the
// field splitting and the base forms of type symbols.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CCzytnikSWDE;

// A record: its trimmed lines, header first, end line last. The lines a reader gives are views
// into the reader's chunk and hold until its next read; a changed line is kept by the record
// itself. As long as nothing was changed the record also knows its bytes as the file has them.
class Rekord {
public:
    Rekord() = default;
    // A record of its own copies of the lines (tests, small tools).
    Rekord(std::initializer_list<std::string_view> wiersze);
    Rekord(Rekord&&) = default;
    Rekord& operator=(Rekord&&) = default;
    Rekord(const Rekord&) = delete;
    Rekord& operator=(const Rekord&) = delete;

    std::size_t size() const { return m_wiersze.size(); }
    bool empty() const { return m_wiersze.empty(); }
    std::string_view operator[](std::size_t i) const { return m_wiersze[i]; }
    std::string_view at(std::size_t i) const { return m_wiersze.at(i); }
    auto begin() const { return m_wiersze.begin(); }
    auto end() const { return m_wiersze.end(); }

    // Line i becomes the text.
    void Zamien(std::size_t i, std::string strWiersz);
    void Usun(std::size_t i);
    void Wyczysc();

    // The record's bytes in its file, header to end line, when every line stands there trimmed
    // and ended by CR LF with nothing between them and nothing has been changed since: written
    // out they give exactly the lines, each followed by CR LF. Empty otherwise.
    std::string_view Surowy() const { return m_strSurowy; }

private:
    friend class CCzytnikSWDE;
    std::vector<std::string_view> m_wiersze;
    std::deque<std::string> m_wlasne; // changed lines; a deque keeps their places
    std::string_view m_strSurowy;
};

// The white space every reader trims from a line: blank, tab, CR, LF, VT, FF (tab to CR are
// the codes 9 to 13).
constexpr bool JestBialy(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline std::string_view Przytnij(std::string_view str) {
    while (!str.empty() && JestBialy(str.front()))
        str.remove_prefix(1);
    while (!str.empty() && JestBialy(str.back()))
        str.remove_suffix(1);
    return str;
}

inline bool JestWierszemDanych(std::string_view strWiersz) {
    return strWiersz.starts_with("D,");
}

// The fields of a line one after another, by the two splitting rules: a "D," line has exactly
// four (three comma-separated tokens, runs of commas counting as one separator, then the
// verbatim rest after the comma that ends the third); any other line is split at every comma,
// each field but the last trimmed, the last cut at its first ";" and kept untrimmed.
class CPolaWiersza {
public:
    explicit CPolaWiersza(std::string_view strWiersz)
        : m_str(strWiersz), m_bDane(JestWierszemDanych(strWiersz)) {}
    // The next field; false when the line has no more.
    bool Nastepne(std::string_view& strPole) {
        if (m_bDane)
            return NastepneDanych(strPole);
        if (m_bKoniec)
            return false;
        // Lines are short: a plain loop beats a library search.
        const std::string_view str = m_str;
        std::size_t i = m_nPoz;
        while (i < str.size() && str[i] != ',')
            ++i;
        if (i == str.size())
            return Ostatnie(strPole);
        strPole = Przytnij(str.substr(m_nPoz, i - m_nPoz));
        m_nPoz = i + 1;
        return true;
    }

private:
    bool NastepneDanych(std::string_view& strPole);
    // The last field ends at its first ";" and keeps its blanks.
    bool Ostatnie(std::string_view& strPole);

    std::string_view m_str;
    std::size_t m_nPoz = 0;
    int m_nNumer = 0;
    bool m_bDane;
    bool m_bKoniec = false;
};

// The four fields of a "D," line in one walk, by the data line rule.
inline std::array<std::string_view, 4> PolaWierszaDanych(std::string_view str) {
    std::array<std::string_view, 4> pola;
    const std::size_t n = str.size();
    std::size_t p = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        while (p < n && str[p] == ',')
            ++p;
        const std::size_t nPoczatek = p;
        while (p < n && str[p] != ',')
            ++p;
        pola[k] = str.substr(nPoczatek, p - nPoczatek);
    }
    if (p < n)
        pola[3] = str.substr(p + 1);
    return pola;
}

// Field i of the line, or an empty text when the line does not reach it; the rest of the line
// is not split. The same rules as CPolaWiersza, walked straight to the field.
inline std::string_view PoleWiersza(std::string_view str, int i) {
    const std::size_t n = str.size();
    std::size_t p = 0;
    if (JestWierszemDanych(str))
        return i >= 0 && i < 4 ? PolaWierszaDanych(str)[static_cast<std::size_t>(i)]
                               : std::string_view();
    for (int k = 0; k < i; ++k) {
        while (p < n && str[p] != ',')
            ++p;
        if (p == n)
            return {};
        ++p;
    }
    std::size_t nKoniec = p;
    while (nKoniec < n && str[nKoniec] != ',')
        ++nKoniec;
    if (nKoniec < n)
        return Przytnij(str.substr(p, nKoniec - p));
    // The last field ends at its first ";" and keeps its blanks.
    for (nKoniec = p; nKoniec < n && str[nKoniec] != ';';)
        ++nKoniec;
    return str.substr(p, nKoniec - p);
}

// Splits a line into fields and returns how many it has. A "D," line gives exactly four
// fields (the array is resized to four). Any other line writes fields 0..n-1; the array grows
// as needed but never shrinks, so elements at n and beyond keep what they held: callers look
// only below the result. T is std::string or std::string_view (views into the line).
template <class T> int PodzielWiersz(std::string_view strWiersz, std::vector<T>& astrPola);

// The same split into views of the line: fields beyond the span are counted but not kept, and
// the span's elements beyond the fields are empty. Returns the number of fields (4 for a "D,"
// line).
int PodzielNaWidoki(std::string_view strWiersz, std::span<std::string_view> pola);

// The field i of a split, or an empty text when the line did not reach it.
template <class T> const T& Pole(const std::vector<T>& astrPola, int nLiczba, int i) {
    static const T pusty;
    return i < nLiczba && i < static_cast<int>(astrPola.size()) ? astrPola[i] : pusty;
}

// First "O_" removed; if there is none, the first "G_".
std::string UsunPrefiks(std::string_view strSymbol);
// First "O_" removed.
std::string UsunPrefiksO(std::string_view strSymbol);
// First "G_" removed.
std::string UsunPrefiksG(std::string_view strSymbol);
// Whether the symbol with its first occurrence of the pattern removed (if any) is the text;
// nothing is built.
bool RownyBez(std::string_view strSymbol, std::string_view strWzorzec, std::string_view strTekst);
// "O_" put after the two-character prefix: "G5DZE" gives "G5O_DZE" (the descriptive form).
std::string FormaOpisowa(std::string_view strSymbol);

// Status (field 5 of a record header): its second character "1" marks a current object.
inline bool CzyAktualny(std::string_view strStatus) {
    return strStatus.size() >= 2 && strStatus[1] == '1';
}
