#include "ayuda_pruebas.h"
#include "main_window/leccion.h"
#include "main_window/lectura_numeros.h"

#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

// Typing fractions: how a box's text is read, what the stored fraction and the grid become, what
// the squares show, "Simplificar" and "Nueva operación".
class TestEntrada : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void lectura_data();
    void lectura();
    void tecleoDeUnaSuma();
    void cadaTeclaEsUnCambio();
    void tecleoSegunConfiguracion_data();
    void tecleoSegunConfiguracion();
    void denominador_data();
    void denominador();
    void simplificar_data();
    void simplificar();
    void nuevaOperacion();
    void textoDisparatado_data();
    void textoDisparatado();
    void leccionLeida_data();
    void leccionLeida();
    void leccionDeLaPagina_data();
    void leccionDeLaPagina();
    void leccionAplicada();

  private:
    QLocale configuracionOriginal_;
};

namespace {

const QLocale kPunto(QLocale::English, QLocale::UnitedStates);
const QLocale kComa(QLocale::Spanish, QLocale::Spain);

// The locale that reads the boxes, for one test.
class ConfiguracionRegional {
  public:
    explicit ConfiguracionRegional(const QLocale& c) { QLocale::setDefault(c); }
    ~ConfiguracionRegional() { QLocale::setDefault(kPunto); }
};

// Key by key, as typed; letters beyond ASCII come as the text of a key the keyboard has no name
// for.
void Teclear(QLineEdit* caja, const QString& texto) {
    for (QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(caja, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Escribir(QLineEdit* caja, const QString& texto) {
    QTest::mouseClick(caja, Qt::LeftButton);
    Teclear(caja, texto);
}

// Selects the whole text as a pupil would and types over it.
void Reemplazar(QLineEdit* caja, const QString& texto) {
    QTest::mouseClick(caja, Qt::LeftButton);
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    if (texto.isEmpty())
        QTest::keyClick(caja, Qt::Key_Backspace);
    else
        Teclear(caja, texto);
}

// Checks that square i shows den strips, the first num of them in the operand's colour: operand 1
// cut into columns from the left, operand 2 into rows from the bottom.
void ComprobarTiras(const FrmPrincipal& v, int i, int num, int den) {
    const Long color = i == 1 ? kVerde : kRojo;
    const Single s = Lado / Single(den);
    for (int j = 1; j <= den; ++j) {
        const Single centro = (Single(j) - 0.5f) * s;
        const Single x = i == 1 ? PosX(1) + centro : PosX(2) + Lado / 2;
        const Single y = i == 1 ? PosY(1) + Lado / 2 : PosY(2) + Lado - centro;
        const Long esperado = j <= num ? color : kBlanco;
        const Long visto = ColorEn(v, x, y);
        QVERIFY2(visto == esperado, qPrintable(QStringLiteral("square %1, strip %2 of %3: %4")
                                                   .arg(i)
                                                   .arg(j)
                                                   .arg(den)
                                                   .arg(visto, 6, 16)));
    }
}

bool CuadroBlanco(const FrmPrincipal& v, int k) {
    for (Single fx : {0.1f, 0.3f, 0.5f, 0.7f, 0.9f})
        for (Single fy : {0.1f, 0.3f, 0.5f, 0.7f, 0.9f})
            if (ColorEn(v, PosX(k) + fx * Lado, PosY(k) + fy * Lado) != kBlanco) return false;
    return true;
}

} // namespace

void TestEntrada::initTestCase() {
    configuracionOriginal_ = QLocale();
    // The boxes read numbers with the default locale; every test starts from a decimal point.
    QLocale::setDefault(kPunto);
}

void TestEntrada::cleanupTestCase() {
    QLocale::setDefault(configuracionOriginal_);
}

void TestEntrada::lectura_data() {
    QTest::addColumn<QLocale>("configuracion");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("numerico");
    QTest::addColumn<int>("entero");
    QTest::addColumn<bool>("positivo");

    struct Caso {
        const char* nombre;
        const char* texto; // '.' stands for the locale's decimal separator, '#' for the other one
        bool numerico;
        int entero;
        bool positivo;
    };
    const Caso casos[] = {
        {"2.5 to even", "2.5", true, 2, true},
        {"3.5 to even", "3.5", true, 4, true},
        {"0.5 to even", "0.5", true, 0, true},
        {"-2.5 to even", "-2.5", true, -2, false},
        {"2.6 up", "2.6", true, 3, true},
        {"just above a half", "2.5000000000000000001", true, 3, true},
        {"leading zeros", "0002.5", true, 2, true},
        {"plus sign", "+7", true, 7, true},
        {"blanks around", "  12 ", true, 12, true},
        {"-3", "-3", true, -3, false},
        {"0.4 positive, 0", "0.4", true, 0, true},
        {"-0", "-0", true, 0, false},
        {"-0.4", "-0.4", true, 0, false},
        {"32767", "32767", true, 32767, true},
        {"-32768", "-32768", true, -32768, false},
        {"32766.5 to even", "32766.5", true, 32766, true},
        {"-32768.5 to even", "-32768.5", true, -32768, false},
        {"32768", "32768", false, 0, false},
        {"-32769", "-32769", false, 0, false},
        {"32767.5 rounds to 32768", "32767.5", false, 0, false},
        {"20 digits", "99999999999999999999", false, 0, false},
        {"empty", "", false, 0, false},
        {"blank", " ", false, 0, false},
        {"lone minus", "-", false, 0, false},
        {"3a", "3a", false, 0, false},
        {"1/2", "1/2", false, 0, false},
        {"other separator", "2#5", false, 0, false},
        {"blank inside", "1 2", false, 0, false},
        {"exponent", "1e3", false, 0, false},
        {"inf", "inf", false, 0, false},
        {"nan", "nan", false, 0, false},
        {"fullwidth digit", "\xef\xbc\x93", false, 0, false},
    };
    for (const auto& [nombre, configuracion] :
         {std::pair{"point", kPunto}, std::pair{"comma", kComa}}) {
        const QString propio = configuracion.decimalPoint();
        const QString otro =
            propio == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral(".");
        for (const Caso& c : casos) {
            const QString texto = QString::fromUtf8(c.texto)
                                      .replace(QLatin1Char('.'), propio)
                                      .replace(QLatin1Char('#'), otro);
            QTest::addRow("%s: %s", nombre, c.nombre)
                << configuracion << texto << c.numerico << c.entero << c.positivo;
        }
    }
}

void TestEntrada::lectura() {
    QFETCH(QLocale, configuracion);
    QFETCH(QString, texto);
    const NumeroLeido n = LeerNumero(texto, configuracion);
    QTEST(n.numerico, "numerico");
    QTEST(int(n.entero), "entero");
    QTEST(n.positivo, "positivo");
}

// 1/2 + 1/3 typed into the four boxes of a window just opened.
void TestEntrada::tecleoDeUnaSuma() {
    auto v = NuevaVentana();
    QVERIFY(Lado > 0);
    Escribir(v->txtNum(1), QStringLiteral("1"));
    Escribir(v->txtDen(1), QStringLiteral("2"));
    Escribir(v->txtNum(2), QStringLiteral("1"));
    QVERIFY(CuadroBlanco(*v, 2)); // no denominator yet, nothing drawn
    Escribir(v->txtDen(2), QStringLiteral("3"));

    QCOMPARE(int(Num(1)), 1);
    QCOMPARE(int(Num(2)), 1);
    QCOMPARE(int(Den(1)), 2);
    QCOMPARE(int(Den(2)), 3);
    QCOMPARE(int(Columnas), 2);
    QCOMPARE(int(Filas), 3);
    // Square 1: left half green; square 2: bottom third red.
    ComprobarTiras(*v, 1, 1, 2);
    ComprobarTiras(*v, 2, 1, 3);
    QVERIFY(CuadroBlanco(*v, 3));
    QVERIFY(CuadroBlanco(*v, 4));
}

// Each key is a change of its own; emptying a numerator keeps the strips until the next full
// redraw.
void TestEntrada::cadaTeclaEsUnCambio() {
    auto v = NuevaVentana();
    Escribir(v->txtDen(1), QStringLiteral("16"));
    QCOMPARE(int(Den(1)), 16); // "1" then "16"
    QCOMPARE(int(Columnas), 16);
    Escribir(v->txtNum(1), QStringLiteral("1"));
    QCOMPARE(int(Num(1)), 1);
    ComprobarTiras(*v, 1, 1, 16);
    QTest::keyClick(v->txtNum(1), Qt::Key_2);
    QCOMPARE(int(Num(1)), 12);
    ComprobarTiras(*v, 1, 12, 16);

    Reemplazar(v->txtNum(1), QString());
    QVERIFY(v->txtNum(1)->text().isEmpty());
    QCOMPARE(int(Num(1)), 0);
    ComprobarTiras(*v, 1, 12, 16);

    FijarTamanoExterior(*v, 9000, 7305);
    QCOMPARE(Lado, 3000.f);
    ComprobarTiras(*v, 1, 0, 16);
}

void TestEntrada::tecleoSegunConfiguracion_data() {
    QTest::addColumn<QLocale>("configuracion");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("num");
    QTest::newRow("comma 2,5") << kComa << QStringLiteral("2,5") << 2;
    QTest::newRow("comma 3,5") << kComa << QStringLiteral("3,5") << 4;
    QTest::newRow("comma -2,5") << kComa << QStringLiteral("-2,5") << -2;
    QTest::newRow("comma 2.5 is no number") << kComa << QStringLiteral("2.5") << 0;
    QTest::newRow("point 2.5") << kPunto << QStringLiteral("2.5") << 2;
    QTest::newRow("point 3.5") << kPunto << QStringLiteral("3.5") << 4;
    QTest::newRow("point 2,5 is no number") << kPunto << QStringLiteral("2,5") << 0;
}

// The boxes follow the pupil's decimal separator.
void TestEntrada::tecleoSegunConfiguracion() {
    QFETCH(QLocale, configuracion);
    QFETCH(QString, texto);
    QFETCH(int, num);
    ConfiguracionRegional regional(configuracion);
    auto v = NuevaVentana();
    Escribir(v->txtDen(1), QStringLiteral("6"));
    Escribir(v->txtNum(1), texto);
    QCOMPARE(int(Num(1)), num);
    // A number is drawn at once; text that is none leaves the strips of the last one ("2").
    ComprobarTiras(*v, 1, num == 0 ? 2 : num, 6);

    Escribir(v->txtDen(2),
             QStringLiteral("3") + configuracion.decimalPoint() + QStringLiteral("5"));
    QCOMPARE(int(Den(2)), 4);
    QCOMPARE(int(Filas), 4);
}

void TestEntrada::denominador_data() {
    QTest::addColumn<QString>("antes");    // typed into the empty denominator box of operand 1
    QTest::addColumn<bool>("alPrincipio"); // the keys go before that text, or else over it
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<int>("den");
    QTest::addColumn<int>("columnas");
    QTest::addColumn<bool>("mismoDibujo");
    QTest::newRow("minus before 4") << "4" << true << "-" << 4 << 4 << true;
    QTest::newRow("4 replaced by 0") << "4" << false << "0" << 4 << 4 << true;
    QTest::newRow("-4 into an empty box") << "" << false << "-4" << 0 << 1 << true;
    // Positive, so accepted as 0: the grid is recomputed and nothing is drawn.
    QTest::newRow("5 replaced by 0.4") << "5" << false << "0.4" << 0 << 1 << true;
    QTest::newRow("4 replaced by 8") << "4" << false << "8" << 8 << 8 << false;
}

// A denominator of 0 or below is ignored; one that is no number stores 0 and redraws nothing.
void TestEntrada::denominador() {
    QFETCH(QString, antes);
    QFETCH(bool, alPrincipio);
    QFETCH(QString, teclas);
    auto v = NuevaVentana();
    Escribir(v->txtDen(2), QStringLiteral("3"));
    Escribir(v->txtNum(1), QStringLiteral("1"));
    Escribir(v->txtDen(1), antes);
    const QImage dibujo = v->lienzo()->Imagen();

    QTest::mouseClick(v->txtDen(1), Qt::LeftButton);
    if (alPrincipio)
        QTest::keyClick(v->txtDen(1), Qt::Key_Home);
    else
        QTest::keyClick(v->txtDen(1), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(v->txtDen(1), teclas);

    QTEST(int(Den(1)), "den");
    QTEST(int(Columnas), "columnas");
    QCOMPARE(int(Filas), 3);
    QTEST(v->lienzo()->Imagen() == dibujo, "mismoDibujo");
}

void TestEntrada::simplificar_data() {
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("num");
    QTest::addColumn<QString>("den");
    QTest::addColumn<QString>("antesDelDen"); // typed before the denominator once it is stored
    QTest::addColumn<QString>("textoNum");
    QTest::addColumn<QString>("textoDen");
    QTest::addColumn<int>("valorNum");
    QTest::addColumn<int>("valorDen");
    struct Caso {
        const char* nombre;
        int i;
        const char *num, *den, *antesDelDen, *textoNum, *textoDen;
        int valorNum, valorDen;
    };
    const Caso casos[] = {
        {"12/18", 1, "12", "18", "", "2", "3", 2, 3},
        {"12/18 operand 2", 2, "12", "18", "", "2", "3", 2, 3},
        {"3/5 already lowest", 1, "3", "5", "", "3", "5", 3, 5},
        {"6/4 above one", 2, "6", "4", "", "3", "2", 3, 2},
        {"-4/6 never reduced", 1, "-4", "6", "", "-4", "6", -4, 6},
        {"letters over 4", 1, "abc", "4", "", "0", "4", 0, 4},
        {"5 over empty", 2, "5", "", "", "5", "0", 5, 0},
        {"blank 6 blank over 8", 1, " 6 ", "8", "", "3", "4", 3, 4},
        {"2 over -4, 4 stored", 1, "2", "4", "-", "1", "2", 1, 2},
        {"2.5 over 6", 2, "2.5", "6", "", "1", "3", 1, 3},
        {"32767/32767", 1, "32767", "32767", "", "1", "1", 1, 1},
    };
    for (const Caso& c : casos)
        QTest::newRow(c.nombre) << c.i << c.num << c.den << c.antesDelDen << c.textoNum
                                << c.textoDen << c.valorNum << c.valorDen;
}

// "Simplificar" reduces the stored fraction and writes it back into both boxes.
void TestEntrada::simplificar() {
    QFETCH(int, i);
    QFETCH(QString, num);
    QFETCH(QString, den);
    QFETCH(QString, antesDelDen);
    QFETCH(int, valorNum);
    QFETCH(int, valorDen);
    auto v = NuevaVentana();
    Escribir(v->txtNum(i), num);
    Escribir(v->txtDen(i), den);
    if (!antesDelDen.isEmpty()) {
        QTest::keyClick(v->txtDen(i), Qt::Key_Home);
        QTest::keyClicks(v->txtDen(i), antesDelDen);
    }

    QSignalSpy cambiosNum(v->txtNum(i), &QLineEdit::textChanged);
    QSignalSpy cambiosDen(v->txtDen(i), &QLineEdit::textChanged);

    QTest::mouseClick(v->cmdSimpli(i), Qt::LeftButton);
    QFETCH(QString, textoNum);
    QFETCH(QString, textoDen);
    QCOMPARE(v->txtNum(i)->text(), textoNum);
    QCOMPARE(v->txtDen(i)->text(), textoDen);
    // A box whose text is already the one written raises no change.
    QCOMPARE(cambiosNum.count(), textoNum == num ? 0 : 1);
    QCOMPARE(cambiosDen.count(), textoDen == antesDelDen + den ? 0 : 1);
    QCOMPARE(int(Num(i)), valorNum);
    QCOMPARE(int(Den(i)), valorDen);
    if (valorDen > 0 && valorDen <= 20) ComprobarTiras(*v, i, valorNum, valorDen);
    // The other fraction is left alone.
    QCOMPARE(int(Num(3 - i)), 0);
    QCOMPARE(int(Den(3 - i)), 0);
    QVERIFY(v->txtNum(3 - i)->text().isEmpty());
}

// After a finished addition: empty boxes, zero fractions, four white squares, the caret in the
// first numerator; the grid size stays.
void TestEntrada::nuevaOperacion() {
    auto v = NuevaVentana();
    Velocidad = 4;
    Escribir(v->txtNum(1), QStringLiteral("1"));
    Escribir(v->txtDen(1), QStringLiteral("2"));
    Escribir(v->txtNum(2), QStringLiteral("1"));
    Escribir(v->txtDen(2), QStringLiteral("3"));
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY(!CuadroBlanco(*v, 3));
    QTest::mouseClick(v->cmdSimpli(2), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), v->cmdSimpli(2));

    v->mnuArchNueva->trigger();
    for (QLineEdit* caja : {v->txtNum(1), v->txtDen(1), v->txtNum(2), v->txtDen(2)})
        QVERIFY(caja->text().isEmpty());
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(int(Num(i)), 0);
        QCOMPARE(int(Den(i)), 0);
    }
    for (int k = 1; k <= 4; ++k)
        QVERIFY2(CuadroBlanco(*v, k), qPrintable(QString::number(k)));
    QCOMPARE(QApplication::focusWidget(), v->txtNum(1));
    QCOMPARE(int(Filas), 3);
    QCOMPARE(int(Columnas), 2);
}

void TestEntrada::textoDisparatado_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("teclear"); // typed key by key; otherwise pasted with Shift+Insert
    QTest::newRow("1500 nines typed") << QString(1500, QLatin1Char('9')) << true;
    QTest::newRow("1 and 4000 zeros")
        << QStringLiteral("1") + QString(4000, QLatin1Char('0')) << false;
    QTest::newRow("4000 zeros and 7")
        << QString(4000, QLatin1Char('0')) + QStringLiteral("7") << false;
    QTest::newRow("-99...9.5") << QStringLiteral("-%1.5").arg(QString(3000, QLatin1Char('9')))
                               << false;
    QTest::newRow("0.00...1") << QStringLiteral("0.") + QString(5000, QLatin1Char('0')) +
                                     QStringLiteral("1")
                              << false;
    QTest::newRow("1e99999") << QStringLiteral("1e99999") << false;
    QTest::newRow("non-ASCII digits") << QStringLiteral("٣٤ ３ ½ ⅓") << false;
    QTest::newRow("letters and accents typed") << QStringLiteral("ñandú ÁÉÍÓÚ ç ß") << true;
    QTest::newRow("emoji") << QString::fromUtf8("\xf0\x9f\x99\x82").repeated(2000) << false;
    QTest::newRow("non-breaking blanks")
        << QString(3000, QChar(0x00A0)) + QStringLiteral("4") << false;
}

// Nothing a pupil can put in a box stops the program or leaves a negative denominator, and a
// plain number works again afterwards.
void TestEntrada::textoDisparatado() {
    QFETCH(QString, texto);
    QFETCH(bool, teclear);
    auto v = NuevaVentana();
    Velocidad = 4;
    QApplication::clipboard()->setText(texto);
    QLineEdit* const cajas[] = {v->txtNum(1), v->txtDen(1), v->txtNum(2), v->txtDen(2)};
    for (QLineEdit* caja : cajas)
        Escribir(caja, QStringLiteral("1"));

    for (QLineEdit* caja : cajas) {
        if (teclear) {
            Reemplazar(caja, texto);
        } else {
            QTest::mouseClick(caja, Qt::LeftButton);
            QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(caja, Qt::Key_Insert, Qt::ShiftModifier);
        }
        QCOMPARE(caja->text().size(), std::min<qsizetype>(texto.size(), caja->maxLength()));
        QVERIFY(Den(1) >= 0);
        QVERIFY(Den(2) >= 0);
    }
    for (int i = 1; i <= 2; ++i) {
        QTest::mouseClick(v->cmdSimpli(i), Qt::LeftButton);
        QVERIFY(Den(i) >= 0);
    }
    // A sum too large to draw is refused with a message; whatever shows is closed.
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY(!v->Animando());

    for (QLineEdit* caja : cajas)
        Reemplazar(caja, QStringLiteral("2"));
    QCOMPARE(int(Num(1)), 2);
    QCOMPARE(int(Den(1)), 2);
    QCOMPARE(int(Num(2)), 2);
    QCOMPARE(int(Den(2)), 2);
    ComprobarTiras(*v, 1, 2, 2);
    ComprobarTiras(*v, 2, 2, 2);
}

namespace {

// "1/2 1/3 v4 sumar": the fractions ("-" for none), the speed and the addition a lesson asks for.
QString Resumen(const Leccion& l) {
    QStringList partes;
    for (int i = 1; i <= 2; ++i)
        partes << (l.fraccion(i)
                       ? QStringLiteral("%1/%2").arg(l.fraccion(i)->num).arg(l.fraccion(i)->den)
                       : QStringLiteral("-"));
    if (l.velocidad) partes << QStringLiteral("v%1").arg(*l.velocidad);
    if (l.sumar) partes << QStringLiteral("sumar");
    if (l.ayuda) partes << QStringLiteral("ayuda");
    return partes.join(u' ');
}

// Every note is one short line that says it comes from Zafrelo.
void ComprobarAvisos(const AvisosLeccion& avisos, int cuantos) {
    QCOMPARE(avisos.lineas.size() + avisos.deMas, cuantos);
    for (const QString& linea : avisos.lineas) {
        QVERIFY2(linea.startsWith(QLatin1String("Zafrelo: se omite")), qPrintable(linea));
        QVERIFY2(linea.size() < 200 && !linea.contains(u'\n'), qPrintable(linea));
    }
}

} // namespace

void TestEntrada::leccionLeida_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("resumen");
    QTest::addColumn<int>("avisos");
    const QString largo = QString(5000, u'7');
    QTest::newRow("none") << QStringList{} << "- -" << 0;
    QTest::newRow("the lesson") << QStringList{"--velocidad=inmediato", "--sumar", "1/2", "1/3"}
                                << "1/2 1/3 v4 sumar" << 0;
    QTest::newRow("words as teachers write them")
        << QStringList{"--velocidad", "Muy lento", " 2 / 4 ", "+1/04"} << "2/4 1/4 v0" << 0;
    QTest::newRow("rapido with its accent") << QStringList{"-velocidad=rápido"} << "- - v3" << 0;
    QTest::newRow("the second alone") << QStringList{"-", "1/3"} << "- 1/3" << 0;
    QTest::newRow("limits") << QStringList{"--", "-32768/32767", "32767/1"}
                            << "-32768/32767 32767/1" << 0;
    QTest::newRow("bad values, the rest applied")
        << QStringList{"--velocidad=veloz", "--sumar", "1/0", "2/3"} << "- 2/3 sumar" << 2;
    QTest::newRow("refused as the boxes refuse") << QStringList{"--", "0/0", "1/-2"} << "- -" << 2;
    QTest::newRow("not N/D") << QStringList{"2.5/4", "1/2/3"} << "- -" << 2;
    QTest::newRow("out of range") << QStringList{"32768/2", "1/" + largo} << "- -" << 2;
    QTest::newRow("a negative fraction before --") << QStringList{"-1/2", "3/4"} << "3/4 -" << 1;
    QTest::newRow("a negative numerator after --")
        << QStringList{"--sumar", "--", "-1/2", "3/4"} << "-1/2 3/4 sumar" << 0;
    QTest::newRow("repeated and extra")
        << QStringList{"--velocidad=lento", "--velocidad=medio", "1/2", "1/3", "1/4", "1/5"}
        << "1/2 1/3 v1" << 3;
    QTest::newRow("sumar with a value, velocidad with none")
        << QStringList{"--sumar=no", "--velocidad"} << "- -" << 2;
    QTest::newRow("empty and hostile")
        << QStringList{"", "1\n/2", "--" + largo, "--velocidad=" + largo, "\u202e\n"} << "- 1/2"
        << 4;
    QTest::newRow("help") << QStringList{"-h", "--nada"} << "- - ayuda" << 1;
    QStringList muchas;
    for (int k = 0; k < 3000; ++k)
        muchas << QStringLiteral("--x%1").arg(k);
    QTest::newRow("a flood of unknown options") << muchas << "- -" << 3000;
}

