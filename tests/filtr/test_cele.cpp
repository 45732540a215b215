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

TEST(NazwaCelu, DopisekPrzedRozszerzeniemPlikuNigdyWNazwieFolderu) {
    struct {
        const char* szZrodlo;
        const char* szCel;
    } const przypadki[] = {
        {"/dane/obreb.swd", "/dane/obreb_nowy.swd"},
        {"/dane/obreb.2024.swde", "/dane/obreb.2024_nowy.swde"},
        {"/dane/a.b/plik", "/dane/a.b/plik_nowy"}, // the dot of the folder is not used
        {"plik", "plik_nowy"},
        {"/dane/.swd", "/dane/.swd_nowy"}, // a leading dot opens no extension
        {"obreb.", "obreb_nowy."},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(NazwaCelu(p.szZrodlo), p.szCel) << p.szZrodlo;
}

TEST(CelWKatalogu, ZachowujeNazwePlikuCelu) {
    const std::string strSep(1, platforma::Separator());
    EXPECT_EQ(CelWKatalogu("/wyniki", "/dane/obreb_nowy.swd"),
              "/wyniki" + strSep + "obreb_nowy.swd");
    EXPECT_EQ(CelWKatalogu("/wyniki/", "/dane/obreb_nowy.swd"), "/wyniki/obreb_nowy.swd");
    EXPECT_EQ(CelWKatalogu("/wyniki/", "obreb_nowy.swd"), "/wyniki/obreb_nowy.swd");
}

TEST(KatalogPliku, CzescPrzedOstatnimSeparatorem) {
    EXPECT_EQ(KatalogPliku("/dane/a.b/plik.swd"), "/dane/a.b");
    EXPECT_EQ(KatalogPliku("/plik.swd"), "/");
    EXPECT_EQ(KatalogPliku("plik.swd"), "");
}

TEST(TekstyCelow, ListaRozdzielonaPrzecinkamiIStaleTeksty) {
    EXPECT_EQ(ListaSciezek({}), "");
    EXPECT_EQ(ListaSciezek({"/a"}), "/a");
    EXPECT_EQ(ListaSciezek({"/a", "/b", "/c"}), "/a,\n/b,\n/c");

    EXPECT_EQ(TekstBlednychFolderow({"/x/a", "/y/b"}),
              kodowanie::T("Poniższe pliki docelowe są umieszczone w nieprawidłowych folderach:\n"
                           "/x/a,\n/y/b.\n\nNależy poprawić nazwy folderów, w których mają "
                           "zostać umieszczone pliki docelowe."));
    EXPECT_EQ(PytanieOIstniejace({"/a"}),
              kodowanie::T("Poniższe pliki docelowe już istnieją:\n/a.\n\nCzy chcesz je zastąpić "
                           "nowymi plikami o tej samej nazwie?"));
    EXPECT_EQ(TekstIstniejacych({"/a", "/b"}),
              kodowanie::T("Poniższe pliki docelowe już istnieją:\n/a,\n/b."));
}

class SprawdzanieCelow : public ::testing::Test {
protected:
    void SetUp() override {
        m_katalog = fs::temp_directory_path() /
                    ("kelvor_cele_" +
                     std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_katalog);
        fs::create_directories(m_katalog / "wyniki");
        std::ofstream(m_katalog / "istniejacy.swd") << "x";
    }
    void TearDown() override { fs::remove_all(m_katalog); }

    std::string Sciezka(const std::string& strNazwa) const {
        return (m_katalog / strNazwa).string();
    }
    CParaPlikow Para(const std::string& strZrodlo, const std::string& strCel) const {
        CParaPlikow para;
        para[CParaPlikow::ZRODLO] = Sciezka(strZrodlo);
        para[CParaPlikow::CEL] = Sciezka(strCel);
        return para;
    }

    fs::path m_katalog;
};

TEST_F(SprawdzanieCelow, BezParNicNieBlokuje) {
    const CSprawdzenieCelow wynik = SprawdzPlikiDocelowe({});
    EXPECT_FALSE(wynik.CzyBlokuje());
    EXPECT_TRUE(wynik.m_astrIstniejace.empty());
}

TEST_F(SprawdzanieCelow, BrakujacyFolderIstniejacyPlikIFolderZamiastPliku) {
    const std::vector<CParaPlikow> pary = {
        Para("a.swd", "brak/a_nowy.swd"),     // missing folder
        Para("b.swd", "istniejacy.swd"),      // existing file
        Para("c.swd", "wyniki/c_nowy.swd"),   // fine
        Para("d.swd", "wyniki"),              // a folder cannot be a target
        Para("e.swd", "brak/istniejacy.swd"), // missing folder, never also "existing"
    };
    const CSprawdzenieCelow wynik = SprawdzPlikiDocelowe(pary);
    EXPECT_EQ(wynik.m_astrBledneFoldery,
              (std::vector<std::string>{Sciezka("brak/a_nowy.swd"), Sciezka("wyniki"),
                                        Sciezka("brak/istniejacy.swd")}));
    EXPECT_EQ(wynik.m_astrIstniejace, std::vector<std::string>{Sciezka("istniejacy.swd")});
    EXPECT_TRUE(wynik.m_astrPowtorzone.empty());
    EXPECT_TRUE(wynik.CzyBlokuje());
}

TEST_F(SprawdzanieCelow, IstniejacyCelSamNieBlokuje) {
    const CSprawdzenieCelow wynik = SprawdzPlikiDocelowe({Para("b.swd", "istniejacy.swd")});
    EXPECT_FALSE(wynik.CzyBlokuje());
    EXPECT_EQ(wynik.m_astrIstniejace.size(), 1u);
}

TEST_F(SprawdzanieCelow, WspolnyCelKilkuParWymienionyRaz) {
    const std::vector<CParaPlikow> pary = {
        Para("x/obreb.swd", "wyniki/obreb_nowy.swd"),
        Para("y/obreb.swd", "wyniki/obreb_nowy.swd"),
        Para("z/obreb.swd", "wyniki/./obreb_nowy.swd"), // the same file, spelt differently
        Para("inny.swd", "wyniki/inny_nowy.swd"),
    };
    const CSprawdzenieCelow wynik = SprawdzPlikiDocelowe(pary);
    EXPECT_EQ(wynik.m_astrPowtorzone, std::vector<std::string>{Sciezka("wyniki/obreb_nowy.swd")});
    EXPECT_TRUE(wynik.CzyBlokuje());
    EXPECT_EQ(TekstPowtorzonych(wynik.m_astrPowtorzone),
              kodowanie::T("Kilka plików źródłowych ma ten sam plik docelowy:\n") +
                  Sciezka("wyniki/obreb_nowy.swd") + ".");
}

} // namespace
