// A millisecond tick count for the elapsed-time message.
#pragma once

#include <cstdint>

namespace tabulex {

class TickSource {
 public:
  virtual ~TickSource() = default;
  virtual std::uint64_t NowMilliseconds() = 0;
};

// Ticks of the monotonic clock.
class SteadyTickSource final : public TickSource {
 public:
  std::uint64_t NowMilliseconds() override;
};

}  // namespace tabulex
