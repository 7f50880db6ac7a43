// The listings of the data window without the widgets: the year data (dark moons and solar terms
// of three sui), lunar new years or anniversaries, month starts or leap months, the lunar dates of
// European new years, and the conversion self-test. Each list writes its text, piece by piece,
// into a ListingOutput, which the window shows live (and can stop) and the command-line tool
// prints. The calendar work is the Reckoner's; these only drive the years, retry and format.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/names/Language.h"
#include "features/festivals/FestivalCalendar.h"
#include "features/listings/ListingPhrases.h"
#include "features/listings/LunarRecords.h"
#include "platform/calendarlib/CalendarRecords.h"
#include "platform/services/Services.h"

namespace mirvo {

class Reckoner;

// The modes of the data window.
enum DataMode : int {
  kModeNewYears = 1,      // lunar new years or anniversaries
  kModeMonths = 2,        // starts of all months, or of the leap months only
  kModeYearData = 3,      // dark moons and solar terms of three sui
  kModeTest = 4,          // conversions to day numbers and back
  kModeEuroNewYears = 5,  // lunar dates of the European new years
  kModeFestivals = 6,     // festivals and seasonal days
};

// Window captions and messages of the listings.
inline constexpr const char* kYearDataCaption = "Dates, times and CJDs of dark moons and solar terms";
inline constexpr const char* kNewYearsCaption = "Lunar new years & anniversaries";
inline constexpr const char* kMonthsCaption = "Lunar month starts & leap months";
inline constexpr const char* kEuroNewYearsCaption = "Julian and CE new years";
inline constexpr const char* kTestCaption = "Test";
inline constexpr const char* kFestivalsCaption = "Festivals and seasonal days";
inline constexpr const char* kLunarDateInvalid = "Lunar date is invalid.";
// Language texts 17, 18 and 19 in English, for callers without the program texts.
inline constexpr const char* kYearsCaption = "years";
inline constexpr const char* kCloseCaption = "Close";
inline constexpr const char* kListingErrorTitle = "Error in listing";

// The most years a list takes. A list also ends at the end of the admitted range of the instant,
// and leaves out the dates before its start: it shows no day the main window would refuse.
inline constexpr int kMaxListYears = 9999;

// What a listing reads from the main window when it starts.
struct ListingInputs {
  double ajd = 2451545.0;  // the current instant
  std::string epochMethod = "Epoch = -2696, method = true sun";
  Country country = kChina;
  std::string zoneLabel = "CCT";  // label of the reference meridian
  // The language of the calendar names in the lists (the terms' names of the year data, the
  // stem-branch names of the European new years) and of the headers and closing lines; codes and
  // numbers stay as they are.
  Language language = Language::kEnglish;
  // The session's festivals, for the festival list (none without).
  FestivalCalendar* festivals = nullptr;
};
// The inputs for an instant under the Reckoner's own settings (country, longitude, epoch, method).
ListingInputs InputsOf(Reckoner& reckoner, double ajd);

// The options of the data window.
struct ListingOptions {
  bool julian = false;          // JC rather than CE dates
  bool majorTerms = true;       // year data: the major solar terms (Z)
  bool minorTerms = false;      // year data: the minor solar terms (J)
  bool termNames = false;       // year data: the names of the terms
  bool leapMonthsOnly = false;  // month starts: the leap months only
  bool omitInvalid = false;     // anniversaries: no lines for dates that do not exist
  int years = 0;                // number of years of a list (not positive: the mode's default)
};

// Where a listing writes. Messages are boxes with an OK button; an empty title is the program's.
class ListingOutput {
 public:
  virtual ~ListingOutput() = default;
  virtual void Append(std::string_view text) = 0;
  virtual void Message(const std::string& title, const std::string& text, MessageIcon icon) = 0;
  virtual bool StopRequested() const { return false; }
};

// An output that keeps the text and the messages (the command-line tool and the tests).
class TextOutput : public ListingOutput {
 public:
  struct Shown {
    std::string title, text;
    MessageIcon icon;
  };
  std::string text;
  std::vector<Shown> messages;
  void Append(std::string_view piece) override { text += piece; }
  void Message(const std::string& title, const std::string& message, MessageIcon icon) override {
    messages.push_back({title, message, icon});
  }
};

// The dates a list of lunar new years, anniversaries or month starts has listed so far (what the
// calendar export writes), with the meridian they were computed for.
struct ListedDates {
  enum Kind { kNone, kAnniversaries, kMonthStarts, kFestivals } kind = kNone;
  ChlDate start;                       // anniversaries: the lunar date of the first year
  std::vector<AnniversaryYear> years;  // anniversaries (or new years), one per lunar year
  std::vector<MonthStart> months;      // month starts, valid ones only
  bool leapMonthsOnly = false;
  int longitude = 120;
  Country country = kChina;
  Epoch epoch = Epoch::kOlder;
  bool historical = false;                  // each lunar year computed for its almanac's meridian
  std::vector<FestivalDay> festivals;       // festival days, in list order
  std::vector<ChlDate> festivalLunarDates;  // the lunar date of each, under the list's settings
  const FestivalCountry* festivalCountry = nullptr;
  Language language = Language::kEnglish;  // of the festival names
  bool empty() const { return years.empty() && months.empty() && festivals.empty(); }
};

// A listing done in small steps (one year, one attempt, one pair), so that a window can run it
// from its event loop and stop it between any two steps.
class Listing {
 public:
  virtual ~Listing() = default;
  // Writes the header; false when there is nothing to list (a message has been shown).
  virtual bool Start(ListingOutput& out) = 0;
  // The next step; false when the listing has ended.
  virtual bool Step(ListingOutput& out) = 0;
  // Writes what is still held back; called once after the last step or a stop.
  virtual void Finish(ListingOutput&) {}
  // While a long list runs, Close reads "Stop" and the years label shows how far it has come.
  virtual bool Long() const { return false; }
  // The last year the list has gone through (European, or the lunar year of the month starts),
  // for the lists over years; none before the first.
  virtual std::optional<int32_t> YearReached() const { return std::nullopt; }
  // The dates listed, for the lists that have them.
  virtual const ListedDates* Dates() const { return nullptr; }
  // Whether the list has written the line of dates left out before the admitted range, or ended
  // at its end with the closing line (RangeStartLine, RangeEndLine): it holds fewer years than
  // were asked for.
  virtual bool LeftOutRangeStart() const { return false; }
  virtual bool EndedAtRangeEnd() const { return false; }
  // The language of the lines still to come (ListingPhrases.h); a list may change it while it runs.
  void SetLanguage(Language language) { language_ = language; }
  Language language() const { return language_; }

