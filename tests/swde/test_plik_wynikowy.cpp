// The buffered output file and the platform files under it.
#include "pomocnicze.h"
#include "swde/platforma.h"
#include "swde/plik_wynikowy.h"

using PlikWynikowy = testy::CKatalogTestu;

TEST_F(PlikWynikowy, LinesLandWithCrLfAndTheLastOneMayHaveNoEnd) {
    const std::string strSciezka = Sciezka("a.swd");
    CPlikWynikowy plik;
    ASSERT_TRUE(plik.Otworz(strSciezka));
    ASSERT_TRUE(plik.Otworz(Sciezka("b.swd")));
    plik.Zapisz("pierwszy\n"); // written when the object takes the next file
    ASSERT_TRUE(plik.Otworz(strSciezka));
    plik.Zapisz("SN;\n");
    plik.Zapisz("a\n\nb");
    plik.Zapisz("\nSX;\nSWDEX;");
    plik.Zamknij();
    EXPECT_FALSE(plik.JestOtwarty());
    EXPECT_EQ(testy::CzytajPlik(strSciezka), "SN;\r\na\r\n\r\nb\r\nSX;\r\nSWDEX;");
    EXPECT_EQ(testy::CzytajPlik(Sciezka("b.swd")), "pierwszy\r\n");
    plik.Zamknij(); // a second close does nothing
    EXPECT_THROW(plik.Zapisz("x"), CFileException);
    EXPECT_FALSE(plik.Otworz(Sciezka("brak/a.swd")));
}

// The buffer goes to the file just before it would fill; a text longer than the buffer keeps
// its place between the others.
TEST_F(PlikWynikowy, BufferGoesToTheFileJustBeforeItWouldFill) {
    const std::string strSciezka = Sciezka("a.swd");
    const std::size_t nBufor = CPlikWynikowy::ROZMIAR_BUFORA;
    const std::string strDlugi(3 * nBufor + 7, 'x');
    CPlikWynikowy plik;
    ASSERT_TRUE(plik.Otworz(strSciezka));
    plik.Zapisz(std::string(nBufor - 2, 'a'));
    plik.Zapisz("\n");
    EXPECT_EQ(testy::CzytajPlik(strSciezka).size(), 0u);
    plik.Zapisz("b"); // would fill the buffer: what was there goes first
    EXPECT_EQ(testy::CzytajPlik(strSciezka).size(), nBufor);
    plik.Zapisz(strDlugi + "\n");
    plik.Zapisz("po");
    plik.Zamknij();
    EXPECT_EQ(testy::CzytajPlik(strSciezka),
              std::string(nBufor - 2, 'a') + "\r\nb" + strDlugi + "\r\npo");
}

TEST_F(PlikWynikowy, FilesAndFolders) {
    const std::string strSciezka = Sciezka("a.txt");
    EXPECT_FALSE(platforma::Usun(strSciezka));
    testy::ZapiszPlik(strSciezka, "x");
    EXPECT_TRUE(platforma::Istnieje(strSciezka));
    EXPECT_FALSE(platforma::JestKatalogiem(strSciezka));
    EXPECT_TRUE(platforma::JestKatalogiem(m_katalog.string()));
    EXPECT_TRUE(platforma::TenSamPlik(strSciezka, Sciezka("b/../a.txt")));
    EXPECT_TRUE(platforma::TenSamPlik(Sciezka("nowy.txt"), Sciezka("./nowy.txt")));
    EXPECT_FALSE(platforma::TenSamPlik(strSciezka, Sciezka("b.txt")));
    EXPECT_TRUE(platforma::Usun(strSciezka));
    EXPECT_FALSE(platforma::Istnieje(strSciezka));
    EXPECT_EQ(platforma::OstatniSeparator("a/b/c.swd"), 3u);
    EXPECT_TRUE(platforma::Istnieje(platforma::SciezkaProgramu()));
}
