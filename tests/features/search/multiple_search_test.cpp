#include "features/search/MultipleSearchRules.h"

#include <gtest/gtest.h>

#include <random>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"

namespace mirvo {
namespace {

constexpr Epoch kEpoch = Epoch::kOlder;
constexpr int kRat = 0, kOx = 1, kTiger = 2, kDragon = 4;
constexpr int kWood = 0, kFire = 1, kEarth = 2;
constexpr int kNoE = kNoElementEntry, kNoA = kNoAnimalEntry;

ElementAnimalRows Rows(std::array<int, 3> element, std::array<int, 3> animal) {
  ElementAnimalRows rows;
  rows.element = element;
  rows.animal = animal;
  return rows;
}

TEST(MultipleSearchTexts, RowsListsAndSentences) {
  struct Case {
    ElementAnimalRows rows;
    const char* sentence;
  };
  const Case cases[] = {
      {Rows({kWood, kFire, kNoE}, {kRat, kOx, kNoA}), "wood-rat (jia-zi) day in a fire-ox (ding-chou) month"},
      {Rows({kNoE, kNoE, kNoE}, {kNoA, kOx, kNoA}), "day in an -ox (-chou) month"},
      {Rows({kNoE, kNoE, kEarth}, {kNoA, kNoA, kNoA}), "day in an earth- (wu-, ji-) year"},
      {Rows({kFire, kNoE, kWood}, {kNoA, kNoA, kOx}), "fire- (bing-, ding-) day in a wood-ox (yi-chou) year"},
      {Rows({kNoE, kEarth, kNoE}, {kTiger, kOx, kDragon}),
       "-tiger (-yin) day in an earth-ox (ji-chou) month in a -dragon (-chen) year"},
  };
  for (const Case& c : cases) EXPECT_EQ(MultipleElementAnimalStr(c.rows, kChina), c.sentence);
  const ElementAnimalRows japan = Rows({kNoE, kNoE, kNoE}, {11, kNoA, 3});
  EXPECT_EQ(RowElementAnimalText(japan, kDayRow, kJapan), "-boar (-hai) day");
  EXPECT_EQ(RowElementAnimalText(japan, kMonthRow, kJapan), "");
  EXPECT_EQ(MultipleElementAnimalStr(Rows({kNoE, kNoE, kNoE}, {3, kNoA, kNoA}), kVietnam), "-cat (-mao) day");

  EXPECT_EQ(MultipleElementEntries(kDayRow, kOx).back(), "");
  EXPECT_EQ(MultipleElementEntries(kMonthRow, kOx).back(), "in an");
  EXPECT_EQ(MultipleElementEntries(kYearRow, kRat).back(), "in a");
  EXPECT_EQ(MultipleElementEntries(kYearRow, kNoA)[kEarth], "in an earth");
  EXPECT_EQ(MultipleElementEntries(kMonthRow, kNoA)[kFire], "in a fire");
  EXPECT_EQ(WithinEntries().front(), "within 1 year");
  EXPECT_EQ(NotFoundText({.withinYears = 100}), "There is no such day within 100 years.");
  EXPECT_EQ(NotFoundText({.withinYears = 1, .fromToday = true, .next = false}),
            "There is no such day within 1 year of today.");
}

// The oracle: every day in turn, its lunar date and the three pairs tested directly; 0 when no day
// within 100 years matches.
int32_t FirstMatchDayByDay(Reckoner& r, const ElementAnimalRows& rows, int32_t start, int s) {
  for (int32_t i = start + s; std::abs(i - start) <= 36890; i += s) {
    ChlDate d;
    r.DayToChl(i + 0.5, kEpoch, d);
    const int p = DayPosition(i);
    const auto [me, ma] = MonthElementAnimal(d);
    if (rows.Matches(kDayRow, ElementOfPosition(p), AnimalOfPosition(p)) && rows.Matches(kMonthRow, me, ma) &&
        rows.Matches(kYearRow, ElementOfPosition(d.position), AnimalOfPosition(d.position))) {
      return i;
    }
  }
  return 0;
}

// Strides of 12 and 60 days and jumps over whole years must not pass over a day that matches.
TEST(MultipleSearch, FindsTheNearestMatchingDayAsADayByDayScanDoes) {
  Reckoner r;
  std::mt19937 random(20240210);
  auto pick = [&](int none, int count) {
    const int k = static_cast<int>(random() % static_cast<unsigned>(2 * count));
    return k < count ? k : none;
  };
  int compared = 0;
  for (int trial = 0; trial < 150; ++trial) {
    ElementAnimalRows rows;
    for (int row = 0; row < 3; ++row) {
      rows.element[static_cast<size_t>(row)] = pick(kNoE, 5);
      rows.animal[static_cast<size_t>(row)] = pick(kNoA, 12);
    }
    // Two conditions at most keep the day-by-day oracle short.
    if (rows.IsSet(kDayRow) && rows.IsSet(kMonthRow)) {
      rows.element[kYearRow] = kNoE;
      rows.animal[kYearRow] = kNoA;
    }
    if (!rows.AnySet()) continue;
    const int32_t start = JdnOfCeDate(1900, 1, 1) + static_cast<int32_t>(random() % 73000);
    const int s = trial % 2 == 0 ? 1 : -1;
    const int32_t expected = FirstMatchDayByDay(r, rows, start, s);
    if (expected == 0) continue;  // beyond the limit: covered below
    bool notFound = true;
    EXPECT_EQ(SearchMultipleElementAnimal(r, rows, start, s > 0, 100, kEpoch, notFound), expected)
        << MultipleElementAnimalStr(rows, kChina) << (s > 0 ? " after " : " before ") << start;
    EXPECT_FALSE(notFound);
    ++compared;
  }
  EXPECT_GT(compared, 100);
}

TEST(MultipleSearch, LimitsOfOneTenHundredAndThousandYears) {
  Reckoner r;
  const int32_t start = JdnOfCeDate(2023, 4, 19);  // 79-40-2*-29: a leap month's last day
  struct Case {
    int within;
    bool next;
    int32_t limit;
  };
  const Case cases[] = {
      {100, true, start + 36890},
      {1000, false, start - 365608},
      {1, true, JdnOfCeDate(2024, 4, 7)},    // 2-29 of 2024, which has no 2*
      {10, false, JdnOfCeDate(2013, 4, 9)},  // 2-29 of 2013
  };
  for (const Case& c : cases) {
    MultipleElementAnimalSearch search(r, Rows({kNoE, kNoE, kNoE}, {kNoA, kNoA, kNoA}), start, c.next,
                                       c.within, kEpoch);
    EXPECT_EQ(search.limitDay(), c.limit) << c.within;
  }

  // Nothing found: the tiger month of a jia (wood) year is always a fire-tiger month.
  const ElementAnimalRows never = Rows({kNoE, kWood, kWood}, {kNoA, kTiger, kRat});
  for (bool next : {true, false}) {
    MultipleElementAnimalSearch search(r, never, start, next, next ? 100 : 1000, kEpoch);
    while (!search.Run(1000)) {}
    EXPECT_TRUE(search.notFound());
    EXPECT_FALSE(search.rangeEnded());
    EXPECT_TRUE(next ? search.day() > search.limitDay() : search.day() < search.limitDay());
    EXPECT_LT(search.passes(), (next ? 2 : 17) * 400) << "only the matching years are scanned";
  }

  // A day found by a year jump counts beyond the limit; the admitted range does not.
  bool notFound = true;
  const ElementAnimalRows woodRatYear = Rows({kNoE, kNoE, kWood}, {kNoA, kNoA, kRat});
  EXPECT_EQ(SearchMultipleElementAnimal(r, woodRatYear, start, true, 1, kEpoch, notFound),
            JdnOfCeDate(2044, 1, 30));
  EXPECT_FALSE(notFound);
  EXPECT_EQ(SearchMultipleElementAnimal(r, woodRatYear, start, false, 1, kEpoch, notFound),
            JdnOfCeDate(1985, 2, 19));
  bool rangeEnded = false;
  SearchMultipleElementAnimal(r, never, JdnOfCeDate(2900, 1, 1), true, 1000, kEpoch, notFound, &rangeEnded);
  EXPECT_TRUE(notFound && rangeEnded);
}

TEST(MultipleSearch, ProgressTextEveryTwentyPasses) {
  Reckoner r;
  MultipleElementAnimalSearch search(r, Rows({kNoE, kFire, kNoE}, {kNoA, kRat, kNoA}),
                                     JdnOfCeDate(2024, 1, 1), true, 100, kEpoch);
  search.Run(1);
  EXPECT_EQ(search.progressText(), "Searching ...    79-40-11-21 CHL   2024-01-02 CE");
}

}  // namespace
}  // namespace mirvo
