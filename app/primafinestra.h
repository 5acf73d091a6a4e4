#pragma once

#include <QString>
#include <QUuid>

#include <functional>

// The first window of a run: "Chi sei?" when the teacher has chosen for this PC a class with
// pupils, the start window otherwise, and then too when the register cannot be read within
// `limiteMs`. The register is read on a worker while the start window is made, so that a
// slow or locked register never holds the start up, and the SQL driver never loads on the
// window's thread. The choice in "Chi sei?" opens the start window; closing "Chi sei?" ends
// the program, as closing the start window does.
void apriPrimaFinestra(const QString& registro, int limiteMs = 2000);

// Told of the pupil chosen in "Chi sei?" (a null id: not in the list), once, before the start
// window opens. The choice holds until the program ends.
void suAlunnoScelto(std::function<void(const QUuid&)> ascolta);
