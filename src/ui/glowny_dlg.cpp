// The main window: building it, the menu and its enabling, closing, help, the about box, the
// configuration commands and the object and attribute tabs.
#include "ui/glowny_dlg.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <utility>

#include "opcje/konfiguracja.h"
#include "ui/aplikacja.h"
#include "ui/listy_dlg.h"
#include "ui/menu_systemowe.h"
#include "ui/naglowek_dlg.h"
#include "ui/tekst.h"
#include "ui/zakladka_dlg.h"

namespace {

constexpr unsigned POLECENIE_INFORMACJE = 16; // the about item of the system menu

const QString& FiltrKonfiguracji() {
    static const QString str = QStringLiteral("Pliki konfiguracji (*.cfg *.txt);;Wszystkie pliki (*)");
    return str;
}

} // namespace

CGlownyDlg::CGlownyDlg(CDialogi& dialogi, const QString& strProgram, QWidget* pRodzic)
    : QDialog(pRodzic, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_dialogi(dialogi), m_strProgram(strProgram) {
    setObjectName("glowny");
    setWindowTitle(QStringLiteral("KELVOR"));
    setWindowIcon(IkonaProgramu());

    m_pMenu = new QMenuBar(this);
    BudujMenu(m_pMenu);
    m_pZawartosc = new QWidget(this);
    m_pPrzetwarzaj = new QPushButton(QStringLiteral("Przetwarzaj"), m_pZawartosc);
    m_pPrzetwarzaj->setObjectName("przetwarzaj");
    m_pPrzetwarzaj->setDefault(true);
    m_pPrzetwarzaj->setMinimumWidth(120);
    connect(m_pPrzetwarzaj, &QPushButton::clicked, this, &CGlownyDlg::Przetwarzaj);
    auto* pZawartosc = new QVBoxLayout(m_pZawartosc);
    pZawartosc->setContentsMargins(0, 0, 0, 0);
    pZawartosc->addWidget(BudujZakladki(), 1);
    pZawartosc->addWidget(m_pPrzetwarzaj, 0, Qt::AlignHCenter);
    auto* pUklad = new QVBoxLayout(this);
    pUklad->setMenuBar(m_pMenu);
    pUklad->addWidget(m_pZawartosc);
    PolaczStrony();
    PierwszenstwoSkrotow();
    // Small screens and large display scaling: the pages scroll rather than the window growing
    // beyond the screen.
    setMinimumSize(560, 400);
    // The size the pages were laid out for, as far as the screen (less the frame and the title
    // bar) allows.
    const QSize obszar = screen()->availableGeometry().size() - QSize(16, 56);
    resize(QSize(880, 620).expandedTo(sizeHint()).boundedTo(obszar));

#ifdef Q_OS_WIN
    menu_systemowe::Dodaj(reinterpret_cast<void*>(winId()), POLECENIE_INFORMACJE,
                          L"&O programie Kelvor...");
#endif

    WyczyscNaglowki();
    m_eKonfiguracjaStartu = PrzygotujKlucze(m_opcje, MiejsceKonfiguracji().m_strOdczyt);
    OdswiezOpcje();
    PokazZakladke(ZakladkaZrodla);
    m_pListaZrodlowa->Lista()->setFocus();
}

CGlownyDlg::~CGlownyDlg() {
    delete m_pWatek; // stops and waits for a worker still running
}

CMiejsceKonfiguracji CGlownyDlg::MiejsceKonfiguracji() const {
    return ::MiejsceKonfiguracji(
        Cp(QDir::toNativeSeparators(QFileInfo(m_strProgram).absolutePath())));
}

// ---- Building ------------------------------------------------------------------------------

void CGlownyDlg::BudujMenu(QMenuBar* pMenu) {
    struct CPolecenie {
        const char* szMenu; // a new menu starts where this is set
        const char* szTekst;
        const char* szKlawisz;
        const char* szNazwa;
        QAction* CGlownyDlg::*pAkcja;
        std::function<void()> fWykonaj;
        bool bSeparatorPo = false;
    };
    const CPolecenie polecenia[] = {
        {"&Plik", "&Dodaj plik źródłowy...\tCtrl+O", "Ctrl+O", "dodajPliki",
         &CGlownyDlg::m_pDodajPliki, [this] { DodajPlikiZrodlowe(); }},
        {nullptr, "Wskaż katalog &docelowy...\tCtrl+D", "Ctrl+D", "wskazKatalog",
         &CGlownyDlg::m_pWskazKatalog, [this] { WskazKatalogDocelowy(); }},
        {nullptr, "&Zastosuj do wszystkich", nullptr, "zastosujDoWszystkich",
         &CGlownyDlg::m_pZastosuj, [this] { ZastosujDoWszystkich(); }},
        {nullptr, "&Usuń wszystkie\tCtrl+U", "Ctrl+U", "usunWszystkie",
         &CGlownyDlg::m_pUsunWszystkie, [this] { UsunWszystkie(); }, true},
        {nullptr, "&Porównaj pliki...", nullptr, "porownajPliki", nullptr,
         [this] { PorownajPliki(); }, true},
        {nullptr, "Odczytaj &konfigurację...\tCtrl+K", "Ctrl+K", "odczytajKonfiguracje",
         &CGlownyDlg::m_pOdczytaj, [this] { OdczytajKonfiguracjeZPliku(); }},
        {nullptr, "Z&apisz konfigurację...\tCtrl+S", "Ctrl+S", "zapiszKonfiguracje", nullptr,
         [this] { ZapiszKonfiguracjeDoPliku(); }, true},
        {nullptr, "&Wyjdź\tAlt+F4", nullptr, "wyjdz", nullptr, [this] { close(); }},
        {"&Filtrowanie", "&Przetwarzaj\tF5", "F5", "przetwarzaj", &CGlownyDlg::m_pPrzetwarzajAkcja,
         [this] { Przetwarzaj(); }, true},
        {nullptr, "Dodawanie sum CRC", nullptr, "sumyCRC", &CGlownyDlg::m_pSumyCRC,
         [this] {
             m_opcje.PrzelaczSumyCRC();
             OdswiezOpcje();
         }},
        {nullptr, "P&ropagacja ustawień", nullptr, "propagacja", &CGlownyDlg::m_pPropagacja,
         [this] {
             m_opcje.PrzelaczPropagacje();
             OdswiezOpcje();
         }},
        {"Pomo&c", "KELVOR - Pomo&c\tF1", "F1", "pomoc", nullptr, [this] { PokazPomoc(); }, true},
        {nullptr, "KELVOR - i&nformacje...", nullptr, "informacje", nullptr,
         [this] { PokazInformacje(); }},
    };
    QMenu* pBiezace = nullptr;
    for (const CPolecenie& p : polecenia) {
        if (p.szMenu)
            pBiezace = pMenu->addMenu(QString::fromUtf8(p.szMenu));
        QAction* pAkcja = pBiezace->addAction(QString::fromUtf8(p.szTekst));
        pAkcja->setObjectName(p.szNazwa);
        if (p.szKlawisz)
            pAkcja->setShortcut(QKeySequence(QString::fromLatin1(p.szKlawisz)));
        connect(pAkcja, &QAction::triggered, this, p.fWykonaj);
        if (p.pAkcja)
            this->*p.pAkcja = pAkcja;
        else
            m_apZawszeWlaczone.push_back(pAkcja);
        if (p.bSeparatorPo)
            pBiezace->addSeparator();
    }
    m_apZawszeWlaczone.push_back(m_pPropagacja);
    for (QAction* pAkcja : {m_pSumyCRC, m_pPropagacja}) {
        pAkcja->setCheckable(true);
        pAkcja->setChecked(true);
    }
}

QWidget* CGlownyDlg::BudujZakladki() {
    m_pZakladki = new QTabWidget(m_pZawartosc);
    m_pZakladki->setObjectName("zakladki");
    // Every tab's content scrolls where the window is smaller than it.
    auto przewijana = [this](QWidget* pStrona) {
        auto* pPrzewijana = new QScrollArea(m_pZakladki);
        pPrzewijana->setWidget(pStrona);
        pPrzewijana->setWidgetResizable(true);
        pPrzewijana->setFrameShape(QFrame::NoFrame);
        return pPrzewijana;
    };
    auto obok = [przewijana](QWidget* pLewa, QWidget* pPrawa, int nRozciagniecie) {
        auto* pStrona = new QWidget;
        auto* pUklad = new QHBoxLayout(pStrona);
        pUklad->addWidget(pLewa, nRozciagniecie);
        pUklad->addWidget(pPrawa, 3);
        return przewijana(pStrona);
    };
    m_pListaZrodlowa = new CListaPlikowDlg(false, m_pZakladki);
    m_pNaglowekZrodlowy = new CSWDEDlg(false, m_pZakladki);
    m_pListaDocelowa = new CListaPlikowDlg(true, m_pZakladki);
    m_pNaglowekDocelowy = new CSWDEDlg(true, m_pZakladki);
    m_pZakladki->addTab(obok(m_pListaZrodlowa, m_pNaglowekZrodlowy, 2),
                        QStringLiteral("Pliki źródłowe"));
    m_pZakladki->addTab(obok(m_pListaDocelowa, m_pNaglowekDocelowy, 2),
                        QStringLiteral("Pliki docelowe"));

    for (int n = 0; n <= LICZBA_TYPOW; ++n)
        m_apStrony.push_back(new CZakladkaDlg(n, m_pZakladki));
    auto* pObiekty = new QWidget;
    (new QVBoxLayout(pObiekty))->addWidget(m_apStrony[0]);
    m_pZakladki->addTab(przewijana(pObiekty), QStringLiteral("Usuwanie obiektów"));

    m_pTypy = new CAtrybutyDlg(m_pZakladki);
    m_pStronyAtrybutow = new QStackedWidget(m_pZakladki);
    m_pStronyAtrybutow->setObjectName("stronyAtrybutow");
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        m_pStronyAtrybutow->addWidget(m_apStrony[static_cast<std::size_t>(n)]);
    m_pZakladki->addTab(obok(m_pTypy, m_pStronyAtrybutow, 0),
                        QStringLiteral("Usuwanie atrybutów"));
    PokazStrone(1);
    return m_pZakladki;
}

void CGlownyDlg::PolaczStrony() {
    for (CListaPlikowDlg* pLista : {m_pListaZrodlowa, m_pListaDocelowa}) {
        connect(pLista, &CListaPlikowDlg::usunPlik, this, &CGlownyDlg::UsunPlik);
        connect(pLista, &CListaPlikowDlg::usunWszystkie, this, &CGlownyDlg::UsunWszystkie);
        connect(pLista, &CListaPlikowDlg::wybrano, this, [this](int i) {
            Wybierz(i);
            PokazPare(i);
        });
    }
    connect(m_pListaZrodlowa, &CListaPlikowDlg::pierwszy, this, &CGlownyDlg::DodajPlikiZrodlowe);
    connect(m_pListaZrodlowa, &CListaPlikowDlg::upuszczono, this, &CGlownyDlg::DodajPliki);
    connect(m_pListaDocelowa, &CListaPlikowDlg::pierwszy, this, &CGlownyDlg::WskazKatalogDocelowy);
    connect(m_pNaglowekDocelowy, &CSWDEDlg::zmieniono, this, &CGlownyDlg::ZmienionoPole);
    connect(m_pNaglowekDocelowy, &CSWDEDlg::opuszczonoPlik, this,
            &CGlownyDlg::ZatwierdzPlikDocelowy);
    connect(m_pNaglowekDocelowy, &CSWDEDlg::zastosujDoWszystkich, this,
            &CGlownyDlg::ZastosujDoWszystkich);
    for (CZakladkaDlg* pStrona : m_apStrony) {
        connect(pStrona, &CZakladkaDlg::kliknieto, this, &CGlownyDlg::KliknietoPole);
        connect(pStrona, &CZakladkaDlg::wszystkie, this, &CGlownyDlg::ZaznaczonoWszystkie);
        connect(pStrona, &CZakladkaDlg::nacisnietoMysza, this,
                [this] { m_opcje.m_bZmienione = true; });
    }
    connect(m_pTypy, &CAtrybutyDlg::wybrano, this, &CGlownyDlg::PokazStrone);
}

// The fields of the window take their editing keys (Ctrl+U clears a line, for one) only where
// no menu command has the key: a shortcut does what the menu says wherever the focus is.
void CGlownyDlg::PierwszenstwoSkrotow() {
    for (QWidget* pPole : findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(pPole) || qobject_cast<QAbstractSpinBox*>(pPole))
            pPole->installEventFilter(this);
    }
}

