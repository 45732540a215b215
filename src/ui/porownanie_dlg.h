// The report of a comparison in a read-only view, the same page kelvor-cli --diff --html
// writes, and "Zapisz raport..." to keep it as HTML or as a CSV table.
#pragma once

#include <QDialog>

#include "filtr/porownanie.h"

class CDialogi;
class QTextBrowser;

class CRaportPorownaniaDlg : public QDialog {
    Q_OBJECT
public:
    CRaportPorownaniaDlg(CDialogi& dialogi, CWynikPorownania wynik, QWidget* pRodzic);

    const CWynikPorownania& Wynik() const { return m_wynik; }
    // "Zapisz raport...": the file dialog; a name ending in ".csv" (the CSV filter gives it one)
    // gets the table, any other the page; an existing file is replaced only after a yes, and
    // neither compared file ever.
    void ZapiszRaport();

private:
    void Komunikat(const QString& strTekst);

    CDialogi& m_dialogi;
    const CWynikPorownania m_wynik;
    QTextBrowser* m_pWidok;
};
