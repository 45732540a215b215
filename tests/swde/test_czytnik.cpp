// The reader: sections and records at every chunk size, counters, rewinds and format errors.
#include <algorithm>
#include <numeric>

#include "pomocnicze.h"
#include "swde/bledy.h"
#include "swde/czytnik.h"

namespace {

using Linie = std::vector<std::string>;

const std::string NAGLOWEK = "SWDE.w.2.00.(C) GUGiK 2000;\r\n";

// Blank and comment lines, blanks around lines, LF and CR LF ends, checksum end lines.
const std::string PLIK = NAGLOWEK + "SN;\r\n"
                                    "NS,TR,123\r\n"
                                    "  NS,TN,Urz\xB1"
                                    "d \t\r\n"
                                    "C; komentarz\r\n"
                                    "\r\n"
                                    "SX;\n"
                                    "SP;\r\n"
                                    "PS,1;\r\n"
                                    "SXC,123;\r\n"
                                    "ST;\r\n"
                                    "RT,1,G5DZE,1,1,11;\r\n"
                                    "D,G5OPIS,D,typ\r\n"
                                    "XC,55;\r\n"
                                    "SX;\r\n"
                                    "SO;\r\n"
                                    "RO,,G5DZE,3,3_d_1,11;\r\n"
                                    "GL;\r\nP,P,G5PZG,1;\r\nK,+;\r\nGX;\r\n"
                                    "\r\n"
                                    "C;x\r\n"
                                    "D,G5NOS,D,5 \r\n"
                                    "X;\r\n"
                                    "RO,,G5BUD,4,3_b_2,11;\r\n"
                                    "WG,G5RDZE,G5DZE,3;\r\n"
                                    "XC,1;\r\n"
                                    "SX;\r\n"
                                    "SWDEX;\r\n";

const Linie SN = {"NS,TR,123", "NS,TN,Urz\xB1"
                               "d"};
const Linie SP = {"PS,1;"};
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
    Linie linie;
    int n = 0;
    std::size_t nPoprzednia = 0;
    std::uint64_t nLinie = 0;
    czytnik.m_bSzukajSekcji = true;
    while (czytnik.CzytajRekord(strZnacznik, linie, n)) {
        EXPECT_EQ(static_cast<std::size_t>(n), linie.size());
        rekordy.push_back(linie);
        if (strPlik.empty())
            continue;
        const auto nPozycja = static_cast<std::size_t>(czytnik.m_nPozycja);
        EXPECT_EQ(strPlik[nPozycja - 1], '\n');
        if (nPoprzednia == 0)
            nLinie = static_cast<std::uint64_t>(std::count(
                strPlik.begin(), strPlik.begin() + static_cast<std::ptrdiff_t>(nPozycja), '\n'));
        else
            nLinie += static_cast<std::uint64_t>(
                std::count(strPlik.begin() + static_cast<std::ptrdiff_t>(nPoprzednia),
                           strPlik.begin() + static_cast<std::ptrdiff_t>(nPozycja), '\n'));
        nPoprzednia = nPozycja;
        EXPECT_EQ(czytnik.m_nLinia, nLinie);
    }
    return rekordy;
}

int NumerBledu(CCzytnikSWDE& czytnik, const std::string& strZnacznik, bool bRekordy) {
    try {
        if (bRekordy)
            CzytajRekordy(czytnik, strZnacznik, "");
        else
            CzytajSekcje(czytnik, strZnacznik);
    } catch (const CSWDEException& e) {
        return e.m_nNumer;
    }
    return -1;
}

class Czytnik : public testy::CKatalogTestu {};

} // namespace

TEST_F(Czytnik, ReadsEverySectionWholeWhateverTheChunkSize) {
    const std::string strSciezka = Sciezka("a.swd");
    testy::ZapiszPlik(strSciezka, PLIK);
    std::vector<std::size_t> anPorcje(48);
    std::iota(anPorcje.begin(), anPorcje.end(), 1);
    anPorcje.push_back(CCzytnikSWDE::ROZMIAR_PORCJI);
    for (std::size_t nPorcja : anPorcje) {
        SCOPED_TRACE(nPorcja);
        CCzytnikSWDE czytnik(nPorcja);
        ASSERT_TRUE(czytnik.Otworz(strSciezka));
        EXPECT_EQ(czytnik.m_nDlugoscPliku, PLIK.size());
        EXPECT_EQ(CzytajSekcje(czytnik, "SN;"), SN);
        EXPECT_EQ(CzytajSekcje(czytnik, "SP;"), SP);
        EXPECT_EQ(CzytajRekordy(czytnik, "ST;", PLIK), ST);
        EXPECT_EQ(CzytajRekordy(czytnik, "SO;", PLIK), SO);
        EXPECT_EQ(czytnik.CzytajWiersz(), "SWDEX;");
        EXPECT_EQ(czytnik.m_nPozycja, PLIK.size());
        EXPECT_TRUE(czytnik.m_bOstatniaPorcja);
    }
}

