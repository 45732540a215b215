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
}

TEST(CelWKatalogu, ZachowujeNazwePlikuCelu) {
    const std::string strSep(1, platforma::Separator());
    EXPECT_EQ(CelWKatalogu("/wyniki", "/dane/obreb_nowy.swd"),
              "/wyniki" + strSep + "obreb_nowy.swd");
    EXPECT_EQ(CelWKatalogu("/wyniki/", "obreb_nowy.swd"), "/wyniki/obreb_nowy.swd");
    EXPECT_EQ(KatalogPliku("/plik.swd"), "/"); // the root keeps its separator
    EXPECT_EQ(KatalogPliku("plik.swd"), "");
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

class SprawdzanieCelow : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(m_katalog);
        fs::create_directories(m_katalog / "wyniki");
        std::ofstream(m_katalog / "istniejacy.swd") << "x";
    }
    void TearDown() override { fs::remove_all(m_katalog); }

    std::string S(const std::string& strNazwa) const { return (m_katalog / strNazwa).string(); }
    CParaPlikow Para(const std::string& strCel) const {
        CParaPlikow para;
        para[CParaPlikow::ZRODLO] = S("zrodlo.swd");
        para[CParaPlikow::CEL] = S(strCel);
        return para;
    }

    const fs::path m_katalog = fs::temp_directory_path() / "kelvor_test_cele";
};

TEST_F(SprawdzanieCelow, BrakujacyFolderIstniejacyPlikIFolderZamiastPliku) {
    const CSprawdzenieCelow wynik = SprawdzPlikiDocelowe({
        Para("brak/a_nowy.swd"),     // missing folder
        Para("istniejacy.swd"),      // existing file
        Para("wyniki/c_nowy.swd"),   // fine
        Para("wyniki"),              // a folder cannot be a target
        Para("brak/istniejacy.swd"), // missing folder, never also "existing"
    });
    EXPECT_EQ(wynik.m_astrBledneFoldery,
              (Lista{S("brak/a_nowy.swd"), S("wyniki"), S("brak/istniejacy.swd")}));
    EXPECT_EQ(wynik.m_astrIstniejace, Lista{S("istniejacy.swd")});
    EXPECT_TRUE(wynik.m_astrPowtorzone.empty());
    EXPECT_TRUE(wynik.CzyBlokuje());
    // An existing target alone asks, it does not block.
    EXPECT_FALSE(SprawdzPlikiDocelowe({Para("istniejacy.swd")}).CzyBlokuje());
}

TEST_F(SprawdzanieCelow, WspolnyCelKilkuParWymienionyRaz) {
    const CSprawdzenieCelow wynik = SprawdzPlikiDocelowe({
        Para("wyniki/obreb_nowy.swd"),
        Para("wyniki/obreb_nowy.swd"),
        Para("wyniki/./obreb_nowy.swd"), // the same file, spelt differently
        Para("wyniki/inny_nowy.swd"),
    });
    EXPECT_EQ(wynik.m_astrPowtorzone, Lista{S("wyniki/obreb_nowy.swd")});
    EXPECT_TRUE(wynik.CzyBlokuje());
}

} // namespace
