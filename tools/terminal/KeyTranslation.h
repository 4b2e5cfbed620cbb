#pragma once
// A key press of the window as the byte a console would deliver for it: Enter
// is CR, Ctrl with a letter its control byte, Alt or AltGr (right Alt) held
// makes it an Alt key, typed characters are code page 437 bytes, and keys
// that type nothing (arrows, function keys, modifiers alone) give byte 0.

#include "ConsoleTypes.h"

#include <QString>
#include <Qt>

namespace orvantis {

// altGrHeld: the AltGr key is down (X11 reports no modifier for it).
TKeyEvent TranslateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool altGrHeld);

}  // namespace orvantis
