// The numbered errors: their table and the composition of their texts.
#include "swde/bledy.h"

#include <array>

#include "swde/kodowanie.h"

namespace {

struct COpisBledu {
    int nNumer;
    bool bMiejsce; // the raiser names the line and position
    const char* szTekst;
};

// In the order of EBlad.
constexpr std::array<COpisBledu, 18> BLEDY = {{
    {0, false, "Błąd otwarcia pliku: "},
    {0, false, "Błąd otwarcia pliku źródłowego: "},
    {0, false, "Błąd otwarcia pliku docelowego: "},
    {1, false, "Nieprawidłowy format pliku "},
    {1, false, "Nieprawidłowy format pliku (zapisany w UTF-8 ze znacznikiem BOM, a nie w ISO-8859-2) "},
    {1, true, "Nieprawidłowy format pliku!"},
    {4, false, "Nieprawidłowy element w sekcji: '"},
    {6, true, "Nieprawidłowy format danych w rekordzie"},
    {7, true, "Brak wiązania G5RPRZ w obiekcie G5PDZ"},
    {8, true, "Nieprawidłowe użycie wiązania"},
    {8, true, "Nieprawidłowe użycie wiązania G5RPRZ w obiekcie G5PDZ"},
    {8, true, "Nieprawidłowe użycie wiązania G5REPZ w obiekcie G5PDZ"},
    {8, true, "Nieprawidłowe użycie wiązania G5RJRW w obiekcie G5JRZ"},
    {8, true, "Nieprawidłowe użycie wiązania G5RWŁD w obiekcie G5UDW"},
    {8, true, "Nieprawidłowe użycie wiązania G5RWŁS w obiekcie G5UDZ"},
    {8, true, "Nieprawidłowe użycie wiązania G5RWPZ w obiekcie G5UDD"},
    {9, false,
     "Błąd w pliku przy pobieraniu kolejnej porcji danych. Niespodziewany koniec pliku."},
    {11, true, "Nieprawidłowy nagłówek rekordu"},
}};

const COpisBledu& Opis(EBlad eBlad) {
    return BLEDY.at(static_cast<std::size_t>(eBlad));
}

#define KELVOR_TEKST(nazwa, tekst)                                                                 \
    const std::string& nazwa() {                                                                   \
        static const std::string str = kodowanie::T(tekst);                                        \
        return str;                                                                                \
    }

} // namespace

int NumerBledu(EBlad eBlad) {
    return Opis(eBlad).nNumer;
}

const std::string& TekstBledu(EBlad eBlad) {
    static const std::array<std::string, BLEDY.size()> teksty = [] {
        std::array<std::string, BLEDY.size()> t;
        for (std::size_t i = 0; i < BLEDY.size(); ++i)
            t[i] = kodowanie::T(BLEDY[i].szTekst);
        return t;
    }();
    return teksty.at(static_cast<std::size_t>(eBlad));
}

bool MaMiejsce(EBlad eBlad) {
    return Opis(eBlad).bMiejsce;
}

EBlad BladNaglowkaPliku(std::string_view strLinia) {
    return strLinia.starts_with("\xEF\xBB\xBF") ? EBlad::FormatPlikuBOM
                                                  : EBlad::FormatPlikuNaglowek;
}

CSWDEException::CSWDEException(EBlad eBlad, const std::string& strDopisek, std::uint64_t nLinia,
                               std::uint64_t nPozycja)
    : m_eBlad(eBlad), m_nNumer(NumerBledu(eBlad)), m_strKomunikat(TekstBledu(eBlad) + strDopisek) {
    DodajMiejsce(nLinia, nPozycja);
}

void CSWDEException::UzupelnijMiejsce(std::uint64_t nLinia, std::uint64_t nPozycja) {
    if (MaMiejsce(m_eBlad))
        DodajMiejsce(nLinia, nPozycja);
}

void CSWDEException::DodajMiejsce(std::uint64_t nLinia, std::uint64_t nPozycja) {
    static const std::string strLinia = kodowanie::T("Linia w pliku nr: ");
    static const std::string strPozycja = kodowanie::T(", pozycja w pliku: ");
    if (m_bMaMiejsce || (nLinia == 0 && nPozycja == 0))
        return;
    m_bMaMiejsce = true;
    // Counters print in full: a file of more than 4 GiB has positions beyond 32 bits.
    m_strKomunikat += " (";
    if (nLinia != 0)
        m_strKomunikat += strLinia + std::to_string(nLinia);
    if (nPozycja != 0)
        m_strKomunikat += strPozycja + std::to_string(nPozycja);
    m_strKomunikat += ")";
}

std::string CSWDEException::PelnyKomunikat() const {
    static const std::string strBlad = kodowanie::T("Błąd nr ");
    return strBlad + std::to_string(m_nNumer) + ": " + m_strKomunikat;
}

std::string TekstBiezacegoBledu() {
    try {
        throw;
    } catch (const CSWDEException& e) {
        return e.PelnyKomunikat();
    } catch (const CFileException&) {
        return blad::DostepDoPliku();
    } catch (...) {
        return blad::BledyKrytyczne();
    }
}

int NumerBiezacegoBledu() {
    try {
        throw;
    } catch (const CSWDEException& e) {
        return e.m_nNumer;
    } catch (...) {
        return -1;
    }
}

std::string CFileException::Szczegoly() const {
    return "Plik '" + m_strPlik + "'" + (m_strPowod.empty() ? std::string() : ": " + m_strPowod);
}

std::string SzczegolyBiezacegoBledu() {
    try {
        throw;
    } catch (const CFileException& e) {
        return e.Szczegoly();
    } catch (...) {
        return {};
    }
}

namespace blad {
KELVOR_TEKST(DostepDoPliku, "Wystąpił błąd związany z dostępem do pliku.")
KELVOR_TEKST(BledyKrytyczne,
             "Plik SWDE zawiera błędy krytyczne, po usunięciu błędów uruchom ponownie aplikację.")
KELVOR_TEKST(TytulFormatu, "Błędny format pliku")
KELVOR_TEKST(KomunikatFormatu, "Plik konfiguracji ma nieprawidłowy format")
} // namespace blad
