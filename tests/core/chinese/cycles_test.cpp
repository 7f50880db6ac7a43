#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/chinese/Cycles.h"

namespace mirvo {
namespace {

TEST(CyclesYears, PositionCycleAndYearCountOfKnownYears) {
  struct Case {
    int32_t year;
    int16_t position;
    int32_t cycle2696;
    int32_t cycle2636;
    int32_t count;
  };
  const Case cases[] = {
      {2024, 41, 79, 78, 4721},  {1984, 1, 79, 78, 4681},  // jia-zi year opening cycle 79
      {1983, 60, 78, 77, 4680},                            // last year of the previous cycle
      {-2696, 1, 1, 0, 1},                                 // the older epoch itself
      {-2636, 1, 2, 1, 61},                                // the younger epoch
      {-2697, 60, 0, -1, 0},                               // one year before the older epoch
      {-3000, 57, -5, -6, -303}, {0, 57, 45, 44, 2697},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(PositionOf(c.year), c.position);
    EXPECT_EQ(CycleOf(c.year, Epoch::kOlder), c.cycle2696);
    EXPECT_EQ(CycleOf(c.year, Epoch::kYounger), c.cycle2636);
    EXPECT_EQ(YearCount(c.cycle2696, c.position, Epoch::kOlder), c.count);
    EXPECT_EQ(YearCount(c.cycle2636, c.position, Epoch::kYounger), c.count);
    EXPECT_EQ(YearFromCycle(c.cycle2696, c.position, Epoch::kOlder), c.year);
    EXPECT_EQ(YearFromCycle(c.cycle2636, c.position, Epoch::kYounger), c.year);
    EXPECT_EQ(CycleFromYearCount(c.count, Epoch::kOlder), std::make_pair(c.cycle2696, int32_t{c.position}));
    EXPECT_EQ(CycleFromYearCount(c.count, Epoch::kYounger), std::make_pair(c.cycle2636, int32_t{c.position}));
  }
}

TEST(CyclesYears, CycleAndPositionRoundTripOverManyYears) {
  for (int32_t year = -4000; year <= 4000; ++year) {
    for (Epoch epoch : {Epoch::kOlder, Epoch::kYounger}) {
      const int32_t cycle = CycleOf(year, epoch);
      const int16_t position = PositionOf(year);
      ASSERT_GE(position, 1);
      ASSERT_LE(position, 60);
      ASSERT_EQ(YearFromCycle(cycle, position, epoch), year) << EpochYear(epoch);
      ASSERT_EQ(CycleFromYearCount(YearCount(cycle, position, epoch), epoch),
                std::make_pair(cycle, int32_t{position}))
          << year << " " << EpochYear(epoch);
      // A step of years lands on the pair of the year it names, across cycle ends.
      for (int years : {1, -1, 61, -121}) {
        int32_t c = cycle, p = position;
        StepYears(c, p, years);
        ASSERT_EQ(std::make_pair(c, p),
                  std::make_pair(CycleOf(year + years, epoch), int32_t{PositionOf(year + years)}))
            << year << " " << years;
      }
    }
  }
}

TEST(CyclesYears, MonthLabels) {
  EXPECT_EQ(MonthLabel(1, 0), "01");
  EXPECT_EQ(MonthLabel(12, 0), "12");
  EXPECT_EQ(MonthLabel(7, 1), "7*");
  EXPECT_EQ(MonthLabel(11, 1), "11*");
}

TEST(CyclesPositions, ElementAnimalPairsOfNamedPositions) {
  struct Case {
    int element;
    int animal;
    int16_t position;
  };
  const Case cases[] = {{0, 0, 1}, {0, 1, 2},  {3, 8, 57}, {4, 11, 60}, {4, 10, 59},
                        {1, 2, 3}, {0, 4, 41}, {4, 3, 40}, {2, 6, 55},  {0, 11, 12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.element << "," << c.animal);
    EXPECT_EQ(PositionOfElementAnimal(c.element, c.animal), c.position);
  }
  EXPECT_EQ(ElementOfPosition(1), 0);
  EXPECT_EQ(ElementOfPosition(2), 0);
  EXPECT_EQ(ElementOfPosition(3), 1);
  EXPECT_EQ(ElementOfPosition(59), 4);
  EXPECT_EQ(ElementOfPosition(60), 4);
}

TEST(CyclesPositions, EveryPairIsOneDistinctPositionAndInvertsTheSplit) {
  std::set<int> seen;
  for (int e = 0; e < 5; ++e) {
    for (int a = 0; a < 12; ++a) {
      const int p = PositionOfElementAnimal(e, a);
      ASSERT_GE(p, 1);
      ASSERT_LE(p, 60);
      EXPECT_TRUE(seen.insert(p).second) << "position " << p << " twice";
      EXPECT_EQ(ElementOfPosition(p), e);
      EXPECT_EQ(AnimalOfPosition(p), a);
      // The stem of an element pair is odd for odd-numbered (yang) branches: stems and branches
      // always share their parity.
      EXPECT_EQ(StemOfPosition(p) % 2, BranchOfPosition(p) % 2);
    }
  }
  EXPECT_EQ(seen.size(), 60u);
  EXPECT_EQ(PositionOfElementAnimal(-1, 0), 0);
  EXPECT_EQ(PositionOfElementAnimal(5, 0), 0);
  EXPECT_EQ(PositionOfElementAnimal(0, 12), 0);
}

TEST(CyclesPositions, StemAndBranchNumbering) {
  EXPECT_EQ(StemBranchText(1), "jia-zi");
  EXPECT_EQ(StemBranchText(11), "jia-xu");
  EXPECT_EQ(StemBranchText(57), "geng-shen");
  EXPECT_EQ(StemBranchText(60), "gui-hai");
  EXPECT_EQ(StemOfPosition(60), 10);
  EXPECT_EQ(BranchOfPosition(60), 12);
  // Out-of-cycle values wrap rather than index outside the tables.
  EXPECT_EQ(StemBranchText(61), "jia-zi");
  EXPECT_EQ(StemBranchText(0), "gui-hai");
  EXPECT_EQ(StemName(0), "");
  EXPECT_EQ(BranchName(13), "");
  EXPECT_EQ(ElementName(5), "");
  EXPECT_EQ(AnimalName(-1, kChina), "");
}

TEST(CyclesDays, DayPositionIsUnbrokenSixtyDayCount) {
  EXPECT_EQ(DayPosition(2451545), 55);  // 2000-01-01
  EXPECT_EQ(DayElementAnimalText(2451545, kChina), "earth-horse");
  EXPECT_EQ(DayStemBranchText(2451545), "wu-wu");
  EXPECT_EQ(DayPosition(11), 1);
  EXPECT_EQ(DayPosition(0), 50);
  EXPECT_EQ(DayPosition(-1), 49);  // no jump below day 0
  int16_t previous = DayPosition(625332);
  for (int32_t jdn = 625333; jdn <= 2816788; ++jdn) {
    const int16_t p = DayPosition(jdn);
    ASSERT_EQ(p, previous == 60 ? 1 : previous + 1) << jdn;
    previous = p;
  }
}

TEST(CyclesMonths, MonthPairsFollowTheYearStem) {
  ChlDate date;
  date.position = 41;  // wood-dragon (jia-chen) year
  date.month = 1;
  EXPECT_EQ(MonthElementAnimal(date), std::make_pair(int16_t{1}, int16_t{2}));  // fire-tiger
  EXPECT_EQ(MonthNameText(date, kChina, false, false), "fire-tiger");
  EXPECT_EQ(MonthNameText(date, kChina, true, true), "bing-yin fire-tiger");
  EXPECT_EQ(MonthNameText(date, kChina, true, false), "fire-tiger bing-yin ");
  date.month = 11;
  EXPECT_EQ(MonthNameText(date, kChina, true, true), "bing-zi fire-rat");
  date.leap = 1;  // a leap month keeps the pair of its ordinary month
  EXPECT_EQ(MonthNameText(date, kChina, true, true), "bing-zi fire-rat");

  // First month of each year of the five-year stem group: jia/ji → bing-yin, yi/geng → wu-yin,
  // bing/xin → geng-yin, ding/ren → ren-yin, wu/gui → jia-yin.
  const struct {
    int position;
    const char* first;
  } groups[] = {{1, "bing-yin"}, {6, "bing-yin"}, {2, "wu-yin"},  {7, "wu-yin"},  {3, "geng-yin"},
                {8, "geng-yin"}, {4, "ren-yin"},  {9, "ren-yin"}, {5, "jia-yin"}, {60, "jia-yin"}};
  for (const auto& g : groups) {
    ChlDate d;
    d.position = g.position;
    d.month = 1;
    d.leap = 0;
    const auto [e, a] = MonthElementAnimal(d);
    EXPECT_EQ(StemBranchText(PositionOfElementAnimal(e, a)), g.first) << g.position;
  }

  // Twelve months of consecutive years run through the 60-month cycle without a gap.
  int previous = 0;
  for (int position = 1; position <= 60; ++position) {
    for (int month = 1; month <= 12; ++month) {
      ChlDate d;
      d.position = position;
      d.month = month;
      const auto [e, a] = MonthElementAnimal(d);
      const int p = PositionOfElementAnimal(e, a);
      if (previous != 0) {
        ASSERT_EQ(p, previous % 60 + 1) << position << "/" << month;
      }
      previous = p;
    }
  }
}

TEST(CyclesNames, AnimalNamesFollowTheCountry) {
  EXPECT_EQ(ElementAnimalText(40, kVietnam), "water-cat");
  EXPECT_EQ(ElementAnimalText(40, kChina), "water-rabbit");
  EXPECT_EQ(ElementAnimalText(60, kJapan), "water-boar");
  EXPECT_EQ(ElementAnimalText(60, kVietnam), "water-pig");
  EXPECT_EQ(ElementAnimalText(57, kChina), "metal-monkey");
  EXPECT_EQ(ElementAnimalText(8, kVietnam), "metal-goat");
  EXPECT_EQ(ElementAnimalText(8, kJapan), "metal-sheep");
  EXPECT_EQ(AnimalName(3, kJapan), "rabbit");
}

// A chosen pair names the position it stands for; a part left out keeps the place of its name.
TEST(CyclesNames, ElementAnimalPhrases) {
  EXPECT_EQ(ElementAnimalPhrase(57, kChina), "metal-monkey (geng-shen)");
  EXPECT_EQ(ElementAnimalPhrase(40, kVietnam), "water-cat (gui-mao)");
  for (Country country : {kVietnam, kChina, kJapan}) {
    for (int p = 1; p <= 60; ++p) {
      EXPECT_EQ(ChosenElementAnimalPhrase(ElementOfPosition(p), AnimalOfPosition(p), country),
                ElementAnimalPhrase(p, country))
          << p;
    }
  }
  EXPECT_EQ(ChosenElementAnimalPhrase(2, 12, kChina), "earth- (wu-, ji-)");
  EXPECT_EQ(ChosenElementAnimalPhrase(5, 11, kVietnam), "-pig (-hai)");
  EXPECT_EQ(ChosenElementAnimalPhrase(-1, 12, kChina), "");
}

TEST(CyclesNames, IndexOfNamesIgnoresCaseAndFollowsTheCountry) {
  EXPECT_EQ(ElementIndexOf("wood"), 0);
  EXPECT_EQ(ElementIndexOf("WATER"), 4);
  EXPECT_EQ(ElementIndexOf("Metal"), 3);
  EXPECT_EQ(ElementIndexOf(""), -1);
  EXPECT_EQ(ElementIndexOf("woods"), -1);
  EXPECT_EQ(ElementIndexOf("woo"), -1);
  EXPECT_EQ(AnimalIndexOf("DOG", kChina), 10);
  EXPECT_EQ(AnimalIndexOf("cat", kVietnam), 3);
  EXPECT_EQ(AnimalIndexOf("cat", kChina), -1);
  EXPECT_EQ(AnimalIndexOf("rabbit", kVietnam), -1);
  EXPECT_EQ(AnimalIndexOf("Boar", kJapan), 11);
  EXPECT_EQ(AnimalIndexOf("pig", kJapan), -1);
  EXPECT_EQ(AnimalIndexOf("goat", kVietnam), 7);
  EXPECT_EQ(AnimalIndexOf("sheep", kJapan), 7);
  for (Country country : {kVietnam, kChina, kJapan}) {
    for (int a = 0; a < 12; ++a) EXPECT_EQ(AnimalIndexOf(AnimalName(a, country), country), a);
  }
}

}  // namespace
}  // namespace mirvo
