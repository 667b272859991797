#include "main_window/frm_principal.h"

#include "animation/adicion.h"
#include "main_window/accesibilidad.h"
#include "shell/atajos.h"
#include "shell/estado.h"
#include "shell/eventos.h"
#include "shell/fuentes.h"
#include "shell/twips.h"
#include "speed_dialog/frm_velocidad.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr Single kAnchoCliente = 8880;
constexpr Single kAltoCliente = 6405;
constexpr int kIntervaloTemporizadorMs = 50;

// The program's icon in every size it is drawn in, from the resources built with it.
QIcon IconoPrograma() {
    QIcon icono;
    for (int lado : {16, 32, 48, 64, 128, 256})
        icono.addFile(QStringLiteral(":/hicolor/%1x%1/apps/" ZAFRELO_ID ".png").arg(lado));
    return icono;
}

} // namespace

FrmPrincipal::FrmPrincipal(QWidget* padre) : QMainWindow(padre) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Zafrelo - prototipo"));
    setFont(FuenteVentana());
    setWindowIcon(IconoPrograma());
    InstalarAccesibilidad();
    lienzo_ = new Lienzo(this);
    lienzo_->setObjectName(QStringLiteral("lienzo"));
    lienzo_->setAccessibleName(QStringLiteral("Modelo de área"));
    setCentralWidget(lienzo_);
    // The picture's background follows the desktop's colours: drawn again, as on a resize.
    connect(lienzo_, &Lienzo::ColoresCambiados, this, [this] {
        if (isVisible()) Form_Resize();
    });
    // Queued: the picture may be dropped while it is being painted or drawn into.
    connect(
        lienzo_, &Lienzo::EscalaCambiada, this,
        [this] {
            if (isVisible() && !DisposicionVigente()) Form_Resize();
        },
        Qt::QueuedConnection);
    aviso_ = new AvisoVoz(this);
    adicion_ = new Adicion(this);
    connect(adicion_, &Adicion::Terminada, this, &FrmPrincipal::DescribirSuma);
    CrearMenus();
    CrearControles();
    OrdenarTabulacion();

    // The client area is the surface below the menu bar.
    const int ancho = TwipsAPixeles(kAnchoCliente, logicalDpiX());
    const int alto = TwipsAPixeles(kAltoCliente, logicalDpiY());
    resize(ancho, alto + menuBar()->sizeHint().height());
    txtNum(1)->setFocus();

    Form_Load();
    DescribirDibujo();
}

FrmPrincipal::~FrmPrincipal() {
    if (frmLienzo == this) frmLienzo = nullptr;
    if (shpVolador == shpVuela) shpVolador = nullptr;
    DescargarFrmVelocidad();
}

