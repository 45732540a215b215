// The configuration file: 31 key and value pairs, code page 1250 text with CR LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class COpcjeFiltrowania;

// What a configuration command did; everything but Wykonano has a text for the user.
enum class EWynikKonfiguracji {
    Wykonano,
    // The file to read could not be opened: "Nie znaleziono pliku z domyślną konfiguracją ..."
    // (shown as a warning). The options are unchanged.
    BrakPliku,
    // The file is malformed: "Błędny format pliku: Plik konfiguracji ma nieprawidłowy format"
    // (a plain message). What a read applies before the fault stays applied.
    ZlyFormat,
    // The file could not be written: "Odmowa dostępu do pliku konfiguracyjnego" (a warning).
    OdmowaZapisu,
};
// The text shown for a result; empty for Wykonano.
const std::string& TekstWyniku(EWynikKonfiguracji eWynik);

// The default file "KELVOR.cfg" in the folder of the running executable.
std::string SciezkaDomyslnejKonfiguracji();

// Where the default configuration is read at start and written at close. A copy of the program
// in a folder the user can write keeps it beside the executable. An installed program's folder
// (Program Files, /usr/bin) is not the clerk's to write: the settings then live in the user's
// own folder (%APPDATA%\KELVOR, ~/.config/kelvor), and a KELVOR.cfg installed beside the
// executable gives the settings until the user's own file exists.
struct CMiejsceKonfiguracji {
    std::string m_strOdczyt;
    std::string m_strZapis;
};
CMiejsceKonfiguracji MiejsceKonfiguracji(const std::string& strKatalogProgramu,
                                         bool bKatalogZapisywalny);
// The same, the folder tried with a probe file.
CMiejsceKonfiguracji MiejsceKonfiguracji(const std::string& strKatalogProgramu);
// The same for the running executable.
CMiejsceKonfiguracji MiejsceKonfiguracji();
// Writes the default configuration to its place, making the user's settings folder first when
// it is not there yet.
EWynikKonfiguracji ZapiszKonfiguracjeDomyslna(const COpcjeFiltrowania& opcje,
                                              const CMiejsceKonfiguracji& miejsce);

// Writes the options to the file (the default file for an empty path); nothing is written when
// the file cannot be.
EWynikKonfiguracji ZapiszKonfiguracje(const COpcjeFiltrowania& opcje,
                                      const std::string& strSciezka);
// Reads and applies the file (the default file for an empty path).
EWynikKonfiguracji WczytajKonfiguracje(COpcjeFiltrowania& opcje, const std::string& strSciezka);

// The configuration commands of the main window, without their dialogs: the caller has already
// chosen the path and shows the result's text.

// Start-up: reads the default file. A read file becomes m_strPlikKonfiguracji with
// m_bZmienione false; a missing one leaves m_strPlikKonfiguracji empty; a malformed one leaves
// both fields as they were.
EWynikKonfiguracji PrzygotujKlucze(COpcjeFiltrowania& opcje);
// The same with the default file at another place.
EWynikKonfiguracji PrzygotujKlucze(COpcjeFiltrowania& opcje, const std::string& strDomyslny);

// Load: reads the chosen file. When it was read, m_strPlikKonfiguracji becomes the path,
// m_bZmienione false and m_strKatalogKonfiguracji the path's folder (with its separator);
// otherwise the three fields stay as they were.
EWynikKonfiguracji OdczytajKonfiguracjeZPliku(COpcjeFiltrowania& opcje,
                                              const std::string& strSciezka);

// Save: writes the chosen file. When it was written, m_strPlikKonfiguracji becomes the path and
// m_bZmienione false; a failed write keeps both fields. m_strKatalogKonfiguracji does not
// change.
EWynikKonfiguracji ZapiszKonfiguracjeDoPliku(COpcjeFiltrowania& opcje,
                                             const std::string& strSciezka);

// Why a configuration may not be saved under the path, for the user (code page 1250); empty
// when it may. Refused: one of the run's sources, and anything existing under the name that is
// not a configuration (an SWDE or GML file, a file over the size limit, a device, a folder):
// saving the settings never destroys a file of another kind.
std::string OdmowaZapisuKonfiguracji(const std::string& strSciezka,
                                     const std::vector<std::string>& astrZrodla);

// True when the options filter as the file m_strPlikKonfiguracji holds now: the same object
// and attribute choice and the same checksum option. False without a file or when it cannot be
// read. The log names the file only then.
bool ZgodneZPlikiemKonfiguracji(const COpcjeFiltrowania& opcje);
// The same choice and checksum option.
bool TeSameUstawienia(const COpcjeFiltrowania& a, const COpcjeFiltrowania& b);

// The building blocks, also for front ends and tests.

// The whole file text, "\n" line ends (the file gets CR LF).
std::string TekstKonfiguracji(const COpcjeFiltrowania& opcje);
// Applies a file's text to the options, as a read does; CStandardException for a malformed
// text, after applying what a read applies before the fault (the page states of an "Obiekty"
// pair, the folders met). A text over 1 MiB is malformed; one that starts with the UTF-8
// byte-order mark is read as UTF-8.
void ZastosujTekstKonfiguracji(COpcjeFiltrowania& opcje, std::string_view strTekst);
// A mask or flag value: decimal digits from 0 to nNajwieksza; -1 for anything else.
int LiczbaZTekstu(std::string_view strTekst, int nNajwieksza);
// Writes the options to the file in one piece (through a temporary file beside it); false when
// the file could not be written, the old file then being left as it was.
bool ZapiszPlikKonfiguracji(const COpcjeFiltrowania& opcje, const std::string& strSciezka);
