#include "arithmetic/aritmetica.h"

#include <QTest>

class TestAritmetica : public QObject {
    Q_OBJECT
  private slots:
    void mcd_data();
    void mcd();
    void reducir_data();
    void reducir();
    void mcdDeTodosLosParesPequenos();
};

void TestAritmetica::mcd_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("esperado");
    QTest::newRow("12,18") << 12 << 18 << 6;
    QTest::newRow("8,12") << 8 << 12 << 4;
    QTest::newRow("9,6") << 9 << 6 << 3;
    QTest::newRow("7,7") << 7 << 7 << 7;
    QTest::newRow("0,5") << 0 << 5 << 1;
    QTest::newRow("5,0") << 5 << 0 << 1;
    QTest::newRow("1,9") << 1 << 9 << 1;
    QTest::newRow("-4,6") << -4 << 6 << 1;
    QTest::newRow("4,-6") << 4 << -6 << 1;
    QTest::newRow("-32768,-32768") << -32768 << -32768 << 1;
    QTest::newRow("32767,32767") << 32767 << 32767 << 32767;
    QTest::newRow("32767,32766 full search") << 32767 << 32766 << 1;
    QTest::newRow("32766,16383") << 32766 << 16383 << 16383;
    QTest::newRow("odd composite 45,75") << 45 << 75 << 15;
    QTest::newRow("power of two 1024,4096") << 1024 << 4096 << 1024;
}

void TestAritmetica::mcd() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, esperado);
    QCOMPARE(int(MCD(std::int16_t(a), std::int16_t(b))), esperado);
}

void TestAritmetica::reducir_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("nr");
    QTest::addColumn<int>("dr");
    QTest::newRow("12/18") << 12 << 18 << 2 << 3;
    QTest::newRow("7/7") << 7 << 7 << 1 << 1;
    QTest::newRow("6/4 improper") << 6 << 4 << 3 << 2;
    QTest::newRow("0/5") << 0 << 5 << 0 << 5;
    QTest::newRow("5/0") << 5 << 0 << 5 << 0;
    QTest::newRow("1/9") << 1 << 9 << 1 << 9;
    QTest::newRow("-4/6 never reduced") << -4 << 6 << -4 << 6;
    QTest::newRow("32767/32767") << 32767 << 32767 << 1 << 1;
    QTest::newRow("-32768/2") << -32768 << 2 << -32768 << 2;
}

void TestAritmetica::reducir() {
    QFETCH(int, n);
    QFETCH(int, d);
    QFETCH(int, nr);
    QFETCH(int, dr);
    std::int16_t a = 99, b = 99;
    Reducir(std::int16_t(n), std::int16_t(d), a, b);
    QCOMPARE(int(a), nr);
    QCOMPARE(int(b), dr);
}

// Against Euclid's algorithm for every pair up to 300, so no divisor order slips through.
void TestAritmetica::mcdDeTodosLosParesPequenos() {
    for (int a = -3; a <= 300; ++a)
        for (int b = -3; b <= 300; ++b) {
            int x = a, y = b;
            while (y != 0) {
                const int t = x % y;
                x = y;
                y = t;
            }
            const int esperado = (a < 2 || b < 2) ? 1 : x;
            if (MCD(std::int16_t(a), std::int16_t(b)) != esperado)
                QFAIL(qPrintable(QStringLiteral("MCD(%1, %2)").arg(a).arg(b)));
        }
}

QTEST_APPLESS_MAIN(TestAritmetica)
#include "test_aritmetica.moc"
