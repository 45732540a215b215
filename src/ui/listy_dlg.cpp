#include "ui/listy_dlg.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The local files among the dropped items.
QStringList PlikiLokalne(const QMimeData* pDane) {
    QStringList astr;
    if (pDane == nullptr)
        return astr;
    for (const QUrl& url : pDane->urls()) {
        if (url.isLocalFile())
            astr << url.toLocalFile();
    }
    return astr;
}

} // namespace

CListaPlikowDlg::CListaPlikowDlg(bool bDocelowa, QWidget* pRodzic) : QWidget(pRodzic) {
    setObjectName(bDocelowa ? "listaDocelowa" : "listaZrodlowa");
    m_pLista = new QListWidget(this);
    m_pLista->setObjectName("lista");
    m_pLista->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pLista->setMinimumWidth(230);
    m_pLista->setAccessibleName(bDocelowa ? QStringLiteral("Pliki docelowe")
                                          : QStringLiteral("Pliki źródłowe"));
    connect(m_pLista, &QListWidget::currentRowChanged, this, [this](int i) {
        if (i >= 0)
            emit wybrano(i);
    });

    const QString astrTeksty[3] = {bDocelowa ? QStringLiteral("Wskaż katalog")
                                             : QStringLiteral("Dodaj plik"),
                                   QStringLiteral("Usuń plik"), QStringLiteral("Usuń wszystkie")};
    auto* pPrzyciski = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        m_apPrzyciski[i] = new QPushButton(astrTeksty[i], this);
        pPrzyciski->addWidget(m_apPrzyciski[i]);
    }
    m_apPrzyciski[0]->setObjectName(bDocelowa ? "wskazKatalog" : "dodajPlik");
    m_apPrzyciski[1]->setObjectName("usunPlik");
    m_apPrzyciski[2]->setObjectName("usunWszystkie");
    connect(m_apPrzyciski[0], &QPushButton::clicked, this, &CListaPlikowDlg::pierwszy);
    connect(m_apPrzyciski[1], &QPushButton::clicked, this, &CListaPlikowDlg::usunPlik);
    connect(m_apPrzyciski[2], &QPushButton::clicked, this, &CListaPlikowDlg::usunWszystkie);

    auto* pUklad = new QVBoxLayout(this);
    pUklad->setContentsMargins(0, 0, 0, 0);
    pUklad->addWidget(m_pLista);
    pUklad->addLayout(pPrzyciski);
    setAcceptDrops(!bDocelowa);
}

void CListaPlikowDlg::Zaznacz(int i) {
    const QSignalBlocker blokada(m_pLista);
    m_pLista->setCurrentRow(i);
}

void CListaPlikowDlg::dragEnterEvent(QDragEnterEvent* pZdarzenie) {
    if (!PlikiLokalne(pZdarzenie->mimeData()).isEmpty())
        pZdarzenie->acceptProposedAction();
}

void CListaPlikowDlg::dropEvent(QDropEvent* pZdarzenie) {
    const QStringList astrPliki = PlikiLokalne(pZdarzenie->mimeData());
    if (astrPliki.isEmpty())
        return;
    pZdarzenie->acceptProposedAction();
    emit upuszczono(astrPliki);
}