TEST_F(Czytnik, UnterminatedLastLineIsReadOnceThenTheDataEnds) {
    const std::string strTresc = PLIK.substr(0, PLIK.size() - 2); // no line end after SWDEX;
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
        try {
            czytnik.CzytajWiersz();
            ADD_FAILURE() << "no error at the end of the data";
        } catch (const CSWDEException& e) {
            EXPECT_EQ(e.PelnyKomunikat(), "B\xB3\xB9"
                                          "d nr 9: B\xB3\xB9"
                                          "d w pliku przy "
                                          "pobieraniu kolejnej porcji danych. Niespodziewany "
                                          "koniec pliku.");
        }
    }
}

TEST_F(Czytnik, PlainLinesComeInFileOrderWithoutBlankAndCommentLines) {
    const std::string strSciezka = Sciezka("a.swd");
    testy::ZapiszPlik(strSciezka, PLIK);
    CCzytnikSWDE czytnik(5);
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    Linie linie;
    for (std::string str = czytnik.CzytajWiersz(); str != "SWDEX;"; str = czytnik.CzytajWiersz())
        linie.push_back(str);
    EXPECT_EQ(linie.size(), 25u);
    EXPECT_EQ(linie.front(), "SWDE.w.2.00.(C) GUGiK 2000;");
    EXPECT_EQ(linie[3], "NS,TN,Urz\xB1"
                        "d");
    EXPECT_EQ(linie[4], "SX;");
    EXPECT_EQ(czytnik.m_nLinia,
              static_cast<std::uint64_t>(std::count(PLIK.begin(), PLIK.end(), '\n')));
}

TEST_F(Czytnik, AbsentSectionsRewindOrRunOutOfData) {
    const std::string strBezSP = NAGLOWEK + "SN;\r\nNS,TR,1\r\nSX;\r\nST;\r\nRT,1;\r\nX;\r\nSX;\r\n"
                                            "SO;\r\nRO,1;\r\nX;\r\nSX;\r\nSWDEX;\r\n";
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
    // The next read starts again from the top, with the counters restarted.
    EXPECT_EQ(CzytajRekordy(czytnik, "ST;", strBezSP), (std::vector<Linie>{{"RT,1;", "X;"}}));
    EXPECT_FALSE(czytnik.m_bPrzewin);
    EXPECT_EQ(CzytajRekordy(czytnik, "SO;", strBezSP), (std::vector<Linie>{{"RO,1;", "X;"}}));

    const std::string strBezST = NAGLOWEK + "SO;\r\nRO,1;\r\nX;\r\nSX;\r\nSWDEX;\r\n";
    testy::ZapiszPlik(strSciezka, strBezST);
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    czytnik.m_bSzukajSekcji = true;
    linie = {"stare"};
    EXPECT_FALSE(czytnik.CzytajRekord("ST;", linie, n));
    EXPECT_TRUE(linie.empty());
    EXPECT_TRUE(czytnik.m_bPrzewin);
    EXPECT_EQ(CzytajRekordy(czytnik, "SO;", strBezST), (std::vector<Linie>{{"RO,1;", "X;"}}));

    const std::string strBezSO = NAGLOWEK + "SN;\r\nSX;\r\nSWDEX;\r\n";
    testy::ZapiszPlik(strSciezka, strBezSO);
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_EQ(NumerBledu(czytnik, "SO;", true), 9);
}

TEST_F(Czytnik, FormatErrorsCarryTheirNumbersAndTexts) {
    const struct {
        std::string strTresc, strZnacznik;
        bool bRekordy;
        std::string strTekst;
    } przypadki[] = {
        {"swde.w.2.00.(C) GUGiK 2000;\r\nSN;\r\nSX;\r\n", "SN;", false,
         "B\xB3\xB9"
         "d nr 1: Nieprawid\xB3owy format pliku "},
        {"", "SN;", false,
         "B\xB3\xB9"
         "d nr 1: Nieprawid\xB3owy format pliku "},
        {"SN;\r\n" + NAGLOWEK, "SN;", false,
         "B\xB3\xB9"
         "d nr 1: Nieprawid\xB3owy format pliku "},
        {NAGLOWEK + "SN;\r\nNS,TR,1\r\n\r\n", "SN;", false,
         "B\xB3\xB9"
         "d nr 1: Nieprawid\xB3owy format pliku! (Linia w pliku nr: 5)"},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nZZ,1;\r\nX;\r\n", "SO;", true,
         "B\xB3\xB9"
         "d nr 4: Nieprawid\xB3owy element w sekcji: 'ZZ'"},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nD,G5A,D,1\r\nSX;\r\nSWDEX;\r\n", "SO;", true,
         "B\xB3\xB9"
         "d nr 4: Nieprawid\xB3owy element w sekcji: 'SX'"},
        {NAGLOWEK + "SO;\r\nRO,1;\r\nd,G5A,D,1\r\nX;\r\n", "SO;", true,
         "B\xB3\xB9"
         "d nr 4: Nieprawid\xB3owy element w sekcji: 'd,'"},
        // Without its end line the section takes the file end line for a record header.
        {NAGLOWEK + "SO;\r\nRO,1;\r\nX;\r\nSWDEX;\r\n", "SO;", true,
         "B\xB3\xB9"
         "d nr 9: B\xB3\xB9"
         "d w pliku przy pobieraniu kolejnej porcji danych. "
         "Niespodziewany koniec pliku."},
    };
    const std::string strSciezka = Sciezka("a.swd");
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.strTresc);
        testy::ZapiszPlik(strSciezka, p.strTresc);
        CCzytnikSWDE czytnik(4);
        ASSERT_TRUE(czytnik.Otworz(strSciezka));
        try {
            if (p.bRekordy)
                CzytajRekordy(czytnik, p.strZnacznik, p.strTresc);
            else
                CzytajSekcje(czytnik, p.strZnacznik);
            ADD_FAILURE() << "no error";
        } catch (const CSWDEException& e) {
            EXPECT_EQ(e.PelnyKomunikat(), p.strTekst);
        }
    }
}

