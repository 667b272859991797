#include "animation/vuelo.h"

#include "drawing/geometria.h"
#include "drawing/graficar.h"
#include "shell/estado.h"
#include "shell/formulario.h"

#include <algorithm>

namespace {

Temporizador& Reloj() {
    return *MiembroComo<Temporizador>(*frmLienzo, QStringLiteral("tmr"));
}

} // namespace

Integer PasosDeVelocidad(Byte velocidad) {
    switch (velocidad) {
    case 0:
        return 50;
    case 1:
        return 35;
    case 2:
        return 15;
    case 3:
        return 5;
    default:
        return 0;
    }
}

int TicksDeVuelo(Single y0, Single destinoY, Integer pasos) {
    const Single pasoY = (destinoY - y0) / Single(pasos);
    Single y = y0;
    int ticks = 0;
    while (ticks < pasos && SigueVolando(destinoY, pasoY, y)) {
        y = y + pasoY;
        ++ticks;
    }
    return ticks;
}

bool VolarCelda(Byte i, Integer c, Integer r, Integer FilaDestino, Integer ColumnaDestino,
                Vuelo& vuelo) {
    const Esquina origen = EsquinaCeldaOperando(i, c, r);
    VueloX = origen.x;
    VueloY = origen.y;
    vuelo = Vuelo{Single(ColumnaX(ColumnaDestino)), Single(FilaY(FilaDestino)), 0, 0};

    // Lift: the source cell turns white, cross-hatched in the operand's colour. The hatch is this
    // box's alone: whatever is drawn while the cell flies (a typed fraction, a resize) is drawn
    // with the fill the surface had before.
    const int fillStyle = frmLienzo->FillStyle();
    const Long fillColor = frmLienzo->FillColor();
    frmLienzo->setFillColor(shpVolador->FillColor());
    frmLienzo->setFillStyle(kFillStyleCruzDiagonal);
    DibujarCaja(VueloX, VueloY, AnchoCelda, AltoCelda, Colores(3));
    frmLienzo->setFillStyle(fillStyle);
    frmLienzo->setFillColor(fillColor);

    if (Velocidad >= 4) return false;
    vuelo.pasos = PasosDeVelocidad(Velocidad);
    PasoX = (vuelo.destinoX - VueloX) / Single(vuelo.pasos);
    PasoY = (vuelo.destinoY - VueloY) / Single(vuelo.pasos);
    // The test comes before the first tick: a target above the source is reached at once.
    if (!SigueVolando(vuelo.destinoY, PasoY, VueloY)) return false;
    shpVolador->Move(VueloX + PasoX, VueloY + PasoY);
    shpVolador->setVisible(true);
    Reloj().setEnabled(true);
    return true;
}

bool AvanzarVuelo(Vuelo& vuelo) {
    ++vuelo.ticks;
    VueloX = VueloX + PasoX;
    VueloY = VueloY + PasoY;
    shpVolador->Move(VueloX, VueloY);
    return !(SigueVolando(vuelo.destinoY, PasoY, VueloY) && vuelo.ticks < vuelo.pasos);
}

void PosarCelda(const Vuelo& vuelo, Integer& FilaDestino, Integer& ColumnaDestino) {
    // A cell that flew stops; one that landed at once never showed, nor started the timer.
    if (shpVolador->Visible()) DetenerVuelo();
    // Land: the target takes the operand's colour, solid, and shows its number again.
    frmLienzo->setDrawStyle(kDrawStyleSolido);
    frmLienzo->setFillStyle(kFillStyleTransparente);
    DibujarCaja(vuelo.destinoX, vuelo.destinoY, AnchoCelda, AltoCelda, shpVolador->FillColor());
    NumerarCelda(FilaDestino, ColumnaDestino);

    // Next result cell: up the column, then the bottom of the next one. Held within 16 bits; an
    // addition stops before its cursor could reach the limit.
    if (FilaDestino + 1 > Filas) {
        FilaDestino = 1;
        ColumnaDestino = Integer(std::min(ColumnaDestino + 1, kIntegerMax));
    } else {
        FilaDestino = Integer(FilaDestino + 1);
    }
}

void DetenerVuelo() {
    Reloj().setEnabled(false);
    shpVolador->setVisible(false);
}
