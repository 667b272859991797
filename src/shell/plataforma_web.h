#pragma once
// What running inside a browser page asks of the program, and nothing else does: fonts carried
// along, the keyboard given back after a dialog, and the page told when the program is painted and
// when it ends. Built only for the browser.

class QWidget;

// Once the application exists and before any window.
void PrepararPaginaWeb();

// Shows the main window filling the page, which is the screen Qt sees; the page learns of its
// first painted frame and of its closing (Salir).
void MostrarEnPagina(QWidget& ventana);
