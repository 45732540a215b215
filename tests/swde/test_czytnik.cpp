// The reader: sections and records at every chunk size, counters, rewinds and format errors.
#include <algorithm>

#include "pomocnicze.h"
#include "swde/czytnik.h"
#include "swde/kodowanie.h"

namespace {

using Linie = std::vector<std::string>;
using testy::TekstBledu;
using testy::Wiersze;

const std::string NAGLOWEK = "SWDE.w.2.00.(C) GUGiK 2000;\r\n";
const std::string BLAD_9 = kodowanie::T(
    "Błąd nr 9: Błąd w pliku przy pobieraniu kolejnej porcji danych. Niespodziewany koniec pliku.");

// Blank and comment lines, blanks around lines, checksum end lines.
// clang-format off
const std::string PLIK = Wiersze({
    " SWDE.w.2.00.(C) GUGiK 2000; ",
    "SN;", "NS,TR,123", "  NS,TN,Urz\xB1\x64 \t", "C; komentarz", "", "SX;",
    "SP;", "PS,1;", "SXC,123;",
    "ST;", "RT,1,G5DZE,1,1,11;", "D,G5OPIS,D,typ", "XC,55;", "SX;",
    "SO;", "RO,,G5DZE,3,3_d_1,11;", "GL;", "P,P,G5PZG,1;", "K,+;", "GX;", "", "C;x", "D,G5NOS,D,5 ",
    "X;", "RO,,G5BUD,4,3_b_2,11;", "WG,G5RDZE,G5DZE,3;", "XC,1;", "SX;",
    "SWDEX;"});
// clang-format on

const Linie SN = {"NS,TR,123", "NS,TN,Urz\xB1\x64"};
const std::vector<Linie> ST = {{"RT,1,G5DZE,1,1,11;", "D,G5OPIS,D,typ", "XC,55;"}};
const std::vector<Linie> SO = {
    {"RO,,G5DZE,3,3_d_1,11;", "GL;", "P,P,G5PZG,1;", "K,+;", "GX;", "D,G5NOS,D,5", "X;"},
    {"RO,,G5BUD,4,3_b_2,11;", "WG,G5RDZE,G5DZE,3;", "XC,1;"}};

Linie CzytajSekcje(CCzytnikSWDE& czytnik, const std::string& strZnacznik) {
    Linie linie;
    int n = 0;
    czytnik.m_bSzukajSekcji = true;
    while (czytnik.CzytajWierszSekcji(strZnacznik, linie, n)) {
    }
    EXPECT_EQ(static_cast<std::size_t>(n), linie.size() + 1);
    return linie;
}

// Reads the records of a section; after each one the counters must name the true place in the
// file: the byte just past the record's end line, and as many lines as LFs before it.
std::vector<Linie> CzytajRekordy(CCzytnikSWDE& czytnik, const std::string& strZnacznik,
                                 const std::string& strPlik) {
    std::vector<Linie> rekordy;
    Linie linie = {"z poprzedniego wywolania"};
    int n = 0;
    auto itPoprzedni = strPlik.begin();
    std::uint64_t nLinie = 0;
    czytnik.m_bSzukajSekcji = true;
    while (czytnik.CzytajRekord(strZnacznik, linie, n)) {
        EXPECT_EQ(static_cast<std::size_t>(n), linie.size());
        rekordy.push_back(linie);
        const auto it = strPlik.begin() + static_cast<std::ptrdiff_t>(czytnik.m_nPozycja);
        EXPECT_EQ(*(it - 1), '\n');
        nLinie += static_cast<std::uint64_t>(std::count(itPoprzedni, it, '\n'));
        itPoprzedni = it;
        EXPECT_EQ(czytnik.m_nLinia, nLinie);
    }
    return rekordy;
}

class Czytnik : public testy::CKatalogTestu {};

} // namespace

TEST_F(Czytnik, ReadsEverySectionWholeWhateverTheChunkSize) {
    const std::string strSciezka = Sciezka("a.swd");
    testy::ZapiszPlik(strSciezka, PLIK);
    std::vector<std::size_t> anPorcje = {CCzytnikSWDE::ROZMIAR_PORCJI};
    for (std::size_t n = 1; n <= 48; ++n)
        anPorcje.push_back(n);
    for (std::size_t nPorcja : anPorcje) {
        SCOPED_TRACE(nPorcja);
        CCzytnikSWDE czytnik(nPorcja);
        ASSERT_TRUE(czytnik.Otworz(strSciezka));
        EXPECT_EQ(czytnik.m_nDlugoscPliku, PLIK.size());
        EXPECT_EQ(CzytajSekcje(czytnik, "SN;"), SN);
        EXPECT_EQ(CzytajSekcje(czytnik, "SP;"), Linie{"PS,1;"});
        EXPECT_EQ(CzytajRekordy(czytnik, "ST;", PLIK), ST);
        EXPECT_EQ(CzytajRekordy(czytnik, "SO;", PLIK), SO);
        EXPECT_EQ(czytnik.CzytajWiersz(), "SWDEX;");
        EXPECT_EQ(czytnik.m_nPozycja, PLIK.size());
        EXPECT_EQ(czytnik.m_nLinia, 30u);
    }
}

