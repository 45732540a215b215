// The run driver end to end: the follow-up chain, several files in one run, failures that end
// one file, cancel, the refused run, pairs whose outputs would overwrite what the run reads,
// and the exact log.
#include <gtest/gtest.h>

#include <regex>

#include "silnik_testowy.h"
#include "swde/kodowanie.h"

using namespace silnik_test;
using kodowanie::T;

namespace {

// Premises l1 go; the building's address relation then dangles, the building is left with no
// relation, address a1 is referred to by nothing, a2 by the person.
const std::string PLIK_LANCUCHA =
    PlikSWDE("RO,1,G5LKL,l1,l1L,11;\nX;\nRO,1,G5OSF,o1,o1L,11;\nWG,G5RADR,G5ADR,a2;\nX;\n"
             "RO,1,G5ADR,a1,a1L,11;\nX;\nRO,1,G5ADR,a2,a2L,11;\nX;\n"
             "RO,1,G5BUD,b1,b1L,11;\nWL,G5RADR,l1L;\nX;\n");
const std::vector<std::string> PO_SLEPYCH = {"RO,1,G5OSF,o1,o1L,11;", "RO,1,G5ADR,a1,a1L,11;",
                                             "RO,1,G5ADR,a2,a2L,11;", "RO,1,G5BUD,b1,b1L,11;"};
const std::vector<std::string> PO_SIEROTACH = {"RO,1,G5OSF,o1,o1L,11;", "RO,1,G5ADR,a2,a2L,11;"};

class Lancuch : public ::testing::TestWithParam<std::tuple<bool, bool>> {};

TEST_P(Lancuch, KazdaKombinacjaSierotISumZostawiaTylkoCelILog) {
    const auto [bSieroty, bCRC] = GetParam();
    CRun run(Bit(GrupaLokale) | (bSieroty ? Bit(GrupaSieroty) : 0));
    run.opcje.m_bSumyCRC = bCRC;
    run.Dodaj("obreb", PLIK_LANCUCHA);
    ASSERT_TRUE(run.Filtruj());
    ASSERT_EQ(run.silnik.LiczbaBledow(), 0) << run.silnik.Bledy()[0].m_strTekst;
    const std::string strCel = run.Cel();
    EXPECT_EQ(NaglowkiSO(strCel), bSieroty ? PO_SIEROTACH : PO_SLEPYCH);
    EXPECT_FALSE(Zawiera(strCel, "l1L"));
    EXPECT_EQ(std::regex_search(strCel, std::regex("SWDEXC,[0-9]+;$")), bCRC);
    EXPECT_EQ(Zawiera(strCel, "\nSXC,"), bCRC);
    EXPECT_EQ(run.katalog.Pliki(),
              (std::vector<std::string>{"obreb.swd", "obreb_wy.log", "obreb_wy.swd"}));
    const std::string strLog = run.Log("obreb_wy.log");
    EXPECT_TRUE(Zawiera(strLog, T("Zakończono odfiltrowywanie ślepych odwołań.")));
    EXPECT_EQ(Zawiera(strLog, T("Zakończono odfiltrowywanie obiektów sierot...")), bSieroty);
    EXPECT_EQ(Zawiera(strLog, T("Zakończono obliczanie sum CRC...")), bCRC);
}

INSTANTIATE_TEST_SUITE_P(SierotyICRC, Lancuch,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

TEST(Plan, SameSierotyRuszajaFiltrowanieObiektowBezOpcjiOdmowa) {
    CRun sieroty(Bit(GrupaSieroty));
    EXPECT_EQ(
        NaglowkiSO(sieroty.FiltrujJeden("RO,1,G5ADR,a1,a1L,11;\nX;\nRO,1,G5G_DZE,d,d,11;\nX;\n")),
        std::vector<std::string>{"RO,1,G5G_DZE,d,d,11;"});
    CRun run;
    run.Dodaj("obreb", PLIK_LANCUCHA);
    EXPECT_FALSE(run.Filtruj());
    EXPECT_EQ(run.silnik.Wynik(), EWynikFiltrowania::Odmowa);
    ASSERT_EQ(run.powiadomienia.komunikaty.size(), 1u);
    EXPECT_EQ(run.powiadomienia.komunikaty[0].strTekst, T("Nie wybrano żadnej opcji filtrowania."));
    EXPECT_EQ(run.powiadomienia.komunikaty[0].eRodzaj, ERodzajKomunikatu::Zwykly);
    EXPECT_EQ(run.powiadomienia.zdarzenia,
              (std::vector<std::string>{"okno-", "przetwarzaj+", "okno+"}));
    EXPECT_EQ(run.katalog.Pliki(), std::vector<std::string>{"obreb.swd"});
}

// An unopenable source is logged and counted, and the next file starts with empty lists and maps.
TEST(Run, NieotwieralneZrodloIDwaPlikiOdPustychListIMap) {
    CRun run(Bit(GrupaLokale));
    run.Dodaj("brak", "");
    run.Dodaj("pierwszy",
              PlikSWDE("RO,1,G5JDR,78,78L,11;\nD,G5TJR,D,3;\nX;\nRO,1,G5LKL,l,l,11;\nX;\n"));
    run.Dodaj("drugi", PlikSWDE("RO,1,G5UDZ,u,u,11;\nWG,G5RW\xA3S,G5JDR,78;\nX;\n"));
    ASSERT_TRUE(run.Filtruj());
    EXPECT_EQ(run.silnik.Wynik(), EWynikFiltrowania::Zakonczono);
    ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
    const std::string strBlad = T("Błąd nr 0: Błąd otwarcia pliku: ") + run.pary[0][0];
    EXPECT_EQ(run.silnik.Bledy()[0].m_nPara, 0);
    EXPECT_EQ(run.silnik.Bledy()[0].m_strTekst, strBlad);
    EXPECT_TRUE(Zawiera(run.Log("brak_wy.log"), T("Rozpoczęto filtrowanie pliku '") +
                                                    run.pary[0][0] + "'\n\n\t" + strBlad + "\n"));
    EXPECT_EQ(run.powiadomienia.nWyczyszczen, 1);
    EXPECT_EQ(SekcjaSO(run.Cel(2)), "RO,1,G5UDZ,u,u,11;\nWG,G5RW\xA3S,G5JDR,78;\nX;\n");
    const std::string strLog = run.Log("drugi_wy.log");
    EXPECT_FALSE(Zawiera(strLog, "G5LKL:") || Zawiera(strLog, "G5JDR:")) << strLog;
    EXPECT_TRUE(Zawiera(strLog, "G5UDZ:\t1\t0\t1\t1\t0\t1"));
    EXPECT_EQ(run.powiadomienia.zaznaczone, (std::vector<int>{0, 1, 2}));
    ASSERT_EQ(run.powiadomienia.komunikaty.size(), 1u);
    EXPECT_TRUE(std::regex_match(run.powiadomienia.komunikaty[0].strTekst,
                                 std::regex(T("Filtrowanie zakończone.\nCzas filtrowania: "
                                              "0:00:00:0[0-9]\nIlość błędów filtrowania: 1"))));
    EXPECT_EQ(run.powiadomienia.komunikaty[0].eRodzaj, ERodzajKomunikatu::Informacja);
}

struct CPrzypadekPrzerwania {
    const char* szNazwa;
    int nMaska;
    bool bSumy;
    const char* szEtap; // the stage text at which cancel is requested
};

class Przerwanie : public ::testing::TestWithParam<CPrzypadekPrzerwania> {};

TEST_P(Przerwanie, UsuwaCzesciowyWynikIKonczyRun) {
    const CPrzypadekPrzerwania& p = GetParam();
    CRun run(p.nMaska);
    run.opcje.m_bSumyCRC = p.bSumy;
    run.opcje.UstawMaske(12, 1);
    run.Dodaj("obreb", PLIK_LANCUCHA);
    run.Dodaj("drugi", PLIK_LANCUCHA);
    const std::string strEtap = T(p.szEtap);
    run.powiadomienia.przyEtapie = [&](const std::string& t) {
        run.powiadomienia.bPrzerwij |= t == strEtap;
    };
    EXPECT_FALSE(run.Filtruj());
    EXPECT_EQ(run.silnik.Wynik(), EWynikFiltrowania::Przerwano);
    EXPECT_EQ(run.katalog.Pliki(),
              (std::vector<std::string>{"drugi.swd", "obreb.swd", "obreb_wy.log"}));
    EXPECT_EQ(CzytajSurowo(run.pary[0][0]), PLIK_LANCUCHA);
    const std::string strLog = run.Log("obreb_wy.log");
    EXPECT_TRUE(std::regex_search(strLog, std::regex("\n\n[-0-9: ]+Przerwano filtrowanie.\n$")))
        << strLog;
    EXPECT_TRUE(run.powiadomienia.komunikaty.empty());
    EXPECT_EQ(run.powiadomienia.zdarzenia.back(), "okno+");
}

// clang-format off
const std::vector<CPrzypadekPrzerwania> PRZYPADKI_PRZERWANIA = {
    {"atrybuty_prosto_do_celu", 0, true, "Filtrowanie obiektów (1/1)"},
    {"przy_kopii_typow", Bit(GrupaLokale), false, "Filtrowanie typów"},
    {"etap_1_z_4", Bit(GrupaLokale) | Bit(GrupaBudynki), false, "Filtrowanie obiektów (1/4)"},
    {"etap_3_z_4", Bit(GrupaLokale) | Bit(GrupaBudynki), false, "Filtrowanie obiektów (3/4)"},
    {"slepe_odwolania", Bit(GrupaLokale), false, "Filtrowanie ślepych odwołań"},
    {"slepe_przed_sumami", Bit(GrupaLokale), true, "Filtrowanie ślepych odwołań"},
    {"sieroty", Bit(GrupaLokale) | Bit(GrupaSieroty), true, "Odfiltrowanie obiektów sierot"},
    {"sumy_crc", Bit(GrupaLokale) | Bit(GrupaSieroty), true, "Dodawanie sum kontrolnych CRC"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Punkty, Przerwanie, ::testing::ValuesIn(PRZYPADKI_PRZERWANIA),
                         [](const auto& info) { return std::string(info.param.szNazwa); });

TEST(Nazwy, BezKropkiIZKropkaWFolderze) {
    // A failing second stage leaves the temporary files, which shows their names.
    CRun run(Bit(GrupaLokale) | Bit(GrupaBudynki));
    fs::create_directories(run.katalog("a.b"));
    run.Dodaj("a.b/obreb", "", run.katalog("a.b/wynik"));
    run.pary[0][CParaPlikow::ZRODLO] = run.katalog("a.b/obreb");
    Zapisz(run.pary[0][CParaPlikow::ZRODLO], PlikSWDE("RO,1,G5PDZ,p,p,11;\nX;\n"));
    ASSERT_TRUE(run.Filtruj());
    EXPECT_EQ(run.silnik.LiczbaBledow(), 1);
    EXPECT_EQ(run.katalog.Pliki(),
              (std::vector<std::string>{"a.b/obreb", "a.b/obreb_KELVOR1", "a.b/obreb_KELVOR2",
                                        "a.b/wynik.log"}));
}

TEST(Nazwy, CelBedacyZrodlemOdrzuconyZrodloNietkniete) {
    CRun run(Bit(GrupaLokale));
    run.Dodaj("obreb", PLIK_LANCUCHA, run.katalog("./obreb.swd"));
    ASSERT_TRUE(run.Filtruj());
    ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
    const std::string strBlad = run.silnik.Bledy()[0].m_strTekst;
    EXPECT_TRUE(Zawiera(strBlad, run.katalog("obreb.swd"))) << strBlad;
    EXPECT_EQ(CzytajSurowo(run.pary[0][0]), PLIK_LANCUCHA);
    EXPECT_EQ(run.katalog.Pliki(), (std::vector<std::string>{"obreb.log", "obreb.swd"}));
    const std::string strLog = run.Log("obreb.log");
    EXPECT_TRUE(Zawiera(strLog, "\n\t" + strBlad + "\n"));
    EXPECT_FALSE(Zawiera(strLog, T("Rozpoczęto filtrowanie pliku")));
}

TEST(Nazwy, ParyKtoreZniszczylybyInnePlikiOdrzuconeResztaIdzie) {
    CRun run(Bit(GrupaLokale));
    // 0 would write, then delete, obreb_KELVOR1.swd: the target of pair 1, which goes on.
    run.Dodaj("obreb", PLIK_LANCUCHA);
    run.Dodaj("drugi", PLIK_LANCUCHA, run.katalog("obreb_KELVOR1.swd"));
    run.Dodaj("trzeci", PLIK_LANCUCHA, run.katalog("obreb.swd"));   // source 0
    run.Dodaj("czwarty", PLIK_LANCUCHA, run.katalog("wynik.log"));  // its own log
    run.Dodaj("piaty", PLIK_LANCUCHA, run.katalog("brak/cel.swd")); // log cannot be created
    // Its target is its source, and its log would be the source of the next pair.
    run.Dodaj("szosty", PLIK_LANCUCHA, run.katalog("szosty.swd"));
    run.Dodaj("siodmy", PLIK_LANCUCHA);
    run.pary.back()[CParaPlikow::ZRODLO] = run.katalog("szosty.log");
    fs::rename(run.katalog("siodmy.swd"), run.katalog("szosty.log"));
    run.powiadomienia.wiersze.push_back("nadmiarowy"); // a row beyond the pairs
    ASSERT_TRUE(run.Filtruj());
    std::vector<int> anPary;
    for (const CBladPliku& blad : run.silnik.Bledy())
        anPary.push_back(blad.m_nPara);
    EXPECT_EQ(anPary, (std::vector<int>{0, 2, 3, 4, 5, 7}));
    EXPECT_EQ(run.silnik.Bledy()[3].m_strTekst,
              T("Błąd nr 0: Błąd otwarcia pliku źródłowego: ") + run.katalog("brak/cel.log"));
    EXPECT_TRUE(Zawiera(run.silnik.Bledy()[5].m_strTekst, T("błędy krytyczne")));
    EXPECT_EQ(CzytajSurowo(run.pary[0][0]), PLIK_LANCUCHA);
    EXPECT_EQ(CzytajSurowo(run.katalog("szosty.log")), PLIK_LANCUCHA);
    EXPECT_EQ(NaglowkiSO(run.Cel(1)), PO_SLEPYCH);
    EXPECT_EQ(NaglowkiSO(run.Cel(6)), PO_SLEPYCH);
    EXPECT_EQ(run.katalog.Pliki(),
              (std::vector<std::string>{"czwarty.swd", "drugi.swd", "obreb.log", "obreb.swd",
                                        "obreb_KELVOR1.log", "obreb_KELVOR1.swd", "obreb_wy.log",
                                        "piaty.swd", "siodmy_wy.log", "siodmy_wy.swd", "szosty.log",
                                        "szosty.swd", "trzeci.swd"}));
}

// The whole log of a run, time stamps and the duration replaced.
TEST(Log, CalyLogPliku) {
    CRun run(Bit(GrupaLokale));
    run.opcje.m_bSumyCRC = true;
    run.opcje.m_bZmienione = false;
    run.opcje.m_strPlikKonfiguracji = "C:\\konf\\KELVOR.cfg";
    run.opcje.UstawMaske(12, 0b10);    // G5DZE: G5NOS
    run.opcje.UstawMaske(14, 1 << 11); // G5BUD: G5RPWŁ
    run.Dodaj("obreb", PlikSWDE("RO,1,G5LKL,l,l,11;\nX;\nRO,1,G5O_DZE,a,a,11;\nX;\n"
                                "RO,1,G5DZE,b,b,11;\nX;\nRO,1,G5G_DZE,c,c,12;\nX;\n"
                                "RO,1,G5ADR,d,d,11;\nX;\nRO,1,G5OSF,e,e,02;\nX;\n"));
    ASSERT_TRUE(run.Filtruj());
    std::string strLog = kodowanie::Cp1250DoUtf8(run.Log("obreb_wy.log"));
    strLog =
        std::regex_replace(strLog, std::regex("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d "), "@ ");
    strLog = std::regex_replace(strLog, std::regex("filtrowania: \\d+:\\d\\d:\\d\\d:\\d\\d"),
                                "filtrowania: D");
    // The attribute block: 25 type lines, the two ticked symbols marked where they stand.
    const std::size_t nAtrybuty = strLog.find("Filtrowane atrybuty:\n") + 21;
    const std::size_t nKoniec = strLog.find("\n\n", nAtrybuty);
    const std::string strAtrybuty = strLog.substr(nAtrybuty, nKoniec + 1 - nAtrybuty);
    strLog.replace(nAtrybuty, nKoniec + 1 - nAtrybuty, "<atrybuty>\n");
    EXPECT_EQ(std::count(strAtrybuty.begin(), strAtrybuty.end(), '\n'), 25);
    EXPECT_EQ(strAtrybuty.find("(T)"), strAtrybuty.find("G5NOS(T)") + 5);
    EXPECT_EQ(strAtrybuty.find("(T)", strAtrybuty.find("G5RPWL(T)") + 7), std::string::npos);
    for (const char* szWiersz :
         {"G5JEW(jednostka ewidencyjna): G5PEW(N), G5DTW(N), G5DTU(N), G5RKRG(N)\n",
          "\nG5DZE(działka): G5IDR(N), G5NOS(T), G5WRT(N), G5DWR(N), G5RZN(N), G5DWW(N), "
          "G5DTW(N), G5DTU(N), G5RPWL(N), G5RPWD(N), G5RKRG(N)\n",
          "\nG5BUD(budynek): G5WRT(N), G5DWR(N), G5RBB(N), G5LKP(N), G5LKN(N), G5PEW(N), "
          "G5PEU(N), G5RZN(N), G5SCN(N), G5DTW(N), G5DTU(N), G5RPWL(T), G5RPWD(N), G5RKRG(N), "
          "G5RDOK(N)\n",
          "\nG5PDZ(przedmiot dzierżawy): G5DTW(N), G5DTU(N)\n"})
        EXPECT_TRUE(Zawiera(strAtrybuty, szWiersz)) << szWiersz;
    const std::string strZ = run.pary[0][0], strC = run.pary[0][1];
    const std::string strOczekiwany =
        "@ Rozpoczęcie filtrowania zgodnego z plikiem konfiguracyjnym: 'C:\\konf\\KELVOR.cfg'\n"
        "\nFiltrowane obiekty:\n"
        "Dane dotyczące lokali (T)\nDane dotyczące budynków (N)\nDane dotyczące władania (N)\n"
        "Dane dotyczące dzierżawy (N)\nDane historyczne (N)\nDane graficzne (N)\n"
        "Dane typów niestandardowych (N)\nDane dotyczące rejonów statystycznych (N)\n"
        "Dane dotyczące użytków gruntowych (N)\nDane dotyczące konturów klasyfikacyjnych (N)\n"
        "Sieroty (N)\n"
        "\nFiltrowane atrybuty:\n"
        "<atrybuty>\n"
        "\n@ Rozpoczęto filtrowanie pliku '" +
        strZ +
        "'\n"
        "\n@ Rozpoczęto etap 1 z 2 filtrowania pliku...\n"
        "@ Zakończono etap 1 z 2 filtrowania pliku\n"
        "\n@ Rozpoczęto etap 2 z 2 filtrowania pliku...\n"
        "@ Zakończono etap 2 z 2 filtrowania pliku\n"
        "\n@ Liczba obiektów\n"
        "@ \t\tPlik źródłowy\t\tPlik docelowy\n"
        "@ Symbol\tAkt.\tHist.\tRazem\tAkt.\tHist.\tRazem\n"
        "@ G5ADR:\t1\t0\t1\t1\t0\t1\n"
        "@ G5DZE:\t2\t1\t3\t2\t1\t3\n"
        "@ G5LKL:\t1\t0\t1\t0\t0\t0\n"
        "\n@ Rozpoczęto odfiltrowywanie ślepych odwołań...\n"
        "@ Zakończono odfiltrowywanie ślepych odwołań.\n"
        "\n@ Rozpoczęto obliczanie sum CRC...\n"
        "@ Zakończono obliczanie sum CRC...\n"
        "\n@ Zakończono filtrowanie pliku '" +
        strZ +
        "'\n"
        "@ Utworzono wynikowy plik '" +
        strC +
        "'\n"
        "\t\t\tCzas trwania filtrowania: D\n";
    EXPECT_EQ(strLog, strOczekiwany);
    const std::string strSurowy = CzytajSurowo(run.katalog("obreb_wy.log"));
    EXPECT_EQ(std::count(strSurowy.begin(), strSurowy.end(), '\n'),
              std::count(strSurowy.begin(), strSurowy.end(), '\r'));
}

} // namespace
