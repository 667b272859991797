#include "animation/adicion.h"

#include "animation/animar.h"
#include "shell/estado.h"
#include "shell/formulario.h"

void Adicion::Empezar(long long porCuadro) {
    enCurso_ = true;
    porCuadro_ = porCuadro;
    posadas_ = 0;
    operando_ = 0;
    tiras_ = tira_ = celdas_ = celda_ = 0;
    filaDestino_ = columnaDestino_ = 1;
    vuela_ = false;
    Continuar();
}

bool Adicion::SiguienteCelda() {
    // A run goes on while its next target can still be numbered and drawn: a larger denominator
    // typed meanwhile gives longer strips.
    if (!DestinoCabe(filaDestino_, columnaDestino_, AnchoCelda, AltoCelda)) return false;
    while (++celda_ > celdas_) {
        while (++tira_ > tiras_) {
            if (++operando_ > 2) return false;
            shpVolador->setFillColor(Colores(operando_));     // the flying cell carries the colour
            tiras_ = Den(operando_) > 0 ? Num(operando_) : 0; // no denominator, no cells
            tira_ = 0;
        }
        celdas_ = Orientacion(operando_) == 1 ? Filas : Columnas;
        celda_ = 0;
    }
    return true;
}

void Adicion::Continuar() {
    while (SiguienteCelda()) {
        // Vertical strips are columns whose cells leave from the bottom up; horizontal ones are
        // rows whose cells leave from left to right.
        const bool vertical = Orientacion(operando_) == 1;
        const Integer c = Integer(vertical ? tira_ : celda_),
                      r = Integer(vertical ? celda_ : tira_);
        if (VolarCelda(operando_, c, r, filaDestino_, columnaDestino_, vuelo_)) {
            vuela_ = true;
            return; // the timer's ticks take it on from here
        }
        Posar();
    }
    Acabar();
}

void Adicion::Tick() {
    if (!vuela_ || !AvanzarVuelo(vuelo_)) return;
    vuela_ = false;
    Posar();
    Continuar();
}

void Adicion::Posar() {
    PosarCelda(vuelo_, filaDestino_, columnaDestino_);
    ++posadas_;
}

void Adicion::Acabar() {
    enCurso_ = false;
    AnchoCelda = 0;
    AltoCelda = 0;
    emit Terminada(posadas_, porCuadro_);
}

void Adicion::Abandonar() {
    if (!enCurso_) return;
    if (vuela_) DetenerVuelo();
    vuela_ = false;
    enCurso_ = false;
    AnchoCelda = 0;
    AltoCelda = 0;
}
