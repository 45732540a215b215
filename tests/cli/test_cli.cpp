// kelvor-cli as a user runs it: whole runs on the example and on small files, the target
// checks, the header options and every kind of misuse.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "konsola_testowa.h"

namespace {

using namespace cli_test;

// A small file: a person with a PESEL attribute and one premises record.
std::string MalyPlik(bool bData, const std::string& strElement = "") {
    return Wiersze({"SWDE.w.2.00.(C) GUGiK 2000;", "SN;", "NS,TR,146599_9", "NS,TN,Urz\261d"}) +
           (bData ? "NS,DN,2020-01-01\r\n" : "") +
           Wiersze({"SX;", "SP;", "SX;", "ST;", "SX;", "SO;", "RO,,G5OSF,1,1_osf,11;",
                    "D,G5PSL,D,00000000000;", "D,G5NZW,D,Testowa;"}) +
           (strElement.empty() ? "" : strElement + "\r\n") +
           Wiersze({"X;", "RO,,G5LKL,2,2_lkl,11;", "D,G5LIZ,D,3;", "X;", "SX;", "SWDEX;"});
}

const std::string KONFIGURACJA_PESEL = Konfiguracja(0, {{"OSF", 4}}, true);

bool Zawiera(const std::string& strTekst, const std::string& strSzukany) {
    return strTekst.find(strSzukany) != std::string::npos;
}

TEST(Konsola, SameAtrybutyJedenEtapWprostDoCelu) {
    CKatalog katalog;
    Zapisz(katalog / "osoby.swd", MalyPlik(true));
    Zapisz(katalog / "pesel.cfg", KONFIGURACJA_PESEL);

    const CWynik wynik = katalog.Uruchom({"-c", "pesel.cfg", "osoby.swd"});

    EXPECT_EQ(wynik.nKod, 0) << wynik.strBledy;
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"osoby.swd", "osoby_nowy.log",
                                                         "osoby_nowy.swd", "pesel.cfg"}));
    const std::string strCel = Czytaj(katalog / "osoby_nowy.swd");
    EXPECT_FALSE(Zawiera(strCel, "G5PSL"));
    EXPECT_TRUE(Zawiera(strCel, "D,G5NZW,D,Testowa;\r\n"));
    EXPECT_TRUE(Zawiera(strCel, "RO,,G5LKL,2,2_lkl,11;")); // no object removed
    EXPECT_FALSE(Zawiera(strCel, "SXC,")); // no CRC in a run that only removes attributes
    const std::string strLog = Czytaj(katalog / "osoby_nowy.log");
    EXPECT_TRUE(
        Zawiera(strLog, "plikiem konfiguracyjnym: '" + (katalog / "pesel.cfg").string() + "'\r\n"));
    EXPECT_TRUE(Zawiera(strLog, "Rozpocz\xeato etap 1 z 1 filtrowania pliku..."));
    EXPECT_TRUE(Zawiera(wynik.strWyjscie, "Filtrowanie zakończone.\nCzas filtrowania: "));
    EXPECT_TRUE(Zawiera(wynik.strWyjscie, "Ilość błędów filtrowania: 0\n"));
    EXPECT_TRUE(Zawiera(wynik.strBledy, "osoby.swd: Filtrowanie obiektów (1/1)"));
}

TEST(Konsola, PrzykladCzteryEtapySierotyICrc) {
    CKatalog katalog;
    fs::copy_file(Przyklad("obreb_przykladowy.swd"), katalog / "obreb.swd");
    const std::string strZrodlo = Czytaj(katalog / "obreb.swd");
    fs::create_directories(katalog / "wyniki");

    const CWynik wynik = katalog.Uruchom(
        {"-q", "-c", Przyklad("przyklad.cfg").string(), "-d", "wyniki", "obreb.swd"});

    ASSERT_EQ(wynik.nKod, 0) << wynik.strBledy;
    EXPECT_EQ(wynik.strBledy, ""); // quiet
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"obreb.swd", "wyniki/obreb_nowy.log",
                                                         "wyniki/obreb_nowy.swd"}));
    EXPECT_EQ(Czytaj(katalog / "obreb.swd"), strZrodlo);
    const std::string strLog = Czytaj(katalog / "wyniki/obreb_nowy.log");
    for (const char* szWiersz :
         {"Rozpocz\352to etap 4 z 4 filtrowania pliku...",
          "Zako\361czono odfiltrowywanie obiekt\363w sierot...",
          "Zako\361czono obliczanie sum CRC...", "Utworzono wynikowy plik '"})
        EXPECT_TRUE(Zawiera(strLog, szWiersz)) << szWiersz;

    const std::string strCel = Czytaj(katalog / "wyniki/obreb_nowy.swd");
    const std::pair<const char*, bool> oczekiwane[] = {
        {"RO,,G5LKL,", false},
        {"RO,,G5BUD,", false},      // premises and buildings
        {"G5BUD,300", false},       // and every relation to them
        {"RO,,G5DZW,1201,", false}, // a lease of a building only
        {"RO,,G5ADR,8012,", false}, // an orphan address
        {"RO,,G5OSF,7001,", true},
        {"D,G5PSL,", false}, // personal attributes gone
        {"SXC,", true},
        {"\nC;", false}, // checksums, no label lines
    };
    for (const auto& [szTekst, bJest] : oczekiwane)
        EXPECT_EQ(Zawiera(strCel, szTekst), bJest) << szTekst;
}

