// The checksum pass: the last file of the chain copied whole with checksum end lines.
#include "filtr/przebiegi.h"
#include "swde/kodowanie.h"

bool DodajSumyCRC(CKontekstPrzebiegu& k) {
    COpisPrzebiegu opis;
    opis.strEtap = kodowanie::T("Dodawanie sum kontrolnych CRC");
    opis.eKoniec = EKoniecRekordu::JakWczytany;
    opis.bSumyCRC = true;
    return PrzejdzPlik(k, opis);
}
