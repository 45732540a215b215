// Helpers of the engine tests: a scratch folder, small SWDE files built from their object
// sections, and one engine run with recorded notifications.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "filtr/silnik.h"
#include "swde/naglowek.h"
#include "wspolne/powiadomienia_testowe.h"

namespace silnik_test {

namespace fs = std::filesystem;

// A folder of its own for each test, removed afterwards.
class CKatalog {
public:
    CKatalog() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string strNazwa = std::string("kelvor_silnik_") + info->test_suite_name() + "_" +
                               info->name() + "_" + std::to_string(std::random_device{}());
        for (char& c : strNazwa) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        m_sciezka = fs::temp_directory_path() / strNazwa;
        fs::create_directories(m_sciezka);
    }
    ~CKatalog() {
        std::error_code blad;
        fs::remove_all(m_sciezka, blad);
    }
    std::string operator()(const std::string& strNazwa) const {
        return (m_sciezka / strNazwa).string();
    }
    // Names of the files in the folder, sorted.
    std::vector<std::string> Pliki() const {
        std::vector<std::string> astr;
        for (const auto& wpis : fs::recursive_directory_iterator(m_sciezka)) {
            if (wpis.is_regular_file()) {
                astr.push_back(fs::relative(wpis.path(), m_sciezka).generic_string());
            }
        }
        std::sort(astr.begin(), astr.end());
        return astr;
    }

private:
    fs::path m_sciezka;
};

inline void Zapisz(const std::string& strSciezka, const std::string& strTekst) {
    std::ofstream plik(strSciezka, std::ios::binary);
    plik << strTekst;
}

inline std::string CzytajSurowo(const std::string& strSciezka) {
    std::ifstream plik(strSciezka, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(plik), {});
}

// The file's text with every CR removed.
inline std::string Czytaj(const std::string& strSciezka) {
    std::string strTekst = CzytajSurowo(strSciezka);
    std::erase(strTekst, '\r');
    return strTekst;
}

// A whole SWDE file around the given object section lines.
inline std::string PlikSWDE(const std::string& strSO) {
    return "SWDE.w.2.00.(C) GUGiK 2000;\n"
           "SN;\nNS,TR,1;\nSX;\n"
           "SP;\nP1;\nSX;\n"
           "ST;\nRT,1,X;\nX;\nSX;\n"
           "SO;\n" +
           strSO + "SX;\nSWDEX;\n";
}

// The lines of a file's object section, between "SO;" and its end line.
inline std::string SekcjaSO(const std::string& strPlik) {
    const std::size_t nPoczatek = strPlik.find("\nSO;\n");
    if (nPoczatek == std::string::npos) {
        return "<no SO section>";
    }
    const std::size_t nKoniec = strPlik.find("\nSX", nPoczatek + 4);
    return strPlik.substr(nPoczatek + 5, nKoniec - nPoczatek - 4);
}

// The header lines of the records of a file's object section.
inline std::vector<std::string> NaglowkiSO(const std::string& strPlik) {
    std::vector<std::string> astr;
    std::istringstream wejscie(SekcjaSO(strPlik));
    bool bNaglowek = true;
    for (std::string strLinia; std::getline(wejscie, strLinia);) {
        if (bNaglowek) {
            astr.push_back(strLinia);
        }
        bNaglowek = !strLinia.empty() && strLinia[0] == 'X';
    }
    return astr;
}

// One run over source files written into a scratch folder; targets are "<name>_wy.swd".
struct CRun {
    CKatalog katalog;
    CPowiadomieniaTestowe powiadomienia;
    COpcjeFiltrowania opcje;
    std::vector<CParaPlikow> pary;
    CSilnikFiltrowania silnik{powiadomienia};

    CRun() {
        opcje.m_bSumyCRC = false;
        opcje.m_bZmienione = true;
    }
    // Adds a pair; an empty text leaves the source unwritten.
    void Dodaj(const std::string& strNazwa, const std::string& strTekst,
               const std::string& strCel = "") {
        CParaPlikow para;
        para[CParaPlikow::ZRODLO] = katalog(strNazwa + ".swd");
        para[CParaPlikow::CEL] = strCel.empty() ? katalog(strNazwa + "_wy.swd") : strCel;
        if (!strTekst.empty()) {
            Zapisz(para[CParaPlikow::ZRODLO], strTekst);
        }
        pary.push_back(para);
        powiadomienia.wiersze.push_back(strNazwa + ".swd");
    }
    bool Filtruj() { return silnik.Filtruj(pary, opcje); }
    std::string Cel(std::size_t i = 0) const { return Czytaj(pary.at(i)[CParaPlikow::CEL]); }
    std::string Log(const std::string& strNazwa) const { return Czytaj(katalog(strNazwa)); }
};

inline int Bit(int nGrupa) {
    return 1 << nGrupa;
}

} // namespace silnik_test
