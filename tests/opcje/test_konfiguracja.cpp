// The configuration file: exact bytes, reading rules, bad input and the load/save commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <random>
#include <sstream>

#include "opcje/konfiguracja.h"
#include "opcje/opcje.h"
#include "swde/bledy.h"
#include "swde/kodowanie.h"
#include "wspolne/powiadomienia_testowe.h"

namespace fs = std::filesystem;

namespace {

const char* const KLUCZE_TYPOW[] = {"JEW", "OBR", "RST", "OSF", "INS", "MLZ", "OSZ",
                                    "JDR", "UDZ", "UDW", "JRZ", "DZE", "KLU", "BUD",
                                    "LKL", "UZG", "KKL", "ZMN", "DOK", "ADR", "PZG",
                                    "GRN", "DZW", "UDD", "PDZ"};

const std::string ZRODLO = "\x8Fr\xF3" "d\xB3o_danych";  // "Źródło_danych"
const std::string UJSCIE = "Uj\x9C" "cie_danych";        // "Ujście_danych"

class Konfiguracja : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_katalog = fs::temp_directory_path() /
                    (std::string("kelvor_opcje_") + info->name() + "_" +
                     std::to_string(std::random_device{}()));
        fs::create_directories(m_katalog);
    }
    void TearDown() override {
        std::error_code blad;
        fs::permissions(m_katalog, fs::perms::owner_all, fs::perm_options::add, blad);
        fs::remove_all(m_katalog, blad);
    }
    std::string Sciezka(const std::string& strNazwa) const {
        return (m_katalog / strNazwa).string();
    }
    static std::string Czytaj(const std::string& strSciezka) {
        std::ifstream plik(strSciezka, std::ios::binary);
        std::ostringstream tekst;
        tekst << plik.rdbuf();
        return tekst.str();
    }
    static void Zapisz(const std::string& strSciezka, const std::string& strTekst) {
        std::ofstream(strSciezka, std::ios::binary) << strTekst;
    }

    fs::path m_katalog;
    CPowiadomieniaTestowe m_powiadomienia;
};

// Options with everything set away from the defaults.
COpcjeFiltrowania Ustawione() {
    COpcjeFiltrowania opcje;
    for (int n = 0; n <= LICZBA_TYPOW; ++n)
        opcje.UstawMaske(n, 0x5555 >> (n % 3));
    opcje.m_bSumyCRC = false;
    opcje.m_bPropagacja = false;
    opcje.m_strZrodloDanych = "C:\\Zrodla\\";
    opcje.m_strUjscieDanych = "D:\\Wyniki\\";
    opcje.m_strKatalogKonfiguracji = "E:\\Cfg\\";
    return opcje;
}

void OczekujRownych(const COpcjeFiltrowania& a, const COpcjeFiltrowania& b) {
    for (int n = 0; n <= LICZBA_TYPOW; ++n)
        EXPECT_EQ(a.Maska(n), b.Maska(n)) << n;
    EXPECT_EQ(a.m_bSumyCRC, b.m_bSumyCRC);
    EXPECT_EQ(a.m_bPropagacja, b.m_bPropagacja);
    EXPECT_EQ(a.m_strZrodloDanych, b.m_strZrodloDanych);
    EXPECT_EQ(a.m_strUjscieDanych, b.m_strUjscieDanych);
    EXPECT_EQ(a.m_strKatalogKonfiguracji, b.m_strKatalogKonfiguracji);
}

// The 31 numeric pairs "Obiekty 0" .. "Propagacja 1" of a default file, one per line.
std::string PaiLiczbowe() {
    std::string str = "Obiekty 0\n";
    for (const char* szKlucz : KLUCZE_TYPOW)
        str += std::string(szKlucz) + " 0\n";
    return str + "CRC 1\nPropagacja 1\n";
}

