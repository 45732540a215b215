// One run of the real main window, for the benchmark: the configuration is the window's own
// KELVOR.cfg, the source is added and the target folder chosen through the window's dialogs
// (answered here), "Przetwarzaj" is pressed, and the time from the press to the hand-back at the
// end of the run goes to stderr as "okno: <seconds>". Run it with QT_QPA_PLATFORM=offscreen.
//
//   bench_okno CONFIG SOURCE TARGET_FOLDER
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <cstdio>

#include "ui/dialogi.h"
#include "ui/glowny_dlg.h"

namespace {

// Dialogs that answer at once: the source, the folder, Yes to every question; the messages
// are kept, the last one being the run's summary.
class CDialogiBezUzytkownika : public CDialogi {
public:
    CDialogiBezUzytkownika(QString strZrodlo, QString strKatalog)
        : m_strZrodlo(std::move(strZrodlo)), m_strKatalog(std::move(strKatalog)) {}

    void Komunikat(QWidget*, const QString& strTekst, EIkona, const QString&) override {
        m_strOstatni = strTekst;
    }
    bool Pytanie(QWidget*, const QString&, const QString&) override { return true; }
    void Komunikat(QWidget*, const CKomunikatZLista& k) override { m_strOstatni = k.m_strPrzed; }
    bool Pytanie(QWidget*, const CKomunikatZLista&) override { return true; }
    QStringList WybierzPliki(QWidget*, const CWyborPlikow&) override { return {m_strZrodlo}; }
    QString WybierzKatalog(QWidget*, const QString&, const QString&) override { return m_strKatalog; }
    bool OtworzDokument(const QString&) override { return false; }

    QString m_strOstatni;

private:
    QString m_strZrodlo, m_strKatalog;
};

} // namespace

int main(int argc, char** argv) {
    QApplication aplikacja(argc, argv);
    const QStringList astrArgumenty = QCoreApplication::arguments();
    if (astrArgumenty.size() != 4) {
        std::fprintf(stderr, "usage: bench_okno CONFIG SOURCE TARGET_FOLDER\n");
        return 2;
    }
    // The window's folder, with the configuration as its KELVOR.cfg.
    const QString strFolder = QDir(astrArgumenty[3]).filePath(QStringLiteral("okno"));
    QDir().mkpath(strFolder);
    QFile::remove(QDir(strFolder).filePath(QStringLiteral("KELVOR.cfg")));
    if (!QFile::copy(astrArgumenty[1], QDir(strFolder).filePath(QStringLiteral("KELVOR.cfg"))))
        return 2;
    CDialogiBezUzytkownika dialogi(astrArgumenty[2], astrArgumenty[3]);
    CGlownyDlg okno(dialogi, QDir(strFolder).filePath(QStringLiteral("kelvor")));
    okno.show();
    QCoreApplication::processEvents();
    okno.DodajPlikiZrodlowe();
    okno.WskazKatalogDocelowy();
    if (okno.Pary().size() != 1)
        return 2;

    const auto start = std::chrono::steady_clock::now();
    okno.Przetwarzaj();
    QEventLoop petla;
    QTimer zegar;
    QObject::connect(&zegar, &QTimer::timeout, &petla, [&] {
        if (!okno.CzyFiltrowanie())
            petla.quit();
    });
    zegar.start(5);
    petla.exec();
    const std::chrono::duration<double> czas = std::chrono::steady_clock::now() - start;
    std::fprintf(stderr, "okno: %.3f\n", czas.count());
    // The summary must say that no file failed.
    return dialogi.m_strOstatni.endsWith(QStringLiteral(": 0")) ? 0 : 1;
}
