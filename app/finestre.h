#pragma once

class Esercizio;
class frmOperativo;

// The program's one exercise: its counters and total time last the whole run, across the
// loads of its window. The start window chooses its kind; the exercise window runs it.
Esercizio& esercizio();

// The exercise window, loaded with the program's exercise when it is not loaded.
frmOperativo& finestraEsercizio();

// Unloads every loaded window, hidden ones included, and lets the figure catalogue go:
// the program then ends.
void ChiudiTutto();
