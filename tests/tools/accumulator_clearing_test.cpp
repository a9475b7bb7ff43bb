#include "tools/accumulator_clearing.h"

#include <gtest/gtest.h>

namespace tabulex {
namespace {

// A window opened before a clearing must not act on the serials the list holds afterwards,
// even when they are the same numbers again.
TEST(AccumulatorClearing, TicketsTakenBeforeAClearingAreStale) {
  AccumulatorClearing clearing;
  AccumulatorList list(2);
  const std::uint64_t before = clearing.Ticket();
  EXPECT_TRUE(clearing.IsCurrent(before));

  clearing.Clear(list);
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(clearing.IsCurrent(before));
  const std::uint64_t after = clearing.Ticket();
  EXPECT_TRUE(clearing.IsCurrent(after));

  clearing.Clear(list);  // an empty list cleared again still ends the windows open now
  EXPECT_FALSE(clearing.IsCurrent(after));
}

}  // namespace
}  // namespace tabulex
