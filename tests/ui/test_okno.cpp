// The main window, its file lists, header tabs and runs, driven as a user would on the offscreen
// platform, with the dialogs answered by the test.
#include <QtTest>

#include <QAccessible>
#include <QAction>
#include <QDateEdit>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <tuple>

#include "filtr/cele.h"
#include "filtr/zdarzenia.h"
#include "stanowisko.h"
#include "swde/kodowanie.h"
#include "swde/platforma.h"
#include "ui/aplikacja.h"
#include "ui/naglowek_dlg.h"
#include "ui/porownanie_dlg.h"
#include "ui/postep_dlg.h"

using kodowanie::T;

namespace {

// Objects removed: premises, buildings and orphans (four stages); persons' personal attributes.
std::string Ustawienia() {
    return Konfiguracja(0b10000000011, {{TypOSF, 62}});
}

QString Separator() {
    return QDir::toNativeSeparators(QStringLiteral("/"));
}

// Types the text as key presses, Polish letters included.
void Wpisz(QWidget* pPole, const QString& strTekst) {
    for (const QChar c : strTekst) {
        QKeyEvent klawisz(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(pPole, &klawisz);
    }
}

// The rows of a file list, joined by " ".
QString Wiersze(const QListWidget* pLista) {
    QStringList astr;
    for (int i = 0; i < pLista->count(); ++i)
        astr << pLista->item(i)->text();
    return astr.join(' ');
}

// Moves the keyboard focus from the field to another control of the window.
void Opusc(QWidget* pPole, QWidget* pDokad) {
    pPole->setFocus(Qt::OtherFocusReason);
    QVERIFY(pPole->hasFocus());
    pDokad->setFocus(Qt::OtherFocusReason);
}

} // namespace

class CTestOkna : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(PrzygotujAplikacje(*qApp)); }
    void startBezKonfiguracji();
    void zainstalowany();
    void dodawaniePlikow();
    void usuwaniePlikow();
    void katalogDocelowy();
    void sprawdzenieCelow();
    void edycjaNaglowka();
    void nazwaPlikuDocelowego_data();
    void nazwaPlikuDocelowego();
    void dataNaglowka();
    void calyRun();
    void anulowanie_data();
    void anulowanie();
    void bladDostepu();
    void znakiNaglowka_data();
    void znakiNaglowka();
    void zastosujDoWszystkich();
    void listaNaEkranie();
    void nazwyDostepne();
    void porownanie();
    void porownanieBezRaportu_data();
    void porownanieBezRaportu();
};

// Started without a configuration file: the warning, the window's state and its commands (those
// that need a file disabled, both options ticked, the key a command shows is its own; Alt+F4 is
// the system's), the about box; with nothing ticked a run is refused; closing writes the
// default file.
void CTestOkna::startBezKonfiguracji() {
    CStanowisko s;
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
    QCOMPARE(s.m_dialogi.m_komunikaty[0].strTekst, Q(TekstWyniku(EWynikKonfiguracji::BrakPliku)));
    QCOMPARE(s.m_dialogi.m_komunikaty[0].eIkona, EIkona::Ostrzezenie);
    QCOMPARE(s->windowTitle(), QStringLiteral("KELVOR"));
    QCOMPARE(s.Element<QTabWidget>("zakladki")->currentIndex(), 0);
    QVERIFY(!s.Element<QPushButton>("przetwarzaj")->isEnabled());
    QVERIFY(s.Element<QPushButton>("przetwarzaj")->isDefault());
    // Standard buttons speak Polish.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Tak"));
    const QStringList astrWylaczone = {"wskazKatalog", "zastosujDoWszystkich", "usunWszystkie",
                                       "przetwarzaj", "sumyCRC"};
    // The commands' texts are what the clerks' manual and habits know them by.
    const QHash<QString, const char*> teksty = {
        {"dodajPliki", "&Dodaj plik źródłowy...\tCtrl+O"},
        {"wskazKatalog", "Wskaż katalog &docelowy...\tCtrl+D"},
        {"zastosujDoWszystkich", "&Zastosuj do wszystkich"},
        {"usunWszystkie", "&Usuń wszystkie\tCtrl+U"},
        {"porownajPliki", "&Porównaj pliki..."},
        {"odczytajKonfiguracje", "Odczytaj &konfigurację...\tCtrl+K"},
        {"zapiszKonfiguracje", "Z&apisz konfigurację...\tCtrl+S"},
        {"wyjdz", "&Wyjdź\tAlt+F4"},
        {"przetwarzaj", "&Przetwarzaj\tF5"},
        {"sumyCRC", "Dodawanie sum CRC"},
        {"propagacja", "P&ropagacja ustawień"},
        {"pomoc", "KELVOR - Pomo&c\tF1"},
        {"informacje", "KELVOR - i&nformacje..."}};
    int nPolecenia = 0, nKlawisze = 0;
    for (const QAction* pAkcja : s->findChildren<QAction*>()) {
        const QString strNazwa = pAkcja->objectName();
        if (strNazwa.isEmpty())
            continue;
        ++nPolecenia;
        QCOMPARE(pAkcja->text(), QString::fromUtf8(teksty.value(strNazwa, "")));
        QCOMPARE(pAkcja->isEnabled(), !astrWylaczone.contains(strNazwa));
        QCOMPARE(pAkcja->isChecked(), strNazwa == "sumyCRC" || strNazwa == "propagacja");
        const QString strKlawisz = pAkcja->text().section('\t', 1);
        QCOMPARE(pAkcja->shortcut().toString(), strKlawisz == "Alt+F4" ? QString() : strKlawisz);
        nKlawisze += !pAkcja->shortcut().isEmpty();
    }
    QCOMPARE(nPolecenia, teksty.size());
    QCOMPARE(nKlawisze, 7);
    s.m_dialogi.Wyczysc();
    s.Element<QAction>("informacje")->trigger();
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
    QCOMPARE(s.m_dialogi.m_komunikaty[0].strTytul, QStringLiteral("KELVOR - informacje"));
    QCOMPARE(s.m_dialogi.m_komunikaty[0].strTekst, QStringLiteral("Kelvor Wersja 2.4"));

    // Escape and F5 without files do nothing.
    QTest::keyClick(&s.Okno(), Qt::Key_Escape);
    QTest::keyClick(&s.Okno(), Qt::Key_F5);
    QVERIFY(s->isVisible());
    QVERIFY(!s->CzyFiltrowanie());

    // Nothing ticked: a run is refused before anything is written.
    s.Dodaj({"a.swd"});
    s.m_dialogi.Wyczysc();
    s.Filtruj();
    QCOMPARE(s.m_dialogi.Teksty(), QStringList{Q(TekstBrakuOpcji())});
    QCOMPARE(s.m_dialogi.m_komunikaty[0].eIkona, EIkona::Brak);
    QCOMPARE(s.Pliki(), QStringList{"a.swd"});
    QVERIFY(s.Element<QPushButton>("przetwarzaj")->isEnabled());

    QVERIFY(s->close());
    COpcjeFiltrowania domyslne; // and the source folder remembered
    domyslne.m_strZrodloDanych = s->Opcje().m_strZrodloDanych;
    QCOMPARE(s.Czytaj("KELVOR.cfg").replace("\r", ""),
             QByteArray::fromStdString(TekstKonfiguracji(domyslne)));
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
}

