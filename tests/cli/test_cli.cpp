// kelvor-cli as a user runs it: whole runs on the example and on small files, the target
// checks, the header options and every kind of misuse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "konsola_testowa.h"

namespace {

using namespace cli_test;

// A small file: a person with a PESEL attribute and one premises record.
std::string MalyPlik(bool bData, const std::string& strDodatkowyElement = "") {
    std::vector<std::string> astrWiersze{"SWDE.w.2.00.(C) GUGiK 2000;", "SN;", "NS,TR,146599_9",
                                         "NS,TN,Urz\xb1"
                                         "d"};
    if (bData)
        astrWiersze.push_back("NS,DN,2020-01-01");
    for (const char* sz : {"SX;", "SP;", "SX;", "ST;", "SX;", "SO;", "RO,,G5OSF,1,1_osf,11;",
                           "D,G5PSL,D,00000000000;", "D,G5NZW,D,Testowa;"})
        astrWiersze.push_back(sz);
    if (!strDodatkowyElement.empty())
        astrWiersze.push_back(strDodatkowyElement);
    for (const char* sz : {"X;", "RO,,G5LKL,2,2_lkl,11;", "D,G5LIZ,D,3;", "X;", "SX;", "SWDEX;"})
        astrWiersze.push_back(sz);
    return Wiersze(astrWiersze);
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
    for (const char* szWiersz : {"Rozpocz\xeato etap 4 z 4 filtrowania pliku...",
                                 "Zako\xf1"
                                 "czono odfiltrowywanie obiekt\xf3w sierot...",
                                 "Zako\xf1"
                                 "czono obliczanie sum CRC...",
                                 "Utworzono wynikowy plik '"})
        EXPECT_TRUE(Zawiera(strLog, szWiersz)) << szWiersz;

    const std::string strCel = Czytaj(katalog / "wyniki/obreb_nowy.swd");
    struct {
        const char* szTekst;
        bool bJest;
    } const oczekiwane[] = {
        {"RO,,G5LKL,", false},      // premises
        {"RO,,G5BUD,", false},      // buildings
        {"G5BUD,300", false},       // and every relation to them
        {"G5JRZ", false},           // rights of the premises units
        {"RO,,G5PDZ,1301,", false}, // lease subject of a building only
        {"RO,,G5DZW,1201,", false}, // its lease
        {"RO,,G5UDD,1401,", false}, // and the share in that lease
        {"RO,,G5PDZ,1302,", true},  // keeps its parcel
        {"WG,G5REPZ,G5BUD,3002;", false},
        {"RO,,G5ADR,8012,", false}, // address nothing refers to: an orphan
        {"RO,,G5OSF,7016,", false}, // person linked to nothing: an orphan
        {"RO,,G5OSF,7001,", true},
        {"D,G5PSL,", false}, // personal attributes
        {"D,G5NZW,D,Przyk\xb3"
         "adowski;",
         true},
        {"SXC,", true}, // checksums
        {"SWDEXC,", true},
        {"\nC;", false}, // label lines
    };
    for (const auto& o : oczekiwane)
        EXPECT_EQ(Zawiera(strCel, o.szTekst), o.bJest) << o.szTekst;
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
    EXPECT_TRUE(Zawiera(Czytaj(katalog / "wyniki/zly_nowy.log"), "\tB\xb3\xb9"
                                                                 "d nr 4: "));
    EXPECT_TRUE(Zawiera(wynik.strWyjscie, "Ilość błędów filtrowania: 2\n"));
    EXPECT_TRUE(Zawiera(wynik.strBledy, (katalog / "zly.swd").string() + ": Błąd nr 4: "));
    EXPECT_TRUE(Zawiera(wynik.strBledy, (katalog / "tekst.txt").string() + ": Błąd nr 1: "));
}

TEST(Konsola, OdmowaBezOpcjiFiltrowania) {
    CKatalog katalog;
    Zapisz(katalog / "a.swd", MalyPlik(true));
    Zapisz(katalog / "pusta.cfg", Konfiguracja(0, {}, true));

    const CWynik wynik = katalog.Uruchom({"-c", "pusta.cfg", "a.swd"});

    EXPECT_EQ(wynik.nKod, 2);
    EXPECT_TRUE(Zawiera(wynik.strBledy, "Nie wybrano żadnej opcji filtrowania."));
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"a.swd", "pusta.cfg"}));
}

TEST(Konsola, IstniejacyCelBezZgodyNieJestRuszany) {
    CKatalog katalog;
    Zapisz(katalog / "a.swd", MalyPlik(true));
    Zapisz(katalog / "b.swd", MalyPlik(true));
    Zapisz(katalog / "a_nowy.swd", "stary wynik");
    Zapisz(katalog / "pesel.cfg", KONFIGURACJA_PESEL);

    const CWynik odmowa = katalog.Uruchom({"-c", "pesel.cfg", "a.swd", "b.swd"});
    EXPECT_EQ(odmowa.nKod, 2);
    EXPECT_TRUE(Zawiera(odmowa.strBledy, "Poniższe pliki docelowe już istnieją:\n" +
                                             (katalog / "a_nowy.swd").string() + "."));
    EXPECT_EQ(Czytaj(katalog / "a_nowy.swd"), "stary wynik");
    EXPECT_EQ(katalog.Pliki(),
              (std::vector<std::string>{"a.swd", "a_nowy.swd", "b.swd", "pesel.cfg"}));

    const CWynik zgoda = katalog.Uruchom({"-y", "-c", "pesel.cfg", "a.swd", "b.swd"});
    EXPECT_EQ(zgoda.nKod, 0) << zgoda.strBledy;
    EXPECT_TRUE(Zawiera(Czytaj(katalog / "a_nowy.swd"), "SWDE.w.2.00.(C) GUGiK 2000;\r\n"));
}

