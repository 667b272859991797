#pragma once
// A run of drawing on a picture, in its pixels: from the first drawing call until the program next
// lets events run, everything goes through one painter, and what costs most on huge grids is
// batched. Boxes wait and are copied as row patterns; segments are stamped with the pixels Qt
// itself sets for them; numbers are drawn from glyphs laid out once. The picture comes out exactly
// as if every operation had been drawn on its own with QPainter.

#include "shell/cifras_impresas.h"
#include "shell/tipos.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// The window's line styles (DrawStyle) and box interiors (FillStyle) as Qt's.
Qt::PenStyle TrazoDeDrawStyle(int estilo);
Qt::BrushStyle TramaDeFillStyle(int estilo);

// The outline half of a box, with the surface settings it was asked for with.
struct Contorno {
    Qt::PenStyle trazo;
    Qt::BrushStyle trama;
    QColor colorTrama;
};

class TandaDibujo {
  public:
    bool Activa() const { return pintor_.isActive(); }
    // Opens a run on `imagen`; its lines, outlines and numbers are drawn in `tinta`.
    void Empezar(QImage& imagen, const QColor& tinta);
    // Draws whatever still waits and closes the run; drawing nothing new.
    void Asentar();

    // All in the picture's pixels; a box covers both its corners.
    void Linea(QPoint a, QPoint b, int drawStyle);
    void CajaRellena(const QRect& r, const QColor& relleno);
    void Caja(const QRect& r, const Contorno& contorno);
    // TextoImpreso(n) with its top-left at `a`, in `fuente`; returns the pixels it may cover, one
    // printed line high.
    QRect Imprimir(QPoint a, Integer n, const QFont& fuente);
    // The font or the picture's resolution changed: the glyphs are prepared again when needed.
    void OlvidarCifras() { cifrasPreparadas_ = false; }

  private:
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
    // The pixels Qt sets for a segment, from its first point; the same wherever it lies.
    struct Sello {
        std::vector<QPoint> puntos; // row by row
        QRect caja;                 // around them all
    };

    // Boxes (tanda_cajas.cpp).
    void DibujarDiferida();
    bool ContornoSolido(const Contorno& c) const;
    bool ContornoSimple(const QRect& r, const Contorno& c) const;
    bool Componible(const CajaDiferida& caja) const;
    void DibujarContorno(const QRect& r, const Contorno& c);
    // Segments (tanda_lineas.cpp).
    void DibujarLineas();
    const Sello& SelloDe(QPoint d, Qt::PenStyle trazo);
    // The painter's pen: the ink, cosmetic, in this style.
    void UsarPluma(Qt::PenStyle trazo);

    QImage* imagen_ = nullptr;
    QColor tinta_;
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
