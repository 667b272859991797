#pragma once
// What running inside a browser page asks of the program, and nothing else does: fonts carried
// along, the keyboard given back after a dialog, the page told when the program is painted and
// when it ends, notices and focus moves handed to the page for screen readers, and the page's
// address read. Built only for the browser.

#include <QString>

class QWidget;

// Once the application exists and before any window.
void PrepararPaginaWeb();

// Shows the main window filling the page, which is the screen Qt sees; the page learns of its
// first painted frame and of its closing (Salir).
void MostrarEnPagina(QWidget& ventana);

// Hands a notice to the page's live region, which screen readers in the browser announce without
// moving the focus; a notice repeated word for word is announced again.
void AnunciarEnPagina(const QString& texto);

// The query of the page's address as the browser holds it, percent-encoded, with its "?"
// ("?a=1/2&sumar"); empty when there is none.
QString ConsultaDeLaPagina();
