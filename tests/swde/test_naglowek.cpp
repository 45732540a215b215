// The header section: reading a source header into the pair and writing the target header.
#include <gtest/gtest.h>

#include "swde/kodowanie.h"
#include "swde/naglowek.h"
#include "swde/plik_wynikowy.h"
#include "wspolne/katalog_testowy.h"

namespace {

struct Naglowek : ::testing::Test {
    testy::CKatalog katalog;

    CParaPlikow Czytaj(const std::string& strTresc, CParaPlikow para = {}) {
        testy::Zapisz(katalog("zrodlo.swd"), strTresc);
        para.m_strZrodlo = katalog("zrodlo.swd");
        CzytajNaglowek(para, {2024, 3, 5});
        return para;
    }
    std::string Zapisz(const CParaPlikow& para) {
        CPlikWynikowy plik;
        EXPECT_TRUE(plik.Otworz(katalog("cel.swd")));
        ZapiszNaglowek(para, plik);
        plik.Zamknij();
        return testy::Czytaj(katalog("cel.swd"));
    }
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
    EXPECT_EQ(para.m_zrodlowe[PoleTN], "\xA5\xB9\x8F\x9F\x9C"); // a repeated code overwrites
    EXPECT_EQ(para.m_zrodlowe[PoleDN], "2001-01-01");
    EXPECT_NE(para.m_zrodlowe[PoleZD], strWartosc);
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
    para.m_zrodlowe.fill("x");
    para.m_docelowe.fill("x");
    para.m_strZachowane = "x";
    para = Czytaj(NAGLOWEK + "SN;\r\nNS,TR,1\r\nSX;\r\n", para);
    for (int i = 0; i < LICZBA_POL_NAGLOWKA; ++i) {
        EXPECT_EQ(para.m_zrodlowe[i], i == PoleTR ? "1" : "") << i;
        EXPECT_EQ(para.m_docelowe[i], i == PoleTR ? "1" : "") << i;
    }
    EXPECT_EQ(para.m_strZachowane, "");
    EXPECT_NE(Zapisz(para).find("NS,DN,\r\nSX;"), std::string::npos);
}

// The text shown for a file that cannot be added: a file that is no SWDE file (error 1) is
// named after the message, any other error stands alone.
TEST_F(Naglowek, FailuresAreRaisedWithTheTextToShow) {
    using kodowanie::T;
    const auto Tekst = [&](const std::string& strNazwa) {
        CParaPlikow para;
        para.m_strZrodlo = katalog(strNazwa);
        try {
            CzytajNaglowek(para, {});
        } catch (const CSWDEException& blad) {
            return TekstBleduNaglowka(blad, para.m_strZrodlo);
        }
        return std::string("no error");
    };
    EXPECT_EQ(Tekst("brak.swd"),
              T("Błąd nr 0: Błąd otwarcia pliku docelowego: ") + katalog("brak.swd"));
    testy::Zapisz(katalog("tekst.txt"), "zwykly tekst\r\n");
    EXPECT_EQ(Tekst("tekst.txt"), T("Błąd nr 1: Nieprawidłowy format pliku ") + katalog("tekst.txt"));
    testy::Zapisz(katalog("urwany.swd"), NAGLOWEK + "SN;\r\nNS,TR,1\r\n");
    EXPECT_EQ(Tekst("urwany.swd"), T("Błąd nr 1: Nieprawidłowy format pliku! (Linia w pliku nr: 4)") +
                                       katalog("urwany.swd"));
}

// What a clerk may type into a target header: Polish letters and the punctuation ISO-8859-2
// has pass; typographic quotes, dashes, the euro sign and control characters are named, each
// once, in the order typed.
TEST(ZnakiNaglowka, NamesWhatTheFileCannotCarry) {
    const struct {
        const char* szTekst;
        std::vector<std::string> astrZnaki;
    } przypadki[] = {
        {"Zażółć gęślą jaźń ŚĄŹ \"Biuro\" nr 5, §3", {}},
        {"", {}},
        {"Anna „Próbna” – test €", {"„", "”", "–", "€"}},
        {"a\tb\tc\x7f", {"U+0009", "U+007F"}},
        {"\xc2\x85 ok", {"U+0085"}},
        {"zepsuty \xc5 bajt", {"U+FFFD"}},
        {"emoji \xf0\x9f\x98\x80", {"\xf0\x9f\x98\x80"}},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(ZnakiSpozaNaglowka(p.szTekst), p.astrZnaki) << p.szTekst;
}
