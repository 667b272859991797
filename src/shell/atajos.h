#pragma once
// The modifier of the menu commands' shortcuts. In a browser page Ctrl+N belongs to the browser (a
// new window) and Qt takes Ctrl+X and Ctrl+V for the clipboard, so none of them reaches the
// program: there the same letters go with Alt, which no browser keeps for these letters.

#include <Qt>

#ifdef Q_OS_WASM
inline constexpr Qt::KeyboardModifier kModificadorAtajo = Qt::AltModifier;
#else
inline constexpr Qt::KeyboardModifier kModificadorAtajo = Qt::ControlModifier;
#endif
