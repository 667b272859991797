#include "speed_dialog/frm_velocidad.h"

#include "shell/controles.h"
#include "shell/estado.h"
#include "shell/formulario.h"
#include "shell/fuentes.h"
#include "shell/twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

std::unique_ptr<FrmVelocidad> instancia;

const char* const kCaptionsVelocidad[] = {"M&uy lento", "&Lento", "&Medio", "&Rápido",
                                          "&Inmediato"};

// What each speed means for one cell, at 50 ms a step: 50, 35, 15 or 5 steps, or no flight.
const char* const kDescripcionesVelocidad[] = {
    "Cada celda tarda unos dos segundos y medio en llegar",
    "Cada celda tarda casi dos segundos en llegar",
    "Cada celda tarda menos de un segundo en llegar",
    "Cada celda tarda un cuarto de segundo en llegar",
    "Las celdas aparecen en el resultado sin volar",
};

} // namespace

FrmVelocidad::FrmVelocidad()
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmVelocidad"));
    setWindowTitle(QStringLiteral("Zafrelo: configurar velocidad"));
    setFont(FuenteVentana());
    setFixedSize(TwipsAPixeles(3705, logicalDpiX()), TwipsAPixeles(2625, logicalDpiY()));
    setSizeGripEnabled(false);
    setAccessibleDescription(QStringLiteral("Elige con qué rapidez vuelan las celdas al sumar"));

    cmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    UbicarTwips(cmdAceptar, 2280, 240, 1215, 375);
    cmdAceptar->setDefault(true);
    connect(cmdAceptar, &QPushButton::clicked, this, [this] { cmdAceptar_Click(); });

    CancelButton = new QPushButton(QStringLiteral("&Cancelar"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    UbicarTwips(CancelButton, 2280, 840, 1215, 375);
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    Nombrar(cmdAceptar, QStringLiteral("Aceptar"),
            QStringLiteral("Guarda la velocidad elegida y cierra la ventana"));
    Nombrar(CancelButton, QStringLiteral("Cancelar"),
            QStringLiteral("Deja la velocidad como estaba y cierra la ventana"));

    Frame1 = new QGroupBox(QStringLiteral("Movimiento:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    UbicarTwips(Frame1, 240, 120, 1695, 2295);
    Nombrar(Frame1, QStringLiteral("Movimiento"),
            QStringLiteral("Con qué rapidez vuelan las celdas al sumar"));
    for (int i = 0; i <= 4; ++i) {
        optVelocidad(i) = new QRadioButton(QString::fromUtf8(kCaptionsVelocidad[i]), Frame1);
        optVelocidad(i)->setObjectName(QStringLiteral("optVelocidad(%1)").arg(i));
        UbicarTwips(optVelocidad(i), 240, 360 + 360 * i, 1200, 255);
        Nombrar(optVelocidad(i), optVelocidad(i)->text().remove(QLatin1Char('&')),
                QString::fromUtf8(kDescripcionesVelocidad[i]));
        optVelocidad(i)->installEventFilter(this);
    }

    QWidget* orden[] = {cmdAceptar,      CancelButton,    optVelocidad(0), optVelocidad(1),
                        optVelocidad(2), optVelocidad(3), optVelocidad(4)};
    for (std::size_t k = 0; k + 1 < std::size(orden); ++k)
        setTabOrder(orden[k], orden[k + 1]);
}

bool FrmVelocidad::eventFilter(QObject* objeto, QEvent* evento) {
    auto* opcion = qobject_cast<QRadioButton*>(objeto);
    // Qt clicks a button for its access key 100 ms later, after showing it pressed; Enter typed
    // within that time would accept the old option. The option is selected at once instead.
    if (evento->type() == QEvent::Shortcut && opcion && opcion->isEnabled())
        opcion->setChecked(true);
    // Enter accepts on every desktop. GNOME's conventions (and GTK's) make Enter press the
    // focused option, as Space does, so the dialog would never see it.
    if (evento->type() == QEvent::KeyPress && opcion) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool intro = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
        const auto modificadores = tecla->modifiers() & ~Qt::KeypadModifier;
        if (intro && modificadores == Qt::NoModifier) {
            cmdAceptar->click();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

Single FrmVelocidad::Width() const {
    return PixelesATwips(frameGeometry().width(), logicalDpiX());
}
Single FrmVelocidad::Height() const {
    return PixelesATwips(frameGeometry().height(), logicalDpiY());
}

PosicionDialogo CalcularPosicionDialogo(Single anchoPrincipal, Single altoPrincipal,
                                        Single anchoDialogo, Single altoDialogo) {
    return {(anchoPrincipal - anchoDialogo) / 2, (altoPrincipal - altoDialogo) / 2};
}

void FrmVelocidad::Form_Load() {
    if (!frmLienzo) return;
    const PosicionDialogo p =
        CalcularPosicionDialogo(frmLienzo->Width(), frmLienzo->Height(), Width(), Height());
    move(TwipsAPixeles(p.Left, logicalDpiX()), TwipsAPixeles(p.Top, logicalDpiY()));
}

void FrmVelocidad::cmdAceptar_Click() {
    // Every option is looked at; the last selected one wins, and none selected keeps the speed.
    for (int i = 0; i <= 4; ++i)
        if (optVelocidad(i)->isChecked()) Velocidad = Byte(i);
    hide();
}

void FrmVelocidad::CancelButton_Click() {
    optVelocidad(Velocidad)->setChecked(true);
    hide();
}

void FrmVelocidad::reject() {
    CancelButton_Click();
}

FrmVelocidad& frmVelocidad() {
    if (!instancia) {
        instancia = std::make_unique<FrmVelocidad>();
        instancia->Form_Load();
    }
    return *instancia;
}

bool FrmVelocidadCargado() {
    return instancia != nullptr;
}

void SeleccionarVelocidadInicial(Byte velocidad) {
    frmVelocidad().optVelocidad(velocidad)->setChecked(true);
}

void DescargarFrmVelocidad() {
    instancia.reset();
}