// Installed where the clerk may not write (a fault on creating files in the program's folder
// stands for Program Files, as the tests may run with every right): the KELVOR.cfg installed
// there gives the first start's settings, closing saves them in the user's own folder, the next
// start reads them from there, and nothing is written beside the program.
void CTestOkna::zainstalowany() {
    QTemporaryDir uzytkownik;
#ifdef _WIN32
    const char* szZmienna = "APPDATA";
    const QString strWlasny = QDir::toNativeSeparators(uzytkownik.path() + "/KELVOR/KELVOR.cfg");
#else
    const char* szZmienna = "XDG_CONFIG_HOME";
    const QString strWlasny = uzytkownik.path() + "/kelvor/KELVOR.cfg";
#endif
    const QByteArray poprzednia = qgetenv(szZmienna);
    const bool bBylaZmienna = qEnvironmentVariableIsSet(szZmienna);
    qputenv(szZmienna, QDir::toNativeSeparators(uzytkownik.path()).toLocal8Bit());
    struct CSprzatanie {
        std::function<void()> f;
        ~CSprzatanie() { f(); }
    } sprzatanie{[&] {
        platforma::awarie::Wylacz();
        if (bBylaZmienna)
            qputenv(szZmienna, poprzednia);
        else
            qunsetenv(szZmienna);
    }};

    CStanowisko s(Ustawienia(), QStringLiteral("program"));
    platforma::awarie::CAwaria awaria;
    awaria.strFragment = Cp(s.Sciezka("program"));
    awaria.bTworzenie = true;
    platforma::awarie::Ustaw(awaria);
    QVERIFY(s.m_dialogi.m_komunikaty.isEmpty());
    QCOMPARE(s->MiejsceKonfiguracji().m_strOdczyt, Cp(s.Sciezka("program/KELVOR.cfg")));
    QCOMPARE(TekstKonfiguracji(s->Opcje()), Ustawienia());
    s.Dodaj({"a.swd"}); // the source folder, remembered in the settings
    const std::string strUstawienia = TekstKonfiguracji(s->Opcje());
    QVERIFY(strUstawienia != Ustawienia());
    QVERIFY(s->close());
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 0);
    QCOMPARE(s.Czytaj("program/KELVOR.cfg"), QByteArray::fromStdString(Ustawienia()));
    QCOMPARE(QDir(s.Sciezka("program")).entryList(QDir::Files), QStringList{"KELVOR.cfg"});
    QFile zapisany(strWlasny);
    QVERIFY(zapisany.open(QIODevice::ReadOnly));
    QCOMPARE(zapisany.readAll().replace("\r", ""), QByteArray::fromStdString(strUstawienia));

    CGlownyDlg drugie(s.m_dialogi, s.Sciezka("program/kelvor"));
    QCOMPARE(drugie.MiejsceKonfiguracji().m_strOdczyt, Cp(strWlasny));
    QCOMPARE(TekstKonfiguracji(drugie.Opcje()), strUstawienia);
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 0);
}

// Three files of which the second is no SWDE file: two pairs, the error with its path, the
// folder of the last one remembered. A name without an extension in a folder with a dot gets
// "_nowy" at its end.
void CTestOkna::dodawaniePlikow() {
    CStanowisko s;
    s.m_dialogi.Wyczysc();
    s->PokazZakladke(ZakladkaAtrybuty);
    s.Zapisz("a.swd", PlikSWDE(QStringLiteral("NS,TN,Starostwo w Środzie\nNS,OO,Anna Łąkowa")));
    s.Zapisz("b.swd", "to nie jest plik SWDE\r\n");
    s.Zapisz("dane.2024/plik");
    s.Dodaj({"a.swd", "b.swd", "dane.2024/plik"});

    const CWyborPlikow& wybor = s.m_dialogi.m_wybory.at(0);
    QCOMPARE(wybor.m_eTryb, ETrybPlikow::OtworzWiele);
    QCOMPARE(wybor.m_strFiltr, QStringLiteral("Pliki SWDE (*.swde *.swd *.egb *.txt);;Wszystkie pliki (*)"));
    QCOMPARE(s.m_dialogi.Teksty(),
             QStringList{Q(T("Błąd nr 1: Nieprawidłowy format pliku ")) + s.Sciezka("b.swd")});
    QCOMPARE(s.m_dialogi.m_komunikaty[0].eIkona, EIkona::Ostrzezenie);

    QCOMPARE(s->Pary().size(), 2u);
    for (bool bDocelowa : {false, true}) {
        QCOMPARE(Wiersze(s.Lista(bDocelowa)), QStringLiteral("a.swd plik"));
        QCOMPARE(s.Lista(bDocelowa)->currentRow(), 1);
    }
    QCOMPARE(SciezkaOkna(s->Pary()[0].m_strCel), s.Sciezka("a_nowy.swd"));
    QCOMPARE(SciezkaOkna(s->Pary()[1].m_strCel), s.Sciezka("dane.2024/plik_nowy"));
    QCOMPARE(SciezkaOkna(s->Opcje().m_strZrodloDanych), s.Sciezka("dane.2024") + Separator());
    QCOMPARE(s.Element<QTabWidget>("zakladki")->currentIndex(), int(ZakladkaZrodla));
    QVERIFY(s.Element<QPushButton>("przetwarzaj")->isEnabled());

    // The headers are those of the selected pair, Polish letters converted from the file.
    s.Lista()->setCurrentRow(0);
    QCOMPARE(s.Element<QLineEdit>("TN", "naglowekZrodlowy")->text(), QStringLiteral("Starostwo w Środzie"));
    QCOMPARE(s.Element<QLineEdit>("OO", "naglowekDocelowy")->text(), QStringLiteral("Anna Łąkowa"));
    QCOMPARE(s.Element<QLineEdit>("plik", "naglowekDocelowy")->text(), s.Sciezka("a_nowy.swd"));

    // Files dropped onto the source list are added in order, as if chosen in the dialog.
    QMimeData dane;
    dane.setUrls({QUrl::fromLocalFile(s.Zapisz("dane/a.swd")), QUrl::fromLocalFile(s.Zapisz("b.swd"))});
    QWidget* pLista = s.Element<QWidget>("listaZrodlowa");
    QDragEnterEvent wejscie(QPoint(5, 5), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pLista, &wejscie);
    QVERIFY(wejscie.isAccepted());
    QDropEvent upuszczenie(QPointF(5, 5), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pLista, &upuszczenie);
    QCOMPARE(Wiersze(s.Lista()), QStringLiteral("a.swd plik a.swd b.swd"));
    QCOMPARE(SciezkaOkna(s->Pary()[3].m_strCel), s.Sciezka("b_nowy.swd"));

    // Files already listed are not added again, whichever way they come; the clerk is told
    // once which were skipped.
    s.m_dialogi.Wyczysc();
    s.Dodaj({"a.swd", "c.swd", "dane/../b.swd", "c.swd"});
    QCOMPARE(Wiersze(s.Lista()), QStringLiteral("a.swd plik a.swd b.swd c.swd"));
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
    QCOMPARE(s.m_dialogi.m_komunikaty[0].astrLista,
             (QStringList{s.Sciezka("a.swd"), s.Sciezka("b.swd"), s.Sciezka("c.swd")}));

    // Long paths are shown whole in tooltips: the source in its list, the target in its list
    // and in the path fields.
    QCOMPARE(s.Lista(false)->item(2)->toolTip(), s.Sciezka("dane/a.swd"));
    QCOMPARE(s.Lista(true)->item(2)->toolTip(), s.Sciezka("dane/a_nowy.swd"));
    s.Lista()->setCurrentRow(1);
    QCOMPARE(s.Element<QLineEdit>("plik", "naglowekZrodlowy")->toolTip(),
             s.Sciezka("dane.2024/plik"));
    QCOMPARE(s.Element<QLineEdit>("plik", "naglowekDocelowy")->toolTip(),
             s.Sciezka("dane.2024/plik_nowy"));
}

