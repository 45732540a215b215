// The reader: sections and records at every chunk size, counters, rewinds and format errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "swde/czytnik.h"
#include "swde/kodowanie.h"
#include "wspolne/katalog_testowy.h"

namespace {

using Linie = std::vector<std::string>;
using Rekordy = std::vector<Linie>;
using testy::TekstBledu;

const std::string NAGLOWEK = "SWDE.w.2.00.(C) GUGiK 2000;\r\n";
const std::string BLAD_9 = kodowanie::T(
    "Błąd nr 9: Błąd w pliku przy pobieraniu kolejnej porcji danych. Niespodziewany koniec pliku.");

// Blank and comment lines, blanks around lines, checksum end lines, LF and CR LF line ends.
const std::string PLIK =
    " SWDE.w.2.00.(C) GUGiK 2000; \r\nSN;\r\nNS,TR,123\n  NS,TN,Urz\xB1\x64 \t\r\nC; uwaga\r\n\r\n"
    "SX;\r\nSP;\r\nPS,1;\r\nSXC,123;\r\nST;\r\nRT,1,G5DZE,1,1,11;\r\nD,G5OPIS,D,typ\r\nXC,55;\r\n"
    "SX;\r\nSO;\r\nRO,,G5DZE,3,3_d_1,11;\r\nGL;\r\nP,P,G5PZG,1;\nK,+;\r\nGX;\r\n\r\nC;x\r\n"
    "D,G5NOS,D,5 "
    "\r\nX;\r\nRO,,G5BUD,4,3_b_2,11;\r\nWG,G5RDZE,G5DZE,3;\r\nXC,1;\r\nSX;\r\nSWDEX;\r\n";

const Linie SN = {"NS,TR,123", "NS,TN,Urz\xB1\x64"};
const Rekordy ST = {{"RT,1,G5DZE,1,1,11;", "D,G5OPIS,D,typ", "XC,55;"}};
const Rekordy SO = {
    {"RO,,G5DZE,3,3_d_1,11;", "GL;", "P,P,G5PZG,1;", "K,+;", "GX;", "D,G5NOS,D,5", "X;"},
    {"RO,,G5BUD,4,3_b_2,11;", "WG,G5RDZE,G5DZE,3;", "XC,1;"}};

using format::ESekcja;

Linie CzytajSekcje(CCzytnikSWDE& czytnik, ESekcja eSekcja) {
    Linie linie;
    if (czytnik.ZnajdzSekcje(eSekcja))
        for (std::string strLinia; czytnik.CzytajWierszSekcji(strLinia);)
            linie.push_back(strLinia);
    return linie;
}

// Reads the records of a section; after each one the counters must name the true place in the
// file: the byte just past the record's end line, and as many lines as LFs before it.
Rekordy CzytajRekordy(CCzytnikSWDE& czytnik, ESekcja eSekcja, const std::string& strPlik) {
    Rekordy rekordy;
    if (!czytnik.ZnajdzSekcje(eSekcja))
        return rekordy;
    Rekord linie = {"z poprzedniego wywolania", "i", "jeszcze", "dalej"};
    auto itPoprzedni = strPlik.begin();
    std::uint64_t nLinie = 0;
    while (czytnik.CzytajRekord(linie)) {
        rekordy.emplace_back(linie.begin(), linie.end());
        // A record whose lines stand in the file just as read, each with CR LF and nothing
        // between them, knows its bytes there (whatever the chunks); any other record does not.
        std::string strLinie;
        for (const std::string_view str : linie)
            strLinie.append(str).append("\r\n");
        const bool bCzysty = czytnik.Pozycja() >= strLinie.size() &&
                             strPlik.compare(czytnik.Pozycja() - strLinie.size(), strLinie.size(),
                                             strLinie) == 0;
        EXPECT_EQ(linie.Surowy(), bCzysty ? strLinie : "") << linie[0];
        const auto it = strPlik.begin() + static_cast<std::ptrdiff_t>(czytnik.Pozycja());
        EXPECT_EQ(*(it - 1), '\n');
        nLinie += static_cast<std::uint64_t>(std::count(std::exchange(itPoprzedni, it), it, '\n'));
        EXPECT_EQ(czytnik.Linia(), nLinie);
    }
    return rekordy;
}

} // namespace

