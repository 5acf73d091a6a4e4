#pragma once

#include <QtGlobal>

// What the desktop entry and the AppStream description say of the program, kept in the
// translations with the program's own texts so that a translator meets them there:
// org.example.Tarvello.desktop carries them as GenericName and Comment, in Italian ([it]) and
// in each translation, and the AppStream summary is the description of `tarvello --help`.
// The test tarvello_ts checks that the two files say what the translations say.
inline constexpr const char* VociDesktop[] = {
    QT_TRANSLATE_NOOP("Desktop", "Esercizi sugli insiemi"),
    QT_TRANSLATE_NOOP("Desktop", "Costruisci l'insieme che viene dopo: esercizi e schede per la scuola primaria"),
};
