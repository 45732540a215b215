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

QStringList CGlownyDlg::WybierzPlikiSWDE(ETrybPlikow eTryb, const QString& strTytul) {
    CWyborPlikow wybor;
    wybor.m_eTryb = eTryb;
    wybor.m_strTytul = strTytul;
    wybor.m_strFiltr = QStringLiteral("Pliki SWDE (*.swde *.swd *.egb *.txt);;Wszystkie pliki (*)");
    wybor.m_strRozszerzenie = QStringLiteral("swde");
    wybor.m_strKatalog = SciezkaOkna(m_opcje.m_strZrodloDanych);
    return m_dialogi.WybierzPliki(this, wybor);
}

void CGlownyDlg::DodajPlikiZrodlowe() {
    const QStringList astrPliki =
        WybierzPlikiSWDE(ETrybPlikow::OtworzWiele, QStringLiteral("Dodaj plik źródłowy"));
    if (!astrPliki.isEmpty())
        DodajPliki(astrPliki);
}

// The chosen or dropped files in order; a file whose header cannot be read is reported and
// left out, the others are still added. A file already listed is not added again: the files
// skipped are told once, at the end.
void CGlownyDlg::DodajPliki(const QStringList& astrSciezki) {
    QStringList astrPominiete;
    for (const QString& strSciezka : astrSciezki) {
        std::string strZrodlo;
        if (SciezkaSilnika(strSciezka, strZrodlo) && CzyZrodlem(strZrodlo)) {
            astrPominiete << SciezkaOkna(strZrodlo);
            continue;
        }
        if (DodajPlik(strSciezka))
            m_opcje.m_strZrodloDanych = CelWKatalogu(KatalogPliku(m_pary.back().m_strZrodlo), "");
    }
    OdswiezPodpowiedzi();
    PokazZakladke(ZakladkaZrodla);
    if (!astrPominiete.isEmpty())
        Komunikat(QStringLiteral("Poniższe pliki są już na liście i nie zostały dodane ponownie:"),
                  astrPominiete, EIkona::Informacja);
}

// Every row's tooltip: the full path of the pair's source, or of its target.
void CGlownyDlg::OdswiezPodpowiedzi() {
    for (std::size_t j = 0; j < m_pary.size(); ++j) {
        const int i = static_cast<int>(j);
        if (QListWidgetItem* pWiersz = m_pListaZrodlowa->Lista()->item(i))
            pWiersz->setToolTip(SciezkaOkna(m_pary[j].m_strZrodlo));
        if (QListWidgetItem* pWiersz = m_pListaDocelowa->Lista()->item(i))
            pWiersz->setToolTip(SciezkaOkna(m_pary[j].m_strCel));
    }
}

QString CGlownyDlg::NazwaPary(std::size_t j) const {
    return j < m_pary.size() ? SciezkaOkna(platforma::NazwaPliku(m_pary[j].m_strZrodlo))
                             : QString();
}

