#include "features/display/UncertainDay.h"

#include <cmath>

#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/names/Names.h"
#include "features/display/Sentences.h"

namespace mirvo {
namespace {

std::string Counted(long long n, const char* unit) {
  return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

// "4 seconds after midnight", "12 minutes before midnight".
std::string FromMidnight(const DecidingInstant& instant) {
  return MarginText(instant.marginSeconds()) +
         (instant.offsetSeconds < 0 ? " before midnight" : " after midnight");
}

std::string WhatItDecides(const MonthMargin& margin) {
  if (margin.labelDecidesNumber && margin.labelDecidesLeap)
    return "the number of this month and whether it is a leap month depend";
  if (margin.labelDecidesNumber) return "the number of this month depends";
  return "whether this month is a leap month depends";
}

std::string InstantName(const DecidingInstant& instant) {
  if (instant.term == 0) return "the new moon";
  return "the solar term " + std::string(TermCode(instant.term)) + " (" +
         std::string(TermName(instant.term)) + ")";
}

std::string Capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text + ".";
}

void Add(std::string& text, const std::string& sentence) {
  if (!text.empty()) text += " ";
  text += Capitalised(sentence);
}

// The same pieces in another language than English.
std::string FromMidnight(Language language, const DecidingInstant& instant) {
  return Worded(language, instant.offsetSeconds < 0 ? Sentence::kBeforeMidnight : Sentence::kAfterMidnight,
                {MarginWords(language, instant.marginSeconds())});
}

std::string InstantName(Language language, const DecidingInstant& instant) {
  if (instant.term == 0) return Worded(language, Sentence::kTheNewMoon, {});
  return Worded(language, Sentence::kTheSolarTerm,
                {TermCode(instant.term), names::SolarTerm(language, instant.term)});
}

Sentence WhatItDecides(Language, const MonthMargin& margin) {
  if (margin.labelDecidesNumber && margin.labelDecidesLeap) return Sentence::kNumberAndLeapDepend;
  return margin.labelDecidesNumber ? Sentence::kNumberDepends : Sentence::kLeapDepends;
}

}  // namespace

std::string UncertainDayText(const Reckoner::DayMargins& margins, Language language) {
  if (language == Language::kEnglish) return UncertainDayText(margins);
  std::string text;
  const MonthMargin& month = margins.month;
  if (month.newMoon.uncertain()) {
    const Sentence other = month.newMoon.offsetSeconds < 0 ? Sentence::kFirstDayMayBeDayAfter
                                                           : Sentence::kFirstDayMayBeDayBefore;
    AddSentence(language, text, Worded(language, other, {FromMidnight(language, month.newMoon)}));
  }
  if (month.label && month.label->uncertain()) {
    CalendarDate day;
    day.jdn = JdnOf(month.label->cjdc);
    CalendarDateFromJdn(day);
    AddSentence(language, text,
                Worded(language, WhatItDecides(language, month),
                       {InstantName(language, *month.label), CalendarDateText(day, 2, '-', ',', true),
                        FromMidnight(language, *month.label)}));
  }
  const DecidingInstant& next = margins.next.newMoon;
  if (margins.nextBeginsTomorrow && next.uncertain() && next.offsetSeconds >= 0) {
    AddSentence(language, text,
                Worded(language, Sentence::kNextMonthTomorrow, {FromMidnight(language, next)}));
  }
  return text;
}

std::string MarginText(double seconds) {
  const double s = std::fabs(seconds);
  if (std::llround(s) < 1) return "under 1 second";
  if (s < 120) return Counted(std::llround(s), "second");
  if (s < 7200) return Counted(std::llround(s / 60), "minute");
  return Counted(std::llround(s / 3600), "hour");
}

std::string UncertainDayText(const Reckoner::DayMargins& margins) {
  std::string text;
  const MonthMargin& month = margins.month;
  if (month.newMoon.uncertain()) {
    Add(text, "the first day of this month depends on a new moon " + FromMidnight(month.newMoon) +
                  "; other sources may give the day " +
                  (month.newMoon.offsetSeconds < 0 ? "after" : "before"));
  }
  if (month.label && month.label->uncertain()) {
    CalendarDate day;
    day.jdn = JdnOf(month.label->cjdc);
    CalendarDateFromJdn(day);
    Add(text, WhatItDecides(month) + " on " + InstantName(*month.label) + " of " +
                  CalendarDateText(day, 2, '-', ',', true) + ", " + FromMidnight(*month.label) +
                  "; other sources may number it differently");
  }
  const DecidingInstant& next = margins.next.newMoon;
  if (margins.nextBeginsTomorrow && next.uncertain() && next.offsetSeconds >= 0) {
    Add(text, "the next month begins tomorrow by a new moon " + FromMidnight(next) +
                  "; other sources may begin it on this day");
  }
  return text;
}

std::string UncertainMonthNote(const MonthMargin& margin) {
  std::string note;
  if (margin.newMoon.uncertain()) note = "first day: new moon " + FromMidnight(margin.newMoon);
  if (margin.label && margin.label->uncertain()) {
    if (!note.empty()) note += "; ";
    note += margin.labelDecidesNumber ? "number" : "leap";
    note += std::string(": ") +
            (margin.label->term ? "solar term " + std::string(TermCode(margin.label->term))
                                : std::string("new moon")) +
            " " + FromMidnight(*margin.label);
  }
  return note;
}

std::string UncertainMonthPageText(const MonthMargin& month, const MonthMargin& next, int length) {
  Reckoner::DayMargins first;
  first.month = month;
  std::string text = UncertainDayText(first);
  const DecidingInstant& end = next.newMoon;
  if (end.uncertain()) {
    // A new moon just after midnight may fall on the day before in other tables, ending this
    // month a day sooner; one just before midnight, a day later.
    const bool sooner = end.offsetSeconds >= 0;
    Add(text, "the next month begins by a new moon " + FromMidnight(end) +
                  "; other sources may begin it a day " + (sooner ? "earlier" : "later") +
                  ", giving this month " + std::to_string(length + (sooner ? -1 : 1)) + " days");
  }
  return text;
}

std::string UncertainMonthPageNote(const MonthMargin& month, const MonthMargin& next) {
  std::string note = UncertainMonthNote(month);
  if (next.newMoon.uncertain()) {
    if (!note.empty()) note += "; ";
    note += "end: next new moon " + FromMidnight(next.newMoon);
  }
  return note;
}

}  // namespace mirvo
