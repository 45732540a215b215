#include "ui/naglowek_dlg.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "ui/tekst.h"

namespace {

// The captions of the 13 fields, in field order.
const char* const g_aszPodpisy[LICZBA_POL_NAGLOWKA] = {
    "Nr ident. jednostki:", "Nazwa jednostki:", "Adres jednostki:", "Wykonał:", "dnia:",
    "System:",              "wersja:",          "Nazwa zbioru danych:", "Cel tworzenia:",
    "Nr ident. jednostki:", "Nazwa jednostki:", "Adres jednostki:", "Osoba odbierająca:",
};

// The rows of the two frames; a row may hold a second field beside the first.
struct CWiersz {
    EPoleNaglowka ePole;
    EPoleNaglowka eObok; // LICZBA_POL_NAGLOWKA: none
};
constexpr CWiersz g_identyfikacja[] = {
    {PoleTR, LICZBA_POL_NAGLOWKA}, {PoleTN, LICZBA_POL_NAGLOWKA}, {PoleTA, LICZBA_POL_NAGLOWKA},
    {PoleTO, PoleDN},              {PoleZN, PoleZR},              {PoleZD, LICZBA_POL_NAGLOWKA},
};
constexpr CWiersz g_przeznaczenie[] = {
    {PoleOP, LICZBA_POL_NAGLOWKA}, {PoleOR, LICZBA_POL_NAGLOWKA}, {PoleON, LICZBA_POL_NAGLOWKA},
    {PoleOA, LICZBA_POL_NAGLOWKA}, {PoleOO, LICZBA_POL_NAGLOWKA},
};

// A field's caption, which a screen reader announces it by: the label's buddy is the field,
// the field's name the caption without its colon, its description the frame it stands in.
QLabel* Podpis(const QString& strPodpis, QWidget* pPole, const QString& strRamka,
               QWidget* pRodzic) {
    auto* pPodpis = new QLabel(strPodpis, pRodzic);
    pPodpis->setBuddy(pPole);
    QString strNazwa = strPodpis;
    if (strNazwa.endsWith(u':'))
        strNazwa.chop(1);
    pPole->setAccessibleName(strNazwa);
    pPole->setAccessibleDescription(strRamka);
    return pPodpis;
}

} // namespace

// ---- CPoleDaty -----------------------------------------------------------------------------

CPoleDaty::CPoleDaty(QWidget* pRodzic) : QDateEdit(pRodzic) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // The smallest date stands for "no date" and shows as a blank.
    setMinimumDate(QDate(1900, 1, 1));
    setSpecialValueText(QStringLiteral(" "));
    m_dataOstatnia = QDate::currentDate();
    setDate(m_dataOstatnia);
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate& data) {
        if (data != minimumDate())
            m_dataOstatnia = data;
    });
}

void CPoleDaty::Wyczysc() {
    const QSignalBlocker blokada(this);
    setDate(minimumDate());
}

void CPoleDaty::Ustaw(const QDate& data) {
    const QSignalBlocker blokada(this);
    if (data.isValid() && data > minimumDate()) {
        setDate(data);
        m_dataOstatnia = data;
    } else {
        setDate(minimumDate());
    }
}

CDataNaglowka DataZTekstu(const std::string& strTekst) {
    std::vector<std::string> astrTokeny;
    std::string strToken;
    for (const char c : strTekst + ' ') {
        if (std::string_view(" -\\.\t\n").find(c) == std::string_view::npos) {
            strToken += c;
        } else if (!strToken.empty()) {
            astrTokeny.push_back(strToken);
            strToken.clear();
        }
    }
    CDataNaglowka wynik;
    if (astrTokeny.empty())
        return wynik;
    astrTokeny.resize(3);
    wynik.bJest = true;
    wynik.data = QDate(std::atoi(astrTokeny[0].c_str()), std::atoi(astrTokeny[1].c_str()),
                       std::atoi(astrTokeny[2].c_str()));
    return wynik;
}

// ---- CSWDEDlg ------------------------------------------------------------------------------

