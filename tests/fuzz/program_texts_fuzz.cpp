// The program-text reader: any content of "mirvo.dat". A load either keeps texts that obey the
// format's limits or fails with a code that has a message, and never keeps half a file.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "tests/fuzz/FuzzCheck.h"
#include "util/ProgramTexts.h"

using namespace mirvo;

namespace {

size_t CharacterCount(const std::string& s) {
  size_t n = 0;
  for (const unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  ProgramTextStore store;
  const int code = store.Read(content);
  if (code <= 0) {
    FUZZ_CHECK(store.count() == 0, "a failed load kept %d texts", store.count());
    FUZZ_CHECK(!ProgramTextLoadMessage(code, "mirvo.dat", store.errorLine()).empty(),
               "code %d has no message", code);
    return 0;
  }
  FUZZ_CHECK(code == store.count(), "loaded %d but holds %d", code, store.count());
  // Every text the file holds is found by the number that begins its line, and fits the caller's
  // buffer.
  std::set<int> numbers;
  for (size_t start = content.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; start < content.size();) {
    size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    int number = 0;
    for (size_t i = start; i < end && number <= 32767 && content[i] >= '0' && content[i] <= '9'; ++i) {
      number = number * 10 + (content[i] - '0');
    }
    if (number >= 1 && number <= 32767) numbers.insert(number);
    start = end + 1;
  }
  int found = 0;
  std::string text;
  for (const int number : numbers) {
    const int length = store.gt(number, 0, text, kProgramTextBufferSize);
    if (length == 0) continue;
    ++found;
    FUZZ_CHECK(length == static_cast<int>(text.size()) && CharacterCount(text) <= kMaxProgramTextLength,
               "text %d: %d bytes", number, length);
    std::string cut;
    const int cutLength = store.gt(number, 0, cut, 3);
    FUZZ_CHECK(CharacterCount(cut) <= 2 && text.compare(0, cut.size(), cut) == 0 &&
                   cutLength == static_cast<int>(cut.size()),
               "text %d cut to 2 characters: %s", number, cut.c_str());
    FUZZ_CHECK(store.gt(number, 1, cut, 3) == 0, "text %d in language 1", number);
  }
  FUZZ_CHECK(found == code, "found %d of %d texts", found, code);
  return 0;
}
