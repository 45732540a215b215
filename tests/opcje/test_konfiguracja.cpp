// The configuration file: exact bytes, reading rules, bad input and the load/save commands.
#include <filesystem>
#include <functional>

#include "opcje/konfiguracja.h"
#include "opcje/opcje.h"
#include "swde/kodowanie.h"
#include "swde/pomocnicze.h"
#include "wspolne/powiadomienia_testowe.h"

namespace fs = std::filesystem;

namespace {

const std::string ZRODLO = kodowanie::T("Źródło_danych");
const std::string UJSCIE = kodowanie::T("Ujście_danych");
const std::string BLAD_FORMATU = kodowanie::T("Błędny format pliku: Plik konfiguracji ma "
                                              "nieprawidłowy format");

// The 28 numeric pairs of a default file, "Obiekty 0" to "Propagacja 1", one per line.
std::string ParyLiczbowe() {
    std::string str = "Obiekty 0\n";
    for (const char* szKlucz :
         {"JEW", "OBR", "RST", "OSF", "INS", "MLZ", "OSZ", "JDR", "UDZ", "UDW", "JRZ", "DZE", "KLU",
          "BUD", "LKL", "UZG", "KKL", "ZMN", "DOK", "ADR", "PZG", "GRN", "DZW", "UDD", "PDZ"})
        str += std::string(szKlucz) + " 0\n";
    return str + "CRC 1\nPropagacja 1\n";
}

// The masks and flags as written, without the folders.
std::string Liczby(const COpcjeFiltrowania& opcje) {
    const std::string strTekst = TekstKonfiguracji(opcje);
    return strTekst.substr(0, strTekst.find(ZRODLO));
}

// Options with everything set away from the defaults.
COpcjeFiltrowania Ustawione() {
    COpcjeFiltrowania opcje;
    for (int n = 0; n <= LICZBA_TYPOW; ++n)
        opcje.UstawMaske(n, 0x5555 >> (n % 3));
    opcje.m_bSumyCRC = opcje.m_bPropagacja = false;
    opcje.m_strZrodloDanych = "C:\\Zrodla\\";
    opcje.m_strUjscieDanych = "D:\\Wyniki\\";
    opcje.m_strKatalogKonfiguracji = "E:\\Cfg\\";
    return opcje;
}

class Konfiguracja : public testy::CKatalogTestu {
protected:
    CPowiadomieniaTestowe m_powiadomienia;
};

// The default file over a read-only one: 31 lines, CR LF, no temporary file left.
TEST_F(Konfiguracja, DefaultFileBytes) {
    const std::string strPlik = Sciezka("KELVOR.cfg");
    testy::ZapiszPlik(strPlik, "JEW 1\r\n");
    fs::permissions(strPlik, fs::perms::owner_read);
    ZapiszKonfiguracje(COpcjeFiltrowania(), strPlik, m_powiadomienia);
    EXPECT_TRUE(m_powiadomienia.komunikaty.empty());
    std::string strOczekiwany;
    for (char c : ParyLiczbowe() + ZRODLO + " .\n" + UJSCIE + " .\nKonfiguracje .\n")
        strOczekiwany += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(testy::CzytajPlik(strPlik), strOczekiwany);
    EXPECT_FALSE(fs::exists(strPlik + ".tmp"));
}

// Every mask, both flags and the folders come back; folders with blanks are quoted, others are
// written plain, and one that neither form reads back is not remembered.
TEST_F(Konfiguracja, RoundTripRestoresEverything) {
    const std::string katalogi[][3] = {
        {"C:\\Dane urzedu\\Wyniki\\", "/srv/moje dane/", ""},
        {kodowanie::T("C:\\Dane\\Łódź\\"), kodowanie::T("/srv/zażółć gęślą/"), "\tx\\"},
        {"a\"b c\\", "\"cytat\"\\", "x\"\\"},
    };
    const std::string strPlik = Sciezka(kodowanie::T("konfiguracja_łódź.cfg"));
    for (const auto& k : katalogi) {
        COpcjeFiltrowania opcje = Ustawione();
        opcje.m_strZrodloDanych = k[0];
        opcje.m_strUjscieDanych = k[1];
        opcje.m_strKatalogKonfiguracji = k[2];
        ZapiszKonfiguracje(opcje, strPlik, m_powiadomienia);
        COpcjeFiltrowania odczytane;
        EXPECT_EQ(WczytajKonfiguracje(odczytane, strPlik, m_powiadomienia), strPlik);
        EXPECT_EQ(TekstKonfiguracji(odczytane), TekstKonfiguracji(opcje));
        EXPECT_EQ(odczytane.m_strUjscieDanych, k[1]);
    }
    EXPECT_TRUE(fs::exists(m_katalog / fs::path(u8"konfiguracja_łódź.cfg")));
    EXPECT_TRUE(m_powiadomienia.komunikaty.empty());

    COpcjeFiltrowania opcje;
    opcje.m_strZrodloDanych = "D:\\Wyniki\\";
    opcje.m_strUjscieDanych = "C:\\Dane urzedu\\";
    opcje.m_strKatalogKonfiguracji = "/srv/\"a\" b/";
    const std::string strTekst = TekstKonfiguracji(opcje);
    EXPECT_EQ(strTekst.substr(strTekst.find(ZRODLO)), ZRODLO + " D:\\Wyniki\\\n" + UJSCIE +
                                                          " \"C:\\Dane urzedu\\\"\n" +
                                                          "Konfiguracje .\n");
}

TEST_F(Konfiguracja, ReadingRules) {
    const std::string strLiczby = ParyLiczbowe();
    using Sprawdz = std::function<void(const COpcjeFiltrowania&)>;
    const std::pair<std::string, Sprawdz> przypadki[] = {
        {" \r\n\t \n",
         [](auto& o) {
             EXPECT_EQ(Liczby(o), ParyLiczbowe());
             EXPECT_EQ(o.m_strZrodloDanych, "C:\\Zrodla\\");
         }},
        {"JEW 3",
         [](auto& o) {
             EXPECT_EQ(o.Maska(1), 3);
             EXPECT_EQ(o.Maska(0) + o.Maska(2), 0);
             EXPECT_TRUE(o.m_bSumyCRC && o.m_bPropagacja);
         }},
        {"CRC 2", [](auto& o) { EXPECT_TRUE(!o.m_bSumyCRC && o.m_bPropagacja); }},
        {"JEW 12abc OBR abc RST +1 OSF -1 INS 99999999999999999999 MLZ -99999999999 OSZ 0x1F",
         [](auto& o) {
             const int oczekiwane[] = {12, 0, 1, 255, 511, 0, 0}; // atoi, clamped, masked
             for (int n = 1; n <= 7; ++n)
                 EXPECT_EQ(o.Maska(n), oczekiwane[n - 1]) << n;
         }},
        {"JEW 255 BUD -1 Obiekty 65535",
         [](auto& o) {
             const std::string strTekst = TekstKonfiguracji(o);
             EXPECT_EQ(strTekst.substr(0, 20), "Obiekty 2047\nJEW 15\n");
             EXPECT_NE(strTekst.find("\nBUD 32767\n"), std::string::npos);
         }},
        {"Obiekty\t4 JEW\t\t1\tJEW 7 CRC 0 Propagacja 0 CRC 1",
         [](auto& o) {
             EXPECT_EQ(o.Maska(0) * 100 + o.Maska(1), 407);
             EXPECT_TRUE(o.m_bSumyCRC && !o.m_bPropagacja);
         }},
        {strLiczby + ZRODLO + " . " + UJSCIE + " x Konfiguracje y JEW 15 zle",
         [](auto& o) {
             EXPECT_EQ(o.Maska(1), 0); // a 32nd pair is ignored, whatever its key
             EXPECT_EQ(o.m_strZrodloDanych + "|" + o.m_strKatalogKonfiguracji, "|y");
         }},
        {strLiczby + "CRC a JEW b Obiekty \".\"", // folders by position, whatever the key
         [](auto& o) {
             EXPECT_EQ(o.m_strZrodloDanych + o.m_strUjscieDanych + o.m_strKatalogKonfiguracji,
                       "ab.");
         }},
        {"Konfiguracje 5", [](auto& o) { EXPECT_EQ(o.m_strKatalogKonfiguracji, "E:\\Cfg\\"); }},
        {strLiczby + ZRODLO + " \"C:\\Dane urzedu\\\" " + UJSCIE + " x Konfiguracje \"bez",
         [](auto& o) {
             EXPECT_EQ(o.m_strZrodloDanych, "C:\\Dane urzedu\\");
             EXPECT_EQ(o.m_strKatalogKonfiguracji, "\"bez");
         }},
    };
    for (const auto& [strTekst, sprawdz] : przypadki) {
        COpcjeFiltrowania opcje = Ustawione();
        SCOPED_TRACE(strTekst);
        EXPECT_NO_THROW(ZastosujTekstKonfiguracji(opcje, strTekst));
        sprawdz(opcje);
    }
}

// No mask and no flag of a malformed file applies; the page states of an "Obiekty" pair and
// the folders met before the fault stay.
TEST_F(Konfiguracja, FormatErrors) {
    const std::string teksty[] = {
        "jew 3",
        "JEW",
        "JEW 3 OBR",
        std::string("\x01\x02\xFF\x00", 4),
        "Obiekty 8 X 2",
        "JEW 3 \"JEW 4\"",
        ParyLiczbowe() + "JEW C:\\x\\ zle 1",
    };
    for (const std::string& strTekst : teksty) {
        COpcjeFiltrowania opcje = Ustawione();
        EXPECT_EQ(testy::TekstBledu([&] { ZastosujTekstKonfiguracji(opcje, strTekst); }),
                  BLAD_FORMATU)
            << strTekst;
        EXPECT_EQ(Liczby(opcje), Liczby(Ustawione()));
        EXPECT_EQ(opcje.CzyStronaWlaczona(23), strTekst != "Obiekty 8 X 2");
        EXPECT_EQ(opcje.m_strZrodloDanych == "C:\\x\\", strTekst.find("zle") != std::string::npos);
    }
}

// "Obiekty 8" disables pages 23 to 25 at once; a file that unticks the groups without naming
// "Obiekty" enables every page.
TEST_F(Konfiguracja, ObjectValueSetsThePages) {
    COpcjeFiltrowania opcje;
    ZastosujTekstKonfiguracji(opcje, "Obiekty 8");
    EXPECT_EQ(opcje.Maska(0), 8);
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        EXPECT_EQ(opcje.CzyStronaWlaczona(n), n < 23) << n;
    opcje.ZaznaczWszystkie(0, true);
    ZastosujTekstKonfiguracji(opcje, "JEW 3");
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        EXPECT_TRUE(opcje.CzyStronaWlaczona(n)) << n;
}

TEST_F(Konfiguracja, HostileInputNeverCrashes) {
    COpcjeFiltrowania opcje;
    ZastosujTekstKonfiguracji(opcje, std::string(10 << 20, ' ') + "JEW 1");
    EXPECT_EQ(opcje.Maska(1), 1);
    ZastosujTekstKonfiguracji(opcje, ParyLiczbowe() + "CRC " + std::string(1 << 20, '"'));
    EXPECT_EQ(opcje.m_strZrodloDanych, std::string((1 << 20) - 2, '"'));
    // Quotes, blanks and bytes of every kind in any mix.
    std::string strTekst = "Obiekty ";
    for (int i = 0; i < 20000; ++i)
        strTekst += i % 3 ? static_cast<char>(i * 7919 % 256) : " \t\r\n\"J1-"[i % 8];
    testy::TekstBledu([&] { ZastosujTekstKonfiguracji(opcje, strTekst); });
}

// A file that cannot be read or written gives its warning; nothing is applied or replaced.
TEST_F(Konfiguracja, FileErrorsWarn) {
    const std::string strKatalog = Sciezka("katalog.cfg");
    fs::create_directories(strKatalog + "/w_srodku");
    for (const std::string& strPlik : {Sciezka("brak.cfg"), strKatalog, Sciezka("brak/x.cfg")}) {
        COpcjeFiltrowania opcje = Ustawione();
        EXPECT_EQ(WczytajKonfiguracje(opcje, strPlik, m_powiadomienia), "");
        EXPECT_EQ(TekstKonfiguracji(opcje), TekstKonfiguracji(Ustawione()));
        if (strPlik != Sciezka("brak.cfg"))
            ZapiszKonfiguracje(opcje, strPlik, m_powiadomienia);
    }
    const std::string strBrak =
        kodowanie::T("Nie znaleziono pliku z domyślną konfiguracją opcji programu.\n"
                     "Plik ten zostanie utworzony automatycznie.");
    const std::string strOdmowa = kodowanie::T("Odmowa dostępu do pliku konfiguracyjnego");
    const std::string oczekiwane[] = {strBrak, strBrak, strOdmowa, strBrak, strOdmowa};
    ASSERT_EQ(m_powiadomienia.komunikaty.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(m_powiadomienia.komunikaty[i].strTekst, oczekiwane[i]) << i;
        EXPECT_EQ(m_powiadomienia.komunikaty[i].eRodzaj, ERodzajKomunikatu::Ostrzezenie);
    }
    EXPECT_TRUE(fs::is_directory(strKatalog + "/w_srodku"));
    EXPECT_FALSE(fs::exists(strKatalog + ".tmp"));
}

// Start-up, load and save: where the settings came from is recorded only for a file that was
// really read or written.
TEST_F(Konfiguracja, StartUpLoadAndSave) {
    const std::string strPlik = Sciezka("zadanie.cfg");
    COpcjeFiltrowania opcje;
    opcje.m_strPlikKonfiguracji = "poprzedni";
    PrzygotujKlucze(opcje, strPlik, m_powiadomienia); // missing
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, "");
    testy::ZapiszPlik(strPlik, "JEW 3 Konfiguracje X\r\n");
    opcje.m_bZmienione = true;
    PrzygotujKlucze(opcje, strPlik, m_powiadomienia);
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, strPlik);
    EXPECT_FALSE(opcje.m_bZmienione);

    opcje.KliknijAtrybut(2, 0, true);
    ASSERT_TRUE(OdczytajKonfiguracjeZPliku(opcje, strPlik, m_powiadomienia));
    EXPECT_EQ(opcje.m_strKatalogKonfiguracji, m_katalog.string() + "/");
    EXPECT_FALSE(opcje.m_bZmienione);
    EXPECT_EQ(opcje.Maska(1) * 10 + opcje.Maska(2), 30);

    // A missing or malformed file keeps the record of where the settings came from.
    opcje.KliknijAtrybut(2, 0, true);
    testy::ZapiszPlik(Sciezka("zly.cfg"), "JEW");
    PrzygotujKlucze(opcje, Sciezka("zly.cfg"), m_powiadomienia);
    EXPECT_FALSE(OdczytajKonfiguracjeZPliku(opcje, Sciezka("zly.cfg"), m_powiadomienia));
    EXPECT_FALSE(OdczytajKonfiguracjeZPliku(opcje, Sciezka("brak.cfg"), m_powiadomienia));
    EXPECT_FALSE(ZapiszKonfiguracjeDoPliku(opcje, Sciezka("brak/x.cfg"), m_powiadomienia));
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, strPlik);
    EXPECT_TRUE(opcje.m_bZmienione);
    ASSERT_EQ(m_powiadomienia.komunikaty.size(), 5u);
    EXPECT_EQ(m_powiadomienia.komunikaty[1].strTekst, BLAD_FORMATU);
    EXPECT_EQ(m_powiadomienia.komunikaty[1].eRodzaj, ERodzajKomunikatu::Zwykly);

    opcje.m_strKatalogKonfiguracji = "K:\\";
    EXPECT_TRUE(ZapiszKonfiguracjeDoPliku(opcje, Sciezka("zapis.cfg"), m_powiadomienia));
    EXPECT_EQ(opcje.m_strPlikKonfiguracji + opcje.m_strKatalogKonfiguracji,
              Sciezka("zapis.cfg") + "K:\\");
    EXPECT_FALSE(opcje.m_bZmienione);
}

} // namespace
