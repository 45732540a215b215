// The run driver: the stage plan, every pair through its stages and the follow-up chain with
// temporary files beside the source, the log beside the target, one error trap per pair, the
// cancel request after every stage and pass, and the result at the end.
//
// What the user owns is never written through: every file a pair writes is created new under a
// name that is checked first, the source is locked against a second run, the target takes its
// name only when it is complete, and a failed or cancelled pair leaves its log and nothing else.
#include "filtr/silnik.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <utility>

#include "filtr/nazwy.h"
#include "filtr/obiekty.h"
#include "filtr/przebieg.h"
#include "filtr/przebiegi.h"
#include "filtr/raport.h"
#include "filtr/stan.h"
#include "swde/bledy.h"
#include "swde/czytnik.h"
#include "swde/kodowanie.h"
#include "swde/platforma.h"
#include "swde/plik_wynikowy.h"

namespace {

using kodowanie::T;

constexpr std::size_t ROZMIAR_LIST = 10000;
// Bytes of source per object that may be removed: list 1 is sized from the source length once,
// instead of being moved again and again while a large file fills it.
constexpr std::uint64_t BAJTOW_NA_USUNIETY = 400;

// A pair refused before anything is written, because a file it would write is a file the run
// reads or keeps. The log takes the refusal only when it is safe to write.
struct COdmowaPary {
    std::string strTekst;
    bool bLogBezpieczny;
};

const std::string& PoczatekOdmowy() {
    static const std::string str = T("Plik nie został przetworzony: ");
    return str;
}

COdmowaPary Odmowa(const std::string& strZapisywany, const std::string& strInny) {
    static const std::string strSrodek = T("', który filtrowanie by zapisało, jest plikiem '");
    return {PoczatekOdmowy() + "plik '" + strZapisywany + strSrodek + strInny + "'.", false};
}

COdmowaPary OdmowaDlugosci(const std::string& strPlik) {
    static const std::string strKoniec = T("' jest dłuższa, niż pozwala system plików.");
    return {PoczatekOdmowy() + "nazwa pliku '" + strPlik + strKoniec, false};
}

COdmowaPary OdmowaBlokady(const std::string& strZrodlo) {
    static const std::string strKoniec = T("' jest właśnie filtrowany przez inny proces.");
    return {PoczatekOdmowy() + "plik '" + strZrodlo + strKoniec, false};
}

COdmowaPary OdmowaNiepliku(const std::string& strPlik) {
    static const std::string strKoniec =
        T("' nie jest zwykłym plikiem (to urządzenie lub kolejka); nie zostanie zastąpiony.");
    return {PoczatekOdmowy() + "'" + strPlik + strKoniec, false};
}

// The text for a temporary file that stayed: it is a full copy of the source's data.
std::string TekstPozostalego(const std::string& strPlik) {
    static const std::string strPoczatek = T("Nie udało się usunąć pliku tymczasowego '");
    static const std::string strKoniec =
        T("'. Zawiera on pełną kopię danych pliku źródłowego: usuń go ręcznie.");
    return strPoczatek + strPlik + strKoniec;
}

// Deletes a temporary file, trying again a little later when the system refuses (a virus
// scanner or an indexer may hold it for a moment); true when the file is gone.
bool UsunTymczasowy(const std::string& strPlik) {
    constexpr int PROB = 3;
    for (int n = 1;; ++n) {
        if (platforma::Usun(strPlik) || !platforma::NazwaZajeta(strPlik)) {
            return true;
        }
        if (n == PROB) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50 * n));
    }
}

// Which texts a failed open of a pass's input and output raises.
struct CBledyOtwarcia {
    EBlad eWejscie, eWyjscie;
};
constexpr CBledyOtwarcia OTWARCIE_ETAPU = {EBlad::OtwarciePliku, EBlad::OtwarciePliku};
constexpr CBledyOtwarcia OTWARCIE_SUM = {EBlad::OtwarciePlikuZrodlowego,
                                         EBlad::OtwarciePlikuDocelowego};

} // namespace

std::string TekstPodsumowania(std::int64_t nCzas, std::size_t nBledow) {
    static const std::string strKoniec = T("Filtrowanie zakończone.\nCzas filtrowania: ");
    static const std::string strBledy = T("Ilość błędów filtrowania: ");
    return strKoniec + CzasTrwania(nCzas) + "\n" + strBledy + std::to_string(nBledow);
}

