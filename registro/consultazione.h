#pragma once

#include "core/risposta.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QUuid>

#include <functional>

// What the teacher's register reads: a class's figures over a range of days, a pupil's days,
// every answer. Days are the teacher's local days, both ends included; an invalid date leaves
// that end open. Every call runs on the thread that owns the connection.
namespace Consultazione {

// One pupil's figures over the range.
struct Riepilogo
{
    QUuid alunno;
    QString nome;
    int esercizi = 0;          // exercises with at least one answer
    int esatte = 0;            // right answers
    int errate = 0;            // wrong answers
    double primaProva = 0;     // share of exercises right at the first answer, 0 to 1
    int aiuti = 0;             // "SI" after a wrong answer
    int interventi = 0;        // the window stepped in
    double medianaSecondi = 0; // over every answer
    QDate ultimoGiorno;        // invalid when none in the range
};

// One day of a pupil, for the chart.
struct Giorno
{
    QDate giorno;
    int esatte = 0;
    int errate = 0;
    double medianaSecondi = 0;
};

// Every pupil of the class, by name, those without answers in the range too.
QList<Riepilogo> riepilogo(QSqlDatabase db, const QUuid& classe, QDate dal, QDate al);
// The days of the range on which the pupil answered, in order.
QList<Giorno> giorni(QSqlDatabase db, const QUuid& alunno, QDate dal, QDate al);
// Every answer (of a class, or of the whole register with a null class) in order of time,
// handed one at a time; false when the register could not be read.
bool perOgniRisposta(QSqlDatabase db, const QUuid& classe, QDate dal, QDate al,
                     const std::function<void(const Risposta&)>& visita);
// Deletes every answer given before the day; how many, or -1 when it could not.
int eliminaPrimaDi(QSqlDatabase db, QDate giorno, QString* errore = nullptr);

} // namespace Consultazione
