// The main window's file pairs: adding and removing source files, the target folder, the
// header tabs with their write-back and the checks made on the targets.
#include "ui/glowny_dlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "filtr/cele.h"
#include "swde/bledy.h"
#include "swde/platforma.h"
#include "ui/listy_dlg.h"
#include "ui/naglowek_dlg.h"
#include "ui/tekst.h"

namespace {

const QString& TekstZlejNazwy() {
    static const QString str = QStringLiteral("Podaj prawidłową nazwę pliku.");
    return str;
}

QString TekstNazwySpozaStrony(const QString& strSciezka) {
    return QStringLiteral("Nazwa pliku zawiera znaki, których program nie obsługuje "
                          "(spoza strony kodowej 1250):\n") +
           QDir::toNativeSeparators(strSciezka);
}

// Whether a file of this name can be written: an existing file is opened for appending and
// closed without a byte written; a new one is created and removed again.
bool MoznaUtworzyc(const QString& strSciezka, bool bIstnieje) {
    QFile plik(strSciezka);
    if (bIstnieje)
        return QFileInfo(strSciezka).isFile() && plik.open(QIODevice::WriteOnly | QIODevice::Append);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    plik.close();
    plik.remove();
    return true;
}

} // namespace

// ---- Adding and removing -------------------------------------------------------------------

void CGlownyDlg::DodajPlikiZrodlowe() {
    CWyborPlikow wybor;
    wybor.m_eTryb = ETrybPlikow::OtworzWiele;
    wybor.m_strTytul = QStringLiteral("Dodaj plik źródłowy");
    wybor.m_strFiltr = QStringLiteral("Pliki SWDE (*.swde *.swd *.egb *.txt);;Wszystkie pliki (*)");
    wybor.m_strRozszerzenie = QStringLiteral("swde");
    wybor.m_strKatalog = SciezkaOkna(m_opcje.m_strZrodloDanych);
    const QStringList astrPliki = m_dialogi.WybierzPliki(this, wybor);
    if (!astrPliki.isEmpty())
        DodajPliki(astrPliki);
}

// The chosen or dropped files in order; a file whose header cannot be read is reported and
// left out, the others are still added.
void CGlownyDlg::DodajPliki(const QStringList& astrSciezki) {
    for (const QString& strSciezka : astrSciezki) {
        if (DodajPlik(strSciezka))
            m_opcje.m_strZrodloDanych = CelWKatalogu(KatalogPliku(m_pary.back().m_strZrodlo), "");
    }
    PokazZakladke(ZakladkaZrodla);
}

bool CGlownyDlg::DodajPlik(const QString& strSciezka) {
    CParaPlikow para;
    if (!SciezkaSilnika(strSciezka, para.m_strZrodlo)) {
        Komunikat(TekstNazwySpozaStrony(strSciezka), EIkona::Ostrzezenie);
        return false;
    }
    para.m_strCel = NazwaCelu(para.m_strZrodlo);
    const QDate data = m_pNaglowekDocelowy->PoleDaty()->Data();
    std::string strBlad;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        CzytajNaglowek(para, {data.year(), data.month(), data.day()});
    } catch (const CSWDEException& blad) {
        strBlad = TekstBleduNaglowka(blad, para.m_strZrodlo);
    } catch (...) {
        strBlad = TekstBiezacegoBledu();
    }
    QApplication::restoreOverrideCursor();
    if (!strBlad.empty()) {
        Komunikat(strBlad, EIkona::Ostrzezenie);
        return false;
    }
    m_pary.push_back(para);
    const QString strNazwa = SciezkaOkna(platforma::NazwaPliku(para.m_strZrodlo));
    for (CListaPlikowDlg* pLista : {m_pListaZrodlowa, m_pListaDocelowa})
        pLista->Lista()->addItem(strNazwa);
    WlaczKontrolki(true);
    const int n = static_cast<int>(m_pary.size()) - 1;
    PokazPare(n);
    Wybierz(n);
    return true;
}

void CGlownyDlg::UsunPlik() {
    const int i = Wybrana();
    if (m_pary.empty() || i < 0)
        return;
    m_pary.erase(m_pary.begin() + i);
    for (CListaPlikowDlg* pLista : {m_pListaZrodlowa, m_pListaDocelowa}) {
        const QSignalBlocker blokada(pLista->Lista());
        delete pLista->Lista()->takeItem(i);
    }
    if (m_pary.empty()) {
        WyczyscNaglowki();
        return;
    }
    const int n = std::min(i, static_cast<int>(m_pary.size()) - 1);
    Wybierz(n);
    PokazPare(n);
}

void CGlownyDlg::UsunWszystkie() {
    WyczyscNaglowki();
    m_pary.clear();
    for (CListaPlikowDlg* pLista : {m_pListaZrodlowa, m_pListaDocelowa}) {
        const QSignalBlocker blokada(pLista->Lista());
        pLista->Lista()->clear();
    }
}

void CGlownyDlg::Wybierz(int i) {
    m_pListaZrodlowa->Zaznacz(i);
    m_pListaDocelowa->Zaznacz(i);
}

int CGlownyDlg::Wybrana() const {
    return m_pListaZrodlowa->Lista()->currentRow();
}

// ---- The target folder and the target checks -----------------------------------------------