void FrmPrincipal::CrearMenus() {
    auto* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("mnuArchivo"));
    mnuArchNueva = archivo->addAction(QStringLiteral("&Nueva operación"));
    mnuArchNueva->setObjectName(QStringLiteral("mnuArchNueva"));
    mnuArchNueva->setShortcut(QKeySequence(kModificadorAtajo | Qt::Key_N));
    archivo->addSeparator()->setObjectName(QStringLiteral("mnuArchSep"));
    mnuArchSalir = archivo->addAction(QStringLiteral("&Salir"));
    mnuArchSalir->setObjectName(QStringLiteral("mnuArchSalir"));
    mnuArchSalir->setShortcut(QKeySequence(kModificadorAtajo | Qt::Key_X));

    auto* opciones = menuBar()->addMenu(QStringLiteral("&Opciones"));
    opciones->setObjectName(QStringLiteral("mnuOpciones"));
    mnuOpcVelocidad = opciones->addAction(QStringLiteral("&Velocidad"));
    mnuOpcVelocidad->setObjectName(QStringLiteral("mnuOpcVelocidad"));
    mnuOpcVelocidad->setShortcut(QKeySequence(kModificadorAtajo | kTeclaVelocidad));

    auto* ayuda = menuBar()->addMenu(QStringLiteral("&?"));
    ayuda->setObjectName(QStringLiteral("mnuAyuda"));
    mnuAyudaAcerca = ayuda->addAction(QStringLiteral("Acerca de"));
    mnuAyudaAcerca->setObjectName(QStringLiteral("mnuAyudaAcerca"));

    for (QAction* a : {mnuArchNueva, mnuArchSalir, mnuOpcVelocidad, mnuAyudaAcerca})
        a->setShortcutVisibleInContextMenu(true);
    // The items are read by their captions; the menus say what they hold. The last one's title
    // is only a sign, so it is given a word.
    Nombrar(archivo, QStringLiteral("Archivo"),
            QStringLiteral("Empezar una operación nueva o salir del programa"));
    Nombrar(opciones, QStringLiteral("Opciones"),
            QStringLiteral("Elegir con qué rapidez vuelan las celdas"));
    Nombrar(ayuda, QStringLiteral("Ayuda"), QStringLiteral("Quién hizo Zafrelo y qué versión es"));
    Nombrar(menuBar(), QStringLiteral("Barra de menús"),
            QStringLiteral("Los menús Archivo, Opciones y Ayuda"));
    DescribirAccion(mnuArchNueva,
                    QStringLiteral("Vacía las dos fracciones y los cuatro cuadrados"));
    DescribirAccion(mnuArchSalir, QStringLiteral("Cierra Zafrelo"));
    DescribirAccion(mnuOpcVelocidad,
                    QStringLiteral("Abre el diálogo que elige la rapidez de las celdas"));
    DescribirAccion(mnuAyudaAcerca,
                    QStringLiteral("Muestra el nombre del programa, su versión y quién lo hizo"));
    connect(mnuArchNueva, &QAction::triggered, this, [this] { mnuArchNueva_Click(); });
    connect(mnuArchSalir, &QAction::triggered, this, [this] { mnuArchSalir_Click(); });
    connect(mnuOpcVelocidad, &QAction::triggered, this, [this] { mnuOpcVelocidad_Click(); });
    connect(mnuAyudaAcerca, &QAction::triggered, this, [this] { mnuAyudaAcerca_Click(); });
}

