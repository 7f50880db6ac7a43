// The lists over a number of years: lunar new years (with the months and spring terms of each
// nian) or the anniversaries of a lunar date, the first days of all months or of the leap months,
// and the lunar dates of the European new years.
#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/display/Phrases.h"
#include "features/display/Sentences.h"
#include "features/listings/ListingTexts.h"
#include "features/listings/Listings.h"
#include "features/listings/LunarRecords.h"
#include "features/tables/MainTables.h"
#include "util/Text.h"

namespace mirvo {
namespace {

using listing::CyclePlace;

bool InCalendarYears(int32_t year) {
  return year >= Reckoner::kMinChineseYear && year <= Reckoner::kMaxChineseYear;
}

std::string LongitudeText(int longitude) { return std::to_string(longitude) + "º E, "; }

// A list that shows only days of the admitted range: the dates before it are left out with one
// line that says so, and the first date after it ends the list with its closing line.
class RangedList : public Listing {
 protected:
  // True for a day before the range; the first one adds the line to text.
  bool BeforeRange(int32_t jdn, std::string& text) {
    if (jdn >= listing::kFirstListedDay) return false;
    if (!startNoted_) text += RangeStartLine(language());
    startNoted_ = true;
    return true;
  }
  static bool AfterRange(int32_t jdn) { return jdn > listing::LastListedDay(); }
  // The closing line of the end of the range, noted.
  std::string RangeEnd() {
    endNoted_ = true;
    return RangeEndLine(language());
  }
  bool LeftOutRangeStart() const override { return startNoted_; }
  bool EndedAtRangeEnd() const override { return endNoted_; }
  bool English() const { return language() == Language::kEnglish; }
  // The words of a header's parentheses: the epoch and method, the longitude, the country.
  std::string EpochMethodText(const Reckoner& reckoner, const ListingInputs& inputs) const {
    return English() ? inputs.epochMethod
                     : EpochMethodWords(language(), reckoner.Epoch(), reckoner.SunMethod());
  }

 private:
  bool startNoted_ = false;
  bool endNoted_ = false;
};

// The lunar date of the instant's day at the reference meridian, as the main window shows it.
ChlDate LunarDateOfInstant(Reckoner& reckoner, double ajd) {
  ChlDate chl;
  reckoner.DayToChl(CjdcFromAjd(ajd, reckoner.ReferenceDegrees()), reckoner.Epoch(), chl);
  return chl;
}

// Lunar new year's days, or the yearly return of any other lunar date: a date missing in a year
// is retried as day 29 (for day 30) and as the ordinary month (for a leap month), one lunar year a
// step.
class NewYearsList : public RangedList {
 public:
  NewYearsList(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options)
      : reckoner_(reckoner), inputs_(inputs), options_(options) {}

  bool Start(ListingOutput& out) override {
    ChlDate date = LunarDateOfInstant(reckoner_, inputs_.ajd);
    if (!date.valid) {
      out.Message("", kLunarDateInvalid, MessageIcon::kNone);
      return false;
    }
    newYears_ = date.day == 1 && date.month == 1 && !date.leap;
    series_ = std::make_unique<AnniversarySeries>(reckoner_, date, AnniversaryPolicy::kListing);
    listed_.kind = ListedDates::kAnniversaries;
    listed_.start = series_->start();
    listed_.longitude = reckoner_.ReferenceLongitude();
    listed_.country = inputs_.country;
    listed_.historical = reckoner_.Historical();
    listed_.epoch = reckoner_.Epoch();
    if (!English()) {
      out.Append(ListingWorded(
          language(), newYears_ ? ListingPhrase::kNewYearsHeader : ListingPhrase::kAnniversariesHeader,
          {EpochMethodText(reckoner_, inputs_), std::to_string(reckoner_.ReferenceLongitude()),
           CountryWord(language(), inputs_.country)}));
      return true;
    }
    std::string header;
    if (newYears_) {
      header = "Lunar New Year's Day ";
    } else {
      header = std::string(CountryOf(inputs_.country).adjective) + " Lunar Calendar anniversaries\n";
    }
    header += "with corresponding European date and JDN\n(" + inputs_.epochMethod + ", longitude " +
              LongitudeText(reckoner_.ReferenceLongitude()) + listing::CountryName(inputs_.country) + ")";
    if (newYears_) header += "\nplus number of months, J1's and Z1's in the nian";
    out.Append(header + ":\n");
    return true;
  }