bool CGlownyDlg::DodajPlik(const QString& strSciezka) {
    CParaPlikow para;
    if (!SciezkaSilnika(strSciezka, para.m_strZrodlo)) {
        Komunikat(TekstNazwySpozaStrony(strSciezka), EIkona::Ostrzezenie);
        return false;
    }
    para.m_strCel = NazwaCelu(para.m_strZrodlo);
    // A target folder once chosen holds the targets of files added later too.
    if (!m_opcje.m_strKatalogDocelowy.empty())
        para.m_strCel = CelWKatalogu(m_opcje.m_strKatalogDocelowy, para.m_strCel);
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
    const QString strNazwa = NazwaPary(m_pary.size() - 1);
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

// Asks first: Ctrl+U pressed by mistake must not throw away a list of thirty files. The target
// folder stays for the files added next.
void CGlownyDlg::UsunWszystkie() {
    if (m_pary.empty() ||
        !Pytanie(QStringLiteral("Czy na pewno chcesz usunąć z listy wszystkie pliki (%1)?")
                     .arg(m_pary.size())))
        return;
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
    m_opcje.m_strKatalogDocelowy = strKatalog;
    OdswiezPodpowiedzi();
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
    if (wynik.m_astrIstniejace.empty())
        return true;
    // Thirty files give sixty paths: they scroll in a dialog that fits the screen.
    QStringList astrIstniejace;
    for (const std::string& strSciezka : wynik.m_astrIstniejace)
        astrIstniejace << SciezkaOkna(strSciezka);
    return Pytanie(QStringLiteral("Poniższe pliki docelowe już istnieją:"), astrIstniejace,
                   QStringLiteral("Czy chcesz je zastąpić nowymi plikami o tej samej nazwie?"));
}

void CGlownyDlg::ZastosujDoWszystkich() {
    const int i = Wybrana();
    if (i < 0 || i >= static_cast<int>(m_pary.size()))
        return;
    const CPolaNaglowka& wzor = m_pary[static_cast<std::size_t>(i)].m_docelowe;
    QStringList astrInne;
    for (std::size_t j = 0; j < m_pary.size(); ++j) {
        if (m_pary[j].m_docelowe != wzor)
            astrInne << NazwaPary(j);
    }
    if (astrInne.isEmpty())
        return;
    if (!Pytanie(QStringLiteral("Nagłówki docelowe poniższych plików mają inne teksty lub datę "
                                "niż nagłówek pliku ") +
                     NazwaPary(static_cast<std::size_t>(i)) + QStringLiteral(":"),
                 astrInne, QStringLiteral("Czy chcesz je zastąpić tekstami i datą tego pliku?")))
        return;
    const CPolaNaglowka kopia = wzor;
    for (CParaPlikow& para : m_pary)
        para.m_docelowe = kopia;
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

// A header value the user changed goes into the pair selected in the source list. A text with
// characters the file cannot carry is refused there and then, the characters named, and the
// field shows again what the pair holds: nothing would be written as "?".
void CGlownyDlg::ZmienionoPole(EPoleNaglowka ePole, const QString& strWartosc) {
    const int i = Wybrana();
    if (i < 0 || i >= static_cast<int>(m_pary.size()))
        return;
    std::string& strPole = m_pary[static_cast<std::size_t>(i)].m_docelowe[ePole];
    const std::vector<std::string> astrZnaki = ZnakiSpozaNaglowka(strWartosc.toStdString());
    if (astrZnaki.empty()) {
        strPole = Cp(strWartosc);
        return;
    }
    if (QLineEdit* pPole = m_pNaglowekDocelowy->Pole(ePole)) {
        const int nKursor = pPole->cursorPosition() - static_cast<int>(strWartosc.size()) +
                            static_cast<int>(Q(strPole).size());
        pPole->setText(Q(strPole));
        pPole->setCursorPosition(std::max(0, nKursor));
    }
    QStringList astrNazwy;
    for (const std::string& strZnak : astrZnaki)
        astrNazwy << QString::fromStdString(strZnak);
    Komunikat(
        QStringLiteral("Tekstu nie można zapisać w nagłówku pliku SWDE, bo zawiera znaki, "
                       "których ten plik nie przenosi: ") +
            astrNazwy.join(QStringLiteral(" ")) +
            QStringLiteral("\nZastąp je innymi znakami (np. cudzysłów \"zwykły\", łącznik -)."),
        EIkona::Ostrzezenie);
}

// The name in the target file field, checked before it becomes the selected pair's target:
// an existing file only after a yes, and only a name that can be written and is no source.
// A name without a folder lies beside the current target. False when the name was refused.
// The target already shown is left as it is.
bool CGlownyDlg::ZatwierdzPlikDocelowy() {
    const int i = Wybrana();
    if (i < 0 || i >= static_cast<int>(m_pary.size()))
        return true;
    CParaPlikow& para = m_pary[static_cast<std::size_t>(i)];
    QLineEdit* pPole = m_pNaglowekDocelowy->PolePliku();
    const QString strTekst = pPole->text();
    // The name the window put there itself (a folder chosen, a pair selected) is no answer the
    // clerk gave: an existing file of that name is asked about with the run's other targets.
    if (strTekst == SciezkaOkna(para.m_strCel))
        return true;
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
    OdswiezPodpowiedzi();
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
