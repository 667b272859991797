#pragma once
// The persistent picture of a window: an image in device pixels that keeps what was drawn until Cls,
// through covering, uncovering and resizing, with the drawing state of the window's graphics methods.

#include "shell/tipos.h"

#include <QImage>
#include <QWidget>

class Lienzo : public QWidget {
    Q_OBJECT
  public:
    explicit Lienzo(QWidget* padre = nullptr);

    void setDrawStyle(int estilo) { drawStyle_ = estilo; }
    int DrawStyle() const { return drawStyle_; }
    void setFillStyle(int estilo) { fillStyle_ = estilo; }
    int FillStyle() const { return fillStyle_; }
    void setFillColor(Long color) { fillColor_ = color; }
    Long FillColor() const { return fillColor_; }
    void setCurrentX(Single x) { currentX_ = x; }
    void setCurrentY(Single y) { currentY_ = y; }
    Single CurrentX() const { return currentX_; }
    Single CurrentY() const { return currentY_; }

    void Linea(Single x, Single y, Single dx, Single dy);
    void CajaRellena(Single x, Single y, Single w, Single h, Long color);
    void Caja(Single x, Single y, Single w, Single h);
    void Print(Integer n);
    void Cls();
    void Refresh();

    // The picture as it stands, in device pixels (for tests and screenshots).
    const QImage& Imagen() const { return imagen_; }
    // Colour of the picture at a point given in twips, as 0x00BBGGRR.
    Long ColorEn(Single x, Single y) const;
    // Pixels per inch of the picture, device pixel ratio included.
    double PuntosPorPulgadaX() const;
    double PuntosPorPulgadaY() const;

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;

  private:
    QPoint APixel(Single x, Single y) const;
    QRect RectanguloPixeles(Single x, Single y, Single w, Single h) const;
    void AsegurarTamano();
    void Ensuciar(const QRect& pixeles);
    void ActualizarSucio();
    QColor ColorFrente() const;
    QColor ColorFondo() const;

    QImage imagen_;
    QRect sucio_;  // drawn since the window was last told, in device pixels
    int drawStyle_ = 0;
    int fillStyle_ = 1;
    Long fillColor_ = 0;
    Single currentX_ = 0;
    Single currentY_ = 0;
};

// 0x00BBGGRR to a QColor and back.
QColor ColorDesdeLong(Long color);
Long LongDesdeColor(const QColor& color);
