#include "shell/controles.h"

#include "shell/lienzo.h"
#include "shell/twips.h"

#include <QPainter>

#include <algorithm>

namespace {

double DpiX(const QWidget* w) {
    return w->logicalDpiX();
}
double DpiY(const QWidget* w) {
    return w->logicalDpiY();
}

} // namespace

void Nombrar(QWidget* control, const QString& nombre, const QString& descripcion) {
    control->setAccessibleName(nombre);
    control->setAccessibleDescription(descripcion);
}

void MoverTwips(QWidget* control, Single izquierda, Single arriba) {
    control->move(TwipsAPixeles(izquierda, DpiX(control)), TwipsAPixeles(arriba, DpiY(control)));
}

void DimensionarTwips(QWidget* control, Single ancho, Single alto) {
    control->resize(std::max(0, TwipsAPixeles(ancho, DpiX(control))),
                    std::max(0, TwipsAPixeles(alto, DpiY(control))));
}

void UbicarTwips(QWidget* control, Single izquierda, Single arriba, Single ancho, Single alto) {
    MoverTwips(control, izquierda, arriba);
    DimensionarTwips(control, ancho, alto);
}

Single IzquierdaTwips(const QWidget* control) {
    return PixelesATwips(control->x(), DpiX(control));
}
Single ArribaTwips(const QWidget* control) {
    return PixelesATwips(control->y(), DpiY(control));
}

// ---- line control ----

ControlLinea::ControlLinea(QWidget* padre) : QWidget(padre) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void ControlLinea::setX1(Single v) {
    x1_ = v;
    Reubicar();
}
void ControlLinea::setY1(Single v) {
    y1_ = v;
    Reubicar();
}
void ControlLinea::setX2(Single v) {
    x2_ = v;
    Reubicar();
}
void ControlLinea::setY2(Single v) {
    y2_ = v;
    Reubicar();
}

void ControlLinea::Reubicar() {
    const int a = TwipsAPixeles(x1_, DpiX(this)), b = TwipsAPixeles(y1_, DpiY(this));
    const int c = TwipsAPixeles(x2_, DpiX(this)), d = TwipsAPixeles(y2_, DpiY(this));
    // The widget covers the line and the second pixel of its width.
    setGeometry(QRect(QPoint(std::min(a, c), std::min(b, d)),
                      QPoint(std::max(a, c) + 1, std::max(b, d) + 1)));
    update();
}

void ControlLinea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPoint origen = pos();
    const QPoint a(TwipsAPixeles(x1_, DpiX(this)) - origen.x(),
                   TwipsAPixeles(y1_, DpiY(this)) - origen.y());
    const QPoint b(TwipsAPixeles(x2_, DpiX(this)) - origen.x(),
                   TwipsAPixeles(y2_, DpiY(this)) - origen.y());
    // Two pixels wide: the line's own row or column and the one after it.
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.drawLine(a, b);
    const QPoint desplazamiento = (a.y() == b.y()) ? QPoint(0, 1) : QPoint(1, 0);
    p.drawLine(a + desplazamiento, b + desplazamiento);
}

// ---- shape control ----

ControlFigura::ControlFigura(QWidget* padre) : QWidget(padre) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ControlFigura::setWidth(Single w) {
    ancho_ = w;
    Reubicar();
}
void ControlFigura::setHeight(Single h) {
    alto_ = h;
    Reubicar();
}
void ControlFigura::Move(Single izquierda, Single arriba) {
    izquierda_ = izquierda;
    arriba_ = arriba;
    Reubicar();
}

void ControlFigura::setFillColor(Long color) {
    fillColor_ = color;
    update();
}

void ControlFigura::Reubicar() {
    const double dx = DpiX(this), dy = DpiY(this);
    const QPoint a(TwipsAPixeles(izquierda_, dx), TwipsAPixeles(arriba_, dy));
    const QPoint b(TwipsAPixeles(double(izquierda_) + std::max(0.0f, ancho_), dx),
                   TwipsAPixeles(double(arriba_) + std::max(0.0f, alto_), dy));
    setGeometry(QRect(a, b)); // both corners inside, as a box drawn over the same twips
}

void ControlFigura::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ColorDesdeLong(fillColor_));
    p.setPen(QPen(TintaDelDibujo(), 0)); // outlined as the cells it flies between
    // The border lies on the last device pixel, also where a logical pixel holds several.
    const qreal pixel = 1 / devicePixelRatioF();
    p.drawRect(QRectF(rect()).adjusted(0, 0, -pixel, -pixel));
}

// ---- timer ----

ControlTemporizador::ControlTemporizador(QObject* padre, int intervaloMs) : QTimer(padre) {
    setInterval(intervaloMs);
    setTimerType(Qt::PreciseTimer); // the flight's pace is counted in its ticks
}

void ControlTemporizador::setEnabled(bool activo) {
    if (activo && !isActive()) start();
    if (!activo) stop();
}