bool CGlownyDlg::eventFilter(QObject* pObiekt, QEvent* pZdarzenie) {
    if (pZdarzenie->type() == QEvent::ShortcutOverride) {
        auto* pKlawisz = static_cast<QKeyEvent*>(pZdarzenie);
        const QKeySequence klawisz(pKlawisz->keyCombination());
        for (QAction* pAkcja : m_pMenu->findChildren<QAction*>()) {
            if (pAkcja->isEnabled() && !pAkcja->shortcut().isEmpty() &&
                pAkcja->shortcut() == klawisz) {
                pKlawisz->ignore();
                return true;
            }
        }
    }
    return QDialog::eventFilter(pObiekt, pZdarzenie);
}

void CGlownyDlg::PokazZakladke(int nZakladka) {
    m_pZakladki->setCurrentIndex(nZakladka);
}

void CGlownyDlg::PokazStrone(int nTyp) {
    m_pStronyAtrybutow->setCurrentIndex(nTyp - 1);
    const QSignalBlocker blokada(m_pTypy->Lista());
    m_pTypy->Lista()->setCurrentRow(nTyp - 1);
}

// ---- Enabling ------------------------------------------------------------------------------

void CGlownyDlg::WlaczKontrolki(bool bTak) {
    for (QAction* pAkcja :
         {m_pWskazKatalog, m_pZastosuj, m_pUsunWszystkie, m_pPrzetwarzajAkcja, m_pSumyCRC})
        pAkcja->setEnabled(bTak);
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            m_pListaZrodlowa->Przycisk(i)->setEnabled(bTak);
        m_pListaDocelowa->Przycisk(i)->setEnabled(bTak);
    }
    m_pNaglowekDocelowy->WlaczPola(bTak);
    m_pNaglowekDocelowy->PrzyciskZastosuj()->setEnabled(bTak);
    m_pPrzetwarzaj->setEnabled(bTak);
}

