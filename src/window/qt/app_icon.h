// The program's icon, drawn in code: a small calculator at 16, 32 and 48 pixels, for the
// tray and the window frames.
#pragma once

#include <QIcon>

namespace tabulex {

QIcon TabulexIcon();

}  // namespace tabulex
