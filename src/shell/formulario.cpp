#include "shell/formulario.h"

#include <QObject>

template <typename Interfaz> Interfaz* MiembroComo(Formulario& form, const QString& nombre) {
    return dynamic_cast<Interfaz*>(form.Miembro(nombre));
}

template Figura* MiembroComo<Figura>(Formulario&, const QString&);
template Temporizador* MiembroComo<Temporizador>(Formulario&, const QString&);
