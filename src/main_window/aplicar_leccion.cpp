// A prepared lesson at start-up: read, its notes printed, and applied to the window as a pupil
// would have typed and chosen it.

#include "main_window/frm_principal.h"
#include "main_window/leccion.h"
#include "main_window/lectura_numeros.h"
#include "speed_dialog/frm_velocidad.h"
#ifdef Q_OS_WASM
#include "shell/plataforma_web.h"
#endif

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

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

// Runs "=" once the window has painted for the first time: by then a window manager has framed
// the window, whose new outer size would otherwise draw the picture again without the sum.
class SumarTrasPrimerCuadro : public QObject {
  public:
    explicit SumarTrasPrimerCuadro(FrmPrincipal& ventana) : QObject(&ventana), ventana_(ventana) {
        ventana.lienzo()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) {
            objeto->removeEventFilter(this);
            // Once this frame is done, through the ordinary entry point of "=".
            QTimer::singleShot(0, &ventana_, [this] {
                ventana_.cmdAnimar_Click();
                deleteLater();
            });
        }
        return false;
    }

  private:
    FrmPrincipal& ventana_;
};

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
    if (leccion.sumar) new SumarTrasPrimerCuadro(ventana);
}