// Removing keeps the two lists in step; the last pair gone empties and disables the headers.
void CTestOkna::usuwaniePlikow() {
    CStanowisko s;
    s.Dodaj({"a.swd", "b.swd", "c.swd"});
    QPushButton* pUsun = s.Element<QPushButton>("usunPlik", "listaDocelowa");
    auto wiersze = [&] { return Wiersze(s.Lista(true)); };
    auto wybrana = [&](int i) {
        QCOMPARE(s.Lista(false)->currentRow(), i);
        QCOMPARE(s.Lista(true)->currentRow(), i);
        QCOMPARE(s.Element<QLineEdit>("plik", "naglowekZrodlowy")->text(),
                 SciezkaOkna(s->Pary()[std::size_t(i)].m_strZrodlo));
    };
    s.Lista(true)->setCurrentRow(0); // a row chosen in one list is chosen in the other
    wybrana(0);
    s.Lista(false)->setCurrentRow(2);
    QTest::mouseClick(pUsun, Qt::LeftButton);
    QCOMPARE(wiersze(), QStringLiteral("a.swd b.swd"));
    wybrana(1);
    s.Lista(false)->setCurrentRow(0);
    QTest::mouseClick(pUsun, Qt::LeftButton);
    QCOMPARE(wiersze(), QStringLiteral("b.swd"));
    wybrana(0);
    QTest::mouseClick(pUsun, Qt::LeftButton);
    QCOMPARE(s->Pary().size(), 0u);
    QVERIFY(s.Element<QLineEdit>("TN", "naglowekZrodlowy")->text().isEmpty());
    QVERIFY(s.Element<QLineEdit>("plik", "naglowekDocelowy")->text().isEmpty());
    QVERIFY(!s.Element<QLineEdit>("TN", "naglowekDocelowy")->isEnabled());
    QVERIFY(!s.Element<QPushButton>("przetwarzaj")->isEnabled());
    QVERIFY(!pUsun->isEnabled());

    // "Usuń wszystkie" asks first, also when Ctrl+U is pressed inside a header field, whose own
    // binding for the key gives way to the menu's. (X11 binds Ctrl+U in fields to emptying the
    // line; on the xcb platform this test catches a field that keeps the key.)
    s.Dodaj({"a.swd", "b.swd"});
    QLineEdit* pNazwa = s.Element<QLineEdit>("TN", "naglowekDocelowy");
    s->PokazZakladke(ZakladkaCele);
    pNazwa->setFocus();
    pNazwa->end(false);
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_odpowiedzi = {false};
    QTest::keyClick(pNazwa, Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(s.m_dialogi.Teksty(), QStringList{QStringLiteral(
                                       "Czy na pewno chcesz usunąć z listy wszystkie pliki (2)?")});
    QCOMPARE(pNazwa->text(), QStringLiteral("Starostwo"));
    QCOMPARE(wiersze(), QStringLiteral("a.swd b.swd"));
    s.m_dialogi.m_odpowiedzi = {true};
    QTest::keyClick(pNazwa, Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(s->Pary().size(), 0u);
    QCOMPARE(wiersze(), QString());
    QVERIFY(!s.Element<QAction>("przetwarzaj")->isEnabled());
    s.m_dialogi.Wyczysc();
    s.Element<QAction>("usunWszystkie")->trigger(); // nothing to ask about
    QCOMPARE(s.m_dialogi.Teksty(), QStringList());
}

// Every target moves into the chosen folder under its own name; a choice that would make a
// source a target is refused and changes nothing.
void CTestOkna::katalogDocelowy() {
    CStanowisko s;
    s.Dodaj({"a.swd", "dane/b.swd"});
    QDir(s.m_katalog.path()).mkdir("wyniki");
    s.m_dialogi.m_katalogi = {s.Sciezka("wyniki")};
    QTest::mouseClick(s.Element<QPushButton>("wskazKatalog"), Qt::LeftButton);
    QCOMPARE(s.m_dialogi.m_wybory.back().m_strTytul, QStringLiteral("Proszę wybrać katalog docelowy"));
    QCOMPARE(SciezkaOkna(s->Pary()[0].m_strCel), s.Sciezka("wyniki/a_nowy.swd"));
    QCOMPARE(SciezkaOkna(s->Pary()[1].m_strCel), s.Sciezka("wyniki/b_nowy.swd"));
    QCOMPARE(SciezkaOkna(s->Opcje().m_strUjscieDanych), s.Sciezka("wyniki") + Separator());
    QCOMPARE(s.Element<QTabWidget>("zakladki")->currentIndex(), int(ZakladkaCele));
    QCOMPARE(s.Element<QLineEdit>("plik", "naglowekDocelowy")->text(), s.Sciezka("wyniki/b_nowy.swd"));
    QCOMPARE(s.Lista(true)->item(1)->text(), QStringLiteral("b.swd"));

    // Pair 1's target is named like its source: choosing the source's folder is refused.
    QLineEdit* pPlik = s.Element<QLineEdit>("plik", "naglowekDocelowy");
    pPlik->setText(QStringLiteral("b.swd"));
    Opusc(pPlik, s.Element<QLineEdit>("TN", "naglowekDocelowy"));
    QCOMPARE(SciezkaOkna(s->Pary()[1].m_strCel), s.Sciezka("wyniki/b.swd"));
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_katalogi = {s.Sciezka("dane")};
    s->WskazKatalogDocelowy();
    QCOMPARE(s.m_dialogi.Teksty(), QStringList{QStringLiteral("Podaj prawidłową nazwę pliku.")});
    QCOMPARE(SciezkaOkna(s->Pary()[0].m_strCel), s.Sciezka("wyniki/a_nowy.swd"));
    QCOMPARE(SciezkaOkna(s->Pary()[1].m_strCel), s.Sciezka("wyniki/b.swd"));
    QCOMPARE(SciezkaOkna(s->Opcje().m_strUjscieDanych), s.Sciezka("wyniki") + Separator());

    // The folder sticks: files added later, also after "Usuń wszystkie", get their targets in
    // it, and the configuration written at the close remembers it.
    s.Dodaj({"c.swd"});
    QCOMPARE(SciezkaOkna(s->Pary()[2].m_strCel), s.Sciezka("wyniki/c_nowy.swd"));
    s.m_dialogi.m_odpowiedzi = {true};
    s->UsunWszystkie();
    QCOMPARE(s->Pary().size(), 0u);
    s.Dodaj({"dane/d.swd"});
    QCOMPARE(SciezkaOkna(s->Pary()[0].m_strCel), s.Sciezka("wyniki/d_nowy.swd"));
    QVERIFY(s->close());
    COpcjeFiltrowania zapisane;
    QCOMPARE(WczytajKonfiguracje(zapisane, Cp(s.Sciezka("KELVOR.cfg"))),
             EWynikKonfiguracji::Wykonano);
    QCOMPARE(SciezkaOkna(zapisane.m_strKatalogDocelowy), s.Sciezka("wyniki") + Separator());
}

// The checks before a run: missing folders listed alone, shared targets, existing targets
// replaced only after a yes.
void CTestOkna::sprawdzenieCelow() {
    CStanowisko s(Ustawienia());
    s.Dodaj({"d1/a.swd", "d2/b.swd", "c.swd"});
    QDir(s.m_katalog.path()).mkdir("w");
    s.m_dialogi.m_katalogi = {s.Sciezka("w")};
    s->WskazKatalogDocelowy();
    // Pair 2's target is an existing file, accepted in the field.
    s.Zapisz("c_wynik.swd", "poprzedni wynik");
    s.m_dialogi.m_odpowiedzi = {true};
    QLineEdit* pPlik = s.Element<QLineEdit>("plik", "naglowekDocelowy");
    pPlik->setText(s.Sciezka("c_wynik.swd"));
    Opusc(pPlik, s.Element<QLineEdit>("TN", "naglowekDocelowy"));
    QCOMPARE(SciezkaOkna(s->Pary()[2].m_strCel), s.Sciezka("c_wynik.swd"));
    QDir(s.Sciezka("w")).removeRecursively();

    s.m_dialogi.Wyczysc();
    s->Przetwarzaj();
    QVERIFY(!s->CzyFiltrowanie());
    const std::vector<std::string> astrBledne = {Cp(s.Sciezka("w/a_nowy.swd")), Cp(s.Sciezka("w/b_nowy.swd"))};
    QCOMPARE(s.m_dialogi.Teksty(), QStringList{Q(TekstBlednychFolderow(astrBledne))});

    QDir(s.m_katalog.path()).mkdir("w");
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_odpowiedzi = {false};
    s->Przetwarzaj();
    QVERIFY(!s->CzyFiltrowanie());
    QCOMPARE(s.m_dialogi.Teksty(),
             QStringList{QStringLiteral("Poniższe pliki docelowe już istnieją:")});
    QCOMPARE(s.m_dialogi.m_komunikaty[0].astrLista, QStringList{s.Sciezka("c_wynik.swd")});
    QCOMPARE(s.m_dialogi.m_komunikaty[0].strPo,
             QStringLiteral("Czy chcesz je zastąpić nowymi plikami o tej samej nazwie?"));
    QCOMPARE(s.Czytaj("c_wynik.swd"), QByteArray("poprzedni wynik"));
    s.m_dialogi.m_odpowiedzi = {true};
    s.Filtruj();
    QVERIFY(s.Czytaj("c_wynik.swd").startsWith("SWDE"));

    // Two sources of the same name in one target folder, F5 pressed where choosing the folder
    // left the focus: in the target name it shows, whose file exists from the run before. That
    // name is no answer to ask about first, the duplicate is the message.
    s.Dodaj({"d3/a.swd"});
    s.m_dialogi.m_katalogi = {s.Sciezka("w")};
    s->WskazKatalogDocelowy();
    s->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.Okno()));
    QVERIFY(pPlik->hasFocus());
    QCOMPARE(pPlik->text(), s.Sciezka("w/a_nowy.swd"));
    QVERIFY(s.Istnieje("w/a_nowy.swd"));
    s.m_dialogi.Wyczysc();
    QTest::keyClick(pPlik, Qt::Key_F5);
    QVERIFY(!s->CzyFiltrowanie());
    QCOMPARE(s.m_dialogi.Teksty(), QStringList{Q(TekstPowtorzonych({Cp(s.Sciezka("w/a_nowy.swd"))}))});
}

