// Closing the main window while a cell is flying ends the process at once (well under a second),
// with status 0. The test
// runs itself as a second process (argument --hijo) that starts 1/2 + 1/3 at the initial speed and
// closes its window during the first flight.

#include "ayuda_pruebas.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

#include <cstdio>

namespace {

const QString kHijo = QStringLiteral("--hijo");

// The child: the program's own window and event loop, closed mid-flight by the close box or by
// Archivo ▸ Salir. Once the loop has returned it reports how many cells of the result landed, and
// how long the loop took to return after the close.
int Hijo(const QString& como) {
    FrmPrincipal ventana;
    QElapsedTimer desdeElCierre;
    ventana.show();
    ventana.txtNum(1)->setText(QStringLiteral("1"));
    ventana.txtDen(1)->setText(QStringLiteral("2"));
    ventana.txtNum(2)->setText(QStringLiteral("1"));
    ventana.txtDen(2)->setText(QStringLiteral("3"));
    QObject::connect(
        ventana.tmr, &QTimer::timeout, &ventana,
        [&ventana, &desdeElCierre, como] {
            QTimer::singleShot(0, &ventana, [&ventana, &desdeElCierre, como] {
                desdeElCierre.start();
                if (como == QLatin1String("salir"))
                    ventana.mnuArchSalir->trigger();
                else
                    ventana.close();
            });
        },
        Qt::SingleShotConnection);
    QTimer::singleShot(0, ventana.cmdAnimar, &QPushButton::click);
    const int estado = QApplication::exec();

    // The centres of the six cells of square 3, two columns by three rows.
    int coloreadas = 0;
    for (int c = 0; c < 2; ++c)
        for (int f = 0; f < 3; ++f)
            if (ColorEn(ventana, PosX(3) + Lado * (2 * c + 1) / 4,
                        PosY(3) + Lado * (2 * f + 1) / 6) != kBlanco)
                ++coloreadas;
    std::fputs(qPrintable(QStringLiteral("coloreadas %1 en %2 ms\n")
                              .arg(coloreadas)
                              .arg(desdeElCierre.elapsed())),
               stdout);
    std::fflush(stdout);
    return estado;
}

} // namespace

class TestCierre : public QObject {
    Q_OBJECT
  private slots:
    void cerrarEnVuelo_data();
    void cerrarEnVuelo();
};

void TestCierre::cerrarEnVuelo_data() {
    QTest::addColumn<QString>("como");
    QTest::newRow("close box") << "cerrar";
    QTest::newRow("Archivo, Salir") << "salir";
}

void TestCierre::cerrarEnVuelo() {
    QFETCH(QString, como);
    QProcess hijo;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    hijo.setProcessEnvironment(entorno);
    hijo.setProcessChannelMode(QProcess::SeparateChannels);
    hijo.start(QCoreApplication::applicationFilePath(), {kHijo, como});
    QVERIFY(hijo.waitForStarted());
    if (!hijo.waitForFinished(60000)) {
        hijo.kill();
        hijo.waitForFinished();
        QFAIL("the closed program kept running");
    }
    QCOMPARE(hijo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(hijo.exitCode(), 0);
    // The first cell never landed: nothing of the addition ran after the close.
    const QStringList salida =
        QString::fromLocal8Bit(hijo.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
    QCOMPARE(salida.size(), 5);
    QCOMPARE(salida[0] + QLatin1Char(' ') + salida[1], QStringLiteral("coloreadas 0"));
    // A few milliseconds on an idle machine; a second leaves room for a loaded one.
    QVERIFY2(salida[3].toInt() < 1000, qPrintable(salida.join(QLatin1Char(' '))));
}

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    if (argc >= 2 && QString::fromLocal8Bit(argv[1]) == kHijo)
        return Hijo(argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString());
    TestCierre prueba;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prueba, argc, argv);
}

#include "test_cierre.moc"
