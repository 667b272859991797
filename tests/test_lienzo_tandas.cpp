#include "shell/cifras_impresas.h"
#include "shell/fuentes.h"
#include "shell/lienzo.h"
#include "shell/twips.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <random>

// The picture draws a run of operations through one painter, leaves out boxes a later box covers,
// lays the boxes that share their rows and the segments of a run straight into memory, and prints
// numbers from glyphs laid out once. Whatever it does, the picture must come out exactly as if
// every operation had been drawn on its own with QPainter; that plain drawing is the model here.
class TestLienzoTandas : public QObject {
    Q_OBJECT
  private slots:
    void numerosComoTexto();
    void operacionesAlAzar_data();
    void operacionesAlAzar();
};

namespace {

Qt::PenStyle Trazo(int estilo) {
    const Qt::PenStyle trazos[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                   Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
    return estilo >= 0 && estilo <= 5 ? trazos[estilo] : Qt::SolidLine;
}

Qt::BrushStyle Trama(int estilo) {
    const Qt::BrushStyle tramas[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                     Qt::VerPattern,   Qt::BDiagPattern,    Qt::FDiagPattern,
                                     Qt::CrossPattern, Qt::DiagCrossPattern};
    return estilo >= 0 && estilo <= 7 ? tramas[estilo] : Qt::NoBrush;
}

// Each operation drawn by itself on a copy of the picture, as a surface without runs draws it.
class Modelo {
  public:
    explicit Modelo(const Lienzo& lienzo) : lienzo_(lienzo), imagen_(lienzo.Imagen().copy()) {}

    const QImage& Imagen() const { return imagen_; }

    void Linea(Single x, Single y, Single dx, Single dy, int estilo) {
        QPainter p(&imagen_);
        p.setPen(QPen(Frente(), 0, Trazo(estilo)));
        p.drawLine(Pixel(x, y), Pixel(Single(double(x) + dx), Single(double(y) + dy)));
    }

    void Caja(Single x, Single y, Single w, Single h, Long color, bool contorno, int drawStyle,
              int fillStyle, Long fillColor) {
        const QRect r =
            QRect(Pixel(x, y), Pixel(Single(double(x) + w), Single(double(y) + h))).normalized();
        QPainter p(&imagen_);
        p.fillRect(r, ColorDesdeLong(color));
        if (!contorno) return;
        if (Trama(fillStyle) != Qt::NoBrush && r.width() > 2 && r.height() > 2)
            p.fillRect(r.adjusted(1, 1, -1, -1),
                       QBrush(ColorDesdeLong(fillColor), Trama(fillStyle)));
        p.setPen(QPen(Frente(), 0, Trazo(drawStyle)));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }

    void Print(Single x, Single y, Integer n) {
        QPainter p(&imagen_);
        p.setFont(lienzo_.font());
        p.setPen(Frente());
        const QPoint a = Pixel(x, y);
        p.drawText(a.x(), a.y() + p.fontMetrics().ascent(), TextoImpreso(n));
    }

  private:
    QColor Frente() const { return lienzo_.palette().color(QPalette::WindowText); }
    QPoint Pixel(Single x, Single y) const {
        return {TwipsAPixeles(x, lienzo_.PuntosPorPulgadaX()),
                TwipsAPixeles(y, lienzo_.PuntosPorPulgadaY())};
    }

    const Lienzo& lienzo_;
    QImage imagen_;
};

// A picture of 360 × 240 pixels in the program's font, wiped.
std::unique_ptr<Lienzo> LienzoEnBlanco() {
    auto lienzo = std::make_unique<Lienzo>();
    lienzo->setFont(FuenteVentana());
    lienzo->resize(360, 240);
    lienzo->Cls();
    return lienzo;
}

QString PrimeraDiferencia(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16)
                    .arg(b.pixel(x, y), 8, 16);
    return {};
}

} // namespace

void TestLienzoTandas::numerosComoTexto() {
    // Digits that kern in pairs ("11"), the sign, the widest and narrowest numbers, at whole and
    // fractional twips, over a coloured box; and a sample of the whole range.
    QList<int> numeros = {-32768, -32767, -1111, -10, -9,   -1,   0,    1,     7,     10,
                          11,     17,     71,    111, 1010, 1111, 4747, 11111, 20000, 32767};
    for (int n = -32768; n <= 32767; n += 997)
        numeros.append(n);
    auto lienzo = LienzoEnBlanco();
    for (int tanda = 0; tanda < numeros.size(); tanda += 20) {
        lienzo->Cls();
        Modelo modelo(*lienzo);
        lienzo->CajaRellena(0, 0, 2000, 3600, 0x0000FF00);
        modelo.Caja(0, 0, 2000, 3600, 0x0000FF00, false, 0, 1, 0);
        for (int k = tanda; k < std::min(tanda + 20, int(numeros.size())); ++k) {
            const Single x = Single(k % 2) * 2500 + Single(k % 7) * 3.7f;
            const Single y = Single((k - tanda) / 2) * 340 + Single(k % 3) * 5.1f;
            lienzo->setCurrentX(x);
            lienzo->setCurrentY(y);
            lienzo->Print(Integer(numeros[k]));
            modelo.Print(x, y, Integer(numeros[k]));
        }
        QVERIFY2(lienzo->Imagen() == modelo.Imagen(),
                 qPrintable(PrimeraDiferencia(lienzo->Imagen(), modelo.Imagen())));
    }
}

