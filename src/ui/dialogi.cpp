#include "ui/dialogi.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

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
