// Progress, record writing and the record loop shared by the passes over the object section.
#include "filtr/przebieg.h"

#include <algorithm>

void CKontekstPrzebiegu::UstawPostepCzytnika() {
    const std::uint64_t nGranica = static_cast<std::uint64_t>(powiadomienia.GornaGranica());
    std::uint64_t nPostep = 0;
    if (nDlugoscWejscia != 0) {
        nPostep = std::min(czytnik.m_nPozycja * 1000 / nDlugoscWejscia, nGranica);
    }
    powiadomienia.UstawPostep(static_cast<int>(nPostep));
}

void ZapiszRekord(const Rekord& rekord, CPlikWynikowy& wyjscie) {
    for (const std::string& strWiersz : rekord) {
        wyjscie.Zapisz(strWiersz);
        wyjscie.Zapisz("\n");
    }
}

void ZapiszRekordX(const Rekord& rekord, CPlikWynikowy& wyjscie) {
    for (std::size_t i = 0; i + 1 < rekord.size(); ++i) {
        wyjscie.Zapisz(rekord[i]);
        wyjscie.Zapisz("\n");
    }
    wyjscie.Zapisz("X;\n");
}

bool PrzejdzRekordySO(CKontekstPrzebiegu& k, EKoniecRekordu eKoniec,
                      const std::function<bool(Rekord&)>& decyzja) {
    Rekord rekord;
    while (!k.CzyPrzerwac()) {
        int nLiczba = 0;
        if (!k.czytnik.CzytajRekord("SO;", rekord, nLiczba)) {
            k.powiadomienia.UstawPostep(k.powiadomienia.GornaGranica());
            return true;
        }
        // The reader leaves exactly the record's lines and reuses the texts' storage.
        if (decyzja(rekord)) {
            eKoniec == EKoniecRekordu::X ? ZapiszRekordX(rekord, k.wyjscie)
                                         : ZapiszRekord(rekord, k.wyjscie);
        }
        k.UstawPostepCzytnika();
    }
    return false;
}
