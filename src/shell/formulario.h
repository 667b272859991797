#pragma once
// The generic form: what the drawing routines see of a window. Its surface is a persistent picture
// measured in twips from the top-left of the client area; colours are 0x00BBGGRR.

#include "shell/tipos.h"

#include <QString>

class QObject;

// Line styles for segments and box outlines.
inline constexpr int kDrawStyleSolido = 0;
inline constexpr int kDrawStylePunteado = 2;
// Interiors of outlined boxes.
inline constexpr int kFillStyleSolido = 0;
inline constexpr int kFillStyleTransparente = 1;
inline constexpr int kFillStyleCruzDiagonal = 7;

class Formulario {
  public:
    virtual ~Formulario() = default;

    // Outer size of the window (frame, caption and menu bar included), in twips.
    virtual Single Width() const = 0;
    virtual Single Height() const = 0;

    virtual void setDrawStyle(int estilo) = 0;
    virtual int DrawStyle() const = 0;
    virtual void setFillStyle(int estilo) = 0;
    virtual int FillStyle() const = 0;
    virtual void setFillColor(Long color) = 0;
    virtual Long FillColor() const = 0;

    // A segment from (x, y) to (x + dx, y + dy) in the foreground colour and current DrawStyle.
    virtual void Linea(Single x, Single y, Single dx, Single dy) = 0;
    // A box from (x, y) to (x + w, y + h), outline and interior in color.
    virtual void CajaRellena(Single x, Single y, Single w, Single h, Long color) = 0;
    // The outline of that box in the foreground colour; the interior follows FillStyle/FillColor.
    virtual void Caja(Single x, Single y, Single w, Single h) = 0;

    virtual void setCurrentX(Single x) = 0;
    virtual void setCurrentY(Single y) = 0;
    virtual Single CurrentX() const = 0;
    virtual Single CurrentY() const = 0;
    // " 7 ": a blank (or the minus sign), the digits and a blank, top-left at CurrentX/CurrentY.
    virtual void Print(Integer n) = 0;

    virtual void Cls() = 0;
    virtual void Refresh() = 0;

    // A control of the window found by its name ("tmr", "shpVuela"); null when there is none.
    virtual QObject* Miembro(const QString& nombre) = 0;
};

// The flying cell: a rectangle filled with one colour, placed and sized in twips.
class Figura {
  public:
    virtual ~Figura() = default;
    virtual void setWidth(Single w) = 0;
    virtual void setHeight(Single h) = 0;
    virtual Single Width() const = 0;
    virtual Single Height() const = 0;
    virtual void setFillColor(Long color) = 0;
    virtual Long FillColor() const = 0;
    virtual void Move(Single izquierda, Single arriba) = 0;
    virtual Single Left() const = 0;
    virtual Single Top() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool Visible() const = 0;
};

class Temporizador {
  public:
    virtual ~Temporizador() = default;
    virtual void setEnabled(bool activo) = 0;
    virtual bool Enabled() const = 0;
};

// A member of the form looked up by name and seen through one of the interfaces above.
template <typename Interfaz> Interfaz* MiembroComo(Formulario& form, const QString& nombre);
