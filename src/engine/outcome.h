// A value or the status message of the first problem. Calculations never throw: every stage
// returns one of these and the caller shows the message.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tabulex {

// The failure half of an Outcome: a complete status-bar text in GBK.
struct Failure {
  std::string message;
};

template <typename T>
class Outcome {
 public:
  Outcome(T value) : m_data(std::move(value)) {}
  Outcome(Failure failure) : m_data(std::move(failure)) {}

  bool ok() const { return m_data.index() == 0; }
  const T& value() const { return std::get<0>(m_data); }
  T& value() { return std::get<0>(m_data); }
  const std::string& message() const { return std::get<1>(m_data).message; }
  Failure failure() const { return std::get<1>(m_data); }

 private:
  std::variant<T, Failure> m_data;
};

}  // namespace tabulex
