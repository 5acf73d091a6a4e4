#pragma once

#include "app/tendine.h"
#include "forms/form.h"

#include <QTimer>
#include <array>

class ColourBox;
class Frame;
class ImageBox;
class PushKey;
class QAction;
class QLabel;
class Shape;

// The start window: the title, the four mode keys, the menu of worksheets and About.
// It stays open for the whole run; closing it ends the program.
class FrmInizio : public Form
{
    Q_OBJECT

public:
    // "Vers. " and the project version, as the build gives it.
    static const char* const Versione;
    static constexpr int NumeroModi = 4;

    FrmInizio();

    // The pupil's choice: kind 0 to 2 opens the exercise window, 3 ends the program.
    void AvviaScelta(qint16 indice);
    // Closes both curtains and starts opening them.
    void AvviaTendine();

    const Tendine& tendine() const { return tendine_; }
    // A mode key held down: it acts once, until its release.
    bool tastoInCorso() const { return TastoInCorso; }

protected:
    void onLoad() override;
    void onUnload() override;
    void onResize() override;
    void changeEvent(QEvent* event) override;

private:
    ColourBox* Picture1;
    ColourBox* Picture2;
    // A child of the window, so that it is found by its name like the controls.
    QTimer timerTendine{this};
    Frame* frmTitolo;
    QLabel* Label2;
    QLabel* Label4;
    Shape* Shape2;
    Shape* Shape1;
    Shape* Shape4;
    Shape* Shape3;
    Frame* Frame1;
    std::array<PushKey*, NumeroModi> Option1{};
    std::array<QLabel*, 3> Label1{};
    QLabel* Label5;
    ImageBox* Image1;

    QAction* mnuStampaSchede;
    QAction* MnuVuoto;
    QAction* mnuAggiungi;
    QAction* mnuTogli;
    QAction* mnuInfo;

    bool TastoInCorso = false;
    bool SpazioInCorso = false;

    // The curtains, the title, the mode keys with their markers, the line of credits and the picture.
    void costruisciTendine();
    void costruisciTitolo();
    void costruisciModi();
    void costruisciPiede();
    void buildMenu();
    void tickTendine();
    void optionKeyDown(int indice, int& codice);
    void optionKeyPress(int indice, int& carattere);

    Tendine tendine_;
};
