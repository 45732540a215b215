#include "ui/watek.h"

#include "filtr/silnik.h"
#include "ui/tekst.h"

CKelvorThread::CKelvorThread(std::vector<CParaPlikow> pary, const COpcjeFiltrowania& opcje,
                             std::optional<CPrzystanek> przystanek, QObject* pRodzic)
    : QThread(pRodzic), m_pary(std::move(pary)), m_opcje(opcje),
      m_przystanek(std::move(przystanek)) {}

CKelvorThread::CKelvorThread(FZadanie zadanie, std::optional<CPrzystanek> przystanek,
                             QObject* pRodzic)
    : QThread(pRodzic), m_zadanie(std::move(zadanie)), m_przystanek(std::move(przystanek)),
      m_nPara(0) {}

CKelvorThread::~CKelvorThread() {
    // Only a window torn down in the middle of a run gets here with the worker alive.
    Przerwij();
    Wstrzymaj(false);
    wait();
}

void CKelvorThread::run() {
    if (m_zadanie) {
        m_zadanie(*this);
        emit zakonczono();
        return;
    }
    CSilnikFiltrowania silnik(*this);
    silnik.Filtruj(m_pary, m_opcje);
    m_wynik = silnik.WynikRunu();
    emit zakonczono();
}

void CKelvorThread::RozpoczetoPlik(int j, const std::string& strPodpis) {
    m_nPara = j;
    emit rozpoczetoPlik(j, Q(strPodpis));
}

void CKelvorThread::Etap(const std::string& strTekst) {
    m_strEtap = strTekst;
    emit etap(Q(strTekst));
}

// A fast run reports thousands of values a second: only one event waits in the window's queue
// and shows whatever is latest when it is handled, so the window never falls behind the run.
void CKelvorThread::Postep(int nPromile) {
    m_nPostep.store(nPromile, std::memory_order_release);
    if (!m_bPostepWKolejce.exchange(true, std::memory_order_acq_rel))
        emit postep();
    if (m_przystanek && m_przystanek->m_nPara == m_nPara &&
        m_przystanek->m_strEtap == m_strEtap && nPromile >= m_przystanek->m_nPromile) {
        m_przystanek.reset();
        Wstrzymaj(true);
        emit wstrzymano();
    }
}

int CKelvorThread::OdbierzPostep() {
    // Cleared before the value is read: a value stored after this sends a new event.
    m_bPostepWKolejce.store(false, std::memory_order_release);
    return m_nPostep.load(std::memory_order_acquire);
}

// The common case is one atomic read; only a pause takes the lock.
bool CKelvorThread::CzyPrzerwac() {
    if (m_bWstrzymany.load(std::memory_order_acquire))
        Czekaj();
    return m_bPrzerwij.load(std::memory_order_relaxed);
}

void CKelvorThread::Czekaj() {
    std::unique_lock<std::mutex> blokada(m_mutex);
    m_bCzeka = true;
    m_warunek.wait(blokada, [this] { return !m_bWstrzymany.load(); });
    m_bCzeka = false;
}

void CKelvorThread::Wstrzymaj(bool bTak) {
    {
        std::lock_guard<std::mutex> blokada(m_mutex);
        m_bWstrzymany.store(bTak, std::memory_order_release);
    }
    if (!bTak)
        m_warunek.notify_all();
}
