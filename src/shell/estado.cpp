#include "shell/estado.h"

void BorrarEstado() {
    frmLienzo = nullptr;
    shpVolador = nullptr;
    Orientacion.Borrar();
    Colores.Borrar();
    Velocidad = 0;
    Num.Borrar();
    Den.Borrar();
    PosX.Borrar();
    PosY.Borrar();
    Lado = 0;
    AnchoCelda = AltoCelda = 0;
    Filas = Columnas = 0;
    VueloX = VueloY = PasoX = PasoY = 0;
}