// An edited header value stays with its pair; with no pairs nothing can be edited.
void CTestOkna::edycjaNaglowka() {
    CStanowisko s;
    s.Dodaj({"a.swd", "b.swd"});
    QLineEdit* pNazwa = s.Element<QLineEdit>("TN", "naglowekDocelowy");
    s.Lista()->setCurrentRow(0);
    pNazwa->selectAll();
    Wpisz(pNazwa, QStringLiteral("Biuro Żółć"));
    s.Lista(true)->setCurrentRow(1);
    QCOMPARE(pNazwa->text(), QStringLiteral("Starostwo"));
    s.Lista(true)->setCurrentRow(0);
    QCOMPARE(pNazwa->text(), QStringLiteral("Biuro Żółć"));
    QCOMPARE(s->Pary()[0].m_docelowe[PoleTN], T("Biuro Żółć"));
    QCOMPARE(s->Pary()[1].m_docelowe[PoleTN], std::string("Starostwo"));
    QCOMPARE(s->Pary()[0].m_zrodlowe[PoleTN], std::string("Starostwo"));

    // The date goes into the pair as year-month-day.
    s.Element<QDateEdit>("DN", "naglowekDocelowy")->setDate(QDate(2004, 3, 7));
    QCOMPARE(s->Pary()[0].m_docelowe[PoleDN], std::string("2004-03-07"));
    QCOMPARE(s->Pary()[1].m_docelowe[PoleDN].empty(), true); // its source has no date line

    s.m_dialogi.m_odpowiedzi = {true};
    s->UsunWszystkie();
    QVERIFY(!pNazwa->isEnabled());
    QVERIFY(!s.Element<QDateEdit>("DN", "naglowekDocelowy")->isEnabled());
}

