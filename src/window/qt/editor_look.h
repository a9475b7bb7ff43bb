// The editor's look as the configuration file stores it, in Qt's terms: colours as 0x00BBGGRR
// and the font's properties.
#pragma once

#include <QColor>
#include <QFont>

#include <cstdint>

#include "settings/settings_records.h"

namespace tabulex {

QColor ColourOfBgr(std::int32_t bgr);
std::int32_t BgrOfColour(const QColor& colour);

// Name, size (at least 1 point), bold, italic, strike-out and underline; the colour is not
// part of a QFont.
QFont FontOf(const EditorProperties& properties);

// The other way: the font's properties with the text colour, which the font does not hold.
EditorProperties PropertiesOf(const QFont& font, std::int32_t fontColor);

}  // namespace tabulex
