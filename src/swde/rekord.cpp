// Records, field splitting and the base forms of type symbols.
#include "swde/rekord.h"

#include <algorithm>

Rekord::Rekord(std::initializer_list<std::string_view> wiersze) {
    for (const std::string_view str : wiersze)
        m_wiersze.push_back(m_wlasne.emplace_back(str));
}

void Rekord::Zamien(std::size_t i, std::string strWiersz) {
    m_wiersze.at(i) = m_wlasne.emplace_back(std::move(strWiersz));
    m_strSurowy = {};
}

void Rekord::Usun(std::size_t i) {
    m_wiersze.erase(m_wiersze.begin() + static_cast<std::ptrdiff_t>(i));
    m_strSurowy = {};
}

void Rekord::Wyczysc() {
    m_wiersze.clear();
    if (!m_wlasne.empty())
        m_wlasne.clear();
    m_strSurowy = {};
}

bool CPolaWiersza::NastepneDanych(std::string_view& strPole) {
    const std::string_view str = m_str;
    std::size_t i = m_nPoz;
    if (m_nNumer == 3) {
        strPole = i < str.size() ? str.substr(i + 1) : std::string_view();
    } else if (m_nNumer < 3) {
        while (i < str.size() && str[i] == ',')
            ++i;
        const std::size_t nPoczatek = i;
        while (i < str.size() && str[i] != ',')
            ++i;
        strPole = str.substr(nPoczatek, i - nPoczatek);
        m_nPoz = i;
    }
    return m_nNumer++ <= 3;
}

bool CPolaWiersza::Ostatnie(std::string_view& strPole) {
    const std::string_view strReszta = m_str.substr(m_nPoz);
    strPole = strReszta.substr(0, std::min(strReszta.find(';'), strReszta.size()));
    m_bKoniec = true;
    return true;
}

template <class T> int PodzielWiersz(std::string_view strWiersz, std::vector<T>& astrPola) {
    if (JestWierszemDanych(strWiersz))
        astrPola.resize(4);
    CPolaWiersza pola(strWiersz);
    std::size_t n = 0;
    for (std::string_view strPole; pola.Nastepne(strPole); ++n) {
        if (n < astrPola.size())
            astrPola[n] = T(strPole);
        else
            astrPola.emplace_back(strPole);
    }
    return static_cast<int>(n);
}

template int PodzielWiersz(std::string_view, std::vector<std::string>&);
template int PodzielWiersz(std::string_view, std::vector<std::string_view>&);

int PodzielNaWidoki(std::string_view strWiersz, std::span<std::string_view> pola) {
    for (std::string_view& pole : pola)
        pole = {};
    CPolaWiersza kolejne(strWiersz);
    std::size_t n = 0;
    for (std::string_view strPole; kolejne.Nastepne(strPole); ++n) {
        if (n < pola.size())
            pola[n] = strPole;
    }
    return static_cast<int>(n);
}

namespace {

std::string UsunPierwsze(std::string_view strSymbol, std::string_view strWzorzec) {
    std::string wynik(strSymbol);
    const std::size_t n = wynik.find(strWzorzec);
    if (n != std::string::npos)
        wynik.erase(n, strWzorzec.size());
    return wynik;
}

} // namespace

std::string UsunPrefiks(std::string_view strSymbol) {
    return strSymbol.find("O_") != std::string_view::npos ? UsunPrefiksO(strSymbol)
                                                          : UsunPrefiksG(strSymbol);
}

std::string UsunPrefiksO(std::string_view strSymbol) {
    return UsunPierwsze(strSymbol, "O_");
}

std::string UsunPrefiksG(std::string_view strSymbol) {
    return UsunPierwsze(strSymbol, "G_");
}

bool RownyBez(std::string_view strSymbol, std::string_view strWzorzec, std::string_view strTekst) {
    const std::size_t n = strSymbol.find(strWzorzec);
    if (n == std::string_view::npos)
        return strSymbol == strTekst;
    return strSymbol.size() == strTekst.size() + strWzorzec.size() &&
           strTekst.starts_with(strSymbol.substr(0, n)) &&
           strTekst.substr(n) == strSymbol.substr(n + strWzorzec.size());
}

std::string FormaOpisowa(std::string_view strSymbol) {
    std::string str(strSymbol.substr(0, 2));
    str += "O_";
    if (strSymbol.size() > 2)
        str += strSymbol.substr(2);
    return str;
}
