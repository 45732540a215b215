// Progress of a record pass.
#include "filtr/przebieg.h"

#include <algorithm>

void CKontekstPrzebiegu::UstawPostepCzytnika() {
    const std::uint64_t nGranica = static_cast<std::uint64_t>(powiadomienia.GornaGranica());
    std::uint64_t nPostep = 0;
    if (nDlugoscWejscia != 0)
        nPostep = std::min(czytnik.m_nPozycja * 1000 / nDlugoscWejscia, nGranica);
    powiadomienia.UstawPostep(static_cast<int>(nPostep));
}
