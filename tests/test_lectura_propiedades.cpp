#include "main_window/lectura_numeros.h"
#include "texto_aleatorio.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <cmath>
#include <optional>

// The number reader against a plain reference, over many random texts in an English and a Spanish
// locale: the same texts are accepted, with the same value and the same sign test.
class TestLecturaPropiedades : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void referenciaConocida_data();
    void referenciaConocida();
    void textosAleatorios();
    void textosCercaDeLosLimites();

  private:
    // Reads every text in both locales and compares with the reference; false at the first
    // mismatch.
    bool Comparar(const QString& texto, const QString& origen);

    quint64 semilla_ = 0;
    long long probados_ = 0;
    long long aceptados_ = 0;
};

namespace {

struct Referencia {
    bool acepta = false;
    int valor = 0;
    bool positivo = false;
};

// What a number in a box means, computed from its digit strings with no floating point: blanks
// around it, an optional ASCII sign, digits with an optional decimal part, at least one digit.
Referencia LeerReferencia(const QString& texto, QChar separador) {
    auto esBlanco = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; };
    qsizetype a = 0, b = texto.size();
    while (a < b && esBlanco(texto[a]))
        ++a;
    while (b > a && esBlanco(texto[b - 1]))
        --b;
    auto forma = [](QChar sep) {
        return QRegularExpression(QRegularExpression::anchoredPattern(
            QStringLiteral("([+-]?)([0-9]*)(?:%1([0-9]*))?").arg(QRegularExpression::escape(sep))));
    };
    static const QRegularExpression conPunto = forma(u'.'), conComa = forma(u',');
    const QRegularExpression& esta = separador == u'.' ? conPunto : conComa;
    const QRegularExpressionMatch m = esta.match(texto.mid(a, b - a));
    Referencia r;
    if (!m.hasMatch()) return r;
    QString entera = m.captured(2), decimales = m.captured(3);
    if (entera.isEmpty() && decimales.isEmpty()) return r;

    while (entera.startsWith(u'0'))
        entera.remove(0, 1);
    while (decimales.endsWith(u'0'))
        decimales.chop(1);
    if (entera.size() > 5) return r; // 100000 or more
    int n = entera.isEmpty() ? 0 : entera.toInt();
    // Against one half: the decimals as a string compare like the numbers they stand for.
    const int contraMedio = decimales.compare(QStringLiteral("5"));
    if (!decimales.isEmpty() && (contraMedio > 0 || (contraMedio == 0 && n % 2 == 1))) ++n;
    const bool negativo = m.captured(1) == QStringLiteral("-");
    const int valor = negativo ? -n : n;
    if (valor < -32768 || valor > 32767) return r;
    r.acepta = true;
    r.valor = valor;
    r.positivo = !negativo && (!entera.isEmpty() || !decimales.isEmpty());
    return r;
}

// For texts with few significant digits the rounded double must agree with the reference itself.
std::optional<int> ValorPorDoble(const QString& texto, QChar separador) {
    QString t = texto.trimmed();
    t.replace(separador, u'.');
    qsizetype significativas = 0;
    bool pasadosCeros = false;
    for (QChar c : t) {
        if (c >= u'1' && c <= u'9') pasadosCeros = true;
        if (pasadosCeros && c.isDigit()) ++significativas;
    }
    if (significativas > 15) return std::nullopt;
    if (t.endsWith(u'.')) t += u'0';
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok) return std::nullopt;
    return int(std::nearbyint(v));
}

QString Abreviado(const QString& texto) {
    QString t =
        texto.size() > 80
            ? texto.left(40) + QStringLiteral("…(%1 chars)…").arg(texto.size()) + texto.right(30)
            : texto;
    return QStringLiteral("\"%1\"").arg(t);
}

const QLocale& Ingles() {
    static const QLocale l(QLocale::English, QLocale::UnitedStates);
    return l;
}
const QLocale& Espanol() {
    static const QLocale l(QLocale::Spanish, QLocale::Spain);
    return l;
}