  bool Step(ListingOutput& out) override {
    if (done_ >= options_.years) return false;
    AnniversaryYear year;
    if (!series_->Next(year)) return false;
    if (year.found && AfterRange(year.date.jdn)) {
      out.Append(RangeEnd());
      return false;
    }
    ++done_;
    std::string text;
    if (year.found && BeforeRange(year.date.jdn, text)) {
      out.Append(text);
      return done_ < options_.years;
    }
    if (!options_.omitInvalid) {
      for (const ChlDate& tried : year.invalid)
        text +=
            ListingWorded(language(), ListingPhrase::kInvalidDate, {reckoner_.ChlDateText(tried, 0, "CHL")}) +
            "\n";
    }
    if (!year.found) {
      text += ListingWorded(language(), ListingPhrase::kAnomaly, {}) + "\n";
    } else {
      text += reckoner_.ChlDateText(year.date, 0, "CHL") + " = " +
              listing::DateText(listing::DateOfJdn(year.date.jdn, options_.julian)) +
              (options_.julian ? " JC = " : " CE = ") + Spaced(year.date.jdn) + " JDN";
      reached_ = listing::DateOfJdn(year.date.jdn, options_.julian).year;
      if (newYears_) {
        const int months = NianStatistics(reckoner_, year.date, termCounts_);
        text += " " + std::to_string(months) + "m J1:" + std::to_string(termCounts_[3]) +
                " Z1:" + std::to_string(termCounts_[4]);
      } else {
        text += " " + Spaced(year.index);
      }
      text += "\n";
    }
    out.Append(text);
    listed_.years.push_back(std::move(year));
    return done_ < options_.years;
  }

  bool Long() const override { return options_.years > 30; }
  std::optional<int32_t> YearReached() const override { return reached_; }
  const ListedDates* Dates() const override { return &listed_; }

 private:
  Reckoner& reckoner_;
  ListingInputs inputs_;
  ListingOptions options_;
  bool newYears_ = false;
  std::unique_ptr<AnniversarySeries> series_;
  ListedDates listed_;
  std::array<int, 24> termCounts_{};  // kept from year to year when a nian is not found
  int done_ = 0;                      // years gone through, listed or not
  std::optional<int32_t> reached_;
};

// The first day of every month (or every leap month) of N lunar years centred on the year of the
// instant's CE date, one year a step.
class MonthStartsList : public RangedList {
 public:
  MonthStartsList(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options)
      : reckoner_(reckoner), inputs_(inputs), options_(options) {}

  bool Start(ListingOutput& out) override {
    const int n = options_.years;
    if (n <= 0) return false;
    CalendarDate ce, jc;
    CeAndJcFromDayCount(CjdlFromAjd(inputs_.ajd), ce, jc);
    year_ = first_ = ce.year - n / 2 + (n % 2 == 0 ? 1 : 0);
    last_ = year_ + n - 1;
    const std::string letters = options_.julian ? "JC" : "CE";
    const std::string span = "for " + std::to_string(n) + " year" + (n > 1 ? "s" : "") + " from " +
                             std::to_string(year_) + " " + letters;
    if (!English()) {
      out.Append(ListingWorded(
          language(),
          options_.leapMonthsOnly ? ListingPhrase::kLeapMonthsHeader : ListingPhrase::kMonthStartsHeader,
          {EpochMethodText(reckoner_, inputs_), std::to_string(reckoner_.ReferenceLongitude()),
           CountryWord(language(), inputs_.country), std::to_string(n), std::to_string(year_), letters}));
    }
    std::string header;
    if (options_.leapMonthsOnly) {
      header = "Leap months with corresponding date CE and Julian day number\n" + span + " (" +
               inputs_.epochMethod + ",\n";
    } else {
      header = "Starts of all months with corresponding date CE\nand Julian day number " + span + "\n(" +
               inputs_.epochMethod + ", ";
    }
    header += "longitude" + Spaced(reckoner_.ReferenceLongitude()) + "º E, " +
              listing::CountryName(inputs_.country) + "):\n";
    if (English()) out.Append(header);
    listed_.kind = ListedDates::kMonthStarts;
    listed_.leapMonthsOnly = options_.leapMonthsOnly;
    listed_.longitude = reckoner_.ReferenceLongitude();
    listed_.country = inputs_.country;
    listed_.historical = reckoner_.Historical();
    listed_.epoch = reckoner_.Epoch();
    return true;
  }