// The target file field, checked when it loses the focus: what is stored and what is said.
void CTestOkna::nazwaPlikuDocelowego_data() {
    QTest::addColumn<QString>("nazwa");     // typed; relative names lie beside the target
    QTest::addColumn<int>("odpowiedz");     // to the replace question: -1 none asked
    QTest::addColumn<QString>("komunikat"); // the message shown, if any
    QTest::addColumn<QString>("cel");       // the pair's target afterwards
    const QString strZla = QStringLiteral("Podaj prawidłową nazwę pliku.");
    QTest::newRow("nowy plik") << "wynik.swd" << -1 << "" << "wynik.swd";
    QTest::newRow("pełna ścieżka") << "@/inny.swd" << -1 << "" << "inny.swd";
    QTest::newRow("brak folderu") << "brak/wynik.swd" << -1 << strZla << "a_nowy.swd";
    QTest::newRow("źródło") << "a.swd" << -1 << strZla << "a_nowy.swd";
    QTest::newRow("puste") << "" << -1 << strZla << "a_nowy.swd";
    QTest::newRow("istnieje, nie") << "stary.swd" << 0 << "" << "a_nowy.swd";
    QTest::newRow("istnieje, tak") << "stary.swd" << 1 << "" << "stary.swd";
}

void CTestOkna::nazwaPlikuDocelowego() {
    QFETCH(QString, nazwa);
    QFETCH(int, odpowiedz);
    QFETCH(QString, komunikat);
    CStanowisko s;
    s.Dodaj({"a.swd"});
    s.Zapisz("stary.swd", "stary");
    s.m_dialogi.Wyczysc();
    if (odpowiedz >= 0)
        s.m_dialogi.m_odpowiedzi = {odpowiedz == 1};
    s->PokazZakladke(ZakladkaCele);
    QLineEdit* pPlik = s.Element<QLineEdit>("plik", "naglowekDocelowy");
    pPlik->setText(nazwa.replace('@', s.m_katalog.path()));
    Opusc(pPlik, s.Element<QLineEdit>("TN", "naglowekDocelowy"));

    QStringList astrOczekiwane;
    if (odpowiedz >= 0)
        astrOczekiwane << QStringLiteral("Podany plik już istnieje. Czy chcesz go zastąpić?");
    if (!komunikat.isEmpty())
        astrOczekiwane << komunikat;
    QCOMPARE(s.m_dialogi.Teksty(), astrOczekiwane);
    QTEST(QFileInfo(Q(s->Pary()[0].m_strCel)).fileName(), "cel");
    const bool bPrzyjeta = s->Pary()[0].m_strCel != Cp(s.Sciezka("a_nowy.swd"));
    if (!bPrzyjeta) { // back in the field on its tab
        QTest::qWait(0);
        QCOMPARE(s.Element<QTabWidget>("zakladki")->currentIndex(), int(ZakladkaCele));
        QVERIFY(pPlik->hasFocus());
    }
    // Only the source, the configuration and the file that was there: no probe left, the
    // existing file unchanged.
    QCOMPARE(s.Czytaj("stary.swd"), QByteArray("stary"));
    QCOMPARE(s.Pliki(), (QStringList{"a.swd", "stary.swd"}));
}

// The date text of a header: the tokens as year, month and day.
void CTestOkna::dataNaglowka() {
    const std::tuple<const char*, bool, QDate> przypadki[] = {
        {"2004-3-7", true, QDate(2004, 3, 7)},  {" 2004.03.07 ", true, QDate(2004, 3, 7)},
        {"2004\\3\\7", true, QDate(2004, 3, 7)}, {" \t", false, QDate()},
        {"2004", true, QDate()},                {"2004-13-40", true, QDate()}};
    for (const auto& [szTekst, bJest, data] : przypadki) {
        const CDataNaglowka wynik = DataZTekstu(szTekst);
        QVERIFY2(wynik.bJest == bJest && wynik.data == data, szTekst);
    }
}

// A whole run from the window: the window disabled, each file's row and headers shown as it
// starts, the stage line, the summary; the target the same as the console makes.
void CTestOkna::calyRun() {
    CStanowisko s(Ustawienia());
    s.Dodaj({"a.swd", "b.swd"});
    s.m_dialogi.Wyczysc();
    s->UstawPrzystanek({1, T("Filtrowanie typów"), 0});
    s->Przetwarzaj();
    QVERIFY(s->CzyFiltrowanie());
    QCOMPARE(s->PostepDlg()->findChild<QLabel*>("etap")->text(), QStringLiteral("Etap:"));
    QVERIFY(!s.Element<QWidget>("zakladki")->isEnabled());
    QVERIFY(!s.Element<QPushButton>("przetwarzaj")->isEnabled());
    QVERIFY(!s.Element<QAction>("dodajPliki")->isEnabled());
    s->Przetwarzaj(); // a second press while a run is under way does nothing
    QVERIFY(QTest::qWaitFor([&] { return s->Watek() && s->Watek()->CzyCzeka(); }, 30000));
    QTest::qWait(0);
    CPostepDlg* pPostep = s->PostepDlg();
    QCOMPARE(pPostep->findChild<QLabel*>("etap")->text(),
             QStringLiteral("b.swd: Filtrowanie typów"));
    QCOMPARE(pPostep->findChild<QLabel*>("plik")->text(), QStringLiteral("Plik 2 z 2: b.swd"));
    QCOMPARE(pPostep->windowTitle(), QStringLiteral("KELVOR - filtrowanie"));
    QVERIFY(!(pPostep->windowFlags() & Qt::FramelessWindowHint));
    const QProgressBar* pCalosc = pPostep->findChild<QProgressBar*>("calosc");
    QCOMPARE(pCalosc->value() * 2, pCalosc->maximum()); // one file of two done
    QVERIFY(pPostep->isVisible());
    QCOMPARE(s.Lista(false)->currentRow(), 1);
    QCOMPARE(s.Lista(true)->currentRow(), 1);
    QCOMPARE(s.Element<QLineEdit>("plik", "naglowekZrodlowy")->text(), s.Sciezka("b.swd"));
    QVERIFY(!s->close());
    QCOMPARE(s.m_dialogi.Teksty(),
             QStringList{QStringLiteral("Nie można zamknąć programu podczas filtrowania.\n"
                                        "Aby zakończyć program, zatrzymaj najpierw filtrowanie.")});
    s.m_dialogi.Wyczysc();
    s->Watek()->Wstrzymaj(false);
    s.CzekajNaKoniec();

    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
    QCOMPARE(s.m_dialogi.m_komunikaty[0].eIkona, EIkona::Informacja);
    QVERIFY(QRegularExpression(QStringLiteral("^Filtrowanie zakończone.\nCzas filtrowania: "
                                              "\\d+:\\d\\d:\\d\\d:\\d\\d\nIlość błędów filtrowania: 0$"))
                .match(s.m_dialogi.Teksty()[0]).hasMatch());
    QVERIFY(s.Element<QPushButton>("przetwarzaj")->isEnabled());
    QVERIFY(s.Element<QWidget>("zakladki")->isEnabled());
    QVERIFY(s->PostepDlg() == nullptr);

    QVERIFY(!s.Czytaj("a_nowy.swd").contains("RO,,G5LKL"));
    QVERIFY(s->close());
}

