// Helpers of the window tests: a scratch folder that stands for the program's folder (its
// KELVOR.cfg and help files), the test dialogs, the real main window, and SWDE files to add.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <utility>

#include "dialogi_testowe.h"
#include "opcje/konfiguracja.h"
#include "swde/kodowanie.h"
#include "ui/glowny_dlg.h"
#include "ui/tekst.h"

// The bundled example precinct with the given header lines (code page 1250 text, written as
// ISO-8859-2) in place of its own.
inline QByteArray PlikSWDE(const QString& strNaglowek = QStringLiteral("NS,TN,Starostwo")) {
    static const QByteArray przyklad = [] {
        QFile plik(QStringLiteral(KELVOR_SRC_DIR "/examples/obreb_przykladowy.swd"));
        if (!plik.open(QIODevice::ReadOnly))
            qFatal("no example file");
        return plik.readAll();
    }();
    const qsizetype nPoczatek = przyklad.indexOf("SN;\r\n") + 5;
    const qsizetype nKoniec = przyklad.indexOf("SX;\r\n", nPoczatek);
    const std::string strLinie = kodowanie::Cp1250DoIso88592(Cp(strNaglowek + "\n"));
    return przyklad.left(nPoczatek) + QByteArray::fromStdString(strLinie).replace("\n", "\r\n") +
           przyklad.mid(nKoniec);
}

// A configuration text with these object groups and attribute masks (type, mask) ticked.
inline std::string Konfiguracja(int nObiekty, std::initializer_list<std::pair<int, int>> maski = {}) {
    COpcjeFiltrowania opcje;
    opcje.UstawMaske(0, nObiekty);
    for (const auto& [nTyp, nMaska] : maski)
        opcje.UstawMaske(nTyp, nMaska);
    return TekstKonfiguracji(opcje);
}

class CStanowisko {
public:
    // strKonfiguracja: the text of KELVOR.cfg beside the program (code page 1250), none for no
    // such file; strProgram: the program's folder inside the scratch folder (empty: its root).
    explicit CStanowisko(const std::optional<std::string>& strKonfiguracja = std::nullopt,
                         const QString& strProgram = {}) {
        const QString strKatalog = strProgram.isEmpty() ? QString() : strProgram + '/';
        if (strKonfiguracja)
            Zapisz(strKatalog + "KELVOR.cfg", QByteArray::fromStdString(*strKonfiguracja));
        m_pOkno = std::make_unique<CGlownyDlg>(m_dialogi, Sciezka(strKatalog + "kelvor"));
        m_pOkno->show();
        m_pOkno->activateWindow();
        if (!QTest::qWaitForWindowActive(m_pOkno.get()))
            qFatal("the window did not become active");
        QCoreApplication::processEvents(); // what the window says once it is shown
    }

    CGlownyDlg& Okno() { return *m_pOkno; }
    CGlownyDlg* operator->() { return m_pOkno.get(); }
    QString Sciezka(const QString& strNazwa) const {
        return QDir::toNativeSeparators(QDir(m_katalog.path()).filePath(strNazwa));
    }
    QString Zapisz(const QString& strNazwa, const QByteArray& tresc = PlikSWDE()) const {
        const QString strSciezka = Sciezka(strNazwa);
        QDir().mkpath(QFileInfo(strSciezka).absolutePath());
        QFile plik(strSciezka);
        if (!plik.open(QIODevice::WriteOnly) || plik.write(tresc) != tresc.size())
            qFatal("cannot write %s", qPrintable(strSciezka));
        return strSciezka;
    }
    QByteArray Czytaj(const QString& strNazwa) const {
        QFile plik(Sciezka(strNazwa));
        return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
    }
    bool Istnieje(const QString& strNazwa) const { return QFile::exists(Sciezka(strNazwa)); }
    QStringList Pliki() const { return QDir(m_katalog.path()).entryList(QDir::Files, QDir::Name); }

    // Writes the files and adds them through the file dialog.
    void Dodaj(const QStringList& astrNazwy) {
        QStringList astrSciezki;
        for (const QString& strNazwa : astrNazwy)
            astrSciezki << (Istnieje(strNazwa) ? Sciezka(strNazwa) : Zapisz(strNazwa));
        m_dialogi.m_pliki.push_back(astrSciezki);
        m_pOkno->DodajPlikiZrodlowe();
    }

    // Runs kelvor-cli with -c, -o and the source; its exit status.
    int Konsola(const QString& strKonfiguracja, const QString& strCel, const QString& strZrodlo) const {
        QProcess proces;
        proces.setProcessChannelMode(QProcess::MergedChannels);
        proces.start(QStringLiteral(KELVOR_BIN_DIR "/kelvor-cli"),
                     {"-q", "-c", Sciezka(strKonfiguracja), "-o", Sciezka(strCel), Sciezka(strZrodlo)});
        proces.waitForFinished(60000);
        return proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1;
    }

    template <class T>
    T* Element(const char* szNazwa, const char* szRodzic = nullptr) {
        QObject* pRodzic = m_pOkno.get();
        if (szRodzic)
            pRodzic = m_pOkno->findChild<QWidget*>(szRodzic);
        T* p = pRodzic ? pRodzic->findChild<T*>(szNazwa) : nullptr;
        if (!p)
            qFatal("no element %s", szNazwa);
        return p;
    }
    QListWidget* Lista(bool bDocelowa = false) {
        return Element<QListWidget>("lista", bDocelowa ? "listaDocelowa" : "listaZrodlowa");
    }

    // Starts a run and waits until its worker has handed back and gone.
    void Filtruj() {
        m_pOkno->Przetwarzaj();
        CzekajNaKoniec();
    }
    void CzekajNaKoniec() {
        QVERIFY(QTest::qWaitFor([this] { return !m_pOkno->CzyFiltrowanie(); }, 30000));
    }

    QTemporaryDir m_katalog;
    CDialogiTestowe m_dialogi;

private:
    std::unique_ptr<CGlownyDlg> m_pOkno;
};
