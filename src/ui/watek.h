// The worker that runs the engine off the user-interface thread. It touches no widget: every
// run event becomes a signal, which Qt queues to the window's thread. The window's only way in
// is the cancel request and the pause around the cancel question.
#pragma once

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "filtr/zdarzenia.h"
#include "opcje/opcje.h"
#include "swde/naglowek.h"

// A point where the worker pauses by itself: pair j, the stage with this text, at or beyond
// this position. Lets tests and the screenshot tool look at a run in the middle.
struct CPrzystanek {
    int m_nPara = 0;
    std::string m_strEtap;
    int m_nPromile = 0;
};

class CKelvorThread : public QThread, private CObserwatorRunu {
    Q_OBJECT
public:
    // The run filters a copy of the pairs with a copy of the options.
    CKelvorThread(std::vector<CParaPlikow> pary, const COpcjeFiltrowania& opcje,
                  std::optional<CPrzystanek> przystanek, QObject* pRodzic);
    // Another job of the engine (the comparison of two files) behind the same progress, pause
    // and cancel: it runs on the worker with the worker as its observer, and counts as pair 0.
    using FZadanie = std::function<void(CObserwatorRunu&)>;
    CKelvorThread(FZadanie zadanie, std::optional<CPrzystanek> przystanek, QObject* pRodzic);
    ~CKelvorThread() override;

    // User-interface thread: pauses the worker at its next check (true) or lets it go on.
    void Wstrzymaj(bool bTak);
    // User-interface thread: the worker stops at its next check.
    void Przerwij() { m_bPrzerwij.store(true, std::memory_order_relaxed); }
    // Whether the worker is waiting in its pause.
    bool CzyCzeka() const { return m_bCzeka.load(); }
    // The run's result, once zakonczono() has been sent.
    const CWynikRunu& Wynik() const { return m_wynik; }
    // User-interface thread, on postep(): the latest progress; the next change sends postep()
    // again.
    int OdbierzPostep();

signals:
    void rozpoczetoRun(int nPar);
    void rozpoczetoPlik(int j, const QString& strPodpis);
    void etap(const QString& strTekst);
    // The progress changed; OdbierzPostep() gives its latest value. At most one is queued.
    void postep();
    void nieOtwartoPliku(int j);
    // Pair j is done, its target made or its error logged.
    void zakonczonoPlik(int j);
    // The worker reached its pause point and waits.
    void wstrzymano();
    // The run is over; Wynik() holds its result.
    void zakonczono();

protected:
    void run() override;

private:
    // The run's events, on the worker thread.
    void RozpoczetoRun(int nPar) override { emit rozpoczetoRun(nPar); }
    void RozpoczetoPlik(int j, const std::string& strPodpis) override;
    void Etap(const std::string& strTekst) override;
    void Postep(int nPromile) override;
    void NieOtwartoPliku(int j) override { emit nieOtwartoPliku(j); }
    void ZakonczonoPlik(int j, const CBladPliku*) override { emit zakonczonoPlik(j); }
    bool CzyPrzerwac() override;

    void Czekaj();

    std::atomic<int> m_nPostep{0};
    std::atomic<bool> m_bPostepWKolejce{false};

    const std::vector<CParaPlikow> m_pary;
    const COpcjeFiltrowania m_opcje;
    const FZadanie m_zadanie;
    std::optional<CPrzystanek> m_przystanek;
    int m_nPara = -1;
    std::string m_strEtap;
    CWynikRunu m_wynik;

    std::atomic<bool> m_bPrzerwij{false};
    std::atomic<bool> m_bWstrzymany{false};
    std::atomic<bool> m_bCzeka{false};
    std::mutex m_mutex;
    std::condition_variable m_warunek;
};
