#pragma once

#include "app/UDialogFenster.h"
#include "distribution/UErgebnisText.h"
#include "distribution/UZeitplan.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The overview of one sheet, scaled into the widget.
class TUebersichtAnsicht : public QWidget
{
    Q_OBJECT

public:
    TUebersichtAnsicht(const TZeitplan& zeitplan, QWidget* eltern);
    void BlattSetzen(int blatt);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    const TZeitplan& zeitplan_;
    int blatt_ = 0;
};

// "Ausgaben": the teachers' plans, door signs, overview and calendars of the plan shown in
// the result window, written into a folder (remembered in the settings file); and the
// overview to look at and to save as PNG or SVG.
class TFAusgaben : public TDialogFenster
{
    Q_OBJECT

public:
    TFAusgaben(IDialoge& dialoge, QWidget* besitzer, TZeitplan zeitplan, const TLehrerliste& lehrer,
               const QString& projektdatei);

    QCheckBox *CLehrkraefte = nullptr, *CTuerschilder = nullptr, *CUebersicht = nullptr, *CKalender = nullptr;
    QLineEdit* EOrdner = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QPushButton* BSchreiben = nullptr;
    QComboBox* CBlatt = nullptr;

    void Schreiben();
    void OrdnerWaehlen();
    void BildSpeichern(bool svg);

private:
    QWidget* ausgabenSeite();
    QWidget* uebersichtSeite();

    TZeitplan zeitplan_;
    const TLehrerliste& lehrer_;
    QString projektdatei_;
    TUebersichtAnsicht* ansicht_ = nullptr;
};
