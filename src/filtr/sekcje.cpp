// The section copies every pass starts with: the header section and "SP;" line by line,
// "ST;" record by record. They drop nothing; the reader trims lines and skips blank and
// comment lines, and every copied section ends with the plain "SX;". A cancelled run stops the
// copy between lines; its output is deleted by the driver.
#include "filtr/sekcje.h"

#include <string>
#include <vector>

namespace {

const char* const NAGLOWEK_PLIKU = "SWDE.w.2.00.(C) GUGiK 2000;\n";

void RozpocznijPostep(CKontekstPrzebiegu& k, const std::string* pEtap) {
    if (pEtap == nullptr) {
        return;
    }
    k.powiadomienia.PokazPostep();
    k.powiadomienia.UstawPostep(0);
    k.powiadomienia.UstawEtap(*pEtap);
}

void ZakonczPostep(CKontekstPrzebiegu& k, const std::string* pEtap) {
    if (pEtap != nullptr) {
        k.powiadomienia.UstawPostep(k.powiadomienia.GornaGranica());
    }
}

// Start line, the section's lines as read, "SX;".
void KopiujSekcjeWierszowa(CKontekstPrzebiegu& k, const std::string& strZnacznik) {
    k.wyjscie.Zapisz(strZnacznik + "\n");
    k.czytnik.m_bSzukajSekcji = true;
    std::vector<std::string> astrWiersze;
    int nIndeks = 0;
    while (!k.CzyPrzerwac() && k.czytnik.CzytajWierszSekcji(strZnacznik, astrWiersze, nIndeks)) {
        k.wyjscie.Zapisz(astrWiersze.at(static_cast<std::size_t>(nIndeks - 1)));
        k.wyjscie.Zapisz("\n");
    }
    k.wyjscie.Zapisz("SX;\n");
}

} // namespace

void KopiujSekcjeSN(CKontekstPrzebiegu& k) {
    k.wyjscie.Zapisz(NAGLOWEK_PLIKU);
    KopiujSekcjeWierszowa(k, "SN;");
}

void KopiujSekcjeSP(CKontekstPrzebiegu& k, const std::string* pEtap) {
    RozpocznijPostep(k, pEtap);
    KopiujSekcjeWierszowa(k, "SP;");
    ZakonczPostep(k, pEtap);
}

void KopiujSekcjeST(CKontekstPrzebiegu& k, const std::string* pEtap) {
    RozpocznijPostep(k, pEtap);
    k.wyjscie.Zapisz("ST;\n");
    k.czytnik.m_bSzukajSekcji = true;
    Rekord rekord;
    int nLiczba = 0;
    while (!k.CzyPrzerwac() && k.czytnik.CzytajRekord("ST;", rekord, nLiczba)) {
        ZapiszRekord(rekord, k.wyjscie);
    }
    k.wyjscie.Zapisz("SX;\n");
    ZakonczPostep(k, pEtap);
}
