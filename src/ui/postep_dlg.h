// The progress dialog of a run: which file of how many, the file and stage line, the bar of the
// current pass (0 to 1000) beside the bar of the whole run, and "Anuluj".
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class CPostepDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPostepDlg(QWidget* pRodzic);

    // Sets the bar to the smaller of the position and the upper bound.
    void UstawPostep(int nPozycja);
    // File j (from 0) of nPlikow starts: "Plik <j + 1> z <nPlikow>: <caption>" at once, the
    // caption with the next stage, the whole run's bar at the files done.
    void UstawPlik(const QString& strPlik, int j, int nPlikow);
    // A comparison: both files named, the stage shown without a caption.
    void UstawPorownanie(const QString& strStary, const QString& strNowy);
    // Shows caption + ": " + text, or the text alone without a caption.
    void UstawEtap(const QString& strTekst);

signals:
    // "Anuluj", Escape or a close request: the user wants to stop the run.
    void anuluj();

protected:
    void reject() override { emit anuluj(); }
    void closeEvent(QCloseEvent* pZdarzenie) override;

private:
    QProgressBar* m_pPasek;
    QProgressBar* m_pCalosc;
    QLabel* m_pPlik;
    QLabel* m_pEtap;
    QPushButton* m_pAnuluj;
    QString m_strPlik;
};
