// A named child widget of a window under test; a test failure (and null) when it is missing.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>

namespace tabulex {

template <typename T>
T* Child(const QWidget& window, const char* name) {
  T* child = window.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

}  // namespace tabulex
