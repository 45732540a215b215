// The buffered output file and the platform files under it.
#include <gtest/gtest.h>

#include "swde/platforma.h"
#include "swde/plik_wynikowy.h"
#include "wspolne/katalog_testowy.h"

using testy::Czytaj;

TEST(PlikWynikowy, LinesLandWithCrLfAndTheLastOneMayHaveNoEnd) {
    testy::CKatalog katalog;
    const std::string strSciezka = katalog("a.swd");
    CPlikWynikowy plik;
    ASSERT_TRUE(plik.Otworz(strSciezka));
    ASSERT_TRUE(plik.Otworz(katalog("b.swd")));
    plik.Zapisz("pierwszy\n"); // written when the object takes the next file
    ASSERT_TRUE(plik.Otworz(strSciezka));
    plik.Zapisz("SN;\n");
    plik.Zapisz("a\n\nb");
    plik.Zapisz("\nSX;\nSWDEX;");
    plik.Zamknij();
    EXPECT_FALSE(plik.JestOtwarty());
    EXPECT_EQ(Czytaj(strSciezka), "SN;\r\na\r\n\r\nb\r\nSX;\r\nSWDEX;");
    EXPECT_EQ(Czytaj(katalog("b.swd")), "pierwszy\r\n");
    plik.Zamknij(); // a second close does nothing
    EXPECT_THROW(plik.Zapisz("x"), CFileException);
    EXPECT_FALSE(plik.Otworz(katalog("brak/a.swd")));
}

// The buffer goes to the file just before it would fill; a text longer than the buffer keeps
// its place between the others.
TEST(PlikWynikowy, BufferGoesToTheFileJustBeforeItWouldFill) {
    testy::CKatalog katalog;
    const std::string strSciezka = katalog("a.swd");
    const std::size_t nBufor = CPlikWynikowy::ROZMIAR_BUFORA;
    const std::string strDlugi(3 * nBufor + 7, 'x');
    CPlikWynikowy plik;
    ASSERT_TRUE(plik.Otworz(strSciezka));
    plik.Zapisz(std::string(nBufor - 2, 'a'));
    plik.Zapisz("\n");
    EXPECT_EQ(Czytaj(strSciezka).size(), 0u);
    plik.Zapisz("b"); // would fill the buffer: what was there goes first
    EXPECT_EQ(Czytaj(strSciezka).size(), nBufor);
    plik.Zapisz(strDlugi + "\n");
    plik.Zapisz("po");
    plik.Zamknij();
    EXPECT_EQ(Czytaj(strSciezka),
              std::string(nBufor - 2, 'a') + "\r\nb" + strDlugi + "\r\npo");
}

TEST(PlikWynikowy, FilesAndFolders) {
    testy::CKatalog katalog;
    const std::string strSciezka = katalog("a.txt");
    EXPECT_FALSE(platforma::Usun(strSciezka));
    testy::Zapisz(strSciezka, "x");
    EXPECT_TRUE(platforma::Istnieje(strSciezka));
    EXPECT_FALSE(platforma::JestKatalogiem(strSciezka));
    EXPECT_TRUE(platforma::JestKatalogiem(katalog.m_sciezka.string()));
    EXPECT_TRUE(platforma::TenSamPlik(strSciezka, katalog("b/../a.txt")));
    EXPECT_TRUE(platforma::TenSamPlik(katalog("nowy.txt"), katalog("./nowy.txt")));
    EXPECT_FALSE(platforma::TenSamPlik(strSciezka, katalog("b.txt")));
    EXPECT_TRUE(platforma::Usun(strSciezka));
    EXPECT_FALSE(platforma::Istnieje(strSciezka));
    EXPECT_EQ(platforma::OstatniSeparator("a/b/c.swd"), 3u);
    EXPECT_TRUE(platforma::Istnieje(platforma::SciezkaProgramu()));
}