const std::string& TekstBrakuOpcji() {
    static const std::string str = T("Nie wybrano żadnej opcji filtrowania.");
    return str;
}

const std::string& TekstPrzerwania() {
    static const std::string str = "Przerwano filtrowanie.";
    return str;
}

struct CSilnikFiltrowania::CStan {
    explicit CStan(CObserwatorRunu& o) : obserwator(o) {}

    CObserwatorRunu& obserwator;
    CCzytnikSWDE czytnik;
    CPlikWynikowy wyjscie;
    CPlikLogu log;
    CStanPrzebiegu stan;
    COpcjeFiltrowania opcje; // the run's snapshot
    CKontekstPrzebiegu k{czytnik, wyjscie, obserwator, stan, opcje};

    const std::vector<CParaPlikow>* pPary = nullptr;
    platforma::CBlokadaPliku blokada;      // on the source of the pair being filtered
    std::vector<std::string> astrUtworzone; // files of the pair that a failure removes
    std::string strCelRoboczy;              // the pair's working copy of its target
    bool bObiekty = false, bAtrybuty = false, bSieroty = false, bCRC = false;
    int nEtapy = 0;
    int nPara = 0; // the pair being filtered
    CWynikRunu wynik;

    bool Filtruj(const std::vector<CParaPlikow>& pary, const COpcjeFiltrowania& opcjeRunu,
                 CKolejkaPar& kolejka);
    bool Zakoncz(EWynikFiltrowania eWynik, std::int64_t nStart);
    int PlanEtapow() const;
    std::vector<std::string> ZapisywanePliki(const CNazwyPary& nazwy) const;
    std::optional<COdmowaPary> SprawdzNazwy(int j, const CNazwyPary& nazwy) const;
    std::optional<COdmowaPary> Kolizja(int j, const std::vector<std::string>& astrPliki) const;
    bool LogBezpieczny(const std::vector<std::string>& astrPliki) const;
    bool FiltrujPareWPulapce(int j);
    bool FiltrujPare(int j);
    bool Etap(const CParaPlikow& para, const CNazwyPary& nazwy, int i);
    bool Lancuch(const CNazwyPary& nazwy);
    bool Przebieg(const std::string& strWejscie, const std::string& strWyjscie,
                  const CBledyOtwarcia& bledy, const std::function<bool()>& przebieg);
    void PrzygotujStan(std::uint64_t nDlugoscZrodla);
    void Przerwij();
    std::vector<std::string> UsunUtworzone();
    std::string ZakonczPoBledzie(std::string strTekst);
    [[noreturn]] void BladOtwarcia(EBlad eBlad, const std::string& strSciezka);
};

int CSilnikFiltrowania::CStan::PlanEtapow() const {
    if (!bObiekty || !opcje.CzyGrupaZaznaczona(GrupaLokale)) {
        return 1;
    }
    if (opcje.CzyGrupaZaznaczona(GrupaDzierzawa) || !opcje.CzyGrupaZaznaczona(GrupaBudynki)) {
        return 2;
    }
    return 4;
}

bool CSilnikFiltrowania::CStan::Filtruj(const std::vector<CParaPlikow>& pary,
                                        const COpcjeFiltrowania& opcjeRunu, CKolejkaPar& kolejka) {
    const std::int64_t nStart = platforma::Teraz();
    opcje = opcjeRunu;
    pPary = &pary;
    wynik = {};
    k.nOstatniPostep = -1;
    stan.WyczyscListy();
    stan.WyczyscMapy();
    bAtrybuty = opcje.CzyFiltrowacAtrybuty();
    bObiekty = opcje.CzyFiltrowacObiekty();
    if (!bObiekty && !bAtrybuty) {
        wynik.m_strOdmowa = TekstBrakuOpcji();
        return Zakoncz(EWynikFiltrowania::Odmowa, nStart);
    }
    nEtapy = PlanEtapow();
    bSieroty = opcje.CzyGrupaZaznaczona(GrupaSieroty);
    bCRC = opcje.m_bSumyCRC;
    if (bObiekty) {
        const int nList = nEtapy == 1 ? 1 : nEtapy == 2 ? 4 : 6;
        for (int n = 1; n <= nList; ++n) {
            stan.Rezerwuj(static_cast<ELista>(n), ROZMIAR_LIST);
        }
    }
    obserwator.RozpoczetoRun(static_cast<int>(pary.size()));
    for (int j = kolejka.Nastepna(); j >= 0; j = kolejka.Nastepna()) {
        if (!FiltrujPareWPulapce(j)) {
            kolejka.Zatrzymaj();
            return Zakoncz(EWynikFiltrowania::Przerwano, nStart);
        }
    }
    return Zakoncz(EWynikFiltrowania::Zakonczono, nStart);
}

