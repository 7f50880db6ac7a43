#include "platform/calendarlib/ChineseDateText.h"

#include <cstdint>
#include <optional>

namespace mirvo {
namespace {

// The fields common to both readers; `month` is the lunar month or the solar term.
struct Fields {
  int32_t cycle = 0;
  int32_t position = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t leap = 0;
};

struct Limits {
  std::string_view code;  // "CHL" or "CHS"
  int32_t maxMonth;       // 12 months or 24 terms
  int32_t maxDay;         // 31 (a lunar day beyond the month is reported by the calendar) or 16
  bool leapAllowed;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool Take(char c) {
    if (Peek() != c || AtEnd()) return false;
    ++pos_;
    return true;
  }
  // Skips blanks; true when at least one was skipped.
  bool SkipBlanks() {
    const size_t start = pos_;
    while (!AtEnd() && text_[pos_] == ' ') ++pos_;
    return pos_ > start;
  }
  // An unsigned decimal number of at most nine digits (so it cannot overflow).
  std::optional<int32_t> Number() {
    int32_t value = 0;
    size_t digits = 0;
    while (!AtEnd() && IsDigit(text_[pos_])) {
      if (++digits > 9) return std::nullopt;
      value = value * 10 + (text_[pos_] - '0');
      ++pos_;
    }
    if (digits == 0) return std::nullopt;
    return value;
  }
  // The code, in any case, standing as a word of its own (followed by the end or a blank).
  bool TakeCode(std::string_view code) {
    if (text_.size() - pos_ < code.size()) return false;
    for (size_t i = 0; i < code.size(); ++i) {
      if (Upper(text_[pos_ + i]) != code[i]) return false;
    }
    const size_t after = pos_ + code.size();
    if (after < text_.size() && text_[after] != ' ') return false;
    pos_ = after;
    return true;
  }
  // A run of characters up to the next blank or the end.
  std::string_view Word() {
    const size_t start = pos_;
    while (!AtEnd() && text_[pos_] != ' ') ++pos_;
    return text_.substr(start, pos_ - start);
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

bool InRange(const std::optional<int32_t>& v, int32_t low, int32_t high) {
  return v && *v >= low && *v <= high;
}

// Position from "element-animal": exactly one "-" with a name on either side.
std::optional<int32_t> ResolveName(std::string_view word, const ElementAnimalResolver& resolve) {
  const size_t dash = word.find('-');
  if (!resolve || dash == std::string_view::npos || dash == 0 || dash + 1 == word.size() ||
      word.find('-', dash + 1) != std::string_view::npos)
    return std::nullopt;
  const int position = resolve(word.substr(0, dash), word.substr(dash + 1));
  if (position < 1 || position > 60) return std::nullopt;
  return position;
}

std::optional<Fields> ParseChineseDate(std::string_view text, const Limits& limits,
                                       const ElementAnimalResolver& resolve) {
  // Control characters never belong to a date text, not even in the part after the code.
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) return std::nullopt;
  }
  Cursor in(text);
  Fields f;
  in.SkipBlanks();

  const bool negative = in.Take('-');
  const auto cycle = in.Number();
  if (!InRange(cycle, 0, kMaxChineseTextCycle) || !in.Take('-')) return std::nullopt;
  f.cycle = negative ? -*cycle : *cycle;

  const bool unknownPosition = in.Take('?');
  if (!unknownPosition) {
    const auto position = in.Number();
    if (!InRange(position, 1, 60)) return std::nullopt;
    f.position = *position;
  }
  if (!in.Take('-')) return std::nullopt;

  const auto month = in.Number();
  if (!InRange(month, 1, limits.maxMonth)) return std::nullopt;
  f.month = *month;
  if (in.Take('*')) {
    if (!limits.leapAllowed) return std::nullopt;
    f.leap = 1;
  }
  if (!in.Take('-')) return std::nullopt;

  const auto day = in.Number();
  if (!InRange(day, 1, limits.maxDay)) return std::nullopt;
  f.day = *day;

  // What may follow the day: the code, and for the "?" form the element-animal name.
  in.SkipBlanks();
  bool hadCode = in.TakeCode(limits.code);
  if (unknownPosition) {
    in.SkipBlanks();
    const auto position = ResolveName(in.Word(), resolve);
    if (!position) return std::nullopt;
    f.position = *position;
    in.SkipBlanks();
    if (!hadCode) hadCode = in.TakeCode(limits.code);
    in.SkipBlanks();
    return in.AtEnd() ? std::optional<Fields>(f) : std::nullopt;
  }
  // A displayed date carries its time of day after the code; only the date is read.
  if (hadCode || in.AtEnd()) return f;
  return std::nullopt;
}

}  // namespace

bool chl_datestr_to_chldate(std::string_view text, ChlDate& date, const ElementAnimalResolver& resolve) {
  date.valid = 0;
  const auto f = ParseChineseDate(text, Limits{"CHL", 12, 31, true}, resolve);
  if (!f) return false;
  date.cycle = f->cycle;
  date.position = f->position;
  date.month = f->month;
  date.day = f->day;
  date.leap = f->leap;
  date.jdn = 0;
  date.valid = 1;
  return true;
}

bool chs_datestr_to_chsdate(std::string_view text, ChsDate& date, const ElementAnimalResolver& resolve) {
  date.valid = 0;
  const auto f = ParseChineseDate(text, Limits{"CHS", 24, 16, false}, resolve);
  if (!f) return false;
  date.cycle = f->cycle;
  date.position = f->position;
  date.term = f->month;
  date.day = f->day;
  date.jdn = 0;
  date.valid = 1;
  return true;
}

}  // namespace mirvo
