#include "ui/watek.h"

#include "filtr/silnik.h"
#include "ui/tekst.h"

CKelvorThread::CKelvorThread(std::vector<CParaPlikow> pary, const COpcjeFiltrowania& opcje,
                             std::optional<CPrzystanek> przystanek, QObject* pRodzic)
    : QThread(pRodzic), m_pary(std::move(pary)), m_opcje(opcje),
      m_przystanek(std::move(przystanek)) {}

CKelvorThread::~CKelvorThread() {
    // Only a window torn down in the middle of a run gets here with the worker alive.
    Przerwij();
    Wstrzymaj(false);
    wait();
}

void CKelvorThread::run() {
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

void CKelvorThread::Postep(int nPromile) {
    emit postep(nPromile);
    if (m_przystanek && m_przystanek->m_nPara == m_nPara &&
        m_przystanek->m_strEtap == m_strEtap && nPromile >= m_przystanek->m_nPromile) {
        m_przystanek.reset();
        Wstrzymaj(true);
        emit wstrzymano();
    }
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
