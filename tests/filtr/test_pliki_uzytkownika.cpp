// Files a run does not own: links and hard links under the names it writes, an earlier target
// of a file that fails, names too long for the file system, a source another run is filtering,
// the configuration file of the run; and file-system faults injected through the platform
// layer, each of which must end only its own file and leave nothing but its log.
#include <gtest/gtest.h>

#include <functional>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "silnik_testowy.h"
#include "swde/platforma.h"

using namespace silnik_test;

namespace {

const std::string ZRODLO =
    Plik("G5LKL:l1 / G5OSF:o1 WG,G5RADR,G5ADR,a2; / G5ADR:a1 / G5ADR:a2 / G5BUD:b1 WL,G5RADR,l1L;");
const char* const ZOSTAJA = "G5OSF:o1 G5ADR:a2";
const std::string WCZESNIEJSZY = "wcześniejszy wynik\r\n";
const int LOKALE_SIEROTY = Bit(GrupaLokale) | Bit(GrupaSieroty);

// A link named strNazwa to strDo; false where the system refuses (Windows without the right).
bool Dowiazanie(const std::string& strDo, const std::string& strNazwa, bool bTwarde) {
    std::error_code blad;
    if (bTwarde)
        fs::create_hard_link(strDo, strNazwa, blad);
    else
        fs::create_symlink(strDo, strNazwa, blad);
    return !blad;
}

TEST(PlikiUzytkownika, NazwyZapisywaneSaZastepowaneNigdyZapisywanePrzezDowiazanie) {
    // The name a link is put under, and whether it is a hard link.
    const std::pair<const char*, bool> przypadki[] = {
        {"obreb_KELVOR1.swd", false},         {"obreb_KELVOR1.swd", true},
        {"obreb_KELVOR_SLEPE_ODWOLANIA.swd", true}, {"obreb_KELVOR_SIEROTY.swd", false},
        {"obreb_wy.log", false},              {"obreb_wy.log", true},
        {"obreb_wy.swd", false},              {"obreb_wy.swd", true},
        {"obreb_wy_KELVOR_WYNIK.swd", false},
    };
    for (const auto& [szNazwa, bTwarde] : przypadki) {
        SCOPED_TRACE(std::string(szNazwa) + (bTwarde ? " hard" : " symbolic"));
        CRun run(LOKALE_SIEROTY, true);
        run.Dodaj("obreb", ZRODLO);
        fs::create_directories(run.katalog("obcy"));
        Zapisz(run.katalog("obcy/h.txt"), "cudze dane\n");
        if (!Dowiazanie(run.katalog("obcy/h.txt"), run.katalog(szNazwa), bTwarde))
            continue;
        ASSERT_TRUE(run.Filtruj());
        EXPECT_EQ(run.silnik.LiczbaBledow(), 0);
        EXPECT_EQ(Czytaj(run.katalog("obcy/h.txt")), "cudze dane\n");
        EXPECT_EQ(Naglowki(run.Cel()), ZOSTAJA);
        EXPECT_EQ(run.katalog.Pliki(),
                  (Lista{"obcy/h.txt", "obreb.swd", "obreb_wy.log", "obreb_wy.swd"}));
        for (const char* szWynik : {"obreb_wy.log", "obreb_wy.swd"})
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(run.katalog(szWynik))));
    }
}

// A file that fails after its target was begun leaves an earlier target as it was, its log
// without "Utworzono wynikowy plik", and nothing else.
TEST(PlikiUzytkownika, NieudanyPlikZostawiaWczesniejszyCelIJedynieLog) {
    const std::size_t nKoniecSO = ZRODLO.find("SX;\nSWDEX");
    const std::pair<std::string, std::string> przypadki[] = {
        {ZRODLO.substr(0, ZRODLO.size() - 40), T("Błąd nr 9: ")},
        {ZRODLO.substr(0, nKoniecSO) + "SX;\nSO;\n" + SO("G5DZE:d") + ZRODLO.substr(nKoniecSO),
         T("Błąd nr 1: Nieprawidłowy format pliku! (Linia w pliku nr: ")},
    };
    for (const auto& [strZrodlo, strBlad] : przypadki) {
        for (bool bSumy : {false, true}) {
            SCOPED_TRACE(strBlad + (bSumy ? " CRC" : ""));
            CRun run(bSumy ? LOKALE_SIEROTY : Bit(GrupaLokale), bSumy);
            run.Dodaj("obreb", strZrodlo);
            Zapisz(run.katalog("obreb_wy.swd"), WCZESNIEJSZY);
            ASSERT_TRUE(run.Filtruj());
            ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
            EXPECT_TRUE(run.silnik.Bledy()[0].m_strTekst.starts_with(strBlad))
                << run.silnik.Bledy()[0].m_strTekst;
            EXPECT_EQ(Czytaj(run.katalog("obreb_wy.swd")), WCZESNIEJSZY);
            EXPECT_FALSE(Zawiera(run.Log("obreb_wy.log"), "Utworzono"));
            EXPECT_EQ(run.katalog.Pliki(), (Lista{"obreb.swd", "obreb_wy.log", "obreb_wy.swd"}));
        }
    }
}

