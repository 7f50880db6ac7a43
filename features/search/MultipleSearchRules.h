// The search for the nearest day whose own element-animal pair, that of its lunar month and that
// of its lunar year meet up to three conditions at once (a wood-rat day in a fire-ox month in a
// wood-rat year), with the list texts of its window and the sentence the log writes for it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "features/session/MainSettings.h"
#include "features/tables/MainTables.h"
#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

class Reckoner;

// Rows of the conditions.
inline constexpr int kDayRow = 0;
inline constexpr int kMonthRow = 1;
inline constexpr int kYearRow = 2;

inline constexpr const char* kSearchingText = "Searching ";  // strSearching
inline constexpr const char* kInvalidInputTitle = "Invalid input";
inline constexpr const char* kNotFoundTitle = "Not found";
inline constexpr const char* kNoRowSetText =
    "You must specify an element or an animal or both\r\nfor one or more of: day, month and year";

// "within 1 year" .. "within 1000 years" and their item data; "within 100 years" is the default.
inline constexpr std::array<int, 4> kWithinYears{1, 10, 100, 1000};
inline constexpr int kDefaultWithinEntry = 2;
std::vector<std::string> WithinEntries();

// The element, animal and both chosen for each row, as list indexes (5 and 12: none).
struct ElementAnimalRows {
  std::array<int, 3> element{kNoElementEntry, kNoElementEntry, kNoElementEntry};
  std::array<int, 3> animal{kNoAnimalEntry, kNoAnimalEntry, kNoAnimalEntry};

  bool HasElement(int row) const;
  bool HasAnimal(int row) const;
  bool IsSet(int row) const { return HasElement(row) || HasAnimal(row); }
  bool AnySet() const { return IsSet(kDayRow) || IsSet(kMonthRow) || IsSet(kYearRow); }
  // Whether the pair (element 0..4, animal 0..11) meets the row; an unset part meets anything.
  bool Matches(int row, int element, int animal) const;
  void Clear();
  friend bool operator==(const ElementAnimalRows&, const ElementAnimalRows&) = default;
};

// The rows as the settings keep them.
ElementAnimalRows RowsChosenIn(const MainSettings& settings);

// The element list of a row: the day row names the elements; the month and year rows read as a
// phrase before the animal ("in a fire", "in an earth"), and their last item, no element, reads
// "in an" before the ox and "in a" before any other animal (or none).
std::vector<std::string> MultipleElementEntries(int row, int animal);

// "wood-rat (jia-zi) day", "in a fire-ox (ding-chou) month", "-ox (-chou) month"; "" when unset.
std::string RowElementAnimalText(const ElementAnimalRows& rows, int row, Country country);
// The conditions as one phrase for the log: "wood-rat (jia-zi) day in a fire-ox (ding-chou)
// month", "day in an -ox (-chou) month".
std::string MultipleElementAnimalStr(const ElementAnimalRows& rows, Country country);

// Noon at the reference meridian of day d: the instant a day found becomes.
double NoonOfDay(int32_t day, double longitude);
// The first and last days whose noon lies in the admitted range of the instant.
int32_t FirstAdmittedDay(double longitude);
int32_t LastAdmittedDay(double longitude);

// The message when nothing was found: "There is no such day within 100 years of today." When the
// admitted range ended the search before its limit, the message names that end instead.
struct NotFoundCase {
  int withinYears = 0;
  bool fromToday = false;   // the search began at today
  bool rangeEnded = false;  // the admitted range ended it
  bool next = true;         // it went forward
};
std::string NotFoundText(const NotFoundCase& search);

// The search from the day after (next) or before (previous) startDay, pass by pass, so that a
// window can run it in slices and stop it between them. A pass tests one day; after a day whose
// animal (or pair) is the day row's but whose month or year fails, the next day tested is the next
// of that animal (12 days on) or pair (60 days on); a year that fails the year row is passed over
// to the nearest year that meets it. The search gives up after the limit: 1 or 10 lunar years (the
// same lunar date, day 30 and a leap month kept where the year has them), 36890 days (100 years)
// or 365608 days (1000 years). A day found by a year jump counts even beyond the limit, since
// the tests come before it.
class MultipleElementAnimalSearch {
 public:
  MultipleElementAnimalSearch(Reckoner& reckoner, const ElementAnimalRows& rows, int32_t startDay, bool next,
                              int withinYears, Epoch epoch);

  // Runs at most maxPasses passes; true once the search has ended (found or not).
  bool Run(long maxPasses);
  bool ended() const { return ended_; }
  // Set when the search ended without a day: at its limit or at the end of the admitted range.
  bool notFound() const { return notFound_; }
  bool rangeEnded() const { return rangeEnded_; }
  // The start day, then the last day tested; the day found once it ends with a day.
  int32_t day() const { return day_; }
  int32_t limitDay() const { return limit_; }
  long passes() const { return passes_; }
  // Renewed every 20 passes: "Searching ...    " + the lunar date + "   " + the CE date + " CE".
  const std::string& progressText() const { return progress_; }

 private:
  bool InRange(int64_t day) const;
  bool JumpToMatchingYear(int32_t& i, ChlDate& d);
  bool ReachNextDay(int32_t& i, ChlDate& d);
  // Whether day i (of lunar date d) meets the day and month rows.
  bool DayMatches(int32_t i, const ChlDate& d) const;
  bool PastLimit(int32_t i) const;
  void RenewProgress(int32_t i, const ChlDate& d);
  // The day the next pass steps on from after testing day i.
  int32_t LastDaySkipped(int32_t i) const;
  void End(int32_t day, bool notFound, bool rangeEnded);

  Reckoner& reckoner_;
  ElementAnimalRows rows_;
  int s_;
  Epoch epoch_;
  int32_t a_;  // the next pass tests a_ + s_
  int32_t limit_;
  int32_t firstDay_;  // the admitted days
  int32_t lastDay_;
  int32_t day_;
  long passes_ = 0;
  bool ended_ = false;
  bool notFound_ = false;
  bool rangeEnded_ = false;
  std::string progress_;
};

// The whole search at once (the command-line tool, the tests): the day found, or the day where it
// gave up with notFound set.
int32_t SearchMultipleElementAnimal(Reckoner& reckoner, const ElementAnimalRows& rows, int32_t startDay,
                                    bool next, int withinYears, Epoch epoch, bool& notFound,
                                    bool* rangeEnded = nullptr);

}  // namespace mirvo
