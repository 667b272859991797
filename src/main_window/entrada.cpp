// What the fraction boxes and the "Simplificar" buttons do.

#include "arithmetic/aritmetica.h"
#include "drawing/graficar.h"
#include "main_window/frm_principal.h"
#include "main_window/lectura_numeros.h"
#include "shell/estado.h"

#include <QLineEdit>

void FrmPrincipal::txtNum_Change(Integer i) {
    const NumeroLeido n = LeerNumero(txtNum(i)->text());
    if (n.numerico) {
        Num(i) = n.entero;
        DibujarOperando(i);
    } else {
        // The square keeps its old strips until something redraws it.
        Num(i) = 0;
    }
    DescribirDibujo();
}

void FrmPrincipal::txtDen_Change(Integer i) {
    const NumeroLeido n = LeerNumero(txtDen(i)->text());
    if (!n.numerico) {
        Den(i) = 0;
        DescribirDibujo();
        return;
    }
    // Zero or a negative denominator is ignored: the last accepted one stays.
    if (!n.positivo) return;
    Den(i) = n.entero;
    Filas = Divisiones(0);
    Columnas = Divisiones(1);
    DibujarOperando(i);
    DescribirDibujo();
}

void FrmPrincipal::cmdSimpli_Click(Integer i) {
    Integer n = 0, d = 0;
    Reducir(Num(i), Den(i), n, d);
    // Each assignment that changes a box's text runs its change handler right here.
    txtNum(i)->setText(EscribirNumero(n));
    txtDen(i)->setText(EscribirNumero(d));
}