bool CSilnikFiltrowania::CStan::Zakoncz(EWynikFiltrowania eWynik, std::int64_t nStart) {
    wynik.m_eWynik = eWynik;
    wynik.m_nCzas = platforma::Teraz() - nStart;
    obserwator.ZakonczonoRun(wynik);
    return eWynik == EWynikFiltrowania::Zakonczono;
}

// One pair inside the error trap: every failure is counted, logged and ends only this pair.
// False when the run was cancelled.
bool CSilnikFiltrowania::CStan::FiltrujPareWPulapce(int j) {
    nPara = j;
    CBladPliku blad{j, -1, {}, {}};
    try {
        const bool bCaly = FiltrujPare(j);
        blokada.Zwolnij();
        if (!bCaly) {
            return false;
        }
        obserwator.ZakonczonoPlik(j, nullptr);
        return true;
    } catch (const COdmowaPary& e) {
        blad.m_strTekst = e.strTekst;
    } catch (...) {
        blad.m_nNumer = NumerBiezacegoBledu();
        blad.m_strTekst = TekstBiezacegoBledu();
        blad.m_strSzczegoly = SzczegolyBiezacegoBledu();
    }
    blad.m_strTekst = ZakonczPoBledzie(std::move(blad.m_strTekst));
    blokada.Zwolnij();
    wynik.m_bledy.push_back(blad);
    obserwator.ZakonczonoPlik(j, &wynik.m_bledy.back());
    return true;
}

// Every file the pair writes: the target, the log and the temporary files of the plan, the
// target's working copy last.
std::vector<std::string> CSilnikFiltrowania::CStan::ZapisywanePliki(const CNazwyPary& nazwy) const {
    std::vector<std::string> astrPliki = {nazwy.strCel, nazwy.strLog};
    if (bObiekty) {
        for (int i = 1; i <= nEtapy; ++i) {
            astrPliki.push_back(nazwy.astrEtapy[static_cast<std::size_t>(i)]);
        }
        if (bSieroty || bCRC) {
            astrPliki.push_back(nazwy.strSlepe);
        }
        if (bSieroty && bCRC) {
            astrPliki.push_back(nazwy.strSieroty);
        }
    }
    astrPliki.push_back(nazwy.strCelRoboczy);
    return astrPliki;
}

// The files a pair writes must have names the file system takes, and differ from each other,
// from every source of the run and from the run's configuration file; its temporary files,
// which it deletes, also from every other pair's target and log.
std::optional<COdmowaPary> CSilnikFiltrowania::CStan::SprawdzNazwy(int j,
                                                                   const CNazwyPary& nazwy) const {
    const std::vector<std::string> astrPliki = ZapisywanePliki(nazwy);
    std::optional<COdmowaPary> odmowa;
    for (const std::string& strPlik : astrPliki) {
        if (!odmowa && platforma::NazwaZaDluga(strPlik)) {
            odmowa = OdmowaDlugosci(strPlik);
        }
        if (!odmowa && platforma::ZajetaNieplikiem(strPlik)) {
            odmowa = OdmowaNiepliku(strPlik);
        }
    }
    if (!odmowa) {
        odmowa = Kolizja(j, astrPliki);
    }
    if (odmowa) {
        odmowa->bLogBezpieczny = LogBezpieczny(astrPliki);
    }
    return odmowa;
}

// astrPliki[1] is the log: a refusal is written to it only when its name is usable and it is
// no source, no other output and not the configuration file.
bool CSilnikFiltrowania::CStan::LogBezpieczny(const std::vector<std::string>& astrPliki) const {
    const std::string& strLog = astrPliki[1];
    if (platforma::NazwaZaDluga(strLog) || platforma::ZajetaNieplikiem(strLog)) {
        return false;
    }
    for (std::size_t i = 0; i < astrPliki.size(); ++i) {
        if (i != 1 && platforma::TenSamPlik(astrPliki[i], strLog)) {
            return false;
        }
    }
    for (const CParaPlikow& para : *pPary) {
        if (platforma::TenSamPlik(para.m_strZrodlo, strLog)) {
            return false;
        }
    }
    return opcje.m_strPlikKonfiguracji.empty() ||
           !platforma::TenSamPlik(opcje.m_strPlikKonfiguracji, strLog);
}

