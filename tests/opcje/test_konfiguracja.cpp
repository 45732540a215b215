// The configuration file: exact bytes, reading rules, bad input and the load/save commands.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <utility>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "opcje/konfiguracja.h"
#include "opcje/opcje.h"
#include "swde/kodowanie.h"
#include "swde/platforma.h"
#include "wspolne/katalog_testowy.h"

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

using W = EWynikKonfiguracji;

// The default file over a read-only one: 31 lines, CR LF, no temporary file left.
TEST(Konfiguracja, DefaultFileBytes) {
    testy::CKatalog katalog;
    const std::string strPlik = katalog("KELVOR.cfg");
    testy::Zapisz(strPlik, "JEW 1\r\n");
    fs::permissions(strPlik, fs::perms::owner_read);
    EXPECT_EQ(ZapiszKonfiguracje(COpcjeFiltrowania(), strPlik), W::Wykonano);
    std::string strOczekiwany;
    for (char c : ParyLiczbowe() + ZRODLO + " .\n" + UJSCIE + " .\nKonfiguracje .\n")
        strOczekiwany += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(testy::Czytaj(strPlik), strOczekiwany);
    EXPECT_FALSE(fs::exists(strPlik + ".tmp"));
}

// Every mask, both flags and the folders come back, folders with blanks, quotes and Polish
// letters included.
TEST(Konfiguracja, RoundTripRestoresEverything) {
    testy::CKatalog katalog;
    const std::string katalogi[][3] = {
        {"C:\\Dane urzedu\\Wyniki\\", "/srv/moje dane/", ""},
        {kodowanie::T("C:\\Dane\\Łódź\\"), kodowanie::T("/srv/zażółć gęślą/"), "\tx\\"},
        {"a\"b c\\", "\"cytat\"\\", "x\"\\"},
    };
    const std::string strPlik = katalog(kodowanie::T("konfiguracja_łódź.cfg"));
    for (const auto& k : katalogi) {
        COpcjeFiltrowania opcje = Ustawione(), odczytane;
        opcje.m_strZrodloDanych = k[0];
        opcje.m_strUjscieDanych = k[1];
        opcje.m_strKatalogKonfiguracji = k[2];
        opcje.m_strKatalogDocelowy = k[1] + "dla gminy\\";
        EXPECT_EQ(ZapiszKonfiguracje(opcje, strPlik), W::Wykonano);
        EXPECT_EQ(WczytajKonfiguracje(odczytane, strPlik), W::Wykonano);
        EXPECT_EQ(TekstKonfiguracji(odczytane), TekstKonfiguracji(opcje));
        EXPECT_EQ(odczytane.m_strZrodloDanych + "|" + odczytane.m_strUjscieDanych + "|" +
                      odczytane.m_strKatalogKonfiguracji + "|" + odczytane.m_strKatalogDocelowy,
                  k[0] + "|" + k[1] + "|" + k[2] + "|" + opcje.m_strKatalogDocelowy);
    }
    EXPECT_TRUE(fs::exists(katalog.m_sciezka / fs::path(u8"konfiguracja_łódź.cfg")));
    // A folder that neither form reads back is not remembered.
    COpcjeFiltrowania opcje;
    opcje.m_strKatalogKonfiguracji = "/srv/\"a\" b/";
    EXPECT_TRUE(TekstKonfiguracji(opcje).ends_with("\nKonfiguracje .\n"));
}