quint64 SemillaDelEntorno() {
    bool ok = false;
    const quint64 s = qEnvironmentVariable("ZAFRELO_SEMILLA").toULongLong(&ok);
    return ok ? s : 20240611;
}

} // namespace

void TestLecturaPropiedades::initTestCase() {
    semilla_ = SemillaDelEntorno();
    qInfo("semilla %llu (ZAFRELO_SEMILLA)", static_cast<unsigned long long>(semilla_));
    QCOMPARE(Ingles().decimalPoint(), QStringLiteral("."));
    QCOMPARE(Espanol().decimalPoint(), QStringLiteral(","));
}

bool TestLecturaPropiedades::Comparar(const QString& texto, const QString& origen) {
    for (const QLocale* l : {&Ingles(), &Espanol()}) {
        const QChar sep = l->decimalPoint().at(0);
        const NumeroLeido leido = LeerNumero(texto, *l);
        const Referencia ref = LeerReferencia(texto, sep);
        ++probados_;
        QString fallo;
        if (leido.numerico != ref.acepta)
            fallo = QStringLiteral("numeric %1, expected %2").arg(leido.numerico).arg(ref.acepta);
        else if (ref.acepta && int(leido.entero) != ref.valor)
            fallo = QStringLiteral("value %1, expected %2").arg(leido.entero).arg(ref.valor);
        else if (ref.acepta && leido.positivo != ref.positivo)
            fallo =
                QStringLiteral("positive %1, expected %2").arg(leido.positivo).arg(ref.positivo);
        else if (ref.acepta) {
            const std::optional<int> doble = ValorPorDoble(texto, sep);
            if (doble && *doble != ref.valor)
                fallo = QStringLiteral("reference %1 but the double rounds to %2")
                            .arg(ref.valor)
                            .arg(*doble);
        }
        if (ref.acepta) ++aceptados_;
        if (!fallo.isEmpty()) {
            QTest::qFail(qPrintable(QStringLiteral("%1 in %2, %3 (seed %4): %5")
                                        .arg(Abreviado(texto), l->name(), origen)
                                        .arg(semilla_)
                                        .arg(fallo)),
                         __FILE__, __LINE__);
            return false;
        }
    }
    return true;
}

// The reference, and the reader, on the rules a pupil can check by hand.
void TestLecturaPropiedades::referenciaConocida_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("acepta");
    QTest::addColumn<int>("valor");
    QTest::addColumn<bool>("positivo");
    QTest::newRow("2.5") << "2.5" << true << 2 << true;
    QTest::newRow("3.5") << "3.5" << true << 4 << true;
    QTest::newRow("-2.5") << "-2.5" << true << -2 << false;
    QTest::newRow("0.4") << "0.4" << true << 0 << true;
    QTest::newRow("-0") << "-0" << true << 0 << false;
    QTest::newRow("blanks") << " \t6\u00A0" << true << 6 << true;
    QTest::newRow("5.") << "5." << true << 5 << true;
    QTest::newRow(".5") << ".5" << true << 0 << true;
    QTest::newRow("32767.5") << "32767.5" << false << 0 << false;
    QTest::newRow("-32768.5") << "-32768.5" << true << -32768 << false;
    QTest::newRow("lone sign") << "-" << false << 0 << false;
    QTest::newRow("lone separator") << "." << false << 0 << false;
    QTest::newRow("3a") << "3a" << false << 0 << false;
    QTest::newRow("1/2") << "1/2" << false << 0 << false;
    QTest::newRow("inner blank") << "- 1" << false << 0 << false;
    QTest::newRow("exponent") << "1e2" << false << 0 << false;
    QTest::newRow("arabic digit") << "٣" << false << 0 << false;
    QTest::newRow("newline") << "7\n" << false << 0 << false;
}