void FrmPrincipal::CrearControles() {
    auto cajaDeTexto = [this](const char* nombre, int i, Single x, Single y) {
        auto* caja = new QLineEdit(lienzo_);
        caja->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(nombre)).arg(i));
        caja->setAlignment(Qt::AlignCenter);
        caja->setTextMargins(0, 0, 0, 0);
        UbicarTwips(caja, x, y, 495, 285);
        caja->installEventFilter(this);
        // A box reports its caret the first time it moves, and on the first Tab into an empty box
        // that report came before the focus: screen readers then took the box as already
        // announced and said nothing. Placing the caret now leaves nothing to report then.
        caja->setCursorPosition(0);
        // Enter in any fraction box runs the "=" command, as the window's default button would.
        connect(caja, &QLineEdit::returnPressed, this, [this] { cmdAnimar_Click(); });
        return caja;
    };
    txtNum(1) = cajaDeTexto("txtNum", 1, 360, 1320);
    txtDen(1) = cajaDeTexto("txtDen", 1, 360, 1800);
    txtNum(2) = cajaDeTexto("txtNum", 2, 4920, 1320);
    txtDen(2) = cajaDeTexto("txtDen", 2, 4920, 1800);
    Nombrar(txtNum(1), QStringLiteral("Numerador de la primera fracción"),
            QStringLiteral("Cuántas tiras verticales del primer cuadrado se colorean de verde"));
    Nombrar(txtDen(1), QStringLiteral("Denominador de la primera fracción"),
            QStringLiteral("En cuántas tiras verticales se corta el primer cuadrado"));
    Nombrar(txtNum(2), QStringLiteral("Numerador de la segunda fracción"),
            QStringLiteral("Cuántas tiras horizontales del segundo cuadrado se colorean de rojo"));
    Nombrar(txtDen(2), QStringLiteral("Denominador de la segunda fracción"),
            QStringLiteral("En cuántas tiras horizontales se corta el segundo cuadrado"));
    for (int i = 1; i <= 2; ++i) {
        connect(txtNum(i), &QLineEdit::textChanged, this, [this, i] { txtNum_Change(Integer(i)); });
        connect(txtDen(i), &QLineEdit::textChanged, this, [this, i] { txtDen_Change(Integer(i)); });
    }

    lblOp = new QLabel(QStringLiteral("+"), lienzo_);
    lblOp->setObjectName(QStringLiteral("lblOp"));
    lblOp->setFont(FuenteGrande());
    lblOp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    UbicarTwips(lblOp, 4200, 1440, 375, 375);
    Nombrar(lblOp, QStringLiteral("Más"), QStringLiteral("Las dos fracciones se suman"));

    cmdAnimar = new QPushButton(QStringLiteral("="), lienzo_);
    cmdAnimar->setObjectName(QStringLiteral("cmdAnimar"));
    cmdAnimar->setFont(FuenteGrande());
    cmdAnimar->setDefault(true);
    UbicarTwips(cmdAnimar, 480, 4560, 1215, 810);
    connect(cmdAnimar, &QPushButton::clicked, this, [this] { cmdAnimar_Click(); });
    Nombrar(cmdAnimar, QStringLiteral("Sumar las dos fracciones"),
            QStringLiteral("Cada celda coloreada vuela, una a una, al área del resultado"));

    const Single izquierdaSimpli[] = {120, 4680};
    for (int i = 1; i <= 2; ++i) {
        cmdSimpli(i) = new QPushButton(QStringLiteral("Simplificar"), lienzo_);
        cmdSimpli(i)->setObjectName(QStringLiteral("cmdSimpli(%1)").arg(i));
        UbicarTwips(cmdSimpli(i), izquierdaSimpli[i - 1], 2160, 855, 495);
        connect(cmdSimpli(i), &QPushButton::clicked, this,
                [this, i] { cmdSimpli_Click(Integer(i)); });
        // Outside a dialog a focused button takes only Space; this one takes Enter as well.
        cmdSimpli(i)->setAutoDefault(true);
    }
    Nombrar(cmdSimpli(1), QStringLiteral("Simplificar la primera fracción"),
            QStringLiteral("Divide el numerador y el denominador de la primera fracción por su "
                           "máximo común divisor"));
    Nombrar(cmdSimpli(2), QStringLiteral("Simplificar la segunda fracción"),
            QStringLiteral("Divide el numerador y el denominador de la segunda fracción por su "
                           "máximo común divisor"));

    const Single extremosLin[][2] = {{240, 960}, {4800, 5520}};
    for (int i = 1; i <= 2; ++i) {
        Lin(i) = new ControlLinea(lienzo_);
        Lin(i)->setObjectName(QStringLiteral("Lin(%1)").arg(i));
        Lin(i)->setX1(extremosLin[i - 1][0]);
        Lin(i)->setY1(1680);
        Lin(i)->setX2(extremosLin[i - 1][1]);
        Lin(i)->setY2(1680);
    }
    Nombrar(Lin(1), QStringLiteral("Raya de la primera fracción"),
            QStringLiteral("Separa el numerador del denominador"));
    Nombrar(Lin(2), QStringLiteral("Raya de la segunda fracción"),
            QStringLiteral("Separa el numerador del denominador"));

    shpVuela = new ControlFigura(lienzo_);
    shpVuela->setObjectName(QStringLiteral("shpVuela"));
    shpVuela->Move(0, 0);
    shpVuela->setWidth(1200);
    shpVuela->setHeight(480);
    shpVuela->setVisible(false);
    Nombrar(shpVuela, QStringLiteral("Celda en vuelo"),
            QStringLiteral("La celda coloreada que va camino del resultado"));

    tmr = new ControlTemporizador(this, kIntervaloTemporizadorMs);
    tmr->setObjectName(QStringLiteral("tmr"));
    connect(tmr, &QTimer::timeout, this, [this] { tmr_Timer(); });
}

