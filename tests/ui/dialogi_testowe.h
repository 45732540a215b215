// Dialogs for tests: every message and question is recorded; the answers, the files and the
// folders the dialogs return are set by the test beforehand.
#pragma once

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

#include "ui/dialogi.h"

struct CKomunikatTestowy {
    QString strTekst;
    QString strTytul;
    EIkona eIkona = EIkona::Brak;
    bool bPytanie = false;
};

class CDialogiTestowe : public CDialogi {
public:
    void Komunikat(QWidget*, const QString& strTekst, EIkona eIkona,
                   const QString& strTytul) override {
        m_komunikaty.push_back({strTekst, strTytul, eIkona, false});
    }
    bool Pytanie(QWidget*, const QString& strTekst, const QString& strTytul) override {
        m_komunikaty.push_back({strTekst, strTytul, EIkona::Brak, true});
        if (m_fPytanie)
            return m_fPytanie(strTekst);
        return Nastepny(m_odpowiedzi, false);
    }
    QStringList WybierzPliki(QWidget*, const CWyborPlikow& wybor) override {
        m_wybory.push_back(wybor);
        return Nastepny(m_pliki, QStringList());
    }
    QString WybierzKatalog(QWidget*, const QString& strTytul, const QString&) override {
        m_wybory.push_back({ETrybPlikow::Otworz, strTytul, {}, {}, {}, {}});
        return Nastepny(m_katalogi, QString());
    }
    bool OtworzDokument(const QString& strSciezka) override {
        m_dokumenty.push_back(strSciezka);
        return true;
    }

    // The texts shown so far, and forgetting them.
    QStringList Teksty() const {
        QStringList astr;
        for (const CKomunikatTestowy& k : m_komunikaty)
            astr << k.strTekst;
        return astr;
    }
    void Wyczysc() { m_komunikaty.clear(); }

    QList<CKomunikatTestowy> m_komunikaty;
    std::deque<bool> m_odpowiedzi;                  // answers to the next questions (No after)
    std::function<bool(const QString&)> m_fPytanie; // answers every question when set
    std::deque<QStringList> m_pliki;                // what the next file dialogs return
    std::deque<QString> m_katalogi;                 // what the next folder dialogs return
    QList<CWyborPlikow> m_wybory;                   // the file and folder dialogs as shown
    QStringList m_dokumenty;                        // the documents opened

private:
    template <class T>
    static T Nastepny(std::deque<T>& kolejka, T domyslny) {
        if (kolejka.empty())
            return domyslny;
        T wynik = kolejka.front();
        kolejka.pop_front();
        return wynik;
    }
};