// Without its last line end, some chunk sizes make the last chunk end exactly where the file does.
TEST(Czytnik, ReadsEverySectionWholeWhateverTheChunkSizeAndTheLastLineEnd) {
    testy::CKatalog katalog;
    const std::string strSciezka = katalog("a.swd");
    for (const std::string& strTresc : {PLIK, PLIK.substr(0, PLIK.size() - 2)}) {
        testy::Zapisz(strSciezka, strTresc);
        for (std::size_t nPorcja = 1; nPorcja <= 65; ++nPorcja) {
            SCOPED_TRACE(nPorcja);
            CCzytnikSWDE czytnik(nPorcja < 65 ? nPorcja : CCzytnikSWDE::ROZMIAR_PORCJI);
            ASSERT_TRUE(czytnik.Otworz(strSciezka));
            EXPECT_EQ(czytnik.Dlugosc(), strTresc.size());
            EXPECT_EQ(CzytajSekcje(czytnik, ESekcja::SN), SN);
            EXPECT_EQ(CzytajSekcje(czytnik, ESekcja::SP), Linie{"PS,1;"});
            EXPECT_EQ(CzytajRekordy(czytnik, ESekcja::ST, strTresc), ST);
            // The end of the last section reads the file end line and the rest of the file.
            EXPECT_EQ(CzytajRekordy(czytnik, ESekcja::SO, strTresc), SO);
            EXPECT_EQ(czytnik.Pozycja(), strTresc.size());
            EXPECT_EQ(czytnik.Linia(), 31u);
            EXPECT_EQ(TekstBledu([&] { czytnik.CzytajWiersz(); }), BLAD_9);
        }
    }
}

// An absent section leaves the next section's start line to be read; a failed open changes
// nothing and a successful one starts afresh, as does an explicit rewind.
TEST(Czytnik, RewindsAndReopening) {
    testy::CKatalog katalog;
    const std::string strBezSP = NAGLOWEK + "SN;\r\nNS,TR,1\r\nSX;\r\nST;\r\nRT,1;\r\nX;\r\nSX;\r\n"
                                            "SO;\r\nRO,1;\r\nX;\r\nSX;\r\nSWDEX;\r\n";
    const std::string strSciezka = katalog("a.swd");
    testy::Zapisz(strSciezka, strBezSP);
    CCzytnikSWDE czytnik(7);
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_EQ(CzytajSekcje(czytnik, ESekcja::SN), Linie{"NS,TR,1"});
    EXPECT_FALSE(czytnik.ZnajdzSekcje(ESekcja::SP));
    // The counters go on counting every line (checked inside CzytajRekordy).
    EXPECT_EQ(CzytajRekordy(czytnik, ESekcja::ST, strBezSP), (Rekordy{{"RT,1;", "X;"}}));
    EXPECT_EQ(CzytajRekordy(czytnik, ESekcja::SO, strBezSP), (Rekordy{{"RO,1;", "X;"}}));

    const std::string strBezST = NAGLOWEK + "SO;\r\nRO,1;\r\nX;\r\nSX;\r\nSWDEX;\r\n";
    // The reader lets no one write the file it has open (Windows enforces it).
    czytnik.Zamknij();
    testy::Zapisz(strSciezka, strBezST);
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_FALSE(czytnik.ZnajdzSekcje(ESekcja::ST));
    EXPECT_EQ(CzytajRekordy(czytnik, ESekcja::SO, strBezST), (Rekordy{{"RO,1;", "X;"}}));
    EXPECT_FALSE(czytnik.Otworz(katalog("brak.swd")));
    EXPECT_FALSE(czytnik.Otworz(katalog.m_sciezka.string()));
    EXPECT_EQ(czytnik.Pozycja(), strBezST.size());
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_EQ(czytnik.Linia() + czytnik.Pozycja(), 0u);
    EXPECT_EQ(czytnik.CzytajWiersz(), "SWDE.w.2.00.(C) GUGiK 2000;");
    // An explicit rewind starts again from the top, counters included.
    czytnik.Przewin();
    EXPECT_EQ(czytnik.Linia() + czytnik.Pozycja(), 0u);
    EXPECT_EQ(CzytajRekordy(czytnik, ESekcja::SO, strBezST), (Rekordy{{"RO,1;", "X;"}}));
}

