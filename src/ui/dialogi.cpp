#include "ui/dialogi.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>

namespace {

// The list dialog: its icon at the left, the text, the list and the text below it at the
// right, the buttons at the bottom. No taller or wider than most of the screen it opens on:
// the list scrolls instead.
bool PokazListe(QWidget* pRodzic, const CKomunikatZLista& k, bool bPytanie) {
    QDialog okno(pRodzic);
    okno.setWindowTitle(k.m_strTytul);
    okno.setObjectName("komunikatZLista");
    auto* pUklad = new QGridLayout(&okno);
    QStyle::StandardPixmap eIkona = QStyle::SP_CustomBase;
    if (k.m_eIkona == EIkona::Ostrzezenie)
        eIkona = QStyle::SP_MessageBoxWarning;
    else if (k.m_eIkona == EIkona::Informacja)
        eIkona = QStyle::SP_MessageBoxInformation;
    else if (bPytanie)
        eIkona = QStyle::SP_MessageBoxQuestion;
    if (eIkona != QStyle::SP_CustomBase) {
        auto* pIkona = new QLabel(&okno);
        const int nBok = okno.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &okno);
        pIkona->setPixmap(okno.style()->standardIcon(eIkona, nullptr, &okno).pixmap(nBok, nBok));
        pUklad->addWidget(pIkona, 0, 0, Qt::AlignTop);
    }
    auto tekst = [&okno, pUklad](const QString& str, int nWiersz) {
        if (str.isEmpty())
            return;
        auto* pTekst = new QLabel(str, &okno);
        pTekst->setTextInteractionFlags(Qt::TextSelectableByMouse);
        pUklad->addWidget(pTekst, nWiersz, 1);
    };
    tekst(k.m_strPrzed, 0);
    auto* pLista = new QListWidget(&okno);
    pLista->setObjectName("lista");
    pLista->setAccessibleName(k.m_strPrzed.section('\n', -1));
    for (const QString& str : k.m_astrLista) {
        auto* pWiersz = new QListWidgetItem(str, pLista);
        pWiersz->setToolTip(str);
    }
    pLista->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    pUklad->addWidget(pLista, 1, 1);
    pUklad->setRowStretch(1, 1);
    tekst(k.m_strPo, 2);
    auto* pPrzyciski = new QDialogButtonBox(&okno);
    if (bPytanie) {
        pPrzyciski->addButton(QStringLiteral("&Tak"), QDialogButtonBox::YesRole);
        QPushButton* pNie = pPrzyciski->addButton(QStringLiteral("&Nie"), QDialogButtonBox::NoRole);
        pNie->setDefault(true);
        pNie->setFocus();
        QObject::connect(pPrzyciski, &QDialogButtonBox::clicked, &okno,
                         [&okno, pNie](QAbstractButton* p) { okno.done(p == pNie ? 0 : 1); });
    } else {
        pPrzyciski->addButton(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
        QObject::connect(pPrzyciski, &QDialogButtonBox::accepted, &okno, &QDialog::accept);
    }
    pUklad->addWidget(pPrzyciski, 3, 0, 1, 2);

    const QScreen* pEkran = pRodzic ? pRodzic->screen() : QApplication::primaryScreen();
    const QRect obszar = pEkran ? pEkran->availableGeometry() : QRect(0, 0, 800, 600);
    const int nSzerokosc = pLista->sizeHintForColumn(0) + 4 * pLista->frameWidth() + 80;
    const int nWysokosc = pLista->sizeHintForRow(0) * static_cast<int>(k.m_astrLista.size()) +
                          2 * pLista->frameWidth() + 8;
    pLista->setMinimumSize(std::min(std::max(nSzerokosc, 360), obszar.width() * 3 / 4),
                           std::min(std::max(nWysokosc, 60), obszar.height() / 2));
    okno.setMaximumSize(obszar.size() * 9 / 10);
    return okno.exec() == 1;
}

} // namespace

void CDialogiQt::Komunikat(QWidget* pRodzic, const QString& strTekst, EIkona eIkona,
                           const QString& strTytul) {
    QMessageBox okno(pRodzic);
    okno.setWindowTitle(strTytul);
    okno.setText(strTekst);
    switch (eIkona) {
    case EIkona::Informacja:
        okno.setIcon(QMessageBox::Information);
        break;
    case EIkona::Ostrzezenie:
        okno.setIcon(QMessageBox::Warning);
        break;
    case EIkona::Program:
        if (pRodzic != nullptr)
            okno.setIconPixmap(pRodzic->windowIcon().pixmap(48));
        break;
    case EIkona::Brak:
        break;
    }
    okno.setStandardButtons(QMessageBox::Ok);
    okno.exec();
}

bool CDialogiQt::Pytanie(QWidget* pRodzic, const QString& strTekst, const QString& strTytul) {
    return QMessageBox::question(pRodzic, strTytul, strTekst,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void CDialogiQt::Komunikat(QWidget* pRodzic, const CKomunikatZLista& komunikat) {
    PokazListe(pRodzic, komunikat, false);
}

bool CDialogiQt::Pytanie(QWidget* pRodzic, const CKomunikatZLista& pytanie) {
    return PokazListe(pRodzic, pytanie, true);
}

QStringList CDialogiQt::WybierzPliki(QWidget* pRodzic, const CWyborPlikow& wybor) {
    QFileDialog okno(pRodzic, wybor.m_strTytul, wybor.m_strKatalog, wybor.m_strFiltr);
    const bool bZapis = wybor.m_eTryb == ETrybPlikow::Zapisz;
    okno.setAcceptMode(bZapis ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    okno.setFileMode(bZapis ? QFileDialog::AnyFile
                     : wybor.m_eTryb == ETrybPlikow::OtworzWiele ? QFileDialog::ExistingFiles
                                                                 : QFileDialog::ExistingFile);
    // The window asks itself before a file is replaced, in its own words.
    okno.setOption(QFileDialog::DontConfirmOverwrite);
    okno.setDefaultSuffix(wybor.m_strRozszerzenie);
    // A name typed without an extension gets that of the filter chosen ("*.csv": ".csv"); a
    // filter of any file leaves the default.
    QObject::connect(&okno, &QFileDialog::filterSelected, &okno,
                     [&okno, strDomyslne = wybor.m_strRozszerzenie](const QString& strFiltr) {
                         const QRegularExpressionMatch dopasowanie =
                             QRegularExpression(QStringLiteral("\\(\\*\\.(\\w+)")).match(strFiltr);
                         okno.setDefaultSuffix(dopasowanie.hasMatch() ? dopasowanie.captured(1)
                                                                      : strDomyslne);
                     });
    if (!wybor.m_strNazwa.isEmpty())
        okno.selectFile(wybor.m_strNazwa);
    if (okno.exec() != QDialog::Accepted)
        return {};
    return okno.selectedFiles();
}

QString CDialogiQt::WybierzKatalog(QWidget* pRodzic, const QString& strTytul,
                                   const QString& strKatalog) {
    return QFileDialog::getExistingDirectory(pRodzic, strTytul, strKatalog);
}

bool CDialogiQt::OtworzDokument(const QString& strSciezka) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(strSciezka));
}
