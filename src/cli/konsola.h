// The run notifications on a console: stage lines, a progress bar redrawn in place on a
// terminal, messages converted to UTF-8 with their kind as a prefix, and Ctrl+C as the cancel
// request.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "swde/powiadomienia.h"
#include "terminal.h"

class CPowiadomieniaKonsoli : public CPowiadomienia {
public:
    // bCicho: no stage lines and no bar. bInteraktywny: questions are asked on the terminal.
    // bPasek: the progress bar is drawn (stderr is a terminal).
    CPowiadomieniaKonsoli(bool bCicho, bool bInteraktywny, bool bPasek);

    // Row texts (code page 1250), one per file pair.
    void UstawWiersze(std::vector<std::string> astrWiersze);
    // While held, messages are collected instead of printed (a question gets No).
    void WstrzymajKomunikaty(bool bWstrzymaj);
    std::vector<std::string> ZebraneKomunikaty();
    // Takes the progress bar off the screen.
    void ZakonczPasek() const;
    // Asks a yes/no question (text in code page 1250) on the terminal; No without one.
    bool Zapytaj(const std::string& strPytanie) const;

    void PokazPostep() override {}
    void UkryjPostep() override { ZakonczPasek(); }
    void UstawPlik(const std::string& strTekst) override { m_strPlik = strTekst; }
    void UstawEtap(const std::string& strTekst) override;
    void UstawPostep(int nPozycja) override;
    bool CzyPrzerwac() const override;
    int LiczbaWierszy() override { return static_cast<int>(m_astrWiersze.size()); }
    void ZaznaczWiersz(int) override {}
    std::string TekstWiersza(int j) override;
    void PokazPare(int) override {}
    void WyczyscNaglowki() override {}
    void WlaczOkno(bool) override {}
    void WlaczPrzetwarzaj(bool) override {}
    bool Komunikat(const std::string& strTekst, ERodzajKomunikatu eRodzaj) override;

private:
    // Shows the question with "[t/N]" and waits for the answer; nPrzerwania: the Ctrl+C count
    // before it was shown.
    terminal::EOdpowiedz Pytaj(const std::string& strPytanie, int nPrzerwania) const;

    bool m_bCicho, m_bInteraktywny, m_bPasek;
    std::vector<std::string> m_astrWiersze;
    std::string m_strPlik;
    bool m_bWstrzymane = false;
    std::vector<std::string> m_astrZebrane;
    mutable bool m_bPasekWidoczny = false;
    mutable bool m_bPrzerwano = false;
    std::chrono::steady_clock::time_point m_czasRysowania{};
    int m_nNarysowana = -1; // position the bar shows
};

// Prints a code page 1250 text on stdout or stderr as UTF-8, with a line end.
void Wypisz(const std::string& strCp1250, bool bBledy);
