// The object and attribute tabs, propagation, the configuration commands, help and the about
// box, driven on the real main window.
#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

#include "opcje/slownik.h"
#include "stanowisko.h"
#include "ui/zakladka_dlg.h"

using kodowanie::T;

namespace {

CZakladkaDlg* Strona(CStanowisko& s, int n) {
    return s.Element<CZakladkaDlg>(qPrintable(QStringLiteral("strona%1").arg(n)));
}

QCheckBox* Pole(CStanowisko& s, int n, int i) {
    return Strona(s, n)->Pole(i);
}

// The box of a date attribute on page n.
QCheckBox* PoleDaty(CStanowisko& s, int n, const char* szSymbol) {
    return Pole(s, n, IndeksAtrybutu(n, szSymbol));
}

// Brings page n into view: the object tab, or the attribute tab with type n.
void Pokaz(CStanowisko& s, int n) {
    s->PokazZakladke(n == 0 ? ZakladkaObiekty : ZakladkaAtrybuty);
    if (n > 0)
        s->PokazStrone(n);
}

// A mouse click on box i of page n, on the box itself (a wide box takes clicks on its square
// and its text only).
void Kliknij(CStanowisko& s, int n, int i) {
    Pokaz(s, n);
    QCheckBox* pPole = Pole(s, n, i);
    QTest::mouseClick(pPole, Qt::LeftButton, Qt::NoModifier, QPoint(6, pPole->height() / 2));
}

void KliknijDate(CStanowisko& s, int n, const char* szSymbol) {
    Kliknij(s, n, IndeksAtrybutu(n, szSymbol));
}

// "Włącz wszystkie" (true) or "Wyłącz wszystkie" on page n.
void Wszystkie(CStanowisko& s, int n, bool bStan) {
    Pokaz(s, n);
    QTest::mouseClick(Strona(s, n)->Przycisk(bStan ? 0 : 1), Qt::LeftButton);
}

// The numbers of the attribute pages that are disabled.
QList<int> Wylaczone(CStanowisko& s) {
    QList<int> an;
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        if (!Pole(s, n, 0)->isEnabled())
            an << n;
    }
    return an;
}

// The pages whose date box of this kind is ticked.
QList<int> ZDataUtworzenia(CStanowisko& s) {
    QList<int> an;
    for (int n = 1; n <= LICZBA_TYPOW; ++n) {
        if (PoleDaty(s, n, SYMBOL_DTU)->isChecked())
            an << n;
    }
    return an;
}

QList<int> WszystkieStrony() {
    QList<int> an;
    for (int n = 1; n <= LICZBA_TYPOW; ++n)
        an << n;
    return an;
}

// The first line of a log: how the settings were chosen.
QString PierwszyWiersz(const QByteArray& log) {
    return Q(log.left(log.indexOf('\r')).toStdString());
}

} // namespace

class CTestZakladek : public QObject {
    Q_OBJECT
private slots:
    void zaznaczenia();
    void zmianyTylkoMysza();
    void listaTypow();
    void odczytIUstawieniaWLogu();
    void zlyFormat();
    void zapisCzytanyPrzezKonsole();
    void pomoc_data();
    void pomoc();
};