  // A lunar year begins between 21 January and 20 February of its CE year, so the months of a
  // lunar year more than one before the range's first CE year all begin before the range, and
  // those of a year after its last CE year all after it: these are not computed.
  bool Step(ListingOutput& out) override {
    if (year_ > last_ || !InCalendarYears(year_)) return false;
    std::string lines;
    if (year_ > CeYearOfJdn(listing::LastListedDay())) {
      out.Append(RangeEnd());
      return false;
    }
    if (year_ < CeYearOfJdn(listing::kFirstListedDay) - 1) {
      BeforeRange(listing::kFirstListedDay - 1, lines);  // the line, once
      out.Append(lines);
      return ++year_ <= last_;
    }
    for (const MonthStart& start : MonthStartsOfYear(reckoner_, year_, options_.leapMonthsOnly)) {
      if (start.status < 0) {
        out.Message("", "intM =" + Spaced(start.date.month) + "  Error code =" + Spaced(start.status),
                    MessageIcon::kNone);
        continue;
      }
      if (AfterRange(start.date.jdn)) {
        out.Append(lines + RangeEnd());
        return false;
      }
      if (BeforeRange(start.date.jdn, lines)) continue;
      lines += Line(start) + "\n";
      listed_.months.push_back(start);
    }
    out.Append(lines);
    return ++year_ <= last_;
  }

  bool Long() const override { return options_.years > 10; }
  std::optional<int32_t> YearReached() const override {
    if (year_ <= first_) return std::nullopt;
    return year_ - 1;
  }
  const ListedDates* Dates() const override { return &listed_; }

 private:
  // Every lunar date takes 16 characters: the short ones get a blank before "CHL", except a leap
  // month 10* to 12*, which is already that long.
  std::string Line(const MonthStart& start) {
    const ChlDate& date = start.date;
    std::string chl = reckoner_.ChlDateText(date, 0, "CHL");
    if (listing::CharacterCount(chl) < 15) chl += " ";
    std::string line = chl + " =  " + listing::DateText(listing::DateOfJdn(date.jdn, options_.julian)) +
                       (options_.julian ? " JC = " : " CE = ") + Spaced(date.jdn) + " JDN" +
                       (start.length == 30 ? "  30 days" : "  29 days");
    if (!(date.leap && date.month >= 10)) {
      for (size_t at = line.find("CHL"); at != std::string::npos; at = line.find("CHL", at + 4))
        line.insert(at, " ");
    }
    return line;
  }

  Reckoner& reckoner_;
  ListingInputs inputs_;
  ListingOptions options_;
  int32_t first_ = 0, year_ = 0, last_ = -1;
  ListedDates listed_;
};

// The lunar date and its stem-branch names of January 1 of N European years from the year of the
// instant's London date. The text goes out ten years at a time.
class EuroNewYearsList : public RangedList {
 public:
  EuroNewYearsList(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options)
      : reckoner_(reckoner), inputs_(inputs), options_(options) {}

  bool Start(ListingOutput& out) override {
    year_ = listing::DateOfJdn(JdnOf(CjdlFromAjd(inputs_.ajd)), options_.julian).year;
    if (!English()) {
      out.Append(ListingWorded(
          language(), options_.julian ? ListingPhrase::kJcNewYearsHeader : ListingPhrase::kCeNewYearsHeader,
          {EpochMethodText(reckoner_, inputs_), std::to_string(reckoner_.ReferenceLongitude()),
           CountryWord(language(), inputs_.country)}));
      return true;
    }
    const std::string header = std::string("Lunar calendar dates of New Years Day in the ") +
                               (options_.julian ? "Julian Calendar" : "Common Era Calendar") + "\n(" +
                               inputs_.epochMethod + ", longitude " +
                               LongitudeText(reckoner_.ReferenceLongitude()) +
                               listing::CountryName(inputs_.country) + ")\n";
    out.Append(header);
    return true;
  }

