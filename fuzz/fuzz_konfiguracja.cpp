// The configuration reader over any text: only its format error may come out, and the options
// it leaves write a file that reads back as the same options.
#include "opcje/konfiguracja.h"
#include "opcje/opcje.h"
#include "swde/bledy.h"
#include "wspolne.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDane, std::size_t nDane) {
    COpcjeFiltrowania opcje;
    try {
        ZastosujTekstKonfiguracji(opcje, std::string_view(reinterpret_cast<const char*>(pDane), nDane));
    } catch (const CStandardException&) {
    }
    const std::string strTekst = TekstKonfiguracji(opcje);
    COpcjeFiltrowania odczytane;
    ZastosujTekstKonfiguracji(odczytane, strTekst);
    KELVOR_SPRAWDZ(TekstKonfiguracji(odczytane) == strTekst);
    return 0;
}
