// The reader over any bytes: every section and record, then plain lines to the end, at a chunk
// size taken from the first byte. Only the numbered errors may come out, and the counters never
// pass the end of the file.
#include "swde/bledy.h"
#include "swde/czytnik.h"
#include "wspolne.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDane, std::size_t nDane) {
    if (nDane == 0)
        return 0;
    const std::size_t nPorcja = pDane[0] % 64 == 0 ? CCzytnikSWDE::ROZMIAR_PORCJI : pDane[0] % 64;
    fuzz::Zapisz("we.swd", pDane + 1, nDane - 1);
    CCzytnikSWDE czytnik(nPorcja);
    KELVOR_SPRAWDZ(czytnik.Otworz(fuzz::Sciezka("we.swd")));
    using format::ESekcja;
    try {
        for (ESekcja eSekcja : {ESekcja::SN, ESekcja::SP, ESekcja::ST, ESekcja::SO}) {
            if (!czytnik.ZnajdzSekcje(eSekcja))
                continue;
            if (format::JestSekcjaWierszy(eSekcja)) {
                for (std::string strWiersz; czytnik.CzytajWierszSekcji(strWiersz);)
                    KELVOR_SPRAWDZ(!strWiersz.empty());
            } else {
                for (Rekord rekord; czytnik.CzytajRekord(rekord);) {
                    KELVOR_SPRAWDZ(rekord.size() >= 2 && !rekord[rekord.size() - 1].empty());
                    KELVOR_SPRAWDZ(czytnik.Pozycja() <= czytnik.Dlugosc());
                }
            }
        }
        for (;;)
            KELVOR_SPRAWDZ(!czytnik.CzytajWiersz().empty());
    } catch (const CSWDEException&) {
    }
    KELVOR_SPRAWDZ(czytnik.Pozycja() <= czytnik.Dlugosc());
    return 0;
}