// Each text is applied to options set away from the defaults; the options then write these
// pieces. Folders without white space are written plain, others in quotes.
TEST(Konfiguracja, ReadingRules) {
    const std::string strLiczby = ParyLiczbowe();
    const std::pair<std::string, std::vector<std::string>> przypadki[] = {
        {" \r\n\t \n", {strLiczby, ZRODLO + " C:\\Zrodla\\\n"}},
        {"JEW 3", {"Obiekty 0\nJEW 3\nOBR 0\n", "CRC 1\nPropagacja 1\n"}},
        {"CRC 0", {"CRC 0\nPropagacja 1\n"}},
        {"JEW 15 BUD 32767 Obiekty 2047 OBR 007", {"Obiekty 2047\nJEW 15\nOBR 7\n", "\nBUD 32767\n"}},
        {"Obiekty\t4 JEW\t\t1\tJEW 7 CRC 0 Propagacja 0 CRC 1",
         {"Obiekty 4\nJEW 7\n", "CRC 1\nPropagacja 0\n"}},
        // A 32nd pair is ignored, whatever its key but the target folder.
        {strLiczby + ZRODLO + " . " + UJSCIE + " x Konfiguracje y JEW 15 zle",
         {"\nJEW 0\n", ZRODLO + " .\n" + UJSCIE + " x\nKonfiguracje y\n"}},
        // The target folder for added files follows the 31 pairs under its own key only;
        // the file without it reads as before.
        {strLiczby + ZRODLO + " . " + UJSCIE +
             " x Konfiguracje y Katalog_docelowy \"D:\\Dla gminy\\\"",
         {UJSCIE + " x\nKonfiguracje y\nKatalog_docelowy \"D:\\Dla gminy\\\"\n"}},
        // Folders by position, whatever the key; a quoted dot is a folder.
        {strLiczby + "CRC a JEW b Obiekty \".\"",
         {ZRODLO + " a\n" + UJSCIE + " b\nKonfiguracje \".\"\n"}},
        {"Konfiguracje 5", {"Konfiguracje E:\\Cfg\\\n"}},
        {strLiczby + ZRODLO + " \"C:\\Dane urzedu\\\" " + UJSCIE + " x Konfiguracje \"bez",
         {ZRODLO + " \"C:\\Dane urzedu\\\"\n", "Konfiguracje \"bez\n"}},
    };
    for (const auto& [strTekst, czesci] : przypadki) {
        COpcjeFiltrowania opcje = Ustawione();
        EXPECT_NO_THROW(ZastosujTekstKonfiguracji(opcje, strTekst)) << strTekst;
        const std::string strWynik = TekstKonfiguracji(opcje);
        for (const std::string& strCzesc : czesci)
            EXPECT_NE(strWynik.find(strCzesc), std::string::npos) << strTekst << "\n" << strWynik;
    }
}

// No mask and no flag of a malformed file applies; the page states of an "Obiekty" pair
// ("Obiekty 8" disables pages 23 to 25 at once) and the folders met before the fault stay.
// A Windows editor's UTF-8 with its byte-order mark reads as the same settings as code page
// 1250: the keys with Polish letters are found and the folders keep theirs.
TEST(Konfiguracja, Utf8ZeZnacznikiemKolejnosci) {
    const std::string strCp1250 =
        ParyLiczbowe() + ZRODLO + " \"C:\\Dane " + kodowanie::T("Łódź") + "\"\n" + UJSCIE + " .\n";
    COpcjeFiltrowania zUtf8, zCp1250;
    ZastosujTekstKonfiguracji(zCp1250, strCp1250);
    ZastosujTekstKonfiguracji(zUtf8, "\xEF\xBB\xBF" + kodowanie::Cp1250DoUtf8(strCp1250));
    EXPECT_EQ(zUtf8.m_strZrodloDanych, kodowanie::T("C:\\Dane Łódź"));
    EXPECT_EQ(TekstKonfiguracji(zUtf8), TekstKonfiguracji(zCp1250));
}

TEST(Konfiguracja, FormatErrors) {
    // clang-format off
    const std::string teksty[] = {"jew 3", "JEW", "JEW 3 OBR", std::string("\x01\x02\xFF\x00", 4),
                                  "Obiekty 8 X 2", "JEW 3 \"JEW 4\"",
                                  ParyLiczbowe() + "JEW C:\\x\\ zle 1",
                                  // values out of range are not read as every bit or as none
                                  "Obiekty -1", "Obiekty 0x403", "Obiekty 2048", "JEW 16",
                                  "OSF 99999999999999999999", "RST +1", "JEW 12abc", "CRC 2",
                                  "Propagacja -0"};
    // clang-format on
    for (const std::string& strTekst : teksty) {
        COpcjeFiltrowania opcje = Ustawione();
        EXPECT_EQ(testy::TekstBledu([&] { ZastosujTekstKonfiguracji(opcje, strTekst); }),
                  BLAD_FORMATU)
            << strTekst;
        for (int n = 1; n <= LICZBA_TYPOW; ++n)
            EXPECT_EQ(opcje.CzyStronaWlaczona(n), n < 23 || strTekst != "Obiekty 8 X 2") << n;
        EXPECT_EQ(std::exchange(opcje.m_strZrodloDanych, "C:\\Zrodla\\") == "C:\\x\\",
                  strTekst.find("zle") != std::string::npos);
        EXPECT_EQ(TekstKonfiguracji(opcje), TekstKonfiguracji(Ustawione()));
    }
}

// A file that unticks the groups without naming "Obiekty" enables every page.
TEST(Konfiguracja, UntickedGroupsLeaveNoPageDisabled) {
    COpcjeFiltrowania opcje;
    opcje.ZaznaczWszystkie(0, true);
    ZastosujTekstKonfiguracji(opcje, "JEW 3");
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        EXPECT_TRUE(opcje.CzyStronaWlaczona(n)) << n;
}

