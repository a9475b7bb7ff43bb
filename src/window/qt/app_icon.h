// The program's icon for the window frames, the tray and the about window: the installed
// icon's PNGs (16 to 256 pixels, drawn from data/icons at build time), embedded.
#pragma once

#include <QIcon>

namespace tabulex {

QIcon TabulexIcon();

}  // namespace tabulex