TEST_F(Konfiguracja, DefaultFileBytes) {
    COpcjeFiltrowania opcje;
    const std::string strPlik = Sciezka("KELVOR.cfg");
    ZapiszKonfiguracje(opcje, strPlik, m_powiadomienia);
    EXPECT_TRUE(m_powiadomienia.komunikaty.empty());
    std::string strOczekiwany = "Obiekty 0\r\n";
    for (const char* szKlucz : KLUCZE_TYPOW)
        strOczekiwany += std::string(szKlucz) + " 0\r\n";
    strOczekiwany += "CRC 1\r\nPropagacja 1\r\n" + ZRODLO + " .\r\n" + UJSCIE +
                     " .\r\nKonfiguracje .\r\n";
    EXPECT_EQ(Czytaj(strPlik), strOczekiwany);
    EXPECT_FALSE(fs::exists(strPlik + ".tmp"));
}

TEST_F(Konfiguracja, RoundTripRestoresEverything) {
    const std::string katalogi[][3] = {
        {"C:\\Zrodla\\", "D:\\Wyniki\\", "E:\\Cfg\\"},
        {"C:\\Dane urzedu\\Wyniki\\", "/srv/moje dane/", "C:\\Dane urzedu\\"},
        {kodowanie::T("C:\\Dane\\Łódź\\"), kodowanie::T("/srv/zażółć gęślą/"), ""},
        {"\tz tabulatorem\\", "a\"b c\\", "\"cytat\"\\"},
    };
    for (const auto& k : katalogi) {
        COpcjeFiltrowania opcje = Ustawione();
        opcje.m_strZrodloDanych = k[0];
        opcje.m_strUjscieDanych = k[1];
        opcje.m_strKatalogKonfiguracji = k[2];
        const std::string strPlik = Sciezka("a.cfg");
        ZapiszKonfiguracje(opcje, strPlik, m_powiadomienia);
        COpcjeFiltrowania odczytane;
        EXPECT_EQ(WczytajKonfiguracje(odczytane, strPlik, m_powiadomienia), strPlik);
        OczekujRownych(odczytane, opcje);
    }
    EXPECT_TRUE(m_powiadomienia.komunikaty.empty());
}

TEST_F(Konfiguracja, FoldersWithBlanksAreQuotedOthersWrittenPlain) {
    COpcjeFiltrowania opcje;
    opcje.m_strZrodloDanych = "D:\\Wyniki\\";
    opcje.m_strUjscieDanych = "C:\\Dane urzedu\\";
    opcje.m_strKatalogKonfiguracji = "/srv/linia\ndruga/";  // cannot be written: forgotten
    const std::string strTekst = TekstKonfiguracji(opcje);
    EXPECT_NE(strTekst.find(ZRODLO + " D:\\Wyniki\\\n"), std::string::npos);
    EXPECT_NE(strTekst.find(UJSCIE + " \"C:\\Dane urzedu\\\"\n"), std::string::npos);
    EXPECT_NE(strTekst.find("Konfiguracje .\n"), std::string::npos);
    EXPECT_EQ(std::count(strTekst.begin(), strTekst.end(), '\n'), 31);
}

