#include "engine/tick_source.h"

#include <chrono>

namespace tabulex {

std::uint64_t SteadyTickSource::NowMilliseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace tabulex
