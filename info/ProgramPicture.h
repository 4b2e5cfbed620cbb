#pragma once
// The product picture of the about box: the handheld analyser with a
// spectrum on its screen.

#include <QPixmap>

namespace orvantis {

QPixmap ProgramPicture(int width, int height);

}  // namespace orvantis