// A failed file access (a full disk while a temporary file is written): the summary adds the
// file and the system's reason, which the log does not give.
void CTestOkna::bladDostepu() {
    CStanowisko s(Ustawienia());
    s.Dodaj({"a.swd"});
    s.m_dialogi.Wyczysc();
    const QString strTymczasowy = s.Sciezka("a_KELVOR1.swd");
    platforma::awarie::Ustaw({kodowanie::Utf8DoCp1250(strTymczasowy.toStdString()), 100});
    s->Przetwarzaj();
    s.CzekajNaKoniec();
    platforma::awarie::Wylacz();
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
    const CKomunikatTestowy& podsumowanie = s.m_dialogi.m_komunikaty[0];
    QVERIFY(podsumowanie.strTekst.endsWith(
        QStringLiteral("Ilość błędów filtrowania: 1\n\nPliki, których nie przefiltrowano:")));
    QCOMPARE(podsumowanie.eIkona, EIkona::Ostrzezenie);
    QCOMPARE(podsumowanie.astrLista.size(), 1);
    QVERIFY2(podsumowanie.astrLista[0].startsWith(
                 QStringLiteral("a.swd: Wystąpił błąd związany z dostępem do pliku.\nPlik '") +
                 strTymczasowy + "': "),
             qPrintable(podsumowanie.astrLista[0]));
    QVERIFY(!s.Istnieje("a_KELVOR1.swd") && !s.Istnieje("a_nowy.swd"));
}

// "Anuluj" asks while the worker waits; No lets the run finish, Yes stops it in the second
// file: no target and no temporary file of it, and the message names the file finished before;
// a close request before the worker hands back is refused.
void CTestOkna::anulowanie_data() {
    QTest::addColumn<bool>("tak");
    QTest::newRow("nie") << false;
    QTest::newRow("tak") << true;
}

void CTestOkna::anulowanie() {
    QFETCH(bool, tak);
    CStanowisko s(Ustawienia());
    s.Dodaj({"a.swd", "b.swd"});
    s.m_dialogi.Wyczysc();
    s->UstawPrzystanek({1, T("Filtrowanie obiektów (2/4)"), 0});
    s->Przetwarzaj();
    QVERIFY(QTest::qWaitFor([&] { return s->Watek() && s->Watek()->CzyCzeka(); }, 30000));
    QTest::qWait(0);
    QVERIFY(s.Istnieje("b_KELVOR1.swd"));
    bool bCzekal = false;
    s.m_dialogi.m_fPytanie = [&](const QString&) {
        bCzekal = s->Watek()->CzyCzeka();
        return tak;
    };
    QTest::mouseClick(s->PostepDlg()->findChild<QPushButton*>("anuluj"), Qt::LeftButton);
    QVERIFY(bCzekal);
    QCOMPARE(s.m_dialogi.m_komunikaty.at(0).strTekst, QStringLiteral("Czy na pewno chcesz przerwać filtrowanie?"));
    QCOMPARE(s.m_dialogi.m_komunikaty.at(0).strTytul, QStringLiteral("Potwierdzenie"));
    // The worker has not handed back yet (that needs this thread): closing is refused.
    QVERIFY(!s->close());
    QVERIFY(s.m_dialogi.Teksty().at(1).startsWith(QStringLiteral("Nie można zamknąć programu")));
    s.CzekajNaKoniec();

    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 3);
    QCOMPARE(s.Istnieje("b_nowy.swd"), !tak);
    QVERIFY(!s.Istnieje("b_KELVOR1.swd") && !s.Istnieje("b_KELVOR2.swd"));
    const CKomunikatTestowy& koniec = s.m_dialogi.m_komunikaty.at(2);
    if (tak) {
        QVERIFY(s.Czytaj("b_nowy.log").contains(QByteArray::fromStdString(TekstPrzerwania())));
        QCOMPARE(s.Pliki(), (QStringList{"KELVOR.cfg", "a.swd", "a_nowy.log", "a_nowy.swd", "b.swd",
                                         "b_nowy.log"}));
        QCOMPARE(koniec.strTekst,
                 QStringLiteral("Przerwano filtrowanie.\nPliki zakończone przed przerwaniem:"));
        QCOMPARE(koniec.astrLista, QStringList{"a.swd"});
    } else {
        QVERIFY(koniec.strTekst.startsWith(QStringLiteral("Filtrowanie zakończone.")));
    }
    QVERIFY(s.Element<QPushButton>("przetwarzaj")->isEnabled());
    QVERIFY(s->close());
}

// A header text with characters the file cannot carry is refused as it is typed or pasted,
// the characters named, the pair keeping what it had: nothing lands in the target as "?".
void CTestOkna::znakiNaglowka_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("znaki"); // named in the warning; empty: accepted
    QTest::newRow("cudzysłowy, półpauza, euro")
        << QStringLiteral("Anna „Próbna” – test €") << QStringLiteral("„ ” – €");
    QTest::newRow("tabulator") << QStringLiteral("Anna\tPróbna") << QStringLiteral("U+0009");
    QTest::newRow("polskie litery") << QStringLiteral("Zażółć gęślą jaźń ŚĄŹ") << QString();
}

void CTestOkna::znakiNaglowka() {
    QFETCH(QString, tekst);
    QFETCH(QString, znaki);
    CStanowisko s(Ustawienia());
    s.Dodaj({"a.swd"});
    s.m_dialogi.Wyczysc();
    QLineEdit* pOdbiorca = s.Element<QLineEdit>("OO", "naglowekDocelowy");
    pOdbiorca->setFocus();
    pOdbiorca->selectAll();
    Wpisz(pOdbiorca, tekst.left(4));
    pOdbiorca->insert(tekst.mid(4)); // the rest pasted at once
    if (znaki.isEmpty()) {
        QCOMPARE(s.m_dialogi.Teksty(), QStringList());
        QCOMPARE(s->Pary()[0].m_docelowe[PoleOO], Cp(tekst));
        return;
    }
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
    QVERIFY2(s.m_dialogi.m_komunikaty[0].strTekst.contains(QStringLiteral(": ") + znaki + "\n"),
             qPrintable(s.m_dialogi.m_komunikaty[0].strTekst));
    QCOMPARE(pOdbiorca->text(), tekst.left(4));
    QCOMPARE(s->Pary()[0].m_docelowe[PoleOO], Cp(tekst.left(4)));
    s.m_dialogi.Wyczysc();
    s.Filtruj();
    QVERIFY(s.Czytaj("a_nowy.swd").contains("\r\nNS,OO," + tekst.left(4).toLatin1() + "\r\n"));
}