void FrmPrincipal::OrdenarTabulacion() {
    // The label holds a place in the order but never takes the focus; from the last control the
    // focus wraps to the first.
    lblOp->setFocusPolicy(Qt::NoFocus);
    QWidget* orden[] = {txtNum(1), txtDen(1),    txtNum(2),   txtDen(2),
                        cmdAnimar, cmdSimpli(1), cmdSimpli(2)};
    for (std::size_t k = 0; k + 1 < std::size(orden); ++k)
        setTabOrder(orden[k], orden[k + 1]);
}

Single FrmPrincipal::Width() const {
    return PixelesATwips(frameGeometry().width(), logicalDpiX());
}

Single FrmPrincipal::Height() const {
    return PixelesATwips(frameGeometry().height(), logicalDpiY());
}

QObject* FrmPrincipal::Miembro(const QString& nombre) {
    return findChild<QObject*>(nombre);
}

Integer FrmPrincipal::Divisiones(Long o) {
    Integer d = 1;
    if (Orientacion(1) == o && Den(1) > d) d = Den(1);
    if (Orientacion(2) == o && Den(2) > d) d = Den(2);
    return d;
}

void FrmPrincipal::Form_Load() {
    frmLienzo = this;
    shpVolador = MiembroComo<Figura>(*frmLienzo, QStringLiteral("shpVuela"));
    Orientacion(1) = 1;
    Orientacion(2) = 0;
    Colores(1) = 0x0000FF00;
    Colores(2) = 0x000000FF;
    Colores(3) = 0x00FFFFFF;
    Velocidad = 2;
    SeleccionarVelocidadInicial(Velocidad);
}

void FrmPrincipal::Form_Unload() {
    // The cell in the air vanishes and nothing more lands: the program ends at once.
    AbandonarSuma();
    tmr->setEnabled(false);
    Terminar();
}

bool FrmPrincipal::Animando() const {
    return adicion_->EnCurso();
}

void FrmPrincipal::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    Form_Resize();
}

bool FrmPrincipal::DisposicionVigente() const {
    return QSizeF(Width(), Height()) == tamanoDispuesto_ &&
           QSizeF(lienzo_->PuntosPorPulgadaX(), lienzo_->PuntosPorPulgadaY()) ==
               resolucionDispuesta_;
}

void FrmPrincipal::moveEvent(QMoveEvent* evento) {
    QMainWindow::moveEvent(evento);
    // A window manager adds its frame after the window is shown, which changes the outer size the
    // layout is made from without resizing the client area; a move to a screen of another scale
    // changes the picture's pixels.
    if (isVisible() && !DisposicionVigente()) Form_Resize();
}

void FrmPrincipal::closeEvent(QCloseEvent* evento) {
    evento->accept();
    Form_Unload();
}

bool FrmPrincipal::DebeIrAlMenu(const QKeyEvent& tecla) const {
    const QKeyCombination combinacion = tecla.keyCombination();
    return combinacion == QKeyCombination(kModificadorAtajo, Qt::Key_X) ||
           combinacion == QKeyCombination(kModificadorAtajo, kTeclaVelocidad);
}

bool FrmPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    // A fraction box would take Ctrl+X and Ctrl+V for cut and paste; here they are the shortcuts of
    // Salir and Velocidad, so the box never sees them and the menu's shortcut runs.
    if ((evento->type() == QEvent::ShortcutOverride || evento->type() == QEvent::KeyPress) &&
        DebeIrAlMenu(*static_cast<QKeyEvent*>(evento)))
        return true;
    return QMainWindow::eventFilter(objeto, evento);
}
