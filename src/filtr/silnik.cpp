// The run driver: the stage plan, every pair through its stages and the follow-up chain with
// temporary files beside the source, the log beside the target, one error trap per pair, the
// cancel request after every stage and pass, and the summary at the end.
#include "filtr/silnik.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "filtr/obiekty.h"
#include "filtr/przebieg.h"
#include "filtr/przebiegi.h"
#include "filtr/raport.h"
#include "filtr/sekcje.h"
#include "filtr/stan.h"
#include "swde/bledy.h"
#include "swde/crc.h"
#include "swde/czytnik.h"
#include "swde/kodowanie.h"
#include "swde/platforma.h"
#include "swde/plik_wynikowy.h"
#include "swde/powiadomienia.h"

namespace {

using kodowanie::T;

constexpr int ROZMIAR_LIST = 10000;
// Bytes of source per object that may be removed: list 1 is sized from the source length once,
// instead of having its hashed index rebuilt again and again while a large file fills it.
constexpr std::uint64_t BAJTOW_NA_USUNIETY = 400;

// The files a pair reads and writes. Stage outputs are stage[1..4]; stage[0] is unused.
struct CNazwyPary {
    std::string strZrodlo, strCel, strLog;
    std::array<std::string, 5> astrEtapy;
    std::string strSlepe, strSieroty;
};

// Position of the last "." of the file name, or npos when the name has none.
std::size_t KropkaNazwy(const std::string& strSciezka) {
    const std::size_t nKropka = strSciezka.rfind('.');
    return nKropka == std::string::npos || nKropka < platforma::PoczatekNazwy(strSciezka) ? std::string::npos
                                                                               : nKropka;
}

// The suffix goes before the extension, or at the end of a name without one.
std::string NazwaTymczasowa(const std::string& strZrodlo, const std::string& strSufiks) {
    const std::size_t nKropka = KropkaNazwy(strZrodlo);
    if (nKropka == std::string::npos) {
        return strZrodlo + strSufiks;
    }
    return strZrodlo.substr(0, nKropka) + strSufiks + strZrodlo.substr(nKropka);
}

// The target's name with ".log" for its extension.
std::string NazwaLogu(const std::string& strCel) {
    return strCel.substr(0, KropkaNazwy(strCel)) + ".log";
}

CNazwyPary Nazwy(const CParaPlikow& para) {
    CNazwyPary nazwy;
    nazwy.strZrodlo = para[CParaPlikow::ZRODLO];
    nazwy.strCel = para[CParaPlikow::CEL];
    nazwy.strLog = NazwaLogu(nazwy.strCel);
    for (int i = 1; i <= 4; ++i) {
        nazwy.astrEtapy[static_cast<std::size_t>(i)] =
            NazwaTymczasowa(nazwy.strZrodlo, "_KELVOR" + std::to_string(i));
    }
    nazwy.strSlepe = NazwaTymczasowa(nazwy.strZrodlo, "_KELVOR_SLEPE_ODWOLANIA");
    nazwy.strSieroty = NazwaTymczasowa(nazwy.strZrodlo, "_KELVOR_SIEROTY");
    return nazwy;
}

// A pair refused before anything is written, because a file it would write is a file the run
// reads or keeps. The log takes the refusal only when it is safe to write.
struct COdmowaPary {
    std::string strTekst;
    bool bLogBezpieczny;
};

COdmowaPary Odmowa(const std::string& strZapisywany, const std::string& strInny) {
    static const std::string strPoczatek = T("Plik nie został przetworzony: plik '");
    static const std::string strSrodek = T("', który filtrowanie by zapisało, jest plikiem '");
    return {strPoczatek + strZapisywany + strSrodek + strInny + "'.", false};
}

} // namespace

struct CSilnikFiltrowania::CStan {
    explicit CStan(CPowiadomienia& p) : powiadomienia(p) {}

    CPowiadomienia& powiadomienia;
    CCzytnikSWDE czytnik;
    CPlikWynikowy wyjscie;
    CPlikLogu log;
    CStanPrzebiegu stan;
    COpcjeFiltrowania opcje; // the run's snapshot
    CKontekstPrzebiegu k{czytnik, wyjscie, powiadomienia, stan, opcje};

