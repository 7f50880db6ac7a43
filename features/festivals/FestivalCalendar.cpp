#include "features/festivals/FestivalCalendar.h"

#include <algorithm>

#include "core/daycount/DayCount.h"
#include "features/display/Phrases.h"

namespace mirvo {

namespace {
// Beyond this many years kept the oldest are dropped: a search or a long listing walks on, and
// the window only comes back to a few.
constexpr size_t kKeptYears = 64;
}  // namespace

FestivalCalendar::FestivalCalendar(FestivalTable table)
    : table_(std::make_shared<const FestivalTable>(std::move(table))) {}

FestivalCalendar FestivalCalendar::Load(const std::string& dataFolder) {
  FestivalTableRead read = LoadFestivalTable(dataFolder);
  if (!read.table) {
    FestivalCalendar none;
    none.error_ = std::move(read.error);
    return none;
  }
  return FestivalCalendar(std::move(*read.table));
}

const FestivalCountry* FestivalCalendar::Country(mirvo::Country country) const {
  return table_ ? table_->Country(country) : nullptr;
}

const std::vector<FestivalDay>& FestivalCalendar::DaysOfYear(Reckoner& reckoner, int32_t year) {
  static const std::vector<FestivalDay> kNone;
  const FestivalCountry* country = Country(reckoner.CountryIndex());
  if (country == nullptr) return kNone;
  const Key key{reckoner.CountryIndex(), reckoner.ReferenceMeridian(), reckoner.Historical(),
                reckoner.SunMethod(), year};
  if (const auto kept = years_.find(key); kept != years_.end()) return kept->second;
  if (years_.size() >= kKeptYears) years_.clear();
  return years_.emplace(key, FestivalDaysOfYear(reckoner, *country, year)).first->second;
}

std::vector<FestivalOnDay> FestivalCalendar::OfDay(Reckoner& reckoner, int32_t jdn) {
  std::vector<FestivalOnDay> found;
  const int32_t y = CeYearOfJdn(jdn);
  // A festival of the year before may reach into this one (the end of a lunar year, 九九); none
  // of the next year's falls before that year begins.
  for (int32_t year = y - 1; year <= y; ++year) {
    for (const FestivalDay& day : DaysOfYear(reckoner, year)) {
      if (jdn >= day.jdn && jdn <= day.lastJdn) found.push_back({day, static_cast<int>(jdn - day.jdn) + 1});
    }
  }
  return found;
}

std::string FestivalDayLine(Language language, const std::vector<FestivalOnDay>& festivals, bool first) {
  if (first && !festivals.empty()) {
    // One name has room: a day's own festival before the first day of a period, and that before
    // a day inside a period (土用の丑の日 rather than the 13th day of 土用).
    const auto rank = [](const FestivalOnDay& f) {
      return f.dayOfPeriod > 1 ? 2 : f.day.lastJdn > f.day.jdn ? 1 : 0;
    };
    const auto foremost = std::min_element(festivals.begin(), festivals.end(),
                                           [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    return FestivalDayName(language, *foremost->day.festival, foremost->dayOfPeriod);
  }
  std::string line;
  for (const FestivalOnDay& f : festivals) {
    if (!line.empty()) line += ListSeparator(language);
    line += FestivalDayName(language, *f.day.festival, f.dayOfPeriod);
    if (first) break;
  }
  return line;
}

std::string FestivalDayNotes(const std::vector<FestivalOnDay>& festivals) {
  std::string notes;
  for (const FestivalOnDay& f : festivals) {
    const std::string note = UncertainFestivalNote(f.day);
    if (!note.empty())
      notes += (notes.empty() ? "" : "\n") + f.day.festival->name(Language::kEnglish) + ": " + note;
  }
  return notes;
}

}  // namespace mirvo
