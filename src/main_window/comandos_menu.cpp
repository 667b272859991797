// The commands of the Archivo and ? menus.

#include "drawing/graficar.h"
#include "main_window/frm_principal.h"
#include "shell/estado.h"
#include "shell/eventos.h"

#include <QLineEdit>

void FrmPrincipal::mnuArchNueva_Click() {
    // Nothing of the old operation stays: an addition still flying stops where it is, and the
    // picture is wiped, also where cells of a fraction above one lay beside the squares.
    AbandonarSuma();
    for (int i = 1; i <= 2; ++i) {
        txtNum(i)->setText(QString());
        txtDen(i)->setText(QString());
    }
    // The grid size is kept: it changes only when a denominator is accepted.
    Cls();
    for (Byte k = 1; k <= 4; ++k)
        DibujarCuadro(k);
    suma_.reset();
    DescribirDibujo();
    txtNum(1)->setFocus();
}

void FrmPrincipal::mnuArchSalir_Click() {
    close();
}

void FrmPrincipal::mnuAyudaAcerca_Click() {
    // Four lines. A Qt label breaks lines at "\n" alone; the carriage return of a Windows line end
    // shows nothing but reaches screen readers as a stray character.
    MsgBox(this,
           QStringLiteral("Operaciones con zafrelo\n"
                          "(versión preliminar) \n"
                          "\n"
                          "Hecho para la clase de matemáticas por el equipo de Zafrelo"),
           QStringLiteral("Acerca de..."));
}
