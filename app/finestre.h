#pragma once

class Esercizio;
class Registratore;
class frmOperativo;

// The program's one exercise: its counters and total time last the whole run, across the
// loads of its window. The start window chooses its kind; the exercise window runs it.
Esercizio& esercizio();

// The recorder of this run, on the register luogoRegistro() names, made at the first call.
// Started with the program, after its command line is read: every answer of the exercise goes
// to it from then on.
Registratore& registratore();
void avviaRegistratore();
// At the program's end: the answer still waiting for the pupil's reply is handed over, and
// the recorder writes or journals what waits.
void concludiRegistratore();

// The exercise window, loaded with the program's exercise when it is not loaded.
frmOperativo& finestraEsercizio();

// Unloads every loaded window, hidden ones included, and lets the figure catalogue go:
// the program then ends.
void ChiudiTutto();
