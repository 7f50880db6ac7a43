#include "features/state/StateFile.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "core/daycount/DayCount.h"
#include "features/search/SearchRules.h"
#include "features/tables/Limits.h"

namespace mirvo {
namespace {

constexpr const char* kLineEnd = "\r\n";

// The shortest decimal text that reads back as the same double, never in exponent form.
std::string ExactNumber(double x) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A text line: what lies between its first and last double quote, or the line itself trimmed.
std::string_view TextValue(std::string_view line) {
  line = Trimmed(line);
  if (line.size() >= 2 && line.front() == '"' && line.back() == '"') return line.substr(1, line.size() - 2);
  return line;
}

// A finite number in plain decimal notation, blanks around it allowed.
std::optional<double> RealOf(std::string_view line) {
  const std::string_view s = Trimmed(line);
  double value = 0;
  const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || result.ec != std::errc() || result.ptr != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// The lines of the file, one after another; nothing once they run out.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  std::optional<std::string_view> Next() {
    if (done_) return std::nullopt;
    const size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    if (end == std::string_view::npos) {
      done_ = true;
      if (line.empty()) return std::nullopt;  // the file ended with its last line's break
    } else {
      rest_.remove_prefix(end + 1);
    }
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

  // A whole number in [lo, hi]; quoted when `quoted` is allowed.
  std::optional<int> Integer(int lo, int hi, bool quoted = false) {
    const auto line = Next();
    if (!line) return std::nullopt;
    const std::string_view s = quoted ? Trimmed(TextValue(*line)) : Trimmed(*line);
    int value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || result.ec != std::errc() || result.ptr != s.data() + s.size()) return std::nullopt;
    if (value < lo || value > hi) return std::nullopt;
    return value;
  }

  std::optional<bool> Box() {
    auto v = Integer(0, 1, true);
    if (!v) return std::nullopt;
    return *v == 1;
  }

 private:
  std::string_view rest_;
  bool done_ = false;
};

constexpr int kI16Min = -32768;
constexpr int kI16Max = 32767;

}  // namespace

std::string StateFileText(const StateRecord& state) {
  const MainSettings& s = state.settings;
  std::string out;
  auto line = [&out](const std::string& value) { out += value + kLineEnd; };
  auto flag = [](bool b) { return std::string(b ? "-1" : "0"); };
  auto box = [](bool b) { return std::string(b ? "1" : "0"); };

  line(ExactNumber(state.ajd));
  line(std::to_string(state.calendar));
  line(flag(s.moveForward));
  line(flag(state.plus));
  line(flag(s.searchNext));
  line(std::to_string(s.moveStep));
  // Older programs read the targets they know; the festival target is kept as the first.
  line(std::to_string(s.searchTarget < kTargetFestival ? s.searchTarget : kMainDefaults.target));
  line(std::to_string(s.refreshPeriod));
  line(std::to_string(SunMethodNumber(s.sunMethod)));
  line(std::to_string(EpochYear(s.epoch)));
  for (const LogPreferenceInfo& info : LogPreferenceTable()) line(box(state.log.*info.member));
  line(box(s.showVmc));
  line(box(s.showCjds));
  line(box(s.autoLog));
  for (const std::string& label : s.zoneLabels) line('"' + label + '"');
  line(std::to_string(s.longitude - kMinLongitude));
  for (size_t row = 0; row < 3; ++row) {
    line(std::to_string(s.multipleElement[row]));
    line(std::to_string(s.multipleAnimal[row]));
  }
  return out;
}

bool ReadStateText(std::string_view text, StateRecord& state, bool countrySelected) {
  // An editor may have saved the file again with a UTF-8 byte-order mark in front.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  MainSettings& s = state.settings;
  LineReader in(text);

  // A step may carry the instant beyond the admitted range, and the program saves it there: every
  // instant a step can reach is restored. One beyond that, or no number, leaves the instant the
  // caller put in `state` (the present moment), and the other lines are read all the same.
  const auto instantLine = in.Next();
  if (!instantLine) return false;
  if (const auto ajd = RealOf(*instantLine); ajd && *ajd >= kMinReachableAjd && *ajd <= kMaxReachableAjd) {
    state.ajd = *ajd;
  }
  const auto calendar = in.Integer(kCalCE, kCalVMCCCT);
  if (!calendar) return false;
  state.calendar = *calendar;

  const auto forward = in.Integer(kI16Min, kI16Max);
  if (!forward) return false;
  s.moveForward = *forward != 0;
  const auto plus = in.Integer(kI16Min, kI16Max);
  if (!plus) return false;
  state.plus = *plus != 0;
  const auto next = in.Integer(kI16Min, kI16Max);
  if (!next) return false;
  s.searchNext = *next != 0;

  const auto step = in.Integer(0, 15);
  if (!step) return false;
  s.moveStep = *step;
  const auto target = in.Integer(0, kTargetFestival - 1);
  if (!target) return false;
  s.searchTarget = *target;
  const auto refresh = in.Integer(0, 3);
  if (!refresh) return false;
  s.refreshPeriod = *refresh;
  const auto method = in.Integer(0, 1);
  if (!method) return false;
  s.sunMethod = *SunMethodFromNumber(static_cast<int>(*method));
  s.repeatedly = s.keep30th = s.keepLeap = false;
  const auto epoch = in.Integer(kI16Min, kI16Max);
  if (!epoch) return false;
  s.epoch = EpochFromYear(*epoch) == Epoch::kOlder ? Epoch::kOlder : Epoch::kYounger;

  for (const LogPreferenceInfo& info : LogPreferenceTable()) {
    const auto ticked = in.Box();
    if (!ticked) return false;
    state.log.*info.member = *ticked;
  }
  for (bool MainSettings::*member :
       {&MainSettings::showVmc, &MainSettings::showCjds, &MainSettings::autoLog}) {
    const auto ticked = in.Box();
    if (!ticked) return false;
    s.*member = *ticked;
  }
  for (std::string& label : s.zoneLabels) {
    const auto line = in.Next();
    if (!line) return false;
    label = std::string(TextValue(*line));
  }

  const auto longitudeIndex = in.Integer(0, kLongitudeCount - 1);
  if (!longitudeIndex) return false;
  if (countrySelected) {
    s.longitude = CountryOf(s.country).longitude;
  } else {
    s.longitude = kMinLongitude + *longitudeIndex;
    s.country = *longitudeIndex == 5 ? kVietnam : *longitudeIndex == 35 ? kJapan : kChina;
  }

  for (size_t row = 0; row < 3; ++row) {
    const auto element = in.Integer(0, kNoElementEntry, true);
    if (!element) return false;
    s.multipleElement[row] = *element;
    const auto animal = in.Integer(0, kNoAnimalEntry, true);
    if (!animal) return false;
    s.multipleAnimal[row] = *animal;
  }
  return true;
}

}  // namespace mirvo