// The command line read: what applies, and one note for each thing left out.
void TestEntrada::leccionLeida() {
    QFETCH(QStringList, argumentos);
    argumentos.prepend(QStringLiteral("zafrelo"));
    const Leccion leccion = LeerLeccion(argumentos);
    QTEST(Resumen(leccion), "resumen");
    QFETCH(int, avisos);
    ComprobarAvisos(leccion.avisos, avisos);
    QVERIFY(leccion.avisos.lineas.size() <= AvisosLeccion::kMaximo);
}

void TestEntrada::leccionDeLaPagina_data() {
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("resumen");
    QTest::addColumn<int>("avisos");
    QTest::newRow("none") << "" << QStringList{} << "- -" << 0;
    QTest::newRow("the lesson") << "?a=1/2&b=1/3&velocidad=inmediato&sumar"
                                << QStringList{"--velocidad=inmediato", "--sumar", "--", "1/2",
                                               "1/3"}
                                << "1/2 1/3 v4 sumar" << 0;
    QTest::newRow("percent-encoding and +")
        << "?A=1%2F2&b=%2D1+%2F+3&Velocidad=R%C3%A1pido&sumar="
        << QStringList{"--velocidad=Rápido", "--sumar", "--", "1/2", "-1 / 3"}
        << "1/2 -1/3 v3 sumar" << 0;
    QTest::newRow("b alone, muy+lento")
        << "b=2/4&&velocidad=muy+lento&" << QStringList{"--velocidad=muy lento", "--", "-", "2/4"}
        << "- 2/4 v0" << 0;
    QTest::newRow("repeated keys: the first counts")
        << "?a=1/2&a=2/4&velocidad=lento&velocidad=medio&sumar&sumar"
        << QStringList{"--velocidad=lento", "--sumar", "--", "1/2"} << "1/2 - v1 sumar" << 3;
    QTest::newRow("bad values, the rest applied")
        << "?a=0/0&b=1/3&velocidad=&sumar=si" << QStringList{"--velocidad=", "--", "0/0", "1/3"}
        << "- 1/3" << 3;
    QTest::newRow("no way to an option")
        << "?help&version&a=--help&b=%2D%2Dversion&velocidad=x%26sumar%3D"
        << QStringList{"--velocidad=x&sumar=", "--", "--help", "--version"} << "- -" << 5;
    QTest::newRow("a key without a value")
        << "?a&velocidad" << QStringList{"--velocidad=", "--", ""} << "- -" << 2;
    QTest::newRow("broken encoding")
        << "?a=1%2/2&b=%FF/3&%" << QStringList{"--", "1%2/2", "\uFFFD/3"} << "- -" << 3;
    QTest::newRow("a flood") << "?" + QStringLiteral("x&").repeated(20000) + "a=1/2"
                             << QStringList{"--", "1/2"} << "1/2 -" << 20000;
}

