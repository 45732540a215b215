// Target naming and the target checks made before a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "filtr/cele.h"
#include "swde/kodowanie.h"
#include "wspolne/katalog_testowy.h"

namespace {

namespace fs = std::filesystem;
using Lista = std::vector<std::string>;

// Every derived name follows one rule for where the extension starts: the target, the log of
// that target and a temporary file agree, a leading dot and a dot in a folder included.
TEST(NazwaCelu, DopisekPrzedRozszerzeniemPlikuNigdyWNazwieFolderu) {
    const std::tuple<const char*, const char*, const char*, const char*> przypadki[] = {
        {"/dane/obreb.swd", "/dane/obreb_nowy.swd", "/dane/obreb_nowy.log",
         "/dane/obreb_KELVOR1.swd"},
        {"/dane/obreb.2024.swde", "/dane/obreb.2024_nowy.swde", "/dane/obreb.2024_nowy.log",
         "/dane/obreb.2024_KELVOR1.swde"},
        {"/dane/a.b/plik", "/dane/a.b/plik_nowy", "/dane/a.b/plik_nowy.log",
         "/dane/a.b/plik_KELVOR1"},
        {"plik", "plik_nowy", "plik_nowy.log", "plik_KELVOR1"},
        {"/dane/.swd", "/dane/.swd_nowy", "/dane/.swd_nowy.log", "/dane/.swd_KELVOR1"},
    };
    for (const auto& [szZrodlo, szCel, szLog, szTymczasowy] : przypadki) {
        EXPECT_EQ(NazwaCelu(szZrodlo), szCel) << szZrodlo;
        EXPECT_EQ(NazwaLogu(szCel), szLog) << szZrodlo;
        CParaPlikow para;
        para.m_strZrodlo = szZrodlo;
        para.m_strCel = szCel;
        EXPECT_EQ(Nazwy(para).astrEtapy[1], szTymczasowy);
        EXPECT_EQ(Nazwy(para).strLog, szLog);
    }
    EXPECT_EQ(KatalogPliku("/plik.swd"), "/"); // the root keeps its separator
}

TEST(TekstyCelow, SciezkiRozdzielonePrzecinkiemIKoncemWiersza) {
    EXPECT_EQ(TekstBlednychFolderow({"/x/a", "/y/b"}),
              kodowanie::T("Poniższe pliki docelowe są umieszczone w nieprawidłowych folderach:\n"
                           "/x/a,\n/y/b.\n\nNależy poprawić nazwy folderów, w których mają "
                           "zostać umieszczone pliki docelowe."));
    EXPECT_EQ(PytanieOIstniejace({"/a"}),
              kodowanie::T("Poniższe pliki docelowe już istnieją:\n/a.\n\nCzy chcesz je zastąpić "
                           "nowymi plikami o tej samej nazwie?"));
}

TEST(SprawdzPlikiDocelowe, BledneFolderyIstniejaceIWspolneCele) {
    testy::CKatalog katalog;
    fs::create_directories(katalog.m_sciezka / "wyniki");
    testy::Zapisz(katalog("istniejacy.swd"), "x");
    testy::Zapisz(katalog("wyniki/inny_nowy.log"), "x"); // an earlier log is replaced too
    std::vector<CParaPlikow> pary;
    Lista astrCele;
    for (const char* szCel : {
             "brak/a_nowy.swd",         // missing folder
             "istniejacy.swd",          // existing file
             "wyniki",                  // a folder cannot be a target
             "brak/istniejacy.swd",     // missing folder, never also "existing"
             "wyniki/obreb_nowy.swd",   // the same target three times, listed once
             "wyniki/./obreb_nowy.swd", // spelt differently
             "wyniki/obreb_nowy.swd",
             "wyniki/inny_nowy.swd", // fine
             "wyniki/drugi.swd",     // its log is also that of the next one
             "wyniki/drugi.txt",
         }) {
        astrCele.push_back(katalog(szCel));
        pary.emplace_back().m_strCel = astrCele.back();
    }

    const CSprawdzenieCelow wynik = SprawdzPlikiDocelowe(pary);

    EXPECT_EQ(wynik.m_astrBledneFoldery, (Lista{astrCele[0], astrCele[2], astrCele[3]}));
    EXPECT_EQ(wynik.m_astrIstniejace, (Lista{astrCele[1], katalog("wyniki/inny_nowy.log")}));
    EXPECT_EQ(wynik.m_astrPowtorzone, (Lista{astrCele[4], astrCele[8]}));
    EXPECT_TRUE(wynik.CzyBlokuje());
}

} // namespace
