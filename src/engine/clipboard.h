// The system clipboard, plain text only.
#pragma once

#include <string_view>

namespace tabulex {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetText(std::string_view gbkText) = 0;
};

}  // namespace tabulex