TEST(Czytnik, FormatErrorsCarryTheirNumbersAndTexts) {
    testy::CKatalog katalog;
    using kodowanie::T;
    const std::string strFormat = T("Błąd nr 1: Nieprawidłowy format pliku ");
    const std::string strElement = T("Błąd nr 4: Nieprawidłowy element w sekcji: '");
    const std::string strMiejsce = T("Błąd nr 1: Nieprawidłowy format pliku! (Linia w pliku nr: ");
    const struct {
        std::string strTresc;
        ESekcja eSekcja;
        std::string strTekst;
    } przypadki[] = {
        {"swde.w.2.00.(C) GUGiK 2000;\r\nSN;\r\nSX;\r\n", ESekcja::SN, strFormat},
        {"", ESekcja::SN, strFormat},
        {"\xEF\xBB\xBF" + NAGLOWEK + "SN;\r\nSX;\r\n", ESekcja::SN,
         T("Błąd nr 1: Nieprawidłowy format pliku (zapisany w UTF-8 ze znacznikiem BOM, a nie w "
           "ISO-8859-2) ")},
        {"SN;\r\n" + NAGLOWEK, ESekcja::SN, strFormat},
        {NAGLOWEK + "SN;\r\nNS,TR,1\r\n\r\n", ESekcja::SN,
         T("Błąd nr 1: Nieprawidłowy format pliku! (Linia w pliku nr: 5)")},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nZZ,1;\r\nX;\r\n", ESekcja::SO, strElement + "ZZ'"},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nd,G5A,D,1\r\nX;\r\n", ESekcja::SO, strElement + "d,'"},
        // A record that runs into the section end.
        {NAGLOWEK + "SO;\r\nRO,1;\r\nD,G5A,D,1\r\nSX;\r\nSWDEX;\r\n", ESekcja::SO,
         strElement + "SX'"},
        // Without its end line the section takes the file end line for a record header.
        {NAGLOWEK + "SO;\r\nRO,1;\r\nX;\r\nSWDEX;\r\n", ESekcja::SO, BLAD_9},
        {NAGLOWEK + "SN;\r\nSX;\r\nSWDEX;\r\n", ESekcja::SO, BLAD_9},
        // No line is passed over unread: a section out of order, a section repeated, data
        // between sections.
        {NAGLOWEK + "ST;\r\nSX;\r\nSP;\r\nSX;\r\nSO;\r\nSX;\r\n", ESekcja::SO,
         strMiejsce + "4, pozycja w pliku: 44)"},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nX;\r\nSX;\r\nC;\r\nSO;\r\nRO,2;\r\nX;\r\nSX;\r\nSWDEX;\r\n",
         ESekcja::SO, strMiejsce + "7, pozycja w pliku: 59)"},
        {NAGLOWEK + "SN;\r\nSX;\r\nNS,TR,1\r\nSP;\r\nSX;\r\n", ESekcja::SO,
         strMiejsce + "4, pozycja w pliku: 48)"},
        // A section without its end line would swallow the next one.
        {NAGLOWEK + "SN;\r\nST;\r\nSX;\r\n", ESekcja::SN, strMiejsce + "3, pozycja w pliku: 39)"},
        {NAGLOWEK + "SP;\r\nUW,1;\r\nST;\r\nSX;\r\nSO;\r\nSX;\r\nSWDEX;\r\n", ESekcja::SO,
         strMiejsce + "4, pozycja w pliku: 46)"},
        {NAGLOWEK + "ST;\r\nRT,1;\r\nX;\r\nSO;\r\nRO,1;\r\nX;\r\nSX;\r\nSWDEX;\r\n", ESekcja::SO,
         strMiejsce + "5, pozycja w pliku: 50)"},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nD,G5A,D,1\r\nSO;\r\n", ESekcja::SO,
         strMiejsce + "5, pozycja w pliku: 57)"},
        // The file end line must follow, and nothing significant after it.
        {NAGLOWEK + "SO;\r\nRO,1;\r\nX;\r\nSX;\r\n", ESekcja::SO, BLAD_9},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nX;\r\nSX;\r\nSWDEX;\r\n\r\nC;\r\nRO,2;\r\n", ESekcja::SO,
         strMiejsce + "9, pozycja w pliku: 71)"},
        {NAGLOWEK + "SO;\r\nSX;\r\nSWDEX;\r\n" + NAGLOWEK + "SO;\r\nSX;\r\nSWDEX;", ESekcja::SO,
         strMiejsce + "5, pozycja w pliku: 76)"},
    };
    const std::string strSciezka = katalog("a.swd");
    for (const auto& p : przypadki) {
        testy::Zapisz(strSciezka, p.strTresc);
        CCzytnikSWDE czytnik(4);
        ASSERT_TRUE(czytnik.Otworz(strSciezka));
        EXPECT_EQ(TekstBledu([&] {
                      if (p.eSekcja == ESekcja::SN)
                          CzytajSekcje(czytnik, p.eSekcja);
                      else
                          CzytajRekordy(czytnik, p.eSekcja, p.strTresc);
                  }),
                  p.strTekst)
            << p.strTresc;
    }
}

