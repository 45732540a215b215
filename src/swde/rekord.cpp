// Field splitting of record lines and the base forms of type symbols.
#include "swde/rekord.h"

#include <algorithm>

namespace {

// Field i gets the text, reusing what the array already holds.
void UstawPole(std::vector<std::string>& astrPola, std::size_t i, std::string_view str) {
    if (i < astrPola.size())
        astrPola[i].assign(str);
    else
        astrPola.emplace_back(str);
}

// Walks the fields of a line, calling f(i, field) for each; returns the number of fields.
// "D," lines: three comma-separated tokens (runs of commas count as one separator), then the
// verbatim rest after the comma that ends the third token. Other lines: every comma separates,
// each field but the last is trimmed, the last ends at its first ";" and keeps its blanks.
template <class F> int KazdePole(std::string_view str, F f) {
    if (JestWierszemDanych(str)) {
        std::size_t nPoz = 0;
        for (int i = 0; i < 3; ++i) {
            while (nPoz < str.size() && str[nPoz] == ',')
                ++nPoz;
            const std::size_t nKoniec = std::min(str.find(',', nPoz), str.size());
            f(i, str.substr(nPoz, nKoniec - nPoz));
            nPoz = nKoniec;
        }
        f(3, nPoz < str.size() ? str.substr(nPoz + 1) : std::string_view());
        return 4;
    }
    int n = 0;
    for (std::size_t nPrzecinek = str.find(','); nPrzecinek != std::string_view::npos;
         nPrzecinek = str.find(',')) {
        f(n++, Przytnij(str.substr(0, nPrzecinek)));
        str.remove_prefix(nPrzecinek + 1);
    }
    f(n++, str.substr(0, str.find(';')));
    return n;
}

std::string UsunPierwsze(const std::string& strSymbol, std::string_view strWzorzec) {
    std::string wynik = strSymbol;
    const std::size_t n = wynik.find(strWzorzec);
    if (n != std::string::npos)
        wynik.erase(n, strWzorzec.size());
    return wynik;
}

} // namespace

std::string_view Przytnij(std::string_view str) {
    while (!str.empty() && JestBialy(str.front()))
        str.remove_prefix(1);
    while (!str.empty() && JestBialy(str.back()))
        str.remove_suffix(1);
    return str;
}

int PodzielWiersz(const std::string& strWiersz, std::vector<std::string>& astrPola) {
    if (JestWierszemDanych(strWiersz))
        astrPola.resize(4);
    return KazdePole(strWiersz, [&](int i, std::string_view str) {
        UstawPole(astrPola, static_cast<std::size_t>(i), str);
    });
}

int PodzielNaWidoki(std::string_view strWiersz, std::span<std::string_view> pola) {
    for (std::string_view& pole : pola)
        pole = {};
    return KazdePole(strWiersz, [&](int i, std::string_view str) {
        if (static_cast<std::size_t>(i) < pola.size())
            pola[static_cast<std::size_t>(i)] = str;
    });
}

bool JestWierszemDanych(std::string_view strWiersz) {
    return strWiersz.starts_with("D,");
}

std::string UsunPrefiks(const std::string& strSymbol) {
    return strSymbol.find("O_") != std::string::npos ? UsunPrefiksO(strSymbol)
                                                     : UsunPrefiksG(strSymbol);
}

std::string UsunPrefiksO(const std::string& strSymbol) {
    return UsunPierwsze(strSymbol, "O_");
}

std::string UsunPrefiksG(const std::string& strSymbol) {
    return UsunPierwsze(strSymbol, "G_");
}

std::string FormaOpisowa(std::string_view strSymbol) {
    std::string str(strSymbol.substr(0, 2));
    str += "O_";
    if (strSymbol.size() > 2)
        str += strSymbol.substr(2);
    return str;
}
