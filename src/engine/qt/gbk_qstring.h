// The engine's GBK text to and from Qt's strings, for every widget that shows or takes it.
// Characters outside GBK become "?" on the way in, as everywhere (see Utf8ToGbk).
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "engine/gbk_text.h"

namespace tabulex {

inline QString GbkToQString(std::string_view gbk) {
  return QString::fromStdString(GbkToUtf8(gbk));
}

inline std::string QStringToGbk(const QString& text) {
  return Utf8ToGbk(text.toStdString());
}

}  // namespace tabulex
