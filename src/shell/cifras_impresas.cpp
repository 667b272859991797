#include "shell/cifras_impresas.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <string_view>

namespace {

constexpr char16_t kAlfabeto[] = u"0123456789 -";

int Simbolo(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    return c == u' ' ? 10 : 11;
}

// " 32767 " is the longest: sign place, five digits, blank.
constexpr int kMaximo = 8;

int Caracteres(Integer n, char16_t (&texto)[kMaximo]) {
    int valor = n;
    char16_t cifras[kMaximo];
    int k = 0;
    const bool negativo = valor < 0;
    unsigned resto = negativo ? unsigned(-valor) : unsigned(valor);
    do {
        cifras[k++] = char16_t(u'0' + resto % 10);
        resto /= 10;
    } while (resto != 0);
    int largo = 0;
    texto[largo++] = negativo ? u'-' : u' ';
    while (k > 0)
        texto[largo++] = cifras[--k];
    texto[largo++] = u' ';
    return largo;
}

// Every ordered pair of the symbols side by side, so that any kerning between two of them shows.
QString Pares() {
    QString s;
    for (char16_t a : std::u16string_view(kAlfabeto))
        for (char16_t b : std::u16string_view(kAlfabeto)) {
            s += QChar(a);
            s += QChar(b);
        }
    return s;
}

QImage ImagenDePrueba(const QImage& destino, int ancho, int alto) {
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.setDotsPerMeterX(destino.dotsPerMeterX());
    imagen.setDotsPerMeterY(destino.dotsPerMeterY());
    imagen.fill(Qt::white);
    return imagen;
}

} // namespace

QString TextoImpreso(Integer n) {
    char16_t texto[kMaximo];
    const int largo = Caracteres(n, texto);
    return QString(reinterpret_cast<const QChar*>(texto), largo);
}

std::optional<CifrasImpresas> CifrasImpresas::Preparar(const QFont& fuente, const QImage& destino) {
    const QString pares = Pares();
    QImage medida = ImagenDePrueba(destino, 1, 1);
    QTextLayout disposicion(pares, fuente, &medida);
    disposicion.beginLayout();
    QTextLine linea = disposicion.createLine();
    if (!linea.isValid()) return std::nullopt;
    linea.setNumColumns(int(pares.size()));
    disposicion.endLayout();
    const QList<QGlyphRun> corridas = disposicion.glyphRuns();
    if (corridas.size() != 1) return std::nullopt; // more than one font
    const QList<quint32> glifos = corridas[0].glyphIndexes();
    const QList<QPointF> posiciones = corridas[0].positions();
    if (glifos.size() != pares.size() || posiciones.size() != pares.size()) return std::nullopt;

    // Each symbol's glyph, and how far it moves the next one, which may depend on the next one
    // (kerning: "11" sits closer than "10" in many fonts).
    CifrasImpresas c;
    c.fuente_ = corridas[0].rawFont();
    std::array<bool, kSimbolos> glifoVisto{};
    std::array<std::array<bool, kSimbolos>, kSimbolos> parVisto{};
    for (qsizetype k = 0; k < pares.size(); ++k) {
        const int s = Simbolo(pares[k].unicode());
        if (!glifoVisto[s]) c.glifo_[s] = glifos[k];
        glifoVisto[s] = true;
        if (k + 1 == pares.size()) break;
        const int t = Simbolo(pares[k + 1].unicode());
        if (!parVisto[s][t]) c.avance_[s][t] = posiciones[k + 1].x() - posiciones[k].x();
        parVisto[s][t] = true;
    }
    // The text must be exactly its symbols' glyphs, each placed by the pair it ends.
    for (qsizetype k = 0; k < pares.size(); ++k) {
        const int s = Simbolo(pares[k].unicode());
        if (glifos[k] != c.glifo_[s] || posiciones[k].y() != posiciones[0].y()) return std::nullopt;
        if (k > 0) {
            const int r = Simbolo(pares[k - 1].unicode());
            if (posiciones[k].x() != posiciones[k - 1].x() + c.avance_[r][s]) return std::nullopt;
        }
    }

    // And it must look exactly like the text drawn as text, pixel for pixel.
    const qreal ancho = posiciones.last().x() - posiciones[0].x();
    const QSize tamano(int(ancho) + 24, int(linea.height()) + 8);
    const QPointF base(1, 1 + linea.ascent());
    QImage comoTexto = ImagenDePrueba(destino, tamano.width(), tamano.height());
    QImage comoGlifos = ImagenDePrueba(destino, tamano.width(), tamano.height());
    {
        QPainter p(&comoTexto);
        p.setFont(fuente);
        p.setPen(Qt::black);
        p.drawText(base, pares);
    }
    {
        QPainter p(&comoGlifos);
        p.setFont(fuente);
        p.setPen(QPen(Qt::black, 0)); // the pen the picture draws everything with
        QList<QPointF> propias;
        qreal x = 0;
        for (qsizetype k = 0; k < pares.size(); ++k) {
            if (k > 0) x += c.avance_[Simbolo(pares[k - 1].unicode())][Simbolo(pares[k].unicode())];
            propias.append(QPointF(x, 0));
        }
        QGlyphRun corrida;
        corrida.setRawFont(c.fuente_);
        corrida.setGlyphIndexes(glifos);
        corrida.setPositions(propias);
        p.drawGlyphRun(base, corrida);
    }
    if (comoTexto != comoGlifos) return std::nullopt;
    return c;
}

qreal CifrasImpresas::Dibujar(QPainter& p, const QPointF& base, Integer n) const {
    char16_t texto[kMaximo];
    const int largo = Caracteres(n, texto);
    quint32 glifos[kMaximo];
    QPointF posiciones[kMaximo];
    qreal x = 0;
    int anterior = -1;
    for (int k = 0; k < largo; ++k) {
        const int s = Simbolo(texto[k]);
        if (anterior >= 0) x += avance_[anterior][s];
        glifos[k] = glifo_[s];
        posiciones[k] = QPointF(x, 0);
        anterior = s;
    }
    QGlyphRun corrida;
    corrida.setRawFont(fuente_);
    corrida.setRawData(glifos, posiciones, largo);
    p.drawGlyphRun(base, corrida);
    return x + avance_[anterior][Simbolo(u' ')]; // the text ends in a blank
}
