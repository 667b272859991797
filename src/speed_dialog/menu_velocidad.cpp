#include "main_window/frm_principal.h"
#include "shell/estado.h"
#include "speed_dialog/frm_velocidad.h"

void FrmPrincipal::mnuOpcVelocidad_Click() {
    // Modal, with no owner: the menu command returns when the dialog hides. The choice takes
    // effect through Velocidad, which each flight reads when it starts.
    frmVelocidad().exec();
#ifdef Q_OS_WASM
    // In a page Qt does not show the same dialog a second time: it stays invisible yet modal, and
    // the program takes no more input. Each opening gets a fresh one holding the same choice.
    DescargarFrmVelocidad();
    SeleccionarVelocidadInicial(Velocidad);
#endif
}
