// Message boxes, file dialogs, the folder dialog and opening a document: everything the window
// asks the user outside itself goes through this one interface, so that tests can answer it.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

enum class EIkona { Brak, Informacja, Ostrzezenie, Program };

enum class ETrybPlikow {
    Otworz,      // one existing file
    OtworzWiele, // one or more existing files
    Zapisz,      // a new or an existing file (the caller asks before replacing it)
};

struct CWyborPlikow {
    ETrybPlikow m_eTryb = ETrybPlikow::Otworz;
    QString m_strTytul;
    QString m_strFiltr;        // "Opis (*.a *.b);;Wszystkie pliki (*)"
    QString m_strRozszerzenie; // default extension, without the dot
    QString m_strKatalog;      // initial folder; empty leaves it to the dialog
    QString m_strNazwa;        // initial file name
};

// A message or a question about a list of things (files, paths, errors): the text above the
// list, the list, which scrolls where it is long, and the text below it, in a dialog that fits
// the screen.
struct CKomunikatZLista {
    QString m_strPrzed;
    QStringList m_astrLista;
    QString m_strPo;
    EIkona m_eIkona = EIkona::Brak;
    QString m_strTytul;
};

class CDialogi {
public:
    virtual ~CDialogi() = default;

    // A message with an "OK" button.
    virtual void Komunikat(QWidget* pRodzic, const QString& strTekst, EIkona eIkona,
                           const QString& strTytul) = 0;
    // A question with "Tak" and "Nie"; true for "Tak".
    virtual bool Pytanie(QWidget* pRodzic, const QString& strTekst, const QString& strTytul) = 0;
    // The message with its list and an "OK" button.
    virtual void Komunikat(QWidget* pRodzic, const CKomunikatZLista& komunikat) = 0;
    // The question with its list, "Tak" and "Nie", "Nie" being the default; true for "Tak".
    virtual bool Pytanie(QWidget* pRodzic, const CKomunikatZLista& pytanie) = 0;
    // The chosen files, full paths; empty when the user cancelled.
    virtual QStringList WybierzPliki(QWidget* pRodzic, const CWyborPlikow& wybor) = 0;
    // The chosen folder; empty when the user cancelled.
    virtual QString WybierzKatalog(QWidget* pRodzic, const QString& strTytul,
                                   const QString& strKatalog) = 0;
    // Opens a document (the help file) in the program the desktop has for it.
    virtual bool OtworzDokument(const QString& strSciezka) = 0;
};

// The real dialogs of the desktop.
class CDialogiQt : public CDialogi {
public:
    void Komunikat(QWidget* pRodzic, const QString& strTekst, EIkona eIkona,
                   const QString& strTytul) override;
    bool Pytanie(QWidget* pRodzic, const QString& strTekst, const QString& strTytul) override;
    void Komunikat(QWidget* pRodzic, const CKomunikatZLista& komunikat) override;
    bool Pytanie(QWidget* pRodzic, const CKomunikatZLista& pytanie) override;
    QStringList WybierzPliki(QWidget* pRodzic, const CWyborPlikow& wybor) override;
    QString WybierzKatalog(QWidget* pRodzic, const QString& strTytul,
                           const QString& strKatalog) override;
    bool OtworzDokument(const QString& strSciezka) override;
};