// A click and the all/none buttons go to the options (whose rules have tests of their own), and
// every box and page is drawn anew from them: a group's click ticks another group's box and
// disables pages; a date tick reaches every page, disabled ones too, while the menu's
// propagation is on, and only its own page once it is off.
void CTestZakladek::zaznaczenia() {
    CStanowisko s(Konfiguracja(0));
    Kliknij(s, 0, GrupaBudynki);
    QVERIFY(Pole(s, 0, GrupaBudynki)->isChecked() && Pole(s, 0, GrupaLokale)->isChecked());
    QCOMPARE(Wylaczone(s), (QList<int>{TypBUD, TypLKL}));
    // A greyed page says which ticked groups remove its objects whole; an active one says nothing.
    Pokaz(s, TypLKL);
    QVERIFY(Strona(s, TypLKL)->Powod()->isVisible());
    QVERIFY(Strona(s, TypLKL)->Powod()->text().endsWith(
        QStringLiteral("„Danych dotyczących lokali”, „Danych dotyczących budynków”.")));
    Pokaz(s, TypJEW);
    QVERIFY(!Strona(s, TypJEW)->Powod()->isVisible());
    Kliknij(s, 0, GrupaLokale);
    QVERIFY(!Pole(s, 0, GrupaBudynki)->isChecked() && !Pole(s, 0, GrupaLokale)->isChecked());
    QCOMPARE(Wylaczone(s), QList<int>());
    Pokaz(s, TypLKL);
    QVERIFY(!Strona(s, TypLKL)->Powod()->isVisible());
    Wszystkie(s, 0, true);
    QCOMPARE(s->Opcje().m_nMaskaObiektow, (1 << LICZBA_GRUP) - 1);
    QCOMPARE(Wylaczone(s), (QList<int>{3, 10, 14, 15, 16, 17, 21, 22, 23, 24, 25}));
    Wszystkie(s, 0, false);
    Kliknij(s, 0, GrupaDzierzawa);
    QCOMPARE(Wylaczone(s), (QList<int>{TypDZW, TypUDD, TypPDZ}));

    KliknijDate(s, TypBUD, SYMBOL_DTU);
    QCOMPARE(ZDataUtworzenia(s), WszystkieStrony());
    QAction* pPropagacja = s.Element<QAction>("propagacja");
    pPropagacja->trigger();
    QVERIFY(!pPropagacja->isChecked() && !s->Opcje().m_bPropagacja);
    KliknijDate(s, TypBUD, SYMBOL_DTU);
    QList<int> anBezBudynku = WszystkieStrony();
    anBezBudynku.removeOne(TypBUD);
    QCOMPARE(ZDataUtworzenia(s), anBezBudynku);
    Wszystkie(s, TypADR, false);
    QVERIFY(!PoleDaty(s, TypADR, SYMBOL_DTU)->isChecked());
    QVERIFY(PoleDaty(s, TypDZE, SYMBOL_DTU)->isChecked());
}

// A tick with the mouse marks the settings as the user's own; the space bar and the menu options
// do not.
void CTestZakladek::zmianyTylkoMysza() {
    CStanowisko s(Konfiguracja(0));
    s.Dodaj({"a.swd"}); // "Dodawanie sum CRC" needs a file
    const int nPesel = IndeksAtrybutu(TypOSF, "G5PSL");
    Pokaz(s, TypOSF);
    Pole(s, TypOSF, nPesel)->setFocus();
    QTest::keyClick(Pole(s, TypOSF, nPesel), Qt::Key_Space);
    QCOMPARE(s->Opcje().Maska(TypOSF), 1 << nPesel);
    s.Element<QAction>("sumyCRC")->trigger();
    s.Element<QAction>("propagacja")->trigger();
    QVERIFY(!s->Opcje().m_bSumyCRC);
    QVERIFY(!s->Opcje().m_bZmienione);
    Kliknij(s, TypOSF, nPesel);
    QVERIFY(!Pole(s, TypOSF, nPesel)->isChecked());
    QVERIFY(s->Opcje().m_bZmienione);
}

// The type list shows each type's page; the choice survives switching tabs.
void CTestZakladek::listaTypow() {
    CStanowisko s;
    QListWidget* pTypy = s.Element<QListWidget>("lista", "typy");
    QCOMPARE(pTypy->count(), LICZBA_TYPOW);
    QCOMPARE(pTypy->item(24)->text(), QStringLiteral("Przedmiot dzierżawy (G5PDZ)"));
    QStackedWidget* pStrony = s.Element<QStackedWidget>("stronyAtrybutow");
    QCOMPARE(pStrony->currentWidget(), Strona(s, 1));
    s->PokazZakladke(ZakladkaAtrybuty);
    pTypy->setCurrentRow(TypBUD - 1);
    QCOMPARE(pStrony->currentWidget(), Strona(s, TypBUD));
    QCOMPARE(Pole(s, TypBUD, 6)->text(), QStringLiteral("Łączna pow. użytk. lokali z pomieszcz. przynal. (G5PEU)"));
    s->PokazZakladke(ZakladkaZrodla);
    s->PokazZakladke(ZakladkaAtrybuty);
    QCOMPARE(pStrony->currentWidget(), Strona(s, TypBUD));
    QCOMPARE(pTypy->currentRow(), TypBUD - 1);
}