// The first file of the pair that would overwrite another output of the pair, a source of the
// run, the run's configuration file, or (a temporary file) another pair's target or log.
std::optional<COdmowaPary>
CSilnikFiltrowania::CStan::Kolizja(int j, const std::vector<std::string>& astrPliki) const {
    for (std::size_t a = 0; a < astrPliki.size(); ++a) {
        for (std::size_t b = a + 1; b < astrPliki.size(); ++b) {
            if (platforma::TenSamPlik(astrPliki[a], astrPliki[b])) {
                return Odmowa(astrPliki[a], astrPliki[b]);
            }
        }
    }
    const std::vector<CParaPlikow>& pary = *pPary;
    const std::string& strKonfiguracja = opcje.m_strPlikKonfiguracji;
    for (const std::string& strPlik : astrPliki) {
        for (const CParaPlikow& para : pary) {
            if (platforma::TenSamPlik(strPlik, para.m_strZrodlo)) {
                return Odmowa(strPlik, para.m_strZrodlo);
            }
        }
        if (!strKonfiguracja.empty() && platforma::TenSamPlik(strPlik, strKonfiguracja)) {
            return Odmowa(strPlik, strKonfiguracja);
        }
    }
    for (std::size_t t = 2; t < astrPliki.size(); ++t) {
        for (std::size_t p = 0; p < pary.size(); ++p) {
            if (static_cast<int>(p) == j) {
                continue;
            }
            for (const std::string& strInny : {pary[p].m_strCel, NazwaLogu(pary[p].m_strCel)}) {
                if (platforma::TenSamPlik(astrPliki[t], strInny)) {
                    return Odmowa(astrPliki[t], strInny);
                }
            }
        }
    }
    return std::nullopt;
}

bool CSilnikFiltrowania::CStan::FiltrujPare(int j) {
    const CParaPlikow& para = pPary->at(static_cast<std::size_t>(j));
    stan.WyczyscMapy();
    astrUtworzone.clear();
    strCelRoboczy.clear();
    obserwator.RozpoczetoPlik(j, platforma::NazwaPliku(para.m_strZrodlo));
    const CNazwyPary nazwy = Nazwy(para);
    const std::optional<COdmowaPary> odmowa = SprawdzNazwy(j, nazwy);
    if (odmowa && !odmowa->bLogBezpieczny) {
        throw *odmowa;
    }
    // Another run on the same source owns the log and the temporary files: nothing is touched.
    if (blokada.Zablokuj(para.m_strZrodlo) == platforma::CBlokadaPliku::EWynik::Zajety) {
        throw OdmowaBlokady(para.m_strZrodlo);
    }
    strCelRoboczy = nazwy.strCelRoboczy;
    // Every file the pair writes holds the source's data: none is readable by more users than
    // the source.
    if (!log.Otworz(nazwy.strLog, para.m_strZrodlo)) {
        BladOtwarcia(EBlad::OtwarciePlikuDocelowego, nazwy.strLog);
    }
    ZapiszUstawienia(log, opcje);
    ZapiszFiltrowaneObiekty(log, opcje);
    ZapiszFiltrowaneAtrybuty(log, opcje);
    if (odmowa) {
        throw *odmowa;
    }
    static const std::string strRozpoczeto = T("Rozpoczęto filtrowanie pliku '");
    const std::int64_t nStart = ZapiszWLogu(log, strRozpoczeto + nazwy.strZrodlo + "'", true);
    for (int i = 1; i <= nEtapy; ++i) {
        if (!Etap(para, nazwy, i)) {
            return false;
        }
    }
    ZapiszTabeleObiektow(log, stan);
    if (bObiekty && !Lancuch(nazwy)) {
        return false;
    }
    // The log is complete and closed before the target takes its name: a log that fails fails
    // the pair while the earlier target is still in place.
    static const std::string strZakonczono = T("Zakończono filtrowanie pliku '");
    static const std::string strUtworzono = T("Utworzono wynikowy plik '");
    const std::int64_t nKoniec = ZapiszWLogu(log, strZakonczono + nazwy.strZrodlo + "'", true);
    ZapiszWLogu(log, strUtworzono + nazwy.strCel + "'");
    log.Zapisz("\t\t\tCzas trwania filtrowania: " + CzasTrwania(nKoniec - nStart) + "\n");
    log.Zamknij();
    platforma::ZamienNazwe(nazwy.strCelRoboczy, nazwy.strCel);
    astrUtworzone.clear();
    stan.WyczyscListy();
    stan.WyczyscMapy();
    return true;
}

