// Derived file names, all by one rule for where a file name's extension starts.
#include "filtr/nazwy.h"

#include "swde/naglowek.h"
#include "swde/platforma.h"

namespace {

// Where the extension of the file name starts (its last "."), or the path's end without one.
std::size_t PoczatekRozszerzenia(const std::string& strSciezka) {
    const std::size_t nNazwa = platforma::PoczatekNazwy(strSciezka);
    const std::size_t nKropka = strSciezka.rfind('.');
    return nKropka == std::string::npos || nKropka <= nNazwa ? strSciezka.size() : nKropka;
}

} // namespace

std::string NazwaZDopiskiem(const std::string& strSciezka, std::string_view strDopisek) {
    std::string strWynik = strSciezka;
    strWynik.insert(PoczatekRozszerzenia(strSciezka), strDopisek);
    return strWynik;
}

std::string NazwaZRozszerzeniem(const std::string& strSciezka, std::string_view strRozszerzenie) {
    return strSciezka.substr(0, PoczatekRozszerzenia(strSciezka)) + std::string(strRozszerzenie);
}

std::string NazwaCelu(const std::string& strZrodlo) {
    return NazwaZDopiskiem(strZrodlo, "_nowy");
}

std::string NazwaLogu(const std::string& strCel) {
    return NazwaZRozszerzeniem(strCel, ".log");
}

CNazwyPary Nazwy(const CParaPlikow& para) {
    CNazwyPary nazwy;
    nazwy.strZrodlo = para.m_strZrodlo;
    nazwy.strCel = para.m_strCel;
    nazwy.strLog = NazwaLogu(nazwy.strCel);
    for (int i = 1; i <= 4; ++i)
        nazwy.astrEtapy[static_cast<std::size_t>(i)] =
            NazwaZDopiskiem(nazwy.strZrodlo, "_KELVOR" + std::to_string(i));
    nazwy.strSlepe = NazwaZDopiskiem(nazwy.strZrodlo, "_KELVOR_SLEPE_ODWOLANIA");
    nazwy.strSieroty = NazwaZDopiskiem(nazwy.strZrodlo, "_KELVOR_SIEROTY");
    nazwy.strCelRoboczy = NazwaZDopiskiem(nazwy.strCel, "_KELVOR_WYNIK");
    return nazwy;
}
