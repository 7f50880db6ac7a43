#include "features/search/MultipleSearchRules.h"

#include <cmath>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"

namespace mirvo {

namespace {

constexpr int32_t kHundredYearsDays = 36890;
constexpr int32_t kThousandYearsDays = 365608;
constexpr const char* kRowWords[3] = {" day", " month", " year"};

// "in an earth", "in a fire": an element read before the animal of a month or year.
std::string ElementArticle(int element) { return element == 2 ? "in an " : "in a "; }

std::string PhraseElement(int element) { return ElementArticle(element) + std::string(ElementName(element)); }

}  // namespace

std::vector<std::string> WithinEntries() {
  std::vector<std::string> entries;
  for (int years : kWithinYears) {
    entries.push_back("within " + std::to_string(years) + (years == 1 ? " year" : " years"));
  }
  return entries;
}

bool ElementAnimalRows::HasElement(int row) const {
  const int e = element[static_cast<size_t>(row)];
  return e >= 0 && e < kNoElementEntry;
}

bool ElementAnimalRows::HasAnimal(int row) const {
  const int a = animal[static_cast<size_t>(row)];
  return a >= 0 && a < kNoAnimalEntry;
}

bool ElementAnimalRows::Matches(int row, int e, int a) const {
  return (!HasElement(row) || element[static_cast<size_t>(row)] == e) &&
         (!HasAnimal(row) || animal[static_cast<size_t>(row)] == a);
}

ElementAnimalRows RowsChosenIn(const MainSettings& settings) {
  ElementAnimalRows rows;
  rows.element = settings.multipleElement;
  rows.animal = settings.multipleAnimal;
  return rows;
}

void ElementAnimalRows::Clear() {
  element.fill(kNoElementEntry);
  animal.fill(kNoAnimalEntry);
}

std::vector<std::string> MultipleElementEntries(int row, int animal) {
  std::vector<std::string> entries;
  for (int e = 0; e < 5; ++e) {
    entries.push_back(row == kDayRow ? std::string(ElementName(e)) : PhraseElement(e));
  }
  entries.push_back(row == kDayRow ? "" : animal == 1 ? "in an" : "in a");
  return entries;
}

std::string RowElementAnimalText(const ElementAnimalRows& rows, int row, Country country) {
  if (!rows.IsSet(row)) return "";
  const int e = rows.element[static_cast<size_t>(row)];
  const int a = rows.animal[static_cast<size_t>(row)];
  // The month and year rows read as a phrase after the day: "in a fire-ox (ding-chou) month".
  const std::string lead = row != kDayRow && rows.HasElement(row) ? ElementArticle(e) : "";
  return lead + ChosenElementAnimalPhrase(e, a, country) + kRowWords[row];
}

std::string MultipleElementAnimalStr(const ElementAnimalRows& rows, Country country) {
  std::string sentence = rows.IsSet(kDayRow) ? RowElementAnimalText(rows, kDayRow, country) : "day";
  for (int row : {kMonthRow, kYearRow}) {
    const std::string text = RowElementAnimalText(rows, row, country);
    if (text.empty()) continue;
    sentence += (text.front() == '-' ? " in a " : " ") + text;
  }
  for (size_t at = sentence.find("a -ox"); at != std::string::npos; at = sentence.find("a -ox", at + 6)) {
    sentence.replace(at, 5, "an -ox");
  }
  return sentence;
}

double NoonOfDay(int32_t day, double longitude) { return AjdFromCjdc(day + 0.5, longitude); }

int32_t FirstAdmittedDay(double longitude) {
  return static_cast<int32_t>(std::ceil(kMinAjd + longitude / 360.0));
}

int32_t LastAdmittedDay(double longitude) {
  return static_cast<int32_t>(std::floor(kMaxAjd + longitude / 360.0));
}

std::string NotFoundText(const NotFoundCase& search) {
  const int withinYears = search.withinYears;
  if (search.rangeEnded) {
    return search.next ? "There is no such day before 3000-01-01 CE, the latest admitted date."
                       : "There is no such day after -3000-01-01 CE, the earliest admitted date.";
  }
  return "There is no such day within " + std::to_string(withinYears) +
         (withinYears == 1 ? " year" : " years") + (search.fromToday ? " of today" : "") + ".";
}

MultipleElementAnimalSearch::MultipleElementAnimalSearch(Reckoner& reckoner, const ElementAnimalRows& rows,
                                                         int32_t startDay, bool next, int withinYears,
                                                         Epoch epoch)
    : reckoner_(reckoner),
      rows_(rows),
      s_(next ? 1 : -1),
      epoch_(epoch),
      a_(startDay),
      limit_(startDay),
      firstDay_(FirstAdmittedDay(reckoner.ReferenceDegrees())),
      lastDay_(LastAdmittedDay(reckoner.ReferenceDegrees())),
      day_(startDay) {
  if (withinYears >= 100) {
    limit_ = startDay + s_ * (withinYears >= 1000 ? kThousandYearsDays : kHundredYearsDays);
    return;
  }
  // The same lunar date one or ten lunar years on. Where the lunar calendar ends first, the
  // admitted range ends the search.
  ChlDate d;
  reckoner_.DayToChl(startDay + 0.5, epoch_, d);
  bool reached = d.valid == 1;
  for (int k = 0; k < withinYears && reached; ++k)
    reached = reckoner_.StepChlYear(d, next, {.day30 = true, .leap = true});
  if (reached && reckoner_.ChlToDay(d) == kChlValid) {
    limit_ = d.jdn;
  } else {
    limit_ = next ? lastDay_ + 1 : firstDay_ - 1;
  }
}

bool MultipleElementAnimalSearch::InRange(int64_t day) const { return day >= firstDay_ && day <= lastDay_; }

void MultipleElementAnimalSearch::End(int32_t day, bool notFound, bool rangeEnded) {
  day_ = day;
  ended_ = true;
  notFound_ = notFound;
  rangeEnded_ = rangeEnded;
}

// The nearest year from d's on in the search's direction whose pair meets the year row: forward
// its new year's day, backward its last day.
bool MultipleElementAnimalSearch::JumpToMatchingYear(int32_t& i, ChlDate& d) {
  int32_t cycle = d.cycle, position = d.position;
  do {
    StepYears(cycle, position, s_);
  } while (!rows_.Matches(kYearRow, ElementOfPosition(position), AnimalOfPosition(position)));
  ChlDate newYear;
  newYear.cycle = cycle;
  newYear.position = position;
  newYear.month = 1;
  newYear.day = 1;
  if (s_ < 0) StepYears(newYear.cycle, newYear.position, 1);
  if (reckoner_.ChlToDay(newYear) != kChlValid) return false;
  if (s_ > 0) {
    i = newYear.jdn;
    d = newYear;
    return true;
  }
  i = newYear.jdn - 1;
  reckoner_.DayToChl(i + 0.5, epoch_, d);
  return d.valid == 1;
}

// The day after a_ in the search's direction, or the first day of the next year the year row
// admits; false, the search ended, where the admitted range or the lunar calendar ends first.
bool MultipleElementAnimalSearch::ReachNextDay(int32_t& i, ChlDate& d) {
  const int64_t next = int64_t{a_} + s_;
  if (!InRange(next)) {
    End(a_, true, true);
    return false;
  }
  i = static_cast<int32_t>(next);
  reckoner_.DayToChl(i + 0.5, epoch_, d);
  if (d.valid != 1) {
    End(i, true, true);
    return false;
  }
  const auto [yearElement, yearAnimal] = YearElementAnimal(d.position);
  if (rows_.IsSet(kYearRow) && !rows_.Matches(kYearRow, yearElement, yearAnimal)) {
    if (!JumpToMatchingYear(i, d) || !InRange(i)) {
      End(i, true, true);
      return false;
    }
  }
  return true;
}

bool MultipleElementAnimalSearch::DayMatches(int32_t i, const ChlDate& d) const {
  const int dayPosition = DayPosition(i);
  if (!rows_.Matches(kDayRow, ElementOfPosition(dayPosition), AnimalOfPosition(dayPosition))) return false;
  if (!rows_.IsSet(kMonthRow)) return true;
  const auto [monthElement, monthAnimal] = MonthElementAnimal(d);
  return rows_.Matches(kMonthRow, monthElement, monthAnimal);
}

bool MultipleElementAnimalSearch::PastLimit(int32_t i) const {
  return (s_ > 0 && i > limit_) || (s_ < 0 && i < limit_);
}

void MultipleElementAnimalSearch::RenewProgress(int32_t i, const ChlDate& d) {
  if (passes_ % 20 != 0) return;
  const CalendarDate ce = CeDateOfJdn(i);
  progress_ = "Searching ...    " + reckoner_.ChlDateText(d, 0, "CHL") + "   " +
              CalendarDateText(ce, 2, '-', ',', false) + " CE";
}

// After a day of the wanted animal (or pair) the next one is 12 (or 60) days on.
int32_t MultipleElementAnimalSearch::LastDaySkipped(int32_t i) const {
  const int dayPosition = DayPosition(i);
  if (rows_.HasAnimal(kDayRow) &&
      rows_.Matches(kDayRow, ElementOfPosition(dayPosition), AnimalOfPosition(dayPosition))) {
    return i + s_ * (rows_.HasElement(kDayRow) ? 59 : 11);
  }
  return i;
}

bool MultipleElementAnimalSearch::Run(long maxPasses) {
  for (long k = 0; k < maxPasses && !ended_; ++k) {
    int32_t i = 0;
    ChlDate d;
    if (!ReachNextDay(i, d)) break;
    if (DayMatches(i, d)) {
      End(i, false, false);
      break;
    }
    if (PastLimit(i)) {
      End(i, true, false);
      break;
    }
    day_ = i;
    RenewProgress(i, d);
    ++passes_;
    a_ = LastDaySkipped(i);
  }
  return ended_;
}

int32_t SearchMultipleElementAnimal(Reckoner& reckoner, const ElementAnimalRows& rows, int32_t startDay,
                                    bool next, int withinYears, Epoch epoch, bool& notFound,
                                    bool* rangeEnded) {
  MultipleElementAnimalSearch search(reckoner, rows, startDay, next, withinYears, epoch);
  while (!search.Run(1 << 20)) {}
  notFound = search.notFound();
  if (rangeEnded) *rangeEnded = search.rangeEnded();
  return search.day();
}

}  // namespace mirvo
