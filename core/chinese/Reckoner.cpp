// The context object: settings, the cache of year tables, and the lunar-month rules (dark moons,
// major solar terms, month numbers, leap months) with the conversions between a day number and a
// lunar or solar date.
#include "core/chinese/Reckoner.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <tuple>

#include "core/chinese/History.h"
#include "core/daycount/DayCount.h"

namespace mirvo {

namespace {

// At most this many year tables are kept; one sui's pair of tables is about 4 kB.
constexpr size_t kYearCacheCapacity = 256;
// The month table never needs more entries: about 42 lunations span its solar-term table.
constexpr int kMaxLunarMonths = 51;

int32_t WrapPosition(int32_t position, int32_t& cycle) {
  if (position > 60) {
    ++cycle;
    return 1;
  }
  if (position < 1) {
    --cycle;
    return 60;
  }
  return position;
}

// The CE year named by a cycle and position, or false when it lies outside the years the
// calendar can be computed for (also guards the arithmetic against overflow).
bool ChineseYear(int32_t cycle, int32_t position, mirvo::Epoch epoch, int32_t& year) {
  const int64_t y = (int64_t{cycle} - 1) * 60 + EpochYear(epoch) + position - 1;
  if (y < Reckoner::kMinChineseYear || y > Reckoner::kMaxChineseYear) return false;
  year = static_cast<int32_t>(y);
  return true;
}

bool InChineseYears(int32_t year) {
  return year >= Reckoner::kMinChineseYear && year <= Reckoner::kMaxChineseYear;
}

bool InChineseRange(double day) {
  return std::isfinite(day) && day >= Reckoner::kMinChineseDay && day < Reckoner::kMaxChineseDay + 1.0;
}

}  // namespace

// One sui's tables: the solar-term table of a method and, for the true sun, the lunar months
// built on it (under a history plan, on the tables of each lunar year's meridian). [suiStart,
// suiEnd) are the days whose sui year is b at the meridian.
struct Reckoner::YearTables {
  int32_t sui = 0;
  int meridian = 0;  // arc-minutes east
  int plan = 0;
  mirvo::SunMethod method = kTrueSun;
  int32_t suiStart = 0;
  int32_t suiEnd = 0;
  SolarTermTable terms;
  LunarMonthTable months;
  bool monthsBuilt = false;
  uint64_t lastUse = 0;
};

struct Reckoner::YearCache {
  using Key = std::tuple<int, int, mirvo::SunMethod, int32_t>;  // meridian, plan, method, sui year
  std::map<Key, std::unique_ptr<YearTables>> tables;
  uint64_t clock = 0;
  // The most recently used tables, tried before the map.
  std::array<YearTables*, 4> recent{};
  // What solarTerms_ and lunarMonths_ hold now (null: something else, or nothing yet).
  const YearTables* currentTerms = nullptr;
  const YearTables* currentMonths = nullptr;