TEST(Konsola, NaglowekCeluZPolskimiLiterami) {
    const std::string strStale = "NS,TR,146599_9\r\nNS,TN,\xa6l\xb1sk, Biuro \xac"
                                 "r\xf3"
                                 "de\xb3\r\n";
    struct {
        const char* szNazwa;
        bool bDataWZrodle;
        std::vector<std::string> astrOpcje;
        std::string strDataCelu; // the DN line of the target
    } const przypadki[] = {
        {"data ze zrodla", true, {}, "NS,DN,"}, // today's date, checked by its shape below
        {"brak DN w zrodle", false, {}, "NS,DN,\r\n"},
        {"data z opcji", false, {"--date", "2024-02-29"}, "NS,DN,2024-02-29\r\n"},
        {"data z opcji nad DN", true, {"--date", "2023-12-31"}, "NS,DN,2023-12-31\r\n"},
    };
    for (const auto& p : przypadki) {
        CKatalog katalog;
        Zapisz(katalog / "a.swd", MalyPlik(p.bDataWZrodle));
        Zapisz(katalog / "pesel.cfg", KONFIGURACJA_PESEL);
        std::vector<std::string> astrArgumenty{"-c",       "pesel.cfg",
                                               "--header", "TN=Śląsk, Biuro Źródeł",
                                               "--header", "OO=Zażółć gęślą jaźń"};
        astrArgumenty.insert(astrArgumenty.end(), p.astrOpcje.begin(), p.astrOpcje.end());
        astrArgumenty.push_back("a.swd");

        const CWynik wynik = katalog.Uruchom(astrArgumenty);

        ASSERT_EQ(wynik.nKod, 0) << p.szNazwa << "\n" << wynik.strBledy;
        const std::string strCel = Czytaj(katalog / "a_nowy.swd");
        EXPECT_TRUE(Zawiera(strCel, strStale)) << p.szNazwa;
        EXPECT_TRUE(Zawiera(strCel, "NS,OO,Za\xbf\xf3\xb3\xe6 g\xea\xb6l\xb1 ja\xbc\xf1\r\n"))
            << p.szNazwa;
        EXPECT_TRUE(Zawiera(strCel, p.strDataCelu)) << p.szNazwa;
        const std::size_t nData = strCel.find("NS,DN,");
        ASSERT_NE(nData, std::string::npos);
        const std::string strData = strCel.substr(nData + 6, strCel.find('\r', nData) - nData - 6);
        EXPECT_TRUE(strData.empty() || (strData.size() == 10 && strData[4] == '-'))
            << p.szNazwa << ": " << strData;
        EXPECT_EQ(strData.empty(), !p.bDataWZrodle && p.astrOpcje.empty()) << p.szNazwa;
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

TEST(Konsola, BledneWywolania) {
    struct {
        std::vector<std::string> astrArgumenty;
        std::string strKomunikat;
    } const przypadki[] = {
        {{}, "nie podano żadnego pliku źródłowego"},
        {{"-c", "pesel.cfg"}, "nie podano żadnego pliku źródłowego"},
        {{"--bogus", "a.swd"}, "nieznana opcja '--bogus'"},
        {{"-x", "a.swd"}, "nieznana opcja '-x'"},
        {{"a.swd", "-c"}, "opcja -c wymaga wartości"},
        {{"--yes=1", "a.swd"}, "opcja --yes nie przyjmuje wartości"},
        {{"-c", "pesel.cfg", "--config=pesel.cfg", "a.swd"}, "podana więcej niż raz"},
        {{"--date", "2023-02-29", "a.swd"}, "nieprawidłowa data '2023-02-29'"},
        {{"--date", "2024-1-05", "a.swd"}, "nieprawidłowa data"},
        {{"--date", "2024-13-01", "a.swd"}, "nieprawidłowa data"},
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
        {{"-c", "pesel.cfg", "-o", "brak/x.swd", "a.swd"}, "nieprawidłowych folderach"},
        {{"-c", "pesel.cfg", "-d", "wyniki", "a.swd", "x/a.swd"}, "ten sam plik docelowy"},
    };
    CKatalog katalog;
    Zapisz(katalog / "a.swd", MalyPlik(true));
    Zapisz(katalog / "b.swd", MalyPlik(true));
    Zapisz(katalog / "x/a.swd", MalyPlik(true));
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
}

TEST(Konsola, PomocIWersja) {
    CKatalog katalog;
    const CWynik pomoc = katalog.Uruchom({"--help", "--bogus"});
    EXPECT_EQ(pomoc.nKod, 0);
    EXPECT_TRUE(Zawiera(pomoc.strWyjscie, "Użycie: kelvor-cli [OPCJE] PLIK_ŹRÓDŁOWY..."));
    const CWynik wersja = katalog.Uruchom({"--version"});
    EXPECT_EQ(wersja.nKod, 0);
    EXPECT_EQ(wersja.strWyjscie.rfind("kelvor-cli ", 0), 0u);
}

} // namespace
