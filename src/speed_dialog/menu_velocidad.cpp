#include "main_window/frm_principal.h"
#include "shell/eventos.h"
#include "speed_dialog/frm_velocidad.h"

void FrmPrincipal::mnuOpcVelocidad_Click() {
    // Modal, with no owner; the command returns at once and the dialog hides itself when answered.
    // The choice takes effect through Velocidad, which each flight reads when it starts.
    MostrarModal(frmVelocidad());
}