// Refusals before anything is written: a temporary name longer than the file system allows,
// a source another run holds, and outputs that would overwrite the run's configuration file.
TEST(PlikiUzytkownika, OdmowyZanimCokolwiekZostanieZapisane) {
    CRun run(Bit(GrupaLokale), true);
    const std::string strDluga(234, 'd');
    run.Dodaj(strDluga, ZRODLO, run.katalog("dlugi_wy.swd"));
    if (!fs::exists(run.pary.back().m_strZrodlo)) // Windows: the path itself is too long
        run.pary.pop_back();
    run.Dodaj("zajety", ZRODLO);
    Zapisz(run.katalog("zajety_wy.log"), "log pierwszego runu\r\n");
    Zapisz(run.katalog("zajety_KELVOR1.swd"), "w toku\r\n");
    platforma::CBlokadaPliku blokada;
    ASSERT_EQ(blokada.Zablokuj(run.pary.back().m_strZrodlo),
              platforma::CBlokadaPliku::EWynik::Zablokowano);
    run.Dodaj("konfiguracja", ZRODLO);
    run.opcje.m_strPlikKonfiguracji = run.katalog("konfiguracja_wy.log");
    Zapisz(run.opcje.m_strPlikKonfiguracji, "Obiekty 1\r\n");
    const Lista astrPrzed = run.katalog.Pliki();

    ASSERT_TRUE(run.Filtruj());
    Lista astrBledy;
    for (const CBladPliku& blad : run.silnik.Bledy())
        astrBledy.push_back(blad.m_strTekst);
    Lista astrOczekiwane = {T("Plik nie został przetworzony: plik '") + run.katalog("zajety.swd") +
                                T("' jest właśnie filtrowany przez inny proces."),
                            T("Plik nie został przetworzony: plik '") +
                                run.katalog("konfiguracja_wy.log") +
                                T("', który filtrowanie by zapisało, jest plikiem '") +
                                run.katalog("konfiguracja_wy.log") + "'."};
    if (run.pary.size() == 3) {
        // The first name over the limit: the longest temporary name, or on Windows, where the
        // whole path counts, the first.
        ASSERT_FALSE(astrBledy.empty());
        const std::string strNazwa = astrBledy[0].substr(
            astrBledy[0].find('\'') + 1, astrBledy[0].rfind('\'') - astrBledy[0].find('\'') - 1);
        EXPECT_TRUE(strNazwa == run.katalog(strDluga + "_KELVOR_SLEPE_ODWOLANIA.swd") ||
                    (platforma::Separator() == '\\' && strNazwa == run.katalog(strDluga + "_KELVOR1.swd")))
            << strNazwa;
        astrOczekiwane.insert(astrOczekiwane.begin(),
                              T("Plik nie został przetworzony: nazwa pliku '") + strNazwa +
                                  T("' jest dłuższa, niż pozwala system plików."));
        // Its log has a usable name and takes the refusal.
        EXPECT_TRUE(Zawiera(run.Log("dlugi_wy.log"), astrOczekiwane[0]));
    }
    EXPECT_EQ(astrBledy, astrOczekiwane);
    Lista astrPo = astrPrzed;
    if (run.pary.size() == 3)
        astrPo.push_back("dlugi_wy.log");
    std::sort(astrPo.begin(), astrPo.end());
    EXPECT_EQ(run.katalog.Pliki(), astrPo);
    EXPECT_EQ(Czytaj(run.katalog("zajety_wy.log")), "log pierwszego runu\r\n");
    EXPECT_EQ(Czytaj(run.katalog("zajety_KELVOR1.swd")), "w toku\r\n");
    EXPECT_EQ(Czytaj(run.opcje.m_strPlikKonfiguracji), "Obiekty 1\r\n");

    // Once the other run is over, the source is filtered.
    blokada.Zwolnij();
    run.pary = {run.pary[run.pary.size() - 2]};
    ASSERT_TRUE(run.Filtruj());
    EXPECT_EQ(run.silnik.LiczbaBledow(), 0);
    EXPECT_EQ(Naglowki(run.Cel()), "G5OSF:o1 G5ADR:a1 G5ADR:a2 G5BUD:b1");
}

