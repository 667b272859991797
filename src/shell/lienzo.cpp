#include "shell/lienzo.h"

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

namespace {

Qt::BrushStyle TramaDeFillStyle(int estilo) {
    switch (estilo) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;  // 1 and anything unknown: transparent
    }
}

Qt::PenStyle TrazoDeDrawStyle(int estilo) {
    switch (estilo) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

}  // namespace

Lienzo::Lienzo(QWidget* padre) : QWidget(padre) {
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double Lienzo::PuntosPorPulgadaX() const { return logicalDpiX() * devicePixelRatioF(); }
double Lienzo::PuntosPorPulgadaY() const { return logicalDpiY() * devicePixelRatioF(); }

QPoint Lienzo::APixel(Single x, Single y) const {
    return {TwipsAPixeles(x, PuntosPorPulgadaX()), TwipsAPixeles(y, PuntosPorPulgadaY())};
}

QRect Lienzo::RectanguloPixeles(Single x, Single y, Single w, Single h) const {
    const QPoint a = APixel(x, y);
    const QPoint b = {TwipsAPixeles(double(x) + double(w), PuntosPorPulgadaX()),
                      TwipsAPixeles(double(y) + double(h), PuntosPorPulgadaY())};
    return QRect(a, b).normalized();  // both corners belong to the box
}

QColor Lienzo::ColorFrente() const { return palette().color(QPalette::WindowText); }
QColor Lienzo::ColorFondo() const { return palette().color(QPalette::Window); }

void Lienzo::AsegurarTamano() {
    const qreal dpr = devicePixelRatioF();
    const QSize necesario(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr)));
    if (!imagen_.isNull() && imagen_.width() >= necesario.width() &&
        imagen_.height() >= necesario.height())
        return;
    // Grow, never shrink: what lies outside a smaller window comes back when it grows again.
    const QSize nuevo = necesario.expandedTo(imagen_.size()).expandedTo(QSize(1, 1));
    QImage mayor(nuevo, QImage::Format_RGB32);
    mayor.setDotsPerMeterX(int(std::lround(PuntosPorPulgadaX() / 0.0254)));
    mayor.setDotsPerMeterY(int(std::lround(PuntosPorPulgadaY() / 0.0254)));
    mayor.fill(ColorFondo());
    if (!imagen_.isNull()) {
        QPainter p(&mayor);
        p.drawImage(0, 0, imagen_);
    }
    imagen_ = std::move(mayor);
}

void Lienzo::Ensuciar(const QRect& pixeles) {
    // Thousands of small boxes and numbers are drawn in one go; they are gathered into one
    // rectangle and handed to the window once, when the program next lets events run.
    const bool pendiente = !sucio_.isEmpty();
    sucio_ |= pixeles;
    if (!pendiente)
        QMetaObject::invokeMethod(this, &Lienzo::ActualizarSucio, Qt::QueuedConnection);
}

void Lienzo::ActualizarSucio() {
    if (sucio_.isEmpty()) return;
    const qreal dpr = devicePixelRatioF();
    const QRect logico(int(std::floor(sucio_.x() / dpr)) - 1, int(std::floor(sucio_.y() / dpr)) - 1,
                       int(std::ceil(sucio_.width() / dpr)) + 3,
                       int(std::ceil(sucio_.height() / dpr)) + 3);
    sucio_ = QRect();
    update(logico);
}

void Lienzo::Linea(Single x, Single y, Single dx, Single dy) {
    AsegurarTamano();
    const QPoint a = APixel(x, y);
    const QPoint b = APixel(Single(double(x) + dx), Single(double(y) + dy));
    QPainter p(&imagen_);
    QPen pluma(ColorFrente(), 0, TrazoDeDrawStyle(drawStyle_));
    p.setPen(pluma);
    p.drawLine(a, b);
    Ensuciar(QRect(a, b).normalized());
}

void Lienzo::CajaRellena(Single x, Single y, Single w, Single h, Long color) {
    AsegurarTamano();
    const QRect r = RectanguloPixeles(x, y, w, h);
    QPainter p(&imagen_);
    p.fillRect(r, ColorDesdeLong(color));
    Ensuciar(r);
}

void Lienzo::Caja(Single x, Single y, Single w, Single h) {
    AsegurarTamano();
    const QRect r = RectanguloPixeles(x, y, w, h);
    QPainter p(&imagen_);
    const Qt::BrushStyle trama = TramaDeFillStyle(fillStyle_);
    if (trama != Qt::NoBrush && r.width() > 2 && r.height() > 2)
        p.fillRect(r.adjusted(1, 1, -1, -1), QBrush(ColorDesdeLong(fillColor_), trama));
    p.setPen(QPen(ColorFrente(), 0, TrazoDeDrawStyle(drawStyle_)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));  // a cosmetic outline covers one pixel past its rect
    Ensuciar(r);
}

void Lienzo::Print(Integer n) {
    AsegurarTamano();
    const int valor = n;
    const QString texto = (valor < 0 ? QStringLiteral("-") : QStringLiteral(" ")) +
                          QString::number(valor < 0 ? -valor : valor) + QStringLiteral(" ");
    const QPoint a = APixel(currentX_, currentY_);
    QPainter p(&imagen_);
    p.setFont(font());
    p.setPen(ColorFrente());
    const QFontMetrics medidas = p.fontMetrics();
    p.drawText(a.x(), a.y() + medidas.ascent(), texto);
    Ensuciar(QRect(a, QSize(medidas.horizontalAdvance(texto) + 2, medidas.height() + 2)));
    // Like a printed line: the next print starts at the left, one line lower.
    currentX_ = 0;
    currentY_ = Single(double(currentY_) + PixelesATwips(medidas.height(), PuntosPorPulgadaY()));
}

void Lienzo::Cls() {
    AsegurarTamano();
    imagen_.fill(ColorFondo());
    currentX_ = currentY_ = 0;
    sucio_ = QRect();
    update();
}

void Lienzo::Refresh() {
    ActualizarSucio();
    repaint();
}

Long Lienzo::ColorEn(Single x, Single y) const {
    const QPoint a = APixel(x, y);
    if (!imagen_.valid(a)) return LongDesdeColor(ColorFondo());
    return LongDesdeColor(imagen_.pixelColor(a));
}

void Lienzo::paintEvent(QPaintEvent* evento) {
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
    // A new screen may bring another pixel ratio: keep the picture in whole device pixels.
    if (evento->type() == QEvent::ScreenChangeInternal) AsegurarTamano();
    QWidget::changeEvent(evento);
}
