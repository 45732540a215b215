// The command line of kelvor-cli: what the user asked for, as UTF-8 texts.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "swde/naglowek.h"

struct CArgumenty {
    std::string m_strKonfiguracja; // -c; empty: the default configuration file
    std::string m_strWyjscie;      // -o
    std::string m_strKatalog;      // -d
    bool m_bData = false;          // --date given
    CData m_data;
    // --header: the target header field and its value, in the order given.
    std::vector<std::pair<EPoleNaglowka, std::string>> m_naglowki;
    bool m_bTak = false;   // -y
    bool m_bCicho = false; // -q
    int m_nZadania = 1;    // -j: sources filtered at once, 0 = as many as the processor has cores
    bool m_bPomoc = false;
    bool m_bWersja = false;
    std::vector<std::string> m_astrZrodla;
};

// Reads the arguments (without the program name). False on a misuse, with the reason in
// strBlad. --help and --version are accepted whatever else is wrong.
bool CzytajArgumenty(const std::vector<std::string>& astrArgumenty, CArgumenty& argumenty,
                     std::string& strBlad);

// Parses "YYYY-MM-DD" of an existing calendar day.
bool CzytajDate(const std::string& strTekst, CData& data);

// The --help text.
const char* TekstPomocy();