// Load, run: the log names the file; tick, run: it names the user's settings. The dialog opens
// in the folder of the file read last.
void CTestZakladek::odczytIUstawieniaWLogu() {
    CStanowisko s(Konfiguracja(0));
    const QString strPlik = s.Zapisz("konfiguracje/osoby.cfg",
                                     QByteArray::fromStdString(Konfiguracja(1 << GrupaSieroty, {{TypOSF, 4}})));
    s.Dodaj({"a.swd"});
    auto odczytaj = [&] {
        s.m_dialogi.m_pliki.push_back({strPlik});
        s.Element<QAction>("odczytajKonfiguracje")->trigger();
    };
    auto filtruj = [&] {
        s.m_dialogi.m_odpowiedzi = {true}; // the second run replaces the first one's target
        s.Filtruj();
        return PierwszyWiersz(s.Czytaj("a_nowy.log"));
    };
    odczytaj();
    const CWyborPlikow& wybor = s.m_dialogi.m_wybory.back();
    QCOMPARE(wybor.m_eTryb, ETrybPlikow::Otworz);
    QCOMPARE(wybor.m_strFiltr, QStringLiteral("Pliki konfiguracji (*.cfg *.txt);;Wszystkie pliki (*)"));
    QCOMPARE(wybor.m_strRozszerzenie, QStringLiteral("cfg"));
    QCOMPARE(wybor.m_strKatalog, QString()); // none remembered yet
    QVERIFY(Pole(s, 0, GrupaSieroty)->isChecked() && Pole(s, TypOSF, 2)->isChecked());
    QVERIFY(!s->Opcje().m_bZmienione);
    QVERIFY(filtruj().endsWith(QStringLiteral("Rozpoczęcie filtrowania zgodnego z plikiem konfiguracyjnym: '") +
                               strPlik + "'"));
    Kliknij(s, TypOSF, 0);
    QVERIFY(filtruj().endsWith(QStringLiteral("Rozpoczęcie filtrowania zgodnego z ustawieniami użytkownika...")));
    odczytaj();
    QCOMPARE(s.m_dialogi.m_wybory.back().m_strKatalog, s.Sciezka("konfiguracje") + QDir::separator());
    QVERIFY(!Pole(s, TypOSF, 0)->isChecked());
    // A tick with the space bar counts as one with the mouse; ticked back, the run follows the
    // file again.
    Pokaz(s, TypOSF);
    Pole(s, TypOSF, 0)->setFocus();
    QTest::keyClick(Pole(s, TypOSF, 0), Qt::Key_Space);
    QVERIFY(filtruj().endsWith(QStringLiteral("Rozpoczęcie filtrowania zgodnego z ustawieniami użytkownika...")));
    QTest::keyClick(Pole(s, TypOSF, 0), Qt::Key_Space);
    QVERIFY(filtruj().endsWith(QStringLiteral("Rozpoczęcie filtrowania zgodnego z plikiem konfiguracyjnym: '") +
                               strPlik + "'"));
}

// A malformed file is reported and leaves the file name as it was.
void CTestZakladek::zlyFormat() {
    CStanowisko s(Konfiguracja(0));
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_pliki = {{s.Zapisz("zly.cfg", "Obiekty 1 JEW")}};
    s->OdczytajKonfiguracjeZPliku();
    QCOMPARE(s.m_dialogi.Teksty(), QStringList{QStringLiteral("Błędny format pliku: Plik konfiguracji ma nieprawidłowy format")});
    QCOMPARE(s.m_dialogi.m_komunikaty[0].eIkona, EIkona::Brak);
    QCOMPARE(SciezkaOkna(s->Opcje().m_strPlikKonfiguracji), s.Sciezka("KELVOR.cfg"));
}

