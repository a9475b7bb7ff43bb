// Test main. With TABULEX_TEST_LOCALE set, the whole process runs under that locale, as the
// desktop program does once Qt has set the C locale from the environment.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (const char* locale = std::getenv("TABULEX_TEST_LOCALE")) {
    if (std::setlocale(LC_ALL, locale) == nullptr) {
      std::fprintf(stderr, "locale %s is not available\n", locale);
      return 1;
    }
    char check[16];
    std::snprintf(check, sizeof check, "%.1f", 1.5);
    if (std::strcmp(check, "1,5") != 0) {
      std::fprintf(stderr, "locale %s does not write a decimal comma\n", locale);
      return 1;
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
