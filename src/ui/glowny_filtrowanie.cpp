// The main window's run: starting the worker, showing its events, the cancel question and the
// hand-back at the end. Everything here runs on the user-interface thread; the worker's events
// arrive as queued signals.
#include "ui/glowny_dlg.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

#include <algorithm>
#include <utility>

#include "opcje/konfiguracja.h"
#include "ui/listy_dlg.h"
#include "ui/naglowek_dlg.h"
#include "ui/postep_dlg.h"
#include "ui/tekst.h"

void CGlownyDlg::Przetwarzaj() {
    // A worker that has not yet handed back, or nothing to filter: nothing to do.
    if (CzyFiltrowanie() || m_pary.empty())
        return;
    // F5 leaves the focus where it was: a target name still being typed is checked first.
    if (m_pNaglowekDocelowy->PolePliku()->hasFocus() && !ZatwierdzPlikDocelowy())
        return;
    if (!SprawdzPlikiDocelowe())
        return;
    m_anGotowe.clear();
    m_nPar = static_cast<int>(m_pary.size());
    // The log names the configuration file only when the run follows what it holds, however
    // the ticks since it was read were made.
    COpcjeFiltrowania opcjeRunu = m_opcje;
    if (!opcjeRunu.m_strPlikKonfiguracji.empty())
        opcjeRunu.m_bZmienione = !ZgodneZPlikiemKonfiguracji(opcjeRunu);
    Uruchom(new CKelvorThread(m_pary, opcjeRunu, std::exchange(m_przystanek, std::nullopt), this));
}

// The window disabled, the progress dialog made (it shows when the run starts) and the worker
// started, its events connected.
void CGlownyDlg::Uruchom(CKelvorThread* pWatek) {
    WlaczWszystko(false);
    WlaczOkno(false);
    m_pPostepDlg = new CPostepDlg(this);
    connect(m_pPostepDlg, &CPostepDlg::anuluj, this, &CGlownyDlg::Anuluj);
    m_pWatek = pWatek;
    connect(m_pWatek, &CKelvorThread::rozpoczetoRun, this, [this](int nPar) {
        m_nPar = nPar;
        if (m_pPostepDlg) {
            m_pPostepDlg->show();
            m_pPostepDlg->raise();
        }
    });
    connect(m_pWatek, &CKelvorThread::rozpoczetoPlik, this, &CGlownyDlg::RozpoczetoPlik);
    connect(m_pWatek, &CKelvorThread::etap, this, [this](const QString& strTekst) {
        if (m_pPostepDlg)
            m_pPostepDlg->UstawEtap(strTekst);
    });
    connect(m_pWatek, &CKelvorThread::postep, this, [this, pWatek = QPointer(m_pWatek)] {
        if (pWatek && m_pPostepDlg)
            m_pPostepDlg->UstawPostep(pWatek->OdbierzPostep());
    });
    connect(m_pWatek, &CKelvorThread::nieOtwartoPliku, this, &CGlownyDlg::WyczyscNaglowki);
    connect(m_pWatek, &CKelvorThread::zakonczonoPlik, this,
            [this](int j) { m_anGotowe.push_back(j); });
    connect(m_pWatek, &CKelvorThread::zakonczono, this, &CGlownyDlg::ZakonczonoFiltrowanie);
    connect(m_pWatek, &QThread::finished, this, &CGlownyDlg::UsunietoWatek);
    m_pWatek->start();
}

// Pair j starts: its row is selected in both lists and its headers are shown.
void CGlownyDlg::RozpoczetoPlik(int j, const QString& strPodpis) {
    Wybierz(j);
    PokazPare(j);
    if (m_pPostepDlg) {
        const QListWidgetItem* pWiersz = m_pListaZrodlowa->Lista()->item(j);
        m_pPostepDlg->UstawPlik(pWiersz ? pWiersz->text() : strPodpis, j, m_nPar);
    }
}

