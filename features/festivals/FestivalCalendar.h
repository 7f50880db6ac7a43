// The festival table of a running program with the days it gives, kept per country, calendar
// settings and year: the main window's day line, the month view, the listing and the search ask
// for the same few years again and again, and each year costs a pass over the term tables.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "features/festivals/Festivals.h"

namespace mirvo {

class FestivalCalendar {
 public:
  // No table: every question gets no festival.
  FestivalCalendar() = default;
  explicit FestivalCalendar(FestivalTable table);
  // The table of the data folder; without it (error() says why) the calendar has no festivals.
  static FestivalCalendar Load(const std::string& dataFolder);

  const FestivalTable* table() const { return table_.get(); }
  const std::string& error() const { return error_; }
  // The festivals of the country list index, or nullptr.
  const FestivalCountry* Country(mirvo::Country country) const;

  // FestivalDaysOfYear for the reckoner's country, meridian, history and method, kept.
  const std::vector<FestivalDay>& DaysOfYear(Reckoner& reckoner, int32_t year);
  // FestivalsOfDay from the kept years.
  std::vector<FestivalOnDay> OfDay(Reckoner& reckoner, int32_t jdn);

 private:
  using Key = std::tuple<mirvo::Country, int, bool, mirvo::SunMethod,
                         int32_t>;  // country, meridian, history, method, year
  std::shared_ptr<const FestivalTable> table_;
  std::string error_;
  std::map<Key, std::vector<FestivalDay>> years_;
};

// The names of a day's festivals and periods in a language, joined by its list separator
// ("中伏第3天", "Mid-Autumn Festival"), "" for none; `first` names only the one a small room shows:
// the day's own festival before a period's first day, and that before a day inside a period.
std::string FestivalDayLine(Language language, const std::vector<FestivalOnDay>& festivals,
                            bool first = false);
// The uncertain notes of the day's festivals, one per line, "" when all are sure.
std::string FestivalDayNotes(const std::vector<FestivalOnDay>& festivals);

}  // namespace mirvo