void TestLienzoTandas::operacionesAlAzar_data() {
    QTest::addColumn<unsigned>("semilla");
    for (unsigned semilla : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u})
        QTest::newRow(qPrintable(QString::number(semilla))) << semilla;
}

void TestLienzoTandas::operacionesAlAzar() {
    QFETCH(unsigned, semilla);
    std::mt19937 azar(semilla);
    auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    auto lienzo = LienzoEnBlanco();
    Modelo modelo(*lienzo);
    // Runs of strips over the same rows (some one pixel wide, some hatched, some left without an
    // outline, some covering the last, some taller or shorter), runs of segments (repeated,
    // level, upright, slanted, across the edges), and numbers in between; twips as the drawing
    // routines pass them.
    for (int tanda = 0; tanda < 40; ++tanda) {
        const int tipo = entre(0, 2);
        if (tipo == 0) {
            Single x = Single(entre(-600, 5400)) + Single(entre(0, 9)) / 8;
            const Single y = Single(entre(-600, 3600)), alto = Single(entre(0, 1500)) + 0.37f;
            for (int k = entre(1, 30); k > 0; --k) {
                const Single w = Single(entre(0, 400)) / Single(entre(1, 9));
                // Now and then one of another height from the same top.
                const Single h = entre(0, 6) == 0 ? alto + Single(entre(-400, 400)) : alto;
                const Long color = entre(0, 0x00FFFFFF);
                const int drawStyle = entre(0, 6) == 0 ? 2 : 0;
                const int fillStyle = entre(0, 5) == 0 ? 7 : 1;
                const Long fillColor = entre(0, 0x00FFFFFF);
                const bool contorno = entre(0, 4) != 0;
                lienzo->setDrawStyle(drawStyle);
                lienzo->setFillStyle(fillStyle);
                lienzo->setFillColor(fillColor);
                lienzo->CajaRellena(x, y, w, h, color);
                if (contorno) lienzo->Caja(x, y, w, h);
                modelo.Caja(x, y, w, h, color, contorno, drawStyle, fillStyle, fillColor);
                x = Single(double(x) + (entre(0, 3) == 0 ? -double(w) / 2 : double(w)));
            }
        } else if (tipo == 1) {
            const int estilo = entre(0, 5);
            lienzo->setDrawStyle(estilo);
            const Single x0 = Single(entre(-300, 5400)), y0 = Single(entre(-300, 3600));
            for (int k = entre(1, 40); k > 0; --k) {
                const Single d = Single(entre(0, 60)) * 37.5f;
                const Single largo = Single(entre(-2000, 6000));
                const int forma = entre(0, 4);
                const Single x = forma == 0 ? x0 + d : x0, y = forma == 1 ? y0 + d : y0;
                const Single dx = forma == 0 ? 0 : (forma == 2 ? 0 : largo);
                const Single dy = forma == 1 ? 0 : (forma == 3 ? Single(entre(-900, 900)) : largo);
                lienzo->Linea(x, y, dx, dy);
                modelo.Linea(x, y, dx, dy, estilo);
                if (entre(0, 3) == 0) { // the same segment again
                    lienzo->Linea(x, y, dx, dy);
                    modelo.Linea(x, y, dx, dy, estilo);
                }
            }
        } else {
            const Single x = Single(entre(-300, 5400)), y = Single(entre(-300, 3600));
            const Integer n = Integer(entre(-32768, 32767));
            lienzo->setCurrentX(x);
            lienzo->setCurrentY(y);
            lienzo->Print(n);
            modelo.Print(x, y, n);
        }
        if (entre(0, 9) == 0) // read in the middle of a run
            QVERIFY2(lienzo->Imagen() == modelo.Imagen(),
                     qPrintable(PrimeraDiferencia(lienzo->Imagen(), modelo.Imagen())));
    }
    QVERIFY2(lienzo->Imagen() == modelo.Imagen(),
             qPrintable(PrimeraDiferencia(lienzo->Imagen(), modelo.Imagen())));
}

QTEST_MAIN(TestLienzoTandas)
#include "test_lienzo_tandas.moc"
