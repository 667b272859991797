#include "ayuda_pruebas.h"
#include "main_window/lectura_numeros.h"
#include "texto_aleatorio.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

// A pupil who does anything, in any order, on the real main window: types any text into the boxes,
// simplifies, adds, clears, changes the speed, resizes from tiny to huge, and does all of it in the
// middle of a flight too. After every action the window must still hold its invariants.
//
// ZAFRELO_SEMILLA, ZAFRELO_SECUENCIAS and ZAFRELO_ACCIONES choose the seed and how much is played;
// each sequence is a data row with a generator of its own, so that "secuencias:sequence 17" on the
// command line plays that one again. ZAFRELO_DETALLE prints every action with the time it took.

namespace {

constexpr qint64 kAccionMaximaMs = 20000; // one action longer than this is a hang
constexpr int kVigiaSegundos = 40;        // one that never returns is ended here

// Ends the process with the action under way when the event loop stops coming back at all: a hang
// inside a handler that never returns to the test cannot be caught by a check after it.
class Vigia {
  public:
    Vigia() : hilo_([this] { Vigilar(); }) {}
    ~Vigia() {
        {
            std::lock_guard<std::mutex> cerrojo(mutex_);
            fin_ = true;
        }
        cv_.notify_all();
        hilo_.join();
    }
    void Empezar(const QString& accion) {
        std::lock_guard<std::mutex> cerrojo(mutex_);
        accion_ = accion.toUtf8();
        inicio_ = std::chrono::steady_clock::now();
        activo_ = true;
    }
    void Terminar() {
        std::lock_guard<std::mutex> cerrojo(mutex_);
        activo_ = false;
    }

  private:
    void Vigilar() {
        std::unique_lock<std::mutex> cerrojo(mutex_);
        while (!fin_) {
            cv_.wait_for(cerrojo, std::chrono::seconds(1));
            if (activo_ &&
                std::chrono::steady_clock::now() - inicio_ > std::chrono::seconds(kVigiaSegundos)) {
                std::fprintf(stderr, "HANG: still running after %d s: %s\n", kVigiaSegundos,
                             accion_.constData());
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable cv_;
    bool fin_ = false;
    bool activo_ = false;
    QByteArray accion_;
    std::chrono::steady_clock::time_point inicio_;
    std::thread hilo_;
};

quint64 NumeroDelEntorno(const char* nombre, quint64 porDefecto) {
    bool ok = false;
    const quint64 v = qEnvironmentVariable(nombre).toULongLong(&ok);
    return ok ? v : porDefecto;
}

QString Cita(const QString& texto) {
    if (texto.size() <= 40) return QLatin1Char('"') + texto + QLatin1Char('"');
    return QStringLiteral("\"%1…\" (%2 chars)").arg(texto.left(24)).arg(texto.size());
}

// The program never waits for a message box; the pupil answers it (the guardian) soon after.
void EsperarRespuestas() {
    (void)QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 2000);
    QCoreApplication::processEvents();
}

struct Cuentas {
    long long secuencias = 0;
    long long acciones = 0;
    long long accionesEnVuelo = 0;
    long long sumasEnVuelo = 0;
    long long mensajes = 0;
    long long dialogos = 0;
    long long dibujos = 0;
    QSize mayorVentana;
};

} // namespace

class TestAlumnoAleatorio : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void secuencias_data();
    void secuencias();
    void cleanup();
    void cleanupTestCase();

  private:
    using Accion = std::function<QString()>;

    // Picks one action at random; in flight the ones that make no sense there are left out.
    Accion ElegirAccion(bool enVuelo);
    QString Escribir();
    QString Teclear();
    QString Pegar();
    QString FraccionSencilla();
    QString Simplificar();
    QString Sumar(bool conEnter);
    QString SumarVolando();
    QString Nueva();
    QString VelocidadDirecta(bool enVuelo);
    QString VelocidadPorDialogo(bool enVuelo);
    QString Redimensionar();
    QString AcercaDe();

