// The configuration file: 31 key and value pairs, code page 1250 text with CR LF line ends.
#pragma once

#include <string>
#include <string_view>

class COpcjeFiltrowania;
class CPowiadomienia;

// The default file "KELVOR.cfg" in the folder of the running executable.
std::string SciezkaDomyslnejKonfiguracji();

// Writes the options to the file (the default file for an empty path). A file that cannot be
// opened is reported through a warning message and nothing is written.
void ZapiszKonfiguracje(const COpcjeFiltrowania& opcje, const std::string& strSciezka,
                        CPowiadomienia& powiadomienia);

// Reads and applies the file (the default file for an empty path). Returns the path read, or
// an empty text (after a warning message) when the file cannot be opened. A malformed file
// throws CStandardException.
std::string WczytajKonfiguracje(COpcjeFiltrowania& opcje, const std::string& strSciezka,
                                CPowiadomienia& powiadomienia);

// The configuration commands of the main window, without their dialogs: the caller has already
// chosen the path.

// Start-up: reads the default file. A missing file gives the warning and an empty
// m_strPlikKonfiguracji; a read file becomes m_strPlikKonfiguracji with m_bZmienione false; a
// malformed file shows "title: message" in a plain message box and leaves both fields as they
// were.
void PrzygotujKlucze(COpcjeFiltrowania& opcje, CPowiadomienia& powiadomienia);
// The same with the default file at another place.
void PrzygotujKlucze(COpcjeFiltrowania& opcje, const std::string& strDomyslny,
                     CPowiadomienia& powiadomienia);

// Load: reads the chosen file. When it was read, m_strPlikKonfiguracji becomes the path,
// m_bZmienione false and m_strKatalogKonfiguracji the path's folder (with its separator), and
// true is returned. A malformed file shows "title: message" in a plain message box; a file that
// cannot be opened shows the read warning; in both cases the three fields stay as they were.
bool OdczytajKonfiguracjeZPliku(COpcjeFiltrowania& opcje, const std::string& strSciezka,
                                CPowiadomienia& powiadomienia);

// Save: writes the chosen file. When it was written, m_strPlikKonfiguracji becomes the path and
// m_bZmienione false, and true is returned; a failed write keeps both fields (it has shown its
// warning). m_strKatalogKonfiguracji does not change.
bool ZapiszKonfiguracjeDoPliku(COpcjeFiltrowania& opcje, const std::string& strSciezka,
                               CPowiadomienia& powiadomienia);

// The building blocks, also for front ends and tests.

// The whole file text, "\n" line ends (the file gets CR LF).
std::string TekstKonfiguracji(const COpcjeFiltrowania& opcje);
// Applies a file's text to the options, as a read does; CStandardException for a malformed
// text, after applying what a read applies before the fault (the page states of an "Obiekty"
// pair, the folders met).
void ZastosujTekstKonfiguracji(COpcjeFiltrowania& opcje, std::string_view strTekst);
// A value converted the way atoi does (leading white space, optional sign, digits; no digits
// gives 0), with values beyond the int range clamped to it.
int LiczbaZTekstu(std::string_view strTekst);
// Writes the options to the file in one piece (through a temporary file beside it); false when
// the file could not be written, the old file then being left as it was. No message.
bool ZapiszPlikKonfiguracji(const COpcjeFiltrowania& opcje, const std::string& strSciezka);
