// Target naming and the target checks made before a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "filtr/cele.h"
#include "swde/kodowanie.h"
#include "swde/platforma.h"

namespace {

namespace fs = std::filesystem;
using Lista = std::vector<std::string>;

TEST(NazwaCelu, DopisekPrzedRozszerzeniemPlikuNigdyWNazwieFolderu) {
    const std::pair<const char*, const char*> przypadki[] = {
        {"/dane/obreb.swd", "/dane/obreb_nowy.swd"},
        {"/dane/obreb.2024.swde", "/dane/obreb.2024_nowy.swde"},
        {"/dane/a.b/plik", "/dane/a.b/plik_nowy"}, // the dot of the folder is not used
        {"plik", "plik_nowy"},
        {"/dane/.swd", "/dane/.swd_nowy"}, // a leading dot opens no extension
    };
    for (const auto& [szZrodlo, szCel] : przypadki)
        EXPECT_EQ(NazwaCelu(szZrodlo), szCel) << szZrodlo;
    const std::string strSep(1, platforma::Separator());
    EXPECT_EQ(CelWKatalogu("/wyniki", "/dane/obreb_nowy.swd"),
              "/wyniki" + strSep + "obreb_nowy.swd");
    EXPECT_EQ(CelWKatalogu("/wyniki/", "obreb_nowy.swd"), "/wyniki/obreb_nowy.swd");
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
    const fs::path katalog = fs::temp_directory_path() / "kelvor_test_cele";
    fs::remove_all(katalog);
    fs::create_directories(katalog / "wyniki");
    std::ofstream(katalog / "istniejacy.swd") << "x";
    const auto S = [&](const char* szNazwa) { return (katalog / szNazwa).string(); };
    std::vector<CParaPlikow> pary;
    for (const char* szCel : {
             "brak/a_nowy.swd",         // missing folder
             "istniejacy.swd",          // existing file
             "wyniki",                  // a folder cannot be a target
             "brak/istniejacy.swd",     // missing folder, never also "existing"
             "wyniki/obreb_nowy.swd",   // the same target three times, listed once
             "wyniki/./obreb_nowy.swd", // spelt differently
             "wyniki/obreb_nowy.swd",
             "wyniki/inny_nowy.swd", // fine
         }) {
        pary.emplace_back();
        pary.back()[CParaPlikow::CEL] = S(szCel);
    }

    const CSprawdzenieCelow wynik = SprawdzPlikiDocelowe(pary);

    EXPECT_EQ(wynik.m_astrBledneFoldery,
              (Lista{S("brak/a_nowy.swd"), S("wyniki"), S("brak/istniejacy.swd")}));
    EXPECT_EQ(wynik.m_astrIstniejace, Lista{S("istniejacy.swd")});
    EXPECT_EQ(wynik.m_astrPowtorzone, Lista{S("wyniki/obreb_nowy.swd")});
    // An existing target alone asks, it does not block.
    EXPECT_FALSE(SprawdzPlikiDocelowe({pary[1]}).CzyBlokuje());
    EXPECT_TRUE(SprawdzPlikiDocelowe({pary[0]}).CzyBlokuje());
    fs::remove_all(katalog);
}

} // namespace