void CGlownyDlg::WlaczWszystko(bool bTak) {
    WlaczKontrolki(bTak);
    m_pDodajPliki->setEnabled(bTak);
    m_pOdczytaj->setEnabled(bTak);
    m_pListaZrodlowa->Przycisk(0)->setEnabled(bTak);
    for (CZakladkaDlg* pStrona : m_apStrony)
        pStrona->setEnabled(bTak);
}

// The whole window during a run: nothing but the progress dialog can be used.
void CGlownyDlg::WlaczOkno(bool bTak) {
    m_pZawartosc->setEnabled(bTak);
    m_pMenu->setEnabled(bTak);
    for (QAction* pAkcja : m_apZawszeWlaczone)
        pAkcja->setEnabled(bTak);
}

// ---- Closing, help, about ------------------------------------------------------------------

// What the reading of the default configuration had to say is said over the window, once it
// is on the screen.
void CGlownyDlg::showEvent(QShowEvent* pZdarzenie) {
    QDialog::showEvent(pZdarzenie);
    const EWynikKonfiguracji eWynik = std::exchange(m_eKonfiguracjaStartu, EWynikKonfiguracji::Wykonano);
    if (eWynik == EWynikKonfiguracji::Wykonano)
        return;
    QTimer::singleShot(0, this, [this, eWynik] {
        Komunikat(TekstWyniku(eWynik), eWynik == EWynikKonfiguracji::BrakPliku ? EIkona::Ostrzezenie
                                                                              : EIkona::Brak);
    });
}