TEST_F(Czytnik, HeaderLineMayCarryBlanksAroundIt) {
    const std::string strSciezka = Sciezka("a.swd");
    testy::ZapiszPlik(strSciezka, "\r\n  SWDE.w.2.00.(C) GUGiK 2000;  \nSN;\nNS,TR,1\nSX;\n");
    CCzytnikSWDE czytnik;
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_EQ(CzytajSekcje(czytnik, "SN;"), Linie{"NS,TR,1"});
}

TEST_F(Czytnik, StrayFileEndLineDoesNotStopLoadingEarly) {
    std::string strTresc = NAGLOWEK + "SN;\r\nSX;\r\nSWDEX;\r\nSWDEXC,1;\r\nSO;\r\n";
    for (int i = 0; i < 40; ++i)
        strTresc += "RO,,G5DZE," + std::to_string(i) + ",x,11;\r\nD,G5A,D,1\r\nX;\r\n";
    strTresc += "SX;\r\nSWDEX;\r\n";
    const std::string strSciezka = Sciezka("a.swd");
    testy::ZapiszPlik(strSciezka, strTresc);
    for (std::size_t nPorcja : {16u, 64u, 100u}) {
        CCzytnikSWDE czytnik(nPorcja);
        ASSERT_TRUE(czytnik.Otworz(strSciezka));
        EXPECT_EQ(CzytajRekordy(czytnik, "SO;", strTresc).size(), 40u);
    }
}

TEST_F(Czytnik, FileLargerThanAChunkIsReadRecordByRecord) {
    std::string strTresc = NAGLOWEK + "SO;\r\n";
    int nRekordy = 0;
    while (strTresc.size() < 3 * CCzytnikSWDE::ROZMIAR_PORCJI + 12345) {
        strTresc += "RO,,G5DZE," + std::to_string(nRekordy++) + ",3_d_1,11;\r\n";
        strTresc +=
            "D,G5OPIS,D," + std::string(static_cast<std::size_t>(nRekordy % 97), 'a') + "\r\nX;\n";
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

TEST_F(Czytnik, OpeningStartsAfreshAndAFailedOpenChangesNothing) {
    const std::string strSciezka = Sciezka("a.swd");
    testy::ZapiszPlik(strSciezka, PLIK);
    CCzytnikSWDE czytnik(8);
    EXPECT_FALSE(czytnik.m_bOtwarty);
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_TRUE(czytnik.m_bSzukajSekcji);
    CzytajRekordy(czytnik, "SO;", PLIK);
    EXPECT_FALSE(czytnik.Otworz(Sciezka("brak.swd")));
    EXPECT_FALSE(czytnik.Otworz(m_katalog.string()));
    EXPECT_TRUE(czytnik.m_bOtwarty);
    EXPECT_EQ(czytnik.CzytajWiersz(), "SWDEX;");
    ASSERT_TRUE(czytnik.Otworz(strSciezka));
    EXPECT_EQ(czytnik.m_nLinia, 0u);
    EXPECT_EQ(czytnik.m_nPozycja, 0u);
    EXPECT_EQ(CzytajSekcje(czytnik, "SN;"), SN);
    czytnik.Zamknij();
    EXPECT_FALSE(czytnik.m_bOtwarty);
}

TEST(CzytnikElementy, RecordEndAndElementCodes) {
    for (const char* sz : {"X;", "XC,12;", "X"})
        EXPECT_TRUE(CCzytnikSWDE::JestKoncemRekordu(sz)) << sz;
    for (const char* sz : {"D,a", "WL,", "WG,", "TP", "WE", "WR", "WW", "K,+;", "GL;", "P,1,2;",
                           "IL", "IP", "OL", "OA", "GX;", "PZ;"})
        EXPECT_FALSE(CCzytnikSWDE::JestKoncemRekordu(sz)) << sz;
    for (const char* sz : {"ZZ", "K;", "x;", "S", "D;"})
        EXPECT_THROW(CCzytnikSWDE::JestKoncemRekordu(sz), CSWDEException) << sz;
    EXPECT_TRUE(CCzytnikSWDE::JestKoncemSekcji("SXC,5;"));
    EXPECT_FALSE(CCzytnikSWDE::JestKoncemSekcji("SWDEX;"));
}
