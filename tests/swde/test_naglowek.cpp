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

TEST_F(Naglowek, ValuesAreConvertedOnTheWayInAndOutAndKeptInTheFixedOrder) {
    const CParaPlikow para = Czytaj(NAGLOWEK + "SN;\r\n"
                                               "NS,OO,Osoba\r\n"
                                               "NS,TN,\xA6wi\xEAtokrzyska\r\n"
                                               "NS,TA,ul. D\xB3uga 5, 26-680 Wierzbica\r\n"
                                               "NS,DN,2001-01-01\r\n"
                                               "NS,NX,nx,1\r\n"
                                               "NS,XX,usuwany\r\n"
                                               "NU\tUZ  tekst, dalej\r\n"
                                               "NS,TN,\xA1\xB1\xAC\xBC\xB6 \r\n"
                                               "SX;\r\nSWDEX;\r\n");
    EXPECT_EQ(para[3], "\xA5\xB9\x8F\x9F\x9C"); // a repeated code overwrites
    EXPECT_EQ(para[6], "2001-01-01");
    EXPECT_EQ(para[CParaPlikow::ZACHOWANE], "NS,NX,nx,1\nNU,UZ, tekst, dalej\n");
    EXPECT_EQ(Zapisz(para), NAGLOWEK +
                                "SN;\r\n"
                                "NS,TR,\r\n"
                                "NS,TN,\xA1\xB1\xAC\xBC\xB6\r\n"
                                "NS,TA,ul. D\xB3uga 5, 26-680 Wierzbica\r\n"
                                "NS,TO,\r\nNS,ZN,\r\nNS,ZR,\r\nNS,ZD,\r\nNS,OP,\r\nNS,OR,\r\n"
                                "NS,ON,\r\nNS,OA,\r\n"
                                "NS,OO,Osoba\r\n"
                                "NS,DN,2024-03-05\r\n"
                                "NS,NX,nx,1\r\nNU,UZ, tekst, dalej\r\n"
                                "SX;\r\n");
}

TEST_F(Naglowek, EveryPrintableIsoByteIsWrittenBackAsItWasRead) {
    std::string strWartosc;
    for (int b = 0xA0; b < 0x100; ++b)
        strWartosc += static_cast<char>(b);
    strWartosc += "abc,;";
    const CParaPlikow para = Czytaj(NAGLOWEK + "SN;\r\nNS,ZD," + strWartosc + "\r\nSX;\r\n");
    EXPECT_NE(para[9], strWartosc);
    EXPECT_NE(Zapisz(para).find("NS,ZD," + strWartosc + "\r\n"), std::string::npos);
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