void CGlownyDlg::closeEvent(QCloseEvent* pZdarzenie) {
    if (CzyFiltrowanie()) {
        Komunikat(QStringLiteral("Nie można zamknąć programu podczas filtrowania.\n"
                                 "Aby zakończyć program, zatrzymaj najpierw filtrowanie."));
        pZdarzenie->ignore();
        return;
    }
    const EWynikKonfiguracji eWynik = ZapiszKonfiguracjeDomyslna(m_opcje, MiejsceKonfiguracji());
    if (eWynik != EWynikKonfiguracji::Wykonano)
        Komunikat(TekstWyniku(eWynik), EIkona::Ostrzezenie);
    pZdarzenie->accept();
}

bool CGlownyDlg::nativeEvent(const QByteArray& eventType, void* pKomunikat, qintptr* pWynik) {
    if (eventType == "windows_generic_MSG" &&
        menu_systemowe::CzyWybrano(pKomunikat, POLECENIE_INFORMACJE)) {
        PokazInformacje();
        *pWynik = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, pKomunikat, pWynik);
}

// The help file beside the executable, named after it: the compiled help where there is one,
// else the HTML manual in the desktop's browser.
void CGlownyDlg::PokazPomoc() {
    const QFileInfo program(m_strProgram);
    QString strNazwa = program.fileName();
    if (strNazwa.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        strNazwa.chop(4);
    // Beside the executable (a copy anywhere, the Windows installation), or where the Debian
    // package puts the manual (/usr/bin/kelvor, /usr/share/doc/kelvor/kelvor.html).
    const QString astrKatalogi[] = {program.absolutePath(),
                                    program.absolutePath() + QStringLiteral("/../share/doc/kelvor")};
    QString strPodrecznik; // the first help file there is, which the clerk can open himself
    for (const QString& strKatalog : astrKatalogi) {
        for (const char* szRozszerzenie : {".chm", ".html"}) {
            // Native separators: the path is handed to the system and shown to the clerk.
            const QString strPlik = QDir::toNativeSeparators(
                QDir::cleanPath(QDir(strKatalog).filePath(strNazwa + szRozszerzenie)));
            if (!QFileInfo(strPlik).isFile())
                continue;
            if (m_dialogi.OtworzDokument(strPlik))
                return;
            if (strPodrecznik.isEmpty())
                strPodrecznik = strPlik;
        }
    }
    QString strTekst = QStringLiteral("Uruchomienie pomocy nie powiodło się.");
    if (!strPodrecznik.isEmpty())
        strTekst += QStringLiteral("\n\nPodręcznik można otworzyć samodzielnie:\n") + strPodrecznik;
    Komunikat(strTekst, EIkona::Ostrzezenie);
}

void CGlownyDlg::PokazInformacje() {
    // The program's version without its patch number: "Kelvor Wersja 2.4" for 2.4.x.
    m_dialogi.Komunikat(this, QStringLiteral("Kelvor Wersja " KELVOR_WERSJA_KROTKA), EIkona::Program,
                        QStringLiteral("KELVOR - informacje"));
}

void CGlownyDlg::Komunikat(const std::string& strCp1250, EIkona eIkona) {
    Komunikat(Q(strCp1250), eIkona);
}

void CGlownyDlg::Komunikat(const QString& str, EIkona eIkona) {
    m_dialogi.Komunikat(this, str, eIkona, windowTitle());
}

bool CGlownyDlg::Pytanie(const QString& str) {
    return m_dialogi.Pytanie(this, str, windowTitle());
}

void CGlownyDlg::Komunikat(const QString& strPrzed, const QStringList& astrLista, EIkona eIkona,
                           const QString& strPo) {
    m_dialogi.Komunikat(this, CKomunikatZLista{strPrzed, astrLista, strPo, eIkona, windowTitle()});
}

bool CGlownyDlg::Pytanie(const QString& strPrzed, const QStringList& astrLista,
                         const QString& strPo) {
    return m_dialogi.Pytanie(
        this, CKomunikatZLista{strPrzed, astrLista, strPo, EIkona::Brak, windowTitle()});
}

// ---- Configuration commands ----------------------------------------------------------------

// The configuration file chosen in the dialog; empty when the user cancelled.
QString CGlownyDlg::WybierzKonfiguracje(ETrybPlikow eTryb, const QString& strTytul,
                                        const QString& strNazwa) {
    const CWyborPlikow wybor{eTryb, strTytul, FiltrKonfiguracji(), QStringLiteral("cfg"),
                             SciezkaOkna(m_opcje.m_strKatalogKonfiguracji), strNazwa};
    const QStringList astrPliki = m_dialogi.WybierzPliki(this, wybor);
    return astrPliki.isEmpty() ? QString() : astrPliki.front();
}

// A configuration command on the chosen file under the wait cursor; eBezSciezki for a name the
// engine cannot use. Shows the result's text when there is one.
void CGlownyDlg::WykonajNaKonfiguracji(const QString& strPlik, EWynikKonfiguracji eBezSciezki,
                                       EWynikKonfiguracji (*pPolecenie)(COpcjeFiltrowania&,
                                                                        const std::string&)) {
    std::string strSciezka;
    EWynikKonfiguracji eWynik = eBezSciezki;
    if (SciezkaSilnika(strPlik, strSciezka)) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        eWynik = pPolecenie(m_opcje, strSciezka);
        QApplication::restoreOverrideCursor();
    }
    OdswiezOpcje();
    if (eWynik != EWynikKonfiguracji::Wykonano)
        Komunikat(TekstWyniku(eWynik), eWynik == EWynikKonfiguracji::ZlyFormat
                                           ? EIkona::Brak
                                           : EIkona::Ostrzezenie);
}

