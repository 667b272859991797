#include "main_window/frm_principal.h"
#include "main_window/leccion.h"
#include "shell/eventos.h"
#include "shell/traduccion.h"
#ifdef Q_OS_WASM
#include "shell/plataforma_web.h"
#endif

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
#ifdef Q_OS_LINUX
    // Qt asks once, at start-up, whether a screen reader runs: a pupil who starts Orca after
    // Zafrelo would find it silent. Kept on, the bridge costs next to nothing while no screen
    // reader listens (README, "Rendimiento"). Qt takes the variable set to anything as on; "0"
    // here gives the choice back to Qt.
    constexpr char kSiempre[] = "QT_LINUX_ACCESSIBILITY_ALWAYS_ON";
    if (qgetenv(kSiempre) == "0")
        qunsetenv(kSiempre);
    else if (!qEnvironmentVariableIsSet(kSiempre))
        qputenv(kSiempre, "1");
#endif
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zafrelo"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // The installed launcher: desktops match the running window to its name and icon by it.
    QApplication::setDesktopFileName(QStringLiteral(ZAFRELO_ID));
    InstalarTraduccionQt();
#ifdef Q_OS_WASM
    PrepararPaginaWeb();
#endif
    // A lesson prepared on the command line or in the page's address; --help ends here.
    const Leccion leccion = LeccionDeArranque();
    FrmPrincipal ventana;
    // Start-up measurement (bench/): leaves once the first frame is shown, without the tear-down,
    // which is no part of starting.
    if (qEnvironmentVariableIsSet("ZAFRELO_SALIR_TRAS_PRIMER_CUADRO"))
        TrasPrimerCuadro(ventana, [] { std::_Exit(0); });
#ifdef Q_OS_WASM
    MostrarEnPagina(ventana);
#else
    ventana.show();
#endif
    AplicarLeccion(ventana, leccion);
    return QApplication::exec();
}
