// The progress dialog of a run: the file and stage line, the bar (0 to 1000) and "Anuluj".
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
    // The caption of the file being filtered; shown with the next stage.
    void UstawPlik(const QString& strPlik) { m_strPlik = strPlik; }
    // Shows caption + ": " + text.
    void UstawEtap(const QString& strTekst);

signals:
    // "Anuluj", Escape or a close request: the user wants to stop the run.
    void anuluj();

protected:
    void reject() override { emit anuluj(); }
    void closeEvent(QCloseEvent* pZdarzenie) override;

private:
    QProgressBar* m_pPasek;
    QLabel* m_pEtap;
    QPushButton* m_pAnuluj;
    QString m_strPlik;
};