bool CSilnikFiltrowania::CStan::Etap(const CParaPlikow& para, const CNazwyPary& nazwy, int i) {
    const std::string& strWejscie =
        i == 1 ? nazwy.strZrodlo : nazwy.astrEtapy[static_cast<std::size_t>(i - 1)];
    const std::string& strWyjscie =
        i == 1 && !bObiekty ? nazwy.strCelRoboczy : nazwy.astrEtapy[static_cast<std::size_t>(i)];
    const std::string strNumer = std::to_string(i) + " z " + std::to_string(nEtapy);
    const bool bCaly = Przebieg(strWejscie, strWyjscie, OTWARCIE_ETAPU, [&] {
        if (i == 1 && bObiekty) {
            PrzygotujStan(czytnik.Dlugosc());
        }
        ZapiszWLogu(log, T("Rozpoczęto etap ") + strNumer + " filtrowania pliku...", true);
        return FiltrujObiekty(k, i, nEtapy, bAtrybuty, &para);
    });
    if (bCaly) {
        ZapiszWLogu(log, T("Zakończono etap ") + strNumer + " filtrowania pliku");
    }
    return bCaly;
}

// After the last stage: dangling references, then orphans, then checksums, each through its
// own temporary file; every temporary file is deleted by the pass that reads it.
bool CSilnikFiltrowania::CStan::Lancuch(const CNazwyPary& nazwy) {
    ZapiszWLogu(log, T("Rozpoczęto odfiltrowywanie ślepych odwołań..."), true);
    std::string strWejscie = nazwy.astrEtapy[static_cast<std::size_t>(nEtapy)];
    std::string strWyjscie = bSieroty || bCRC ? nazwy.strSlepe : nazwy.strCelRoboczy;
    if (!Przebieg(strWejscie, strWyjscie, OTWARCIE_ETAPU, [&] { return OdfiltrujSlepeOdwolania(k); })) {
        return false;
    }
    ZapiszWLogu(log, T("Zakończono odfiltrowywanie ślepych odwołań."));
    if (bSieroty) {
        ZapiszWLogu(log, T("Rozpoczęto odfiltrowywanie obiektów sierot..."), true);
        strWejscie = std::exchange(strWyjscie, bCRC ? nazwy.strSieroty : nazwy.strCelRoboczy);
        if (!Przebieg(strWejscie, strWyjscie, OTWARCIE_ETAPU, [&] { return OdfiltrujSieroty(k); })) {
            return false;
        }
        ZapiszWLogu(log, T("Zakończono odfiltrowywanie obiektów sierot..."));
        ZapiszUsunieteSieroty(log, stan);
    }
    if (bCRC) {
        ZapiszWLogu(log, T("Rozpoczęto obliczanie sum CRC..."), true);
        strWejscie = std::exchange(strWyjscie, nazwy.strCelRoboczy);
        if (!Przebieg(strWejscie, strWyjscie, OTWARCIE_SUM, [&] { return DodajSumyCRC(k); })) {
            return false;
        }
        ZapiszWLogu(log, T("Zakończono obliczanie sum CRC..."));
    }
    return true;
}