TEST_F(Konfiguracja, ReadingRules) {
    const std::string strLiczby = PaiLiczbowe();
    struct {
        const char* szOpis;
        std::string strTekst;
        std::function<void(const COpcjeFiltrowania&)> sprawdz;
    } przypadki[] = {
        {"empty", "", [](auto& o) { OczekujRownych(o, [] {
             COpcjeFiltrowania d = Ustawione();
             for (int n = 0; n <= LICZBA_TYPOW; ++n)
                 d.UstawMaske(n, 0);
             d.m_bSumyCRC = d.m_bPropagacja = true;
             return d;
         }()); }},
        {"blanks only", " \r\n\t \n", [](auto& o) {
             EXPECT_EQ(o.Maska(5), 0);
             EXPECT_TRUE(o.m_bSumyCRC && o.m_bPropagacja);
         }},
        {"JEW 3", "JEW 3", [](auto& o) {
             EXPECT_EQ(o.Maska(1), 3);
             EXPECT_EQ(o.Maska(0), 0);
             EXPECT_EQ(o.Maska(2), 0);
             EXPECT_TRUE(o.m_bSumyCRC && o.m_bPropagacja);
             EXPECT_EQ(o.m_strUjscieDanych, "D:\\Wyniki\\");
         }},
        {"CRC 2", "CRC 2", [](auto& o) {
             EXPECT_FALSE(o.m_bSumyCRC);
             EXPECT_TRUE(o.m_bPropagacja);
         }},
        {"numbers as atoi", "JEW 12abc OBR abc RST +1 OSF -1 INS 99999999999999999999 "
                            "MLZ -99999999999 OSZ 0x1F",
         [](auto& o) {
             EXPECT_EQ(o.Maska(1), 12);
             EXPECT_EQ(o.Maska(2), 0);
             EXPECT_EQ(o.Maska(3), 1);
             EXPECT_EQ(o.Maska(4), 255);
             EXPECT_EQ(o.Maska(5), 511);  // clamped to the int range, then masked
             EXPECT_EQ(o.Maska(6), 0);
             EXPECT_EQ(o.Maska(7), 0);
         }},
        {"saved back as existing bits", "JEW 255 BUD -1 Obiekty 65535", [](auto& o) {
             const std::string strTekst = TekstKonfiguracji(o);
             EXPECT_NE(strTekst.find("\nJEW 15\n"), std::string::npos);
             EXPECT_NE(strTekst.find("\nBUD 32767\n"), std::string::npos);
             EXPECT_EQ(strTekst.substr(0, 13), "Obiekty 2047\n");
         }},
        {"later pair wins", "JEW 1 JEW 2 CRC 0 CRC 1", [](auto& o) {
             EXPECT_EQ(o.Maska(1), 2);
             EXPECT_TRUE(o.m_bSumyCRC);
         }},
        {"one line, tabs", "Obiekty\t4 JEW\t\t7\tCRC 0 Propagacja 0", [](auto& o) {
             EXPECT_EQ(o.Maska(0), 4);
             EXPECT_EQ(o.Maska(1), 7);
             EXPECT_FALSE(o.m_bSumyCRC || o.m_bPropagacja);
         }},
        {"32nd pair ignored", strLiczby + ZRODLO + " . " + UJSCIE + " x Konfiguracje y JEW 15",
         [](auto& o) {
             EXPECT_EQ(o.Maska(1), 0);
             EXPECT_EQ(o.m_strZrodloDanych, "");
             EXPECT_EQ(o.m_strKatalogKonfiguracji, "y");
         }},
        {"32nd key not checked", strLiczby + "CRC a CRC b CRC c niepoprawny", [](auto& o) {
             EXPECT_EQ(o.m_strZrodloDanych, "a");
             EXPECT_EQ(o.m_strUjscieDanych, "b");
             EXPECT_EQ(o.m_strKatalogKonfiguracji, "c");
         }},
        {"folder keys early are numbers", "Konfiguracje 5 JEW 1", [](auto& o) {
             EXPECT_EQ(o.m_strKatalogKonfiguracji, "E:\\Cfg\\");
             EXPECT_EQ(o.Maska(1), 1);
         }},
        {"quoted values", strLiczby + ZRODLO + " \"C:\\Dane urzedu\\\" " + UJSCIE +
                              " \".\" Konfiguracje \"niezamkniety",
         [](auto& o) {
             EXPECT_EQ(o.m_strZrodloDanych, "C:\\Dane urzedu\\");
             EXPECT_EQ(o.m_strUjscieDanych, ".");
             EXPECT_EQ(o.m_strKatalogKonfiguracji, "\"niezamkniety");
         }},
    };
    for (const auto& p : przypadki) {
        COpcjeFiltrowania opcje = Ustawione();
        SCOPED_TRACE(p.szOpis);
        EXPECT_NO_THROW(ZastosujTekstKonfiguracji(opcje, p.strTekst));
        p.sprawdz(opcje);
    }
}

