// The configuration file: 31 key and value pairs, code page 1250 text with CR LF line ends.
#pragma once

#include <string>

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
