// The header section over any bytes: read into a pair, written afresh and read back. Only the
// numbered errors may come out of the reading; a header the system wrote always reads back with
// the texts it was written from.
#include "swde/bledy.h"
#include "swde/naglowek.h"
#include "swde/plik_wynikowy.h"
#include "wspolne.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDane, std::size_t nDane) {
    fuzz::Zapisz("we.swd", pDane, nDane);
    CParaPlikow para;
    para.m_strZrodlo = fuzz::Sciezka("we.swd");
    const CData data{2024, 2, 29};
    try {
        CzytajNaglowek(para, data);
    } catch (const CSWDEException&) {
        return 0;
    }
    // A header written from these texts, with an empty section after it, reads back the same.
    CPlikWynikowy plik;
    KELVOR_SPRAWDZ(plik.Otworz(fuzz::Sciezka("wy.swd")));
    ZapiszNaglowek(para, plik);
    plik.Zapisz("SO;\nSX;\nSWDEX;");
    plik.Zamknij();
    CParaPlikow odczytana;
    odczytana.m_strZrodlo = fuzz::Sciezka("wy.swd");
    CzytajNaglowek(odczytana, data);
    for (int i = 0; i < LICZBA_POL_NAGLOWKA; ++i) {
        const auto ePole = static_cast<EPoleNaglowka>(i);
        const std::string strPrzez = kodowanie::Iso88592DoCp1250(kodowanie::Cp1250DoIso88592(para.m_docelowe[ePole]));
        KELVOR_SPRAWDZ(odczytana.m_zrodlowe[ePole] == strPrzez);
    }
    return 0;
}
