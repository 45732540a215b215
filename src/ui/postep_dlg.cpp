#include "ui/postep_dlg.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CPostepDlg::CPostepDlg(QWidget* pRodzic)
    : QDialog(pRodzic, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName("postep");
    setWindowTitle(QStringLiteral("KELVOR - filtrowanie"));

    m_pPlik = new QLabel(this);
    m_pPlik->setObjectName("plik");
    m_pPlik->setAlignment(Qt::AlignCenter);
    m_pEtap = new QLabel(QStringLiteral("Etap:"), this);
    m_pEtap->setObjectName("etap");
    m_pEtap->setAlignment(Qt::AlignCenter);
    auto pasek = [this](const char* szNazwa, const QString& strPodpis) {
        auto* pPasek = new QProgressBar(this);
        pPasek->setObjectName(szNazwa);
        pPasek->setTextVisible(false);
        pPasek->setAccessibleName(strPodpis);
        return pPasek;
    };
    m_pPasek = pasek("pasek", QStringLiteral("Bieżący etap"));
    m_pPasek->setRange(0, 1000); // per mille, as the run reports its progress
    m_pCalosc = pasek("calosc", QStringLiteral("Wszystkie pliki"));
    m_pCalosc->setRange(0, 1);
    m_pCalosc->setValue(0);
    m_pAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    m_pAnuluj->setObjectName("anuluj");
    m_pAnuluj->setDefault(true);
    connect(m_pAnuluj, &QPushButton::clicked, this, &CPostepDlg::anuluj);

    auto* pPaski = new QGridLayout;
    int nKolumna = 0;
    for (QProgressBar* pPasek : {m_pPasek, m_pCalosc}) {
        auto* pPodpis = new QLabel(pPasek->accessibleName() + QStringLiteral(":"), this);
        pPodpis->setBuddy(pPasek);
        pPaski->addWidget(pPodpis, 0, nKolumna);
        pPaski->addWidget(pPasek, 1, nKolumna++);
    }
    auto* pUklad = new QVBoxLayout(this);
    pUklad->setContentsMargins(14, 12, 14, 12);
    pUklad->addWidget(m_pPlik);
    pUklad->addWidget(m_pEtap);
    pUklad->addLayout(pPaski);
    pUklad->addWidget(m_pAnuluj, 0, Qt::AlignHCenter);
    // Wide enough for a long file name and the longest stage text.
    setMinimumWidth(480);
}

void CPostepDlg::UstawPostep(int nPozycja) {
    const int nWartosc = std::min(nPozycja, m_pPasek->maximum());
    if (nWartosc != m_pPasek->value())
        m_pPasek->setValue(nWartosc);
}

void CPostepDlg::UstawPlik(const QString& strPlik, int j, int nPlikow) {
    m_strPlik = strPlik;
    nPlikow = std::max(nPlikow, j + 1);
    m_pPlik->setText(QStringLiteral("Plik %1 z %2: %3").arg(j + 1).arg(nPlikow).arg(strPlik));
    m_pCalosc->setRange(0, nPlikow);
    m_pCalosc->setValue(j);
}

void CPostepDlg::UstawPorownanie(const QString& strStary, const QString& strNowy) {
    setWindowTitle(QStringLiteral("KELVOR - porównywanie"));
    m_strPlik.clear();
    m_pPlik->setText(QStringLiteral("Plik stary: %1\nPlik nowy: %2").arg(strStary, strNowy));
}

void CPostepDlg::UstawEtap(const QString& strTekst) {
    m_pEtap->setText(m_strPlik.isEmpty() ? strTekst : m_strPlik + QStringLiteral(": ") + strTekst);
}

void CPostepDlg::closeEvent(QCloseEvent* pZdarzenie) {
    pZdarzenie->ignore();
    emit anuluj();
}