void CGlownyDlg::WskazKatalogDocelowy() {
    const QString strWybrany =
        m_dialogi.WybierzKatalog(m_pNaglowekDocelowy, QStringLiteral("Proszę wybrać katalog docelowy"),
                                 SciezkaOkna(m_opcje.m_strUjscieDanych));
    if (strWybrany.isEmpty())
        return;
    std::string strKatalog;
    if (!SciezkaSilnika(strWybrany, strKatalog)) {
        Komunikat(TekstNazwySpozaStrony(strWybrany), EIkona::Ostrzezenie);
        return;
    }
    strKatalog = CelWKatalogu(strKatalog, "");
    std::vector<std::string> astrCele;
    for (const CParaPlikow& para : m_pary) {
        astrCele.push_back(CelWKatalogu(strKatalog, para.m_strCel));
        // A folder choice must not make a target of a source.
        if (CzyZrodlem(astrCele.back())) {
            Komunikat(TekstZlejNazwy(), EIkona::Ostrzezenie);
            return;
        }
    }
    for (std::size_t i = 0; i < m_pary.size(); ++i)
        m_pary[i].m_strCel = astrCele[i];
    m_opcje.m_strUjscieDanych = strKatalog;
    const int i = Wybrana();
    QLineEdit* pPole = m_pNaglowekDocelowy->PolePliku();
    pPole->setText(i < 0 ? QString() : SciezkaOkna(m_pary[static_cast<std::size_t>(i)].m_strCel));
    PokazZakladke(ZakladkaCele);
    pPole->setFocus();
}

bool CGlownyDlg::CzyZrodlem(const std::string& strSciezka) const {
    for (const CParaPlikow& para : m_pary) {
        if (platforma::TenSamPlik(strSciezka, para.m_strZrodlo))
            return true;
    }
    return false;
}

// Whether the run may start: no target is a source, every target folder exists, no two pairs
// share a target, and existing targets may be replaced.
bool CGlownyDlg::SprawdzPlikiDocelowe() {
    for (std::size_t j = 0; j < m_pary.size(); ++j) {
        if (CzyZrodlem(m_pary[j].m_strCel)) {
            Wybierz(static_cast<int>(j));
            PokazPare(static_cast<int>(j));
            Komunikat(TekstZlejNazwy(), EIkona::Ostrzezenie);
            WrocDoPlikuDocelowego();
            return false;
        }
    }
    const CSprawdzenieCelow wynik = ::SprawdzPlikiDocelowe(m_pary);
    if (!wynik.m_astrBledneFoldery.empty()) {
        Komunikat(TekstBlednychFolderow(wynik.m_astrBledneFoldery));
        return false;
    }
    if (!wynik.m_astrPowtorzone.empty()) {
        Komunikat(TekstPowtorzonych(wynik.m_astrPowtorzone));
        return false;
    }
    return wynik.m_astrIstniejace.empty() || Pytanie(Q(PytanieOIstniejace(wynik.m_astrIstniejace)));
}

// ---- Header tabs ---------------------------------------------------------------------------

void CGlownyDlg::PokazPare(int i) {
    if (i < 0 || i >= static_cast<int>(m_pary.size()))
        return;
    const CParaPlikow& para = m_pary[static_cast<std::size_t>(i)];
    m_pNaglowekZrodlowy->Pokaz(para);
    m_pNaglowekDocelowy->Pokaz(para);
}

void CGlownyDlg::WyczyscNaglowki() {
    m_pNaglowekZrodlowy->Wyczysc();
    m_pNaglowekDocelowy->Wyczysc();
    WlaczKontrolki(false);
}

// A header value the user changed goes into the pair selected in the source list.
void CGlownyDlg::ZmienionoPole(EPoleNaglowka ePole, const QString& strWartosc) {
    const int i = Wybrana();
    if (i >= 0 && i < static_cast<int>(m_pary.size()))
        m_pary[static_cast<std::size_t>(i)].m_docelowe[ePole] = Cp(strWartosc);
}

// The name in the target file field, checked before it becomes the selected pair's target:
// an existing file only after a yes, and only a name that can be written and is no source.
// A name without a folder lies beside the current target. False when the name was refused.
bool CGlownyDlg::ZatwierdzPlikDocelowy() {
    const int i = Wybrana();
    if (i < 0 || i >= static_cast<int>(m_pary.size()))
        return true;
    CParaPlikow& para = m_pary[static_cast<std::size_t>(i)];
    QLineEdit* pPole = m_pNaglowekDocelowy->PolePliku();
    const QString strTekst = pPole->text();
    const QString strPelna = QDir(SciezkaOkna(KatalogPliku(para.m_strCel))).absoluteFilePath(strTekst);
    std::string strCel;
    const bool bIstnieje = QFileInfo::exists(strPelna);
    const bool bPoprawna = !strTekst.isEmpty() && SciezkaSilnika(strPelna, strCel) && !CzyZrodlem(strCel);
    if (!bPoprawna || (bIstnieje && !MoznaUtworzyc(strPelna, true))) {
        Komunikat(TekstZlejNazwy(), EIkona::Ostrzezenie);
        WrocDoPlikuDocelowego();
        return false;
    }
    if (bIstnieje && !Pytanie(QStringLiteral("Podany plik już istnieje. Czy chcesz go zastąpić?"))) {
        WrocDoPlikuDocelowego();
        return false;
    }
    if (!bIstnieje && !MoznaUtworzyc(strPelna, false)) {
        WrocDoPlikuDocelowego();
        Komunikat(TekstZlejNazwy());
        return false;
    }
    para.m_strCel = strCel;
    pPole->setText(SciezkaOkna(strCel));
    return true;
}

// Back to the target file field on its tab, the caret at the end of the name.
void CGlownyDlg::WrocDoPlikuDocelowego() {
    auto wroc = [this] {
        QLineEdit* pPole = m_pNaglowekDocelowy->PolePliku();
        PokazZakladke(ZakladkaCele);
        pPole->setFocus();
        pPole->end(false);
    };
    wroc();
    // Once more after a click that took the focus away has done its work (a tab or a list row).
    QTimer::singleShot(0, this, wroc);
}
