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

// "D," lines: three comma-separated tokens (runs of commas count as one separator), then the
// verbatim rest after the comma that ends the third token.
int PodzielWierszDanych(std::string_view str, std::vector<std::string>& astrPola) {
    astrPola.resize(4);
    std::size_t nPoz = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        while (nPoz < str.size() && str[nPoz] == ',')
            ++nPoz;
        const std::size_t nKoniec = std::min(str.find(',', nPoz), str.size());
        astrPola[i].assign(str.substr(nPoz, nKoniec - nPoz));
        nPoz = nKoniec;
    }
    astrPola[3].assign(nPoz < str.size() ? str.substr(nPoz + 1) : std::string_view());
    return 4;
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
    std::string_view str = strWiersz;
    if (JestWierszemDanych(str))
        return PodzielWierszDanych(str, astrPola);
    std::size_t n = 0;
    for (std::size_t nPrzecinek = str.find(','); nPrzecinek != std::string_view::npos;
         nPrzecinek = str.find(',')) {
        UstawPole(astrPola, n++, Przytnij(str.substr(0, nPrzecinek)));
        str.remove_prefix(nPrzecinek + 1);
    }
    // The last field ends at its first ";" and keeps its blanks.
    UstawPole(astrPola, n++, str.substr(0, str.find(';')));
    return static_cast<int>(n);
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