// A configuration saved from the window (a new name, then not replaced without a yes) gives
// kelvor-cli -c the window's own result.
void CTestZakladek::zapisCzytanyPrzezKonsole() {
    CStanowisko s(Konfiguracja(0));
    Kliknij(s, 0, GrupaBudynki);
    Kliknij(s, 0, GrupaSieroty);
    Kliknij(s, TypOSF, IndeksAtrybutu(TypOSF, "G5PSL"));
    KliknijDate(s, TypDZE, SYMBOL_DTW);
    s.m_dialogi.m_pliki = {{s.Sciezka("przekazanie")}};
    s.Element<QAction>("zapiszKonfiguracje")->trigger();
    const CWyborPlikow& wybor = s.m_dialogi.m_wybory.back();
    QCOMPARE(wybor.m_eTryb, ETrybPlikow::Zapisz);
    QCOMPARE(wybor.m_strNazwa, QStringLiteral("KonfiguracjaZakladek.cfg"));
    QCOMPARE(wybor.m_strRozszerzenie, QStringLiteral("cfg"));
    QVERIFY(s.Istnieje("przekazanie.cfg"));
    QVERIFY(!s->Opcje().m_bZmienione);
    QCOMPARE(SciezkaOkna(s->Opcje().m_strPlikKonfiguracji), s.Sciezka("przekazanie.cfg"));

    // Saving other ticks over it asks first; No keeps the file.
    const QByteArray zapisana = s.Czytaj("przekazanie.cfg");
    Kliknij(s, 0, GrupaHistoryczne);
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_pliki = {{s.Sciezka("przekazanie.cfg")}};
    s->ZapiszKonfiguracjeDoPliku();
    QCOMPARE(s.m_dialogi.Teksty(), QStringList{QStringLiteral("Podany plik już istnieje. Czy chcesz go zastąpić?")});
    QCOMPARE(s.Czytaj("przekazanie.cfg"), zapisana);
    Kliknij(s, 0, GrupaHistoryczne);

    s.Dodaj({"a.swd"});
    // A source is never replaced by the settings: the window says so and asks nothing.
    const QByteArray zrodlo = s.Czytaj("a.swd");
    s.m_dialogi.Wyczysc();
    s.m_dialogi.m_pliki = {{s.Sciezka("a.swd")}};
    s->ZapiszKonfiguracjeDoPliku();
    QCOMPARE(s.m_dialogi.Teksty().size(), 1);
    QVERIFY(s.m_dialogi.Teksty().at(0).endsWith(QStringLiteral("' jest plikiem źródłowym; konfiguracja nie może go zastąpić.")));
    QCOMPARE(s.Czytaj("a.swd"), zrodlo);
    s.m_dialogi.Wyczysc();
    s.Filtruj();
    QVERIFY(s.m_dialogi.Teksty().at(0).startsWith(QStringLiteral("Filtrowanie zakończone.")));
    QCOMPARE(s.Konsola("przekazanie.cfg", "konsola.swd", "a.swd"), 0);
    QCOMPARE(s.Czytaj("a_nowy.swd"), s.Czytaj("konsola.swd"));
    QVERIFY(!s.Czytaj("a_nowy.swd").contains("RO,,G5BUD"));
}

// F1: the compiled help beside the program where it exists, else the HTML manual, else a
// warning; a manual that no program on the desktop opens is named in the warning, so that the
// clerk can open it himself.
void CTestZakladek::pomoc_data() {
    QTest::addColumn<QStringList>("pliki");
    QTest::addColumn<bool>("przegladarka");
    QTest::addColumn<QStringList>("otwierane");
    QTest::addColumn<QString>("podrecznik"); // named in the warning; "-": no warning
    QTest::newRow("chm i html") << QStringList{"kelvor.chm", "kelvor.html"} << true
                                << QStringList{"kelvor.chm"} << "-";
    QTest::newRow("tylko html") << QStringList{"kelvor.html"} << true << QStringList{"kelvor.html"}
                                << "-";
    QTest::newRow("brak") << QStringList{} << true << QStringList{} << "";
    QTest::newRow("bez przeglądarki") << QStringList{"kelvor.chm", "kelvor.html"} << false
                                      << QStringList{"kelvor.chm", "kelvor.html"} << "kelvor.chm";
}

void CTestZakladek::pomoc() {
    QFETCH(QStringList, pliki);
    QFETCH(bool, przegladarka);
    QFETCH(QStringList, otwierane);
    QFETCH(QString, podrecznik);
    CStanowisko s(Konfiguracja(0));
    for (const QString& strPlik : pliki)
        s.Zapisz(strPlik, "<html></html>");
    s.m_dialogi.m_bPrzegladarka = przegladarka;
    QTest::keyClick(&s.Okno(), Qt::Key_F1);
    QStringList astrOtwierane;
    for (const QString& strPlik : otwierane)
        astrOtwierane << s.Sciezka(strPlik);
    QCOMPARE(s.m_dialogi.m_dokumenty, astrOtwierane);
    if (podrecznik == "-") {
        QCOMPARE(s.m_dialogi.Teksty(), QStringList());
        return;
    }
    QString strTekst = QStringLiteral("Uruchomienie pomocy nie powiodło się.");
    if (!podrecznik.isEmpty())
        strTekst +=
            QStringLiteral("\n\nPodręcznik można otworzyć samodzielnie:\n") + s.Sciezka(podrecznik);
    QCOMPARE(s.m_dialogi.Teksty(), QStringList{strTekst});
    QCOMPARE(s.m_dialogi.m_komunikaty[0].eIkona, EIkona::Ostrzezenie);
}

QTEST_MAIN(CTestZakladek)
#include "test_zakladki.moc"
