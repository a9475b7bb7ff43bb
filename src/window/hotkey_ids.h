// HotkeyIds: hands out hotkey registration ids, 33001 for the first registration and one more
// for each further one, whether or not that registration succeeds. An id is never reused.
#pragma once

#include <cstdint>

namespace tabulex {

inline constexpr std::int32_t kFirstHotkeyId = 33001;

class HotkeyIds final {
 public:
  std::int32_t Next() { return m_next++; }

 private:
  std::int32_t m_next{kFirstHotkeyId};
};

}  // namespace tabulex
