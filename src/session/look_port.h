// LookPort: how the main window looks: its skin, the editor's colours, font and wrapping.
#pragma once

#include <cstdint>

#include "settings/settings_records.h"

namespace tabulex {

class LookPort {
 public:
  virtual ~LookPort() = default;

  virtual void ApplySkin(std::int32_t skinNumber) = 0;
  virtual void ApplySkinTransparency(std::int32_t skinSlider) = 0;
  virtual void ApplySkinEffects(bool effects) = 0;
  // The editor's background, 0x00BBGGRR.
  virtual void SetEditorBackgroundColor(std::int32_t color) = 0;
  // Bold, italic, strike-out, underline, font name, text colour, font size.
  virtual void ApplyEditorFont(const EditorProperties& font) = 0;
  virtual EditorProperties EditorFont() const = 0;
  // Word wrap of the editor (自动折回), which has no CalcSettings field.
  virtual void SetWordWrap(bool wordWrap) = 0;
};

}  // namespace tabulex