TEST_F(Konfiguracja, FormatErrorsApplyNoMaskAndNoFlag) {
    const std::string teksty[] = {
        "jew 3", "JEW", "JEW 3 OBR", "Obiekty 1 XYZ 2", std::string("\x01\x02\xFF\x00", 4),
        "JEW 3 \"JEW 4\"", PaiLiczbowe() + ZRODLO,
    };
    for (const std::string& strTekst : teksty) {
        COpcjeFiltrowania opcje = Ustawione();
        try {
            ZastosujTekstKonfiguracji(opcje, strTekst);
            ADD_FAILURE() << "no error for " << strTekst;
        } catch (const CStandardException& blad) {
            EXPECT_EQ(blad.m_strTytul, blad::TytulFormatu());
            EXPECT_EQ(blad.m_strKomunikat, blad::KomunikatFormatu());
        }
        const COpcjeFiltrowania oczekiwane = Ustawione();
        for (int n = 0; n <= LICZBA_TYPOW; ++n)
            EXPECT_EQ(opcje.Maska(n), oczekiwane.Maska(n));
        EXPECT_FALSE(opcje.m_bSumyCRC || opcje.m_bPropagacja);
    }
}

// What a failed read has applied stays: page states of an "Obiekty" pair and folders met.
TEST_F(Konfiguracja, FormatErrorKeepsWhatWasApplied) {
    COpcjeFiltrowania opcje;
    EXPECT_THROW(ZastosujTekstKonfiguracji(opcje, "Obiekty 8 XYZ 1"), CStandardException);
    EXPECT_EQ(opcje.Maska(0), 0);
    EXPECT_FALSE(opcje.CzyStronaWlaczona(23));

    COpcjeFiltrowania druga;
    EXPECT_THROW(ZastosujTekstKonfiguracji(druga, PaiLiczbowe() + "JEW C:\\x\\ zle 1"),
                 CStandardException);
    EXPECT_EQ(druga.m_strZrodloDanych, "C:\\x\\");
}

TEST_F(Konfiguracja, ObjectValueSetsThePages) {
    COpcjeFiltrowania opcje;
    ZastosujTekstKonfiguracji(opcje, "Obiekty 8");
    EXPECT_EQ(opcje.Maska(0), 8);
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        EXPECT_EQ(opcje.CzyStronaWlaczona(n), n < 23) << n;

    // Buildings without premises read from a file stay so, with both pages disabled.
    ZastosujTekstKonfiguracji(opcje, "Obiekty 2");
    EXPECT_EQ(opcje.Maska(0), 2);
    EXPECT_FALSE(opcje.CzyStronaWlaczona(14));
    EXPECT_FALSE(opcje.CzyStronaWlaczona(15));
    EXPECT_TRUE(opcje.CzyStronaWlaczona(23));

    // A file that unticks the groups, without an "Obiekty" pair, enables their pages.
    opcje.ZaznaczWszystkie(0, true);
    ZastosujTekstKonfiguracji(opcje, "JEW 3");
    EXPECT_EQ(opcje.Maska(0), 0);
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        EXPECT_TRUE(opcje.CzyStronaWlaczona(n)) << n;
}

