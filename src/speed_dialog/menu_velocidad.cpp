#include "main_window/frm_principal.h"
#include "speed_dialog/frm_velocidad.h"

void FrmPrincipal::mnuOpcVelocidad_Click() {
    // Modal, with no owner: the menu command returns when the dialog hides. The choice takes
    // effect through Velocidad, which each flight reads when it starts.
    frmVelocidad().exec();
}
