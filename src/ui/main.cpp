// kelvor: the desktop window.
#include <QApplication>
#include <QIcon>

#include "ui/aplikacja.h"
#include "ui/dialogi.h"
#include "ui/glowny_dlg.h"

int main(int argc, char** argv) {
    QApplication aplikacja(argc, argv);
    PrzygotujAplikacje(aplikacja);
    QIcon ikona;
    for (int nRozmiar : {16, 24, 32, 48, 64, 128, 256})
        ikona.addFile(QString(":/ikona/kelvor_%1.png").arg(nRozmiar));
    aplikacja.setWindowIcon(ikona);
    CDialogiQt dialogi;
    CGlownyDlg okno(dialogi, QApplication::applicationFilePath());
    okno.show();
    return aplikacja.exec();
}
