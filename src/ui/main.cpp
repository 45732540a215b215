// kelvor: the desktop window.
#include <QApplication>

#include "ui/aplikacja.h"
#include "ui/dialogi.h"
#include "ui/glowny_dlg.h"

int main(int argc, char** argv) {
    QApplication aplikacja(argc, argv);
    PrzygotujAplikacje(aplikacja);
    CDialogiQt dialogi;
    CGlownyDlg okno(dialogi, QApplication::applicationFilePath());
    okno.show();
    return aplikacja.exec();
}
