// The run's events on a console: stage lines, a progress bar redrawn in place on a terminal,
// and Ctrl+C as the cancel request.
#pragma once

#include <chrono>
#include <string>

#include "filtr/zdarzenia.h"
#include "terminal.h"

class CObserwatorKonsoli : public CObserwatorRunu {
public:
    // bCicho: no stage lines and no bar. bInteraktywny: questions are asked on the terminal.
    // bPasek: the progress bar is drawn (stderr is a terminal).
    CObserwatorKonsoli(bool bCicho, bool bInteraktywny, bool bPasek);

    // Takes the progress bar off the screen.
    void ZakonczPasek() const;
    // Asks a yes/no question (text in code page 1250) on the terminal; No without one.
    bool Zapytaj(const std::string& strPytanie) const;

    void RozpoczetoPlik(int, const std::string& strPodpis) override { m_strPlik = strPodpis; }
    void Etap(const std::string& strTekst) override;
    void Postep(int nPromile) override;
    void ZakonczonoRun(const CWynikRunu&) override { ZakonczPasek(); }
    bool CzyPrzerwac() override;

private:
    // Shows the question with "[t/N]" and waits for the answer; nPrzerwania: the Ctrl+C count
    // before it was shown.
    terminal::EOdpowiedz Pytaj(const std::string& strPytanie, int nPrzerwania) const;

    bool m_bCicho, m_bInteraktywny, m_bPasek;
    std::string m_strPlik;
    mutable bool m_bPasekWidoczny = false;
    bool m_bPrzerwano = false;
    std::chrono::steady_clock::time_point m_czasRysowania{};
    int m_nNarysowana = -1; // position the bar shows
};

// A code page 1250 text as UTF-8 for the console, with control characters from files (an
// escape sequence in a file name or an SWDE line) shown as "\x1b"; line ends and tabs stay.
std::string DoWypisania(const std::string& strCp1250);
// Prints a code page 1250 text on stdout or stderr as UTF-8 (DoWypisania), with a line end.
void Wypisz(const std::string& strCp1250, bool bBledy);