    const std::vector<CParaPlikow>* pPary = nullptr;
    bool bObiekty = false, bAtrybuty = false, bSieroty = false, bCRC = false;
    int nEtapy = 0;

    EWynikFiltrowania eWynik = EWynikFiltrowania::Zakonczono;
    std::vector<CBladPliku> bledy;

    bool Filtruj(const std::vector<CParaPlikow>& pary, const COpcjeFiltrowania& opcjeRunu);
    int PlanEtapow() const;
    std::vector<std::string> ZapisywanePliki(const CNazwyPary& nazwy) const;
    std::optional<COdmowaPary> SprawdzNazwy(int j, const CNazwyPary& nazwy) const;
    std::optional<COdmowaPary> Kolizja(int j, const std::vector<std::string>& astrPliki) const;
    void FiltrujPareWPulapce(int j, bool& bPrzerwano);
    bool FiltrujPare(int j);
    bool Etap(int j, const CNazwyPary& nazwy, int i);
    bool Lancuch(const CNazwyPary& nazwy);
    bool Przebieg(const std::string& strWejscie, const std::string& strWyjscie,
                  void (*przebieg)(CKontekstPrzebiegu&));
    void PrzygotujStan(std::uint64_t nDlugoscZrodla);
    void OtworzPliki(const std::string& strWejscie, const std::string& strWyjscie);
    void ZamknijPliki();
    void Przerwij(const std::string& strWyjscie);
    void ZakonczPoBledzie(const std::string& strTekst);
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
                                        const COpcjeFiltrowania& opcjeRunu) {
    opcje = opcjeRunu;
    pPary = &pary;
    bledy.clear();
    stan.WyczyscListy();
    stan.WyczyscMapy();
    powiadomienia.WlaczOkno(false);
    bAtrybuty = opcje.CzyFiltrowacAtrybuty();
    bObiekty = opcje.CzyFiltrowacObiekty();
    if (!bObiekty && !bAtrybuty) {
        static const std::string strBrak = T("Nie wybrano żadnej opcji filtrowania.");
        powiadomienia.Komunikat(strBrak, ERodzajKomunikatu::Zwykly);
        powiadomienia.WlaczPrzetwarzaj(true);
        powiadomienia.WlaczOkno(true);
        eWynik = EWynikFiltrowania::Odmowa;
        return false;
    }
    nEtapy = PlanEtapow();
    bSieroty = opcje.CzyGrupaZaznaczona(GrupaSieroty);
    bCRC = opcje.m_bSumyCRC;
    if (bObiekty) {
        const int nList = nEtapy == 1 ? 1 : nEtapy == 2 ? 4 : 6;
        for (int n = 1; n <= nList; ++n) {
            stan.Rezerwuj(n, ROZMIAR_LIST);
        }
    }
    const std::int64_t nStart = platforma::Teraz();
    powiadomienia.PokazPostep();
    const int nWierszy = powiadomienia.LiczbaWierszy();
    for (int j = 0; j < nWierszy; ++j) {
        bool bPrzerwano = false;
        FiltrujPareWPulapce(j, bPrzerwano);
        if (bPrzerwano) {
            eWynik = EWynikFiltrowania::Przerwano;
            return false;
        }
    }
    static const std::string strKoniec = T("Filtrowanie zakończone.\nCzas filtrowania: ");
    static const std::string strBledy = T("Ilość błędów filtrowania: ");
    powiadomienia.Komunikat(strKoniec + CzasTrwania(platforma::Teraz() - nStart) + "\n" + strBledy +
                                std::to_string(bledy.size()),
                            ERodzajKomunikatu::Informacja);
    powiadomienia.WlaczPrzetwarzaj(true);
    powiadomienia.WlaczOkno(true);
    eWynik = EWynikFiltrowania::Zakonczono;
    return true;
}

