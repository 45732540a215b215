// The main window: the menu, the four tabs, "Przetwarzaj", the file pairs and the options, and
// the run on its worker behind the progress dialog.
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "filtr/zdarzenia.h"
#include "opcje/konfiguracja.h"
#include "opcje/opcje.h"
#include "swde/naglowek.h"
#include "ui/dialogi.h"
#include "ui/watek.h"

class CAtrybutyDlg;
class CRaportPorownaniaDlg;
struct CWynikPorownania;
class CListaPlikowDlg;
class CPostepDlg;
class CSWDEDlg;
class CZakladkaDlg;
class QAction;
class QMenuBar;
class QPushButton;
class QStackedWidget;
class QTabWidget;

// The tabs, in order.
enum EZakladka { ZakladkaZrodla, ZakladkaCele, ZakladkaObiekty, ZakladkaAtrybuty };

class CGlownyDlg : public QDialog {
    Q_OBJECT
public:
    // strProgram: the path of the executable; the default configuration "KELVOR.cfg" and the
    // help files lie beside it. Reads the default configuration (and says so when it is missing).
    CGlownyDlg(CDialogi& dialogi, const QString& strProgram, QWidget* pRodzic = nullptr);
    ~CGlownyDlg() override;

    const COpcjeFiltrowania& Opcje() const { return m_opcje; }
    const std::vector<CParaPlikow>& Pary() const { return m_pary; }
    // A run is under way or its worker has not yet handed back: the progress dialog lives from
    // the start of a run to its hand-back, the worker until its thread has finished.
    bool CzyFiltrowanie() const { return m_pWatek || m_pPostepDlg; }
    CKelvorThread* Watek() const { return m_pWatek; }
    CPostepDlg* PostepDlg() const { return m_pPostepDlg; }
    CMiejsceKonfiguracji MiejsceKonfiguracji() const;
    // The next run pauses by itself at this point (tests, screenshots).
    void UstawPrzystanek(const CPrzystanek& przystanek) { m_przystanek = przystanek; }

    // The commands.
    void DodajPlikiZrodlowe();
    void DodajPliki(const QStringList& astrSciezki);
    void UsunPlik();
    void UsunWszystkie();
    void WskazKatalogDocelowy();
    // "Zastosuj do wszystkich": the target texts and date shown go to every pair.
    void ZastosujDoWszystkich();
    void Przetwarzaj();
    void OdczytajKonfiguracjeZPliku();
    void ZapiszKonfiguracjeDoPliku();
    void PokazPomoc();
    void PokazInformacje();
    // "Porównaj pliki...": asks for the old and the new file, compares them on the worker and
    // shows the report.
    void PorownajPliki();
    // The report of the latest comparison while it is open.
    CRaportPorownaniaDlg* RaportPorownania() const;
    // "Anuluj" on the progress dialog.
    void Anuluj();

    void PokazZakladke(int nZakladka);
    void PokazStrone(int nTyp);

protected:
    void showEvent(QShowEvent* pZdarzenie) override;
    void closeEvent(QCloseEvent* pZdarzenie) override;
    // Escape does nothing.
    void reject() override {}
    bool nativeEvent(const QByteArray& eventType, void* pKomunikat, qintptr* pWynik) override;
    // The menu's shortcuts before the editing keys of the window's fields.
    bool eventFilter(QObject* pObiekt, QEvent* pZdarzenie) override;

private:
    // Building.
    void BudujMenu(QMenuBar* pMenu);
    QWidget* BudujZakladki();
    void PolaczStrony();
    void PierwszenstwoSkrotow();

    // Enabling.
    void WlaczKontrolki(bool bTak);
    void WlaczWszystko(bool bTak);
    void WlaczOkno(bool bTak);

    // Pairs and headers.
    void PokazPare(int i);
    void WyczyscNaglowki();
    void Wybierz(int i);
    int Wybrana() const;
    bool DodajPlik(const QString& strSciezka);
    // The file dialog for SWDE files, in the folder the sources came from.
    QStringList WybierzPlikiSWDE(ETrybPlikow eTryb, const QString& strTytul);
    void ZmienionoPole(EPoleNaglowka ePole, const QString& strWartosc);
    bool ZatwierdzPlikDocelowy();
    void WrocDoPlikuDocelowego();
    bool CzyZrodlem(const std::string& strSciezka) const;
    bool SprawdzPlikiDocelowe();

