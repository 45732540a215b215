// The run's events on a console: stage lines, a progress bar redrawn in place on a terminal,
// and Ctrl+C as the cancel request. Several engines may run at once (-j): they share the one
// console, which prints for one of them at a time.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "filtr/zdarzenia.h"
#include "terminal.h"

class CKolejkaPar;

class CKonsola {
public:
    // bCicho: no stage lines and no bar. bInteraktywny: questions are asked on the terminal.
    // bPasek: the progress bar is drawn (stderr is a terminal).
    CKonsola(bool bCicho, bool bInteraktywny, bool bPasek);

    // Whether questions are asked on the terminal.
    bool CzyInteraktywna() const { return m_bInteraktywny; }
    // The engines that report from now on, numbered from 0 (one until told otherwise).
    void UstawSilniki(int nSilniki) { m_postepy.assign(static_cast<std::size_t>(nSilniki), {}); }

    // Takes the progress bar off the screen.
    void ZakonczPasek();
    // Asks a yes/no question (text in code page 1250) on the terminal; No without one.
    bool Zapytaj(const std::string& strPytanie);
    // A cancel also stops the run's queue of pairs, so that no engine starts another one.
    void UstawKolejke(CKolejkaPar* pKolejka) { m_pKolejka = pKolejka; }

    // What engine n tells: its file's stage lines, its progress, its file done.
    void Etap(int n, const std::string& strPlik, const std::string& strTekst);
    void Postep(int n, const std::string& strPlik, int nPromile);
    void KoniecPliku(int n);
    // Asked by every engine before every record: cheap until Ctrl+C has been pressed.
    bool CzyPrzerwac();

private:
    // Under m_blokada.
    void ZdejmijPasek();
    void RysujPasek();
    // Shows the question with "[t/N]" and waits for the answer; nPrzerwania: the Ctrl+C count
    // before it was shown.
    terminal::EOdpowiedz Pytaj(const std::string& strPytanie, int nPrzerwania);

    struct CPostep {
        std::string strPlik; // empty: the engine shows nothing now
        int nPromile = -1;
    };

    const bool m_bCicho, m_bInteraktywny, m_bPasek;
    std::mutex m_blokada;
    std::vector<CPostep> m_postepy; // one for each engine
    bool m_bPasekWidoczny = false;
    std::size_t m_nSzerokosc = 0; // of the bar drawn
    std::string m_strNarysowany;  // what the bar shows
    std::chrono::steady_clock::time_point m_czasRysowania{};
    std::atomic<bool> m_bPrzerwano{false};
    CKolejkaPar* m_pKolejka = nullptr;
};

// The events of one engine, told to the console.
class CObserwatorKonsoli : public CObserwatorRunu {
public:
    explicit CObserwatorKonsoli(CKonsola& konsola, int nSilnik = 0)
        : m_konsola(konsola), m_nSilnik(nSilnik) {}

    void RozpoczetoPlik(int, const std::string& strPodpis) override { m_strPlik = strPodpis; }
    void Etap(const std::string& strTekst) override { m_konsola.Etap(m_nSilnik, m_strPlik, strTekst); }
    void Postep(int nPromile) override { m_konsola.Postep(m_nSilnik, m_strPlik, nPromile); }
    void ZakonczonoPlik(int, const CBladPliku*) override { m_konsola.KoniecPliku(m_nSilnik); }
    void ZakonczonoRun(const CWynikRunu&) override { m_konsola.ZakonczPasek(); }
    bool CzyPrzerwac() override { return m_konsola.CzyPrzerwac(); }

private:
    CKonsola& m_konsola;
    const int m_nSilnik;
    std::string m_strPlik;
};

// A code page 1250 text as UTF-8 for the console, with control characters from files (an
// escape sequence in a file name or an SWDE line) shown as "\x1b"; line ends and tabs stay.
std::string DoWypisania(const std::string& strCp1250);
// Prints a code page 1250 text on stdout or stderr as UTF-8 (DoWypisania), with a line end.
void Wypisz(const std::string& strCp1250, bool bBledy);
