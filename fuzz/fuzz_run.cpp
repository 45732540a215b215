// A whole run over one file: the first four bytes choose the options (object groups, checksums,
// one type's attributes), the rest is the source. Whatever the file, the source stays as it was
// and the run leaves the source, the log and, only when the file did not fail, the target.
#include "filtr/silnik.h"
#include "opcje/opcje.h"
#include "swde/naglowek.h"
#include "wspolne.h"

namespace {
constexpr std::size_t OPCJE = 4;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDane, std::size_t nDane) {
    if (nDane < OPCJE)
        return 0;
    fuzz::Oproznij();
    fuzz::Zapisz("obreb.swd", pDane + OPCJE, nDane - OPCJE);
    COpcjeFiltrowania opcje;
    opcje.m_nMaskaObiektow = (pDane[0] | (pDane[1] << 8)) & 0x7FF;
    opcje.m_bSumyCRC = (pDane[1] & 0x80) != 0;
    opcje.UstawMaske(1 + pDane[2] % LICZBA_TYPOW, pDane[3]);
    std::vector<CParaPlikow> pary(1);
    pary[0].m_strZrodlo = fuzz::Sciezka("obreb.swd");
    pary[0].m_strCel = fuzz::Sciezka("obreb_nowy.swd");
    CObserwatorRunu obserwator;
    CSilnikFiltrowania silnik(obserwator);
    silnik.Filtruj(pary, opcje);

    KELVOR_SPRAWDZ(fuzz::Czytaj("obreb.swd") ==
                   std::string(reinterpret_cast<const char*>(pDane + OPCJE), nDane - OPCJE));
    std::vector<std::string> astrZostaja = {"obreb.swd"};
    if (silnik.Wynik() != EWynikFiltrowania::Odmowa)
        astrZostaja.push_back("obreb_nowy.log");
    if (silnik.Wynik() == EWynikFiltrowania::Zakonczono && silnik.LiczbaBledow() == 0)
        astrZostaja.push_back("obreb_nowy.swd");
    KELVOR_SPRAWDZ(fuzz::Pliki() == astrZostaja);
    return 0;
}
