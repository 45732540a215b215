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
    // A message or question with a list: the list and the text below it.
    QStringList astrLista;
    QString strPo;
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
    void Komunikat(QWidget*, const CKomunikatZLista& k) override {
        m_komunikaty.push_back(
            {k.m_strPrzed, k.m_strTytul, k.m_eIkona, false, k.m_astrLista, k.m_strPo});
    }
    bool Pytanie(QWidget*, const CKomunikatZLista& k) override {
        m_komunikaty.push_back(
            {k.m_strPrzed, k.m_strTytul, k.m_eIkona, true, k.m_astrLista, k.m_strPo});
        if (m_fPytanie)
            return m_fPytanie(k.m_strPrzed);
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
        return m_bPrzegladarka;
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
    bool m_bPrzegladarka = true;                    // false: no program opens a document

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
