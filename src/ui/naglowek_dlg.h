// The header pages beside the file lists: the source header read-only, the target header
// editable with its file name and a date field with a drop-down calendar.
#pragma once

#include <QDate>
#include <QDateEdit>
#include <QWidget>

#include "swde/naglowek.h"

class QLineEdit;
class QPushButton;

// A date field that can show nothing; it remembers the last date it showed.
class CPoleDaty : public QDateEdit {
    Q_OBJECT
public:
    explicit CPoleDaty(QWidget* pRodzic);
    void Wyczysc();
    void Ustaw(const QDate& data);
    bool CzyPuste() const { return date() == minimumDate(); }
    // The date shown, or the last one shown while the field is empty.
    QDate Data() const { return m_dataOstatnia; }

private:
    QDate m_dataOstatnia;
};

// The date a header's date text stands for: tokens split at blanks, hyphens, backslashes,
// dots, tabs and line breaks, taken as year, month and day the way atoi reads them. bJest is
// false for a text without any token; data is invalid for a text that is no calendar date.
struct CDataNaglowka {
    bool bJest = false;
    QDate data;
};
CDataNaglowka DataZTekstu(const std::string& strTekst);

class CSWDEDlg : public QWidget {
    Q_OBJECT
public:
    CSWDEDlg(bool bDocelowy, QWidget* pRodzic);

    // Shows the pair: the source's path and header values, or the target's.
    void Pokaz(const CParaPlikow& para);
    // Empties every field, the date's display included.
    void Wyczysc();
    // The target page: enables or disables the file name field and the 13 header fields.
    void WlaczPola(bool bTak);

    QLineEdit* PolePliku() const { return m_pPlik; }
    CPoleDaty* PoleDaty() const { return m_pData; }
    QLineEdit* Pole(EPoleNaglowka ePole) const { return m_apPola[ePole]; }
    // The target page's "Zastosuj do wszystkich"; none on the source page.
    QPushButton* PrzyciskZastosuj() const { return m_pZastosuj; }

signals:
    // The user changed a header value (the date as "%d-%02d-%02d").
    void zmieniono(EPoleNaglowka ePole, const QString& strWartosc);
    // The file name field lost the keyboard focus to another control of the window.
    void opuszczonoPlik();
    void zastosujDoWszystkich();

protected:
    bool eventFilter(QObject* pObiekt, QEvent* pZdarzenie) override;

private:
    void ZapiszDate();

    bool m_bDocelowy;
    QLineEdit* m_pPlik;
    QLineEdit* m_apPola[LICZBA_POL_NAGLOWKA] = {};
    CPoleDaty* m_pData = nullptr; // target page only
    QPushButton* m_pZastosuj = nullptr; // target page only
};
