// PostfixConverter: reorders the marked tokens into postfix order. Prefix functions and "~"
// bind to the operand or bracket right after them, "!" "%" "‰" to what stands before them,
// then "^" and "|", then "*" "@" "\", then "+" "-", all left-associative; "," lowest.
// The queue holds the views of the marked tokens.
#pragma once

#include "engine/expression_tokenizer.h"

namespace tabulex {

using PostfixQueue = TokenList;

// The prefix set: the 21 function names and the negation "~".
bool IsPrefixToken(std::string_view token);

Outcome<PostfixQueue> PostfixConverter(const TokenList& marked);

}  // namespace tabulex