// One pair inside the error trap: every failure is counted, logged and ends only this pair.
void CSilnikFiltrowania::CStan::FiltrujPareWPulapce(int j, bool& bPrzerwano) {
    std::string strBlad;
    try {
        bPrzerwano = !FiltrujPare(j);
        return;
    } catch (const CSWDEException& e) {
        strBlad = e.PelnyKomunikat();
    } catch (const CFileException&) {
        strBlad = T("Wystąpił błąd związany z dostępem do pliku.");
    } catch (const COdmowaPary& e) {
        strBlad = e.strTekst;
    } catch (...) {
        strBlad = T("Plik SWDE zawiera błędy krytyczne, po usunięciu błędów uruchom ponownie "
                    "aplikację.");
    }
    bledy.push_back({j, strBlad});
    ZakonczPoBledzie("\n\t" + strBlad + "\n");
}

// Every file the pair writes: the target, the log and the temporary files of the plan.
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
    return astrPliki;
}

// The files a pair writes must differ from each other and from every source of the run; its
// temporary files, which it deletes, also from every other pair's target and log.
std::optional<COdmowaPary> CSilnikFiltrowania::CStan::SprawdzNazwy(int j,
                                                                   const CNazwyPary& nazwy) const {
    const std::vector<std::string> astrPliki = ZapisywanePliki(nazwy);
    std::optional<COdmowaPary> odmowa = Kolizja(j, astrPliki);
    if (odmowa) {
        // astrPliki[1] is the log: it is written only when it is no source and no other output.
        odmowa->bLogBezpieczny = true;
        for (std::size_t i = 0; i < astrPliki.size(); ++i) {
            odmowa->bLogBezpieczny &= i == 1 || !platforma::TenSamPlik(astrPliki[i], astrPliki[1]);
        }
        for (const CParaPlikow& para : *pPary) {
            odmowa->bLogBezpieczny &=
                !platforma::TenSamPlik(para[CParaPlikow::ZRODLO], nazwy.strLog);
        }
    }
    return odmowa;
}

