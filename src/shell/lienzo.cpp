#include "shell/lienzo.h"

#include "shell/tanda_dibujo.h"
#include "shell/twips.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <cmath>

QColor ColorDesdeLong(Long color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

Long LongDesdeColor(const QColor& color) {
    return static_cast<Long>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

Lienzo::Lienzo(QWidget* padre) : QWidget(padre), tanda_(std::make_unique<TandaDibujo>()) {
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Lienzo::~Lienzo() = default;

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

QColor TintaDelDibujo() {
    return Qt::black;
}

QColor Lienzo::ColorFrente() const {
    return TintaDelDibujo();
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
    const bool perdida = otraEscala && !imagen_.isNull();
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
    tanda_->OlvidarCifras(); // the new picture may have another resolution
    if (perdida) emit EscalaCambiada();
}

void Lienzo::EmpezarTanda() {
    if (tanda_->Activa()) return;
    AsegurarTamano();
    escala_ = EscalaActual();
    tanda_->Empezar(imagen_, escala_.frente);
    // The run ends when the program next lets events run.
    if (!tandaEnCola_) {
        tandaEnCola_ = true;
        QMetaObject::invokeMethod(this, &Lienzo::TerminarTanda, Qt::QueuedConnection);
    }
}

void Lienzo::Asentar() {
    tanda_->Asentar();
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
    EmpezarTanda();
    const QPoint a = APixel(x, y, escala_);
    const QPoint b = APixel(Single(double(x) + dx), Single(double(y) + dy), escala_);
    Ensuciar(QRect(a, b).normalized());
    tanda_->Linea(a, b, drawStyle_);
}

void Lienzo::CajaRellena(Single x, Single y, Single w, Single h, Long color) {
    EmpezarTanda();
    const QRect r = RectanguloPixeles(x, y, w, h);
    tanda_->CajaRellena(r, ColorDesdeLong(color));
    Ensuciar(r);
}

void Lienzo::Caja(Single x, Single y, Single w, Single h) {
    EmpezarTanda();
    const QRect r = RectanguloPixeles(x, y, w, h);
    tanda_->Caja(r, {TrazoDeDrawStyle(drawStyle_), TramaDeFillStyle(fillStyle_),
                     ColorDesdeLong(fillColor_)});
    Ensuciar(r);
}

void Lienzo::Print(Integer n) {
    EmpezarTanda();
    const QRect r = tanda_->Imprimir(APixel(currentX_, currentY_, escala_), n, font());
    Ensuciar(r);
    // Like a printed line: the next print starts at the left, one line lower.
    currentX_ = 0;
    currentY_ = Single(double(currentY_) + PixelesATwips(r.height() - 2, escala_.ppy));
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
        tanda_->OlvidarCifras();
        AsegurarTamano();
        break;
    case QEvent::FontChange:
        Asentar(); // the next run takes the new font
        tanda_->OlvidarCifras();
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