TEST_F(Czytnik, UnterminatedLastLineIsReadOnceThenTheDataEnds) {
    const std::string strTresc = PLIK.substr(0, PLIK.size() - 2);
    const std::string strSciezka = Sciezka("a.swd");
    testy::ZapiszPlik(strSciezka, strTresc);
    // Some of these sizes make the last chunk end exactly where the file does.
    for (std::size_t nPorcja = 1; nPorcja <= 64; ++nPorcja) {
        SCOPED_TRACE(nPorcja);
        CCzytnikSWDE czytnik(nPorcja);
        ASSERT_TRUE(czytnik.Otworz(strSciezka));
        EXPECT_EQ(CzytajRekordy(czytnik, "SO;", strTresc), SO);
        EXPECT_EQ(czytnik.CzytajWiersz(), "SWDEX;");
        EXPECT_EQ(czytnik.m_nPozycja, strTresc.size());
        EXPECT_EQ(TekstBledu([&] { czytnik.CzytajWiersz(); }), BLAD_9);
    }
}

TEST_F(Czytnik, AbsentSectionsMakeTheNextReadStartFromTheTop) {
    const std::string strBezSP =
        Wiersze({"SWDE.w.2.00.(C) GUGiK 2000;", "SN;", "NS,TR,1", "SX;", "ST;", "RT,1;", "X;",
                 "SX;", "SO;", "RO,1;", "X;", "SX;"});
    const std::string strSciezka = Sciezka("a.swd");
    testy::ZapiszPlik(strSciezka, strBezSP);
    CCzytnikSWDE czytnik(7);
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_EQ(CzytajSekcje(czytnik, "SN;"), Linie{"NS,TR,1"});
    Linie linie;
    int n = 0;
    czytnik.m_bSzukajSekcji = true;
    EXPECT_FALSE(czytnik.CzytajWierszSekcji("SP;", linie, n));
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(czytnik.m_bPrzewin);
    // The line counter restarts with the rewind (checked inside CzytajRekordy).
    EXPECT_EQ(CzytajRekordy(czytnik, "ST;", strBezSP), (std::vector<Linie>{{"RT,1;", "X;"}}));
    EXPECT_EQ(CzytajRekordy(czytnik, "SO;", strBezSP), (std::vector<Linie>{{"RO,1;", "X;"}}));

    const std::string strBezST = NAGLOWEK + "SO;\r\nRO,1;\r\nX;\r\nSX;\r\n";
    testy::ZapiszPlik(strSciezka, strBezST);
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_TRUE(CzytajRekordy(czytnik, "ST;", strBezST).empty());
    EXPECT_TRUE(czytnik.m_bPrzewin);
    EXPECT_EQ(CzytajRekordy(czytnik, "SO;", strBezST), (std::vector<Linie>{{"RO,1;", "X;"}}));
}

