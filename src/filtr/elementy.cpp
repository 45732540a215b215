// Finding element lines by symbol, removing them, and the attribute step of a kept record.
#include "filtr/elementy.h"

#include <algorithm>

#include "swde/bledy.h"

namespace {

void WypelnijElement(const std::vector<std::string_view>& astrPola, int nPol, CElement& element) {
    element.strKod = Pole(astrPola, nPol, 0);
    element.strCel1 = Pole(astrPola, nPol, element.strKod == "D" ? 3 : 2);
    element.strCel2 = element.strKod == "WG" ? Pole(astrPola, nPol, 3) : std::string_view();
}

} // namespace

bool ZnajdzElement(std::string_view strSymbol, const Rekord& rekord, CElement& element,
                   int& nPozycja) {
    thread_local std::vector<std::string_view> astrPola;
    const int nKoniec = static_cast<int>(rekord.size()) - 1;
    for (; nPozycja < nKoniec; ++nPozycja) {
        const std::string_view strWiersz = rekord[static_cast<std::size_t>(nPozycja)];
        // Only field 1 is looked at in the lines passed over.
        if (PoleWiersza(strWiersz, 1) != strSymbol)
            continue;
        const int nPol = PodzielWiersz(strWiersz, astrPola);
        const std::string_view strKod = Pole(astrPola, nPol, 0);
        if (strKod != "WL" && strKod != "WG" && strKod != "D")
            throw CSWDEException(EBlad::FormatDanychWRekordzie);
        WypelnijElement(astrPola, nPol, element);
        return true;
    }
    return false;
}

void UsunElementy(const std::vector<std::string>& astrSymbole, Rekord& rekord) {
    for (std::size_t i = 1; i + 1 < rekord.size();) {
        const std::string_view strSymbol = PoleWiersza(rekord[i], 1);
        if (std::find(astrSymbole.begin(), astrSymbole.end(), strSymbol) == astrSymbole.end()) {
            ++i;
            continue;
        }
        const std::string_view strKod = PoleWiersza(rekord[i], 0);
        if (strKod != "WL" && strKod != "WG" && strKod != "D")
            throw CSWDEException(EBlad::FormatDanychWRekordzie);
        rekord.Usun(i);
    }
}
