#pragma once
// The persistent picture of a window: an image in device pixels that keeps what was drawn until
// Cls, through covering, uncovering and resizing, with the drawing state of the window's graphics
// methods. How a run of drawing reaches the pixels is TandaDibujo's business.

#include "shell/tipos.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <memory>

class TandaDibujo;

class Lienzo : public QWidget {
    Q_OBJECT
  public:
    explicit Lienzo(QWidget* padre = nullptr);
    ~Lienzo() override;

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
    const QImage& Imagen() const;
    // Colour of the picture at a point given in twips, as 0x00BBGGRR.
    Long ColorEn(Single x, Single y) const;
    // Pixels per inch of the picture, device pixel ratio included.
    double PuntosPorPulgadaX() const;
    double PuntosPorPulgadaY() const;

  signals:
    // The window's colours changed: the picture's background is another one now.
    void ColoresCambiados();
    // The picture was dropped, blank, because the screen's scale changed under it: whatever the
    // window system said of it (a new screen, a new ratio, or nothing at all, as a scale changed
    // in the desktop's settings may be on Qt 6.4), the window must draw it again.
    void EscalaCambiada();

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;

  private:
    // What a run of drawing works with; nothing of it can change before the program next lets
    // events run (a resize, a new screen, font or palette ends the run first).
    struct Escala {
        double ppx = 96, ppy = 96;
        QColor frente;
    };

    Escala EscalaActual() const;
    static QPoint APixel(Single x, Single y, const Escala& e);
    QRect RectanguloPixeles(Single x, Single y, Single w, Single h) const;
    void AsegurarTamano();
    void EmpezarTanda();
    void Asentar();
    void Ensuciar(const QRect& pixeles);
    void TerminarTanda();
    void ActualizarSucio();
    QRect EnPuntosLogicos(const QRect& pixeles) const;
    QColor ColorFrente() const;
    QColor ColorFondo() const;

    QImage imagen_;
    QRect sucio_; // drawn since the window was last told, in device pixels
    int drawStyle_ = 0;
    int fillStyle_ = 1;
    Long fillColor_ = 0;
    Single currentX_ = 0;
    Single currentY_ = 0;

    // A run of drawing, from the first drawing call until the program next lets events run, goes
    // through one painter kept open on the picture. Whatever reads or shows the picture settles
    // the run first, so the picture it sees is complete; settling draws nothing new.
    Escala escala_;
    bool tandaEnCola_ = false;
    std::unique_ptr<TandaDibujo> tanda_;
};

// The ink of the picture's lines, outlines and numbers, and of the flying cell's outline: a diagram
// of fixed colours, drawn dark on its white, green and red whatever colours the desktop gives text
// (white on a dark or high-contrast theme).
QColor TintaDelDibujo();

// 0x00BBGGRR to a QColor and back.
QColor ColorDesdeLong(Long color);
Long LongDesdeColor(const QColor& color);
