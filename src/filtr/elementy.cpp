// Finding element lines by symbol, removing them, and the attribute step of a kept record.
#include "filtr/elementy.h"

#include "swde/bledy.h"

namespace {

void WypelnijElement(const std::vector<std::string>& astrPola, int nPol, CElement& element) {
    element.strKod = Pole(astrPola, nPol, 0);
    element.strCel1 = Pole(astrPola, nPol, element.strKod == "D" ? 3 : 2);
    element.strCel2 = element.strKod == "WG" ? Pole(astrPola, nPol, 3) : std::string();
}

} // namespace

bool ZnajdzElement(std::string_view strSymbol, const Rekord& rekord, CElement& element,
                   int& nPozycja) {
    thread_local std::vector<std::string> astrPola;
    const int nKoniec = static_cast<int>(rekord.size()) - 1;
    for (; nPozycja < nKoniec; ++nPozycja) {
        const int nPol = PodzielWiersz(rekord[static_cast<std::size_t>(nPozycja)], astrPola);
        if (Pole(astrPola, nPol, 1) != strSymbol)
            continue;
        const std::string& strKod = Pole(astrPola, nPol, 0);
        if (strKod != "WL" && strKod != "WG" && strKod != "D")
            throw CSWDEException(EBlad::FormatDanychWRekordzie);
        WypelnijElement(astrPola, nPol, element);
        return true;
    }
    return false;
}

void UsunElementy(std::string_view strSymbol, Rekord& rekord) {
    CElement element;
    int nPozycja = 1;
    while (ZnajdzElement(strSymbol, rekord, element, nPozycja))
        rekord.erase(rekord.begin() + nPozycja);
}

void UsunZaznaczoneAtrybuty(int nTyp, Rekord& rekord, const COpcjeFiltrowania& opcje) {
    for (const std::string& strSymbol : opcje.ZaznaczoneAtrybuty(nTyp))
        UsunElementy(strSymbol, rekord);
}
