#pragma once
// The modifier of the menu commands' shortcuts. In a browser page Ctrl+N belongs to the browser (a
// new window) and Qt takes Ctrl+X and Ctrl+V for the clipboard, so none of them reaches the
// program: there Nueva operación and Salir go with Alt and the same letters, which no browser
// keeps.

#include <Qt>

// Velocidad's letter goes with it. Firefox opens its own menus on Alt and their letters (in
// Spanish A, E, V, s, M, T, u) before the page sees the key, so in a page Velocidad is Alt+L
// (veLocidad), a letter that no browser keeps.
#ifdef Q_OS_WASM
inline constexpr Qt::KeyboardModifier kModificadorAtajo = Qt::AltModifier;
inline constexpr Qt::Key kTeclaVelocidad = Qt::Key_L;
#else
inline constexpr Qt::KeyboardModifier kModificadorAtajo = Qt::ControlModifier;
inline constexpr Qt::Key kTeclaVelocidad = Qt::Key_V;
#endif
