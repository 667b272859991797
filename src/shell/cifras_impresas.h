#pragma once
// Printed numbers drawn from glyphs laid out once, so that numbering thousands of cells does not
// lay out thousands of texts.

#include "shell/tipos.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <array>
#include <optional>

class QPainter;

// The text of a printed number: the sign's place (a blank or "-"), the digits, a blank.
QString TextoImpreso(Integer n);

// Numbers as a window prints them, drawn from the glyphs of " -0123456789" laid out once for the
// font, rather than laying out the text of every number anew.
class CifrasImpresas {
  public:
    // The glyphs of the font as it is drawn on pictures like `destino` (same resolution). Empty
    // when the font does not set these characters side by side exactly as text drawing does
    // (kerning, ligatures, a fallback font): numbers are then drawn as text.
    static std::optional<CifrasImpresas> Preparar(const QFont& fuente, const QImage& destino);

    // Draws TextoImpreso(n) with the left end of its baseline at `base`, in the painter's pen, as
    // QPainter::drawText would; returns its advance in pixels.
    qreal Dibujar(QPainter& p, const QPointF& base, Integer n) const;

  private:
    static constexpr int kSimbolos = 12; // "0".."9", " ", "-"
    QRawFont fuente_;
    std::array<quint32, kSimbolos> glifo_{};
    // avance_[a][b]: from symbol a to the symbol b that follows it.
    std::array<std::array<qreal, kSimbolos>, kSimbolos> avance_{};
};