// The first file of the pair that would overwrite another output of the pair, a source of the
// run, or (a temporary file) another pair's target or log.
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
    for (const std::string& strPlik : astrPliki) {
        for (const CParaPlikow& para : pary) {
            if (platforma::TenSamPlik(strPlik, para[CParaPlikow::ZRODLO])) {
                return Odmowa(strPlik, para[CParaPlikow::ZRODLO]);
            }
        }
    }
    for (std::size_t t = 2; t < astrPliki.size(); ++t) {
        for (std::size_t p = 0; p < pary.size(); ++p) {
            if (static_cast<int>(p) == j) {
                continue;
            }
            for (const std::string& strInny :
                 {pary[p][CParaPlikow::CEL], NazwaLogu(pary[p][CParaPlikow::CEL])}) {
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
    powiadomienia.ZaznaczWiersz(j);
    powiadomienia.PokazPare(j);
    const CNazwyPary nazwy = Nazwy(para);
    const std::optional<COdmowaPary> odmowa = SprawdzNazwy(j, nazwy);
    if (odmowa && !odmowa->bLogBezpieczny) {
        throw *odmowa;
    }
    if (!log.Otworz(nazwy.strLog)) {
        powiadomienia.WyczyscNaglowki();
        throw CSWDEException(0, blad::OtwarciePlikuZrodlowego() + nazwy.strLog);
    }
    ZapiszUstawienia(log, opcje);
    ZapiszFiltrowaneObiekty(log, opcje);
    ZapiszFiltrowaneAtrybuty(log, opcje);
    if (odmowa) {
        throw *odmowa;
    }
    static const std::string strRozpoczeto = T("Rozpoczęto filtrowanie pliku '");
    const std::int64_t nStart = ZapiszWLogu(log, strRozpoczeto + nazwy.strZrodlo + "'", true);
    powiadomienia.UstawPlik(powiadomienia.TekstWiersza(j));
    for (int i = 1; i <= nEtapy; ++i) {
        if (!Etap(j, nazwy, i)) {
            return false;
        }
    }
    ZapiszTabeleObiektow(log, stan);
    if (bObiekty && !Lancuch(nazwy)) {
        return false;
    }
    stan.WyczyscListy();
    stan.WyczyscMapy();
    static const std::string strZakonczono = T("Zakończono filtrowanie pliku '");
    static const std::string strUtworzono = T("Utworzono wynikowy plik '");
    const std::int64_t nKoniec = ZapiszWLogu(log, strZakonczono + nazwy.strZrodlo + "'", true);
    ZapiszWLogu(log, strUtworzono + nazwy.strCel + "'");
    log.Zapisz("\t\t\tCzas trwania filtrowania: " + CzasTrwania(nKoniec - nStart) + "\n");
    log.Zamknij();
    return true;
}

bool CSilnikFiltrowania::CStan::Etap(int j, const CNazwyPary& nazwy, int i) {
    static const std::string strEtapSP = T("Filtrowanie atrybutów i wiązań");
    static const std::string strEtapST = T("Filtrowanie typów");
    const std::string& strWejscie =
        i == 1 ? nazwy.strZrodlo : nazwy.astrEtapy[static_cast<std::size_t>(i - 1)];
    const std::string& strWyjscie =
        i == 1 && !bObiekty ? nazwy.strCel : nazwy.astrEtapy[static_cast<std::size_t>(i)];
    OtworzPliki(strWejscie, strWyjscie);
    if (i == 1 && bObiekty) {
        PrzygotujStan(k.nDlugoscWejscia);
    }
    const std::string strNumer = std::to_string(i) + " z " + std::to_string(nEtapy);
    static const std::string strRozpoczeto = T("Rozpoczęto etap ");
    ZapiszWLogu(log, strRozpoczeto + strNumer + " filtrowania pliku...", true);
    if (i == 1) {
        ZapiszNaglowek(pPary->at(static_cast<std::size_t>(j)), wyjscie);
        KopiujSekcjeSP(k, &strEtapSP);
        KopiujSekcjeST(k, &strEtapST);
    } else {
        KopiujSekcjeSN(k);
        KopiujSekcjeSP(k);
        KopiujSekcjeST(k);
    }
    FiltrujObiekty(k, i, nEtapy, bAtrybuty);
    if (!k.CzyPrzerwac()) {
        wyjscie.Zapisz("SX;\nSWDEX;");
    }
    ZamknijPliki();
    if (i > 1) {
        platforma::Usun(strWejscie);
    }
    if (k.CzyPrzerwac()) {
        Przerwij(strWyjscie);
        return false;
    }
    ZapiszWLogu(log, T("Zakończono etap ") + strNumer + " filtrowania pliku");
    return true;
}

// After the last stage: dangling references, then orphans, then checksums, each through its
// own temporary file; every temporary file is deleted by the pass that reads it.
bool CSilnikFiltrowania::CStan::Lancuch(const CNazwyPary& nazwy) {
    ZapiszWLogu(log, T("Rozpoczęto odfiltrowywanie ślepych odwołań..."), true);
    std::string strWejscie = nazwy.astrEtapy[static_cast<std::size_t>(nEtapy)];
    std::string strWyjscie = bSieroty || bCRC ? nazwy.strSlepe : nazwy.strCel;
    if (!Przebieg(strWejscie, strWyjscie, OdfiltrujSlepeOdwolania)) {
        return false;
    }
    ZapiszWLogu(log, T("Zakończono odfiltrowywanie ślepych odwołań."));
    if (bSieroty) {
        ZapiszWLogu(log, T("Rozpoczęto odfiltrowywanie obiektów sierot..."), true);
        strWejscie = strWyjscie;
        strWyjscie = bCRC ? nazwy.strSieroty : nazwy.strCel;
        if (!Przebieg(strWejscie, strWyjscie, OdfiltrujSieroty)) {
            return false;
        }
        ZapiszWLogu(log, T("Zakończono odfiltrowywanie obiektów sierot..."));
    }
    if (bCRC) {
        ZapiszWLogu(log, T("Rozpoczęto obliczanie sum CRC..."), true);
        DodajSumyCRC(strWyjscie, nazwy.strCel, powiadomienia);
        platforma::Usun(strWyjscie);
        ZapiszWLogu(log, T("Zakończono obliczanie sum CRC..."));
    }
    if (k.CzyPrzerwac()) {
        Przerwij(nazwy.strCel);
        return false;
    }
    return true;
}

bool CSilnikFiltrowania::CStan::Przebieg(const std::string& strWejscie,
                                         const std::string& strWyjscie,
                                         void (*przebieg)(CKontekstPrzebiegu&)) {
    OtworzPliki(strWejscie, strWyjscie);
    przebieg(k);
    ZamknijPliki();
    platforma::Usun(strWejscie);
    if (k.CzyPrzerwac()) {
        Przerwij(strWyjscie);
        return false;
    }
    return true;
}

void CSilnikFiltrowania::CStan::PrzygotujStan(std::uint64_t nDlugoscZrodla) {
    const auto nUsuniete = static_cast<std::size_t>(nDlugoscZrodla / BAJTOW_NA_USUNIETY);
    if (nUsuniete > ROZMIAR_LIST) {
        stan.Rezerwuj(1, nUsuniete);
    }
}

void CSilnikFiltrowania::CStan::OtworzPliki(const std::string& strWejscie,
                                            const std::string& strWyjscie) {
    if (!czytnik.Otworz(strWejscie)) {
        powiadomienia.WyczyscNaglowki();
        throw CSWDEException(0, blad::OtwarciePliku() + strWejscie);
    }
    if (!wyjscie.Otworz(strWyjscie)) {
        powiadomienia.WyczyscNaglowki();
        throw CSWDEException(0, blad::OtwarciePliku() + strWyjscie);
    }
    k.nDlugoscWejscia = czytnik.m_nDlugoscPliku;
    czytnik.m_bPrzewin = true;
}

void CSilnikFiltrowania::CStan::ZamknijPliki() {
    wyjscie.Zamknij();
    czytnik.Zamknij();
}

// A cancel: the log says so, the pass's output is deleted, the window comes back.
void CSilnikFiltrowania::CStan::Przerwij(const std::string& strWyjscie) {
    try {
        ZapiszWLogu(log, "Przerwano filtrowanie.", true);
        log.Zamknij();
    } catch (const CFileException&) {
        // The run ends anyway; a log that cannot take its last line changes nothing.
    }
    stan.WyczyscListy();
    stan.WyczyscMapy();
    platforma::Usun(strWyjscie);
    powiadomienia.WlaczOkno(true);
}

// After a failed pair: the error goes to its log, every file of the pair is closed and the
// run state is emptied for the next pair. Nothing here may fail the run.
void CSilnikFiltrowania::CStan::ZakonczPoBledzie(const std::string& strTekst) {
    try {
        if (log.JestOtwarty()) {
            log.Zapisz(strTekst);
            log.Oproznij();
        }
    } catch (const CFileException&) {
    }
    if (czytnik.m_bOtwarty) {
        czytnik.Zamknij();
    }
    try {
        wyjscie.Zamknij();
    } catch (const CFileException&) {
    }
    try {
        log.Zamknij();
    } catch (const CFileException&) {
    }
    stan.WyczyscListy();
    stan.WyczyscMapy();
    stan.WyczyscOdwolania();
}

CSilnikFiltrowania::CSilnikFiltrowania(CPowiadomienia& powiadomienia)
    : m_pStan(std::make_unique<CStan>(powiadomienia)) {}

CSilnikFiltrowania::~CSilnikFiltrowania() = default;

bool CSilnikFiltrowania::Filtruj(const std::vector<CParaPlikow>& pary,
                                 const COpcjeFiltrowania& opcje) {
    return m_pStan->Filtruj(pary, opcje);
}

EWynikFiltrowania CSilnikFiltrowania::Wynik() const {
    return m_pStan->eWynik;
}

int CSilnikFiltrowania::LiczbaBledow() const {
    return static_cast<int>(m_pStan->bledy.size());
}

const std::vector<CBladPliku>& CSilnikFiltrowania::Bledy() const {
    return m_pStan->bledy;
}