 private:
  Language language_ = Language::kEnglish;
};

// Start, steps until the end or a stop request, Finish. An exception thrown by a step ends the
// listing with its description in a box titled errorTitle (error icon for the new years, warning
// for the others).
void RunListing(Listing& listing, ListingOutput& out, int mode,
                const std::string& errorTitle = kListingErrorTitle);
// The text of a whole listing (messages dropped), for the command-line tool and the tests.
std::string ListingText(Listing& listing, int mode);

// The lists over years (new years, month starts, European new years), which end with a line
// when they end before their number of years.
bool ListsYears(int mode);
// The closing line of a list that reached the end of the admitted range.
std::string RangeEndLine(Language language = Language::kEnglish);
// The line of a list that leaves out dates before the start of the admitted range.
std::string RangeStartLine(Language language = Language::kEnglish);
// The closing line of a list ended early: by the user (why empty) or because a setting it
// names in its header changed (why: "the country", …), after the year it reached.
std::string EndedEarlyLine(std::optional<int32_t> yearReached, std::string_view why);
// The same line in a language, for the setting that changed (kNone: stopped by the user).
std::string EndedEarlyLine(std::optional<int32_t> yearReached, ListChange change, Language language);
// The years label of a long list while it runs, with the year it has reached.
std::string RunningYearsCaption(std::optional<int32_t> yearReached);

// The default number of years of a list mode.
int DefaultListYears(int mode, bool leapMonthsOnly);
// The number of years as the List button settles it: the digits of the box (written back) become
// the mode's remembered value, capped at kMaxListYears; when that is not positive the mode's
// default is used. The box then shows the number used, which is returned.
int SettleListYears(std::array<int, 6>& remembered, int mode, bool leapMonthsOnly, std::string& boxText);

// Year data: the dark moons of the sui before, of and after the instant's sui, with their lunar
// month labels and counts of major terms, the chosen solar terms between them, and the length of
// every sui and nian.
std::string YearDataText(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options);

// The window's title of a list mode, and whether its list has dates to save as iCalendar.
const char* ListCaption(int mode);
bool ListSavesDates(int mode);

// The lists of modes 1, 2, 5 and 6 (options.years as settled; any other mode gives null). The
// festival list names the days in inputs.language, one line a day: CE date, lunar date, name,
// the period's last day and the note of an uncertain day.
std::unique_ptr<Listing> MakeList(int mode, Reckoner& reckoner, const ListingInputs& inputs,
                                  const ListingOptions& options);
std::unique_ptr<Listing> MakeFestivalList(Reckoner& reckoner, const ListingInputs& inputs,
                                          const ListingOptions& options);

// Months of the nian that begins on newYear (a valid lunar new year's day), with the number of
// solar terms of each type (0 = Z11 … 3 = J1, 4 = Z1 … 23 = J11) whose day falls in it. -1 when
// the year tables do not hold that nian; termCounts is then left as it was.
int NianStatistics(Reckoner& reckoner, const ChlDate& newYear, std::array<int, 24>& termCounts);

// The random self-test: `count` pairs of a solar and a lunar date, drawn partly out of range;
// each valid one is converted to its day number and back. Writes "0" for an invalid date, "1" for
// a date that comes back unchanged, and a report of the first one that does not, which ends it.
class RandomSelfTest : public Listing {
 public:
  RandomSelfTest(Reckoner& reckoner, int count, uint64_t seed);
  bool Start(ListingOutput& out) override;
  bool Step(ListingOutput& out) override;
  bool Long() const override { return true; }
  bool failed() const { return failed_; }
  int done() const { return done_; }

 private:
  Reckoner& reckoner_;
  int count_;
  int done_ = 0;
  bool failed_ = false;
  std::mt19937_64 random_;
};

// The test of one pair: "0"/"1" for each date or the report of a mismatch; false on a mismatch.
bool TestChineseDates(Reckoner& reckoner, ChsDate chs, ChlDate chl, ListingOutput& out);
// The date test: the Chinese dates of the instant's day at the reference meridian, tested as a
// pair; for an entry that did not parse, "Error code =" and the status.
bool TestDateEntry(Reckoner& reckoner, int parseStatus, double ajd, ListingOutput& out);

}  // namespace mirvo