TEST(Konsola, ZlyPlikWsrodDobrychPozostaleZapisane) {
    CKatalog katalog;
    Zapisz(katalog / "a.swd", MalyPlik(true));
    Zapisz(katalog / "zly.swd", MalyPlik(true, "ZZ,1;"));
    Zapisz(katalog / "tekst.txt", "to nie jest plik SWDE\r\n");
    Zapisz(katalog / "b.swd", MalyPlik(false));
    Zapisz(katalog / "pesel.cfg", KONFIGURACJA_PESEL);
    fs::create_directories(katalog / "wyniki");

    const CWynik wynik = katalog.Uruchom(
        {"-c", "pesel.cfg", "-d", "wyniki", "a.swd", "zly.swd", "tekst.txt", "b.swd"});

    EXPECT_EQ(wynik.nKod, 1);
    const std::vector<std::string> astrPliki = katalog.Pliki();
    for (const char* szPlik : {"wyniki/a_nowy.swd", "wyniki/b_nowy.swd", "wyniki/zly_nowy.log"})
        EXPECT_NE(std::find(astrPliki.begin(), astrPliki.end(), szPlik), astrPliki.end()) << szPlik;
    // The file that is no SWDE file is skipped before anything is written for it.
    for (const char* szPlik : {"wyniki/tekst_nowy.txt", "wyniki/tekst_nowy.log"})
        EXPECT_EQ(std::find(astrPliki.begin(), astrPliki.end(), szPlik), astrPliki.end()) << szPlik;
    EXPECT_TRUE(Zawiera(Czytaj(katalog / "wyniki/zly_nowy.log"), "\tB\263\271d nr 4: "));
    EXPECT_TRUE(Zawiera(wynik.strWyjscie, "Ilość błędów filtrowania: 2\n"));
    EXPECT_TRUE(Zawiera(wynik.strBledy, (katalog / "zly.swd").string() + ": Błąd nr 4: "));
    EXPECT_TRUE(Zawiera(wynik.strBledy, (katalog / "tekst.txt").string() + ": Błąd nr 1: "));
}

TEST(Konsola, IstniejacyCelZastepowanyZaZgoda) {
    CKatalog katalog;
    Zapisz(katalog / "a.swd", MalyPlik(true));
    Zapisz(katalog / "a_nowy.swd", "stary wynik");
    Zapisz(katalog / "pesel.cfg", KONFIGURACJA_PESEL);

    const CWynik odmowa = katalog.Uruchom({"-c", "pesel.cfg", "a.swd"});
    EXPECT_EQ(odmowa.nKod, 2);
    EXPECT_EQ(Czytaj(katalog / "a_nowy.swd"), "stary wynik");
    const CWynik zgoda = katalog.Uruchom({"-y", "-c", "pesel.cfg", "a.swd"});
    EXPECT_EQ(zgoda.nKod, 0) << zgoda.strBledy;
    EXPECT_TRUE(Zawiera(Czytaj(katalog / "a_nowy.swd"), "SWDE.w.2.00.(C) GUGiK 2000;\r\n"));
}

TEST(Konsola, NaglowekCeluZPolskimiLiterami) {
    char szDzis[16];
    const std::time_t nTeraz = std::time(nullptr);
    std::strftime(szDzis, sizeof szDzis, "%Y-%m-%d", std::localtime(&nTeraz));
    const struct {
        bool bDataWZrodle;
        std::vector<std::string> astrOpcje;
        std::string strDataCelu; // the DN line of the target
    } przypadki[] = {
        {true, {}, std::string("NS,DN,") + szDzis + "\r\n"}, // the window's initial date
        {false, {}, "NS,DN,\r\n"},                           // only with a DN line in the source
        {false, {"--date", "2024-02-29"}, "NS,DN,2024-02-29\r\n"},
        {true, {"--date", "2023-12-31"}, "NS,DN,2023-12-31\r\n"},
    };
    for (const auto& p : przypadki) {
        CKatalog katalog;
        Zapisz(katalog / "a.swd", MalyPlik(p.bDataWZrodle));
        Zapisz(katalog / "pesel.cfg", KONFIGURACJA_PESEL);
        std::vector<std::string> astrArgumenty{"-c",
                                               "pesel.cfg",
                                               "--header=TN=Śląsk, Biuro Źródeł",
                                               "--header",
                                               "OO=Zażółć gęślą jaźń",
                                               "a.swd"};
        astrArgumenty.insert(astrArgumenty.begin(), p.astrOpcje.begin(), p.astrOpcje.end());

        const CWynik wynik = katalog.Uruchom(astrArgumenty);

        ASSERT_EQ(wynik.nKod, 0) << p.strDataCelu << wynik.strBledy;
        const std::string strCel = Czytaj(katalog / "a_nowy.swd");
        EXPECT_TRUE(
            Zawiera(strCel, "NS,TR,146599_9\r\nNS,TN,\246l\261sk, Biuro \254r\363de\263\r\n"));
        EXPECT_TRUE(Zawiera(strCel, "NS,OO,Za\277\363\263\346 g\352\266l\261 ja\274\361\r\n"));
        EXPECT_TRUE(Zawiera(strCel, p.strDataCelu)) << p.strDataCelu;
    }
}