TEST_F(Konfiguracja, HostileInputNeverCrashes) {
    COpcjeFiltrowania opcje;
    ZastosujTekstKonfiguracji(opcje, std::string(10 << 20, ' ') + "JEW 1");
    EXPECT_EQ(opcje.Maska(1), 1);
    ZastosujTekstKonfiguracji(opcje, "JEW " + std::string(1 << 20, '9'));
    EXPECT_EQ(opcje.Maska(1), 15);
    ZastosujTekstKonfiguracji(opcje, PaiLiczbowe() + "CRC " + std::string(1 << 20, '"'));
    EXPECT_EQ(opcje.m_strZrodloDanych, std::string((1 << 20) - 2, '"'));

    std::mt19937 los(7);
    for (int nProba = 0; nProba < 200; ++nProba) {
        std::string strTekst = nProba % 2 ? "Obiekty " : "";
        const int nDlugosc = static_cast<int>(los() % 4000);
        for (int i = 0; i < nDlugosc; ++i)
            strTekst += static_cast<char>(nProba % 3 ? los() % 256 : " \t\r\n\"J1-"[los() % 8]);
        try {
            ZastosujTekstKonfiguracji(opcje, strTekst);
        } catch (const CStandardException&) {
        }
    }
}

TEST_F(Konfiguracja, MissingFileWarnsAndTouchesNothing) {
    const std::string brakujace[] = {Sciezka("brak.cfg"), m_katalog.string(),
                                     Sciezka("brak/x.cfg")};
    for (const std::string& strPlik : brakujace) {
        COpcjeFiltrowania opcje = Ustawione();
        CPowiadomieniaTestowe powiadomienia;
        EXPECT_EQ(WczytajKonfiguracje(opcje, strPlik, powiadomienia), "");
        ASSERT_EQ(powiadomienia.komunikaty.size(), 1u);
        EXPECT_EQ(powiadomienia.komunikaty[0].strTekst,
                  kodowanie::T("Nie znaleziono pliku z domyślną konfiguracją opcji programu.\n"
                               "Plik ten zostanie utworzony automatycznie."));
        EXPECT_EQ(powiadomienia.komunikaty[0].eRodzaj, ERodzajKomunikatu::Ostrzezenie);
        OczekujRownych(opcje, Ustawione());
    }
}

TEST_F(Konfiguracja, ReadOnlyFileIsStillWritten) {
    const std::string strPlik = Sciezka("tylko_odczyt.cfg");
    Zapisz(strPlik, "JEW 1\r\n");
    fs::permissions(strPlik, fs::perms::owner_read | fs::perms::group_read);
    ZapiszKonfiguracje(Ustawione(), strPlik, m_powiadomienia);
    EXPECT_TRUE(m_powiadomienia.komunikaty.empty());
    EXPECT_EQ(Czytaj(strPlik).substr(0, 12), "Obiekty 1365");
}

TEST_F(Konfiguracja, FailedWriteWarnsAndKeepsTheOldFile) {
    const std::string strKatalog = Sciezka("katalog.cfg");
    fs::create_directories(strKatalog + "/w_srodku");
    ZapiszKonfiguracje(Ustawione(), strKatalog, m_powiadomienia);
    ZapiszKonfiguracje(Ustawione(), Sciezka("brak/x.cfg"), m_powiadomienia);
    ASSERT_EQ(m_powiadomienia.komunikaty.size(), 2u);
    for (const auto& k : m_powiadomienia.komunikaty) {
        EXPECT_EQ(k.strTekst, kodowanie::T("Odmowa dostępu do pliku konfiguracyjnego"));
        EXPECT_EQ(k.eRodzaj, ERodzajKomunikatu::Ostrzezenie);
    }
    EXPECT_TRUE(fs::is_directory(strKatalog + "/w_srodku"));
    EXPECT_FALSE(fs::exists(strKatalog + ".tmp"));
}

TEST_F(Konfiguracja, PolishFileNames) {
    const std::string strPlik = Sciezka("konfiguracja_\xB3\xF3" "d\x9F.cfg");  // "łódź"
    ZapiszKonfiguracje(Ustawione(), strPlik, m_powiadomienia);
    EXPECT_TRUE(fs::exists(m_katalog / fs::path(u8"konfiguracja_łódź.cfg")));
    COpcjeFiltrowania opcje;
    EXPECT_EQ(WczytajKonfiguracje(opcje, strPlik, m_powiadomienia), strPlik);
    OczekujRownych(opcje, Ustawione());
}

