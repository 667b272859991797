#include "main_window/frm_principal.h"
#include "shell/estado.h"
#include "shell/eventos.h"
#include "speed_dialog/frm_velocidad.h"

void FrmPrincipal::mnuOpcVelocidad_Click() {
#ifdef Q_OS_WASM
    // In a page Qt does not show a hidden dialog a second time: it stays invisible yet modal, and
    // the program takes no more input. Each opening gets a fresh one holding the same choice.
    if (FrmVelocidadCargado() && frmVelocidad().isHidden()) {
        DescargarFrmVelocidad();
        SeleccionarVelocidadInicial(Velocidad);
    }
#endif
    // Modal, with no owner; the command returns at once and the dialog hides itself when answered.
    // The choice takes effect through Velocidad, which each flight reads when it starts.
    MostrarModal(frmVelocidad());
}
