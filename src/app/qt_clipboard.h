// The system clipboard for the calculation: GBK texts in, plain Unicode text out.
#pragma once

#include "engine/clipboard.h"

namespace tabulex {

class QtClipboard final : public Clipboard {
 public:
  void SetText(std::string_view gbkText) override;
};

}  // namespace tabulex
