// A prepared lesson at start-up: read, its notes printed, and applied to the window as a pupil
// would have typed and chosen it.

#include "main_window/frm_principal.h"
#include "main_window/leccion.h"
#include "main_window/lectura_numeros.h"
#include "shell/eventos.h"
#include "speed_dialog/frm_velocidad.h"
#ifdef Q_OS_WASM
#include "shell/plataforma_web.h"
#endif

#include <QCoreApplication>
#include <QLineEdit>

#include <cstdio>

namespace {

// Standard error: a terminal on the desktop, the console in a browser.
void ImprimirAvisos(const AvisosLeccion& avisos) {
    for (const QString& linea : avisos.lineas)
        std::fprintf(stderr, "%s\n", linea.toUtf8().constData());
    if (avisos.deMas > 0)
        std::fprintf(stderr, "Zafrelo: y %lld avisos más.\n", static_cast<long long>(avisos.deMas));
    std::fflush(stderr);
}

} // namespace

Leccion LeccionDeArranque() {
#ifdef Q_OS_WASM
    const ConsultaLeida consulta = LeerConsulta(ConsultaDeLaPagina());
    ImprimirAvisos(consulta.avisos);
    Leccion leccion = LeerLeccion(consulta.argumentos);
#else
    Leccion leccion = LeerLeccion(QCoreApplication::arguments());
    if (leccion.ayuda || leccion.version) MostrarAyudaOVersion(leccion);
#endif
    ImprimirAvisos(leccion.avisos);
    return leccion;
}

void AplicarLeccion(FrmPrincipal& ventana, const Leccion& leccion) {
    for (int i = 1; i <= 2; ++i) {
        if (!leccion.fraccion(i)) continue;
        // Numerator first, as typed; each box's change handler stores and draws as usual.
        ventana.txtNum(i)->setText(EscribirNumero(leccion.fraccion(i)->num));
        ventana.txtDen(i)->setText(EscribirNumero(leccion.fraccion(i)->den));
    }
    if (leccion.velocidad) {
        // As if chosen in the dialog and accepted: the option stays selected for its next opening.
        SeleccionarVelocidadInicial(*leccion.velocidad);
        frmVelocidad().cmdAceptar_Click();
    }
    // Once the first frame is shown, through the ordinary entry point of "=".
    if (leccion.sumar) TrasPrimerCuadro(ventana, [&ventana] { ventana.cmdAnimar_Click(); });
}
