#pragma once

#include "forms/form.h"

class PushKey;
class QLabel;
class QSpinBox;

// Worksheets for a whole class: how many different ones, then printed as one job or saved as
// one PDF file. Asked modal from a worksheet window, which then makes the pages.
class frmSchedeClasse : public Form
{
    Q_OBJECT

public:
    enum class Scelta { Annulla, Stampa, SalvaPdf };

    static constexpr int MinSchede = 1;
    static constexpr int MaxSchede = 40;
    static constexpr int PrimaVolta = 25;

    frmSchedeClasse();

    // Opens the window modal and waits for the teacher's answer; `schede` is the number of
    // worksheets chosen, which the next opening in the run starts from.
    static Scelta chiedi(int& schede);

protected:
    void onLoad() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* Label1;
    QLabel* Label2;
    QSpinBox* spnSchede;
    QLabel* lblIntervallo; // "da 1 a 40", under the box
    PushKey* cmdStampa;
    PushKey* cmdSalvaPdf;
    PushKey* cmdAnnulla;

    void rispondi(Scelta scelta);
    // True when the box holds a number in the range; otherwise says the range and gives the
    // box back to the keyboard.
    bool numeroNelIntervallo();

    Scelta scelta_ = Scelta::Annulla;
};
