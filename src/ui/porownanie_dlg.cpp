#include "ui/porownanie_dlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "filtr/raport_porownania.h"
#include "swde/bledy.h"
#include "swde/platforma.h"
#include "ui/dialogi.h"
#include "ui/tekst.h"

CRaportPorownaniaDlg::CRaportPorownaniaDlg(CDialogi& dialogi, CWynikPorownania wynik,
                                           QWidget* pRodzic)
    : QDialog(pRodzic, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_dialogi(dialogi), m_wynik(std::move(wynik)) {
    setObjectName("raportPorownania");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("KELVOR - porównanie plików"));
    m_pWidok = new QTextBrowser(this);
    m_pWidok->setObjectName("raport");
    m_pWidok->setOpenLinks(false);
    m_pWidok->setHtml(QString::fromStdString(HtmlPorownania(m_wynik)));
    auto* pPrzyciski = new QDialogButtonBox(this);
    QPushButton* pZapisz =
        pPrzyciski->addButton(QStringLiteral("Zapisz raport..."), QDialogButtonBox::ActionRole);
    pZapisz->setObjectName("zapiszRaport");
    QPushButton* pZamknij =
        pPrzyciski->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole);
    pZamknij->setObjectName("zamknij");
    connect(pZapisz, &QPushButton::clicked, this, &CRaportPorownaniaDlg::ZapiszRaport);
    connect(pPrzyciski, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* pUklad = new QVBoxLayout(this);
    pUklad->addWidget(m_pWidok, 1);
    pUklad->addWidget(pPrzyciski);
    const QSize obszar = screen()->availableGeometry().size() - QSize(16, 56);
    resize(QSize(900, 640).boundedTo(obszar));
}

void CRaportPorownaniaDlg::ZapiszRaport() {
    CWyborPlikow wybor;
    wybor.m_eTryb = ETrybPlikow::Zapisz;
    wybor.m_strTytul = QStringLiteral("Zapisz raport");
    wybor.m_strFiltr = QStringLiteral("Raport HTML (*.html *.htm);;Tabela CSV (*.csv)");
    wybor.m_strRozszerzenie = QStringLiteral("html");
    wybor.m_strKatalog = QFileInfo(SciezkaOkna(m_wynik.m_strNowy)).absolutePath();
    wybor.m_strNazwa = QStringLiteral("porownanie"); // its extension follows the filter
    const QStringList astrPliki = m_dialogi.WybierzPliki(this, wybor);
    if (astrPliki.isEmpty())
        return;
    QString strPlik = astrPliki.front();
    if (QFileInfo(strPlik).suffix().isEmpty())
        strPlik += QStringLiteral(".html");
    std::string strSciezka;
    if (!SciezkaSilnika(strPlik, strSciezka)) {
        Komunikat(TekstNazwySpozaStrony(strPlik));
        return;
    }
    if (platforma::TenSamPlik(strSciezka, m_wynik.m_strStary) ||
        platforma::TenSamPlik(strSciezka, m_wynik.m_strNowy)) {
        Komunikat(QStringLiteral("Raport nie może zastąpić porównywanego pliku:\n") + strPlik);
        return;
    }
    if (platforma::Istnieje(strSciezka) &&
        !m_dialogi.Pytanie(this, QStringLiteral("Podany plik już istnieje. Czy chcesz go zastąpić?"),
                           windowTitle()))
        return;
    const bool bCsv = QFileInfo(strPlik).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
    try {
        ZapiszRaportPorownania(strSciezka, bCsv ? CsvPorownania(m_wynik) : HtmlPorownania(m_wynik));
    } catch (...) {
        Komunikat(Q(TekstBiezacegoBledu()));
    }
}

void CRaportPorownaniaDlg::Komunikat(const QString& strTekst) {
    m_dialogi.Komunikat(this, strTekst, EIkona::Ostrzezenie, windowTitle());
}
