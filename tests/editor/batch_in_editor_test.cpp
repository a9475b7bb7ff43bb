#include "editor/batch_in_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::CalcHarness;

// The editor gets the batch's text in one replacement, and none when nothing changed; the
// caret ends where the batch leaves it either way.
TEST(BatchCalculateInEditor, OneReplacementOnlyWhenTheTextChanges) {
  const struct {
    const char* name;
    const char* text;
    std::vector<std::string> replacements;
  } rows[] = {
      {"three lines", "1+1\r\n2*3\r\nx▮", {"1+1=2\r\n2*3=6\r\nx"}},
      {"already calculated", "1+1=2\r\n▮", {}},
      {"nothing to calculate", "x▮", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CalcHarness h;
    h.Load(row.text);
    std::vector<std::string> replacements;
    BatchCalculateInEditor(h.Context(), [&](std::string_view text) {
      replacements.push_back(GbkToUtf8(text));
      h.buffer.SetText(text);
    });
    EXPECT_EQ(replacements, row.replacements);
    EXPECT_EQ(h.buffer.Caret(), std::min<std::size_t>(1, h.buffer.Length()));
  }
}

}  // namespace
}  // namespace tabulex