// Opens the pass's input and output, runs it, closes both and deletes the input unless it is
// the source. False when the run was cancelled during the pass or right after it; the pair's
// files are then deleted.
bool CSilnikFiltrowania::CStan::Przebieg(const std::string& strWejscie,
                                         const std::string& strWyjscie,
                                         const CBledyOtwarcia& bledy,
                                         const std::function<bool()>& przebieg) {
    if (!czytnik.Otworz(strWejscie)) {
        BladOtwarcia(bledy.eWejscie, strWejscie);
    }
    const std::string& strZrodlo = pPary->at(static_cast<std::size_t>(nPara)).m_strZrodlo;
    if (!wyjscie.Otworz(strWyjscie, strZrodlo)) {
        BladOtwarcia(bledy.eWyjscie, strWyjscie);
    }
    astrUtworzone.push_back(strWyjscie);
    const bool bCaly = przebieg();
    // The target's working copy is on the disk before it can take the target's name.
    if (bCaly && strWyjscie == strCelRoboczy) {
        wyjscie.Utrwal();
    }
    wyjscie.Zamknij();
    czytnik.Zamknij();
    if (strWejscie != strZrodlo) {
        // A temporary file that stays behind fails the pair, the error naming it.
        const bool bUsuniety = UsunTymczasowy(strWejscie);
        std::erase(astrUtworzone, strWejscie);
        if (!bUsuniety) {
            throw COdmowaPary{TekstPozostalego(strWejscie), true};
        }
    }
    if (!bCaly || k.CzyPrzerwac()) {
        Przerwij();
        return false;
    }
    return true;
}

void CSilnikFiltrowania::CStan::BladOtwarcia(EBlad eBlad, const std::string& strSciezka) {
    obserwator.NieOtwartoPliku(nPara);
    throw CSWDEException(eBlad, strSciezka);
}

void CSilnikFiltrowania::CStan::PrzygotujStan(std::uint64_t nDlugoscZrodla) {
    const auto nUsuniete = static_cast<std::size_t>(nDlugoscZrodla / BAJTOW_NA_USUNIETY);
    if (nUsuniete > ROZMIAR_LIST) {
        stan.Rezerwuj(ListaUsunietych, nUsuniete);
    }
}

// A cancel: the log says so and the pair's files but the log are deleted.
void CSilnikFiltrowania::CStan::Przerwij() {
    try {
        ZapiszWLogu(log, TekstPrzerwania(), true);
        log.Zamknij();
    } catch (const CFileException&) {
        // The run ends anyway; a log that cannot take its last line changes nothing.
    }
    stan.WyczyscListy();
    stan.WyczyscMapy();
    UsunUtworzone();
}

// The temporary files and the target's working copy the pair created, all closed by now; those
// that could not be deleted are returned.
std::vector<std::string> CSilnikFiltrowania::CStan::UsunUtworzone() {
    std::vector<std::string> astrPozostale;
    for (const std::string& strPlik : astrUtworzone) {
        if (!UsunTymczasowy(strPlik)) {
            astrPozostale.push_back(strPlik);
        }
    }
    astrUtworzone.clear();
    return astrPozostale;
}

// After a failed pair: the error goes to its log, every file of the pair is closed, every file
// it created but the log is deleted and the run state is emptied for the next pair. The error's
// text, with the files that could not be deleted named after it, goes to the log and is
// returned. Nothing here may fail the run.
std::string CSilnikFiltrowania::CStan::ZakonczPoBledzie(std::string strTekst) {
    czytnik.Zamknij();
    try {
        wyjscie.Zamknij();
    } catch (const CFileException&) {
    }
    for (const std::string& strPlik : UsunUtworzone()) {
        strTekst += " " + TekstPozostalego(strPlik);
    }
    try {
        if (log.JestOtwarty()) {
            log.Zapisz("\n\t" + strTekst + "\n");
            log.Oproznij();
        }
    } catch (const CFileException&) {
    }
    try {
        log.Zamknij();
    } catch (const CFileException&) {
    }
    stan.WyczyscListy();
    stan.WyczyscMapy();
    stan.WyczyscOdwolania();
    return strTekst;
}

CSilnikFiltrowania::CSilnikFiltrowania(CObserwatorRunu& obserwator)
    : m_pStan(std::make_unique<CStan>(obserwator)) {}

CSilnikFiltrowania::~CSilnikFiltrowania() = default;

bool CSilnikFiltrowania::Filtruj(const std::vector<CParaPlikow>& pary,
                                 const COpcjeFiltrowania& opcje) {
    CKolejkaPar kolejka(pary.size());
    return Filtruj(pary, opcje, kolejka);
}

bool CSilnikFiltrowania::Filtruj(const std::vector<CParaPlikow>& pary,
                                 const COpcjeFiltrowania& opcje, CKolejkaPar& kolejka) {
    return m_pStan->Filtruj(pary, opcje, kolejka);
}

const CWynikRunu& CSilnikFiltrowania::WynikRunu() const {
    return m_pStan->wynik;
}
