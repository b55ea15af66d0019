#pragma once

// Private to the platform layer: the fonts that Graphics draws with, for Qt's
// own widgets, so that both share one loaded font.

#include <QFont>

namespace platform {

// "System" at its standard size, as a new Graphics port draws text.
QFont SystemQtFont();

}  // namespace platform
