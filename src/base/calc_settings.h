// The program-wide settings record. Each field starts at the default its configuration key
// has; keys without a default start false. Every part of the program reads settings from
// here, never from the configuration file.
#pragma once

#include <cstdint>

namespace tabulex {

struct CalcSettings {
  // 运行设置
  std::int32_t windowState{0};
  std::int32_t windowWidth{0};
  std::int32_t windowHeight{0};
  std::int32_t windowLeft{0};
  std::int32_t windowTop{0};
  std::int32_t skinNumber{8};
  std::int32_t backgroundColor{0xFFFFFF};
  std::int32_t skinSlider{100};
  bool skinEffects{false};
  std::int32_t closeAction{0};
  std::int32_t undoLimit{50};
  std::int64_t runCount{1};
  std::int32_t precisionDigits{13};
  bool roundHalfUpFlag{false};
  bool laptopMode{false};
  bool newLinePasteResult{false};
  bool spaceSeparates{false};
  bool decimalRounding{true};
  bool edgeHiding{false};

  // 其他设置
  bool allowMultipleInstances{false};
  bool alwaysOnTop{false};
  bool resultToClipboard{false};
  bool newLineAfterCalc{false};
  std::int32_t angleUnit{1};  // 1 degrees, anything else radians
  bool enterInsertsNewLine{false};
  bool rememberWindow{true};
  std::int32_t thousandsSeparator{0};  // 0 none, 1 ";", 2 ","
  bool keepContent{false};
  std::int32_t fractionDisplay{0};  // 0 decimal, 1 fraction, 2 mixed fraction
  bool quickInput{false};
  bool autoReplace{false};
  bool autoInsertLastResult{false};

  // 热键设置
  bool hotkeyEnabled{false};
  std::int32_t hotkeyModifier{0};
  std::int32_t hotkeyKey{112};
  bool fullScreenKeyEnabled{false};
  std::int32_t fullScreenKeyModifier{0};
  std::int32_t fullScreenKeyCode{112};
};

}  // namespace tabulex
