// Helpers of the console tests: a scratch folder with files, and runs of the real kelvor-cli
// with their exit status and output.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace cli_test {

namespace fs = std::filesystem;

inline const fs::path& Program() {
    static const fs::path program = fs::path(KELVOR_BIN_DIR) / "kelvor-cli";
    return program;
}

inline fs::path Przyklad(const std::string& strNazwa) {
    return fs::path(KELVOR_SRC_DIR) / "examples" / strNazwa;
}

inline std::string Czytaj(const fs::path& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

inline void Zapisz(const fs::path& sciezka, const std::string& strTresc) {
    fs::create_directories(sciezka.parent_path());
    std::ofstream(sciezka, std::ios::binary) << strTresc;
}

// Lines joined with CR LF, as SWDE files and configuration files are written.
inline std::string Wiersze(const std::vector<std::string>& astrWiersze) {
    std::string strWynik;
    for (const std::string& strWiersz : astrWiersze)
        strWynik += strWiersz + "\r\n";
    return strWynik;
}

// A configuration file: the object mask, the attribute masks by key and the CRC flag.
inline std::string Konfiguracja(int nObiekty, const std::vector<std::pair<std::string, int>>& maski,
                                bool bCrc) {
    std::vector<std::string> astrWiersze{"Obiekty " + std::to_string(nObiekty)};
    for (const auto& [strKlucz, nMaska] : maski)
        astrWiersze.push_back(strKlucz + " " + std::to_string(nMaska));
    astrWiersze.push_back(bCrc ? "CRC 1" : "CRC 0");
    return Wiersze(astrWiersze);
}

struct CWynik {
    int nKod = -1;
    std::string strWyjscie; // stdout
    std::string strBledy;   // stderr
};

// A folder of its own for each test: data under dane/, captured output beside it.
class CKatalog {
public:
    CKatalog() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string strNazwa = std::string("kelvor_cli_") + info->test_suite_name() + "_" +
                               info->name() + "_" + std::to_string(std::random_device{}());
        for (char& c : strNazwa)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        m_sciezka = fs::temp_directory_path() / strNazwa;
        fs::create_directories(m_sciezka / "dane");
    }
    ~CKatalog() {
        std::error_code blad;
        fs::remove_all(m_sciezka, blad);
    }

    fs::path Dane() const { return m_sciezka / "dane"; }
    fs::path operator/(const std::string& strNazwa) const { return Dane() / strNazwa; }

    // The names of every file under dane/, relative and sorted.
    std::vector<std::string> Pliki() const {
        std::vector<std::string> astrPliki;
        for (const auto& wpis : fs::recursive_directory_iterator(Dane()))
            if (wpis.is_regular_file())
                astrPliki.push_back(fs::relative(wpis.path(), Dane()).generic_string());
        std::sort(astrPliki.begin(), astrPliki.end());
        return astrPliki;
    }

    // Runs the program in dane/ with stdin from the null device.
    CWynik Uruchom(const std::vector<std::string>& astrArgumenty,
                   const fs::path& program = Program()) const {
        const fs::path wyjscie = m_sciezka / "stdout.txt", bledy = m_sciezka / "stderr.txt";
        std::string strPolecenie =
            "cd " + Cytat(Dane().string()) + " && " + Cytat(program.string());
        for (const std::string& strArgument : astrArgumenty)
            strPolecenie += " " + Cytat(strArgument);
#ifdef _WIN32
        strPolecenie += " < NUL";
#else
        strPolecenie += " < /dev/null";
#endif
        strPolecenie += " > " + Cytat(wyjscie.string()) + " 2> " + Cytat(bledy.string());
        CWynik wynik;
        const int nStatus = std::system(strPolecenie.c_str());
#ifdef _WIN32
        wynik.nKod = nStatus;
#else
        wynik.nKod = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
#endif
        wynik.strWyjscie = Czytaj(wyjscie);
        wynik.strBledy = Czytaj(bledy);
        return wynik;
    }

    fs::path m_sciezka;

private:
    static std::string Cytat(const std::string& strTekst) {
#ifdef _WIN32
        return "\"" + strTekst + "\"";
#else
        std::string strWynik = "'";
        for (char c : strTekst)
            strWynik += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return strWynik + "'";
#endif
    }
};

} // namespace cli_test
