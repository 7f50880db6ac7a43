// The texts of the data window's listings, compared line by line with expected texts in
// tests/data/listings/. How the expected texts were made:
// - every lunar date, CE date, JDN, month length and leap month was read off
//   china_months_1901_2100.csv (the independent table of lunar months at 120º E); the day
//   numbers are those of the CE dates; the JC dates are the CE dates less 13 days;
// - the J1 and Z1 counts of each nian: the published dates of Li chun (Feb 3-5) and Yu shui
//   (Feb 18-20) at 120º E set against the new years of that table (2033 holds two Yu shui, 2034
//   none; 2024 holds no Li chun, 2025 two);
// - the dark moons of the year data: their times are the published new moons in UT plus 8 hours,
//   and lunations 300 and 320 (2024-04-09 02:20, 2025-11-20 14:47 CCT) are those of
//   phases_sample.csv less Delta T, so the lunation numbers are Meeus's; the solar terms are the
//   published terms at 120º E;
// - headers, column places, the sign place before every day number (so two blanks after "= "),
//   the blank before "CHL", the counts and summaries follow the rules of the listings.
// Times and chronological Julian dates may differ by a minute from a later ephemeris; they are
// compared within that, everything else exactly.
#include "features/listings/Listings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "tests/support/Lines.h"