// The worker pauses while the question is open and learns the answer when it goes on.
void CGlownyDlg::Anuluj() {
    if (!m_pWatek || m_bPytanie)
        return;
    const QPointer<CKelvorThread> pWatek = m_pWatek;
    pWatek->Wstrzymaj(true);
    m_bPytanie = true;
    QWidget* pRodzic = m_pPostepDlg ? static_cast<QWidget*>(m_pPostepDlg) : this;
    const bool bTak = m_dialogi.Pytanie(pRodzic,
                                        m_pPorownanie
                                            ? QStringLiteral("Czy na pewno chcesz przerwać porównywanie?")
                                            : QStringLiteral("Czy na pewno chcesz przerwać filtrowanie?"),
                                        QStringLiteral("Potwierdzenie"));
    m_bPytanie = false;
    if (CKelvorThread* pDalej = pWatek.data()) {
        if (bTak)
            pDalej->Przerwij();
        pDalej->Wstrzymaj(false);
    }
    if (std::exchange(m_bKoniecCzeka, false))
        OddajRun();
}

void CGlownyDlg::ZakonczonoFiltrowanie() {
    if (m_pWatek)
        m_wynik = m_pWatek->Wynik();
    // A run that ended while the cancel question was open hands back once it is answered.
    if (m_bPytanie)
        m_bKoniecCzeka = true;
    else
        OddajRun();
}

// The end of a run as the user sees it: the summary, which names every failed file with its
// error, or the files finished before a cancel; then the progress dialog goes and the window can
// be used again.
void CGlownyDlg::OddajRun() {
    if (m_pPorownanie) {
        OddajPorownanie();
        return;
    }
    // A failed file with the text its log ends with and, for a failed file access, the file and
    // the system's reason, which its log does not give.
    auto opisBledu = [this](const CBladPliku& blad) {
        QString str = NazwaPary(static_cast<std::size_t>(blad.m_nPara)) + QStringLiteral(": ") +
                      Q(blad.m_strTekst).trimmed();
        if (!blad.m_strSzczegoly.empty())
            str += QStringLiteral("\n") + Q(blad.m_strSzczegoly).trimmed();
        return str;
    };
    switch (m_wynik.m_eWynik) {
    case EWynikFiltrowania::Zakonczono: {
        const QString strTekst = Q(TekstPodsumowania(m_wynik.m_nCzas, m_wynik.m_bledy.size()));
        if (m_wynik.m_bledy.empty()) {
            Komunikat(strTekst, EIkona::Informacja);
            break;
        }
        QStringList astrBledy;
        for (const CBladPliku& blad : m_wynik.m_bledy)
            astrBledy << opisBledu(blad);
        Komunikat(strTekst + QStringLiteral("\n\nPliki, których nie przefiltrowano:"), astrBledy,
                  EIkona::Ostrzezenie);
        break;
    }
    case EWynikFiltrowania::Odmowa:
        Komunikat(m_wynik.m_strOdmowa);
        break;
    case EWynikFiltrowania::Przerwano: {
        QStringList astrGotowe;
        for (const int j : m_anGotowe) {
            const auto pBlad = std::find_if(m_wynik.m_bledy.begin(), m_wynik.m_bledy.end(),
                                            [j](const CBladPliku& b) { return b.m_nPara == j; });
            astrGotowe << (pBlad == m_wynik.m_bledy.end() ? NazwaPary(static_cast<std::size_t>(j))
                                                          : opisBledu(*pBlad));
        }
        if (astrGotowe.isEmpty())
            Komunikat(Q(TekstPrzerwania()), EIkona::Informacja);
        else
            Komunikat(Q(TekstPrzerwania()) +
                          QStringLiteral("\nPliki zakończone przed przerwaniem:"),
                      astrGotowe, EIkona::Informacja);
        break;
    }
    }
    ZamknijPostep();
}

void CGlownyDlg::ZamknijPostep() {
    if (m_pPostepDlg) {
        m_pPostepDlg->hide();
        m_pPostepDlg->deleteLater(); // its "Anuluj" may still be on the stack
        m_pPostepDlg = nullptr;
    }
    WlaczOkno(true);
    WlaczWszystko(true);
}

void CGlownyDlg::UsunietoWatek() {
    if (m_pWatek)
        m_pWatek->deleteLater();
    m_pWatek = nullptr;
}
