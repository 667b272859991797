#pragma once
// Controls placed in twips on a window's client area: the move of any widget, the line control,
// the shape control and the timer.

#include "shell/formulario.h"

#include <QTimer>
#include <QWidget>

// What a screen reader says of a control: its name, then what it is for.
void Nombrar(QWidget* control, const QString& nombre, const QString& descripcion);

// Places a control's top-left corner, size unchanged.
void MoverTwips(QWidget* control, Single izquierda, Single arriba);
// Gives a control its size.
void DimensionarTwips(QWidget* control, Single ancho, Single alto);
// Places and sizes a control at once.
void UbicarTwips(QWidget* control, Single izquierda, Single arriba, Single ancho, Single alto);
// A control's left and top in twips.
Single IzquierdaTwips(const QWidget* control);
Single ArribaTwips(const QWidget* control);

// A straight line between two points, two pixels wide, in the default colour; it never takes the
// mouse and always shows above the picture.
class ControlLinea : public QWidget {
    Q_OBJECT
  public:
    explicit ControlLinea(QWidget* padre);
    void setX1(Single v);
    void setY1(Single v);
    void setX2(Single v);
    void setY2(Single v);
    Single X1() const { return x1_; }
    Single Y1() const { return y1_; }
    Single X2() const { return x2_; }
    Single Y2() const { return y2_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    void Reubicar();
    Single x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

// A rectangle filled solid in its fill colour with a thin border.
class ControlFigura : public QWidget, public Figura {
    Q_OBJECT
  public:
    explicit ControlFigura(QWidget* padre);
    void setWidth(Single w) override;
    void setHeight(Single h) override;
    Single Width() const override { return ancho_; }
    Single Height() const override { return alto_; }
    void setFillColor(Long color) override;
    Long FillColor() const override { return fillColor_; }
    void Move(Single izquierda, Single arriba) override;
    Single Left() const override { return izquierda_; }
    Single Top() const override { return arriba_; }
    void setVisible(bool visible) override { QWidget::setVisible(visible); }
    bool Visible() const override { return !isHidden(); }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    void Reubicar();
    Single izquierda_ = 0, arriba_ = 0, ancho_ = 0, alto_ = 0;
    Long fillColor_ = 0;
};

class ControlTemporizador : public QTimer, public Temporizador {
    Q_OBJECT
  public:
    ControlTemporizador(QObject* padre, int intervaloMs);
    void setEnabled(bool activo) override;
    bool Enabled() const override { return isActive(); }
};