namespace mirvo {
namespace {

std::string Expected(const std::string& name) {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/listings/" + name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Noon UT of a CE date: the same civil day at every reference meridian of the program.
double Noon(int year, int month, int day) { return JdnOfCeDate(year, month, day); }

// Equal but for the times (within a minute) and the chronological Julian dates (within 0.0007
// day), blank for blank.
::testing::AssertionResult SameLine(const std::string& expected, const std::string& actual) {
  auto words = [](const std::string& line) {
    std::vector<std::string> w(1);
    for (char c : line) {
      if (c == ' ')
        w.emplace_back();
      else
        w.back() += c;
    }
    return w;
  };
  auto minutes = [](const std::string& w) -> double {
    if (w.size() == 5 && w[2] == ':') return std::stoi(w.substr(0, 2)) * 60 + std::stoi(w.substr(3));
    if (w.size() > 5 && w[w.size() - 5] == '.' && w.find_first_not_of("0123456789,.") == std::string::npos) {
      std::string digits;
      for (char c : w)
        if (c != ',') digits += c;
      return std::stod(digits) * 1440;
    }
    return -1;
  };
  const auto e = words(expected), a = words(actual);
  bool same = e.size() == a.size();
  for (size_t i = 0; same && i < e.size(); ++i) {
    const double x = minutes(e[i]), y = minutes(a[i]);
    same = x >= 0 && y >= 0 ? std::fabs(x - y) <= 1.01 : e[i] == a[i];
  }
  if (same) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\n  " << actual;
}

void ExpectSameText(const std::string& expected, const std::string& actual, bool exact) {
  const auto e = Lines(expected), a = Lines(actual);
  for (size_t i = 0; i < std::min(e.size(), a.size()); ++i) {
    if (exact)
      EXPECT_EQ(a[i], e[i]) << "line " << i + 1;
    else
      EXPECT_TRUE(SameLine(e[i], a[i])) << "line " << i + 1 << ", expected\n  " << e[i];
  }
  EXPECT_EQ(a.size(), e.size());
  EXPECT_EQ(actual.empty() || actual.back() == '\n', true);
}

std::string List(Reckoner& r, int mode, double ajd, ListingOptions options) {
  if (options.years <= 0) options.years = DefaultListYears(mode, options.leapMonthsOnly);
  return ListingText(*MakeList(mode, r, InputsOf(r, ajd), options), mode);
}

TEST(Listings, ListsMatchTheirExpectedTexts) {
  struct Case {
    const char* file;
    int mode;
    double ajd;
    int years;
    bool leapOnly;
  };
  const Case cases[] = {
      {"new_years_2024_20.txt", kModeNewYears, Noon(2024, 2, 10), 20, false},         // 79-41-01-01
      {"anniversaries_day30.txt", kModeNewYears, Noon(2024, 7, 5), 12, false},        // 79-41-05-30
      {"anniversaries_leap_month.txt", kModeNewYears, Noon(2017, 8, 21), 10, false},  // 79-34-6*-30
      {"leap_months_2010_30.txt", kModeMonths, Noon(2024, 6, 1), 0, true},
      {"months_2023_3.txt", kModeMonths, Noon(2024, 6, 1), 0, false},
      {"euro_new_years_2024_20.txt", kModeEuroNewYears, Noon(2024, 6, 1), 0, false},
  };
  Reckoner r;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ListingOptions options;
    options.years = c.years;
    options.leapMonthsOnly = c.leapOnly;
    ExpectSameText(Expected(c.file), List(r, c.mode, c.ajd, options), true);
  }
}

TEST(Listings, OmittedInvalidDatesLeaveTheListedOnes) {
  Reckoner r;
  ListingOptions options;
  options.years = 12;
  options.omitInvalid = true;
  std::string expected;
  for (const auto& line : Lines(Expected("anniversaries_day30.txt"))) {
    if (line.find(" is invalid") == std::string::npos) expected += line + "\n";
  }
  EXPECT_EQ(List(r, kModeNewYears, Noon(2024, 7, 5), options), expected);
}

// The year data of one combination of options, from the text with every option: terms of the
// kinds not chosen dropped, names cut off, the hyphen lines gone without terms, JC dates.
std::string YearDataFrom(const std::string& all, bool major, bool minor, bool names, bool julian) {
  const bool terms = major || minor;
  std::string text;
  for (std::string line : Lines(all)) {
    if (!terms && line.rfind("and solar terms ", 0) == 0) line.erase(0, 16);
    if (julian && line.find(" CE),") != std::string::npos) line.replace(line.find(" CE),"), 5, " JC),");
    if (const auto st = line.find("  ST "); st != std::string::npos) {
      const int number = std::stoi(line.substr(st + 5));
      if (!(number % 2 == 1 ? major : minor)) continue;
      if (!names) line.erase(line.find(" (", st));
    }
    if (!terms && line == "---------- ") continue;
    if (!terms && line.rfind("---------- ", 0) == 0) line.erase(0, 11);
    // " 2024-02-10 CE 06:59 CCT …": the CE date of the day, written in the Julian Calendar.
    if (julian && line.size() > 14 && line.compare(11, 4, " CE ") == 0) {
      CalendarDate jc;
      jc.calendar = 'J';
      jc.jdn = JdnOfCeDate(std::stoi(line.substr(1, 4)), std::stoi(line.substr(6, 2)),
                           std::stoi(line.substr(9, 2)));
      CalendarDateFromJdn(jc);
      line.replace(1, 13, CalendarDateText(jc, 2, '-', ',', false) + " JC");
    }
    text += line + "\n";
  }
  return text;
}

TEST(Listings, YearDataOf2024WithEveryCombinationOfOptions) {
  Reckoner r;
  const std::string all = Expected("year_data_2024_terms_names.txt");
  ASSERT_FALSE(all.empty());
  // Without terms the text is also written out in full: the derivation above must agree with it.
  EXPECT_EQ(YearDataFrom(all, false, false, false, false), Expected("year_data_2024.txt"));
  for (int bits = 0; bits < 16; ++bits) {
    ListingOptions o;
    o.majorTerms = bits & 1;
    o.minorTerms = bits & 2;
    o.termNames = bits & 4;
    o.julian = bits & 8;
    SCOPED_TRACE(::testing::Message() << "major " << o.majorTerms << " minor " << o.minorTerms << " names "
                                      << o.termNames << " JC " << o.julian);
    ExpectSameText(YearDataFrom(all, o.majorTerms, o.minorTerms, o.termNames, o.julian),
                   YearDataText(r, InputsOf(r, Noon(2024, 6, 1)), o), false);
  }
}

// Every dark moon listed begins a numbered month, also when the December solstice that opens the
// table falls on the day of a dark moon (2016 and others): the listing opens with the first sui.
TEST(Listings, YearDataListsOnlyNumberedMonths) {
  Reckoner r;
  ListingOptions monthsOnly;
  monthsOnly.majorTerms = false;
  for (int year = 1900; year <= 2100; ++year) {
    const std::string text = YearDataText(r, InputsOf(r, Noon(year, 6, 1)), monthsOnly);
    EXPECT_EQ(Lines(text)[5].rfind("Sui ", 0), 0u) << year;
    EXPECT_EQ(text.find(" M ("), std::string::npos) << year;
  }
}

TEST(Listings, HeadersFollowTheNumberOfYearsTheMeridianAndTheCalendar) {
  Reckoner r;
  r.SetCountry(kJapan);
  r.SetReferenceLongitude(135);
  r.SetEpoch(Epoch::kYounger);
  ListingOptions one;
  one.years = 1;
  one.julian = true;
  EXPECT_EQ(Lines(List(r, kModeMonths, Noon(2024, 6, 1), one))[1],
            "and Julian day number for 1 year from 2024 JC");
  one.years = 2;
  const auto two = Lines(List(r, kModeMonths, Noon(2024, 6, 1), one));
  EXPECT_EQ(two[1], "and Julian day number for 2 years from 2024 JC");
  EXPECT_EQ(two[2], "(Epoch = -2636, method = true sun, longitude 135º E, Japan):");
  EXPECT_EQ(two[3], "78-41-01-01  CHL =  2024-01-28 JC =  2460351 JDN  29 days");
  EXPECT_EQ(two.back().substr(0, 5), "78-42");
  const auto ann = Lines(List(r, kModeNewYears, Noon(2024, 7, 5), one));
  EXPECT_EQ(ann[0], "Japanese Lunar Calendar anniversaries");
  EXPECT_EQ(ann[2], "(Epoch = -2636, method = true sun, longitude 135º E, Japan):");
  EXPECT_EQ(Lines(List(r, kModeEuroNewYears, Noon(2024, 6, 1), one))[0],
            "Lunar calendar dates of New Years Day in the Julian Calendar");
  EXPECT_EQ(Lines(YearDataText(r, InputsOf(r, Noon(2024, 6, 1)), one))[3],
            "which assume longitude 135º E (Japan) as reference meridian.");
}

// Every list holds what its years produce, whatever the length of its text, and shows only days
// of the admitted range (-3000-01-01 to 3000-01-01 CE): the first date after it ends the list with
// a line that says so, the dates before it are left out with one line. The day numbers of the
// lines are the oracle, and the month next to the last (or before the first) lies outside.
TEST(Listings, ListsKeepToTheAdmittedRange) {
  constexpr int32_t kFirstDay = 625333, kLastDay = 2816788;  // -3000-01-01 and 3000-01-01 CE
  const struct {
    int mode;
    double ajd;
    int years;
    bool endsAtRange, startsBeforeRange;
    const char* lastListed;
  } cases[] = {
      {kModeEuroNewYears, Noon(2024, 6, 1), kMaxListYears, true, false, "3000-01-01 CE = "},
      {kModeNewYears, Noon(2990, 6, 1), 20, true, false, nullptr},
      {kModeMonths, Noon(2990, 6, 1), 30, true, false, nullptr},
      {kModeMonths, Noon(-2990, 6, 1), 30, false, true, nullptr},
      {kModeEuroNewYears, Noon(-3010, 6, 1), 20, false, true, "-2991-01-01 CE = "},
      {kModeMonths, Noon(2024, 6, 1), 3, false, false, nullptr},
  };
  Reckoner r;
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " from " << c.ajd);
    ListingOptions options;
    options.years = c.years;
    auto list = MakeList(c.mode, r, InputsOf(r, c.ajd), options);
    TextOutput out;
    RunListing(*list, out, c.mode);
    EXPECT_TRUE(out.messages.empty());
    const auto lines = Lines(out.text);
    std::vector<std::pair<int32_t, int>> days;  // day number and month length of each line
    for (const auto& line : lines) {
      const size_t jdn = line.find(" JDN");
      if (jdn == std::string::npos || line.find(" = ") == std::string::npos) continue;
      days.emplace_back(std::stoi(line.substr(line.rfind("  ", jdn) + 2)),
                        line.find("30 days") != std::string::npos ? 30 : 29);
      EXPECT_GE(days.back().first, kFirstDay) << line;
      EXPECT_LE(days.back().first, kLastDay) << line;
    }
    EXPECT_EQ(lines.back() + "\n" == RangeEndLine(), c.endsAtRange) << lines.back();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), RangeStartLine().substr(0, RangeStartLine().size() - 1)),
              c.startsBeforeRange ? 1 : 0);
    if (c.lastListed) {
      const std::string& last = lines[lines.size() - (c.endsAtRange ? 3 : 2)];
      EXPECT_EQ(last.substr(0, std::string(c.lastListed).size()), c.lastListed);
    }
    if (c.mode == kModeMonths && c.endsAtRange) {
      EXPECT_GT(days.back().first + days.back().second, kLastDay);
    }
    if (c.mode == kModeMonths && c.startsBeforeRange) {
      EXPECT_LT(days.front().first - 29, kFirstDay);
    }
  }
  // The 2001 European new years from 1000 to 3000, three times the 64,512 characters of an old
  // text box: two lines each between the header and the closing line.
  ListingOptions all;
  all.years = kMaxListYears;
  const std::string text =
      ListingText(*MakeList(kModeEuroNewYears, r, InputsOf(r, Noon(1000, 6, 1)), all), kModeEuroNewYears);
  EXPECT_GT(text.size(), 3 * 64512u);
  EXPECT_EQ(Lines(text).size(), 2 + 2 * 2001 + 1u);
}

