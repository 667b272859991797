#include "main_window/frm_principal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zafrelo"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    FrmPrincipal ventana;
    ventana.show();
    return QApplication::exec();
}
