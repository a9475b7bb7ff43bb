// The first part of the status bar, as the calculation sees it.
#pragma once

#include <string_view>

namespace tabulex {

class StatusSink {
 public:
  virtual ~StatusSink() = default;
  // Replaces the shown text with a GBK text.
  virtual void ShowStatus(std::string_view gbkText) = 0;
};

}  // namespace tabulex
