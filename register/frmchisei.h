#pragma once

#include "forms/form.h"
#include "registro/anagrafe.h"

#include <QList>
#include <QUuid>
#include <vector>

class PushKey;
class QLabel;
class Shape;

// "Chi sei?": before the start window, one big key per pupil of the class that uses this PC,
// by name, and "Non sono nell'elenco". The choice is handed on and the window unloads itself.
//
// Keys, as on the other windows: a digit 1 to 9 moves the focus to that key, counted in
// reading order, and the same digit again to the key ten further on (2, then 12, then 22);
// 0 moves it to "Non sono nell'elenco". The arrows move it over the grid; Enter and Space
// press the key that has the focus; the mouse presses on the press. A key held acts once.
class FrmChiSei : public Form
{
    Q_OBJECT

public:
    explicit FrmChiSei(const QList<Alunno>& alunni);

    // The columns of the grid for so many pupils: as many as rows, or one more.
    static int colonne(int alunni);

signals:
    // The pupil chosen; a null id for "Non sono nell'elenco".
    void scelto(const QUuid& alunno);

protected:
    void onLoad() override;
    void changeEvent(QEvent* event) override;

private:
    Shape* shpTitolo;
    QLabel* lblTitolo;
    // The pupils' keys in reading order, then "Non sono nell'elenco".
    std::vector<PushKey*> optAlunno;
    PushKey* optNessuno;

    QList<Alunno> alunni_;
    int colonne_;
    bool TastoInCorso = false;
    bool SpazioInCorso = false;
    bool scelta_ = false;

    void scegli(int indice);
    void keyDown(int indice, int& codice);
    // Where an arrow (its key code) takes the focus from key `indice`.
    int freccia(int indice, int codice) const;
};