    QLineEdit* CajaAlAzar(QString& nombre);
    // What must hold after every action; empty when it does.
    QString Invariantes() const;
    QString ResultadoDibujado();

    quint64 semilla_ = 0;
    Azar azar_;
    std::unique_ptr<FrmPrincipal> ventana_;
    std::unique_ptr<Vigia> vigia_;
    QTimer guardian_;
    Cuentas cuentas_;
    // The first fault an action saw where it could not fail the test itself (in flight, in a
    // dialog).
    QString fallo_;
};

void TestAlumnoAleatorio::initTestCase() {
    semilla_ = NumeroDelEntorno("ZAFRELO_SEMILLA", 7771);
    qInfo("seed %llu (set ZAFRELO_SEMILLA to replay)", static_cast<unsigned long long>(semilla_));
    // Message boxes (a sum too large to draw, the About box) are answered as a pupil would.
    connect(&guardian_, &QTimer::timeout, this, [this] {
        if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++cuentas_.mensajes;
            caja->button(QMessageBox::Ok)->click();
        }
    });
    guardian_.start(10);
    vigia_ = std::make_unique<Vigia>();
}

void TestAlumnoAleatorio::cleanupTestCase() {
    guardian_.stop();
    vigia_.reset();
    qInfo("played %lld sequences, %lld actions (%lld more in the middle of %lld flying additions); "
          "%lld message boxes and %lld speed dialogs answered; %lld finished pictures checked; "
          "largest window %dx%d px",
          cuentas_.secuencias, cuentas_.acciones, cuentas_.accionesEnVuelo, cuentas_.sumasEnVuelo,
          cuentas_.mensajes, cuentas_.dialogos, cuentas_.dibujos, cuentas_.mayorVentana.width(),
          cuentas_.mayorVentana.height());
}

void TestAlumnoAleatorio::secuencias_data() {
    QTest::addColumn<int>("secuencia");
    const int cuantas = int(NumeroDelEntorno("ZAFRELO_SECUENCIAS", 6));
    for (int s = 0; s < cuantas; ++s)
        QTest::addRow("sequence %d", s) << s;
}

void TestAlumnoAleatorio::secuencias() {
    QFETCH(int, secuencia);
    const int numAcciones = int(NumeroDelEntorno("ZAFRELO_ACCIONES", 80));
    const bool detalle = qEnvironmentVariableIsSet("ZAFRELO_DETALLE");
    // Each sequence has its own generator, so that one of them can be played again alone.
    std::seed_seq germen{quint32(semilla_), quint32(semilla_ >> 32), quint32(secuencia)};
    azar_.seed(germen);
    ventana_ = NuevaVentana();
    QVERIFY(ventana_->isVisible());
    ++cuentas_.secuencias;

    for (int a = 0; a < numAcciones; ++a) {
        const QString donde =
            QStringLiteral("seed %1, sequence %2, action %3").arg(semilla_).arg(secuencia).arg(a);
        const Accion accion = ElegirAccion(false);
        vigia_->Empezar(donde);
        QElapsedTimer reloj;
        reloj.start();
        const QString hecho = accion();
        EsperarRespuestas();
        const qint64 ms = reloj.elapsed();
        vigia_->Terminar();
        ++cuentas_.acciones;
        const QString contexto = donde + QStringLiteral(" (") + hecho + QStringLiteral(")");
        if (detalle) qInfo("%s: %lld ms", qPrintable(contexto), ms);
        QVERIFY2(ms < kAccionMaximaMs,
                 qPrintable(QStringLiteral("took %1 ms: %2").arg(ms).arg(contexto)));
        QVERIFY2(fallo_.isEmpty(), qPrintable(fallo_ + QStringLiteral(": ") + contexto));
        const QString fallo = Invariantes();
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo + QStringLiteral(": ") + contexto));
        QVERIFY2(!QApplication::activeModalWidget(),
                 qPrintable(QStringLiteral("a modal window is still open: ") + contexto));
    }
}