// Huge runs of blanks and quotes; files over the size limit. (Inputs of every other kind are
// the fuzz target's.)
TEST(Konfiguracja, HugeInputs) {
    testy::CKatalog katalog;
    COpcjeFiltrowania opcje;
    ZastosujTekstKonfiguracji(opcje, std::string(1000 << 10, ' ') + "JEW 1");
    EXPECT_EQ(opcje.Maska(1), 1);
    ZastosujTekstKonfiguracji(opcje, ParyLiczbowe() + "CRC " + std::string(1000 << 10, '"'));
    EXPECT_EQ(opcje.m_strZrodloDanych, std::string((1000 << 10) - 2, '"'));
    // Over 1 MiB is no configuration file, whatever it holds; a file that never ends included.
    EXPECT_THROW(ZastosujTekstKonfiguracji(opcje, std::string((1 << 20) - 5, ' ') + "JEW 1 "),
                 CStandardException);
    const std::string strDuzy = katalog("duzy.cfg");
    testy::Zapisz(strDuzy, std::string(1 << 20, ' ') + "JEW 1");
    // A device or a FIFO is not read at all: it could give data without end, or none ever.
    const std::string strKolejka = katalog("kolejka.cfg");
#ifdef _WIN32
    const bool bKolejka = false;
#else
    const bool bKolejka = mkfifo(strKolejka.c_str(), 0600) == 0;
#endif
    const std::pair<std::string, W> przypadki[] = {
        {strDuzy, W::ZlyFormat}, {"/dev/zero", W::BrakPliku}, {strKolejka, W::BrakPliku}};
    for (const auto& [strPlik, eWynik] : przypadki) {
        if (fs::exists(strPlik) && (strPlik != strKolejka || bKolejka)) {
            EXPECT_EQ(WczytajKonfiguracje(opcje, strPlik), eWynik) << strPlik;
        }
    }
}

// Start-up, load and save: where the settings came from is recorded only for a file that was
// really read or written. A file that cannot be read or written gives its warning, and nothing
// is applied or replaced.
TEST(Konfiguracja, StartUpLoadAndSave) {
    testy::CKatalog katalog;
    const std::string strPlik = katalog("zadanie.cfg"), strKatalog = katalog("katalog.cfg");
    fs::create_directories(strKatalog + "/w_srodku");
    COpcjeFiltrowania opcje;
    opcje.m_strPlikKonfiguracji = "poprzedni";
    EXPECT_EQ(PrzygotujKlucze(opcje, strPlik), W::BrakPliku);
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, "");
    testy::Zapisz(strPlik, "JEW 3 Konfiguracje X\r\n");
    opcje.m_bZmienione = true;
    EXPECT_EQ(PrzygotujKlucze(opcje, strPlik), W::Wykonano);
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, strPlik);
    EXPECT_FALSE(opcje.m_bZmienione);

    opcje.KliknijAtrybut(2, 0, true);
    ASSERT_EQ(OdczytajKonfiguracjeZPliku(opcje, strPlik), W::Wykonano);
    EXPECT_EQ(opcje.m_strKatalogKonfiguracji, katalog(""));
    EXPECT_FALSE(opcje.m_bZmienione);
    EXPECT_EQ(opcje.Maska(1) * 10 + opcje.Maska(2), 30);

    opcje.KliknijAtrybut(2, 0, true);
    const std::string strPrzed = TekstKonfiguracji(opcje);
    testy::Zapisz(katalog("zly.cfg"), "JEW");
    const W wyniki[] = {
        PrzygotujKlucze(opcje, katalog("zly.cfg")),
        OdczytajKonfiguracjeZPliku(opcje, katalog("zly.cfg")),
        OdczytajKonfiguracjeZPliku(opcje, katalog("brak.cfg")),
        OdczytajKonfiguracjeZPliku(opcje, strKatalog),
        ZapiszKonfiguracjeDoPliku(opcje, katalog("brak/x.cfg")),
        ZapiszKonfiguracje(opcje, strKatalog),
    };
    EXPECT_EQ(TekstKonfiguracji(opcje), strPrzed);
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, strPlik);
    EXPECT_TRUE(opcje.m_bZmienione);
    EXPECT_TRUE(fs::is_directory(strKatalog + "/w_srodku"));
    EXPECT_FALSE(fs::exists(strKatalog + ".tmp"));
    EXPECT_EQ(std::vector<W>(std::begin(wyniki), std::end(wyniki)),
              (std::vector<W>{W::ZlyFormat, W::ZlyFormat, W::BrakPliku, W::BrakPliku,
                              W::OdmowaZapisu, W::OdmowaZapisu}));
    // The texts the front ends show for them.
    EXPECT_EQ(TekstWyniku(W::BrakPliku),
              kodowanie::T("Nie znaleziono pliku z domyślną konfiguracją opcji programu.\n"
                           "Plik ten zostanie utworzony automatycznie."));
    EXPECT_EQ(TekstWyniku(W::OdmowaZapisu),
              kodowanie::T("Odmowa dostępu do pliku konfiguracyjnego"));
    EXPECT_EQ(TekstWyniku(W::Wykonano), "");
    opcje.m_strKatalogKonfiguracji = "K:\\";
    EXPECT_EQ(ZapiszKonfiguracjeDoPliku(opcje, katalog("zapis.cfg")), W::Wykonano);
    EXPECT_EQ(opcje.m_strPlikKonfiguracji + opcje.m_strKatalogKonfiguracji,
              katalog("zapis.cfg") + "K:\\");
    EXPECT_FALSE(opcje.m_bZmienione);
}

