// The lunar and solar date-text readers: any text, read as a CHL and as a CHS date. A text they
// take gives fields within their ranges, and the date written back in the window's own form reads
// as the same date; a text they refuse leaves the record as it was, but for valid = 0.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/calendarlib/ChineseDateText.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace mirvo;

namespace {

// Any pair of words names some number, in or out of 1..60, so that the "?" form is taken and
// refused alike.
int Resolve(std::string_view element, std::string_view animal) {
  return static_cast<int>((element.size() * 7 + animal.size() * 3 + static_cast<unsigned char>(element[0])) %
                          64);
}

std::string Written(int32_t cycle, int32_t position, int32_t month, bool leap, int32_t day,
                    const char* code) {
  return std::to_string(cycle) + "-" + std::to_string(position) + "-" + std::to_string(month) +
         (leap ? "*" : "") + "-" + std::to_string(day) + " " + code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ElementAnimalResolver resolve = Resolve;

  ChlDate chl;
  chl.cycle = 7;
  chl.jdn = 99;
  if (chl_datestr_to_chldate(text, chl, resolve)) {
    FUZZ_CHECK(chl.valid == 1 && chl.jdn == 0, "valid %d jdn %d", chl.valid, chl.jdn);
    FUZZ_CHECK(chl.cycle >= -kMaxChineseTextCycle && chl.cycle <= kMaxChineseTextCycle && chl.position >= 1 &&
                   chl.position <= 60 && chl.month >= 1 && chl.month <= 12 && chl.day >= 1 && chl.day <= 31 &&
                   (chl.leap == 0 || chl.leap == 1),
               "CHL %d-%d-%d(%d)-%d", chl.cycle, chl.position, chl.month, chl.leap, chl.day);
    ChlDate again;
    const std::string written = Written(chl.cycle, chl.position, chl.month, chl.leap, chl.day, "CHL");
    FUZZ_CHECK(chl_datestr_to_chldate(written, again) && again.cycle == chl.cycle &&
                   again.position == chl.position && again.month == chl.month && again.leap == chl.leap &&
                   again.day == chl.day,
               "%s does not read back", written.c_str());
  } else {
    FUZZ_CHECK(chl.valid == 0 && chl.cycle == 7 && chl.jdn == 99, "a refused text wrote the record");
  }

  ChsDate chs;
  chs.cycle = 7;
  chs.jdn = 99;
  if (chs_datestr_to_chsdate(text, chs, resolve)) {
    FUZZ_CHECK(chs.valid == 1 && chs.jdn == 0, "valid %d jdn %d", chs.valid, chs.jdn);
    FUZZ_CHECK(chs.cycle >= -kMaxChineseTextCycle && chs.cycle <= kMaxChineseTextCycle && chs.position >= 1 &&
                   chs.position <= 60 && chs.term >= 1 && chs.term <= 24 && chs.day >= 1 && chs.day <= 16,
               "CHS %d-%d-%d-%d", chs.cycle, chs.position, chs.term, chs.day);
    ChsDate again;
    const std::string written = Written(chs.cycle, chs.position, chs.term, false, chs.day, "CHS");
    FUZZ_CHECK(chs_datestr_to_chsdate(written, again) && again.cycle == chs.cycle &&
                   again.position == chs.position && again.term == chs.term && again.day == chs.day,
               "%s does not read back", written.c_str());
  } else {
    FUZZ_CHECK(chs.valid == 0 && chs.cycle == 7 && chs.jdn == 99, "a refused text wrote the record");
  }
  return 0;
}
