#include "window/qt/current_platform.h"

#include <QGuiApplication>

namespace tabulex {

PlatformAbilities CurrentPlatformAbilities() {
  return PlatformAbilitiesOf(QGuiApplication::platformName().toStdString());
}

}  // namespace tabulex
