// Fuzzes the INI text model: any bytes parse and serialise back unchanged; then a few keys
// (names and values partly from the input) are written, and after serialising and parsing
// again every written key reads back its last value, cut as a read cuts it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "engine/gbk_text.h"
#include "settings/ini_document.h"

namespace {

using tabulex::GbkCharLength;
using tabulex::IniDocument;

void Check(bool condition) {
  if (!condition) std::abort();
}

// The names as a lookup sees them: blanks around the section and before the key dropped,
// ASCII letters that stand alone lower-cased.
std::string Normalised(std::string_view name, bool trimRight) {
  while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
  while (trimRight && !name.empty() && (name.back() == ' ' || name.back() == '\t')) {
    name.remove_suffix(1);
  }
  std::string folded(name);
  for (std::size_t i = 0; i < name.size(); i += GbkCharLength(name, i)) {
    if (GbkCharLength(name, i) == 1 && name[i] >= 'A' && name[i] <= 'Z') folded[i] += 'a' - 'A';
  }
  return folded;
}

// What a read gives back for a written value: its first line, cut to the read limit.
std::string Expected(std::string_view value) {
  value = value.substr(0, value.find_first_of("\r\n"));
  if (value.size() <= IniDocument::kMaxValueBytes) return std::string(value);
  std::size_t end = 0;
  while (end + GbkCharLength(value, end) <= IniDocument::kMaxValueBytes) {
    end += GbkCharLength(value, end);
  }
  return std::string(value.substr(0, end));
}

const char* const kNames[] = {
    "\xD4\xCB\xD0\xD0\xC9\xE8\xD6\xC3",  // 运行设置
    "\xB4\xB0\xBF\xDA\xD7\xB4\xCC\xAC",  // 窗口状态
    "\xB0\xB4\x65sc\xCD\xCB\xB3\xF6 ",   // 按esc退出, with its trailing space
    "a",
    "A",
    " a",
    "a ",
    "[a]",
    "k=v",
    "\x81\x41",
    "\x81]",
    "",
};

std::string Name(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) {
    return kNames[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)];
  }
  return input.ConsumeRandomLengthString(12);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  struct Write {
    std::string section, key, value;
  };
  Write writes[4];
  const int count = input.ConsumeIntegralInRange(0, 4);
  for (int i = 0; i < count; ++i) {
    writes[i].section = Name(input);
    writes[i].key = Name(input);
    writes[i].value = input.ConsumeBool() ? input.ConsumeRandomLengthString(40)
                                          : std::string(10238 + i, 'v') + "\xB0\xA1";
  }
  const std::string text = input.ConsumeRemainingBytesAsString();

  IniDocument document(text);
  Check(document.Text() == text);
  document.ReadKey(kNames[0], kNames[1], "-");

  std::map<std::pair<std::string, std::string>, std::string> expected;
  for (int i = 0; i < count; ++i) {
    const Write& write = writes[i];
    const std::string before = document.Text();
    if (!document.WriteKey(write.section, write.key, write.value)) {
      Check(document.Text() == before);
      continue;
    }
    Check(document.ReadKey(write.section, write.key, "-") == Expected(write.value));
    expected[{Normalised(write.section, true), Normalised(write.key, false)}] =
        Expected(write.value);
  }

  const std::string written = document.Text();
  const IniDocument reparsed(written);
  Check(reparsed.Text() == written);
  for (int i = 0; i < count; ++i) {
    const auto found =
        expected.find({Normalised(writes[i].section, true), Normalised(writes[i].key, false)});
    if (found == expected.end()) continue;
    Check(reparsed.ReadKey(writes[i].section, writes[i].key, "-") == found->second);
  }
  return 0;
}
