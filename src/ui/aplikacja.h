// What the application sets up before its window: Qt's Polish translation, the Polish locale
// and the program's icon.
#pragma once

#include <QIcon>

class QApplication;

// Loads Qt's own Polish translation, so that standard buttons and dialogs say "Tak", "Nie",
// "Anuluj", and sets the Polish locale (dates, the calendar). False when the translation was
// not found (the program still works, with English standard buttons).
bool PrzygotujAplikacje(QApplication& aplikacja);

// The program's icon: a sheet of data with a filter funnel, drawn in the sizes a desktop uses.
QIcon IkonaProgramu();
