// The command line of kelvor-cli: what the user asked for, as UTF-8 texts.
#pragma once

#include <optional>
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
    bool m_bLista = false; // --list
    std::vector<std::string> m_astrZrodla;

    // Filter options chosen on the command line, ticked on top of -c or of nothing: object
    // groups (bits), attributes (type number and bit), the CRC option.
    std::vector<int> m_anGrupy;
    std::vector<std::pair<int, int>> m_atrybuty;
    std::optional<bool> m_bSumyCRC;
    std::string m_strZapiszKonfiguracje; // --save-config

    bool m_bSprawdz = false; // --check: the files are checked, not filtered
    bool m_bJson = false;    // --json
    bool m_bPorownaj = false;     // --diff: the two files are compared
    std::string m_strCsv;         // --csv
    std::string m_strHtml;        // --html
    bool m_bDaneOsobowe = false;  // --show-personal-data
    // The first option given that belongs to filtering only, for the message when it is
    // combined with --check.
    std::string m_strOpcjaFiltrowania;

    bool CzyWybranoFiltry() const {
        return !m_anGrupy.empty() || !m_atrybuty.empty() || m_bSumyCRC.has_value();
    }
};

// Reads the arguments (without the program name). False on a misuse, with the reason in
// strBlad. --help, --version and --list are accepted whatever else is wrong.
bool CzytajArgumenty(const std::vector<std::string>& astrArgumenty, CArgumenty& argumenty,
                     std::string& strBlad);

// Parses "YYYY-MM-DD" of an existing calendar day.
bool CzytajDate(const std::string& strTekst, CData& data);

// The --help text.
const char* TekstPomocy();
