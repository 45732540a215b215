// The filtering engine: one whole run from the source files to the targets and their logs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "opcje/opcje.h"
#include "swde/naglowek.h"

class CPowiadomienia;

enum class EWynikFiltrowania { Zakonczono, Odmowa, Przerwano };

// A file that failed in a run: its pair index and the error text (code page 1250, without
// the leading "\n\t" and trailing "\n" of the log).
struct CBladPliku {
    int m_nPara;
    std::string m_strTekst;
};

class CSilnikFiltrowania {
public:
    explicit CSilnikFiltrowania(CPowiadomienia& powiadomienia);
    ~CSilnikFiltrowania();
    CSilnikFiltrowania(const CSilnikFiltrowania&) = delete;
    CSilnikFiltrowania& operator=(const CSilnikFiltrowania&) = delete;

    // Filters every pair; the options are copied when the run starts and the whole run is
    // judged with that copy. True when the run reached its end (single files may have failed);
    // false when it was refused or cancelled.
    bool Filtruj(const std::vector<CParaPlikow>& pary, const COpcjeFiltrowania& opcje);

    EWynikFiltrowania Wynik() const;
    int LiczbaBledow() const;
    const std::vector<CBladPliku>& Bledy() const;

private:
    struct CStan;
    std::unique_ptr<CStan> m_pStan;
};
