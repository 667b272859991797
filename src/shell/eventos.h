#pragma once
// What the program asks of the event loop: modal windows that never wait inside it, and ending.

#include <QString>

#include <functional>

class QDialog;
class QWidget;

// Shows a dialog modal to the whole program, as every dialog of it is, and returns at once: the
// program goes on running its event loop, and the dialog's own buttons and keys hide it.
void MostrarModal(QDialog& dialogo);

// A modal message with only an OK button and no icon, shown as MostrarModal shows a dialog; it is
// deleted once answered.
void MsgBox(QWidget* padre, const QString& texto, const QString& titulo);

// Runs accion once, as soon as the first frame of the window has been painted and flushed: for the
// page that shows the program, the start-up measurement and a prepared lesson's "=" (by then a
// window manager has framed the window, whose new outer size would redraw the picture again).
void TrasPrimerCuadro(QWidget& ventana, std::function<void()> accion);

// Ends the program: the event loop returns, and the process exits 0.
void Terminar();
// True once Terminar has run.
bool Terminando();
// For tests that build a fresh program in the same process.
void OlvidarTerminacion();