// One recipient for thirty files: the texts and the date shown go to every pair after one
// question that lists the pairs whose texts differ; every target carries them.
void CTestOkna::zastosujDoWszystkich() {
    CStanowisko s(Ustawienia());
    QStringList astrPliki;
    for (int i = 1; i <= 30; ++i)
        astrPliki << QStringLiteral("obreb_%1.swd").arg(i, 4, 10, QLatin1Char('0'));
    s.Zapisz(astrPliki[2], PlikSWDE(QStringLiteral("NS,TN,Gmina Trzecia")));
    s.Dodaj(astrPliki);
    QCOMPARE(s->Pary().size(), 30u);
    s.Lista()->setCurrentRow(2);
    s->PokazZakladke(ZakladkaCele);
    QLineEdit* pOdbiorca = s.Element<QLineEdit>("ON", "naglowekDocelowy");
    pOdbiorca->selectAll();
    Wpisz(pOdbiorca, QStringLiteral("Urząd Gminy Łęczna"));
    s.Element<QDateEdit>("DN", "naglowekDocelowy")->setDate(QDate(2026, 12, 7));
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_odpowiedzi = {false};
    QTest::mouseClick(s.Element<QPushButton>("zastosujDoWszystkich"), Qt::LeftButton);
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
    QVERIFY(s.m_dialogi.m_komunikaty[0].bPytanie);
    QStringList astrInne = astrPliki;
    astrInne.removeAt(2);
    QCOMPARE(s.m_dialogi.m_komunikaty[0].astrLista, astrInne);
    QCOMPARE(s->Pary()[0].m_docelowe[PoleON], std::string()); // "Nie" changes nothing

    s.m_dialogi.m_odpowiedzi = {true};
    s.Element<QAction>("zastosujDoWszystkich")->trigger();
    for (const CParaPlikow& para : s->Pary())
        QCOMPARE(para.m_docelowe, s->Pary()[2].m_docelowe);
    s.m_dialogi.Wyczysc();
    s.Element<QAction>("zastosujDoWszystkich")->trigger(); // all alike now: nothing to ask
    QCOMPARE(s.m_dialogi.Teksty(), QStringList());
    s.Filtruj();
    const QByteArray naglowek = QByteArray::fromStdString(kodowanie::Cp1250DoIso88592(
        T("NS,TN,Gmina Trzecia\r\nNS,TA,\r\nNS,TO,\r\nNS,ZN,\r\nNS,ZR,\r\nNS,ZD,\r\nNS,OP,\r\n"
          "NS,OR,\r\nNS,ON,Urząd Gminy Łęczna\r\nNS,OA,\r\nNS,OO,\r\nNS,DN,2026-12-07\r\n")));
    for (const QString& strPlik : astrPliki) {
        const QString strCel = QString(strPlik).replace(".swd", "_nowy.swd");
        QVERIFY2(s.Czytaj(strCel).contains(naglowek), qPrintable(strCel));
    }
}

// The question about sixty existing targets fits the screen: the list scrolls, "Nie" is the
// default and Escape means no.
void CTestOkna::listaNaEkranie() {
    CDialogiQt dialogi;
    CKomunikatZLista pytanie{
        QStringLiteral("Poniższe pliki docelowe już istnieją:"),
        {},
        QStringLiteral("Czy chcesz je zastąpić nowymi plikami o tej samej nazwie?"),
        EIkona::Brak,
        QStringLiteral("KELVOR")};
    for (int i = 1; i <= 60; ++i)
        pytanie.m_astrLista << QStringLiteral("/home/urzad/przekazanie/obreb_%1_nowy.swd").arg(i);
    QRect okno, ekran;
    QString strDomyslny;
    QTimer::singleShot(0, [&] {
        QWidget* pOkno = QApplication::activeModalWidget();
        QVERIFY(pOkno);
        okno = pOkno->frameGeometry();
        ekran = pOkno->screen()->availableGeometry();
        for (const QPushButton* pPrzycisk : pOkno->findChildren<QPushButton*>())
            if (pPrzycisk->isDefault())
                strDomyslny = pPrzycisk->text();
        QTest::keyClick(pOkno, Qt::Key_Escape);
    });
    QVERIFY(!dialogi.Pytanie(nullptr, pytanie));
    QVERIFY2(okno.height() <= ekran.height(), qPrintable(QString::number(okno.height())));
    QCOMPARE(strDomyslny, QStringLiteral("&Nie"));
}

// A screen reader announces each header field by its own caption, the frame as its
// description, the lists and the progress bars by what they hold. (scripts/dostepnosc.sh reads
// the whole window the same way over AT-SPI.)
void CTestOkna::nazwyDostepne() {
    CStanowisko s;
    const struct {
        const char* szPole;
        const char* szNazwa;
        const char* szRamka;
    } pola[] = {
        {"plik", "Plik docelowy", ""},
        {"TR", "Nr ident. jednostki", "Identyfikacja pliku SWDE"},
        {"TO", "Wykonał", "Identyfikacja pliku SWDE"},
        {"DN", "dnia", "Identyfikacja pliku SWDE"},
        {"OR", "Nr ident. jednostki", "Przeznaczenie pliku SWDE"},
        {"OO", "Osoba odbierająca", "Przeznaczenie pliku SWDE"},
    };
    for (const auto& p : pola) {
        QAccessibleInterface* pDostep =
            QAccessible::queryAccessibleInterface(s.Element<QWidget>(p.szPole, "naglowekDocelowy"));
        QVERIFY(pDostep);
        QCOMPARE(pDostep->text(QAccessible::Name), QString::fromUtf8(p.szNazwa));
        QCOMPARE(pDostep->text(QAccessible::Description), QString::fromUtf8(p.szRamka));
    }
    for (bool bDocelowa : {false, true})
        QCOMPARE(QAccessible::queryAccessibleInterface(s.Lista(bDocelowa))->text(QAccessible::Name),
                 bDocelowa ? QStringLiteral("Pliki docelowe") : QStringLiteral("Pliki źródłowe"));
    CPostepDlg postep(nullptr);
    QCOMPARE(QAccessible::queryAccessibleInterface(postep.findChild<QProgressBar*>("calosc"))
                 ->text(QAccessible::Name),
             QStringLiteral("Wszystkie pliki"));
}