TEST(Konsola, DomyslnaKonfiguracjaObokProgramu) {
    CKatalog katalog;
    const fs::path program = katalog.m_sciezka / "bin" / Program().filename();
    fs::create_directories(program.parent_path());
    fs::copy_file(Program(), program);
    Zapisz(program.parent_path() / "KELVOR.cfg", KONFIGURACJA_PESEL);
    Zapisz(katalog / "a.swd", MalyPlik(true));

    const CWynik wynik = katalog.Uruchom({"a.swd"}, program);

    ASSERT_EQ(wynik.nKod, 0) << wynik.strBledy;
    EXPECT_FALSE(Zawiera(Czytaj(katalog / "a_nowy.swd"), "G5PSL"));
    EXPECT_TRUE(Zawiera(Czytaj(katalog / "a_nowy.log"),
                        "plikiem konfiguracyjnym: '" +
                            (program.parent_path() / "KELVOR.cfg").string() + "'"));
}

TEST(Konsola, BledneWywolaniaNicNieZapisuja) {
    CKatalog katalog;
    const struct {
        std::vector<std::string> astrArgumenty;
        std::string strKomunikat;
    } przypadki[] = {
        {{}, "nie podano żadnego pliku źródłowego"},
        {{"--bogus", "a.swd"}, "nieznana opcja '--bogus'"},
        {{"a.swd", "-c"}, "opcja -c wymaga wartości"},
        {{"--yes=1", "a.swd"}, "opcja --yes nie przyjmuje wartości"},
        {{"-c", "pesel.cfg", "--config=pesel.cfg", "a.swd"}, "podana więcej niż raz"},
        {{"--date", "2023-02-29", "a.swd"}, "nieprawidłowa data '2023-02-29'"},
        {{"--date", "2024-1-05", "a.swd"}, "nieprawidłowa data"},
        {{"--header", "XX=1", "a.swd"}, "nieznany kod nagłówka 'XX'"},
        {{"--header", "DN=2024-01-01", "a.swd"}, "nieznany kod nagłówka 'DN'"},
        {{"--header", "TN", "a.swd"}, "KOD=WARTOŚĆ"},
        {{"--header", "TN=a\nb", "a.swd"}, "nie może zawierać końca wiersza"},
        {{"-o", "x.swd", "a.swd", "b.swd"}, "dokładnie jednego pliku źródłowego"},
        {{"-o", "x.swd", "-d", "wyniki", "a.swd"}, "nie można łączyć"},
        {{"-c", "brak.cfg", "a.swd"}, "nie można odczytać pliku konfiguracji"},
        {{"-c", "zla.cfg", "a.swd"},
         "Błędny format pliku: Plik konfiguracji ma nieprawidłowy format"},
        {{"-c", "pesel.cfg", "-d", "brak", "a.swd"}, "umieszczone w nieprawidłowych folderach:\n"},
        {{"-c", "pesel.cfg", "-d", "wyniki", "a.swd", "x/a.swd"}, "ten sam plik docelowy"},
        {{"-c", "pusta.cfg", "a.swd"}, "Nie wybrano żadnej opcji filtrowania."},
        {{"-c", "pesel.cfg", "a.swd", "b.swd"}, // without a terminal and without -y
         "Poniższe pliki docelowe już istnieją:\n" + (katalog / "b_nowy.swd").string() + "."},
    };
    Zapisz(katalog / "a.swd", MalyPlik(true));
    Zapisz(katalog / "b.swd", MalyPlik(true));
    Zapisz(katalog / "b_nowy.swd", "stary wynik");
    Zapisz(katalog / "x/a.swd", MalyPlik(true));
    Zapisz(katalog / "pusta.cfg", Konfiguracja(0, {}, true));
    Zapisz(katalog / "pesel.cfg", KONFIGURACJA_PESEL);
    Zapisz(katalog / "zla.cfg", "Obiekty 1\r\nNieznany 3\r\n");
    fs::create_directories(katalog / "wyniki");
    const std::vector<std::string> astrPrzed = katalog.Pliki();
    for (const auto& p : przypadki) {
        std::string strOpis;
        for (const std::string& s : p.astrArgumenty)
            strOpis += s + " ";
        const CWynik wynik = katalog.Uruchom(p.astrArgumenty);
        EXPECT_EQ(wynik.nKod, 2) << strOpis;
        EXPECT_TRUE(Zawiera(wynik.strBledy, p.strKomunikat)) << strOpis << "\n" << wynik.strBledy;
        EXPECT_EQ(katalog.Pliki(), astrPrzed) << strOpis; // nothing written
    }
    EXPECT_EQ(Czytaj(katalog / "b_nowy.swd"), "stary wynik");
}

} // namespace
