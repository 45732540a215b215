#include "ui/zakladka_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "opcje/opcje.h"
#include "opcje/slownik.h"
#include "ui/tekst.h"

namespace {

// The captions of the page's boxes in bit order, and the title of its frame.
std::vector<QString> Podpisy(int n) {
    std::vector<QString> astr;
    if (n == 0) {
        for (int nBit = 0; nBit < LICZBA_GRUP; ++nBit)
            astr.push_back(Q(OpisGrupy(nBit).m_strPodpis));
    } else {
        for (const COpisAtrybutu& atrybut : OpisTypu(n).m_atrybuty)
            astr.push_back(Q(atrybut.m_strPodpis));
    }
    return astr;
}

QString TytulRamki(int n) {
    return n == 0 ? QStringLiteral("Usuwanie z plików docelowych") : Q(OpisTypu(n).m_strPodpis);
}

} // namespace

CZakladkaDlg::CZakladkaDlg(int n, QWidget* pRodzic) : QWidget(pRodzic), m_n(n) {
    setObjectName(QStringLiteral("strona%1").arg(n));
    auto* pRamka = new QGroupBox(TytulRamki(n), this);
    auto* pPola = new QVBoxLayout(pRamka);
    m_pPowod = new QLabel(pRamka);
    m_pPowod->setObjectName("powod");
    m_pPowod->setWordWrap(true);
    m_pPowod->hide();
    pPola->addWidget(m_pPowod);
    const std::vector<QString> astrPodpisy = Podpisy(n);
    for (std::size_t i = 0; i < astrPodpisy.size(); ++i) {
        auto* pPole = new QCheckBox(astrPodpisy[i], pRamka);
        pPole->setObjectName(QStringLiteral("pole%1").arg(i));
        pPole->installEventFilter(this);
        const int nIndeks = static_cast<int>(i);
        connect(pPole, &QCheckBox::clicked, this, [this, nIndeks] { emit kliknieto(m_n, nIndeks); });
        pPola->addWidget(pPole);
        m_apPola.push_back(pPole);
    }
    pPola->addStretch();

    auto* pPrzyciski = new QHBoxLayout;
    pPrzyciski->addStretch();
    const QString astrTeksty[2] = {QStringLiteral("Włącz wszystkie"),
                                   QStringLiteral("Wyłącz wszystkie")};
    for (int i = 0; i < 2; ++i) {
        m_apPrzyciski[i] = new QPushButton(astrTeksty[i], pRamka);
        m_apPrzyciski[i]->setObjectName(i == 0 ? "wlaczWszystkie" : "wylaczWszystkie");
        const bool bStan = i == 0;
        connect(m_apPrzyciski[i], &QPushButton::clicked, this,
                [this, bStan] { emit wszystkie(m_n, bStan); });
        pPrzyciski->addWidget(m_apPrzyciski[i]);
    }
    pPrzyciski->addStretch();
    pPola->addLayout(pPrzyciski);

    auto* pUklad = new QVBoxLayout(this);
    pUklad->setContentsMargins(0, 0, 0, 0);
    pUklad->addWidget(pRamka);
}

void CZakladkaDlg::Pokaz(const COpcjeFiltrowania& opcje) {
    const bool bWlaczona = opcje.CzyStronaWlaczona(m_n);
    for (int i = 0; i < LiczbaAtrybutow(); ++i) {
        QCheckBox* pPole = Pole(i);
        const QSignalBlocker blokada(pPole);
        pPole->setChecked(opcje.CzyAtrybutZaznaczony(m_n, i));
        pPole->setEnabled(bWlaczona);
    }
    for (QPushButton* pPrzycisk : m_apPrzyciski)
        pPrzycisk->setEnabled(bWlaczona);
    // A greyed page names the ticked groups that remove its objects whole.
    QStringList astrGrupy;
    for (int nBit = 0; nBit < LICZBA_GRUP && !bWlaczona; ++nBit) {
        const COpisGrupy& grupa = OpisGrupy(nBit);
        if (opcje.CzyGrupaZaznaczona(nBit) &&
            std::find(grupa.m_anStrony.begin(), grupa.m_anStrony.end(), m_n) !=
                grupa.m_anStrony.end())
            astrGrupy << QStringLiteral("„") + Q(grupa.m_strPodpis) + QStringLiteral("”");
    }
    m_pPowod->setText(
        astrGrupy.isEmpty()
            ? QStringLiteral("Strona nieaktywna.")
            : QStringLiteral("Strona nieaktywna: obiekty tego typu są usuwane w całości, bo na "
                             "zakładce „Usuwanie obiektów” zaznaczono: ") +
                  astrGrupy.join(QStringLiteral(", ")) + QStringLiteral("."));
    m_pPowod->setVisible(!bWlaczona);
}

// A left mouse press on a box marks the options as changed before the box sees it; a tick
// from the keyboard does not.
bool CZakladkaDlg::eventFilter(QObject* pObiekt, QEvent* pZdarzenie) {
    if (pZdarzenie->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(pZdarzenie)->button() == Qt::LeftButton &&
        static_cast<QWidget*>(pObiekt)->isEnabled())
        emit nacisnietoMysza();
    return QWidget::eventFilter(pObiekt, pZdarzenie);
}

CAtrybutyDlg::CAtrybutyDlg(QWidget* pRodzic) : QWidget(pRodzic) {
    setObjectName("typy");
    m_pLista = new QListWidget(this);
    m_pLista->setObjectName("lista");
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        m_pLista->addItem(Q(OpisTypu(n).m_strPodpis));
    m_pLista->setMinimumWidth(m_pLista->sizeHintForColumn(0) + 30);
    m_pLista->setAccessibleName(QStringLiteral("Typy obiektów"));
    connect(m_pLista, &QListWidget::currentRowChanged, this, [this](int i) {
        if (i >= 0)
            emit wybrano(i + 1);
    });
    auto* pUklad = new QVBoxLayout(this);
    pUklad->setContentsMargins(0, 0, 0, 0);
    pUklad->addWidget(m_pLista);
}
