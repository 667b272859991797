#include "animation/vuelo.h"

#include "drawing/geometria.h"
#include "drawing/graficar.h"
#include "shell/estado.h"
#include "shell/eventos.h"
#include "shell/formulario.h"

#include <algorithm>

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

bool VolarCelda(Byte i, Integer c, Integer r, Integer& FilaDestino, Integer& ColumnaDestino) {
    const Esquina origen = EsquinaCeldaOperando(i, c, r);
    VueloX = origen.x;
    VueloY = origen.y;
    const Single DestinoX = ColumnaX(ColumnaDestino);
    const Single DestinoY = FilaY(FilaDestino);

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

    if (Velocidad < 4) {
        const Integer Pasos = PasosDeVelocidad(Velocidad);
        PasoX = (DestinoX - VueloX) / Single(Pasos);
        PasoY = (DestinoY - VueloY) / Single(Pasos);
        TicksVuelo = 0;
        PasosVuelo = Pasos;
        shpVolador->Move(VueloX + PasoX, VueloY + PasoY);
        shpVolador->setVisible(true);
        Temporizador* tmr = MiembroComo<Temporizador>(*frmLienzo, QStringLiteral("tmr"));
        tmr->setEnabled(true);
        // Events run while the cell flies; the wait sleeps between them.
        while (SigueVolando(DestinoY, PasoY, VueloY) && TicksVuelo < PasosVuelo && !Terminando() &&
               !VueloAbandonado)
            EsperarEventos();
        tmr->setEnabled(false);
        shpVolador->setVisible(false);
        if (Terminando() || VueloAbandonado) return false;
    }

    // Land: the target takes the operand's colour, solid, and shows its number again.
    frmLienzo->setDrawStyle(kDrawStyleSolido);
    frmLienzo->setFillStyle(kFillStyleTransparente);
    DibujarCaja(DestinoX, DestinoY, AnchoCelda, AltoCelda, shpVolador->FillColor());
    NumerarCelda(FilaDestino, ColumnaDestino);

    // Next result cell: up the column, then the bottom of the next one. Held within 16 bits; an
    // addition stops before its cursor could reach the limit.
    if (FilaDestino + 1 > Filas) {
        FilaDestino = 1;
        ColumnaDestino = Integer(std::min(ColumnaDestino + 1, kIntegerMax));
    } else {
        FilaDestino = Integer(FilaDestino + 1);
    }
    return true;
}
