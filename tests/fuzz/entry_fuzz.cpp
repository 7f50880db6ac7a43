// "Convert" over the whole entry model: the date, time, zone and plus/minus boxes, the option pair,
// the element and animal choices, the entry calendar, the search target and the answer to the
// calendar question, under any country, meridian, epoch and Sun method. A date that parses must
// parse again, from the boxes as the window rewrote them, to the same instant; an error has its
// message; a converted instant lies in the admitted range.
//
// Input: seven bytes of choices, then the date, time and plus/minus texts separated by newlines.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/TestDoubles.h"

using namespace mirvo;

namespace {

// 2024-02-10 CE 12:00 GMT: the instant every input starts from.
constexpr double kStart = 2460351.0;

std::string_view NextPart(std::string_view& rest) {
  const size_t end = rest.find('\n');
  const std::string_view part = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return part;
}

bool SameModel(const EntryModel& a, const EntryModel& b) {
  return a.date == b.date && a.time == b.time && a.timeZone == b.timeZone && a.calendar == b.calendar;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 7) return 0;
  static Reckoner reckoner;
  static RecordingMessages messages;
  static MainRules rules(reckoner, &messages, nullptr);

  const Country country = *CountryFromNumber(data[0] % 3);
  const int longitude = kMinLongitude + data[1] % (kMaxLongitude - kMinLongitude + 1);
  const Epoch epoch = (data[2] & 1) ? Epoch::kYounger : Epoch::kOlder;
  const SunMethod method = (data[2] & 2) ? kMeanSun : kTrueSun;
  const MainSettings& s = rules.settings();
  if (s.country != country || s.longitude != longitude || s.epoch != epoch || s.sunMethod != method ||
      rules.currentAjd() != kStart) {
    rules.ChooseCountry(country);
    rules.ChooseLongitude(longitude);
    rules.ChooseEpoch(epoch);
    rules.ChooseSunMethod(method);
    rules.SetCurrentAjd(kStart);
  }
  messages.shown.clear();
  messages.answers.assign(4, (data[2] & 8) ? MessageAnswer::kNo : MessageAnswer::kYes);

  EntryModel& entry = rules.entry();
  entry.plus = (data[2] & 4) == 0;
  entry.EditZone((data[2] >> 4) % 3 - 1);
  entry.calendar = data[3] % 9;
  entry.element = data[4] % (kNoElementEntry + 1);
  entry.animal = data[5] % (kNoAnimalEntry + 1);
  entry.target = data[6] % kSearchTargetCount;
  std::string_view rest(reinterpret_cast<const char*>(data + 7), size - 7);
  entry.date = std::string(NextPart(rest));
  entry.EditTime(std::string(NextPart(rest)));
  entry.plusMinus = std::string(rest);

  EntryModel first = entry;
  const ParseResult parsed = rules.Parse(first);
  FUZZ_CHECK(parsed.status >= kEntryOk && parsed.status <= kEntryTooEarly, "status %d", parsed.status);
  if (parsed.status == kEntryOk) {
    FUZZ_CHECK(!std::isnan(parsed.ajd), "a parsed date is no number");
    EntryModel second = first;
    const ParseResult again = rules.Parse(second);
    FUZZ_CHECK(again.status == kEntryOk && again.ajd == parsed.ajd && SameModel(first, second),
               "\"%s\" \"%s\" zone %d: %.9f, then \"%s\" \"%s\" zone %d: status %d, %.9f", first.date.c_str(),
               first.time.c_str(), first.timeZone, parsed.ajd, second.date.c_str(), second.time.c_str(),
               second.timeZone, again.status, again.ajd);
  }

  messages.answers.assign(4, (data[2] & 8) ? MessageAnswer::kNo : MessageAnswer::kYes);
  const ConvertResult result = rules.Convert();
  const std::string said = result.refusal ? result.refusal->text : "";
  switch (result.outcome) {
    case ConvertOutcome::kEntryError:
      FUZZ_CHECK(result.entryStatus >= 1 && result.entryStatus <= kEntryTooEarly && !said.empty(),
                 "entry error %d \"%s\"", result.entryStatus, said.c_str());
      break;
    case ConvertOutcome::kConverted:
      FUZZ_CHECK(rules.currentAjd() >= kMinAjd && rules.currentAjd() <= kMaxAjd, "converted to %.6f",
                 rules.currentAjd());
      FUZZ_CHECK(!rules.display().Row(RowId::kCe).value.empty(), "no CE text at %.6f", rules.currentAjd());
      break;
    case ConvertOutcome::kOutOfRange:
    case ConvertOutcome::kUnchanged: FUZZ_CHECK(!said.empty(), "a refusal without its message"); break;
  }
  return 0;
}