// The page's address: the same command line, read by the same parser.
void TestEntrada::leccionDeLaPagina() {
    QFETCH(QString, consulta);
    QFETCH(QStringList, argumentos);
    const ConsultaLeida leida = LeerConsulta(consulta);
    argumentos.prepend(QStringLiteral("zafrelo"));
    QCOMPARE(leida.argumentos, argumentos);
    const Leccion leccion = LeerLeccion(leida.argumentos);
    QTEST(Resumen(leccion), "resumen");
    QFETCH(int, avisos);
    AvisosLeccion todos = leida.avisos;
    for (const QString& linea : leccion.avisos.lineas)
        todos.Anadir(linea);
    todos.deMas += leccion.avisos.deMas;
    ComprobarAvisos(todos, avisos);
}

// The window as the program opens it with a lesson: the boxes as if typed, the speed as if chosen
// in the dialog, and "=" run once shown; then a lesson whose sum is too large for the picture.
void TestEntrada::leccionAplicada() {
    DescargarFrmVelocidad();
    BorrarEstado();
    OlvidarTerminacion();
    {
        FrmPrincipal v;
        v.show();
        AplicarLeccion(v,
                       LeerLeccion({"zafrelo", "--velocidad=inmediato", "--sumar", "1/2", "1/3"}));
        QCOMPARE(v.txtNum(1)->text() + v.txtDen(1)->text() + v.txtNum(2)->text() +
                     v.txtDen(2)->text(),
                 QStringLiteral("1213"));
        QCOMPARE(int(Velocidad), 4);
        QVERIFY(frmVelocidad().optVelocidad(4)->isChecked());
        ComprobarTiras(v, 1, 1, 2);
        ComprobarTiras(v, 2, 1, 3);
        // 5/6: the left column of square 3 green, the right one red but for its top cell.
        const auto centro = [&](int c, int f) {
            return ColorEn(v, PosX(3) + Lado * (2 * c - 1) / 4, PosY(3) + Lado * (7 - 2 * f) / 6);
        };
        QTRY_COMPARE(centro(2, 2), kRojo);
        for (int f = 1; f <= 3; ++f)
            QCOMPARE(centro(1, f), kVerde);
        QCOMPARE(centro(2, 1), kRojo);
        QCOMPARE(centro(2, 3), kBlanco);
    }

    DescargarFrmVelocidad();
    BorrarEstado();
    FrmPrincipal v;
    v.show();
    // "=" runs from the event loop, so the message box is answered from inside its own.
    QString mensaje;
    QTimer vigia;
    connect(&vigia, &QTimer::timeout, [&mensaje] {
        if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            mensaje = caja->text();
            caja->close();
        }
    });
    vigia.start(5);
    AplicarLeccion(v,
                   LeerLeccion({"zafrelo", "--sumar", "--velocidad=lentísimo", "1/200", "1/200"}));
    QCOMPARE(int(Velocidad), 2);
    QTRY_COMPARE(mensaje,
                 QStringLiteral("Estas fracciones son demasiado grandes para dibujar su suma."));
    QVERIFY(!v.Animando());
    QVERIFY(CuadroBlanco(v, 3));
}

QTEST_MAIN(TestEntrada)
#include "test_entrada.moc"
