// Helpers of the engine tests: small SWDE files written in a short form, one pass over a file,
// and one engine run with recorded notifications.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "filtr/przebieg.h"
#include "filtr/silnik.h"
#include "swde/kodowanie.h"
#include "wspolne/katalog_testowy.h"
#include "wspolne/obserwator_testowy.h"

namespace silnik_test {

namespace fs = std::filesystem;
using kodowanie::T;

using testy::CKatalog;
using testy::Czytaj;
using testy::Zapisz;
using Lista = std::vector<std::string>;

inline std::string BezCR(std::string str) {
    std::erase(str, '\r');
    return str;
}

// Object records in a short form: records are split by " / ", the lines of a record by " " and
// written as they stand, except that a header "G5DZE:7" stands for "RO,1,G5DZE,7,7L,11;" and
// the end line "X;" is added unless the last line starts with "X".
inline std::string SO(const std::string& strSkrot) {
    static const std::regex krotki("^(\\w+):(\\w+)$");
    std::istringstream wejscie(strSkrot + " /");
    std::string strSO, strRekord, strOstatni;
    for (std::string strSlowo; wejscie >> strSlowo;) {
        if (strSlowo == "/") {
            strSO += strRekord + (strOstatni.starts_with("X") ? "" : "X;\n");
            strRekord.clear();
            strOstatni.clear();
        } else if (strRekord.empty()) {
            strRekord = std::regex_replace(strSlowo, krotki, "RO,1,$1,$2,$2L,11;") + "\n";
        } else {
            strRekord += strSlowo + "\n";
            strOstatni = strSlowo;
        }
    }
    return strSO;
}

// Constant-initialised: Plik() below is one function for every test file, and its constant must
// be ready before any file's own constants are built from it.
inline constexpr char POCZATEK[] = "SWDE.w.2.00.(C) GUGiK 2000;\nSN;\nNS,TR,1;\nSX;\nSP;\nP1;\nSX;\n"
                             "ST;\nRT,1,X;\nX;\nSX;\nSO;\n";

// A whole SWDE file around object records in the short form.
inline std::string Plik(const std::string& strSkrot) {
    return POCZATEK + SO(strSkrot) + "SX;\nSWDEX;\n";
}

// The lines of a file's object section, between "SO;" and its end line.
inline std::string SekcjaSO(const std::string& strPlik) {
    const std::size_t nPoczatek = strPlik.find("\nSO;\n");
    if (nPoczatek == std::string::npos)
        return "<no SO section>";
    return strPlik.substr(nPoczatek + 5, strPlik.find("\nSX", nPoczatek + 4) - nPoczatek - 4);
}

// The headers of a file's object records, in the short form where one fits, joined by " ".
inline std::string Naglowki(const std::string& strPlik) {
    static const std::regex krotki("RO,1,(\\w+),(\\w+),\\2L,11;");
    std::string strWynik;
    std::istringstream wejscie(SekcjaSO(strPlik));
    bool bNaglowek = true;
    for (std::string strLinia; std::getline(wejscie, strLinia);) {
        if (bNaglowek)
            strWynik +=
                (strWynik.empty() ? "" : " ") + std::regex_replace(strLinia, krotki, "$1:$2");
        bNaglowek = !strLinia.empty() && strLinia[0] == 'X';
    }
    return strWynik;
}

// One pass of the chain over a file, with a run state the test may fill first.
struct CPrzebieg {
    CKatalog katalog;
    CObserwatorTestowy obserwator;
    CStanPrzebiegu stan;
    COpcjeFiltrowania opcje;

    // Returns the output with CRs removed.
    std::string operator()(const std::string& strTresc, bool (*pPrzebieg)(CKontekstPrzebiegu&)) {
        Zapisz(katalog("we.swd"), strTresc);
        CCzytnikSWDE czytnik;
        CPlikWynikowy wyjscie;
        EXPECT_TRUE(czytnik.Otworz(katalog("we.swd")) && wyjscie.Otworz(katalog("wy.swd")));
        CKontekstPrzebiegu k{czytnik, wyjscie, obserwator, stan, opcje};
        EXPECT_TRUE(pPrzebieg(k));
        wyjscie.Zamknij();
        czytnik.Zamknij();
        return BezCR(Czytaj(katalog("wy.swd")));
    }
};

constexpr auto Bit = [](int nGrupa) { return 1 << nGrupa; };

// One run over source files written into a scratch folder; targets are "<name>_wy.swd".
struct CRun {
    CKatalog katalog;
    CObserwatorTestowy obserwator;
    COpcjeFiltrowania opcje;
    std::vector<CParaPlikow> pary;
    CSilnikFiltrowania silnik{obserwator};

    CRun(int nMaska = 0, bool bSumy = false) {
        opcje.m_nMaskaObiektow = nMaska;
        opcje.m_bSumyCRC = bSumy;
        opcje.m_bZmienione = true;
    }
    // Adds a pair; an empty text leaves the source unwritten.
    void Dodaj(const std::string& strNazwa, const std::string& strTekst,
               const std::string& strCel = "") {
        CParaPlikow para;
        para.m_strZrodlo = katalog(strNazwa + ".swd");
        para.m_strCel = strCel.empty() ? katalog(strNazwa + "_wy.swd") : strCel;
        if (!strTekst.empty())
            Zapisz(para.m_strZrodlo, strTekst);
        pary.push_back(para);
    }
    bool Filtruj() { return silnik.Filtruj(pary, opcje); }
    // A run over one file (object records in the short form) that must not fail; the target.
    std::string FiltrujJeden(const std::string& strSkrot) {
        Dodaj("obreb", Plik(strSkrot));
        EXPECT_TRUE(Filtruj());
        EXPECT_EQ(silnik.LiczbaBledow(), 0)
            << (silnik.Bledy().empty() ? "" : silnik.Bledy()[0].m_strTekst);
        return Cel();
    }
    // The target and a log with CRs removed.
    std::string Cel(std::size_t i = 0) const { return BezCR(Czytaj(pary.at(i).m_strCel)); }
    std::string Log(const std::string& strNazwa) const { return BezCR(Czytaj(katalog(strNazwa))); }
};

inline bool Zawiera(const std::string& strTekst, const std::string& strCzesc) {
    return strTekst.find(strCzesc) != std::string::npos;
}

} // namespace silnik_test
