// The file list pages of the tabs "Pliki źródłowe" and "Pliki docelowe": both show the source
// file names of the pairs, row i being pair i.
#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

class CListaPlikowDlg : public QWidget {
    Q_OBJECT
public:
    // The source page has "Dodaj plik" first and takes dropped files; the target page has
    // "Wskaż katalog" first.
    CListaPlikowDlg(bool bDocelowa, QWidget* pRodzic);

    QListWidget* Lista() const { return m_pLista; }
    // 0: "Dodaj plik" or "Wskaż katalog", 1: "Usuń plik", 2: "Usuń wszystkie".
    QPushButton* Przycisk(int i) const { return m_apPrzyciski[i]; }
    // Selects row i without telling anyone.
    void Zaznacz(int i);

signals:
    void pierwszy();
    void usunPlik();
    void usunWszystkie();
    void wybrano(int i);
    void upuszczono(const QStringList& astrPliki);

protected:
    void dragEnterEvent(QDragEnterEvent* pZdarzenie) override;
    void dropEvent(QDropEvent* pZdarzenie) override;

private:
    QListWidget* m_pLista;
    QPushButton* m_apPrzyciski[3];
};