void TestLecturaPropiedades::referenciaConocida() {
    QFETCH(QString, texto);
    QFETCH(bool, acepta);
    QFETCH(int, valor);
    QFETCH(bool, positivo);
    const Referencia ref = LeerReferencia(texto, u'.');
    QCOMPARE(ref.acepta, acepta);
    QCOMPARE(ref.valor, valor);
    QCOMPARE(ref.positivo, positivo);
    Comparar(texto, QStringLiteral("fixed case"));
}

void TestLecturaPropiedades::textosAleatorios() {
    constexpr int kTextos = 100000;
    Azar azar(semilla_);
    const long long aceptadosAntes = aceptados_, probadosAntes = probados_;
    for (int k = 0; k < kTextos; ++k)
        if (!Comparar(TextoAleatorio(azar), QStringLiteral("random text %1").arg(k))) return;
    // The generator must reach both sides of the test, or the comparison proves little.
    const long long aceptados = aceptados_ - aceptadosAntes, probados = probados_ - probadosAntes;
    qInfo("%d random texts, %lld readings, %lld accepted", kTextos, probados, aceptados);
    QVERIFY2(aceptados > probados / 5 && aceptados < probados * 4 / 5,
             qPrintable(QStringLiteral("%1 of %2 accepted").arg(aceptados).arg(probados)));
}

// Halves at and beside both ends of the range, long runs of zeros before the digit that decides,
// each with either separator, with and without blanks and a plus sign.
void TestLecturaPropiedades::textosCercaDeLosLimites() {
    const QStringList bases = {
        QStringLiteral("32767"),    QStringLiteral("32767.5"), QStringLiteral("32766.5"),
        QStringLiteral("32768"),    QStringLiteral("-32768"),  QStringLiteral("-32768.5"),
        QStringLiteral("-32767.5"), QStringLiteral("-32769"),  QStringLiteral("0.5"),
        QStringLiteral("1.5"),      QStringLiteral("-0.5"),    QStringLiteral("99999"),
        QStringLiteral("100000")};
    const QStringList colas = {QString(),
                               QStringLiteral("0"),
                               QStringLiteral("0000000001"),
                               QStringLiteral("4999999999"),
                               QString(2000, u'0') + u'1',
                               QString(2000, u'0')};
    Azar azar(semilla_ ^ 0x5A5A5A5A);
    int textos = 0;
    for (const QString& base : bases) {
        for (const QString& cola : colas) {
            QString t = base;
            if (!cola.isEmpty())
                t += (base.contains(u'.') ? QString() : QStringLiteral(".")) + cola;
            for (const QString& ceros : {QString(), QStringLiteral("000"), QString(3000, u'0')}) {
                QString conCeros = t;
                conCeros.insert(conCeros.startsWith(u'-') ? 1 : 0, ceros);
                for (const QChar sep : {QChar(u'.'), QChar(u',')}) {
                    QString s = conCeros;
                    s.replace(u'.', sep);
                    for (const QString& v : {s, QStringLiteral(" ") + s + QStringLiteral("\t"),
                                             s.startsWith(u'-') ? s : QStringLiteral("+") + s}) {
                        ++textos;
                        if (!Comparar(v, QStringLiteral("limit text"))) return;
                    }
                }
            }
        }
    }
    // Whole parts a step either side of the ends, with random decimals.
    for (int k = 0; k < 20000; ++k, ++textos) {
        const int entero =
            Suerte(azar, 50) ? Entre(azar, 32760, 32770) : Entre(azar, -32771, -32760);
        QString t = QString::number(entero);
        t += Elegir(azar, std::array{u'.', u','});
        t += Suerte(azar, 50) ? QStringLiteral("5") + Digitos(azar, Entre(azar, 0, 4))
                              : Digitos(azar, Entre(azar, 0, 30));
        if (!Comparar(t, QStringLiteral("near-limit text %1").arg(k))) return;
    }
    qInfo("%d texts near the limits; %lld readings in all, %lld accepted", textos, probados_,
          aceptados_);
}

QTEST_GUILESS_MAIN(TestLecturaPropiedades)
#include "test_lectura_propiedades.moc"