    // Options.
    QString WybierzKonfiguracje(ETrybPlikow eTryb, const QString& strTytul, const QString& strNazwa);
    void WykonajNaKonfiguracji(const QString& strPlik, EWynikKonfiguracji eBezSciezki,
                               EWynikKonfiguracji (*pPolecenie)(COpcjeFiltrowania&, const std::string&));
    void OdswiezOpcje();
    void KliknietoPole(int n, int i);
    void ZaznaczonoWszystkie(int n, bool bStan);

    // The run.
    void Uruchom(CKelvorThread* pWatek);
    void RozpoczetoPlik(int j, const QString& strPodpis);
    void ZakonczonoFiltrowanie();
    void OddajRun();
    // The progress dialog goes and the window can be used again.
    void ZamknijPostep();
    void UsunietoWatek();
    // The end of a comparison: its report, or why there is none.
    void OddajPorownanie();

    void Komunikat(const std::string& strCp1250, EIkona eIkona = EIkona::Brak);
    void Komunikat(const QString& str, EIkona eIkona = EIkona::Brak);
    bool Pytanie(const QString& str);
    void Komunikat(const QString& strPrzed, const QStringList& astrLista, EIkona eIkona,
                   const QString& strPo = {});
    bool Pytanie(const QString& strPrzed, const QStringList& astrLista, const QString& strPo);
    void OdswiezPodpowiedzi();
    // The source file name pair j is listed with.
    QString NazwaPary(std::size_t j) const;

    CDialogi& m_dialogi;
    const QString m_strProgram;
    EWynikKonfiguracji m_eKonfiguracjaStartu = EWynikKonfiguracji::Wykonano;
    COpcjeFiltrowania m_opcje;
    std::vector<CParaPlikow> m_pary;

    // Widgets.
    QMenuBar* m_pMenu = nullptr;
    QWidget* m_pZawartosc = nullptr;
    QTabWidget* m_pZakladki = nullptr;
    CListaPlikowDlg* m_pListaZrodlowa = nullptr;
    CListaPlikowDlg* m_pListaDocelowa = nullptr;
    CSWDEDlg* m_pNaglowekZrodlowy = nullptr;
    CSWDEDlg* m_pNaglowekDocelowy = nullptr;
    CAtrybutyDlg* m_pTypy = nullptr;
    QStackedWidget* m_pStronyAtrybutow = nullptr;
    std::vector<CZakladkaDlg*> m_apStrony; // 0: the object tab, 1..25: the attribute pages
    QPushButton* m_pPrzetwarzaj = nullptr;

    // Menu commands.
    QAction* m_pDodajPliki = nullptr;
    QAction* m_pWskazKatalog = nullptr;
    QAction* m_pZastosuj = nullptr;
    QAction* m_pUsunWszystkie = nullptr;
    QAction* m_pOdczytaj = nullptr;
    QAction* m_pPrzetwarzajAkcja = nullptr;
    QAction* m_pSumyCRC = nullptr;
    QAction* m_pPropagacja = nullptr;
    std::vector<QAction*> m_apZawszeWlaczone; // enabled whenever no run is under way

    // The run.
    QPointer<CKelvorThread> m_pWatek;
    CPostepDlg* m_pPostepDlg = nullptr;
    bool m_bPytanie = false;     // the cancel question is open
    bool m_bKoniecCzeka = false; // the run ended while the cancel question was open
    CWynikRunu m_wynik;
    std::vector<int> m_anGotowe; // the pairs the run finished, in the order it finished them
    int m_nPar = 0;              // the pairs of the run
    std::optional<CPrzystanek> m_przystanek;
    // The comparison under way (null for a filtering run), written by the worker until it ends.
    std::shared_ptr<CWynikPorownania> m_pPorownanie;
    QPointer<CRaportPorownaniaDlg> m_pRaport;
};
