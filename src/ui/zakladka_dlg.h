// The pages where the user ticks what to remove: the object tab (page 0, the 11 object groups)
// and the 25 attribute pages, all built from the options vocabulary by one class; and the list
// of the 25 types that chooses the attribute page shown.
#pragma once

#include <QWidget>

#include <vector>

class COpcjeFiltrowania;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

class CZakladkaDlg : public QWidget {
    Q_OBJECT
public:
    // n: 0 for the object tab, 1 to 25 for the attribute page of that type.
    CZakladkaDlg(int n, QWidget* pRodzic);

    int LiczbaAtrybutow() const { return static_cast<int>(m_apPola.size()); }
    QCheckBox* Pole(int i) const { return m_apPola[static_cast<std::size_t>(i)]; }
    // 0: "Włącz wszystkie", 1: "Wyłącz wszystkie".
    QPushButton* Przycisk(int i) const { return m_apPrzyciski[i]; }
    // Why the page is greyed out (hidden while it is active).
    QLabel* Powod() const { return m_pPowod; }
    // Redraws the ticks and the page state from the options.
    void Pokaz(const COpcjeFiltrowania& opcje);

signals:
    // A box was toggled (by mouse or keyboard); the options decide what follows.
    void kliknieto(int n, int i);
    // "Włącz wszystkie" (true) or "Wyłącz wszystkie" (false).
    void wszystkie(int n, bool bStan);
    // The left mouse button was pressed on one of the boxes.
    void nacisnietoMysza();

protected:
    bool eventFilter(QObject* pObiekt, QEvent* pZdarzenie) override;

private:
    int m_n;
    std::vector<QCheckBox*> m_apPola;
    QPushButton* m_apPrzyciski[2];
    QLabel* m_pPowod = nullptr;
};

// The list of the 25 types on the tab "Usuwanie atrybutów".
class CAtrybutyDlg : public QWidget {
    Q_OBJECT
public:
    explicit CAtrybutyDlg(QWidget* pRodzic);
    QListWidget* Lista() const { return m_pLista; }

signals:
    // Type n (1 to 25) was selected.
    void wybrano(int n);

private:
    QListWidget* m_pLista;
};