// "Porównaj pliki...": two file dialogs, the report of what changed (the parcel view first) and
// "Zapisz raport..." as HTML or, by its extension, as CSV; an existing file is replaced only
// after a yes, a compared file never; nothing is left beside the reports.
void CTestOkna::porownanie() {
    CStanowisko s;
    const QString strStary = s.Zapisz("a.swd");
    const QString strNowy = s.Zapisz("b.swd", PlikSWDE().replace("D,G5PEW,D,700;", "D,G5PEW,D,750;"));
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_pliki = {{strStary}, {strNowy}};
    s.Element<QAction>("porownajPliki")->trigger();
    QCOMPARE(s.m_dialogi.m_wybory.size(), 2);
    QCOMPARE(s.m_dialogi.m_wybory[1].m_strTytul, QStringLiteral("Porównaj pliki: plik nowy"));
    s.CzekajNaKoniec();
    QVERIFY(s.m_dialogi.m_komunikaty.isEmpty());
    CRaportPorownaniaDlg* pRaport = s->RaportPorownania();
    QVERIFY(pRaport && pRaport->isVisible());
    QVERIFY(s.Element<QPushButton>("przetwarzaj")->isEnabled());
    const QTextBrowser* pWidok = pRaport->findChild<QTextBrowser*>("raport");
    QVERIFY(pWidok->isReadOnly());
    const QString strTekst = pWidok->toPlainText();
    QVERIFY2(strTekst.contains(QStringLiteral("146599_9.0001.1/1")) &&
                 strTekst.contains(QStringLiteral("G5PEW: 700 → 750")) &&
                 strTekst.indexOf(QStringLiteral("Działki")) < strTekst.indexOf(QStringLiteral("Rekordy\n")),
             qPrintable(strTekst));

    const struct {
        QString strWybrany; // what the file dialog returns
        QString strPlik;    // the report written
        bool bTak;          // the answer to the question about an existing file
        QByteArray poczatek;
        QByteArray wiersz;
    } zapisy[] = {
        {s.Sciezka("raport"), "raport.html", false, "<!DOCTYPE html>",
         "<td>146599_9.0001.1/1</td><td>zmiana</td>"},
        {s.Sciezka("raport.CSV"), "raport.CSV", false, "\xEF\xBB\xBFtyp;identyfikator;",
         "\r\nG5DZE;5001;146599_9.0001.1/1;G5PEW;700;750\r\n"},
        {s.Sciezka("raport.html"), "raport.html", false, "x", "x"}, // No: left as it was
        {s.Sciezka("raport.html"), "raport.html", true, "<!DOCTYPE html>", "<td>G5DZE 5001</td>"},
    };
    for (const auto& z : zapisy) {
        const bool bIstnial = s.Istnieje(z.strPlik);
        if (bIstnial)
            s.Zapisz(z.strPlik, "x");
        s.m_dialogi.Wyczysc();
        s.m_dialogi.m_pliki = {{z.strWybrany}};
        s.m_dialogi.m_odpowiedzi = {z.bTak};
        QTest::mouseClick(pRaport->findChild<QPushButton*>("zapiszRaport"), Qt::LeftButton);
        QCOMPARE(s.m_dialogi.m_wybory.back().m_strFiltr,
                 QStringLiteral("Raport HTML (*.html *.htm);;Tabela CSV (*.csv)"));
        QCOMPARE(s.m_dialogi.m_komunikaty.size(), bIstnial ? 1 : 0);
        const QByteArray tresc = s.Czytaj(z.strPlik);
        QVERIFY2(tresc.startsWith(z.poczatek) && tresc.contains(z.wiersz), tresc.constData());
    }
    // A compared file is refused before anything is asked or written.
    const QByteArray nowy = s.Czytaj("b.swd");
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_pliki = {{strNowy}};
    s.m_dialogi.m_odpowiedzi = {true};
    pRaport->ZapiszRaport();
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
    QCOMPARE(s.m_dialogi.m_komunikaty[0].eIkona, EIkona::Ostrzezenie);
    QVERIFY(s.m_dialogi.m_komunikaty[0].strTekst.startsWith(
        QStringLiteral("Raport nie może zastąpić porównywanego pliku")));
    QCOMPARE(s.Czytaj("b.swd"), nowy);
    QCOMPARE(s.Pliki(), (QStringList{"a.swd", "b.swd", "raport.CSV", "raport.html"}));
    pRaport->close();
    QTRY_VERIFY(!s->RaportPorownania());
    QVERIFY(s->close());
}

// A comparison stopped with "Anuluj" (asked while the worker waits), and one of a file with a
// format error: a message each, the error with its number and file, and no report.
void CTestOkna::porownanieBezRaportu_data() {
    QTest::addColumn<bool>("anuluj");
    QTest::addColumn<QByteArray>("nowy");
    QTest::addColumn<QString>("komunikat");
    QTest::addColumn<QString>("blad");
    QTest::newRow("anulowane") << true << PlikSWDE() << QStringLiteral("Przerwano porównywanie.")
                               << QString();
    QTest::newRow("błąd formatu") << false << QByteArray("tekst\r\n")
                                  << QStringLiteral("Nie można porównać plików:")
                                  << QStringLiteral("b.swd: Błąd nr 1");
}

void CTestOkna::porownanieBezRaportu() {
    QFETCH(bool, anuluj);
    QFETCH(QByteArray, nowy);
    QFETCH(QString, komunikat);
    QFETCH(QString, blad);
    CStanowisko s;
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_pliki = {{s.Zapisz("a.swd")}, {s.Zapisz("b.swd", nowy)}};
    if (anuluj)
        s->UstawPrzystanek({0, T("Porównywanie plików"), 0});
    s->PorownajPliki();
    QVERIFY(s->CzyFiltrowanie());
    if (anuluj) {
        QVERIFY(QTest::qWaitFor([&] { return s->Watek() && s->Watek()->CzyCzeka(); }, 30000));
        QTest::qWait(0);
        QCOMPARE(s->PostepDlg()->windowTitle(), QStringLiteral("KELVOR - porównywanie"));
        QCOMPARE(s->PostepDlg()->findChild<QLabel*>("plik")->text(),
                 QStringLiteral("Plik stary: a.swd\nPlik nowy: b.swd"));
        s.m_dialogi.m_odpowiedzi = {true};
        QTest::mouseClick(s->PostepDlg()->findChild<QPushButton*>("anuluj"), Qt::LeftButton);
        QCOMPARE(s.m_dialogi.Teksty().value(0),
                 QStringLiteral("Czy na pewno chcesz przerwać porównywanie?"));
        s.m_dialogi.m_komunikaty.removeFirst();
    }
    s.CzekajNaKoniec();
    QCOMPARE(s.m_dialogi.m_komunikaty.size(), 1);
    QCOMPARE(s.m_dialogi.m_komunikaty[0].strTekst, komunikat);
    if (!blad.isEmpty()) {
        QCOMPARE(s.m_dialogi.m_komunikaty[0].eIkona, EIkona::Ostrzezenie);
        QVERIFY2(s.m_dialogi.m_komunikaty[0].astrLista.value(0).startsWith(blad),
                 qPrintable(s.m_dialogi.m_komunikaty[0].astrLista.value(0)));
    }
    QVERIFY(!s->RaportPorownania());
    QVERIFY(s.Element<QPushButton>("przetwarzaj")->isEnabled());
    QVERIFY(s->close());
}

QTEST_MAIN(CTestOkna)
#include "test_okno.moc"