TEST_F(Konfiguracja, StartUpRead) {
    COpcjeFiltrowania opcje;
    opcje.m_strPlikKonfiguracji = "poprzedni";
    PrzygotujKlucze(opcje, Sciezka("KELVOR.cfg"), m_powiadomienia);
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, "");
    EXPECT_EQ(m_powiadomienia.komunikaty.size(), 1u);

    Zapisz(Sciezka("KELVOR.cfg"), "JEW 3\r\n");
    opcje.m_bZmienione = true;
    PrzygotujKlucze(opcje, Sciezka("KELVOR.cfg"), m_powiadomienia);
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, Sciezka("KELVOR.cfg"));
    EXPECT_FALSE(opcje.m_bZmienione);
    EXPECT_EQ(opcje.Maska(1), 3);

    Zapisz(Sciezka("KELVOR.cfg"), "JEW 3 zle 1\r\n");
    opcje.m_strPlikKonfiguracji = "poprzedni";
    opcje.m_bZmienione = true;
    PrzygotujKlucze(opcje, Sciezka("KELVOR.cfg"), m_powiadomienia);
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, "poprzedni");
    EXPECT_TRUE(opcje.m_bZmienione);
    ASSERT_EQ(m_powiadomienia.komunikaty.size(), 2u);
    EXPECT_EQ(m_powiadomienia.komunikaty[1].strTekst,
              blad::TytulFormatu() + ": " + blad::KomunikatFormatu());
    EXPECT_EQ(m_powiadomienia.komunikaty[1].eRodzaj, ERodzajKomunikatu::Zwykly);
}

TEST_F(Konfiguracja, LoadAndSaveCommands) {
    const std::string strPlik = Sciezka("zadanie.cfg");
    Zapisz(strPlik, "JEW 3 Konfiguracje X Konfiguracje Y\r\n");
    COpcjeFiltrowania opcje;
    opcje.KliknijAtrybut(2, 0, true);
    ASSERT_TRUE(OdczytajKonfiguracjeZPliku(opcje, strPlik, m_powiadomienia));
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, strPlik);
    EXPECT_FALSE(opcje.m_bZmienione);
    EXPECT_EQ(opcje.m_strKatalogKonfiguracji, m_katalog.string() + "/");
    EXPECT_EQ(opcje.Maska(1), 3);

    // A missing or malformed file leaves the record of where the settings came from.
    opcje.KliknijAtrybut(2, 0, true);
    Zapisz(Sciezka("zly.cfg"), "JEW");
    EXPECT_FALSE(OdczytajKonfiguracjeZPliku(opcje, Sciezka("zly.cfg"), m_powiadomienia));
    EXPECT_FALSE(OdczytajKonfiguracjeZPliku(opcje, Sciezka("brak.cfg"), m_powiadomienia));
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, strPlik);
    EXPECT_TRUE(opcje.m_bZmienione);
    EXPECT_EQ(m_powiadomienia.komunikaty.size(), 2u);

    const std::string strZapis = Sciezka("zapis.cfg");
    opcje.m_strKatalogKonfiguracji = "K:\\";
    EXPECT_TRUE(ZapiszKonfiguracjeDoPliku(opcje, strZapis, m_powiadomienia));
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, strZapis);
    EXPECT_FALSE(opcje.m_bZmienione);
    EXPECT_EQ(opcje.m_strKatalogKonfiguracji, "K:\\");

    opcje.m_bZmienione = true;
    EXPECT_FALSE(ZapiszKonfiguracjeDoPliku(opcje, Sciezka("brak/x.cfg"), m_powiadomienia));
    EXPECT_EQ(opcje.m_strPlikKonfiguracji, strZapis);
    EXPECT_TRUE(opcje.m_bZmienione);
}

}  // namespace
