// The run driver end to end: the follow-up chain, several files in one run, failures that end
// one file, cancel, the refused run, pairs whose outputs would overwrite what the run reads,
// and the exact log.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "filtr/przebiegi.h"
#include "filtr/sprawdzenie.h"
#include "silnik_testowy.h"
#include "swde/platforma.h"

using namespace silnik_test;

namespace {

// Premises l1 go; the building's address relation then dangles, the building is left with no
// relation, address a1 is referred to by nothing, a2 by the person.
const std::string LANCUCH =
    "G5LKL:l1 / G5OSF:o1 WG,G5RADR,G5ADR,a2; / G5ADR:a1 / G5ADR:a2 / G5BUD:b1 WL,G5RADR,l1L;";
const std::string PLIK_LANCUCHA = Plik(LANCUCH);
const char* const PO_SLEPYCH = "G5OSF:o1 G5ADR:a1 G5ADR:a2 G5BUD:b1";

// Every combination of orphans and checksums leaves only the target and its log. Orphans alone
// start object filtering too: nothing is removed before the orphan pass.
TEST(Lancuch, KazdaKombinacjaSierotISumZostawiaTylkoCelILog) {
    const std::tuple<int, bool, const char*> przypadki[] = {
        {Bit(GrupaLokale), false, PO_SLEPYCH},
        {Bit(GrupaLokale), true, PO_SLEPYCH},
        {Bit(GrupaLokale) | Bit(GrupaSieroty), false, "G5OSF:o1 G5ADR:a2"},
        {Bit(GrupaLokale) | Bit(GrupaSieroty), true, "G5OSF:o1 G5ADR:a2"},
        {Bit(GrupaSieroty), false, "G5OSF:o1 G5ADR:a2 G5BUD:b1"},
    };
    for (const auto& [nMaska, bCRC, szZostaja] : przypadki) {
        SCOPED_TRACE(szZostaja + std::string(bCRC ? " CRC" : ""));
        CRun run(nMaska, bCRC);
        const std::string strCel = run.FiltrujJeden(LANCUCH);
        EXPECT_EQ(Naglowki(strCel), szZostaja);
        EXPECT_EQ(Zawiera(strCel, "l1L"), nMaska == Bit(GrupaSieroty));
        EXPECT_EQ(std::regex_search(strCel, std::regex("\nSXC,[0-9]+;\n[\\s\\S]*SWDEXC,[0-9]+;$")),
                  bCRC);
        EXPECT_EQ(run.katalog.Pliki(), (Lista{"obreb.swd", "obreb_wy.log", "obreb_wy.swd"}));
        const std::string strLog = run.Log("obreb_wy.log");
        EXPECT_EQ(Zawiera(strLog, T("Zakończono odfiltrowywanie obiektów sierot...")),
                  (nMaska & Bit(GrupaSieroty)) != 0);
        EXPECT_EQ(Zawiera(strLog, T("Zakończono obliczanie sum CRC...")), bCRC);
    }
}

// The log's target columns and the orphan pass's removals add up to what the target holds, as
// the check counts it, whatever the stages and the orphan pass drop.
TEST(Lancuch, TabelaLoguIUsunieteSierotyDajaZawartoscCelu) {
    const std::string strZrodlo = Czytaj(KELVOR_SRC_DIR "/examples/obreb_przykladowy.swd");
    for (const int nMaska : {Bit(GrupaBudynki) | Bit(GrupaSieroty), Bit(GrupaLokale) | Bit(GrupaSieroty),
                             Bit(GrupaSieroty), Bit(GrupaBudynki) | Bit(GrupaDzierzawa),
                             Bit(GrupaHistoryczne) | Bit(GrupaSieroty)}) {
        SCOPED_TRACE(nMaska);
        CRun run(nMaska);
        run.Dodaj("obreb", strZrodlo);
        ASSERT_TRUE(run.Filtruj());
        // Per type: current, historical.
        std::map<std::string, std::pair<long, long>> liczby;
        std::istringstream log(run.Log("obreb_wy.log"));
        bool bSieroty = false;
        std::size_t nWierszySierot = 0;
        for (std::string strWiersz; std::getline(log, strWiersz);) {
            bSieroty = bSieroty || Zawiera(strWiersz, T("Usunięto obiektów sierot: "));
            const std::size_t nSymbol = strWiersz.find(" G5");
            const std::size_t nTab = strWiersz.find(":\t");
            if (nSymbol == std::string::npos || nTab == std::string::npos)
                continue;
            std::istringstream pola(strWiersz.substr(nTab + 2));
            std::vector<long> an;
            for (long n; pola >> n;)
                an.push_back(n);
            auto& [nAkt, nHist] = liczby[strWiersz.substr(nSymbol + 1, nTab - nSymbol - 1)];
            if (bSieroty) {
                ASSERT_EQ(an.size(), 3u) << strWiersz;
                nAkt -= an[0];
                nHist -= an[1];
                ++nWierszySierot;
            } else {
                ASSERT_EQ(an.size(), 6u) << strWiersz;
                nAkt += an[3];
                nHist += an[4];
            }
        }
        EXPECT_EQ(bSieroty, (nMaska & Bit(GrupaSieroty)) != 0);
        CObserwatorTestowy obserwator;
        const CWynikSprawdzenia cel = SprawdzPlik(run.pary[0].m_strCel, obserwator);
        ASSERT_TRUE(cel.CzyPrzeczytany());
        std::map<std::string, std::pair<long, long>> wCelu;
        for (const CLiczbaObiektow& l : cel.m_obiekty)
            wCelu[l.m_strTyp] = {static_cast<long>(l.m_nAktualne), static_cast<long>(l.m_nHistoryczne)};
        std::erase_if(liczby, [](const auto& p) { return p.second == std::pair<long, long>{0, 0}; });
        EXPECT_EQ(liczby, wCelu);
        if (bSieroty)
            EXPECT_GT(nWierszySierot, 0u);
    }
}

// A missing section end line: the header section ends where "SP;" starts and the target keeps
// every line of SP; without SP's end line the file fails with error 1 instead of its types
// landing in SP. Two files joined fail too, and so does a file without its end line.
TEST(Lancuch, BrakKoncaSekcjiIDaneZaKoncemPliku) {
    const std::string strZrodlo = Czytaj(KELVOR_SRC_DIR "/examples/obreb_przykladowy.swd");
    auto bez = [&](const std::string& strPrzed) {
        std::string str = strZrodlo;
        return str.erase(str.find("SX;\r\n" + strPrzed), 5);
    };
    const std::string strKoniec = "SWDEX;";
    const std::tuple<const char*, std::string, int> przypadki[] = {
        {"SN", bez("SP;"), -1},
        {"SP", bez("ST;"), 1},
        {"ST", bez("SO;"), 1},
        {"two files", strZrodlo + "\r\n" + strZrodlo, 1},
        {"no file end", strZrodlo.substr(0, strZrodlo.rfind(strKoniec)), 9},
    };
    for (const auto& [szNazwa, strTresc, nBlad] : przypadki) {
        SCOPED_TRACE(szNazwa);
        CRun run(Bit(GrupaBudynki));
        run.Dodaj("obreb", strTresc);
        run.Filtruj();
        if (nBlad < 0) {
            EXPECT_EQ(run.silnik.LiczbaBledow(), 0);
            EXPECT_TRUE(Zawiera(run.Cel(), "SP;\nUW,PL-2000:S6;\nDK,0.10;\nSX;\nST;\n"));
            continue;
        }
        ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
        EXPECT_EQ(run.silnik.Bledy()[0].m_nNumer, nBlad) << run.silnik.Bledy()[0].m_strTekst;
        EXPECT_FALSE(std::filesystem::exists(run.pary[0].m_strCel));
    }
}

TEST(Plan, BezOpcjiOdmowa) {
    CRun run;
    run.Dodaj("obreb", PLIK_LANCUCHA);
    EXPECT_FALSE(run.Filtruj());
    EXPECT_EQ(run.silnik.Wynik(), EWynikFiltrowania::Odmowa);
    EXPECT_EQ(run.obserwator.wynik.m_strOdmowa, T("Nie wybrano żadnej opcji filtrowania."));
    EXPECT_EQ(run.obserwator.zdarzenia, Lista{"koniec"});
    EXPECT_EQ(run.katalog.Pliki(), Lista{"obreb.swd"});
}

TEST(Przerwanie, UsuwaCzesciowyWynikIKonczyRun) {
    // Groups, checksums, and the stage text at which cancel is requested.
    const std::tuple<int, bool, const char*> przypadki[] = {
        {0, true, "Filtrowanie obiektów (1/1)"}, // attributes only, straight to the target
        {Bit(GrupaLokale), false, "Filtrowanie typów"},
        {Bit(GrupaLokale) | Bit(GrupaBudynki), false, "Filtrowanie obiektów (1/4)"},
        {Bit(GrupaLokale) | Bit(GrupaBudynki), false, "Filtrowanie obiektów (3/4)"},
        {Bit(GrupaLokale), false, "Filtrowanie ślepych odwołań"},
        {Bit(GrupaLokale), true, "Filtrowanie ślepych odwołań"},
        {Bit(GrupaLokale) | Bit(GrupaSieroty), true, "Odfiltrowanie obiektów sierot"},
        {Bit(GrupaLokale) | Bit(GrupaSieroty), true, "Dodawanie sum kontrolnych CRC"},
    };
    for (const auto& [nMaska, bSumy, szEtap] : przypadki) {
        SCOPED_TRACE(std::string(szEtap) + (bSumy ? " CRC" : ""));
        CRun run(nMaska, bSumy);
        run.opcje.UstawMaske(12, 1);
        run.Dodaj("obreb", PLIK_LANCUCHA);
        run.Dodaj("drugi", PLIK_LANCUCHA);
        run.obserwator.przyEtapie = [&, strEtap = T(szEtap)](const std::string& t) {
            run.obserwator.bPrzerwij |= t == strEtap;
        };
        EXPECT_FALSE(run.Filtruj());
        EXPECT_EQ(run.silnik.Wynik(), EWynikFiltrowania::Przerwano);
        EXPECT_EQ(run.katalog.Pliki(), (Lista{"drugi.swd", "obreb.swd", "obreb_wy.log"}));
        EXPECT_EQ(Czytaj(run.pary[0].m_strZrodlo), PLIK_LANCUCHA);
        EXPECT_TRUE(std::regex_search(run.Log("obreb_wy.log"),
                                      std::regex("\n\n[-0-9: ]+Przerwano filtrowanie.\n$")));
        EXPECT_EQ(run.obserwator.zdarzenia, (Lista{"run 2", "plik 0", "koniec"}));
        EXPECT_EQ(run.obserwator.wynik.m_eWynik, EWynikFiltrowania::Przerwano);
    }
}

// Cancel is looked at before every record of the checksum pass too: asked while the first
// records are summed, the pass stops at once, not at the end of the object section.
TEST(Przerwanie, SumyCRCZatrzymujaSieWsrodRekordow) {
    std::string strRekordy;
    for (int i = 0; i < 3000; ++i)
        strRekordy += "G5DZE:" + std::to_string(i) + " D,G5NOS,D,1 / ";
    CRun run(Bit(GrupaLokale), true);
    run.Dodaj("obreb", Plik(strRekordy + "G5LKL:l"));
    bool bSumy = false;
    int nPoPrzerwaniu = 0;
    run.obserwator.przyEtapie = [&](const std::string& t) {
        bSumy = t == T("Dodawanie sum kontrolnych CRC");
    };
    run.obserwator.przyPostepie = [&](int n) {
        nPoPrzerwaniu += run.obserwator.bPrzerwij;
        run.obserwator.bPrzerwij |= bSumy && n > 0;
    };
    EXPECT_FALSE(run.Filtruj());
    EXPECT_EQ(run.silnik.Wynik(), EWynikFiltrowania::Przerwano);
    EXPECT_EQ(nPoPrzerwaniu, 0);
    EXPECT_EQ(run.katalog.Pliki(), (Lista{"obreb.swd", "obreb_wy.log"}));
}

// The checksum pass: its stage text, progress from 0 to the end, its own output given back
// unchanged, and the texts of its open failures (the input is read, the target written).
TEST(SumyCRC, PrzebiegPlikuIBledyOtwarcia) {
    CPrzebieg przebieg;
    const std::string strSumy = przebieg(PLIK_LANCUCHA, DodajSumyCRC);
    EXPECT_TRUE(std::regex_search(strSumy, std::regex("\nSO;\n[\\s\\S]*\nSXC,[0-9]+;\nSWDEXC,[0-9]+;$")));
    EXPECT_EQ(przebieg.obserwator.etapy, Lista{T(": Dodawanie sum kontrolnych CRC")});
    const std::vector<int>& postep = przebieg.obserwator.postep;
    EXPECT_TRUE(postep.size() > 2 && postep.front() == 0 && postep.back() == 1000 &&
                std::is_sorted(postep.begin(), postep.end()));
    EXPECT_EQ(przebieg(strSumy, DodajSumyCRC), strSumy);

    // A folder has the name of the target's working copy: the checksum pass cannot write it.
    CRun run(Bit(GrupaLokale), true);
    fs::create_directories(run.katalog("cel_KELVOR_WYNIK.swd"));
    run.Dodaj("obreb", PLIK_LANCUCHA, run.katalog("cel.swd"));
    // The orphan-less chain's temporary file cannot be opened by the checksum pass.
    run.Dodaj("drugi", PLIK_LANCUCHA);
    platforma::awarie::Ustaw({run.katalog("drugi_KELVOR_SLEPE_ODWOLANIA.swd"), UINT64_MAX, false,
                              false, true});
    const bool bRun = run.Filtruj();
    platforma::awarie::Wylacz();
    ASSERT_TRUE(bRun);
    ASSERT_EQ(run.silnik.LiczbaBledow(), 2);
    EXPECT_EQ(run.silnik.Bledy()[0].m_strTekst,
              T("Błąd nr 0: Błąd otwarcia pliku docelowego: ") + run.katalog("cel_KELVOR_WYNIK.swd"));
    EXPECT_EQ(run.silnik.Bledy()[1].m_strTekst,
              T("Błąd nr 0: Błąd otwarcia pliku źródłowego: ") +
                  run.katalog("drugi_KELVOR_SLEPE_ODWOLANIA.swd"));
    EXPECT_EQ(run.obserwator.nieOtwarte, (std::vector<int>{0, 1}));
}

// Pairs whose outputs would destroy other files are refused, a source that cannot be opened
// and a log that cannot be created fail their pair, and the rest go on, each file starting with
// empty lists and maps.
TEST(Run, OdrzuconeIBledneParyLiczoneResztaIdzieOdPustychListIMap) {
    CRun run(Bit(GrupaLokale));
    // 0 would write, then delete, obreb_KELVOR1.swd: the target of pair 1, which goes on.
    run.Dodaj("obreb", PLIK_LANCUCHA);
    run.Dodaj("drugi", PLIK_LANCUCHA, run.katalog("obreb_KELVOR1.swd"));
    run.Dodaj("trzeci", PLIK_LANCUCHA, run.katalog("./obreb.swd")); // source 0
    run.Dodaj("czwarty", PLIK_LANCUCHA, run.katalog("wynik.log"));  // its own log
    run.Dodaj("piaty", PLIK_LANCUCHA, run.katalog("brak/cel.swd")); // log cannot be created
    // Its target is its source, and its log would be the source of the next pair.
    run.Dodaj("szosty", PLIK_LANCUCHA, run.katalog("szosty.swd"));
    run.Dodaj("siodmy", PLIK_LANCUCHA);
    run.pary.back().m_strZrodlo = run.katalog("szosty.log");
    fs::rename(run.katalog("siodmy.swd"), run.katalog("szosty.log"));
    run.Dodaj("brak", "");
    run.Dodaj("lokal", Plik("G5JDR:78 D,G5TJR,D,3; / G5LKL:l"));
    run.Dodaj("udzial", Plik("G5UDZ:u WG,G5RW\xA3S,G5JDR,78;"));
    // Names without "." (one in the folder): a failing second stage leaves only the log.
    fs::create_directories(run.katalog("a.b"));
    run.Dodaj("a.b/obreb", "", run.katalog("a.b/wynik"));
    run.pary.back().m_strZrodlo = run.katalog("a.b/obreb");
    Zapisz(run.katalog("a.b/obreb"), Plik("G5UDZ:u D,G5RW\xA3S,,78;"));
    ASSERT_TRUE(run.Filtruj());
    std::vector<int> anPary;
    for (const CBladPliku& blad : run.silnik.Bledy())
        anPary.push_back(blad.m_nPara);
    ASSERT_EQ(anPary, (std::vector<int>{0, 2, 3, 4, 5, 7, 10}));
    EXPECT_EQ(run.silnik.Bledy()[3].m_strTekst,
              T("Błąd nr 0: Błąd otwarcia pliku docelowego: ") + run.katalog("brak/cel.log"));
    const std::string strBrak = T("Błąd nr 0: Błąd otwarcia pliku: ") + run.pary[7].m_strZrodlo;
    EXPECT_EQ(run.silnik.Bledy()[5].m_strTekst, strBrak);
    EXPECT_TRUE(Zawiera(run.Log("brak_wy.log"), T("Rozpoczęto filtrowanie pliku '") +
                                                    run.pary[7].m_strZrodlo + "'\n\n\t" + strBrak + "\n"));
    const std::string strOdmowa = run.silnik.Bledy()[1].m_strTekst;
    EXPECT_TRUE(Zawiera(strOdmowa, run.katalog("obreb.swd"))) << strOdmowa;
    const std::string strLog = run.Log("obreb.log"); // the refused pair's log
    EXPECT_TRUE(Zawiera(strLog, "\n\t" + strOdmowa + "\n"));
    EXPECT_FALSE(Zawiera(strLog, T("Rozpoczęto filtrowanie pliku")));
    EXPECT_EQ(Czytaj(run.pary[0].m_strZrodlo), PLIK_LANCUCHA);
    EXPECT_EQ(Czytaj(run.katalog("szosty.log")), PLIK_LANCUCHA);
    EXPECT_EQ(Naglowki(run.Cel(1)), PO_SLEPYCH);
    EXPECT_EQ(Naglowki(run.Cel(6)), PO_SLEPYCH);
    EXPECT_EQ(SekcjaSO(run.Cel(9)), SO("G5UDZ:u WG,G5RW\xA3S,G5JDR,78;"));
    const std::string strLogUdzialu = run.Log("udzial_wy.log");
    EXPECT_FALSE(Zawiera(strLogUdzialu, "G5LKL:") || Zawiera(strLogUdzialu, "G5JDR:"));
    EXPECT_TRUE(Zawiera(strLogUdzialu, "G5UDZ:\t1\t0\t1\t1\t0\t1"));
    // Every pair is reported, failed or not, in order: exactly the pairs given, whatever shows them.
    Lista zdarzenia = {"run 11"};
    for (int j = 0; j < 11; ++j) {
        const bool bBlad = std::find(anPary.begin(), anPary.end(), j) != anPary.end();
        zdarzenia.push_back("plik " + std::to_string(j));
        zdarzenia.push_back((bBlad ? "blad " : "gotowe ") + std::to_string(j));
    }
    zdarzenia.push_back("koniec");
    EXPECT_EQ(run.obserwator.zdarzenia, zdarzenia);
    EXPECT_EQ(run.obserwator.nieOtwarte, (std::vector<int>{4, 7})); // the log, the source
    EXPECT_TRUE(std::regex_match(TekstPodsumowania(run.obserwator.wynik.m_nCzas, 7),
                                 std::regex(T("Filtrowanie zakończone.\nCzas filtrowania: [0-9]+"
                                              ":[0-9]{2}:[0-9]{2}:[0-9]{2}\nIlość błędów filtrowania: 7"))));
    EXPECT_EQ(run.katalog.Pliki(),
              (Lista{"a.b/obreb",     "a.b/wynik.log", "brak_wy.log",       "czwarty.swd",
                     "drugi.swd",     "lokal.swd",     "lokal_wy.log",      "lokal_wy.swd",
                     "obreb.log",     "obreb.swd",     "obreb_KELVOR1.log", "obreb_KELVOR1.swd",
                     "obreb_wy.log",  "piaty.swd",     "siodmy_wy.log",     "siodmy_wy.swd",
                     "szosty.log",    "szosty.swd",    "trzeci.swd",        "udzial.swd",
                     "udzial_wy.log", "udzial_wy.swd"}));
}

// The whole log of a run, time stamps and the duration replaced.
TEST(Log, CalyLogPliku) {
    CRun run(Bit(GrupaLokale), true);
    run.opcje.m_bZmienione = false;
    run.opcje.m_strPlikKonfiguracji = "C:\\konf\\KELVOR.cfg";
    run.opcje.UstawMaske(12, 0b10);    // G5DZE: G5NOS
    run.opcje.UstawMaske(14, 1 << 11); // G5BUD: G5RPWŁ
    run.Dodaj("obreb", Plik("G5LKL:l / G5O_DZE:a / G5DZE:b / RO,1,G5G_DZE,c,c,12; / G5ADR:d / "
                            "RO,1,G5OSF,e,e,02;"));
    ASSERT_TRUE(run.Filtruj());
    std::string strLog = kodowanie::Cp1250DoUtf8(run.Log("obreb_wy.log"));
    for (const auto& [strCo, szNa] : {std::pair{run.pary[0].m_strZrodlo, "<Z>"}, {run.pary[0].m_strCel, "<C>"}})
        for (std::size_t n; (n = strLog.find(strCo)) != std::string::npos;)
            strLog.replace(n, strCo.size(), szNa);
    for (const auto& [szWzor, szNa] :
         {std::pair{"\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ", "@ "},
          {"filtrowania: \\d+:\\d\\d:\\d\\d:\\d\\d", "filtrowania: D"}})
        strLog = std::regex_replace(strLog, std::regex(szWzor), szNa);
    // The attribute block: 25 type lines, the two ticked symbols marked where they stand.
    const std::size_t nAtrybuty = strLog.find("Filtrowane atrybuty:\n") + 21;
    const std::size_t nKoniec = strLog.find("\n\n", nAtrybuty);
    const std::string strAtrybuty = strLog.substr(nAtrybuty, nKoniec + 1 - nAtrybuty);
    strLog.replace(nAtrybuty, nKoniec + 1 - nAtrybuty, "<atrybuty>\n");
    EXPECT_EQ(std::count(strAtrybuty.begin(), strAtrybuty.end(), '\n'), 25);
    EXPECT_EQ(strAtrybuty.find("(T)"), strAtrybuty.find("G5NOS(T)") + 5);
    EXPECT_EQ(strAtrybuty.find("(T)", strAtrybuty.find("G5RPWL(T)") + 7), std::string::npos);
    EXPECT_TRUE(strAtrybuty.starts_with("G5JEW(jednostka ewidencyjna): G5PEW(N), G5DTW(N)"));
    EXPECT_TRUE(strAtrybuty.ends_with("\nG5PDZ(przedmiot dzierżawy): G5DTW(N), G5DTU(N)\n"));
    EXPECT_TRUE(Zawiera(strAtrybuty, "\nG5BUD(budynek): G5WRT(N), G5DWR(N), G5RBB(N), G5LKP(N), "
                                     "G5LKN(N), G5PEW(N), G5PEU(N), G5RZN(N), G5SCN(N), G5DTW(N), "
                                     "G5DTU(N), G5RPWL(T), G5RPWD(N), G5RKRG(N), G5RDOK(N)\n"));
    EXPECT_EQ(
        strLog,
        "@ Rozpoczęcie filtrowania zgodnego z plikiem konfiguracyjnym: 'C:\\konf\\KELVOR.cfg'\n"
        "\nFiltrowane obiekty:\nDane dotyczące lokali (T)\nDane dotyczące budynków (N)\n"
        "Dane dotyczące władania (N)\nDane dotyczące dzierżawy (N)\nDane historyczne (N)\n"
        "Dane graficzne (N)\nDane typów niestandardowych (N)\n"
        "Dane dotyczące rejonów statystycznych (N)\nDane dotyczące użytków gruntowych (N)\n"
        "Dane dotyczące konturów klasyfikacyjnych (N)\nSieroty (N)\n"
        "\nFiltrowane atrybuty:\n<atrybuty>\n\n@ Rozpoczęto filtrowanie pliku '<Z>'\n"
        "\n@ Rozpoczęto etap 1 z 2 filtrowania pliku...\n"
        "@ Zakończono etap 1 z 2 filtrowania pliku\n"
        "\n@ Rozpoczęto etap 2 z 2 filtrowania pliku...\n"
        "@ Zakończono etap 2 z 2 filtrowania pliku\n"
        "\n@ Liczba obiektów\n@ \t\tPlik źródłowy\t\tPlik docelowy\n"
        "@ Symbol\tAkt.\tHist.\tRazem\tAkt.\tHist.\tRazem\n@ G5ADR:\t1\t0\t1\t1\t0\t1\n"
        "@ G5DZE:\t2\t1\t3\t2\t1\t3\n@ G5LKL:\t1\t0\t1\t0\t0\t0\n"
        "\n@ Rozpoczęto odfiltrowywanie ślepych odwołań...\n"
        "@ Zakończono odfiltrowywanie ślepych odwołań.\n"
        "\n@ Rozpoczęto obliczanie sum CRC...\n@ Zakończono obliczanie sum CRC...\n"
        "\n@ Zakończono filtrowanie pliku '<Z>'\n@ Utworzono wynikowy plik '<C>'\n"
        "\t\t\tCzas trwania filtrowania: D\n");
    const std::string strSurowy = Czytaj(run.katalog("obreb_wy.log"));
    EXPECT_EQ(std::count(strSurowy.begin(), strSurowy.end(), '\n'),
              std::count(strSurowy.begin(), strSurowy.end(), '\r'));
}

} // namespace
