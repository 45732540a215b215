// kelvor-cli: filters SWDE files from the command line with the same engine, options file and
// logs as the desktop window, and checks SWDE files without changing them.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "argumenty.h"
#include "filtr/cele.h"
#include "filtr/porownanie.h"
#include "filtr/raport_porownania.h"
#include "filtr/silnik.h"
#include "filtr/sprawdzenie.h"
#include "json_porownania.h"
#include "konsola.h"
#include "opcje/konfiguracja.h"
#include "opcje/opcje.h"
#include "raport_sprawdzenia.h"
#include "swde/bledy.h"
#include "swde/kodowanie.h"
#include "swde/naglowek.h"
#include "swde/platforma.h"
#include "terminal.h"
#include "wybor.h"

#ifndef KELVOR_WERSJA
#define KELVOR_WERSJA "0"
#endif

namespace {

constexpr int WYJSCIE_BLEDY_PLIKOW = 1;
constexpr int WYJSCIE_UZYCIE = 2;
constexpr int WYJSCIE_PRZERWANO = 130;
constexpr int WYJSCIE_SYGNAL = 128; // + the number of the signal that ended the run

void BladUzycia(const std::string& strBladUtf8) {
    std::cerr << "kelvor-cli: " << strBladUtf8 << "\nWięcej informacji: kelvor-cli --help\n";
}

// A path given by the user (UTF-8) as the engine's full code page 1250 path; false when it has
// characters that code page 1250 cannot carry (the file could then never be found).
bool SciezkaSilnika(const std::string& strUtf8, std::string& strCp1250) {
    std::filesystem::path sciezka(std::u8string(strUtf8.begin(), strUtf8.end()));
    std::error_code blad;
    const std::filesystem::path pelna = std::filesystem::absolute(sciezka, blad);
    if (!blad)
        sciezka = pelna.lexically_normal();
    const std::u8string strPelna = sciezka.u8string();
    const std::string strPelnaUtf8(strPelna.begin(), strPelna.end());
    strCp1250 = kodowanie::Utf8DoCp1250(strPelnaUtf8);
    if (kodowanie::Cp1250DoUtf8(strCp1250) == strPelnaUtf8)
        return true;
    BladUzycia("ścieżki '" + strUtf8 + "' nie da się zapisać w stronie kodowej 1250");
    return false;
}

// The base the command line's choice is ticked on.
bool WczytajKonfiguracjeBazowa(const CArgumenty& argumenty, COpcjeFiltrowania& opcje) {
    std::string strSciezka;
    if (argumenty.m_strKonfiguracja.empty()) {
        strSciezka = MiejsceKonfiguracji().m_strOdczyt;
        if (argumenty.CzyWybranoFiltry() || !platforma::Istnieje(strSciezka))
            return true;
    } else if (!SciezkaSilnika(argumenty.m_strKonfiguracja, strSciezka)) {
        return false;
    }
    switch (WczytajKonfiguracje(opcje, strSciezka)) {
    case EWynikKonfiguracji::Wykonano:
        opcje.m_strPlikKonfiguracji = strSciezka;
        opcje.m_bZmienione = false;
        return true;
    case EWynikKonfiguracji::ZlyFormat:
        Wypisz(TekstWyniku(EWynikKonfiguracji::ZlyFormat) + ": " + strSciezka, true);
        return false;
    default:
        std::cerr << "kelvor-cli: nie można odczytać pliku konfiguracji "
                  << kodowanie::Cp1250DoUtf8(strSciezka) << '\n';
        return false;
    }
}

// The options: from -c, else (when no filter is chosen on the command line) from the default
// file beside the program when it exists, else the defaults; then the choice of the command
// line on top.
bool WczytajUstawienia(const CArgumenty& argumenty, COpcjeFiltrowania& opcje) {
    if (!WczytajKonfiguracjeBazowa(argumenty, opcje))
        return false;
    std::string strBlad;
    if (!ZastosujWybor(argumenty, opcje, strBlad)) {
        BladUzycia(strBlad);
        return false;
    }
    return true;
}

// Reads the source header into the pair; the error text (code page 1250) when it fails.
std::string CzytajNaglowekPary(CParaPlikow& para, const CData& dataCelu) {
    try {
        CzytajNaglowek(para, dataCelu);
    } catch (const CSWDEException& blad) {
        return TekstBleduNaglowka(blad, para.m_strZrodlo);
    } catch (...) {
        return TekstBiezacegoBledu();
    }
    return {};
}

struct CPliki {
    std::vector<std::string> m_astrZrodla; // every source given, full code page 1250 paths
    std::vector<CParaPlikow> m_pary;
    std::vector<std::size_t> m_anZrodla;              // pair -> position on the command line
    std::map<std::size_t, std::string> m_bledyZrodel; // position -> error text (code page 1250)
};

bool UstalCel(const CArgumenty& argumenty, CParaPlikow& para) {
    if (!argumenty.m_strWyjscie.empty())
        return SciezkaSilnika(argumenty.m_strWyjscie, para.m_strCel);
    para.m_strCel = NazwaCelu(para.m_strZrodlo);
    if (argumenty.m_strKatalog.empty())
        return true;
    std::string strKatalog;
    if (!SciezkaSilnika(argumenty.m_strKatalog, strKatalog))
        return false;
    para.m_strCel = CelWKatalogu(strKatalog, para.m_strCel);
    return true;
}

void UstawNaglowekCelu(const CArgumenty& argumenty, CParaPlikow& para) {
    if (argumenty.m_bData)
        para.m_docelowe[PoleDN] = TekstDaty(argumenty.m_data);
    for (const auto& [ePole, strWartosc] : argumenty.m_naglowki)
        para.m_docelowe[ePole] = kodowanie::Utf8DoCp1250(strWartosc);
}

// The file pairs with their headers read; a source whose header cannot be read is left out
// and remembered with its error. False on a path the engine cannot use.
bool ZbudujPary(const CArgumenty& argumenty, CPliki& pliki) {
    CData dataCelu = argumenty.m_data;
    if (!argumenty.m_bData)
        platforma::DzisiejszaData(dataCelu.nRok, dataCelu.nMiesiac, dataCelu.nDzien);
    for (std::size_t i = 0; i < argumenty.m_astrZrodla.size(); ++i) {
        CParaPlikow para;
        if (!SciezkaSilnika(argumenty.m_astrZrodla[i], para.m_strZrodlo) ||
            !UstalCel(argumenty, para))
            return false;
        pliki.m_astrZrodla.push_back(para.m_strZrodlo);
        const std::string strBlad = CzytajNaglowekPary(para, dataCelu);
        if (!strBlad.empty()) {
            pliki.m_bledyZrodel[i] = strBlad;
            continue;
        }
        UstawNaglowekCelu(argumenty, para);
        pliki.m_pary.push_back(para);
        pliki.m_anZrodla.push_back(i);
    }
    return true;
}

// Files that exist are replaced with -y, or after a Yes to strPytanie on the terminal; without
// one the run stops with strTekst and szRada, which tells how -y replaces them.
bool ZgodaNaZastapienie(bool bTak, CKonsola& konsola, const std::string& strPytanie,
                        const std::string& strTekst, const char* szRada) {
    if (bTak)
        return true;
    if (konsola.CzyInteraktywna())
        return konsola.Zapytaj(strPytanie);
    Wypisz(strTekst, true);
    std::cerr << szRada << '\n';
    return false;
}

// The target check: missing folders and shared targets stop the run; existing targets are
// replaced with -y or after a Yes on the terminal.
bool SprawdzCele(const std::vector<CParaPlikow>& pary, bool bTak, CKonsola& konsola) {
    const CSprawdzenieCelow wynik = SprawdzPlikiDocelowe(pary);
    if (!wynik.m_astrBledneFoldery.empty()) {
        Wypisz(TekstBlednychFolderow(wynik.m_astrBledneFoldery), true);
        return false;
    }
    if (!wynik.m_astrPowtorzone.empty()) {
        Wypisz(TekstPowtorzonych(wynik.m_astrPowtorzone), true);
        return false;
    }
    return wynik.m_astrIstniejace.empty() ||
           ZgodaNaZastapienie(bTak, konsola, PytanieOIstniejace(wynik.m_astrIstniejace),
                              TekstIstniejacych(wynik.m_astrIstniejace),
                              "Aby je zastąpić, użyj opcji -y (--yes).");
}

// The summary, then one line per failed file: the sources skipped before the run and the pairs
// the engine counted as failed, in command-line order; a failed file access names the file and
// the system's reason.
void WypiszPodsumowanie(const CPliki& pliki, const std::vector<CBladPliku>& bledySilnika,
                        std::int64_t nCzas) {
    std::map<std::size_t, std::string> bledy = pliki.m_bledyZrodel;
    for (const CBladPliku& blad : bledySilnika) {
        const std::size_t nPara = static_cast<std::size_t>(blad.m_nPara);
        if (nPara < pliki.m_anZrodla.size())
            bledy[pliki.m_anZrodla[nPara]] =
                blad.m_strTekst + (blad.m_strSzczegoly.empty() ? "" : " " + blad.m_strSzczegoly);
    }
    Wypisz(TekstPodsumowania(nCzas, bledy.size()), false);
    for (const auto& [nZrodlo, strTekst] : bledy)
        Wypisz(pliki.m_astrZrodla[nZrodlo] + ": " + strTekst, true);
}

// The run of several engines taken together: cancelled when one was, the failed pairs of all
// in pair order, the longest time.
CWynikRunu Polacz(const std::vector<std::unique_ptr<CSilnikFiltrowania>>& silniki) {
    CWynikRunu wynik = silniki.front()->WynikRunu();
    wynik.m_bledy.clear();
    for (const auto& pSilnik : silniki) {
        const CWynikRunu& w = pSilnik->WynikRunu();
        if (w.m_eWynik == EWynikFiltrowania::Przerwano)
            wynik.m_eWynik = w.m_eWynik;
        wynik.m_bledy.insert(wynik.m_bledy.end(), w.m_bledy.begin(), w.m_bledy.end());
        wynik.m_nCzas = std::max(wynik.m_nCzas, w.m_nCzas);
    }
    std::stable_sort(wynik.m_bledy.begin(), wynik.m_bledy.end(),
                     [](const CBladPliku& a, const CBladPliku& b) { return a.m_nPara < b.m_nPara; });
    return wynik;
}

// Filters the pairs, up to nZadania of them at once, each engine on a thread of its own taking
// the next pair from one queue; Ctrl+C is counted as the cancel request of all. The exit status.
int Filtruj(const CPliki& pliki, const COpcjeFiltrowania& opcje, CKonsola& konsola,
            std::size_t nSilniki) {
    CKolejkaPar kolejka(pliki.m_pary.size());
    konsola.UstawKolejke(&kolejka);
    konsola.UstawSilniki(static_cast<int>(nSilniki));
    std::vector<std::unique_ptr<CObserwatorKonsoli>> obserwatory;
    std::vector<std::unique_ptr<CSilnikFiltrowania>> silniki;
    for (std::size_t n = 0; n < nSilniki; ++n) {
        obserwatory.push_back(std::make_unique<CObserwatorKonsoli>(konsola, static_cast<int>(n)));
        silniki.push_back(std::make_unique<CSilnikFiltrowania>(*obserwatory.back()));
    }
    std::vector<std::exception_ptr> bledy(nSilniki);
    auto filtruj = [&](std::size_t n) {
        try {
            silniki[n]->Filtruj(pliki.m_pary, opcje, kolejka);
        } catch (...) {
            kolejka.Zatrzymaj();
            bledy[n] = std::current_exception();
        }
    };
    terminal::WlaczPrzerwania();
    {
        std::vector<std::thread> watki;
        for (std::size_t n = 1; n < nSilniki; ++n)
            watki.emplace_back(filtruj, n);
        filtruj(0);
        for (std::thread& watek : watki)
            watek.join();
    }
    terminal::WylaczPrzerwania();
    konsola.UstawKolejke(nullptr);
    for (const std::exception_ptr& pBlad : bledy)
        if (pBlad)
            std::rethrow_exception(pBlad);

    const CWynikRunu wynik = Polacz(silniki);
    switch (wynik.m_eWynik) {
    case EWynikFiltrowania::Przerwano:
        Wypisz(TekstPrzerwania(), true);
        return terminal::SygnalZakonczenia() != 0 ? WYJSCIE_SYGNAL + terminal::SygnalZakonczenia()
                                                  : WYJSCIE_PRZERWANO;
    case EWynikFiltrowania::Odmowa:
        Wypisz(wynik.m_strOdmowa, true);
        return WYJSCIE_UZYCIE;
    case EWynikFiltrowania::Zakonczono:
        break;
    }
    WypiszPodsumowanie(pliki, wynik.m_bledy, wynik.m_nCzas);
    const bool bBledy = !wynik.m_bledy.empty() || !pliki.m_bledyZrodel.empty();
    return bBledy ? WYJSCIE_BLEDY_PLIKOW : 0;
}

// -j: at most one engine a pair; 0 stands for the processor's cores.
std::size_t LiczbaSilnikow(int nZadania, std::size_t nPar) {
    std::size_t n = static_cast<std::size_t>(nZadania);
    if (n == 0)
        n = std::max(1u, std::thread::hardware_concurrency());
    return std::max<std::size_t>(1, std::min(n, nPar));
}

// --save-config: an existing configuration is replaced with -y or after a Yes on the terminal;
// a source or a file of another kind never.
bool ZapiszWybor(const CArgumenty& argumenty, const COpcjeFiltrowania& opcje,
                 const std::vector<std::string>& astrZrodla, CKonsola& konsola) {
    std::string strSciezka;
    if (!SciezkaSilnika(argumenty.m_strZapiszKonfiguracje, strSciezka))
        return false;
    if (const std::string strOdmowa = OdmowaZapisuKonfiguracji(strSciezka, astrZrodla);
        !strOdmowa.empty()) {
        Wypisz(strOdmowa, true);
        return false;
    }
    if (platforma::Istnieje(strSciezka) &&
        !ZgodaNaZastapienie(argumenty.m_bTak, konsola,
                            kodowanie::T("Plik konfiguracji już istnieje:\n") + strSciezka +
                                kodowanie::T("\nZastąpić go?"),
                            kodowanie::T("Plik konfiguracji już istnieje: ") + strSciezka,
                            "Aby go zastąpić, użyj opcji -y (--yes)."))
        return false;
    const EWynikKonfiguracji eWynik = ZapiszKonfiguracje(opcje, strSciezka);
    if (eWynik != EWynikKonfiguracji::Wykonano) {
        Wypisz(TekstWyniku(eWynik) + ": " + strSciezka, true);
        return false;
    }
    return true;
}

int Uruchom(const CArgumenty& argumenty) {
    const bool bInteraktywny = terminal::JestTerminalem(terminal::EStrumien::Wejscie) &&
                               terminal::JestTerminalem(terminal::EStrumien::Bledy);
    CKonsola konsola(argumenty.m_bCicho, bInteraktywny,
                     terminal::JestTerminalem(terminal::EStrumien::Bledy));
    COpcjeFiltrowania opcje;
    if (!WczytajUstawienia(argumenty, opcje))
        return WYJSCIE_UZYCIE;
    const bool bZrodla = !argumenty.m_astrZrodla.empty();
    if (bZrodla && !opcje.CzyJestCoFiltrowac()) {
        Wypisz(TekstBrakuOpcji(), true);
        return WYJSCIE_UZYCIE;
    }
    CPliki pliki;
    if (!ZbudujPary(argumenty, pliki))
        return WYJSCIE_UZYCIE;
    if (!pliki.m_pary.empty() && !SprawdzCele(pliki.m_pary, argumenty.m_bTak, konsola))
        return WYJSCIE_UZYCIE;
    // The settings are saved once every check has passed, before any target is written.
    if (!argumenty.m_strZapiszKonfiguracje.empty() &&
        !ZapiszWybor(argumenty, opcje, pliki.m_astrZrodla, konsola))
        return WYJSCIE_UZYCIE;
    if (!bZrodla)
        return 0;
    if (pliki.m_pary.empty()) { // every source was skipped: nothing to check or filter
        WypiszPodsumowanie(pliki, {}, 0);
        return WYJSCIE_BLEDY_PLIKOW;
    }
    return Filtruj(pliki, opcje, konsola, LiczbaSilnikow(argumenty.m_nZadania, pliki.m_pary.size()));
}

// --check: the report on stdout, text or JSON; Ctrl+C stops at once (nothing is written).
int Sprawdz(const CArgumenty& argumenty) {
    CKonsola konsola(argumenty.m_bCicho, false,
                     terminal::JestTerminalem(terminal::EStrumien::Bledy));
    CObserwatorKonsoli obserwator(konsola);
    std::vector<std::string> astrSciezki;
    for (const std::string& strZrodlo : argumenty.m_astrZrodla) {
        astrSciezki.emplace_back();
        if (!SciezkaSilnika(strZrodlo, astrSciezki.back()))
            return WYJSCIE_UZYCIE;
    }
    terminal::WlaczPrzerwania();
    const CWynikSprawdzenPlikow wynik = SprawdzPlikiDowolne(astrSciezki, obserwator);
    terminal::WylaczPrzerwania();
    if (wynik.m_bPrzerwano) {
        Wypisz(kodowanie::T("Przerwano sprawdzanie."), true);
        return WYJSCIE_PRZERWANO;
    }
    std::cout << (argumenty.m_bJson ? JsonSprawdzenia(wynik) : TekstSprawdzenia(wynik));
    std::cout.flush();
    return KodWyjsciaSprawdzenia(wynik);
}

// --diff: the report on stdout, text or JSON, and in the files of --csv and --html.
int Porownaj(const CArgumenty& argumenty) {
    CKonsola konsola(argumenty.m_bCicho,
                     terminal::JestTerminalem(terminal::EStrumien::Wejscie) &&
                         terminal::JestTerminalem(terminal::EStrumien::Bledy),
                     terminal::JestTerminalem(terminal::EStrumien::Bledy));
    CObserwatorKonsoli obserwator(konsola);
    std::string strStary, strNowy, strCsv, strHtml;
    if (!SciezkaSilnika(argumenty.m_astrZrodla[0], strStary) ||
        !SciezkaSilnika(argumenty.m_astrZrodla[1], strNowy) ||
        (!argumenty.m_strCsv.empty() && !SciezkaSilnika(argumenty.m_strCsv, strCsv)) ||
        (!argumenty.m_strHtml.empty() && !SciezkaSilnika(argumenty.m_strHtml, strHtml)))
        return WYJSCIE_UZYCIE;
    for (const std::string* pRaport : {&strCsv, &strHtml})
        if (!pRaport->empty() && (platforma::TenSamPlik(*pRaport, strStary) ||
                                  platforma::TenSamPlik(*pRaport, strNowy))) {
            BladUzycia("raport nie może zastąpić porównywanego pliku");
            return WYJSCIE_UZYCIE;
        }
    // An existing report file is replaced with -y or after a Yes on the terminal, asked before
    // the comparison starts.
    for (const std::string* pRaport : {&strCsv, &strHtml})
        if (!pRaport->empty() && platforma::Istnieje(*pRaport) &&
            !ZgodaNaZastapienie(argumenty.m_bTak, konsola,
                                kodowanie::T("Plik raportu już istnieje:\n") + *pRaport +
                                    kodowanie::T("\nZastąpić go?"),
                                kodowanie::T("Plik raportu już istnieje: ") + *pRaport,
                                "Aby go zastąpić, użyj opcji -y (--yes)."))
            return WYJSCIE_UZYCIE;
    COpcjePorownania opcje;
    opcje.m_bDaneOsobowe = argumenty.m_bDaneOsobowe;
    terminal::WlaczPrzerwania();
    const CWynikPorownania wynik = PorownajPliki(strStary, strNowy, opcje, obserwator);
    terminal::WylaczPrzerwania();
    if (wynik.m_bPrzerwany) {
        Wypisz(kodowanie::T("Przerwano porównywanie."), true);
        return WYJSCIE_PRZERWANO;
    }
    std::cout << (argumenty.m_bJson ? JsonPorownania(wynik) : TekstPorownania(wynik));
    std::cout.flush();
    try {
        if (!strCsv.empty() && !wynik.m_bBlad)
            ZapiszRaportPorownania(strCsv, CsvPorownania(wynik));
        if (!strHtml.empty() && !wynik.m_bBlad)
            ZapiszRaportPorownania(strHtml, HtmlPorownania(wynik));
    } catch (...) {
        std::cerr << "kelvor-cli: " << kodowanie::Cp1250DoUtf8(TekstBiezacegoBledu()) << '\n';
        return WYJSCIE_UZYCIE;
    }
    return KodWyjsciaPorownania(wynik);
}



int Wykonaj(int argc, char** argv) {
    CArgumenty argumenty;
    std::string strBlad;
    if (!CzytajArgumenty(terminal::ArgumentyUtf8(argc, argv), argumenty, strBlad)) {
        BladUzycia(strBlad);
        return WYJSCIE_UZYCIE;
    }
    if (argumenty.m_bPomoc) {
        std::cout << TekstPomocy();
        return 0;
    }
    if (argumenty.m_bWersja) {
        std::cout << "kelvor-cli " KELVOR_WERSJA "\n";
        return 0;
    }
    if (argumenty.m_bLista) {
        std::cout << TekstListy();
        return 0;
    }
    try {
        if (argumenty.m_bPorownaj)
            return Porownaj(argumenty);
        return argumenty.m_bSprawdz ? Sprawdz(argumenty) : Uruchom(argumenty);
    } catch (const std::exception& blad) {
        std::cerr << "kelvor-cli: " << blad.what() << '\n';
    } catch (...) {
        std::cerr << "kelvor-cli: nieoczekiwany błąd\n";
    }
    return WYJSCIE_BLEDY_PLIKOW;
}

} // namespace

// A report or message that could not be written (a full disk, a closed pipe) is no success:
// the status is that of a usage error, unless a signal or cancel already decided it.
int main(int argc, char** argv) {
    terminal::PrzygotujKonsole();
    int nKod = Wykonaj(argc, argv);
    std::cout.flush();
    const bool bWyjscie = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout);
    std::cerr.flush();
    const bool bBledy = !std::cerr || std::fflush(stderr) != 0 || std::ferror(stderr);
    if ((bWyjscie || bBledy) && nKod < WYJSCIE_SYGNAL) {
        if (bWyjscie && !bBledy)
            std::cerr << "kelvor-cli: zapis na standardowe wyjście nie powiódł się\n";
        nKod = WYJSCIE_UZYCIE;
    }
    return nKod;
}
