// The only way a run reaches the user and learns that it must stop. The desktop window and the
// console each implement it; the engine calls nothing else. Texts are code page 1250.
#pragma once

#include <string>

enum class ERodzajKomunikatu { Zwykly, Informacja, Ostrzezenie, Pytanie };

class CPowiadomienia {
public:
    static constexpr int GORNA_GRANICA = 1000;

    virtual ~CPowiadomienia() = default;

    // Progress display.
    virtual void PokazPostep() = 0;
    virtual void UkryjPostep() = 0;
    // Caption of the file being filtered, shown with the next stage text.
    virtual void UstawPlik(const std::string& strTekst) = 0;
    // Shows caption + ": " + text as the current stage.
    virtual void UstawEtap(const std::string& strTekst) = 0;
    // Position in per mille; values above GornaGranica() show as GornaGranica().
    virtual void UstawPostep(int nPozycja) = 0;
    virtual int GornaGranica() const { return GORNA_GRANICA; }

    // The cancel request of the run.
    virtual bool CzyPrzerwac() const = 0;

    // File lists: row count (= number of file pairs), selecting row j in both lists, row text.
    virtual int LiczbaWierszy() = 0;
    virtual void ZaznaczWiersz(int j) = 0;
    virtual std::string TekstWiersza(int j) = 0;

    // Header tabs: show pair j; clear both.
    virtual void PokazPare(int j) = 0;
    virtual void WyczyscNaglowki() = 0;

    // Main window: enable or disable all of it; enable the "Przetwarzaj" button.
    virtual void WlaczOkno(bool bWlacz) = 0;
    virtual void WlaczPrzetwarzaj(bool bWlacz) = 0;

    // A modal message; for ERodzajKomunikatu::Pytanie returns true for Yes, otherwise true.
    virtual bool Komunikat(const std::string& strTekst, ERodzajKomunikatu eRodzaj) = 0;
};