#ifndef _WIN32
// A FIFO under a name the run reads or writes is neither read (it would stop the run) nor
// replaced by a file; its pair fails and the other pair is filtered.
TEST(PlikiUzytkownika, KolejkaPodNazwaNieJestCzytanaAniZastepowana) {
    const std::pair<const char*, std::string> przypadki[] = {
        {"obreb.swd", T("Błąd nr 0: Błąd otwarcia pliku: ")},
        {"obreb_wy.swd", T("Plik nie został przetworzony: '")},
        {"obreb_wy.log", T("Plik nie został przetworzony: '")},
        {"obreb_KELVOR1.swd", T("Plik nie został przetworzony: '")},
    };
    for (const auto& [szNazwa, strBlad] : przypadki) {
        SCOPED_TRACE(szNazwa);
        CRun run(LOKALE_SIEROTY, true);
        run.Dodaj("obreb", ZRODLO);
        run.Dodaj("drugi", ZRODLO);
        fs::remove(run.katalog(szNazwa));
        ASSERT_EQ(mkfifo(run.katalog(szNazwa).c_str(), 0600), 0);
        ASSERT_TRUE(run.Filtruj());
        ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
        EXPECT_TRUE(run.silnik.Bledy()[0].m_strTekst.starts_with(strBlad + run.katalog(szNazwa)))
            << run.silnik.Bledy()[0].m_strTekst;
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(run.katalog(szNazwa))));
        EXPECT_EQ(Naglowki(run.Cel(1)), ZOSTAJA);
    }
}

// Every file a run writes holds the source's data: none is readable by more users than the
// source, whatever the umask allows.
TEST(PlikiUzytkownika, WynikiNieCzytelniejszeNizZrodlo) {
    const mode_t nMaska = umask(022);
    for (const fs::perms eZrodlo : {fs::perms(0600), fs::perms(0640), fs::perms(0644), fs::perms(0400)}) {
        SCOPED_TRACE(static_cast<int>(eZrodlo));
        CRun run(LOKALE_SIEROTY, true);
        run.Dodaj("obreb", ZRODLO);
        fs::permissions(run.pary[0].m_strZrodlo, eZrodlo);
        ASSERT_TRUE(run.Filtruj());
        ASSERT_EQ(run.silnik.LiczbaBledow(), 0);
        const fs::perms eOczekiwane = (eZrodlo | fs::perms(0600)) & fs::perms(0644);
        for (const char* szWynik : {"obreb_wy.swd", "obreb_wy.log"})
            EXPECT_EQ(fs::status(run.katalog(szWynik)).permissions(), eOczekiwane) << szWynik;
    }
    umask(nMaska);
}
#endif

