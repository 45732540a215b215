// The numbered errors: composition of their texts and the fixed messages.
#include "swde/bledy.h"

#include "swde/kodowanie.h"

CSWDEException::CSWDEException(int nNumer, const std::string& strKomunikat, std::uint64_t nLinia,
                               std::uint64_t nPozycja)
    : m_strKomunikat(strKomunikat), m_nNumer(nNumer) {
    static const std::string strLinia = kodowanie::T("Linia w pliku nr: ");
    static const std::string strPozycja = kodowanie::T(", pozycja w pliku: ");
    if (nLinia == 0 && nPozycja == 0)
        return;
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

namespace blad {

#define KELVOR_TEKST(nazwa, tekst)                                                                 \
    const std::string& nazwa() {                                                                   \
        static const std::string str = kodowanie::T(tekst);                                        \
        return str;                                                                                \
    }

KELVOR_TEKST(OtwarciePliku, "Błąd otwarcia pliku: ")
KELVOR_TEKST(OtwarciePlikuZrodlowego, "Błąd otwarcia pliku źródłowego: ")
KELVOR_TEKST(OtwarciePlikuDocelowego, "Błąd otwarcia pliku docelowego: ")
KELVOR_TEKST(FormatPlikuNaglowek, "Nieprawidłowy format pliku ")
KELVOR_TEKST(FormatPliku, "Nieprawidłowy format pliku!")
KELVOR_TEKST(ElementWSekcji, "Nieprawidłowy element w sekcji: '")
KELVOR_TEKST(FormatDanychWRekordzie, "Nieprawidłowy format danych w rekordzie")
KELVOR_TEKST(BrakWiazaniaRPRZ, "Brak wiązania G5RPRZ w obiekcie G5PDZ")
KELVOR_TEKST(UzycieWiazania, "Nieprawidłowe użycie wiązania")
KELVOR_TEKST(UzycieWiazaniaRPRZ, "Nieprawidłowe użycie wiązania G5RPRZ w obiekcie G5PDZ")
KELVOR_TEKST(UzycieWiazaniaREPZ, "Nieprawidłowe użycie wiązania G5REPZ w obiekcie G5PDZ")
KELVOR_TEKST(UzycieWiazaniaRJRW, "Nieprawidłowe użycie wiązania G5RJRW w obiekcie G5JRZ")
KELVOR_TEKST(UzycieWiazaniaRWLD, "Nieprawidłowe użycie wiązania G5RWŁD w obiekcie G5UDW")
KELVOR_TEKST(UzycieWiazaniaRWLS, "Nieprawidłowe użycie wiązania G5RWŁS w obiekcie G5UDZ")
KELVOR_TEKST(UzycieWiazaniaRWPZ, "Nieprawidłowe użycie wiązania G5RWPZ w obiekcie G5UDD")
KELVOR_TEKST(KoniecDanych,
             "Błąd w pliku przy pobieraniu kolejnej porcji danych. Niespodziewany koniec pliku.")
KELVOR_TEKST(NaglowekRekordu, "Nieprawidłowy nagłówek rekordu")
KELVOR_TEKST(TytulFormatu, "Błędny format pliku")
KELVOR_TEKST(KomunikatFormatu, "Plik konfiguracji ma nieprawidłowy format")

#undef KELVOR_TEKST

} // namespace blad