// A header section without its end line ends where "SP;" starts: every line of SP is read, at
// every chunk size; a DOS end-of-file mark after the file end line is no data.
TEST(Czytnik, HeaderSectionWithoutItsEndLineEndsAtTheNextSection) {
    testy::CKatalog katalog;
    const std::string strTresc = NAGLOWEK + "SN;\r\nNS,TR,1\r\nSP;\r\nUW,1;\r\nDK,2;\r\nSX;\r\n"
                                            "SO;\r\nRO,1;\r\nX;\r\nSX;\r\nSWDEX;\r\n\x1A";
    const std::string strSciezka = katalog("a.swd");
    testy::Zapisz(strSciezka, strTresc);
    for (std::size_t nPorcja : {1, 5, 64, 4096}) {
        CCzytnikSWDE czytnik(nPorcja);
        ASSERT_TRUE(czytnik.Otworz(strSciezka));
        EXPECT_EQ(CzytajSekcje(czytnik, ESekcja::SN), Linie{"NS,TR,1"});
        EXPECT_EQ(CzytajSekcje(czytnik, ESekcja::SP), (Linie{"UW,1;", "DK,2;"}));
        EXPECT_EQ(CzytajRekordy(czytnik, ESekcja::SO, strTresc), (Rekordy{{"RO,1;", "X;"}}));
    }
}

TEST(Czytnik, FileLargerThanAChunkIsReadRecordByRecord) {
    testy::CKatalog katalog;
    std::string strTresc = NAGLOWEK + "SO;\r\n";
    std::size_t nRekordy = 0;
    for (; strTresc.size() < 3 * CCzytnikSWDE::ROZMIAR_PORCJI + 12345; ++nRekordy)
        strTresc += "RO," + std::to_string(nRekordy) + ";\r\nD,G5OPIS,D," +
                    std::string(nRekordy % 97, 'a') + "\nX;\n";
    strTresc += "SX;\r\nSWDEX;";
    testy::Zapisz(katalog("duzy.swd"), strTresc);
    CCzytnikSWDE czytnik;
    ASSERT_TRUE(czytnik.Otworz(katalog("duzy.swd")));
    const Rekordy rekordy = CzytajRekordy(czytnik, ESekcja::SO, strTresc);
    ASSERT_EQ(rekordy.size(), nRekordy);
    for (std::size_t i = 0; i < nRekordy; ++i)
        ASSERT_EQ(rekordy[i][0], "RO," + std::to_string(i) + ";");
    EXPECT_EQ(czytnik.Pozycja(), strTresc.size());
}

TEST(CzytnikElementy, RecordEndAndElementCodes) {
    for (const char* sz : {"X;", "XC,12;", "X"})
        EXPECT_TRUE(CCzytnikSWDE::JestKoncemRekordu(sz)) << sz;
    for (const char* sz : {"D,a", "WL,", "WG,", "TP", "WE", "WR", "WW", "K,+;", "GL;", "P,1,2;",
                           "IL", "IP", "OL", "OA", "GX;", "PZ;"})
        EXPECT_FALSE(CCzytnikSWDE::JestKoncemRekordu(sz)) << sz;
    for (const char* sz : {"ZZ", "K;", "x;", "S", "D;", "PX", "OP", "WX"})
        EXPECT_THROW(CCzytnikSWDE::JestKoncemRekordu(sz), CSWDEException) << sz;
}
