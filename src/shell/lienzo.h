#pragma once
// The persistent picture of a window: an image in device pixels that keeps what was drawn until
// Cls, through covering, uncovering and resizing, with the drawing state of the window's graphics
// methods.

#include "shell/cifras_impresas.h"
#include "shell/tipos.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

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
    const QImage& Imagen() const;
    // Colour of the picture at a point given in twips, as 0x00BBGGRR.
    Long ColorEn(Single x, Single y) const;
    // Pixels per inch of the picture, device pixel ratio included.
    double PuntosPorPulgadaX() const;
    double PuntosPorPulgadaY() const;

  signals:
    // The window's colours changed: the picture's background is another one now.
    void ColoresCambiados();

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
    // The outline half of a box, with the surface settings it was asked for with.
    struct Contorno {
        Qt::PenStyle trazo;
        Qt::BrushStyle trama;
        QColor colorTrama;
    };
    // A filled box not drawn yet: a later box may cover it whole, and then it never is.
    struct CajaDiferida {
        QRect r;
        QColor relleno;
        std::optional<Contorno> contorno;
    };
    struct ClaveLinea {
        int ax, ay, bx, by, trazo;
        bool operator==(const ClaveLinea&) const = default;
    };
    struct HashLinea {
        std::size_t operator()(const ClaveLinea& c) const noexcept;
    };

    Escala EscalaActual() const;
    static QPoint APixel(Single x, Single y, const Escala& e);
    QRect RectanguloPixeles(Single x, Single y, Single w, Single h) const;
    void AsegurarTamano();
    QPainter& Pintor();
    void Asentar();
    void DibujarDiferida();
    bool ContornoSolido(const Contorno& c) const;
    bool ContornoSimple(const QRect& r, const Contorno& c) const;
    bool Componible(const CajaDiferida& caja) const;
    void DibujarLineas();
    // The pixels Qt sets for a segment, from its first point; the same wherever it lies.
    struct Sello {
        std::vector<QPoint> puntos; // row by row
        QRect caja;                 // around them all
    };
    const Sello& SelloDe(QPoint d, Qt::PenStyle trazo);
    void DibujarContorno(const QRect& r, const Contorno& c);
    void UsarPluma(Qt::PenStyle trazo);
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
    QPainter pintor_;
    // Boxes not drawn yet: one, or several over the same rows, each filled and at most outlined
    // solid, in the order they were asked for.
    std::vector<CajaDiferida> diferidas_;
    // Segments not drawn yet: a run of them is drawn at once when something else is drawn.
    std::unordered_set<ClaveLinea, HashLinea> lineas_;
    static constexpr int kRecientes = 8;
    std::array<ClaveLinea, kRecientes> ultimasLineas_{};
    int recientes_ = 0; // segments put in the run, the last kRecientes of them kept above
    // The pixels Qt sets for a level or upright segment of each length and style, from its start.
    std::unordered_map<ClaveLinea, Sello, HashLinea> sellos_;
    std::optional<Qt::PenStyle> trazoPluma_;
    QBrush tramaUsada_;
    struct Medidas {
        QFontMetrics fm;
        int ascenso, alto;
    };
    std::optional<Medidas> medidas_;
    // The glyphs numbers are printed with, prepared at the first number after the font or the
    // picture's resolution changed.
    std::optional<CifrasImpresas> cifras_;
    bool cifrasPreparadas_ = false;
};

// 0x00BBGGRR to a QColor and back.
QColor ColorDesdeLong(Long color);
Long LongDesdeColor(const QColor& color);
