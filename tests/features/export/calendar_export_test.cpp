// The calendar export of anniversaries, read back with libical's parser and set against the
// anniversaries listing for the same lunar date: a day 30 (79-41-05-30, 2024-07-05) and a leap
// month's day 30 (79-34-6*-30, 2017-08-21) over 30 years, with every rule for missing dates.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/export/CalendarExport.h"
#include "features/listings/Listings.h"
#include "tests/support/ICalendarRead.h"
#include "tests/support/TestDoubles.h"

namespace mirvo {
namespace {

double Noon(int y, int m, int d) { return JdnOfCeDate(y, m, d); }

// One listed year: its CE date and whether the lunar date itself existed (no "is invalid" line).
struct ListedYear {
  std::string date;
  bool exact = true;
  bool leapMissing = false;  // the leap month was tried on day 29 too
};

std::vector<ListedYear> ListedYears(Reckoner& r, double ajd, int years) {
  ListingOptions options;
  options.years = years;
  std::istringstream in(ListingText(*MakeList(kModeNewYears, r, InputsOf(r, ajd), options), kModeNewYears));
  std::vector<ListedYear> listed;
  ListedYear year;
  for (std::string line; std::getline(in, line);) {
    if (line.find(" is invalid") != std::string::npos) {
      year.exact = false;
      year.leapMissing = year.leapMissing || line.find("*-29 CHL") != std::string::npos;
    } else if (const size_t at = line.find(" CHL = "); at != std::string::npos) {
      year.date = line.substr(at + 7, 10);
      listed.push_back(year);
      year = ListedYear{};
    }
  }
  return listed;
}

int32_t Jdn(const std::string& iso) {
  return JdnOfCeDate(std::stoi(iso.substr(0, 4)), std::stoi(iso.substr(5, 2)), std::stoi(iso.substr(8, 2)));
}

ChlDate LunarDate(Reckoner& r, int32_t jdn) {
  ChlDate chl;
  r.DayToChl(jdn, r.Epoch(), chl);
  return chl;
}

TEST(CalendarExport, AnniversariesFollowTheListingUnderEveryRule) {
  constexpr int kYears = 30;
  Reckoner r;
  for (const double ajd : {Noon(2024, 7, 5), Noon(2017, 8, 21)}) {
    const std::vector<ListedYear> listed = ListedYears(r, ajd, kYears);
    ASSERT_EQ(listed.size(), size_t{kYears});
    const ChlDate start = LunarDate(r, JdnOf(CjdcFromAjd(ajd, 120)));
    ASSERT_EQ(start.day, 30);
    int exact = 0;
    for (const ListedYear& y : listed) exact += y.exact;
    ASSERT_GT(exact, 0);
    ASSERT_LT(exact, kYears);

    std::vector<std::string> uidsByRule;
    for (const AnniversaryPolicy policy : {AnniversaryPolicy::kListing, AnniversaryPolicy::kEarlier,
                                           AnniversaryPolicy::kLater, AnniversaryPolicy::kSkip}) {
      SCOPED_TRACE(::testing::Message()
                   << r.ChlDateText(start, 0) << " rule " << AnniversaryPolicyName(policy));
      const ListedDates dates = AnniversaryDates(r, start, kYears, policy);
      const std::string text = ICalendarText(ListedEvents(r, dates, "", policy), {2025, 1, 1}, "x");
      EXPECT_EQ(test::FormFault(text), "");
      const test::ReadCalendar read = test::ReadICalendar(text);
      ASSERT_TRUE(read.parsed);
      ASSERT_EQ(read.events.size(), size_t(policy == AnniversaryPolicy::kSkip ? exact : kYears));

      std::set<std::string> uids;
      size_t e = 0;
      for (const ListedYear& y : listed) {
        if (policy == AnniversaryPolicy::kSkip && !y.exact) continue;
        const test::ReadEvent& event = read.events[e++];
        EXPECT_TRUE(event.start.is_date);
        uids.insert(event.uid);
        uidsByRule.push_back(event.uid);
        // A moved event says so, with the rule.
        EXPECT_EQ(event.description.find("By the rule \"" + std::string(AnniversaryPolicyName(policy))) !=
                      std::string::npos,
                  !y.exact)
            << event.description;
        if (policy != AnniversaryPolicy::kLater || y.exact) {
          EXPECT_EQ(event.StartText(), y.date);
          continue;
        }
        // Later: the day after day 29 of the month, or the next month's day 30 when the leap
        // month is missing (the day after its day 29 when it has none either).
        const int32_t day = Jdn(event.StartText());
        const ChlDate later = LunarDate(r, day);
        if (!y.leapMissing) {
          EXPECT_EQ(day, Jdn(y.date) + 1);
          EXPECT_EQ(later.day, 1);
        } else if (later.day == 30) {
          EXPECT_EQ(later.month, start.month + 1);
          EXPECT_FALSE(later.leap);
        } else {
          const ChlDate before = LunarDate(r, day - 1);
          EXPECT_EQ(later.day, 1);
          EXPECT_EQ(before.month, start.month + 1);
          EXPECT_EQ(before.day, 29);
        }
      }
      EXPECT_EQ(uids.size(), read.events.size());
    }
    // A lunar year keeps its UID whatever the rule, so a file saved again replaces its events.
    for (size_t i = 0; i < size_t{kYears}; ++i) {
      EXPECT_EQ(uidsByRule[i], uidsByRule[kYears + i]);
      EXPECT_EQ(uidsByRule[i], uidsByRule[2 * kYears + i]);
    }
  }
}

// The title names the anniversary: two anniversaries on one lunar date stay apart, and the same
// title gives the same UIDs on every run.
TEST(CalendarExport, TitlesKeepAnniversariesApartAndUidsStable) {
  Reckoner a, b;
  const ChlDate start = LunarDate(a, JdnOfCeDate(2024, 7, 5));
  auto uids = [&](Reckoner& r, const std::string& title) {
    std::vector<std::string> list;
    for (const CalendarEvent& e :
         ListedEvents(r, AnniversaryDates(r, start, 5, AnniversaryPolicy::kListing), title))
      list.push_back(e.uid);
    return list;
  };
  EXPECT_EQ(uids(a, "Grandfather"), uids(b, "Grandfather"));
  const auto mother = uids(a, "Mother"), father = uids(a, "Father");
  for (size_t i = 0; i < mother.size(); ++i) EXPECT_NE(mother[i], father[i]);
}

// A list reaching past the years a file can hold is saved without those years, and says how many
// dates it left out; a list wholly outside them saves nothing.
TEST(CalendarExport, SavesTheYearsAFileCanHold) {
  struct Case {
    int32_t from, to;
    size_t saved;
    const char* message;
  } const cases[] = {
      {2991, 3000, 10, "(10 events):\nx.ics"},
      {2991, 3010, 10,
       "(10 events):\nx.ics\n10 dates left out: an iCalendar file holds the years 1 to 3000."},
      {-10, 0, 0,
       "The list holds no dates to save.\n11 dates left out: an iCalendar file holds the years 1 to 3000."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from);
    Reckoner r;
    ScriptedDialogs dialogs;
    dialogs.answer = "x.ics";
    MemoryTextFiles files;
    RecordingMessages messages;
    SaveListedDates(r, NewYearDates(r, c.from, c.to), dialogs, files, messages);
    EXPECT_EQ(test::ReadICalendar(files.files["x.ics"]).events.size(), c.saved);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.ends_with(c.message)) << messages.shown[0].text;
  }
}

}  // namespace
}  // namespace mirvo
