#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The kind of exercise, as the start window stores it and the exercise window reads it.
enum ExerciseKind : qint16 {
    InsiemeVuoto = 0,  // the second set starts empty
    Aggiungere = 1,    // it starts with fewer figures than the given set
    Togliere = 2,      // it starts with at least two figures more
    Uscita = 3,        // stored by the exit button; no exercise uses it
};

// The variables the exercise window keeps for the whole run of the program. They start at
// zero or empty and no window resets them unless it says so.
namespace Module1 {

inline qint16 NumOperazione = 0;          // current exercise since the window was loaded
inline qint16 NumElementiD = 0;           // figures the second set holds now, 0 to 10
inline qint32 NumElementiS = 0;           // figures of the given set
inline qint16 NumInizialeD = 0;           // figures the second set starts with
inline std::array<qint16, 11> PostiS{};   // entries 1 to n: places 1 to 15 of the given set
inline qint32 ContatoreI = 0;
inline qint32 ContatoreJ = 0;
inline qint32 ContatoreK = 0;
inline qint32 Tentativi = 0;              // "NO" answers since help was last given
inline qint16 FiguraCorrente = 0;         // figure 1 to 12 of the current exercise
inline qint16 PostoEstratto = 0;          // the place drawn last
inline std::array<qint16, 13> PostiEstratti{};
inline qint32 RisErrate = 0;              // wrong answers of the whole run
inline qint16 RisEsatte = 0;              // right answers of the whole run
inline float TempoInizio = 0;             // seconds since midnight
inline float TempoFine = 0;
inline qint32 TempoParziale = 0;          // whole seconds
inline qint32 TempoTotale = 0;
inline QString TestoTempoParziale;
inline QString TestoTempoTotale;
inline qint16 TipoEsercizio = 0;          // ExerciseKind, 0 to 3

} // namespace Module1
