// How near midnight the instants lie that decide a lunar month: its own dark moon (its first day)
// and the instants whose civil day decides its number or leap status. Tables made with another
// ephemeris or Delta T may put an instant closer to midnight than its uncertainty on the other
// civil day, and so begin or number the month differently.
#include <algorithm>
#include <array>
#include <cmath>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/Uncertainty.h"

namespace mirvo {
namespace {

double OffsetSeconds(double cjdc) {
  const double f = cjdc - std::floor(cjdc);
  return (f < 0.5 ? f : f - 1) * 86400;
}

// The civil day another table may give the instant: the one across its nearest midnight.
int32_t OtherDay(double cjdc) { return JdnOf(cjdc) + (cjdc - std::floor(cjdc) < 0.5 ? -1 : 1); }

DecidingInstant Deciding(double cjdc, int16_t term) {
  DecidingInstant d;
  d.cjdc = cjdc;
  d.term = term;
  d.offsetSeconds = OffsetSeconds(cjdc);
  d.uncertaintySeconds = CivilTimeUncertaintySeconds(term ? InstantKind::kSolarTerm : InstantKind::kNewMoon,
                                                     CeYearOfJdn(JdnOf(cjdc)));
  return d;
}

// The margin in units of the uncertainty: below 1 is uncertain.
double Doubt(const DecidingInstant& d) { return d.marginSeconds() / d.uncertaintySeconds; }

// The month holding the day, or -1.
int MonthIndexOf(const std::vector<LunarMonth>& m, int32_t day) {
  auto after = std::upper_bound(m.begin(), m.end(), day,
                                [](int32_t d, const LunarMonth& month) { return d < month.day; });
  if (after == m.begin() || after == m.end()) return -1;
  return static_cast<int>(after - m.begin()) - 1;
}

// Months are numbered from the months that hold a winter solstice and from those without a major
// term alone; a major term moved between two months that keep a major term each can renumber
// nothing unless it is a solstice.
bool CanRenumber(const std::vector<LunarMonth>& m, int from, int to, int entry) {
  if (entry % 24 == 0 || from < 0 || to < 0) return true;
  return m[static_cast<size_t>(from)].majorTerms == 1 || m[static_cast<size_t>(to)].majorTerms == 0;
}

MonthMargin MarginOf(const LunarMonth& month) {
  MonthMargin margin;
  margin.newMoon = Deciding(month.cjdc, 0);
  if (month.decider) {
    margin.label = Deciding(month.decider->cjdc, month.decider->term);
    margin.labelDecidesNumber = month.decider->number;
    margin.labelDecidesLeap = month.decider->leap;
  }
  return margin;
}

}  // namespace

double MonthMargin::marginSeconds() const {
  return label ? std::min(newMoon.marginSeconds(), label->marginSeconds()) : newMoon.marginSeconds();
}

bool MonthMargin::uncertain() const { return newMoon.uncertain() || (label && label->uncertain()); }

// Each instant is moved to the civil day across its nearest midnight and the months are numbered
// again by the same rules; a month whose number or leap status changes depends on it. Only a major
// term on a month's first or last day, or a dark moon whose move carries a major term's day into
// the other month, can change the numbering, so few instants need the second numbering.
void Reckoner::FindMonthDeciders(const SolarTermTable& terms, LunarMonthTable& table) const {
  auto& m = table.months;
  const int n = table.count();
  for (auto& month : m) month.decider.reset();
  auto renumber = [&](const SolarTermTable& movedTerms, const LunarMonthTable& movedMonths,
                      const MonthDecider& candidate, int ownMonth) {
    LunarMonthTable again = movedMonths;
    LabelLunarMonths(movedTerms, again);
    const double doubt = Doubt(Deciding(candidate.cjdc, candidate.term));
    for (int i = 0; i < n; ++i) {
      if (i == ownMonth) continue;  // the month's own dark moon is always counted
      MonthDecider d = candidate;
      d.number = again.months[i].number != m[i].number;
      d.leap = again.months[i].leap != m[i].leap;
      if (!d.number && !d.leap) continue;
      if (m[i].decider && Doubt(Deciding(m[i].decider->cjdc, m[i].decider->term)) <= doubt) continue;
      m[i].decider = d;
    }
  };
  for (int e = 0; e <= 76; e += 2) {
    const SolarTermEntry& term = terms.entry[static_cast<size_t>(e)];
    const int32_t other = OtherDay(term.cjdc);
    const int from = MonthIndexOf(m, term.jdn);
    const int to = MonthIndexOf(m, other);
    if (from == to || !CanRenumber(m, from, to, e)) continue;
    SolarTermTable moved = terms;
    moved.entry[static_cast<size_t>(e)].jdn = other;
    MonthDecider candidate;
    candidate.cjdc = term.cjdc;
    candidate.term = static_cast<int16_t>(e % 24 + 1);
    renumber(moved, table, candidate, -1);
  }
  std::array<int32_t, 39> majorDays;  // of entries 0, 2, .., 76, in time order
  for (size_t e = 0; e < majorDays.size(); ++e) majorDays[e] = terms.entry[2 * e].jdn;
  for (int k = 0; k < n; ++k) {
    const int32_t other = OtherDay(m[static_cast<size_t>(k)].cjdc);
    // The day that changes month: the day before the first day goes to this month, or the first
    // day to the month before.
    const bool earlier = other < m[static_cast<size_t>(k)].day;
    const int32_t crossed = earlier ? other : m[static_cast<size_t>(k)].day;
    const int from = earlier ? k - 1 : k;
    const int to = earlier ? k : k - 1;
    const auto major = std::lower_bound(majorDays.begin(), majorDays.end(), crossed);
    if (major == majorDays.end() || *major != crossed ||
        !CanRenumber(m, from, to, static_cast<int>(major - majorDays.begin()) * 2))
      continue;
    LunarMonthTable moved = table;
    moved.months[static_cast<size_t>(k)].day = other;
    MonthDecider candidate;
    candidate.cjdc = m[static_cast<size_t>(k)].cjdc;
    renumber(terms, moved, candidate, k);
  }
}

bool Reckoner::MonthMarginOf(ChlDate date, MonthMargin& margin) {
  date.day = 1;
  if (ChlToDay(date) != kChlValid) return false;
  for (const LunarMonth& month : lunarMonths_.months) {
    if (month.day == date.jdn) {
      margin = MarginOf(month);
      return true;
    }
  }
  return false;
}

bool Reckoner::MarginsOfDay(int32_t day, DayMargins& margins) {
  if (day < kMinChineseDay || day > kMaxChineseDay) return false;
  BuildYearTables(day + 0.5);
  const auto& m = lunarMonths_.months;
  const int i = MonthIndexOf(m, day);
  if (i < 0) return false;
  margins.month = MarginOf(m[static_cast<size_t>(i)]);
  margins.next = MarginOf(m[static_cast<size_t>(i) + 1]);
  margins.nextBeginsTomorrow = m[static_cast<size_t>(i) + 1].day == day + 1;
  return true;
}

}  // namespace mirvo
