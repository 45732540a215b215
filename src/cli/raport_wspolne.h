// What the reports of SWDE and GML files share: the names of a kind of finding, the lists of
// first lines and masked values, and the verdict line.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "filtr/sprawdzenie.h"

namespace raport {

// A kind of finding in the text report and in JSON.
struct CNazwyRodzaju {
    const char* szTekst;
    const char* szJson;
};

// " (wiersze 12, 40, …)": the lines kept, an ellipsis when there were more.
inline std::string Wiersze(const std::vector<std::uint64_t>& anLinie, std::uint64_t nLiczba) {
    std::string str = anLinie.size() == 1 ? " (wiersz " : " (wiersze ";
    for (std::size_t i = 0; i < anLinie.size(); ++i)
        str += (i == 0 ? "" : ", ") + std::to_string(anLinie[i]);
    return str + (nLiczba > anLinie.size() ? ", …)" : ")");
}

// " (wiersz 12: 8503*******, wiersz 40: …)": the occurrences kept, an ellipsis when there were
// more.
inline std::string Wystapienia(const std::vector<CWystapienie>& wystapienia, std::uint64_t nLiczba) {
    std::string str = " (";
    for (std::size_t i = 0; i < wystapienia.size(); ++i)
        str += (i == 0 ? "wiersz " : ", wiersz ") + std::to_string(wystapienia[i].m_nLinia) +
               ": " + wystapienia[i].m_strMaska;
    return str + (nLiczba > wystapienia.size() ? ", …)" : ")");
}

// "Wynik: plik kompletny, bez danych osobowych", or "Wynik: USTERKI (<the parts with findings>)".
inline std::string Werdykt(bool bBezUsterek,
                           std::initializer_list<std::pair<bool, const char*>> czesci) {
    if (bBezUsterek)
        return "Wynik: plik kompletny, bez danych osobowych";
    std::string str;
    for (const auto& [bUsterka, szCzesc] : czesci)
        if (bUsterka)
            str += (str.empty() ? "" : ", ") + std::string(szCzesc);
    return "Wynik: USTERKI (" + str + ")";
}

}  // namespace raport
