#include "engine/sign_marker.h"

#include <gtest/gtest.h>

namespace tabulex {
namespace {

TEST(SignMarker, MarksPrefixSignsOnly) {
  const struct {
    TokenList in;
    TokenList out;
  } rows[] = {
      {{"-", "2", " "}, {"~", "2", " "}},
      {{"+", "5", " "}, {"5", " "}},
      {{"3", "*", "-", "8", " "}, {"3", "*", "~", "8", " "}},
      {{"sin", "-", "3", " "}, {"sin", "~", "3", " "}},
      {{"3", "-", "8", " "}, {"3", "-", "8", " "}},
      {{"-", ".5", " "}, {"-", ".5", " "}},  // a leading point is no operand start
      {{"-", "sin", "1", " "}, {"-", "sin", "1", " "}},
      {{")", "-", "(", " "}, {")", "-", "(", " "}},
  };
  for (const auto& row : rows) EXPECT_EQ(SignMarker(row.in), row.out);
}

}  // namespace
}  // namespace tabulex
