// BatchCalculate: calculates every line of the text from top to bottom or, with spaces
// separating expressions, every expression of every line, by placing the caret and issuing
// the calculate request as a user would. Lines that fail are left as they are; the batch
// always covers the whole text and always ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/calc_context.h"

namespace tabulex {

void BatchCalculate(const CalcContext& context);

// Where a batch over a stream of text takes the text from and gives the finished text to, so
// that a text of any length goes through with only a few lines in the editor at a time.
class BatchStream {
 public:
  virtual ~BatchStream() = default;
  // The next piece of the text (GBK, lines ending in CR LF: a line at a time will do), or
  // nothing when the text has ended.
  virtual std::optional<std::string> NextText() = 0;
  // Text the batch is done with, in order; together they are the whole calculated text.
  virtual void Finished(std::string_view gbk) = 0;
};

// The same batch over a text that arrives piece by piece: the editor of context starts empty
// and holds only the lines around the caret. Every result is the one the whole text would
// give: before each round the batch takes text until the caret's line is complete and hands
// over the lines before it, which no later round looks at.
void BatchCalculate(const CalcContext& context, BatchStream& stream);

}  // namespace tabulex