CSWDEDlg::CSWDEDlg(bool bDocelowy, QWidget* pRodzic) : QWidget(pRodzic), m_bDocelowy(bDocelowy) {
    setObjectName(bDocelowy ? "naglowekDocelowy" : "naglowekZrodlowy");
    auto nowePole = [this](const char* szNazwa) {
        auto* pPole = new QLineEdit(this);
        pPole->setObjectName(szNazwa);
        pPole->setReadOnly(!m_bDocelowy);
        return pPole;
    };
    m_pPlik = nowePole("plik");
    for (int i = 0; i < LICZBA_POL_NAGLOWKA; ++i) {
        const auto ePole = static_cast<EPoleNaglowka>(i);
        if (ePole == PoleDN && m_bDocelowy) {
            m_pData = new CPoleDaty(this);
            m_pData->setObjectName("DN");
            continue;
        }
        m_apPola[i] = nowePole(std::string(KodPola(ePole)).c_str());
        if (m_bDocelowy)
            connect(m_apPola[i], &QLineEdit::textEdited, this,
                    [this, ePole](const QString& strTekst) { emit zmieniono(ePole, strTekst); });
    }
    if (m_pData) {
        connect(m_pData, &QDateEdit::dateChanged, this, &CSWDEDlg::ZapiszDate);
        m_pData->installEventFilter(this);
        m_pPlik->installEventFilter(this);
    }

    // The captions take the same width in both frames, so that the fields line up.
    int nPodpisy = 0;
    for (const char* szPodpis : g_aszPodpisy)
        nPodpisy = std::max(nPodpisy, fontMetrics().horizontalAdvance(QString::fromUtf8(szPodpis)));
    auto ramka = [this, nPodpisy](const QString& strTytul, const CWiersz* pWiersze,
                                  std::size_t nWierszy) {
        auto* pRamka = new QGroupBox(strTytul, this);
        auto* pSiatka = new QGridLayout(pRamka);
        for (std::size_t r = 0; r < nWierszy; ++r) {
            const CWiersz& w = pWiersze[r];
            const int nWiersz = static_cast<int>(r);
            auto podpis = [this, &strTytul, pRamka](EPoleNaglowka ePole) {
                QWidget* pPole = m_apPola[ePole];
                if (ePole == PoleDN && m_pData)
                    pPole = m_pData;
                return Podpis(QString::fromUtf8(g_aszPodpisy[ePole]), pPole, strTytul, pRamka);
            };
            pSiatka->addWidget(podpis(w.ePole), nWiersz, 0);
            if (w.eObok == LICZBA_POL_NAGLOWKA) {
                pSiatka->addWidget(m_apPola[w.ePole], nWiersz, 1, 1, 3);
                continue;
            }
            pSiatka->addWidget(m_apPola[w.ePole], nWiersz, 1);
            pSiatka->addWidget(podpis(w.eObok), nWiersz, 2, Qt::AlignRight);
            QWidget* pObok = m_apPola[w.eObok];
            if (w.eObok == PoleDN && m_pData)
                pObok = m_pData;
            pObok->setFixedWidth(120);
            pSiatka->addWidget(pObok, nWiersz, 3);
        }
        pSiatka->setColumnMinimumWidth(0, nPodpisy);
        pSiatka->setColumnStretch(1, 1);
        return pRamka;
    };

    // A long path is shown whole in the field's tooltip.
    connect(m_pPlik, &QLineEdit::textChanged, m_pPlik, &QWidget::setToolTip);
    auto* pGora = new QGridLayout;
    pGora->addWidget(
        Podpis(bDocelowy ? QStringLiteral("Plik docelowy:") : QStringLiteral("Plik źródłowy:"),
               m_pPlik, QString(), this),
        0, 0);
    pGora->addWidget(m_pPlik, 0, 1);
    auto* pUklad = new QVBoxLayout(this);
    pUklad->setContentsMargins(0, 0, 0, 0);
    pUklad->addLayout(pGora);
    pUklad->addWidget(ramka(QStringLiteral("Identyfikacja pliku SWDE"), g_identyfikacja,
                            std::size(g_identyfikacja)));
    pUklad->addWidget(ramka(QStringLiteral("Przeznaczenie pliku SWDE"), g_przeznaczenie,
                            std::size(g_przeznaczenie)));
    if (m_bDocelowy) {
        m_pZastosuj = new QPushButton(QStringLiteral("&Zastosuj do wszystkich"), this);
        m_pZastosuj->setObjectName("zastosujDoWszystkich");
        m_pZastosuj->setToolTip(
            QStringLiteral("Teksty i datę tego nagłówka otrzymają wszystkie pliki docelowe."));
        connect(m_pZastosuj, &QPushButton::clicked, this, &CSWDEDlg::zastosujDoWszystkich);
        pUklad->addWidget(m_pZastosuj, 0, Qt::AlignRight);
    }
    pUklad->addStretch();
    setMinimumWidth(440);
}

void CSWDEDlg::Pokaz(const CParaPlikow& para) {
    // Every value shown from its beginning.
    auto pokaz = [](QLineEdit* pPole, const QString& strTekst) {
        pPole->setText(strTekst);
        pPole->setCursorPosition(0);
    };
    pokaz(m_pPlik, SciezkaOkna(m_bDocelowy ? para.m_strCel : para.m_strZrodlo));
    const CPolaNaglowka& pola = m_bDocelowy ? para.m_docelowe : para.m_zrodlowe;
    for (int i = 0; i < LICZBA_POL_NAGLOWKA; ++i) {
        if (m_apPola[i])
            pokaz(m_apPola[i], Q(pola[static_cast<std::size_t>(i)]));
    }
    if (m_pData) {
        const CDataNaglowka data = DataZTekstu(pola[PoleDN]);
        if (data.bJest)
            m_pData->Ustaw(data.data);
    }
}

void CSWDEDlg::Wyczysc() {
    m_pPlik->clear();
    for (QLineEdit* pPole : m_apPola) {
        if (pPole)
            pPole->clear();
    }
    if (m_pData)
        m_pData->Wyczysc();
}

void CSWDEDlg::WlaczPola(bool bTak) {
    m_pPlik->setEnabled(bTak);
    for (QLineEdit* pPole : m_apPola) {
        if (pPole)
            pPole->setEnabled(bTak);
    }
    if (m_pData)
        m_pData->setEnabled(bTak);
}

void CSWDEDlg::ZapiszDate() {
    if (!m_pData->CzyPuste()) {
        const QDate data = m_pData->date();
        emit zmieniono(PoleDN, Q(TekstDaty({data.year(), data.month(), data.day()})));
    }
}

bool CSWDEDlg::eventFilter(QObject* pObiekt, QEvent* pZdarzenie) {
    if (pZdarzenie->type() == QEvent::FocusOut) {
        // Focus that goes to another window (a message box, another program) or to a menu
        // comes back; only a move inside the window counts as leaving the field.
        const Qt::FocusReason ePowod = static_cast<QFocusEvent*>(pZdarzenie)->reason();
        const bool bOpuszczono = ePowod != Qt::ActiveWindowFocusReason &&
                                 ePowod != Qt::PopupFocusReason;
        auto* pPole = static_cast<QWidget*>(pObiekt);
        if (bOpuszczono && pPole->isEnabled()) {
            if (pObiekt == m_pPlik)
                emit opuszczonoPlik();
            else
                ZapiszDate();
        }
    }
    return QWidget::eventFilter(pObiekt, pZdarzenie);
}
