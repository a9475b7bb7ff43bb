// LookPort: how the main window looks: its skin (the calls of SkinPort), the editor's colours,
// font and wrapping.
#pragma once

#include <cstdint>

#include "settings/settings_records.h"
#include "window/skin_port.h"

namespace tabulex {

class LookPort : public SkinPort {
 public:
  // The editor's background, 0x00BBGGRR.
  virtual void SetEditorBackgroundColor(std::int32_t color) = 0;
  // Bold, italic, strike-out, underline, font name, text colour, font size.
  virtual void ApplyEditorFont(const EditorProperties& font) = 0;
  virtual EditorProperties EditorFont() const = 0;
  // Word wrap of the editor (自动折回), which has no CalcSettings field.
  virtual void SetWordWrap(bool wordWrap) = 0;
};

}  // namespace tabulex
