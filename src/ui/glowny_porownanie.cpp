// The main window's "Porównaj pliki...": the two files asked for, the comparison on the worker
// behind the progress dialog, and its report or the error that stopped it.
#include "ui/glowny_dlg.h"

#include <QFileInfo>

#include "filtr/porownanie.h"
#include "ui/porownanie_dlg.h"
#include "ui/postep_dlg.h"
#include "ui/tekst.h"

void CGlownyDlg::PorownajPliki() {
    if (CzyFiltrowanie())
        return;
    std::string astrPliki[2];
    const QString astrTytuly[2] = {QStringLiteral("Porównaj pliki: plik stary"),
                                   QStringLiteral("Porównaj pliki: plik nowy")};
    for (int i = 0; i < 2; ++i) {
        const QStringList astrWybrane = WybierzPlikiSWDE(ETrybPlikow::Otworz, astrTytuly[i]);
        if (astrWybrane.isEmpty())
            return;
        if (!SciezkaSilnika(astrWybrane.front(), astrPliki[i])) {
            Komunikat(TekstNazwySpozaStrony(astrWybrane.front()), EIkona::Ostrzezenie);
            return;
        }
    }
    if (m_pRaport)
        m_pRaport->close(); // one report at a time: the new one takes its place
    auto pWynik = std::make_shared<CWynikPorownania>();
    m_pPorownanie = pWynik;
    Uruchom(new CKelvorThread(
        [pWynik, strStary = astrPliki[0], strNowy = astrPliki[1]](CObserwatorRunu& obserwator) {
            *pWynik = ::PorownajPliki(strStary, strNowy, {}, obserwator);
        },
        std::exchange(m_przystanek, std::nullopt), this));
    m_pPostepDlg->UstawPorownanie(QFileInfo(SciezkaOkna(astrPliki[0])).fileName(),
                                  QFileInfo(SciezkaOkna(astrPliki[1])).fileName());
    m_pPostepDlg->show();
    m_pPostepDlg->raise();
}

CRaportPorownaniaDlg* CGlownyDlg::RaportPorownania() const {
    return m_pRaport;
}

void CGlownyDlg::OddajPorownanie() {
    const std::shared_ptr<CWynikPorownania> pWynik = std::exchange(m_pPorownanie, nullptr);
    if (pWynik->m_bPrzerwany) {
        Komunikat(QStringLiteral("Przerwano porównywanie."), EIkona::Informacja);
    } else if (pWynik->m_bBlad) {
        const std::string& strPlik = pWynik->m_nPlikBledu == 0 ? pWynik->m_strStary : pWynik->m_strNowy;
        Komunikat(QStringLiteral("Nie można porównać plików:"),
                  {QFileInfo(SciezkaOkna(strPlik)).fileName() + QStringLiteral(": ") +
                   Q(pWynik->m_strBlad).trimmed()},
                  EIkona::Ostrzezenie);
    }
    ZamknijPostep();
    if (pWynik->m_bPrzerwany || pWynik->m_bBlad)
        return;
    m_pRaport = new CRaportPorownaniaDlg(m_dialogi, std::move(*pWynik), this);
    m_pRaport->show();
    m_pRaport->raise();
}
