#include "ui/postep_dlg.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CPostepDlg::CPostepDlg(QWidget* pRodzic)
    : QDialog(pRodzic, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("postep");
    // A bordered pop-up without a title bar: the border is a frame around everything.
    auto* pRamka = new QFrame(this);
    pRamka->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pRamka->setLineWidth(2);
    auto* pZewnetrzny = new QVBoxLayout(this);
    pZewnetrzny->setContentsMargins(0, 0, 0, 0);
    pZewnetrzny->addWidget(pRamka);

    m_pPasek = new QProgressBar(pRamka);
    m_pPasek->setObjectName("pasek");
    m_pPasek->setTextVisible(false);
    m_pEtap = new QLabel(QStringLiteral("Etap:"), pRamka);
    m_pEtap->setObjectName("etap");
    m_pEtap->setAlignment(Qt::AlignCenter);
    m_pAnuluj = new QPushButton(QStringLiteral("Anuluj"), pRamka);
    m_pAnuluj->setObjectName("anuluj");
    m_pAnuluj->setDefault(true);
    connect(m_pAnuluj, &QPushButton::clicked, this, &CPostepDlg::anuluj);

    auto* pUklad = new QVBoxLayout(pRamka);
    pUklad->setContentsMargins(14, 12, 14, 12);
    pUklad->addWidget(m_pPasek);
    pUklad->addWidget(m_pEtap);
    pUklad->addWidget(m_pAnuluj, 0, Qt::AlignHCenter);
    // Wide enough for a long file name and the longest stage text.
    setMinimumWidth(440);
    m_pPasek->setRange(0, 1000); // per mille, as the run reports its progress
}

void CPostepDlg::UstawPostep(int nPozycja) {
    const int nWartosc = std::min(nPozycja, m_pPasek->maximum());
    if (nWartosc != m_pPasek->value())
        m_pPasek->setValue(nWartosc);
}

void CPostepDlg::UstawEtap(const QString& strTekst) {
    m_pEtap->setText(m_strPlik + QStringLiteral(": ") + strTekst);
}

void CPostepDlg::closeEvent(QCloseEvent* pZdarzenie) {
    pZdarzenie->ignore();
    emit anuluj();
}
