#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>

// What followed a wrong answer: nothing yet (or a right answer), help asked with "SI", help
// refused with "NO", or the window stepping in at the third refusal.
enum class Seguito : int { Nessuno = 0, Aiuto = 1, Rifiuto = 2, Intervento = 3 };

// One answer: one VERIFICA of the exercise window, as the register keeps it. Nothing else
// about the pupil than the identifier of their name in the register.
struct Risposta
{
    QUuid id;            // made on the PC, so that a copy sent twice is known
    QUuid sessione;      // the run of the program (start to end) it belongs to
    int esercizio = 0;   // the exercise within the session: 1, 2, ...
    QDateTime quando;    // UTC
    QString pc;          // host name
    QUuid alunno;        // null: no pupil chosen
    int tipo = 0;        // ExerciseKind of the exercise
    int figura = 0;      // 1 to 12
    int n = 0;           // figures of the given set
    int m = 0;           // figures the second set started with
    int dato = 0;        // figures of the second set when VERIFICA was pressed
    bool esatta = false;
    double secondi = 0;  // since the exercise (or its new try) was shown
    Seguito seguito = Seguito::Nessuno;

    bool operator==(const Risposta&) const = default;
};
