#include "shell/plataforma_web.h"

#include "shell/eventos.h"
#include "shell/fuentes.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <emscripten.h>
#include <emscripten/val.h>

#include <string>

namespace {

// The page (data/web/carga.js) provides these two on the module.
void AvisarListo() {
    EM_ASM({
        if (Module.zafreloListo) Module.zafreloListo();
    });
}

void AvisarTerminado() {
    EM_ASM({
        if (Module.zafreloTerminado) Module.zafreloTerminado();
    });
}

// Hands a text to one of the page's functions on the module, when the page has it.
void PasarALaPagina(const char* funcion, const QString& texto) {
    const emscripten::val llamada = emscripten::val::module_property(funcion);
    if (llamada.typeOf().as<std::string>() == "function") llamada(texto.toStdString());
}

// A page has no Arial and Qt brings only DejaVu Sans, whose wider letters cut captions off:
// Liberation Sans, built in from fonts-liberation2, has Arial's metrics.
void CargarFuentes() {
    for (const char* archivo :
         {":/fuentes/LiberationSans-Regular.ttf", ":/fuentes/LiberationSans-Bold.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(archivo));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // Menus and message boxes are windows of their own and take the application's font, which
    // would otherwise be Qt's larger default: the window's font keeps them like the menu bar.
    QApplication::setFont(FuenteVentana());
}

// When a dialog closes, the browser gives the keyboard to no other window, and Qt keeps it with the
// hidden dialog: keys went nowhere until a click. The modal dialog still open takes it, or else the
// main window.
void DevolverTeclado() {
    const QWindow* foco = QGuiApplication::focusWindow();
    if (foco && foco->isVisible()) return;
    QWidget* destino = QApplication::activeModalWidget();
    if (!destino) {
        for (QWidget* ventana : QApplication::topLevelWidgets())
            if (ventana->isVisible() && ventana->windowType() == Qt::Window) destino = ventana;
    }
    if (destino) destino->activateWindow();
}

class TecladoDeVuelta : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Hide && objeto->isWidgetType() &&
            static_cast<QWidget*>(objeto)->isWindow())
            QTimer::singleShot(0, this, DevolverTeclado);
        return false;
    }
};

} // namespace

void PrepararPaginaWeb() {
    CargarFuentes();
    qApp->installEventFilter(new TecladoDeVuelta(qApp));
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow* ventana) {
        if (!ventana) QTimer::singleShot(0, qApp, DevolverTeclado);
    });
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, AvisarTerminado);
    // Qt types into one text input of its own, which keeps the browser's focus from box to box:
    // the page gives it the name of the box that has the focus, for a screen reader to say.
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* ahora) {
        PasarALaPagina("zafreloFoco", ahora ? ahora->accessibleName() : QString());
    });
    // Every blink of a text caret is a frame the browser composes: blinking, Chromium without a
    // graphics card stays at 4 to 5 % of a core while the pupil thinks; steady, it goes idle.
    QApplication::setCursorFlashTime(0);
}

void MostrarEnPagina(QWidget& ventana) {
    TrasPrimerCuadro(ventana, AvisarListo);
    ventana.showFullScreen();
}

void AnunciarEnPagina(const QString& texto) {
    PasarALaPagina("zafreloAnunciar", texto);
}

QString ConsultaDeLaPagina() {
    const emscripten::val lugar = emscripten::val::global("location");
    if (lugar.isUndefined() || lugar.isNull()) return {};
    const emscripten::val busqueda = lugar["search"];
    if (!busqueda.isString()) return {};
    return QString::fromStdString(busqueda.as<std::string>());
}
