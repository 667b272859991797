#include "drawing/geometria.h"
#include "main_window/disposicion.h"
#include "main_window/frm_principal.h"
#include "shell/estado.h"
#include "shell/twips.h"

#include <QTest>

#include <cmath>

// Geometry of the squares, the common grid and the resize layout, from the shared state alone.
class TestGeometria : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void colocacionDeCuadrados();
    void celdasDelEjemplo();
    void empatesAlPar();
    void sinDenominadores();
    void divisiones_data();
    void divisiones();
    void disposicion_data();
    void disposicion();
    void ventanaDemasiadoGrande();
    void coordenadasFueraDeRango();
};

void TestGeometria::init() {
    BorrarEstado();
    Orientacion(1) = 1;
    Orientacion(2) = 0;
}

void TestGeometria::colocacionDeCuadrados() {
    Lado = 1800;
    ColocarCuadrados();
    QCOMPARE(PosX(1), 1080.0f);
    QCOMPARE(PosX(2), 4540.0f);
    QCOMPARE(PosX(3), 2350.0f);
    QCOMPARE(PosX(4), 4250.0f);
    QCOMPARE(PosY(1), 60.0f);
    QCOMPARE(PosY(2), 60.0f);
    QCOMPARE(PosY(3), 2180.0f);
    QCOMPARE(PosY(4), 2180.0f);
    Lado = -372; // a window too small: the formulas as they stand
    ColocarCuadrados();
    QCOMPARE(PosX(2), 2368.0f);
    QCOMPARE(PosY(3), 8.0f);
    QCOMPARE(PosX(4), 2078.0f);
}

void TestGeometria::celdasDelEjemplo() {
    Lado = 1800;
    ColocarCuadrados();
    Den(1) = 2;
    Den(2) = 3;
    Columnas = FrmPrincipal::Divisiones(1);
    Filas = FrmPrincipal::Divisiones(0);
    QCOMPARE(int(Columnas), 2);
    QCOMPARE(int(Filas), 3);
    AnchoCelda = Lado / Columnas;
    AltoCelda = Lado / Filas;
    QCOMPARE(AnchoCelda, 900.0f);
    QCOMPARE(AltoCelda, 600.0f);
    const int xs[] = {2350, 3250, 4250, 5150};
    for (int c = 1; c <= 4; ++c)
        QCOMPARE(int(ColumnaX(Integer(c))), xs[c - 1]);
    const int ys[] = {3380, 2780, 2180};
    for (int f = 1; f <= 3; ++f)
        QCOMPARE(int(FilaY(Integer(f))), ys[f - 1]);
    QCOMPARE(int(*OrdinalCelda(1, 1)), 1);
    QCOMPARE(int(*OrdinalCelda(2, 3)), 6);
    QCOMPARE(int(*OrdinalCelda(3, 1)), 7);
    const Esquina a = EsquinaCeldaOperando(1, 1, 2);
    QCOMPARE(a.x, 1080.0f);
    QCOMPARE(a.y, 660.0f);
    const Esquina b = EsquinaCeldaOperando(2, 2, 1);
    QCOMPARE(b.x, 5440.0f);
    QCOMPARE(b.y, 1260.0f);
}

void TestGeometria::empatesAlPar() {
    Lado = 1001;
    ColocarCuadrados();
    Columnas = 2;
    AnchoCelda = Lado / 2;
    QCOMPARE(AnchoCelda, 500.5f);
    QCOMPARE(PosX(4), 3451.0f);
    QCOMPARE(int(ColumnaX(2)), 2850); // 2850.5
    QCOMPARE(int(ColumnaX(4)), 3952); // 3951.5
    QCOMPARE(int(ColumnaX(3)), 3451); // column Columnas + 1 starts square 4
}

void TestGeometria::sinDenominadores() {
    Lado = 1800;
    ColocarCuadrados();
    QCOMPARE(int(FrmPrincipal::Divisiones(0)), 1);
    QCOMPARE(int(FrmPrincipal::Divisiones(1)), 1);
    AnchoCelda = Lado;
    AltoCelda = Lado;
    // Columnas = Filas = 0: every column is one of square 4, row 1 one cell above the result.
    QCOMPARE(Single(ColumnaX(1)), PosX(4));
    QCOMPARE(Single(FilaY(1)), PosY(3) - AltoCelda);
    AnchoCelda = AltoCelda = 0;
    QCOMPARE(Single(ColumnaX(9)), PosX(4));
    QCOMPARE(Single(FilaY(9)), PosY(3));
}