  void Touch(YearTables* t) {
    t->lastUse = ++clock;
    auto it = std::find(recent.begin(), recent.end(), t);
    if (it == recent.end()) it = recent.end() - 1;
    std::rotate(recent.begin(), it, it + 1);
    recent[0] = t;
  }
  void Forget(const YearTables* t) {
    for (auto& r : recent)
      if (r == t) r = nullptr;
    if (currentTerms == t) currentTerms = nullptr;
    if (currentMonths == t) currentMonths = nullptr;
  }
};

Reckoner::Reckoner() : yearCache_(std::make_unique<YearCache>()) {}
Reckoner::~Reckoner() = default;

void Reckoner::SetReferenceLongitude(int degreesEast) {
  if (degreesEast < kMinLongitude || degreesEast > kMaxLongitude)
    throw std::out_of_range("reference longitude must be from 100 to 145 degrees east");
  meridian_ = ArcMinutes(degreesEast);
}

void Reckoner::SetReferenceMeridian(int arcMinutesEast) {
  if (arcMinutesEast < ArcMinutes(kMinLongitude) || arcMinutesEast > ArcMinutes(kMaxLongitude))
    throw std::out_of_range("reference meridian must be from 100 to 145 degrees east");
  meridian_ = arcMinutesEast;
}

int Reckoner::MeridianOfLunarYear(int32_t year) const {
  return historical_ ? AlmanacMeridian(country_, year) : meridian_;
}

void Reckoner::SetEpoch(mirvo::Epoch epoch) {
  if (!EpochFromYear(EpochYear(epoch))) throw std::out_of_range("epoch must be -2696 or -2636");
  epoch_ = epoch;
}

void Reckoner::SetSunMethod(mirvo::SunMethod method) {
  if (method != kTrueSun && method != kMeanSun) throw std::out_of_range("unknown Sun method");
  sunMethod_ = method;
}

void Reckoner::SetCountry(Country country) {
  if (!CountryFromNumber(CountryNumber(country))) throw std::out_of_range("unknown country");
  country_ = country;
}

Reckoner::YearTables& Reckoner::TablesFor(int32_t day, mirvo::SunMethod method, bool withMonths) {
  const int plan = Plan();
  YearTables* found = nullptr;
  for (YearTables* t : yearCache_->recent) {
    if (t && t->meridian == meridian_ && t->plan == plan && t->method == method && t->suiStart <= day &&
        day < t->suiEnd) {
      found = t;
      break;
    }
  }
  if (!found) found = &SuiTables(ephemeris_.SuiYearOf(day, ReferenceDegrees()), meridian_, method, plan);
  yearCache_->Touch(found);
  if (withMonths && !found->monthsBuilt) BuildMonths(*found);
  return *found;
}

Reckoner::YearTables& Reckoner::SuiTables(int32_t sui, int meridian, mirvo::SunMethod method, int plan) {
  YearCache& cache = *yearCache_;
  const YearCache::Key key{meridian, plan, method, sui};
  auto it = cache.tables.find(key);
  if (it == cache.tables.end()) {
    if (cache.tables.size() >= kYearCacheCapacity) {
      auto oldest = std::min_element(
          cache.tables.begin(), cache.tables.end(),
          [](const auto& a, const auto& b) { return a.second->lastUse < b.second->lastUse; });
      cache.Forget(oldest->second.get());
      cache.tables.erase(oldest);
    }
    const double degrees = DegreesOf(meridian);
    auto t = std::make_unique<YearTables>();
    t->sui = sui;
    t->meridian = meridian;
    t->plan = plan;
    t->method = method;
    t->suiStart = JdnOf(ephemeris_.DecemberSolsticeCjdc(sui - 1, degrees));
    t->suiEnd = JdnOf(ephemeris_.DecemberSolsticeCjdc(sui, degrees));
    ephemeris_.BuildSolarTermTable(static_cast<double>(t->suiStart), method, degrees, t->terms);
    it = cache.tables.emplace(key, std::move(t)).first;
  }
  cache.Touch(it->second.get());
  return *it->second;
}

void Reckoner::BuildMonths(YearTables& tables) {
  if (tables.plan == 0) {
    BuildDarkMoonTable(tables.terms, tables.months);
    LabelLunarMonths(tables.terms, tables.months);
    FindMonthDeciders(tables.terms, tables.months);
    for (LunarMonth& month : tables.months.months) month.meridian = tables.meridian;
  } else {
    BuildHistoricalMonths(tables.sui, tables.method, tables.months);
  }
  tables.monthsBuilt = true;
}

// Each lunar year takes its months from the table of its almanac's meridian, by lunation: a year
// runs from the lunation that its own meridian makes its month 1 to the lunation before the next
// year's month 1 at that year's meridian, so a month at a change of meridian ends where the next
// year begins. The tables of one sui at every meridian start at the same lunation, the one in
// progress at the same December solstice.
void Reckoner::BuildHistoricalMonths(int32_t sui, mirvo::SunMethod method, LunarMonthTable& months) {
  months.months.clear();
  const Country country = static_cast<Country>(Plan() - 1);
  auto plainMonths = [&](int meridian) -> const LunarMonthTable& {
    YearTables& t = SuiTables(sui, meridian, method, 0);
    if (!t.monthsBuilt) BuildMonths(t);
    return t.months;
  };
  // Copies: building one meridian's tables may push another's out of the cache.
  const LunarMonthTable own = plainMonths(AlmanacMeridian(country, sui));
  months.firstLunation = own.firstLunation;
  struct YearStart {
    int32_t year;
    int32_t lunation;
    int meridian;
  };
  std::vector<YearStart> starts;
  std::map<int, LunarMonthTable> byMeridian;
  auto tableOf = [&](int meridian) -> const LunarMonthTable& {
    auto it = byMeridian.find(meridian);
    if (it == byMeridian.end()) it = byMeridian.emplace(meridian, plainMonths(meridian)).first;
    return it->second;
  };
  // The years that begin in the table, each at its own meridian.
  for (const LunarMonth& m : own.months) {
    if (m.number != 1 || m.leap) continue;
    const int32_t year = CeYearOfJdn(m.day);
    const int meridian = AlmanacMeridian(country, year);
    const LunarMonthTable& table = tableOf(meridian);
    int i = 0;
    while (i < table.count() &&
           !(table.months[static_cast<size_t>(i)].number == 1 && !table.months[static_cast<size_t>(i)].leap &&
             CeYearOfJdn(table.months[static_cast<size_t>(i)].day) == year))
      ++i;
    if (i >= table.count()) break;
    starts.push_back({year, table.firstLunation + i, meridian});
  }
  const int before =
      starts.empty() ? AlmanacMeridian(country, sui) : AlmanacMeridian(country, starts.front().year - 1);
  for (int i = 0; i < own.count(); ++i) {
    const int32_t lunation = own.firstLunation + i;
    int meridian = before;
    for (const YearStart& start : starts) {
      if (start.lunation <= lunation) meridian = start.meridian;
    }
    const LunarMonthTable& table = tableOf(meridian);
    const int k = lunation - table.firstLunation;
    if (k < 0 || k >= table.count()) break;
    months.months.push_back(table.months[static_cast<size_t>(k)]);
  }
}

void Reckoner::MakeCurrentTerms(const YearTables& tables) {
  if (yearCache_->currentTerms == &tables) return;
  solarTerms_ = tables.terms;
  yearCache_->currentTerms = &tables;
}

void Reckoner::MakeCurrentMonths(const YearTables& tables) {
  if (yearCache_->currentMonths == &tables) return;
  lunarMonths_ = tables.months;
  yearCache_->currentMonths = &tables;
}

// Tables are kept per (sui year, longitude, method): a table built for any day of a sui is the
// same for every other day of that sui, so a rebuild for a cached sui is a copy at most.
void Reckoner::BuildYearTables(double day) {
  if (!InChineseRange(day)) return;
  YearTables& tables = TablesFor(static_cast<int32_t>(std::floor(day)), kTrueSun, true);
  MakeCurrentTerms(tables);
  MakeCurrentMonths(tables);
}

// The table begins with the lunation in progress at the first December solstice of the
// solar-term table and ends some 40 days after its last entry.
void Reckoner::BuildDarkMoonTable(const SolarTermTable& terms, LunarMonthTable& months) {
  months.months.clear();
  const double longitude = terms.longitude;
  const int32_t first = ephemeris_.LunationAt(AjdFromCjdc(terms.entry[0].cjdc, longitude));
  months.firstLunation = first;
  const int32_t lastDay = terms.entry[78].jdn + 40;
  // A dark moon that surely falls after lastDay ends the table unsolved.
  const double beyond = AjdFromCjdc(lastDay + 1, longitude);
  for (int k = 0; k <= kMaxLunarMonths; ++k) {
    if (Ephemeris::EarliestDarkMoonUt(first + k) > beyond) break;
    const double t = CjdcFromAjd(ephemeris_.SyzygyUt(first + k, 0), longitude);
    const int32_t d = JdnOf(t);
    if (d > lastDay || k == kMaxLunarMonths) break;
    LunarMonth m;
    m.cjdc = t;
    m.day = d;
    months.months.push_back(std::move(m));
  }
}

// Month 11 is the month holding the December solstice; a sui (solstice to solstice) of 13 months
// gets one leap month, the first of its months without a major solar term. Dark moons and terms
// are compared by civil day at the reference meridian, so a term on the day of a dark moon
// belongs to the month that begins that day.
void Reckoner::LabelLunarMonths(const SolarTermTable& terms, LunarMonthTable& table) const {
  auto& m = table.months;
  const int n = static_cast<int>(m.size());
  for (auto& month : m) {
    month.label.clear();
    month.majorTerms = 0;
    month.number = 0;
    month.leap = 0;
  }
  // Terms and months are both in time order: one pass over each.
  int j = 0;
  for (int e = 0; e <= 76; e += 2) {
    const int32_t day = terms.entry[static_cast<size_t>(e)].jdn;
    while (j + 1 < n && m[j + 1].day <= day) ++j;
    if (j + 1 < n && m[j].day <= day) {
      ++m[j].majorTerms;
      if (e % 24 == 0) m[j].label = kStartOfSuiMark;
    }
  }
  auto number = [&](int i, int month, bool leap) {
    m[i].number = static_cast<int16_t>(month);
    m[i].leap = leap ? 1 : 0;
    m[i].label = MonthLabel(month, leap ? 1 : 0);
  };
  // Numbering starts at the first solstice month. That is month 0 unless the dark moon after the
  // solstice falls later on the solstice's own civil day: month 0 then ends the day before the
  // solstice and holds no major term of the table, and counting a sui from it would make it a
  // leap month with no month before it and shift every month number after it.
  int off = 0;
  while (off < n && m[off].label != kStartOfSuiMark) ++off;
  while (off < n) {
    int next = off + 1;
    while (next < n && m[next].label != kStartOfSuiMark) ++next;
    if (next >= n) {
      m[off].label = kStopHereMark;
      break;
    }
    if (next == off + 12) {
      for (int k = 0; k < 12; ++k) number(off + k, ((k + 10) % 12) + 1, false);
      off += 12;
      continue;
    }
    // A sui of 13 months (a shorter span cannot occur between two solstices).
    const int span = std::min(13, n - off);
    int leapAt = -1;
    for (int k = 0; k < span; ++k) {
      if (m[off + k].majorTerms == 0) {
        leapAt = off + k;
        break;
      }
    }
    if (leapAt >= 0) m[leapAt].label = kLeapMonthMark;
    int month = 11;
    for (int k = 0; k < span; ++k) {
      const int i = off + k;
      if (i == leapAt && k > 0) {
        number(i, m[i - 1].number, true);
        continue;
      }
      number(i, month, false);
      month = month % 12 + 1;
    }
    off += 13;
  }
}

int16_t Reckoner::ChlToDay(ChlDate& date) {
  date.valid = 0;
  if (date.position < 1 || date.position > 60 || date.month < 1 || date.month > 12 ||
      (date.leap != 0 && date.leap != 1) || date.day < 1 || date.day > 31)
    return kChlFieldOutOfRange;
  date.epoch = epoch_;
  int32_t year = 0;
  if (!ChineseYear(date.cycle, date.position, epoch_, year)) return kChlFieldOutOfRange;
  // Any day of sui `year` selects the same tables. The 15th of the month names one for every
  // month but December: from the 93rd century on, the December solstice can fall on the 15th
  // or before, and mid-December then already belongs to the next sui.
  BuildYearTables(JdnOfCeDate(year, std::min(date.month, 11), 15));
  const auto& m = lunarMonths_.months;
  const int n = lunarMonths_.count();
  // The table starts in the lunar year before last: its second month 1 opens this lunar year.
  int i = 0;
  int seen = 0;
  for (; i < n; ++i) {
    if (m[i].number == 1 && !m[i].leap && ++seen == 2) break;
  }
  if (i >= n) return kChlNoNewYear;
  while (!(m[i].number == date.month && m[i].leap == date.leap)) {
    ++i;
    if (i >= n) return kChlEndOfTable;
    if (m[i].number == 1 && !m[i].leap) return kChlNoSuchMonth;
  }
  if (i + 1 >= n) return kChlEndOfTable;
  if (date.day > m[i + 1].day - m[i].day) return kChlDayBeyondMonth;
  date.jdn = m[i].day + date.day - 1;
  date.valid = 1;
  return kChlValid;
}

void Reckoner::DayToChinese(double x, mirvo::Epoch epoch, ChsDate& chs, ChlDate& chl) {
  DayToChineseDates(x, epoch, &chs, chl);
}

void Reckoner::DayToChl(double x, mirvo::Epoch epoch, ChlDate& chl) {
  DayToChineseDates(x, epoch, nullptr, chl);
}

void Reckoner::DayToChineseDates(double x, mirvo::Epoch epoch, ChsDate* solar, ChlDate& chl) {
  if (!InChineseRange(x)) {
    chl.valid = 0;
    if (solar) solar->valid = 0;
    return;
  }
  const int32_t c = static_cast<int32_t>(std::floor(x));
  BuildYearTables(x);
  const auto& m = lunarMonths_.months;
  const int n = lunarMonths_.count();

  chl.epoch = epoch;
  chl.jdn = c;
  chl.valid = 0;
  int i = 0;
  while (i + 1 < n && !(m[i].day <= c && c < m[i + 1].day)) ++i;
  if (i + 1 < n && m[i].number != 0) {
    chl.month = m[i].number;
    chl.leap = m[i].leap;
    chl.day = c - m[i].day + 1;
    int first = i;
    while (first >= 0 && !(m[first].number == 1 && !m[first].leap)) --first;
    if (first >= 0) {
      const int32_t year = CeYearOfJdn(m[first].day);
      chl.cycle = CycleOf(year, epoch);
      chl.position = PositionOf(year);
      // The first days of the range belong to a lunar year before it; a date that ChlToDay
      // would refuse is not reported as valid.
      chl.valid = InChineseYears(year) ? 1 : 0;
    }
  }

  if (solar) SolarDateInTable(solarTerms_, c, epoch, *solar);
}

void Reckoner::DayToChs(double x, mirvo::Epoch epoch, mirvo::SunMethod method, ChsDate& chs) {
  if (!InChineseRange(x)) {
    chs.valid = 0;
    return;
  }
  const int32_t c = static_cast<int32_t>(std::floor(x));
  SolarDateInTable(TablesFor(c, method, false).terms, c, epoch, chs);
}

void Reckoner::SolarDateInTable(const SolarTermTable& terms, int32_t c, mirvo::Epoch epoch, ChsDate& chs) {
  // Entry 0 is the December solstice of sui b - 1; every 24 entries the sui (and so the year
  // named by cycle and position) advances by one.
  const auto& e = terms.entry;
  const int32_t y0 = CeYearOfJdn(e[0].jdn);
  int32_t cycle = CycleOf(y0, epoch);
  int32_t position = PositionOf(y0);
  chs.epoch = epoch;
  chs.jdn = c;
  chs.valid = 0;
  for (int k = 0; k <= 71; ++k) {
    if (k % 24 == 0) position = WrapPosition(position + 1, cycle);
    if (e[k].jdn <= c && c < e[k + 1].jdn) {
      chs.term = k % 24 + 1;
      chs.day = c - e[k].jdn + 1;
      // Likewise the last days of the range open a sui after it.
      chs.valid = InChineseYears(y0 + k / 24 + 1) ? 1 : 0;
      break;
    }
  }
  chs.cycle = cycle;
  chs.position = position;
}

void Reckoner::RefreshChlDate(ChlDate& date) { DayToChl(date.jdn + 0.5, date.epoch, date); }

void Reckoner::DayToChlWithHistory(int32_t day, bool historical, ChlDate& chl) {
  const bool was = historical_;
  historical_ = historical;
  DayToChl(day + 0.5, epoch_, chl);
  historical_ = was;
  BuildYearTables(day + 0.5);
}

int16_t Reckoner::ChlToDayWithHistory(ChlDate& date, bool historical) {
  ChlDate again = date;
  const bool was = historical_;
  historical_ = historical;
  const int16_t status = ChlToDay(date);
  historical_ = was;
  ChlToDay(again);
  return status;
}

// Works on a copy: asking for the length of a month leaves the caller's date as it was.
int16_t Reckoner::ChlMonthLength(ChlDate& date) {
  ChlDate probe = date;
  probe.day = 30;
  const int16_t status = ChlToDay(probe);
  if (status == kChlValid) return 30;
  if (status == kChlDayBeyondMonth) return 29;
  return status;
}

bool Reckoner::ChsToDay(ChsDate& date) {
  date.valid = 0;
  if (date.position < 1 || date.position > 60 || date.term < 1 || date.term > 24 || date.day < 1 ||
      date.day > 16)
    return false;
  date.epoch = epoch_;
  int32_t year = 0;
  if (!ChineseYear(date.cycle, date.position, epoch_, year)) return false;
  // The first of the CE month in which the term usually begins lies in sui `year`.
  const int32_t anchor = JdnOfCeDate(year, (date.term + 1) / 2, 1);
  YearTables& tables = TablesFor(anchor, sunMethod_, false);
  MakeCurrentTerms(tables);
  const auto& e = solarTerms_.entry;
  const int32_t jdn = e[static_cast<size_t>(date.term + 23)].jdn + date.day - 1;
  if (jdn >= e[static_cast<size_t>(date.term + 24)].jdn) return false;
  date.jdn = jdn;
  date.valid = 1;
  return true;
}

}  // namespace mirvo