void TestAlumnoAleatorio::cleanup() {
    ventana_.reset();
    fallo_.clear();
}

QString TestAlumnoAleatorio::Invariantes() const {
    if (Velocidad > 4) return QStringLiteral("Velocidad = %1").arg(Velocidad);
    if (Filas < 0 || Columnas < 0)
        return QStringLiteral("Filas = %1, Columnas = %2").arg(Filas).arg(Columnas);
    for (int i = 1; i <= 2; ++i) {
        if (Den(i) < 0) return QStringLiteral("Den(%1) = %2").arg(i).arg(Den(i));
        // Each stored value follows its box's text, whatever changed it.
        const NumeroLeido n = LeerNumero(ventana_->txtNum(i)->text());
        if (Num(i) != (n.numerico ? n.entero : 0))
            return QStringLiteral("Num(%1) = %2 for the text %3")
                .arg(i)
                .arg(Num(i))
                .arg(Cita(ventana_->txtNum(i)->text()));
        const NumeroLeido d = LeerNumero(ventana_->txtDen(i)->text());
        if ((!d.numerico && Den(i) != 0) || (d.numerico && d.positivo && Den(i) != d.entero))
            return QStringLiteral("Den(%1) = %2 for the text %3")
                .arg(i)
                .arg(Den(i))
                .arg(Cita(ventana_->txtDen(i)->text()));
    }
    // The flying cell shows exactly while its flight waits, and the timer runs only then.
    if (ventana_->tmr->isActive() == ventana_->shpVuela->isHidden())
        return QStringLiteral("timer %1 but flying cell %2")
            .arg(ventana_->tmr->isActive() ? QStringLiteral("running") : QStringLiteral("stopped"),
                 ventana_->shpVuela->isHidden() ? QStringLiteral("hidden")
                                                : QStringLiteral("shown"));
    if (ventana_->Animando() && !(AnchoCelda > 0 && AltoCelda > 0))
        return QStringLiteral("cell size %1 x %2 during an addition")
            .arg(AnchoCelda)
            .arg(AltoCelda);
    if (!ventana_->Animando()) {
        if (AnchoCelda != 0 || AltoCelda != 0)
            return QStringLiteral("cell size %1 x %2 with no addition running")
                .arg(AnchoCelda)
                .arg(AltoCelda);
        if (ventana_->tmr->isActive()) return QStringLiteral("timer running with no addition");
        if (!ventana_->shpVuela->isHidden())
            return QStringLiteral("flying cell shown with no addition");
    }
    return {};
}

TestAlumnoAleatorio::Accion TestAlumnoAleatorio::ElegirAccion(bool enVuelo) {
    struct Opcion {
        int peso;
        bool enVuelo;
        Accion accion;
    };
    const Opcion opciones[] = {
        {22, true, [this] { return Escribir(); }},
        {14, true, [this] { return Teclear(); }},
        {3, true, [this] { return Pegar(); }},
        {14, true, [this] { return FraccionSencilla(); }},
        {10, true, [this] { return Simplificar(); }},
        {9, true, [this] { return Sumar(false); }},
        {4, true, [this] { return Sumar(true); }},
        {3, false, [this] { return SumarVolando(); }},
        {4, true, [this] { return Nueva(); }},
        {4, true, [this, enVuelo] { return VelocidadDirecta(enVuelo); }},
        {2, true, [this, enVuelo] { return VelocidadPorDialogo(enVuelo); }},
        {10, true, [this] { return Redimensionar(); }},
        {1, true, [this] { return AcercaDe(); }},
    };
    int total = 0;
    for (const Opcion& o : opciones)
        if (o.enVuelo || !enVuelo) total += o.peso;
    int r = Entre(azar_, 0, total - 1);
    for (const Opcion& o : opciones) {
        if (enVuelo && !o.enVuelo) continue;
        if (r < o.peso) return o.accion;
        r -= o.peso;
    }
    return opciones[0].accion;
}

