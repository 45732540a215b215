// The errors the system reports: one table pairing each numbered error with its fixed text
// (code page 1250), and the exceptions that carry them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The numbered errors about an SWDE file or about opening a file.
enum class EBlad {
    OtwarciePliku,           // 0 "Błąd otwarcia pliku: " + path
    OtwarciePlikuZrodlowego, // 0 "Błąd otwarcia pliku źródłowego: " + path (a file read)
    OtwarciePlikuDocelowego, // 0 "Błąd otwarcia pliku docelowego: " + path (a file written)
    FormatPlikuNaglowek,     // 1 "Nieprawidłowy format pliku " (trailing blank)
    FormatPlikuBOM,          // 1 the same for a file saved in UTF-8 with a byte order mark
    FormatPliku,             // 1 "Nieprawidłowy format pliku!"
    ElementWSekcji,          // 4 "Nieprawidłowy element w sekcji: '" + code + "'"
    FormatDanychWRekordzie,  // 6
    BrakWiazaniaRPRZ,        // 7
    UzycieWiazania,          // 8 "Nieprawidłowe użycie wiązania"
    UzycieWiazaniaRPRZ,      // 8 ... G5RPRZ w obiekcie G5PDZ
    UzycieWiazaniaREPZ,      // 8 ... G5REPZ w obiekcie G5PDZ
    UzycieWiazaniaRJRW,      // 8 ... G5RJRW w obiekcie G5JRZ
    UzycieWiazaniaRWLD,      // 8 ... G5RWŁD w obiekcie G5UDW
    UzycieWiazaniaRWLS,      // 8 ... G5RWŁS w obiekcie G5UDZ
    UzycieWiazaniaRWPZ,      // 8 ... G5RWPZ w obiekcie G5UDD
    KoniecDanych,            // 9
    NaglowekRekordu,         // 11
};

int NumerBledu(EBlad eBlad);
// The fixed text of the error, without what follows it (a path, an element code).
const std::string& TekstBledu(EBlad eBlad);
// Whether the error names the line and position in the file where it was found.
bool MaMiejsce(EBlad eBlad);

// The error for a first significant line that is not the SWDE file header: a line that
// begins with the UTF-8 byte order mark is named as such.
EBlad BladNaglowkaPliku(std::string_view strLinia);

// A numbered error about an SWDE file or about opening a file.
class CSWDEException {
public:
    // strDopisek follows the fixed text (a path, an element code). Line and position 0 mean
    // "not known".
    explicit CSWDEException(EBlad eBlad, const std::string& strDopisek = {},
                            std::uint64_t nLinia = 0, std::uint64_t nPozycja = 0);

    // Gives an error that names its place in the file, raised where the place is not known,
    // the reader's counters; an error that has its place, or names none, stays as it is.
    void UzupelnijMiejsce(std::uint64_t nLinia, std::uint64_t nPozycja);

    // "Błąd nr <n>: <message>" in code page 1250.
    std::string PelnyKomunikat() const;

    EBlad m_eBlad;
    int m_nNumer;
    std::string m_strKomunikat; // composed message without the number
    bool m_bMaMiejsce = false;  // a line or position is in the message

private:
    void DodajMiejsce(std::uint64_t nLinia, std::uint64_t nPozycja);
};

// A two-part message about a configuration file.
class CStandardException {
public:
    CStandardException(const std::string& strTytul, const std::string& strKomunikat)
        : m_strTytul(strTytul), m_strKomunikat(strKomunikat) {}
    std::string Tekst() const { return m_strTytul + ": " + m_strKomunikat; }

    std::string m_strTytul;
    std::string m_strKomunikat;
};

// A failed read, write or close of a file object (raised by the platform layer), with the
// system's reason when it gave one.
class CFileException {
public:
    explicit CFileException(const std::string& strPlik, const std::string& strPowod = {})
        : m_strPlik(strPlik), m_strPowod(strPowod) {}
    // "Plik '<file>': <reason>", for the user beside the fixed file-access text.
    std::string Szczegoly() const;

    std::string m_strPlik;
    std::string m_strPowod;
};

// The text a failure is reported with, for the exception being handled (call it inside a
// catch block): a numbered error's full text, the file-access text for a CFileException,
// the critical-error text for anything else.
std::string TekstBiezacegoBledu();
// The number of the numbered error being handled, or -1 for any other failure.
int NumerBiezacegoBledu();
// What the user is told beside the text of a file-access failure being handled: the file and
// the system's reason; empty for any other failure.
std::string SzczegolyBiezacegoBledu();

namespace blad {
// "Wystąpił błąd związany z dostępem do pliku."
const std::string& DostepDoPliku();
// "Plik SWDE zawiera błędy krytyczne, po usunięciu błędów uruchom ponownie aplikację."
const std::string& BledyKrytyczne();
// Configuration file format error (CStandardException).
const std::string& TytulFormatu();      // "Błędny format pliku"
const std::string& KomunikatFormatu();  // "Plik konfiguracji ma nieprawidłowy format"
}  // namespace blad
