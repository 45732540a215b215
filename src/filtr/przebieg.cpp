// The pass skeleton: section copies, the object record loop and the file end, through one
// output that adds checksum lines when the pass asks for them.
#include "filtr/przebieg.h"

#include <algorithm>
#include <optional>

#include "swde/bledy.h"
#include "swde/crc.h"
#include "swde/kodowanie.h"
#include "swde/naglowek.h"

namespace {

using format::ESekcja;

// The output of a pass, line by line; with checksums it keeps the registers and writes the
// end lines with them.
class CWyjscie {
public:
    CWyjscie(CPlikWynikowy& plik, bool bSumy) : m_plik(plik) {
        if (bSumy)
            m_sumy.emplace();
    }
    void Wiersz(std::string_view strWiersz) {
        if (m_sumy)
            m_sumy->Wiersz(strWiersz);
        m_plik.ZapiszWiersz(strWiersz);
    }
    void Rekord(const ::Rekord& rekord, EKoniecRekordu eKoniec) {
        // A record as the input has it goes out as its bytes there.
        const std::string_view strSurowy = rekord.Surowy();
        if (!strSurowy.empty() && (eKoniec == EKoniecRekordu::JakWczytany ||
                                   rekord[rekord.size() - 1] == format::KONIEC_REKORDU)) {
            if (m_sumy) {
                for (const std::string_view strWiersz : rekord)
                    m_sumy->Wiersz(strWiersz);
            }
            m_plik.ZapiszWiersze(strSurowy, rekord.size());
            return;
        }
        const std::size_t nBezKonca = eKoniec == EKoniecRekordu::X ? rekord.size() - 1 : rekord.size();
        for (std::size_t i = 0; i < nBezKonca; ++i)
            Wiersz(rekord[i]);
        if (eKoniec == EKoniecRekordu::X)
            Wiersz(format::KONIEC_REKORDU);
    }
    void KoniecSekcji() {
        m_plik.ZapiszWiersz(m_sumy ? m_sumy->KoniecSekcji() : std::string(format::KONIEC_SEKCJI));
    }
    // The file end line, with no line end after it.
    void KoniecPliku() {
        m_plik.Zapisz(m_sumy ? m_sumy->KoniecPliku() : std::string(format::KONIEC_PLIKU));
    }

private:
    CPlikWynikowy& m_plik;
    std::optional<CSumyCRC> m_sumy;
};

// A line section as read: start line, its lines, end line. False when cancelled.
bool KopiujSekcjeWierszy(CKontekstPrzebiegu& k, CWyjscie& wyjscie, ESekcja eSekcja) {
    wyjscie.Wiersz(format::Znacznik(eSekcja));
    if (k.czytnik.ZnajdzSekcje(eSekcja)) {
        for (std::string strWiersz; !k.CzyPrzerwac() && k.czytnik.CzytajWierszSekcji(strWiersz);)
            wyjscie.Wiersz(strWiersz);
    }
    wyjscie.KoniecSekcji();
    return !k.CzyPrzerwac();
}

// The type section record by record, every line as read. False when cancelled.
bool KopiujSekcjeTypow(CKontekstPrzebiegu& k, CWyjscie& wyjscie) {
    wyjscie.Wiersz(format::Znacznik(ESekcja::ST));
    if (k.czytnik.ZnajdzSekcje(ESekcja::ST)) {
        for (Rekord rekord; !k.CzyPrzerwac() && k.czytnik.CzytajRekord(rekord);)
            wyjscie.Rekord(rekord, EKoniecRekordu::JakWczytany);
    }
    wyjscie.KoniecSekcji();
    return !k.CzyPrzerwac();
}

// A copy in the first stage has a stage text of its own and moves the bar from 0 to the end.
template <class F> bool ZEtapem(CKontekstPrzebiegu& k, const char* szEtap, F kopia) {
    k.obserwator.Etap(kodowanie::T(szEtap));
    k.UstawPostep(0);
    const bool bCala = kopia();
    k.UstawPostep(1000);
    return bCala;
}

bool SekcjeWiodace(CKontekstPrzebiegu& k, CWyjscie& wyjscie, const COpisPrzebiegu& opis) {
    if (opis.pPara != nullptr) {
        ZapiszNaglowek(*opis.pPara, k.wyjscie);
        return ZEtapem(k, "Filtrowanie atrybutów i wiązań",
                       [&] { return KopiujSekcjeWierszy(k, wyjscie, ESekcja::SP); }) &&
               ZEtapem(k, "Filtrowanie typów", [&] { return KopiujSekcjeTypow(k, wyjscie); });
    }
    wyjscie.Wiersz(format::NAGLOWEK_PLIKU);
    return KopiujSekcjeWierszy(k, wyjscie, ESekcja::SN) &&
           KopiujSekcjeWierszy(k, wyjscie, ESekcja::SP) && KopiujSekcjeTypow(k, wyjscie);
}

// The progress by the reader's position; nProg is the position at which the per-mille value
// next changes, so that the value is worked out only when it does.
void UstawPostepCzytnika(CKontekstPrzebiegu& k, std::uint64_t& nProg) {
    const std::uint64_t nPozycja = k.czytnik.Pozycja();
    if (nPozycja < nProg)
        return;
    const std::uint64_t nDlugosc = k.czytnik.Dlugosc();
    const std::uint64_t nPromile =
        nDlugosc == 0 ? 0 : std::min<std::uint64_t>(nPozycja * 1000 / nDlugosc, 1000);
    k.UstawPostep(static_cast<int>(nPromile));
    nProg = nDlugosc == 0 || nPromile == 1000 ? UINT64_MAX
                                              : ((nPromile + 1) * nDlugosc + 999) / 1000;
}

} // namespace

void CKontekstPrzebiegu::UstawPostep(int nPromile) {
    if (nPromile != nOstatniPostep)
        obserwator.Postep(nPromile);
    nOstatniPostep = nPromile;
}

bool PrzejdzPlik(CKontekstPrzebiegu& k, const COpisPrzebiegu& opis) {
    CWyjscie wyjscie(k.wyjscie, opis.bSumyCRC);
    if (opis.pPara == nullptr) {
        k.obserwator.Etap(opis.strEtap);
        k.UstawPostep(0);
    }
    if (!SekcjeWiodace(k, wyjscie, opis))
        return false;
    if (opis.pPara != nullptr) {
        k.obserwator.Etap(opis.strEtap);
        k.UstawPostep(0);
    }
    wyjscie.Wiersz(format::Znacznik(ESekcja::SO));
    k.czytnik.ZnajdzSekcje(ESekcja::SO);
    Rekord rekord;
    std::uint64_t nProg = 0;
    for (;;) {
        if (k.CzyPrzerwac())
            return false;
        if (!k.czytnik.CzytajRekord(rekord))
            break;
        bool bZostaje = true;
        try {
            if (opis.decyzja)
                bZostaje = opis.decyzja(rekord);
        } catch (CSWDEException& blad) {
            blad.UzupelnijMiejsce(k.czytnik.Linia(), k.czytnik.Pozycja());
            throw;
        }
        if (bZostaje)
            wyjscie.Rekord(rekord, opis.eKoniec);
        UstawPostepCzytnika(k, nProg);
    }
    wyjscie.KoniecSekcji();
    wyjscie.KoniecPliku();
    k.UstawPostep(1000);
    return true;
}
