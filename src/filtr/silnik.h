// The filtering engine: one whole run from the source files to the targets and their logs.
#pragma once

#include <memory>
#include <vector>

#include "filtr/zdarzenia.h"
#include "opcje/opcje.h"
#include "swde/naglowek.h"

class CSilnikFiltrowania {
public:
    // The observer hears every event of every run and is asked whether to stop.
    explicit CSilnikFiltrowania(CObserwatorRunu& obserwator);
    ~CSilnikFiltrowania();
    CSilnikFiltrowania(const CSilnikFiltrowania&) = delete;
    CSilnikFiltrowania& operator=(const CSilnikFiltrowania&) = delete;

    // Filters the pairs in order. The options are copied when the run starts and the whole run
    // is judged with that copy. True when the run reached its end (single files may have
    // failed); false when it was refused or cancelled.
    bool Filtruj(const std::vector<CParaPlikow>& pary, const COpcjeFiltrowania& opcje);

    // The last run's result.
    const CWynikRunu& WynikRunu() const;
    EWynikFiltrowania Wynik() const { return WynikRunu().m_eWynik; }
    int LiczbaBledow() const { return static_cast<int>(WynikRunu().m_bledy.size()); }
    const std::vector<CBladPliku>& Bledy() const { return WynikRunu().m_bledy; }

private:
    struct CStan;
    std::unique_ptr<CStan> m_pStan;
};
