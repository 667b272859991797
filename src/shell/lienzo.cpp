#include "shell/lienzo.h"

#include "shell/twips.h"

#include <QEvent>
#include <QPaintEvent>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <tuple>

QColor ColorDesdeLong(Long color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

Long LongDesdeColor(const QColor& color) {
    return static_cast<Long>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

namespace {

Qt::BrushStyle TramaDeFillStyle(int estilo) {
    switch (estilo) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern;
    case 5:
        return Qt::FDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush; // 1 and anything unknown: transparent
    }
}

Qt::PenStyle TrazoDeDrawStyle(int estilo) {
    switch (estilo) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

// ---- the picture ----

std::size_t Lienzo::HashLinea::operator()(const ClaveLinea& c) const noexcept {
    std::size_t h = std::size_t(c.trazo);
    for (int v : {c.ax, c.ay, c.bx, c.by})
        h = h * 0x9E3779B97F4A7C15ull + std::size_t(unsigned(v));
    return h ^ (h >> 29);
}

Lienzo::Lienzo(QWidget* padre) : QWidget(padre) {
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double Lienzo::PuntosPorPulgadaX() const {
    return logicalDpiX() * devicePixelRatioF();
}
double Lienzo::PuntosPorPulgadaY() const {
    return logicalDpiY() * devicePixelRatioF();
}

Lienzo::Escala Lienzo::EscalaActual() const {
    return {PuntosPorPulgadaX(), PuntosPorPulgadaY(), ColorFrente()};
}

QPoint Lienzo::APixel(Single x, Single y, const Escala& e) {
    return {TwipsAPixeles(x, e.ppx), TwipsAPixeles(y, e.ppy)};
}

QRect Lienzo::RectanguloPixeles(Single x, Single y, Single w, Single h) const {
    const QPoint a = APixel(x, y, escala_);
    const QPoint b = {TwipsAPixeles(double(x) + double(w), escala_.ppx),
                      TwipsAPixeles(double(y) + double(h), escala_.ppy)};
    return QRect(a, b).normalized(); // both corners belong to the box
}

QColor Lienzo::ColorFrente() const {
    // The picture is a diagram of fixed colours: its lines and numbers are a dark ink that reads
    // on its white, green and red, whatever colours the desktop gives text (white on a dark or
    // high-contrast theme).
    return Qt::black;
}
QColor Lienzo::ColorFondo() const {
    return palette().color(QPalette::Window);
}

void Lienzo::AsegurarTamano() {
    const qreal dpr = devicePixelRatioF();
    const QSize necesario(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr)));
    const int porMetroX = int(std::lround(PuntosPorPulgadaX() / 0.0254));
    const int porMetroY = int(std::lround(PuntosPorPulgadaY() / 0.0254));
    // A picture made for another scale (the window moved to another screen) is of no use at this
    // one: its window draws it again.
    const bool otraEscala =
        imagen_.dotsPerMeterX() != porMetroX || imagen_.dotsPerMeterY() != porMetroY;
    if (!imagen_.isNull() && !otraEscala && imagen_.width() >= necesario.width() &&
        imagen_.height() >= necesario.height())
        return;
    Asentar();
    if (otraEscala) imagen_ = QImage();
    // Grow, never shrink: what lies outside a smaller window comes back when it grows again.
    const QSize nuevo = necesario.expandedTo(imagen_.size()).expandedTo(QSize(1, 1));
    QImage mayor(nuevo, QImage::Format_RGB32);
    mayor.setDotsPerMeterX(porMetroX);
    mayor.setDotsPerMeterY(porMetroY);
    mayor.fill(ColorFondo());
    if (!imagen_.isNull()) {
        QPainter p(&mayor);
        p.drawImage(0, 0, imagen_);
    }
    imagen_ = std::move(mayor);
    cifrasPreparadas_ = false; // the new picture may have another resolution
}

QPainter& Lienzo::Pintor() {
    if (!pintor_.isActive()) {
        AsegurarTamano();
        escala_ = EscalaActual();
        pintor_.begin(&imagen_);
        trazoPluma_.reset();
        medidas_.reset();
        // The run ends when the program next lets events run.
        if (!tandaEnCola_) {
            tandaEnCola_ = true;
            QMetaObject::invokeMethod(this, &Lienzo::TerminarTanda, Qt::QueuedConnection);
        }
    }
    return pintor_;
}

void Lienzo::UsarPluma(Qt::PenStyle trazo) {
    // Every line, outline and number is drawn in the foreground colour with a cosmetic pen; only
    // its style changes.
    if (trazo == trazoPluma_) return;
    pintor_.setPen(QPen(escala_.frente, 0, trazo));
    trazoPluma_ = trazo;
}

void Lienzo::DibujarContorno(const QRect& r, const Contorno& c) {
    if (c.trama != Qt::NoBrush && r.width() > 2 && r.height() > 2) {
        if (tramaUsada_.style() != c.trama || tramaUsada_.color() != c.colorTrama)
            tramaUsada_ = QBrush(c.colorTrama, c.trama);
        pintor_.fillRect(r.adjusted(1, 1, -1, -1), tramaUsada_);
    }
    if (ContornoSimple(r, c)) {
        // A solid cosmetic outline of a whole box is its four edges, one pixel thick: filled as
        // such they cost a fraction of stroking the outline.
        const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
        pintor_.fillRect(QRect(x, y, w, 1), escala_.frente);
        pintor_.fillRect(QRect(x, y + h - 1, w, 1), escala_.frente);
        pintor_.fillRect(QRect(x, y + 1, 1, h - 2), escala_.frente);
        pintor_.fillRect(QRect(x + w - 1, y + 1, 1, h - 2), escala_.frente);
        return;
    }
    UsarPluma(c.trazo);
    // A cosmetic outline covers one pixel past its rectangle.
    pintor_.drawRect(r.adjusted(0, 0, -1, -1));
}

bool Lienzo::ContornoSolido(const Contorno& c) const {
    return c.trazo == Qt::SolidLine && c.trama == Qt::NoBrush && escala_.frente.alpha() == 255;
}

bool Lienzo::ContornoSimple(const QRect& r, const Contorno& c) const {
    return ContornoSolido(c) && r.width() >= 2 && r.height() >= 2 && imagen_.rect().contains(r);
}

bool Lienzo::Componible(const CajaDiferida& caja) const {
    // Outlined solid, a box one pixel wide is all outline: a single upright segment.
    return caja.r.height() >= 2 && imagen_.rect().contains(caja.r) &&
           (!caja.contorno || ContornoSolido(*caja.contorno));
}

void Lienzo::DibujarDiferida() {
    if (diferidas_.empty()) return;
    if (diferidas_.size() == 1) {
        const CajaDiferida& caja = diferidas_.front();
        pintor_.fillRect(caja.r, caja.relleno);
        if (caja.contorno) DibujarContorno(caja.r, *caja.contorno);
        diferidas_.clear();
        return;
    }
    // Boxes over the same rows, each filled whole and perhaps outlined: every column ends as the
    // last box over it left it, the same from its second row to its last but one. One row of each
    // kind is made and copied down the rows, as the picture lies in memory.
    const int arriba = diferidas_.front().r.top(), abajo = diferidas_.front().r.bottom();
    int izquierda = diferidas_.front().r.left(), derecha = diferidas_.front().r.right();
    for (const CajaDiferida& caja : diferidas_) {
        izquierda = std::min(izquierda, caja.r.left());
        derecha = std::max(derecha, caja.r.right());
    }
    const int ancho = derecha - izquierda + 1;
    std::vector<QRgb> borde(std::size_t(ancho), 0), interior(std::size_t(ancho), 0);
    std::vector<bool> cubierto(std::size_t(ancho), false);
    const QRgb tinta = escala_.frente.rgba();
    for (const CajaDiferida& caja : diferidas_) {
        const QRgb relleno = caja.relleno.rgba();
        for (int x = caja.r.left(); x <= caja.r.right(); ++x) {
            const std::size_t i = std::size_t(x - izquierda);
            const bool lado = caja.contorno && (x == caja.r.left() || x == caja.r.right());
            interior[i] = lado ? tinta : relleno;
            borde[i] = caja.contorno ? tinta : relleno;
            cubierto[i] = true;
        }
    }
    diferidas_.clear();
    // The stretches of columns some box covers; the others keep what they had.
    std::vector<std::pair<int, int>> tramos;
    for (int i = 0; i < ancho;) {
        if (!cubierto[std::size_t(i)]) {
            ++i;
            continue;
        }
        int fin = i;
        while (fin < ancho && cubierto[std::size_t(fin)])
            ++fin;
        tramos.emplace_back(i, fin);
        i = fin;
    }
    uchar* const bits = imagen_.bits();
    const qsizetype porFila = imagen_.bytesPerLine();
    for (int y = arriba; y <= abajo; ++y) {
        const QRgb* const modelo = (y == arriba || y == abajo) ? borde.data() : interior.data();
        QRgb* const fila = reinterpret_cast<QRgb*>(bits + qsizetype(y) * porFila) + izquierda;
        for (const auto& [desde, hasta] : tramos)
            std::memcpy(fila + desde, modelo + desde, std::size_t(hasta - desde) * sizeof(QRgb));
    }
}

const Lienzo::Sello& Lienzo::SelloDe(QPoint d, Qt::PenStyle trazo) {
    const ClaveLinea clave{d.x(), d.y(), 0, 0, int(trazo)};
    const auto hallado = sellos_.find(clave);
    if (hallado != sellos_.end()) return hallado->second;
    // Qt draws the segment once on a scrap of picture, with room around it; the pixels it sets,
    // taken from the segment's first point, are the same wherever the segment lies.
    constexpr int kMargen = 2;
    const QPoint inicio(kMargen + std::max(0, -d.x()), kMargen + std::max(0, -d.y()));
    QImage prueba(std::abs(d.x()) + 2 * kMargen + 1, std::abs(d.y()) + 2 * kMargen + 1,
                  QImage::Format_RGB32);
    prueba.fill(Qt::white);
    {
        QPainter p(&prueba);
        p.setPen(QPen(Qt::black, 0, trazo));
        p.drawLine(inicio, inicio + d);
    }
    Sello sello;
    for (int y = 0; y < prueba.height(); ++y) // row by row, as the picture is laid out
        for (int x = 0; x < prueba.width(); ++x)
            if (prueba.pixel(x, y) != qRgb(255, 255, 255)) {
                sello.puntos.push_back(QPoint(x, y) - inicio);
                sello.caja |= QRect(sello.puntos.back(), QSize(1, 1));
            }
    return sellos_.emplace(clave, std::move(sello)).first->second;
}

void Lienzo::DibujarLineas() {
    if (lineas_.empty()) return;
    if (sellos_.size() > 64) sellos_.clear(); // lengths of another layout
    // The segments of a run share one opaque colour, so together they set the union of their
    // pixels, in whatever order. Level and upright ones are set straight into the picture, those
    // that start on the same row together, one row at a time, as the picture lies in memory.
    struct Estampa {
        const Sello* sello;
        int y, x;
        bool operator<(const Estampa& o) const {
            // Stamps of one segment together; `<` does not order pointers to separate objects.
            if (sello != o.sello) return std::less<const Sello*>()(sello, o.sello);
            return std::tie(y, x) < std::tie(o.y, o.x);
        }
    };
    std::vector<Estampa> estampas;
    estampas.reserve(lineas_.size());
    for (const ClaveLinea& l : lineas_) {
        const QPoint a(l.ax, l.ay), b(l.bx, l.by);
        const Qt::PenStyle trazo = TrazoDeDrawStyle(l.trazo);
        if (trazo == Qt::NoPen) continue;
        if (a.x() == b.x() || a.y() == b.y()) {
            const Sello& sello = SelloDe(b - a, trazo);
            if (imagen_.rect().contains(sello.caja.translated(a))) {
                estampas.push_back({&sello, a.y(), a.x()});
                continue;
            }
        }
        UsarPluma(trazo);
        pintor_.drawLine(a, b);
    }
    // A fresh set: clearing keeps every bucket of the largest grid, and clears them all each time.
    lineas_ = {};
    recientes_ = 0;
    std::sort(estampas.begin(), estampas.end());
    const QRgb tinta = escala_.frente.rgba();
    uchar* const bits = imagen_.bits();
    const qsizetype porFila = imagen_.bytesPerLine();
    for (auto grupo = estampas.begin(); grupo != estampas.end();) {
        auto fin = grupo;
        while (fin != estampas.end() && fin->sello == grupo->sello && fin->y == grupo->y)
            ++fin;
        for (const QPoint& o : grupo->sello->puntos) {
            QRgb* const fila =
                reinterpret_cast<QRgb*>(bits + qsizetype(grupo->y + o.y()) * porFila) + o.x();
            for (auto e = grupo; e != fin; ++e)
                fila[e->x] = tinta;
        }
        grupo = fin;
    }
}

void Lienzo::Asentar() {
    if (!pintor_.isActive()) return;
    DibujarDiferida();
    DibujarLineas();
    medidas_.reset();
    pintor_.end();
}

void Lienzo::Ensuciar(const QRect& pixeles) {
    sucio_ |= pixeles;
}

void Lienzo::TerminarTanda() {
    tandaEnCola_ = false;
    Asentar();
    ActualizarSucio();
}

QRect Lienzo::EnPuntosLogicos(const QRect& pixeles) const {
    const qreal dpr = devicePixelRatioF();
    return QRect(int(std::floor(pixeles.x() / dpr)) - 1, int(std::floor(pixeles.y() / dpr)) - 1,
                 int(std::ceil(pixeles.width() / dpr)) + 3,
                 int(std::ceil(pixeles.height() / dpr)) + 3);
}

void Lienzo::ActualizarSucio() {
    if (sucio_.isEmpty()) return;
    update(EnPuntosLogicos(sucio_));
    sucio_ = QRect();
}

void Lienzo::Linea(Single x, Single y, Single dx, Single dy) {
    Pintor();
    DibujarDiferida();
    const QPoint a = APixel(x, y, escala_);
    const QPoint b = APixel(Single(double(x) + dx), Single(double(y) + dy), escala_);
    Ensuciar(QRect(a, b).normalized());
    if (escala_.frente.alpha() == 255) {
        // Drawn when the run of segments ends; the same segment twice is drawn once. A grid of
        // thousands of lines on a few hundred pixels repeats each of the last few again and again.
        const ClaveLinea clave{a.x(), a.y(), b.x(), b.y(), drawStyle_};
        const auto vistas = ultimasLineas_.begin() + std::min(recientes_, kRecientes);
        if (std::find(ultimasLineas_.begin(), vistas, clave) != vistas) return;
        ultimasLineas_[std::size_t(recientes_++ % kRecientes)] = clave;
        lineas_.insert(clave);
    } else {
        UsarPluma(TrazoDeDrawStyle(drawStyle_)); // a translucent ink darkens where it crosses
        pintor_.drawLine(a, b);
    }
}

void Lienzo::CajaRellena(Single x, Single y, Single w, Single h, Long color) {
    Pintor();
    const QRect r = RectanguloPixeles(x, y, w, h);
    DibujarLineas();
    // The fill paints every pixel of r, so a box still waiting inside r would never be seen.
    while (!diferidas_.empty() && r.contains(diferidas_.back().r))
        diferidas_.pop_back();
    // Boxes that share their rows wait together (the strips of an operand cut in columns).
    const CajaDiferida caja{r, ColorDesdeLong(color), std::nullopt};
    if (!diferidas_.empty()) {
        const CajaDiferida& ultima = diferidas_.back();
        if (r.top() != ultima.r.top() || r.bottom() != ultima.r.bottom() || !Componible(ultima) ||
            !Componible(caja))
            DibujarDiferida();
    }
    diferidas_.push_back(caja);
    Ensuciar(r);
}

void Lienzo::Caja(Single x, Single y, Single w, Single h) {
    Pintor();
    const QRect r = RectanguloPixeles(x, y, w, h);
    DibujarLineas();
    const Contorno contorno{TrazoDeDrawStyle(drawStyle_), TramaDeFillStyle(fillStyle_),
                            ColorDesdeLong(fillColor_)};
    if (!diferidas_.empty() && !diferidas_.back().contorno && diferidas_.back().r == r) {
        // The outline of the box just filled: it waits with it, unless the boxes waiting together
        // could not take it.
        if (diferidas_.size() == 1 || Componible({r, diferidas_.back().relleno, contorno})) {
            diferidas_.back().contorno = contorno;
        } else {
            const CajaDiferida caja = diferidas_.back();
            diferidas_.pop_back();
            DibujarDiferida();
            pintor_.fillRect(caja.r, caja.relleno);
            DibujarContorno(r, contorno);
        }
    } else {
        DibujarDiferida();
        DibujarContorno(r, contorno);
    }
    Ensuciar(r);
}

void Lienzo::Print(Integer n) {
    QPainter& p = Pintor();
    DibujarDiferida();
    DibujarLineas();
    const QPoint a = APixel(currentX_, currentY_, escala_);
    if (!medidas_) {
        p.setFont(font());
        const QFontMetrics fm = p.fontMetrics();
        medidas_ = Medidas{fm, fm.ascent(), fm.height()};
        if (!cifrasPreparadas_) {
            cifras_ = CifrasImpresas::Preparar(font(), imagen_);
            cifrasPreparadas_ = true;
        }
    }
    const QPoint base(a.x(), a.y() + medidas_->ascenso);
    int ancho;
    if (cifras_) {
        UsarPluma(Qt::SolidLine);
        ancho = int(std::ceil(cifras_->Dibujar(p, base, n)));
    } else {
        const QString texto = TextoImpreso(n);
        p.setPen(escala_.frente);
        trazoPluma_.reset();
        p.drawText(base, texto);
        ancho = medidas_->fm.horizontalAdvance(texto);
    }
    Ensuciar(QRect(a, QSize(ancho + 2, medidas_->alto + 2)));
    // Like a printed line: the next print starts at the left, one line lower.
    currentX_ = 0;
    currentY_ = Single(double(currentY_) + PixelesATwips(medidas_->alto, escala_.ppy));
}

void Lienzo::Cls() {
    Asentar();
    AsegurarTamano();
    imagen_.fill(ColorFondo());
    currentX_ = currentY_ = 0;
    sucio_ = QRect();
    update();
}

void Lienzo::Refresh() {
    Asentar();
    if (sucio_.isEmpty()) {
        repaint();
        return;
    }
    // Only what was drawn since the window was last told needs painting now.
    const QRect logico = EnPuntosLogicos(sucio_);
    sucio_ = QRect();
    repaint(logico);
}

// Reading the picture settles the run of drawing under way, so that what is read is complete; a
// Lienzo is never itself const, only seen through a const reference.
const QImage& Lienzo::Imagen() const {
    const_cast<Lienzo*>(this)->Asentar();
    return imagen_;
}

Long Lienzo::ColorEn(Single x, Single y) const {
    const_cast<Lienzo*>(this)->Asentar();
    const QPoint a = APixel(x, y, EscalaActual());
    if (!imagen_.valid(a)) return LongDesdeColor(ColorFondo());
    return LongDesdeColor(imagen_.pixelColor(a));
}

void Lienzo::paintEvent(QPaintEvent* evento) {
    Asentar();
    AsegurarTamano();
    QPainter p(this);
    const qreal dpr = devicePixelRatioF();
    const QRect destino = evento->rect();
    const QRectF origen(destino.x() * dpr, destino.y() * dpr, destino.width() * dpr,
                        destino.height() * dpr);
    p.drawImage(QRectF(destino), imagen_, origen);
}

void Lienzo::resizeEvent(QResizeEvent* evento) {
    AsegurarTamano();
    QWidget::resizeEvent(evento);
}

void Lienzo::changeEvent(QEvent* evento) {
    switch (evento->type()) {
    case QEvent::ScreenChangeInternal:
        // A new screen may bring another pixel ratio: keep the picture in whole device pixels.
        Asentar();
        cifrasPreparadas_ = false;
        AsegurarTamano();
        break;
    case QEvent::FontChange:
        Asentar(); // the next run takes the new font
        cifrasPreparadas_ = false;
        break;
    case QEvent::PaletteChange:
        Asentar(); // and the new colours
        emit ColoresCambiados();
        break;
    default:
        break;
    }
    QWidget::changeEvent(evento);
}