void TestGeometria::divisiones_data() {
    QTest::addColumn<int>("den1");
    QTest::addColumn<int>("den2");
    QTest::addColumn<int>("filas");
    QTest::addColumn<int>("columnas");
    QTest::newRow("0,0") << 0 << 0 << 1 << 1;
    QTest::newRow("1,5") << 1 << 5 << 5 << 1;
    QTest::newRow("4,4") << 4 << 4 << 4 << 4;
    QTest::newRow("32767,1") << 32767 << 1 << 1 << 32767;
}

void TestGeometria::divisiones() {
    QFETCH(int, den1);
    QFETCH(int, den2);
    Den(1) = Integer(den1);
    Den(2) = Integer(den2);
    QTEST(int(FrmPrincipal::Divisiones(0)), "filas");
    QTEST(int(FrmPrincipal::Divisiones(1)), "columnas");
}

void TestGeometria::disposicion_data() {
    QTest::addColumn<float>("ancho");
    QTest::addColumn<float>("alto");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<float>("lado");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("r");
    QTest::newRow("9000x7300") << 9000.f << 7300.f << 3000 << 3000 << 3000.f << 1240 << 4320;
    QTest::newRow("7000x9000") << 7000.f << 9000.f << 2000 << 3850 << 2000.f << 740 << 3320;
    QTest::newRow("2400x555 too small") << 2400.f << 555.f << -300 << -372 << -372.f << -446 << 948;
    QTest::newRow("height 7301 tie down")
        << 9000.f << 7301.f << 3000 << 3000 << 3000.f << 1240 << 4320;
    QTest::newRow("height 7303 tie up")
        << 9000.f << 7303.f << 3000 << 3002 << 3000.f << 1240 << 4320;
    // Lado 2959 and 2957: T from 1219.5 and 1218.5.
    QTest::newRow("Lado 2959") << 8918.f << 9000.f << 2959 << 3850 << 2959.f << 1220 << 4279;
    QTest::newRow("Lado 2957") << 8914.f << 9000.f << 2957 << 3850 << 2957.f << 1218 << 4277;
}

void TestGeometria::disposicion() {
    QFETCH(float, ancho);
    QFETCH(float, alto);
    const Disposicion d = CalcularDisposicion(ancho, alto);
    QTEST(int(d.A), "a");
    QTEST(int(d.B), "b");
    QTEST(d.Lado, "lado");
    QTEST(int(d.T), "t");
    QTEST(int(d.R), "r");
    QCOMPARE(d.ArribaAnimar, d.Lado * 1.5f);
}

// Past the 16-bit layout the side stops at 30127, where R + 1320 is exactly 32767.
void TestGeometria::ventanaDemasiadoGrande() {
    Disposicion d = CalcularDisposicion(63254, 61554); // A = B = 30127
    QCOMPARE(d.Lado, 30127.0f);
    QCOMPARE(d.R + 1320, 32767);
    d = CalcularDisposicion(70000, 70000); // halves beyond 16 bits
    QCOMPARE(int(d.A), 32767);
    QCOMPARE(d.Lado, 30127.0f);
    QCOMPARE(int(d.T), 14804); // 15063.5 - 260 = 14803.5 -> 14804
    d = CalcularDisposicion(1e9f, 1e9f);
    QCOMPARE(d.Lado, 30127.0f);
    d = CalcularDisposicion(0, 0);
    QCOMPARE(d.Lado, -1500.0f);
}

// A corner far right of square 4 is held at the 16-bit limit instead of wrapping.
void TestGeometria::coordenadasFueraDeRango() {
    Lado = 3000;
    ColocarCuadrados();
    Columnas = 1;
    Filas = 1;
    AnchoCelda = 3000;
    AltoCelda = 3000;
    QCOMPARE(int(ColumnaX(100)), 32767);
    QCOMPARE(int(ColumnaX(-32768)), -32768);
    QVERIFY(!OrdinalCelda(32767, 2));
    Filas = 32767;
    QCOMPARE(int(FilaY(-32768)), 32767);
    volatile double nan = std::nan(""); // twips to pixels is defined for NaN too
    QCOMPARE(TwipsAPixeles(nan, 96), 0);
}

QTEST_MAIN(TestGeometria)
#include "test_geometria.moc"
