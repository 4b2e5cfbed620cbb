#pragma once
// The sixteen colours of a text console's attributes.

#include <QColor>

namespace orvantis {

// index 0..15: black, blue, green, cyan, red, magenta, brown, light grey,
// then the same eight in their bright forms.
QColor ConsoleColor(int index);

}  // namespace orvantis
