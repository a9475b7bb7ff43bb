// AccumulatorClearing: the accumulator's list may be cleared while accumulator windows are
// open. A window opened before a clearing lists entries that are gone, whatever serials the
// list holds by now: each window takes a ticket when it opens, and its choice counts only
// while that ticket is current.
#pragma once

#include <cstdint>

#include "engine/accumulator_entry.h"

namespace tabulex {

class AccumulatorClearing {
 public:
  // Empties the list; every ticket taken before is stale from now on.
  void Clear(AccumulatorList& list) {
    list.clear();
    ++m_clearings;
  }
  std::uint64_t Ticket() const { return m_clearings; }
  bool IsCurrent(std::uint64_t ticket) const { return ticket == m_clearings; }

 private:
  std::uint64_t m_clearings{0};
};

}  // namespace tabulex
