#include "features/search/SearchRules.h"

#include <array>
#include <string_view>

#include "core/chinese/Cycles.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "features/tables/Limits.h"

namespace mirvo {

namespace {

constexpr std::array<std::string_view, kSearchTargetCount> kTargetNames{"full-moon",
                                                                        "dark-moon",
                                                                        "lunar-quarter",
                                                                        "lunar-new-year",
                                                                        "winter-solstice",
                                                                        "vernal-equinox",
                                                                        "summer-solstice",
                                                                        "autumnal-equinox",
                                                                        "solstice-or-equinox",
                                                                        "solar-term",
                                                                        "solar-term-dark-moon",
                                                                        "solar-term-full-moon",
                                                                        "winter-solstice-dark-moon",
                                                                        "solstice-equinox-dark-moon",
                                                                        "solstice-equinox-full-moon",
                                                                        "element-animal-day",
                                                                        "element-animal-month",
                                                                        "element-animal-year",
                                                                        "triple-coincidence",
                                                                        "same-element-animal-day-month",
                                                                        "multiple-element-animal",
                                                                        "intercalary-month",
                                                                        "festival"};

constexpr int kDarkMoon = 0;
constexpr int kFullMoon = 2;
constexpr int kSyzygyPassLimit = 1000;

bool IsWantedTerm(int target, int entry) {
  const int k = entry % 24;
  switch (target) {
    case kTargetWinterSolstice: return k == 0;
    case kTargetVernalEquinox: return k == 6;
    case kTargetSummerSolstice: return k == 12;
    case kTargetAutumnalEquinox: return k == 18;
    case kTargetSolsticeOrEquinox: return k % 6 == 0;
    default: return true;
  }
}

// The first day of a solar term, and of a solstice or equinox for the targets that ask for one.
bool IsWantedTermDay(int target, const ChsDate& chs) {
  if (chs.valid != 1 || chs.day != 1) return false;
  if (target == kTargetWinterSolsticeDarkMoon) return chs.term == 1;
  if (target == kTargetSolsticeEquinoxDarkMoon || target == kTargetSolsticeEquinoxFullMoon)
    return chs.term % 6 == 1;
  return true;
}

}  // namespace

std::string ChosenFestival(const FestivalCalendar& festivals, Country country, const MainSettings& settings) {
  const FestivalCountry* c = festivals.Country(country);
  if (c == nullptr || c->festivals.empty()) return "";
  for (const Festival& f : c->festivals) {
    if (f.id == settings.searchFestival) return f.id;
  }
  return c->festivals.front().id;
}

int SearchTargetOfName(const std::string& name) {
  for (size_t i = 0; i < kTargetNames.size(); ++i) {
    if (kTargetNames[i] == name) return static_cast<int>(i);
  }
  return -1;
}

const char* SearchTargetName(int target) {
  return target >= 0 && target < kSearchTargetCount ? kTargetNames[static_cast<size_t>(target)].data() : "";
}

SearchRules::SearchRules(MainRules& rules) : rules_(rules) {}

void SearchRules::Label(const std::string& text, bool visible) {
  if (label_) label_(text, visible);
}

ElementAnimalRows SearchRules::MultipleRows() const { return RowsChosenIn(rules_.settings()); }

SearchResult SearchRules::Search() {
  if (std::optional<Refusal> refusal = rules_.AdoptTypedDate())
    return {SearchOutcome::kRefused, std::move(refusal)};
  const int target = rules_.settings().searchTarget;
  const bool next = rules_.settings().searchNext;
  if (target == kTargetSameDayAndMonth || target == kTargetMultiple) {
    if (target == kTargetSameDayAndMonth) FillSameDayAndMonth();
    return {SearchOutcome::kMultipleWindow, std::nullopt};
  }
  Found found = Find(target, next);
  if (!found.ajd) return {SearchOutcome::kFailed, std::move(found.refusal)};
  // The element-animal rows take the place of the chronological Julian dates.
  if (target >= kTargetElementAnimalDay && target <= kTargetTripleCoincidence) rules_.SetShowCjds(false);
  if (target == kTargetIntercalaryMonth) rules_.entry().calendar = kCalCHL;
  rules_.SetCurrentAjd(*found.ajd);
  rules_.Recalculate(kLogSearch);
  return {};
}

void SearchRules::FinishMultiple(bool cancelled, int32_t day) {
  Label("", false);
  rules_.SetShowCjds(false);
  if (cancelled) {
    rules_.DisplayDatesAndTimes();
  } else {
    rules_.SetCurrentAjd(NoonOfDay(day, rules_.reckoner().ReferenceDegrees()));
  }
  rules_.Recalculate(cancelled ? kLogNone : kLogSearch);  // a stopped search found nothing to log
}

void SearchRules::FillSameDayAndMonth() {
  const std::optional<ChlDate> shown = ShownLunarDate();
  if (!shown) return;
  const int day = DayPosition(shown->jdn);
  const auto [monthElement, monthAnimal] = MonthElementAnimal(*shown);
  rules_.SetMultipleRow(kDayRow, ElementOfPosition(day), AnimalOfPosition(day));
  rules_.SetMultipleRow(kMonthRow, monthElement, monthAnimal);
  rules_.SetMultipleRow(kYearRow, kNoElementEntry, kNoAnimalEntry);
}

Found SearchRules::Find(int target, bool next) {
  Found found;
  switch (target) {
    case kTargetFullMoon:
    case kTargetDarkMoon:
    case kTargetLunarQuarter: found = MoonPhase(target, next); break;
    case kTargetLunarNewYear: found = LunarNewYear(next); break;
    case kTargetWinterSolstice:
    case kTargetVernalEquinox:
    case kTargetSummerSolstice:
    case kTargetAutumnalEquinox:
    case kTargetSolsticeOrEquinox:
    case kTargetSolarTerm: found = SolarTerm(target, next); break;
    case kTargetTermDarkMoon:
    case kTargetTermFullMoon:
    case kTargetWinterSolsticeDarkMoon:
    case kTargetSolsticeEquinoxDarkMoon:
    case kTargetSolsticeEquinoxFullMoon: found = SyzygyOnTermDay(target, next); break;
    case kTargetElementAnimalDay: found = ElementAnimalDay(next); break;
    case kTargetElementAnimalMonth: found = ElementAnimalMonth(next); break;
    case kTargetElementAnimalYear: found = ElementAnimalYear(next); break;
    case kTargetTripleCoincidence: found = TripleCoincidence(next); break;
    case kTargetIntercalaryMonth: found = IntercalaryMonth(next); break;
    case kTargetFestival: found = FestivalDay(next); break;
    default: return {};
  }
  if (!found.ajd) return found;
  // The instant stays within the range every other command admits.
  if (const std::optional<std::string> range = DateRangeMessage(*found.ajd)) {
    return rules_.Refuse({kDateRangeTitle, *range, MessageIcon::kWarning});
  }
  return found;
}

// Noon of the festival's next (previous) day after (before) the instant's civil day at the
// meridian, as the day line names it. Years are walked from the one before the instant's, since a
// lunar year's festivals reach into the next CE year.
Found SearchRules::FestivalDay(bool next) {
  Reckoner& reckoner = rules_.reckoner();
  const std::string id = ChosenFestival(rules_.festivals(), reckoner.CountryIndex(), rules_.settings());
  const int32_t today = JdnOf(CjdcFromAjd(rules_.currentAjd(), reckoner.ReferenceDegrees()));
  const int32_t year = CeYearOfJdn(today);
  std::optional<int32_t> best;
  for (int k = 0; k <= kFestivalSearchYears + 1; ++k) {
    const int32_t y = next ? year - 1 + k : year + 1 - k;
    for (const mirvo::FestivalDay& day : rules_.festivals().DaysOfYear(reckoner, y)) {
      if (day.festival->id != id) continue;
      if (next ? day.jdn > today && (!best || day.jdn < *best)
               : day.jdn < today && (!best || day.jdn > *best)) {
        best = day.jdn;
      }
    }
    // No later year's festival comes before this one's (earlier, after it going back).
    if (best && (next ? y > CeYearOfJdn(*best) : y < CeYearOfJdn(*best) - 1)) break;
  }
  if (!best) return rules_.Refuse({kFailedTitle, kNoFestivalText, MessageIcon::kNone});
  return NoonOfDay(*best, reckoner.ReferenceDegrees());
}

// The lunar date shown for the current instant (an instant adopted from the date box is displayed
// first, so that the search starts from it and not from the date shown before).
std::optional<ChlDate> SearchRules::ShownLunarDate() {
  if (rules_.display().ajd != rules_.currentAjd()) rules_.DisplayDatesAndTimes();
  const ChlDate& date = rules_.display().chl;
  if (date.valid == 1) return date;
  return std::nullopt;
}

Refusal SearchRules::LunarDateInvalid() {
  return rules_.Refuse({"", kLunarDateInvalidText, MessageIcon::kNone});
}

Found SearchRules::MoonPhase(int target, bool next) {
  Ephemeris& ephemeris = rules_.reckoner().ephemeris();
  const double a = rules_.currentAjd();
  int32_t n = ephemeris.LunationAt(a);
  bool exact = false;
  const int p = ephemeris.GetPhase(n, a, exact);
  int phase = 0;
  if (target == kTargetLunarQuarter) {
    if (next) {
      phase = p + 1;
    } else {
      phase = exact ? p - 1 : p;
    }
    if (phase > 3) {
      phase = 0;
      ++n;
    } else if (phase < 0) {
      phase = 3;
      --n;
    }
  } else {
    const int q = target == kTargetFullMoon ? kFullMoon : kDarkMoon;
    phase = q;
    if (next) {
      if (p >= q) ++n;
    } else if (q > p || (q == p && exact)) {
      --n;
    }
  }
  return ephemeris.SyzygyUt(n, phase);
}

Found SearchRules::NoonOfLunarDate(ChlDate date) {
  const int16_t status = rules_.reckoner().ChlToDay(date);
  if (status != kChlValid) {
    return rules_.Refuse(
        {kSearchTitle,
         "Error " + std::to_string(status) + " in search process when converting lunar date to JDN.",
         MessageIcon::kWarning});
  }
  return NoonOfDay(date.jdn, rules_.reckoner().ReferenceDegrees());
}

Found SearchRules::LunarNewYear(bool next) {
  std::optional<ChlDate> date = ShownLunarDate();
  if (!date) return LunarDateInvalid();
  // Back from any day but the new year's day itself (a leap first month is later in the year)
  // the year's own new year comes first.
  if (next || (date->day == 1 && date->month == 1 && !date->leap)) {
    StepYears(date->cycle, date->position, next ? 1 : -1);
  }
  date->month = 1;
  date->leap = 0;
  date->day = 1;
  return NoonOfLunarDate(*date);
}

Found SearchRules::SolarTerm(int target, bool next) {
  Reckoner& reckoner = rules_.reckoner();
  const double c = CjdcFromAjd(rules_.currentAjd(), reckoner.ReferenceDegrees());
  reckoner.BuildYearTables(c);
  const auto& entry = reckoner.solarTermTable().entry;
  const int last = static_cast<int>(entry.size()) - 1;
  // A term is compared as the instant a search returns: one found before starts a search exactly
  // on it, and only that instant itself is passed over.
  const double start = rules_.currentAjd();
  auto instant = [&](int k) {
    return AjdFromCjdc(entry[static_cast<size_t>(k)].cjdc, reckoner.ReferenceDegrees());
  };
  int i = -1;
  if (next) {
    for (int k = 0; k <= 72; ++k) {
      if (instant(k) > start) {
        i = k;
        break;
      }
    }
  } else {
    for (int k = 72; k >= 0; --k) {
      if (instant(k) < start) {
        i = k;
        break;
      }
    }
  }
  while (i >= 0 && i <= last && !IsWantedTerm(target, i)) i += next ? 1 : -1;
  if (i < 0 || i > last) {
    // Not reached for an instant in the admitted range: the table spans three sui years around it.
    return rules_.Refuse(
        {kFailedTitle, "No solar term found in the table of the current year.", MessageIcon::kNone});
  }
  // A term of the sui before or after the table's own is taken from its own sui's table, the one
  // a search that starts from it builds.
  double cjdc = entry[static_cast<size_t>(i)].cjdc;
  if (i < 24 || i > 47) {
    reckoner.BuildYearTables(entry[static_cast<size_t>(i)].jdn);
    cjdc = reckoner.solarTermTable().entry[static_cast<size_t>(24 + i % 24)].cjdc;
  }
  return AjdFromCjdc(cjdc, reckoner.ReferenceDegrees());
}

Found SearchRules::SyzygyOnTermDay(int target, bool next) {
  Reckoner& reckoner = rules_.reckoner();
  Ephemeris& ephemeris = reckoner.ephemeris();
  const int q =
      target == kTargetTermFullMoon || target == kTargetSolsticeEquinoxFullMoon ? kFullMoon : kDarkMoon;
  double x = rules_.currentAjd();
  int32_t n = ephemeris.LunationAt(x);
  std::string label = kSearchingText;
  Label(label, true);
  for (int k = 1;; ++k) {
    if (label.size() < 60 && k % 16 == 0) {
      label += ". ";
      Label(label, true);
    }
    bool exact = false;
    const int p = ephemeris.GetPhase(n, x, exact);
    if (next) {
      if (p >= q) ++n;
    } else if (q > p || (q == p && exact)) {
      --n;
    }
    x = ephemeris.SyzygyUt(n, q);
    ChsDate chs;
    ChlDate chl;
    reckoner.DayToChinese(CjdcFromAjd(x, reckoner.ReferenceDegrees()), reckoner.Epoch(), chs, chl);
    if (IsWantedTermDay(target, chs)) {
      Label(label, false);
      return x;
    }
    if (k + 1 > kSyzygyPassLimit) {
      Label("", true);
      return rules_.Refuse({kFailedTitle, kNoSyzygyText, MessageIcon::kNone});
    }
  }
}

std::optional<Refusal> SearchRules::NoElementAnimalChoice() {
  const EntryModel& e = rules_.entry();
  const bool element = e.element >= 0 && e.element < kNoElementEntry;
  const bool animal = e.animal >= 0 && e.animal < kNoAnimalEntry;
  if (element || animal) return std::nullopt;
  return rules_.Refuse({kErrorTitle, kNoElementAnimalText, MessageIcon::kWarning});
}

Found SearchRules::ElementAnimalDay(bool next) {
  if (std::optional<Refusal> refusal = NoElementAnimalChoice()) return *refusal;
  ElementAnimalRows rows;
  rows.element[kDayRow] = rules_.entry().element;
  rows.animal[kDayRow] = rules_.entry().animal;
  const double longitude = rules_.reckoner().ReferenceDegrees();
  int32_t d = JdnOf(CjdcFromAjd(rules_.currentAjd(), longitude));
  do {
    d += next ? 1 : -1;
  } while (!rows.Matches(kDayRow, ElementOfPosition(DayPosition(d)), AnimalOfPosition(DayPosition(d))));
  return NoonOfDay(d, longitude);
}

Found SearchRules::ElementAnimalMonth(bool next) {
  if (std::optional<Refusal> refusal = NoElementAnimalChoice()) return *refusal;
  ElementAnimalRows rows;
  rows.element[kMonthRow] = rules_.entry().element;
  rows.animal[kMonthRow] = rules_.entry().animal;
  std::string label = kSearchingText;
  Label(label, true);
  std::optional<ChlDate> date = ShownLunarDate();
  if (!date) {
    Refusal refusal = LunarDateInvalid();
    Label("", true);
    return refusal;
  }
  date->day = 1;
  Reckoner& reckoner = rules_.reckoner();
  for (int pass = 0;; ++pass) {
    if (pass % 2 == 0) {
      label += " .";
      Label(label, true);
    }
    if (!reckoner.StepChlMonth(*date, next, false)) {
      // Only at the ends of the span in which lunar months are computed.
      Label("", true);
      return rules_.Refuse({kInabilityTitle, InabilityMessage(next, "lunar month"), MessageIcon::kWarning});
    }
    const auto [element, animal] = MonthElementAnimal(*date);
    if (rows.Matches(kMonthRow, element, animal)) break;
  }
  Found noon = NoonOfLunarDate(*date);
  Label("", true);
  return noon;
}

Found SearchRules::ElementAnimalYear(bool next) {
  if (std::optional<Refusal> refusal = NoElementAnimalChoice()) return *refusal;
  ElementAnimalRows rows;
  rows.element[kYearRow] = rules_.entry().element;
  rows.animal[kYearRow] = rules_.entry().animal;
  std::optional<ChlDate> date = ShownLunarDate();
  if (!date) return LunarDateInvalid();
  do {
    StepYears(date->cycle, date->position, next ? 1 : -1);
  } while (!rows.Matches(kYearRow, ElementOfPosition(date->position), AnimalOfPosition(date->position)));
  date->month = 1;
  date->leap = 0;
  date->day = 1;
  return NoonOfLunarDate(*date);
}

Found SearchRules::TripleCoincidence(bool next) {
  Reckoner& reckoner = rules_.reckoner();
  const double longitude = reckoner.ReferenceDegrees();
  Label(kSearchingText, true);
  const int32_t d = reckoner.FindTripleCoincidence(JdnOf(CjdcFromAjd(rules_.currentAjd(), longitude)), next,
                                                   reckoner.Epoch());
  Label("", true);
  if (d < 0) return rules_.Refuse({kFailedTitle, kNoTripleCoincidenceText, MessageIcon::kNone});
  return NoonOfDay(d, longitude);
}

Found SearchRules::IntercalaryMonth(bool next) {
  std::optional<ChlDate> date = ShownLunarDate();
  if (!date) return LunarDateInvalid();
  // From day 1 no step has a day 30 to keep.
  date->day = 1;
  Reckoner& reckoner = rules_.reckoner();
  const std::string inability = InabilityMessage(next, "intercalary month");
  if (!reckoner.StepChlMonth(*date, next, false))
    return rules_.Refuse({kInabilityTitle, inability, MessageIcon::kWarning});
  while (!date->leap) {
    if (!reckoner.StepChlMonth(*date, next, false)) {
      // The lunar months end before the next leap month.
      return rules_.Refuse({kInabilityTitle, inability, MessageIcon::kWarning});
    }
  }
  return NoonOfDay(date->jdn, reckoner.ReferenceDegrees());
}

}  // namespace mirvo
