// The filtering engine: one whole run from the source files to the targets and their logs.
#pragma once

#include <atomic>
#include <memory>
#include <vector>

#include "filtr/zdarzenia.h"
#include "opcje/opcje.h"
#include "swde/naglowek.h"

// The pairs of one run handed out one at a time: several engines that share it filter the run's
// pairs between them, each pair once, while every engine still checks its pair's files against
// all of the run's pairs.
class CKolejkaPar {
public:
    explicit CKolejkaPar(std::size_t nPar) : m_nPar(static_cast<int>(nPar)) {}
    // The next pair's index, -1 when every pair has been given out or the queue was stopped.
    int Nastepna() {
        if (m_bZatrzymana.load())
            return -1;
        const int j = m_nNastepna.fetch_add(1);
        return j < m_nPar ? j : -1;
    }
    // No pair is given out any more (a cancelled run).
    void Zatrzymaj() { m_bZatrzymana.store(true); }

private:
    const int m_nPar;
    std::atomic<int> m_nNastepna{0};
    std::atomic<bool> m_bZatrzymana{false};
};

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
    // The same, filtering only the pairs the queue gives this engine; a cancel stops the
    // queue. The result's errors are those of these pairs, with their indices in pary.
    bool Filtruj(const std::vector<CParaPlikow>& pary, const COpcjeFiltrowania& opcje,
                 CKolejkaPar& kolejka);

    // The last run's result.
    const CWynikRunu& WynikRunu() const;
    EWynikFiltrowania Wynik() const { return WynikRunu().m_eWynik; }
    int LiczbaBledow() const { return static_cast<int>(WynikRunu().m_bledy.size()); }
    const std::vector<CBladPliku>& Bledy() const { return WynikRunu().m_bledy; }

private:
    struct CStan;
    std::unique_ptr<CStan> m_pStan;
};
