// The errors the system reports, with their numbers and fixed texts (code page 1250).
#pragma once

#include <cstdint>
#include <string>

// A numbered error about an SWDE file or about opening a file.
class CSWDEException {
public:
    // line and position 0 mean "not known".
    CSWDEException(int nNumer, const std::string& strKomunikat, std::uint64_t nLinia = 0,
                   std::uint64_t nPozycja = 0);

    // "Błąd nr <n>: <message>" in code page 1250.
    std::string PelnyKomunikat() const;

    std::string m_strKomunikat;  // composed message without the number
    int m_nNumer;
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

// A failed read, write or close of a file object (raised by the platform layer).
class CFileException {
public:
    explicit CFileException(const std::string& strPlik) : m_strPlik(strPlik) {}
    std::string m_strPlik;
};

// Texts of the numbered errors, code page 1250.
namespace blad {
const std::string& OtwarciePliku();            // 0: "Błąd otwarcia pliku: "
const std::string& OtwarciePlikuZrodlowego();  // 0: "Błąd otwarcia pliku źródłowego: "
const std::string& OtwarciePlikuDocelowego();  // 0: "Błąd otwarcia pliku docelowego: "
const std::string& FormatPlikuNaglowek();      // 1: "Nieprawidłowy format pliku " (trailing blank)
const std::string& FormatPliku();              // 1: "Nieprawidłowy format pliku!"
const std::string& ElementWSekcji();           // 4: "Nieprawidłowy element w sekcji: '"
const std::string& FormatDanychWRekordzie();   // 6
const std::string& BrakWiazaniaRPRZ();         // 7
const std::string& UzycieWiazania();           // 8: "Nieprawidłowe użycie wiązania"
const std::string& UzycieWiazaniaRPRZ();       // 8: ... G5RPRZ w obiekcie G5PDZ
const std::string& UzycieWiazaniaREPZ();       // 8: ... G5REPZ w obiekcie G5PDZ
const std::string& UzycieWiazaniaRJRW();       // 8: ... G5RJRW w obiekcie G5JRZ
const std::string& UzycieWiazaniaRWLD();       // 8: ... G5RWŁD w obiekcie G5UDW
const std::string& UzycieWiazaniaRWLS();       // 8: ... G5RWŁS w obiekcie G5UDZ
const std::string& UzycieWiazaniaRWPZ();       // 8: ... G5RWPZ w obiekcie G5UDD
const std::string& KoniecDanych();             // 9
const std::string& NaglowekRekordu();          // 11
// Configuration file format error (CStandardException).
const std::string& TytulFormatu();      // "Błędny format pliku"
const std::string& KomunikatFormatu();  // "Plik konfiguracji ma nieprawidłowy format"
}  // namespace blad