// An installed program (its folder not the clerk's to write) keeps its settings in the user's
// own folder: the KELVOR.cfg installed beside it gives the first start's settings, what is
// saved at close is what the next start reads, and the installed file stays as it was.
TEST(Konfiguracja, InstalledProgramKeepsSettingsInUsersFolder) {
    testy::CKatalog katalog;
    const std::string strUstawienia = katalog("ustawienia");
#ifdef _WIN32
    const char* szZmienna = "APPDATA";
    const std::string strKatalogUzytkownika = strUstawienia + "\\KELVOR";
    auto ustaw = [](const char* szNazwa, const char* szWartosc) { _putenv_s(szNazwa, szWartosc); };
#else
    const char* szZmienna = "XDG_CONFIG_HOME";
    const std::string strKatalogUzytkownika = strUstawienia + "/kelvor";
    auto ustaw = [](const char* szNazwa, const char* szWartosc) { setenv(szNazwa, szWartosc, 1); };
#endif
    const char* szPoprzednia = std::getenv(szZmienna);
    const std::string strPoprzednia = szPoprzednia ? szPoprzednia : "";
    ustaw(szZmienna, strUstawienia.c_str());
    EXPECT_EQ(platforma::KatalogUstawienUzytkownika(), strKatalogUzytkownika);

    const std::string strProgram = katalog("program");
    fs::create_directories(strProgram);
    const std::string strZainstalowany = katalog("program") + static_cast<char>(
        fs::path::preferred_separator) + "KELVOR.cfg";
    testy::Zapisz(strZainstalowany, "JEW 3\r\n");
    const std::string strWlasny = strKatalogUzytkownika + static_cast<char>(
        fs::path::preferred_separator) + "KELVOR.cfg";

    const CMiejsceKonfiguracji przenosny = MiejsceKonfiguracji(strProgram);
    EXPECT_EQ(przenosny.m_strOdczyt + "|" + przenosny.m_strZapis,
              strZainstalowany + "|" + strZainstalowany);
    EXPECT_EQ(katalog.Pliki("program"), std::vector<std::string>{"KELVOR.cfg"}); // no probe left
    testy::Zapisz(katalog("plik"), "");
    EXPECT_FALSE(platforma::MoznaTworzycPliki(katalog("plik")));

    COpcjeFiltrowania opcje;
    const CMiejsceKonfiguracji pierwszy = MiejsceKonfiguracji(strProgram, false);
    EXPECT_EQ(pierwszy.m_strOdczyt + "|" + pierwszy.m_strZapis, strZainstalowany + "|" + strWlasny);
    ASSERT_EQ(PrzygotujKlucze(opcje, pierwszy.m_strOdczyt), W::Wykonano);
    EXPECT_EQ(opcje.Maska(1), 3);
    opcje.KliknijAtrybut(2, 0, true);
    ASSERT_EQ(ZapiszKonfiguracjeDomyslna(opcje, pierwszy), W::Wykonano);

    COpcjeFiltrowania poStarcie;
    const CMiejsceKonfiguracji drugi = MiejsceKonfiguracji(strProgram, false);
    EXPECT_EQ(drugi.m_strOdczyt, strWlasny);
    ASSERT_EQ(PrzygotujKlucze(poStarcie, drugi.m_strOdczyt), W::Wykonano);
    EXPECT_EQ(TekstKonfiguracji(poStarcie), TekstKonfiguracji(opcje));
    EXPECT_EQ(testy::Czytaj(strZainstalowany), "JEW 3\r\n");

    if (szPoprzednia)
        ustaw(szZmienna, strPoprzednia.c_str());
#ifndef _WIN32
    else
        unsetenv(szZmienna);
#endif
}

} // namespace