TEST(Listings, NewYearsOfALunarDateOutsideTheCalendarAreRefused) {
  Reckoner r;
  ListingOptions options;
  options.years = 5;
  auto list = MakeList(kModeNewYears, r, InputsOf(r, Noon(10000, 6, 1)), options);
  TextOutput out;
  RunListing(*list, out, kModeNewYears);
  EXPECT_EQ(out.text, "");
  ASSERT_EQ(out.messages.size(), 1u);
  EXPECT_EQ(out.messages[0].text, kLunarDateInvalid);
  // A list that runs into the end of the years it may show stops there: ten anniversaries from
  // 2990, the last in lunar year 2999, then the closing line.
  options.years = 20;
  const auto lines = Lines(List(r, kModeNewYears, Noon(2990, 6, 1), options));
  EXPECT_EQ(lines[lines.size() - 2].substr(0, 6), "95-56-");  // 2999 under the epoch -2696
  EXPECT_EQ(lines.size(), 3 + 10 + 1u);
}

TEST(Listings, NumberOfYearsSettledFromTheBox) {
  struct Case {
    int mode;
    bool leapOnly;
    int remembered;
    const char* box;
    int years;
    const char* shown;
    int rememberedAfter;
  };
  const Case cases[] = {
      {1, false, 0, "", 20, "20", 0},
      {5, false, 0, "", 20, "20", 0},
      {2, false, 0, "", 3, "3", 0},
      {2, true, 0, "", 30, "30", 0},
      {1, false, 7, "", 7, "7", 7},
      {1, false, 7, "a1b2", 12, "12", 12},
      {2, true, 5, "0", 30, "30", 0},
      {2, false, 5, "x", 3, "3", 0},
      {1, false, 0, "123456", 9999, "9999", 9999},
      {1, false, 0, "00042", 42, "42", 42},
  };
  for (const Case& c : cases) {
    std::array<int, 6> remembered{};
    remembered[static_cast<size_t>(c.mode)] = c.remembered;
    std::string box = c.box;
    EXPECT_EQ(SettleListYears(remembered, c.mode, c.leapOnly, box), c.years) << c.box;
    EXPECT_EQ(box, c.shown) << c.box;
    EXPECT_EQ(remembered[static_cast<size_t>(c.mode)], c.rememberedAfter) << c.box;
  }
}

