// SignMarker: decides which "+" and "-" are prefix signs. A prefix "-" becomes the negation
// token "~", a prefix "+" is dropped, every other token is kept.
#pragma once

#include "engine/expression_tokenizer.h"

namespace tabulex {

TokenList SignMarker(TokenList tokens);

}  // namespace tabulex