TEST_F(Czytnik, FormatErrorsCarryTheirNumbersAndTexts) {
    using kodowanie::T;
    const std::string strFormat = T("Błąd nr 1: Nieprawidłowy format pliku ");
    const std::string strElement = T("Błąd nr 4: Nieprawidłowy element w sekcji: '");
    const struct {
        std::string strTresc, strZnacznik, strTekst;
    } przypadki[] = {
        {"swde.w.2.00.(C) GUGiK 2000;\r\nSN;\r\nSX;\r\n", "SN;", strFormat},
        {"", "SN;", strFormat},
        {"SN;\r\n" + NAGLOWEK, "SN;", strFormat},
        {NAGLOWEK + "SN;\r\nNS,TR,1\r\n\r\n", "SN;",
         T("Błąd nr 1: Nieprawidłowy format pliku! (Linia w pliku nr: 5)")},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nZZ,1;\r\nX;\r\n", "SO;", strElement + "ZZ'"},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nd,G5A,D,1\r\nX;\r\n", "SO;", strElement + "d,'"},
        // A record that runs into the section end.
        {NAGLOWEK + "SO;\r\nRO,1;\r\nD,G5A,D,1\r\nSX;\r\nSWDEX;\r\n", "SO;", strElement + "SX'"},
        // Without its end line the section takes the file end line for a record header.
        {NAGLOWEK + "SO;\r\nRO,1;\r\nX;\r\nSWDEX;\r\n", "SO;", BLAD_9},
        {NAGLOWEK + "SN;\r\nSX;\r\nSWDEX;\r\n", "SO;", BLAD_9},
    };
    const std::string strSciezka = Sciezka("a.swd");
    for (const auto& p : przypadki) {
        testy::ZapiszPlik(strSciezka, p.strTresc);
        CCzytnikSWDE czytnik(4);
        ASSERT_TRUE(czytnik.Otworz(strSciezka));
        EXPECT_EQ(TekstBledu([&] {
                      if (p.strZnacznik == "SN;")
                          CzytajSekcje(czytnik, p.strZnacznik);
                      else
                          CzytajRekordy(czytnik, p.strZnacznik, p.strTresc);
                  }),
                  p.strTekst)
            << p.strTresc;
    }
}

// A stray file end line before the section must not stop the loading at the first chunk.
TEST_F(Czytnik, FileLargerThanAChunkIsReadRecordByRecord) {
    std::string strTresc = NAGLOWEK + "SWDEX;\r\nSWDEXC,1;\r\nSO;\r\n";
    int nRekordy = 0;
    while (strTresc.size() < 3 * CCzytnikSWDE::ROZMIAR_PORCJI + 12345) {
        strTresc += "RO,,G5DZE," + std::to_string(nRekordy) + ",3_d_1,11;\r\nD,G5OPIS,D," +
                    std::string(static_cast<std::size_t>(nRekordy % 97), 'a') + "\nX;\n";
        ++nRekordy;
    }
    strTresc += "SX;\r\nSWDEX;";
    const std::string strSciezka = Sciezka("duzy.swd");
    testy::ZapiszPlik(strSciezka, strTresc);
    CCzytnikSWDE czytnik;
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    const std::vector<Linie> rekordy = CzytajRekordy(czytnik, "SO;", strTresc);
    ASSERT_EQ(rekordy.size(), static_cast<std::size_t>(nRekordy));
    for (int i = 0; i < nRekordy; ++i)
        ASSERT_EQ(rekordy[static_cast<std::size_t>(i)][0],
                  "RO,,G5DZE," + std::to_string(i) + ",3_d_1,11;");
    EXPECT_EQ(czytnik.CzytajWiersz(), "SWDEX;");
    EXPECT_EQ(czytnik.m_nPozycja, strTresc.size());
}

TEST_F(Czytnik, AFailedOpenChangesNothingAndASuccessfulOneStartsAfresh) {
    const std::string strSciezka = Sciezka("a.swd");
    testy::ZapiszPlik(strSciezka, PLIK);
    CCzytnikSWDE czytnik(8);
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    CzytajRekordy(czytnik, "SO;", PLIK);
    EXPECT_FALSE(czytnik.Otworz(Sciezka("brak.swd")));
    EXPECT_FALSE(czytnik.Otworz(m_katalog.string()));
    EXPECT_EQ(czytnik.CzytajWiersz(), "SWDEX;");
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_EQ(czytnik.m_nLinia + czytnik.m_nPozycja, 0u);
    EXPECT_EQ(CzytajSekcje(czytnik, "SN;"), SN);
}

TEST(CzytnikElementy, RecordEndAndElementCodes) {
    for (const char* sz : {"X;", "XC,12;", "X"})
        EXPECT_TRUE(CCzytnikSWDE::JestKoncemRekordu(sz)) << sz;
    for (const char* sz : {"D,a", "WL,", "WG,", "TP", "WE", "WR", "WW", "K,+;", "GL;", "P,1,2;",
                           "IL", "IP", "OL", "OA", "GX;", "PZ;"})
        EXPECT_FALSE(CCzytnikSWDE::JestKoncemRekordu(sz)) << sz;
    for (const char* sz : {"ZZ", "K;", "x;", "S", "D;", "PX", "OP", "WX"})
        EXPECT_THROW(CCzytnikSWDE::JestKoncemRekordu(sz), CSWDEException) << sz;
    EXPECT_TRUE(CCzytnikSWDE::JestKoncemSekcji("SXC,5;"));
    EXPECT_FALSE(CCzytnikSWDE::JestKoncemSekcji("SWDEX;"));
}