// Random solar and lunar dates come back from their day numbers at the three meridians and with
// either Sun method; the date test of an entry that did not parse reports its code.
TEST(Listings, SelfTestPassesAtEveryMeridianByEitherMethod) {
  for (int longitude : {120, 105, 135}) {
    Reckoner r;
    r.SetReferenceLongitude(longitude);
    RandomSelfTest test(r, 300, static_cast<uint64_t>(longitude));
    const std::string text = ListingText(test, kModeTest);
    EXPECT_FALSE(test.failed()) << longitude << text;
    r.SetSunMethod(kMeanSun);  // its terms lie days away from the true ones the window shows
    RandomSelfTest mean(r, 300, 1);
    ListingText(mean, kModeTest);
    EXPECT_FALSE(mean.failed()) << longitude << " mean sun";
    const std::string head = "\nDoing 300 random solar,lunar -> JDN -> solar,lunar";
    ASSERT_EQ(text.substr(0, head.size()), head);
    const std::string digits = text.substr(head.size());
    EXPECT_EQ(digits.size(), 600u);
    EXPECT_EQ(digits.find_first_not_of("01"), std::string::npos);
    EXPECT_GT(std::count(digits.begin(), digits.end(), '1'), 100);
  }
  Reckoner r;
  TextOutput out;
  EXPECT_TRUE(TestDateEntry(r, 8, 0, out));
  EXPECT_EQ(out.text, "Error code = 8\n");
  EXPECT_TRUE(TestDateEntry(r, 0, Noon(2033, 12, 22), out));
  EXPECT_EQ(out.text, "Error code = 8\n11");
}

}  // namespace
}  // namespace mirvo
