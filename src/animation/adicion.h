#pragma once
// The flights of one "=": every coloured cell of the two operands, one at a time, carried to the
// next free cell of the result. The run is driven by the form's timer alone: each tick moves the
// flying cell a step, and the tick that ends a flight lands its cell and lifts the next one.
// Between ticks the pupil's typing, resizing and menus reach the program through its ordinary event
// loop.

#include "animation/vuelo.h"
#include "shell/tipos.h"

#include <QObject>

class Adicion : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Starts the flights on the grid the command has just drawn, whose squares hold porCuadro
    // cells each. At the immediate speed every cell lands before this returns.
    void Empezar(long long porCuadro);
    // From Empezar until the last cell has landed or the run was dropped.
    bool EnCurso() const { return enCurso_; }
    // One tick of the form's timer.
    void Tick();
    // Drops the run: the flying cell vanishes, nothing more lands and no sum is told.
    void Abandonar();
    // The picture was drawn again without its result cells: the count starts again from zero.
    void OlvidarPosadas() { posadas_ = 0; }

  signals:
    // The run ended by itself: so many cells landed since the picture was last redrawn whole.
    void Terminada(long long coloreadas, long long porCuadro);

  private:
    bool SiguienteCelda();
    void Continuar();
    void Posar();
    void Acabar();

    bool enCurso_ = false;
    long long porCuadro_ = 0;
    long long posadas_ = 0;
    // The source cell: cell celda_ of strip tira_ of operand operando_ (0 before the first). The
    // strip count is read when an operand begins, the length of a strip when the strip begins: a
    // fraction changed meanwhile counts from then on.
    Byte operando_ = 0;
    int tiras_ = 0, tira_ = 0;
    int celdas_ = 0, celda_ = 0;
    // The result cursor: the cell the next flight lands on.
    Integer filaDestino_ = 1, columnaDestino_ = 1;
    // The cell in the air, while vuela_.
    Vuelo vuelo_;
    bool vuela_ = false;
};
