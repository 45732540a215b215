// The header section: reading a source header into the pair and writing the target header.
#include "pomocnicze.h"
#include "swde/kodowanie.h"
#include "swde/naglowek.h"
#include "swde/plik_wynikowy.h"
#include "wspolne/powiadomienia_testowe.h"

namespace {

class Naglowek : public testy::CKatalogTestu {
protected:
    CParaPlikow Czytaj(const std::string& strTresc, CParaPlikow para = {}) {
        testy::ZapiszPlik(Sciezka("zrodlo.swd"), strTresc);
        para[CParaPlikow::ZRODLO] = Sciezka("zrodlo.swd");
        CzytajNaglowek(para, {2024, 3, 5}, m_powiadomienia);
        return para;
    }
    std::string Zapisz(const CParaPlikow& para) {
        CPlikWynikowy plik;
        EXPECT_TRUE(plik.Otworz(Sciezka("cel.swd")));
        ZapiszNaglowek(para, plik);
        plik.Zamknij();
        return testy::CzytajPlik(Sciezka("cel.swd"));
    }
    CPowiadomieniaTestowe m_powiadomienia;
};

const std::string NAGLOWEK = "SWDE.w.2.00.(C) GUGiK 2000;\r\n";

} // namespace

// Every printable ISO-8859-2 byte is written back as it was read.
TEST_F(Naglowek, ValuesAreConvertedOnTheWayInAndOutAndKeptInTheFixedOrder) {
    std::string strWartosc = "abc,;";
    for (int b = 0xA0; b < 0x100; ++b)
        strWartosc += static_cast<char>(b);
    // clang-format off
    const CParaPlikow para = Czytaj(NAGLOWEK + "SN;\r\nNS,OO,Osoba\r\nNS,TN,\xA6wi\xEAtokrzyska\r\n"
        "NS,TA,ul. D\xB3uga 5, 26-680 Wierzbica\r\nNS,DN,2001-01-01\r\n"
        "NS,UX,1\nNS,OS,2\nNS,NX,nx,1\nNS,NY,3\nNS,NZ,4\nNS,UH,5\nNS,HZ,6\r\n"
        "NS,XX,usuwany\r\nNS,ZD," + strWartosc + "\r\nNU\tUZ  tekst, dalej\r\n"
        "NS,TN,\xA1\xB1\xAC\xBC\xB6 \r\nSX;\r\nSWDEX;\r\n");
    // clang-format on
    EXPECT_EQ(para[3], "\xA5\xB9\x8F\x9F\x9C"); // a repeated code overwrites
    EXPECT_EQ(para[6], "2001-01-01");
    EXPECT_NE(para[9], strWartosc);
    // Kept lines in the order read, the date line last among the shown ones.
    // clang-format off
    EXPECT_EQ(Zapisz(para), NAGLOWEK + "SN;\r\nNS,TR,\r\nNS,TN,\xA1\xB1\xAC\xBC\xB6\r\n"
        "NS,TA,ul. D\xB3uga 5, 26-680 Wierzbica\r\nNS,TO,\r\nNS,ZN,\r\nNS,ZR,\r\n"
        "NS,ZD," + strWartosc + "\r\nNS,OP,\r\nNS,OR,\r\nNS,ON,\r\nNS,OA,\r\nNS,OO,Osoba\r\n"
        "NS,DN,2024-03-05\r\nNS,UX,1\r\nNS,OS,2\r\nNS,NX,nx,1\r\nNS,NY,3\r\nNS,NZ,4\r\nNS,UH,5\r\n"
        "NS,HZ,6\r\nNU,UZ, tekst, dalej\r\nSX;\r\n");
    // clang-format on
}

// Values of an earlier read do not survive; without a date line both dates stay empty.
TEST_F(Naglowek, ValuesMissingFromTheHeaderAreEmpty) {
    CParaPlikow para;
    para.m_astrTeksty.fill("x");
    para = Czytaj(NAGLOWEK + "SN;\r\nNS,TR,1\r\nSX;\r\n", para);
    for (int i = 2; i < CParaPlikow::LICZBA_TEKSTOW; ++i)
        EXPECT_EQ(para[i], i == 2 || i == 15 ? "1" : "") << i;
    EXPECT_NE(Zapisz(para).find("NS,DN,\r\nSX;"), std::string::npos);
}

TEST_F(Naglowek, FailedOpenIsShownOnceAndRaised) {
    CParaPlikow para;
    para[CParaPlikow::ZRODLO] = Sciezka("brak.swd");
    const std::string strTekst =
        kodowanie::T("Błąd otwarcia pliku docelowego: ") + Sciezka("brak.swd");
    EXPECT_EQ(testy::TekstBledu([&] { CzytajNaglowek(para, {}, m_powiadomienia); }),
              kodowanie::T("Błąd nr 0: ") + strTekst);
    ASSERT_EQ(m_powiadomienia.komunikaty.size(), 1u);
    EXPECT_EQ(m_powiadomienia.komunikaty[0].strTekst, strTekst);
    EXPECT_EQ(m_powiadomienia.komunikaty[0].eRodzaj, ERodzajKomunikatu::Zwykly);
    EXPECT_EQ(m_powiadomienia.nWyczyszczen, 1);
}
