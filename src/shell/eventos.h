#pragma once
// What the program asks of the event loop: letting pending events run, modal messages, and ending.

#include <QString>

class QWidget;

// Sleeps until at least one event has come, runs what is pending and returns; a wait loop that
// tests its condition after each call costs next to no processor time.
void EsperarEventos();

// A modal message with only an OK button and no icon.
void MsgBox(QWidget* padre, const QString& texto, const QString& titulo);

// Ends the program: every event loop returns, every wait loop stops waiting, the process exits 0.
void Terminar();
// True once Terminar has run; wait loops give up at once.
bool Terminando();
// For tests that build a fresh program in the same process.
void OlvidarTerminacion();