void CGlownyDlg::OdczytajKonfiguracjeZPliku() {
    const QString strPlik =
        WybierzKonfiguracje(ETrybPlikow::Otworz, QStringLiteral("Odczytaj konfigurację"), {});
    if (!strPlik.isEmpty())
        WykonajNaKonfiguracji(strPlik, EWynikKonfiguracji::BrakPliku, ::OdczytajKonfiguracjeZPliku);
}

// A new name is accepted (without an extension it gets ".cfg"); an existing file is replaced
// only after a yes.
void CGlownyDlg::ZapiszKonfiguracjeDoPliku() {
    QString strPlik = WybierzKonfiguracje(ETrybPlikow::Zapisz, QStringLiteral("Zapisz konfigurację"),
                                          QStringLiteral("KonfiguracjaZakladek.cfg"));
    if (strPlik.isEmpty())
        return;
    if (QFileInfo(strPlik).suffix().isEmpty())
        strPlik += QStringLiteral(".cfg");
    // A source or a file of another kind is never replaced by the settings.
    std::string strSciezka;
    if (SciezkaSilnika(strPlik, strSciezka)) {
        std::vector<std::string> astrZrodla;
        for (const CParaPlikow& para : m_pary)
            astrZrodla.push_back(para.m_strZrodlo);
        const std::string strOdmowa = OdmowaZapisuKonfiguracji(strSciezka, astrZrodla);
        if (!strOdmowa.empty()) {
            Komunikat(strOdmowa, EIkona::Ostrzezenie);
            return;
        }
    }
    if (QFileInfo::exists(strPlik) &&
        !Pytanie(QStringLiteral("Podany plik już istnieje. Czy chcesz go zastąpić?")))
        return;
    WykonajNaKonfiguracji(strPlik, EWynikKonfiguracji::OdmowaZapisu, ::ZapiszKonfiguracjeDoPliku);
}

// ---- Object and attribute tabs -------------------------------------------------------------

// Every tick, page state and menu check mark drawn anew from the options.
void CGlownyDlg::OdswiezOpcje() {
    for (CZakladkaDlg* pStrona : m_apStrony)
        pStrona->Pokaz(m_opcje);
    m_pSumyCRC->setChecked(m_opcje.m_bSumyCRC);
    m_pPropagacja->setChecked(m_opcje.m_bPropagacja);
}

void CGlownyDlg::KliknietoPole(int n, int i) {
    if (n == 0)
        m_opcje.KliknijGrupe(i, false);
    else
        m_opcje.KliknijAtrybut(n, i, false);
    OdswiezOpcje();
}

void CGlownyDlg::ZaznaczonoWszystkie(int n, bool bStan) {
    m_opcje.ZaznaczWszystkie(n, bStan);
    OdswiezOpcje();
}