  bool Step(ListingOutput& out) override {
    if (listed_ >= options_.years) return false;
    CalendarDate january = MakeCalendarDate(year_ + listed_, 1, 1, options_.julian ? 'J' : 'G');
    const int32_t jdn = JdnFromCalendarDate(january);
    if (AfterRange(jdn)) {
      buffer_ += RangeEnd();  // written by Finish, after the years still held
      return false;
    }
    if (!BeforeRange(jdn, buffer_)) {
      ChlDate chl;
      reckoner_.DayToChl(jdn, reckoner_.Epoch(), chl);
      if (!chl.valid) return false;
      // The second line names the day, month and year: by their stem-branch names in English,
      // by the lunar date with its names in the other languages.
      const std::string names = English() ? reckoner_.ChlDateStemBranchText(chl)
                                          : LunarDateWords(language(), chl, jdn, inputs_.country, true);
      buffer_ += std::to_string(january.year) + "-01-01 " + (options_.julian ? "JC = " : "CE = ") +
                 reckoner_.ChlDateText(chl, 0, "CHL") + "\n" + names + "\n";
    }
    ++listed_;
    if (listed_ % 10 == 0) Write(out);
    return listed_ < options_.years;
  }

  void Finish(ListingOutput& out) override { Write(out); }
  bool Long() const override { return options_.years > 30; }
  std::optional<int32_t> YearReached() const override {
    if (listed_ == 0) return std::nullopt;
    return year_ + listed_ - 1;
  }

 private:
  void Write(ListingOutput& out) {
    if (!buffer_.empty()) out.Append(buffer_);
    buffer_.clear();
  }

  Reckoner& reckoner_;
  ListingInputs inputs_;
  ListingOptions options_;
  int32_t year_ = 0;
  int listed_ = 0;
  std::string buffer_;
};

}  // namespace

namespace {

std::unique_ptr<Listing> Speaking(std::unique_ptr<Listing> list, const ListingInputs& inputs) {
  list->SetLanguage(inputs.language);
  return list;
}

}  // namespace

std::unique_ptr<Listing> MakeList(int mode, Reckoner& reckoner, const ListingInputs& inputs,
                                  const ListingOptions& options) {
  switch (mode) {
    case kModeNewYears: return Speaking(std::make_unique<NewYearsList>(reckoner, inputs, options), inputs);
    case kModeMonths: return Speaking(std::make_unique<MonthStartsList>(reckoner, inputs, options), inputs);
    case kModeEuroNewYears:
      return Speaking(std::make_unique<EuroNewYearsList>(reckoner, inputs, options), inputs);
    case kModeFestivals: return Speaking(MakeFestivalList(reckoner, inputs, options), inputs);
    default: return nullptr;
  }
}

// The year tables of a new year's day begin in the lunar year before last, so its nian is the one
// opened by the second month 1 of the table; up to four nian are counted and the one whose cycle
// and position are those of the new year is taken.
int NianStatistics(Reckoner& reckoner, const ChlDate& newYear, std::array<int, 24>& termCounts) {
  struct Nian {
    CyclePlace place;
    int months = 0;
    std::array<int, 24> terms{};
  };
  std::array<Nian, 4> stored{};
  int storedCount = 0;
  CyclePlace place{newYear.cycle, newYear.position};
  place.Back();
  place.Back();

  reckoner.BuildYearTables(newYear.jdn);
  const LunarMonthTable& table = reckoner.lunarMonthTable();
  const SolarTermTable& terms = reckoner.solarTermTable();
  const auto& months = table.months;
  const int count = table.count();
  if (count == 0) return -1;
  size_t t = 0;
  while (t <= 78 && terms.entry[t].jdn < months[0].day) ++t;

  int open = -1;  // index of the nian being counted
  Nian current;
  for (int m = 0; m < count; ++m) {
    const LunarMonth& month = months[static_cast<size_t>(m)];
    if (month.label == kStopHereMark) break;
    if (month.label == "01") {
      if (open >= 0 && open < 4) {
        stored[static_cast<size_t>(open)] = current;
        storedCount = open + 1;
      }
      place.Advance();
      ++open;
      current = Nian{place, 0, {}};
    }
    ++current.months;
    if (m + 1 >= count) continue;
    const int32_t next = months[static_cast<size_t>(m) + 1].day;
    for (; t <= 78 && terms.entry[t].jdn < next; ++t) {
      if (open >= 0) ++current.terms[t % 24];
    }
  }
  const CyclePlace wanted{newYear.cycle, newYear.position};
  for (int i = 0; i < storedCount; ++i) {
    if (stored[static_cast<size_t>(i)].place == wanted) {
      termCounts = stored[static_cast<size_t>(i)].terms;
      return stored[static_cast<size_t>(i)].months;
    }
  }
  return -1;
}

}  // namespace mirvo
