// Takes the screenshots of the window for the README and the manual: the real main window on
// the bundled example, each tab, an attribute page with ticks, the progress dialog in the
// middle of a run and the report of a comparison. Started by scripts/screenshots.sh under Xvfb;
// arguments: the target folder and, optionally, a suffix for the names (the pictures at another
// display scaling), which also adds a picture of the whole screen.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTextBrowser>
#include <QThread>
#include <QWindow>

#include <cstdio>
#include <functional>

#include "dialogi_testowe.h"
#include "opcje/konfiguracja.h"
#include "ui/aplikacja.h"
#include "ui/glowny_dlg.h"
#include "ui/porownanie_dlg.h"
#include "ui/postep_dlg.h"
#include "swde/kodowanie.h"

namespace {

// Serves events until the condition holds, and a little longer, so that the window manager and
// the X server have drawn everything.
void Czekaj(const std::function<bool()>& fWarunek) {
    QElapsedTimer zegar;
    zegar.start();
    while (!fWarunek() && zegar.elapsed() < 20000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    zegar.restart();
    while (zegar.elapsed() < 400) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

// Whether the picture shows something: a window drawn has many colours, a blank one a few.
bool CzyNarysowany(const QImage& obraz) {
    QSet<QRgb> kolory;
    for (int y = 0; y < obraz.height(); y += 7)
        for (int x = 0; x < obraz.width(); x += 7)
            kolory.insert(obraz.pixel(x, y));
    return obraz.width() > 200 && obraz.height() > 200 && kolory.size() > 8;
}

bool Zrzut(const QWidget& okno, const QString& strPlik) {
    const QRect obszar = okno.frameGeometry();
    const QPixmap obraz = okno.screen()->grabWindow(0, obszar.x(), obszar.y(), obszar.width(),
                                                     obszar.height());
    const bool bZapisano = CzyNarysowany(obraz.toImage()) && obraz.save(strPlik);
    std::printf("%s %s\n", bZapisano ? "Saved" : "Could not save", qPrintable(strPlik));
    return bZapisano;
}

} // namespace

int main(int argc, char** argv) {
    QApplication aplikacja(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: zrzuty_okna FOLDER [SUFFIX]\n");
        return 2;
    }
    const QString strDopisek = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    auto nazwa = [&strDopisek](const char* szNazwa) {
        return QString::fromLatin1(szNazwa) + strDopisek + QStringLiteral(".png");
    };
    PrzygotujAplikacje(aplikacja);
    const QDir cel(QString::fromLocal8Bit(argv[1]));
    // A folder with a plain name: its path shows in the pictures.
    QDir tu(QDir::temp().filePath(QStringLiteral("Dane SWDE")));
    tu.removeRecursively();
    tu.mkpath(QStringLiteral("."));
    const QString strPrzyklad = QStringLiteral(KELVOR_SRC_DIR "/examples/obreb_przykladowy.swd");
    const QStringList astrZrodla = {tu.filePath("obreb_0001.swd"), tu.filePath("obreb_0002.swd")};
    for (const QString& strZrodlo : astrZrodla)
        QFile::copy(strPrzyklad, strZrodlo);
    // The example's settings, personal attributes ticked on the page of persons.
    COpcjeFiltrowania opcje;
    opcje.UstawMaske(0, 1027);
    opcje.UstawMaske(TypOSF, 62);
    QFile konfiguracja(tu.filePath("KELVOR.cfg"));
    konfiguracja.open(QIODevice::WriteOnly);
    konfiguracja.write(QByteArray::fromStdString(TekstKonfiguracji(opcje)));
    konfiguracja.close();

    CDialogiTestowe dialogi;
    dialogi.m_fPytanie = [](const QString&) { return true; };
    CGlownyDlg okno(dialogi, tu.filePath("kelvor"));
    okno.show();
    Czekaj([&] {
        return okno.windowHandle() && okno.windowHandle()->isExposed() &&
               okno.frameGeometry().width() > 200;
    });
    okno.DodajPliki(astrZrodla);
    okno.findChild<QWidget*>("listaZrodlowa")->findChild<QListWidget*>("lista")->setCurrentRow(0);

    bool bWszystkie = true;
    const char* const aszZakladki[] = {"zakladka_zrodla", "zakladka_cele", "zakladka_obiekty",
                                       "zakladka_atrybuty"};
    for (int n = 0; n < 4; ++n) {
        okno.PokazZakladke(n);
        if (n == ZakladkaAtrybuty)
            okno.PokazStrone(4);
        Czekaj([] { return true; });
        bWszystkie &= Zrzut(okno, cel.filePath(nazwa(aszZakladki[n])));
    }
    // A page greyed out by a ticked group says why.
    okno.PokazStrone(TypBUD);
    Czekaj([] { return true; });
    bWszystkie &= Zrzut(okno, cel.filePath(nazwa("strona_nieaktywna")));
    if (!strDopisek.isEmpty()) {
        okno.PokazZakladke(ZakladkaCele);
        Czekaj([] { return true; });
        const QPixmap ekran = okno.screen()->grabWindow(0);
        const bool bZapisano = ekran.save(cel.filePath(nazwa("ekran")));
        std::printf("%s %s\n", bZapisano ? "Saved" : "Could not save",
                    qPrintable(cel.filePath(nazwa("ekran"))));
        bWszystkie &= bZapisano;
    }

    okno.PokazZakladke(ZakladkaZrodla);
    okno.UstawPrzystanek({1, kodowanie::T("Filtrowanie obiektów (2/4)"), 450});
    bool bWstrzymano = false;
    okno.Przetwarzaj();
    QObject::connect(okno.Watek(), &CKelvorThread::wstrzymano, [&] { bWstrzymano = true; });
    Czekaj([&] { return bWstrzymano && okno.PostepDlg() && okno.PostepDlg()->isVisible(); });
    bWszystkie &= bWstrzymano && Zrzut(okno, cel.filePath(nazwa("postep")));
    okno.Anuluj();
    Czekaj([&] { return !okno.CzyFiltrowanie(); });

    // The report of "Porównaj pliki...": the example against a copy with a parcel's area and
    // one land-use contour changed.
    QFile przyklad(strPrzyklad);
    przyklad.open(QIODevice::ReadOnly);
    QFile zmieniony(tu.filePath("obreb_0001_nowy.swd"));
    zmieniony.open(QIODevice::WriteOnly);
    zmieniony.write(przyklad.readAll()
                        .replace("D,G5PEW,D,700;", "D,G5PEW,D,750;")
                        .replace("D,G5OFU,D,R;", "D,G5OFU,D,Bi;"));
    zmieniony.close();
    dialogi.m_pliki = {{astrZrodla[0]}, {zmieniony.fileName()}};
    okno.PorownajPliki();
    Czekaj([&] { return okno.RaportPorownania() && okno.RaportPorownania()->isVisible(); });
    // The parcel view at the top, as a clerk scrolls to it.
    if (auto* pWidok = okno.RaportPorownania() ? okno.RaportPorownania()->findChild<QTextBrowser*>()
                                               : nullptr;
        pWidok && pWidok->find(QStringLiteral("Działki"))) {
        QScrollBar* pPasek = pWidok->verticalScrollBar();
        pPasek->setValue(pPasek->value() + pWidok->cursorRect().top() - 8);
        QTextCursor kursor = pWidok->textCursor();
        kursor.clearSelection();
        pWidok->setTextCursor(kursor);
        Czekaj([] { return true; });
    }
    bWszystkie &= okno.RaportPorownania() &&
                  Zrzut(*okno.RaportPorownania(), cel.filePath(nazwa("porownanie")));
    tu.removeRecursively();
    return bWszystkie ? 0 : 1;
}