// Faults of the file system, one per case, in the first of two files. Each ends its file with
// the documented text, counted once; the second file is filtered; the source is untouched, an
// earlier target intact, and nothing but the log is left.
TEST(Awarie, KazdaAwariaKonczyTylkoSwojPlikINieZostawiaNiczegoPozaLogiem) {
    using platforma::awarie::CAwaria;
    const std::string strDostep = T("Wystąpił błąd związany z dostępem do pliku.");
    const std::string strOtwarcie = T("Błąd nr 0: Błąd otwarcia pliku: ");
    const std::string strOtwarcieLogu = T("Błąd nr 0: Błąd otwarcia pliku docelowego: ");
    struct CPrzypadek {
        const char* szNazwa;
        CAwaria awaria;       // fragment relative to the test folder
        std::string strTekst; // the text the log and the result end with; "+" is the path
        const char* szPlik;   // the file named in the text, or beside it
    };
    const CPrzypadek przypadki[] = {
        {"disk full, temporary file", {"a/obreb_KELVOR1", 100}, strDostep, "a/obreb_KELVOR1.swd"},
        {"disk full, target", {"b/obreb_wy_KELVOR_WYNIK", 100}, strDostep,
         "b/obreb_wy_KELVOR_WYNIK.swd"},
        {"failing read", {"a/obreb.swd", UINT64_MAX, true}, strDostep, "a/obreb.swd"},
        {"temporary file not created", {"a/obreb_KELVOR_SIEROTY", UINT64_MAX, false, true},
         strOtwarcie + "+", "a/obreb_KELVOR_SIEROTY.swd"},
        {"read-only source folder", {"a/", UINT64_MAX, false, true}, strOtwarcie + "+",
         "a/obreb_KELVOR1.swd"},
        {"read-only target folder", {"b/", UINT64_MAX, false, true}, strOtwarcieLogu + "+",
         "b/obreb_wy.log"},
        {"source vanished", {}, strOtwarcie + "+", "a/obreb.swd"},
        // Left behind, a temporary file is a full copy of the source's personal data.
        {"temporary file not deleted", {"a/obreb_KELVOR1", UINT64_MAX, false, false, false, true},
         T("Nie udało się usunąć pliku tymczasowego '+'. Zawiera on pełną kopię danych pliku "
           "źródłowego: usuń go ręcznie."),
         "a/obreb_KELVOR1.swd"},
        // nZapisDo is set below to fail the log's closing lines, once the target is complete.
        {"log full at its end", {"b/obreb_wy.log", 0}, strDostep, "b/obreb_wy.log"},
    };
    for (const CPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.szNazwa);
        CRun run(LOKALE_SIEROTY, true);
        fs::create_directories(run.katalog("a"));
        fs::create_directories(run.katalog("b"));
        run.Dodaj("a/obreb", ZRODLO, run.katalog("b/obreb_wy.swd"));
        run.Dodaj("drugi", ZRODLO);
        Zapisz(run.katalog("b/obreb_wy.swd"), WCZESNIEJSZY);
        CAwaria awaria = p.awaria;
        if (awaria.nZapisDo == 0) {
            CRun wzor(LOKALE_SIEROTY, true);
            wzor.Dodaj("obreb", ZRODLO);
            ASSERT_TRUE(wzor.Filtruj());
            awaria.nZapisDo = fs::file_size(wzor.katalog("obreb_wy.log")) - 30;
        }
        if (!awaria.strFragment.empty())
            awaria.strFragment = run.katalog(awaria.strFragment);
        else
            fs::remove(run.katalog("a/obreb.swd"));
        platforma::awarie::Ustaw(awaria);
        const bool bRun = run.Filtruj();
        platforma::awarie::Wylacz();

        ASSERT_TRUE(bRun);
        ASSERT_EQ(run.silnik.LiczbaBledow(), 1);
        const CBladPliku& blad = run.silnik.Bledy()[0];
        const std::string strPlik = run.katalog(p.szPlik);
        const std::size_t nSciezka = p.strTekst.find('+');
        const bool bZSciezka = nSciezka != std::string::npos;
        const std::string strTekst =
            bZSciezka ? std::string(p.strTekst).replace(nSciezka, 1, strPlik) : p.strTekst;
        EXPECT_EQ(blad.m_nPara, 0);
        EXPECT_EQ(blad.m_strTekst, strTekst);
        if (!bZSciezka) {
            EXPECT_TRUE(blad.m_strSzczegoly.starts_with("Plik '" + strPlik + "': "))
                << blad.m_strSzczegoly;
        }
        Lista astrZostaja = {"b/obreb_wy.swd", "drugi.swd", "drugi_wy.log", "drugi_wy.swd"};
        if (fs::exists(run.katalog("a/obreb.swd"))) {
            EXPECT_EQ(Czytaj(run.katalog("a/obreb.swd")), ZRODLO);
            astrZostaja.insert(astrZostaja.begin(), "a/obreb.swd");
        }
        if (fs::exists(run.katalog("b/obreb_wy.log"))) {
            // A full log takes no more lines; the target then keeps its earlier content.
            const std::string strLog = run.Log("b/obreb_wy.log");
            EXPECT_EQ(Zawiera(strLog, "\n\t" + strTekst + "\n"), strPlik != run.katalog("b/obreb_wy.log"));
            astrZostaja.push_back("b/obreb_wy.log");
        }
        if (p.awaria.bUsuwanie)
            astrZostaja.push_back(p.szPlik);
        std::sort(astrZostaja.begin(), astrZostaja.end());
        EXPECT_EQ(p.awaria.bTworzenie && std::string(p.szPlik) == "b/obreb_wy.log",
                  !fs::exists(run.katalog("b/obreb_wy.log")));
        EXPECT_EQ(Czytaj(run.katalog("b/obreb_wy.swd")), WCZESNIEJSZY);
        EXPECT_EQ(Naglowki(run.Cel(1)), ZOSTAJA);
        EXPECT_EQ(run.katalog.Pliki(), astrZostaja);
    }
}

} // namespace