QLineEdit* TestAlumnoAleatorio::CajaAlAzar(QString& nombre) {
    const int i = Entre(azar_, 1, 2);
    const bool numerador = Suerte(azar_, 50);
    nombre = QStringLiteral("%1(%2)")
                 .arg(numerador ? QStringLiteral("txtNum") : QStringLiteral("txtDen"))
                 .arg(i);
    return numerador ? ventana_->txtNum(i) : ventana_->txtDen(i);
}

QString TestAlumnoAleatorio::Escribir() {
    QString nombre;
    QLineEdit* caja = CajaAlAzar(nombre);
    const QString texto = TextoAleatorio(azar_);
    caja->setText(texto);
    return QStringLiteral("set %1 to %2").arg(nombre, Cita(texto));
}

QString TestAlumnoAleatorio::Teclear() {
    QString nombre;
    QLineEdit* caja = CajaAlAzar(nombre);
    QString hecho = QStringLiteral("type into %1:").arg(nombre);
    if (Suerte(azar_, 40)) {
        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier); // select all, to type over it
        hecho += QStringLiteral(" Ctrl+A");
    }
    if (Suerte(azar_, 20)) {
        const Qt::Key teclas[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                  Qt::Key_Left};
        const Qt::Key tecla = Elegir(azar_, teclas);
        QTest::keyClick(caja, tecla);
        hecho += QStringLiteral(" key %1").arg(int(tecla), 0, 16);
    }
    const QString texto = TextoAleatorio(azar_).left(12);
    for (QChar c : texto) {
        // Key clicks carry printable ASCII only (a typed line feed would be Enter); everything else
        // comes as text with no key of its own.
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            QTest::keyClick(caja, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return hecho + QStringLiteral(" ") + Cita(texto);
}

QString TestAlumnoAleatorio::Pegar() {
    QString nombre;
    QLineEdit* caja = CajaAlAzar(nombre);
    const int largo = Entre(azar_, 2000, 40000);
    QString texto;
    while (texto.size() < largo)
        texto += TextoAleatorio(azar_) + TramoDeDigitos(azar_);
    caja->setText(texto);
    return QStringLiteral("paste into %1 %2").arg(nombre, Cita(texto));
}

// A small fraction a pupil would really type, so that additions have cells to fly.
QString TestAlumnoAleatorio::FraccionSencilla() {
    const int i = Entre(azar_, 1, 2);
    const QString n = QString::number(Entre(azar_, Suerte(azar_, 10) ? -3 : 0, 9));
    const QString d =
        QString::number(Suerte(azar_, 90) ? Entre(azar_, 1, 12) : Entre(azar_, 13, 200));
    ventana_->txtNum(i)->setText(n);
    ventana_->txtDen(i)->setText(d);
    return QStringLiteral("fraction %1 = %2/%3").arg(i).arg(n, d);
}

QString TestAlumnoAleatorio::Simplificar() {
    const int i = Entre(azar_, 1, 2);
    QTest::mouseClick(ventana_->cmdSimpli(i), Qt::LeftButton);
    return QStringLiteral("Simplificar %1 on %2/%3").arg(i).arg(Num(i)).arg(Den(i));
}

QString TestAlumnoAleatorio::Sumar(bool conEnter) {
    // Outside the few flying runs additions are immediate, or the sequences would take hours.
    const bool sola = !ventana_->Animando();
    if (sola) Velocidad = 4;
    const long long mensajes = cuentas_.mensajes;
    const QString que =
        QStringLiteral("%1/%2 + %3/%4").arg(Num(1)).arg(Den(1)).arg(Num(2)).arg(Den(2));
    QString hecho = QStringLiteral("\"=\" for ") + que;
    if (conEnter) {
        QString nombre;
        QLineEdit* caja = CajaAlAzar(nombre);
        QTest::keyClick(caja, Qt::Key_Return);
        hecho = QStringLiteral("Enter in %1 for %2").arg(nombre, que);
    } else {
        QTest::mouseClick(ventana_->cmdAnimar, Qt::LeftButton);
    }
    if (sola) EsperarRespuestas();
    // A run refused with a message left the picture as it was.
    if (sola && mensajes == cuentas_.mensajes && fallo_.isEmpty()) fallo_ = ResultadoDibujado();
    return hecho;
}

// The finished result of a run with both fractions proper: its cells in the order of their
// ordinals, green for the first fraction's, red for the second's, then white. Read low in each
// cell, right of centre, clear of its printed number, where cells are large enough for that.
QString TestAlumnoAleatorio::ResultadoDibujado() {
    for (int i = 1; i <= 2; ++i)
        if (Den(i) <= 0 || Num(i) < 0 || Num(i) > Den(i)) return {};
    const Single ancho = Lado / Single(Columnas), alto = Lado / Single(Filas);
    if (Lado <= 0 || TwipsAPixeles(std::min(ancho, alto), ventana_->logicalDpiX()) < 32) return {};
    ++cuentas_.dibujos;
    const int verdes = Num(1) * Filas, coloreadas = verdes + Num(2) * Columnas;
    for (int n = 1; n <= 2 * Filas * Columnas; ++n) {
        const int c = (n - 1) / Filas, f = (n - 1) % Filas;
        const Long color =
            ColorEn(*ventana_, PosX(c < Columnas ? 3 : 4) + (c % Columnas + 0.75f) * ancho,
                    PosY(3) + (Filas - f - 0.25f) * alto);
        const Long esperado = n <= verdes ? kVerde : n <= coloreadas ? kRojo : kBlanco;
        if (color != esperado)
            return QStringLiteral("result cell %1 is %2, not %3")
                .arg(n)
                .arg(color, 6, 16)
                .arg(esperado, 6, 16);
    }
    return {};
}

QString TestAlumnoAleatorio::SumarVolando() {
    // Cells fly at the fast speed while other actions are played at random moments; then the speed
    // is set to immediate so that whatever the pupil typed meanwhile ends in a bounded time.
    constexpr int kUltimaAccionMs = 500;
    QString antes;
    if (Suerte(azar_, 75)) {
        // Most flying runs get fractions with cells to fly, and room to fly them, so that the pupil
        // has time to act.
        if (Lado <= 0) ventana_->resize(600, 450);
        for (int i = 1; i <= 2; ++i) {
            ventana_->txtNum(i)->setText(QString::number(Entre(azar_, 1, 4)));
            ventana_->txtDen(i)->setText(QString::number(Entre(azar_, 1, 6)));
        }
        antes = QStringLiteral("typed, then ");
    }
    Velocidad = 3;
    QObject contexto;
    const int cuantas = Entre(azar_, 1, 4);
    QStringList hechas;
    for (int k = 0; k < cuantas; ++k) {
        const Accion accion = ElegirAccion(true);
        const int ms = Suerte(azar_, 70) ? Entre(azar_, 0, kUltimaAccionMs / 2)
                                         : Entre(azar_, 0, kUltimaAccionMs);
        QTimer::singleShot(ms, &contexto, [this, accion, &hechas] {
            hechas << accion();
            ++cuentas_.accionesEnVuelo;
            if (fallo_.isEmpty()) {
                const QString fallo = Invariantes();
                if (!fallo.isEmpty())
                    fallo_ = fallo + QStringLiteral(" after in-flight ") + hechas.last();
            }
        });
    }
    QTimer inmediato;
    inmediato.setInterval(50);
    connect(&inmediato, &QTimer::timeout, &contexto, [] { Velocidad = 4; });
    QTimer::singleShot(kUltimaAccionMs + 50, &contexto, [&inmediato] {
        Velocidad = 4;
        inmediato.start();
    });
    const QString que =
        QStringLiteral("%1/%2 + %3/%4").arg(Num(1)).arg(Den(1)).arg(Num(2)).arg(Den(2));
    ++cuentas_.sumasEnVuelo;
    QTest::mouseClick(ventana_->cmdAnimar, Qt::LeftButton);
    EsperarSuma(*ventana_, int(kAccionMaximaMs));
    return antes + QStringLiteral("flying \"=\" for %1, meanwhile: %2")
                       .arg(que, hechas.join(QStringLiteral("; ")));
}

QString TestAlumnoAleatorio::Nueva() {
    ventana_->mnuArchNueva->trigger();
    return QStringLiteral("Nueva operación");
}

QString TestAlumnoAleatorio::VelocidadDirecta(bool enVuelo) {
    // In flight only the fast speeds, so that a flight started meanwhile stays short.
    Velocidad = Byte(enVuelo ? Entre(azar_, 3, 4) : Entre(azar_, 0, 4));
    return QStringLiteral("Velocidad = %1").arg(Velocidad);
}

QString TestAlumnoAleatorio::VelocidadPorDialogo(bool enVuelo) {
    const int opcion = enVuelo ? Entre(azar_, 3, 4) : Entre(azar_, 0, 4);
    const bool aceptar = Suerte(azar_, 70);
    const Byte antes = Velocidad;
    bool visto = false;
    const auto responder = [&visto, opcion, aceptar](QWidget* modal) {
        auto* dialogo = qobject_cast<FrmVelocidad*>(modal);
        if (!dialogo) return;
        visto = true;
        QTest::mouseClick(dialogo->optVelocidad(opcion), Qt::LeftButton);
        QTest::mouseClick(aceptar ? dialogo->cmdAceptar : dialogo->CancelButton, Qt::LeftButton);
    };
    ventana_->mnuOpcVelocidad->trigger();
    responder(ModalAbierto());
    ++cuentas_.dialogos;
    const QString hecho =
        QStringLiteral("speed dialog: option %1, %2")
            .arg(opcion)
            .arg(aceptar ? QStringLiteral("Aceptar") : QStringLiteral("Cancelar"));
    // In flight another dialog may already stand open; only a dialog of its own must behave.
    if (!enVuelo) {
        if (!visto)
            fallo_ = QStringLiteral("the speed dialog did not open");
        else if (Velocidad != (aceptar ? opcion : antes))
            fallo_ = QStringLiteral("Velocidad %1 after the dialog").arg(Velocidad);
    }
    return hecho;
}

QString TestAlumnoAleatorio::Redimensionar() {
    QSize tamano;
    const int r = Entre(azar_, 0, 99);
    if (r < 30)
        tamano = QSize(Entre(azar_, 60, 400), Entre(azar_, 40, 300));
    else if (r < 70)
        tamano = QSize(Entre(azar_, 400, 1400), Entre(azar_, 300, 1000));
    else
        tamano = QSize(Entre(azar_, 1400, 5000), Entre(azar_, 1000, 5000));
    ventana_->resize(tamano);
    QCoreApplication::processEvents();
    cuentas_.mayorVentana = cuentas_.mayorVentana.expandedTo(ventana_->size());
    return QStringLiteral("resize to %1x%2 (got %3x%4, Lado %5)")
        .arg(tamano.width())
        .arg(tamano.height())
        .arg(ventana_->width())
        .arg(ventana_->height())
        .arg(Lado);
}

QString TestAlumnoAleatorio::AcercaDe() {
    ventana_->mnuAyudaAcerca->trigger();
    return QStringLiteral("Acerca de");
}

QTEST_MAIN(TestAlumnoAleatorio)
#include "test_alumno_aleatorio.moc"
