#include "features/tables/MainTables.h"

#include <gtest/gtest.h>

namespace mirvo {
namespace {

TEST(MainTables, CountriesFixMeridianNamesAndColours) {
  const auto& vn = CountryOf(kVietnam);
  EXPECT_EQ(vn.longitude, 105);
  EXPECT_EQ(vn.longitudeIndex, 5);
  EXPECT_EQ(vn.zoneLabel, "ICT");
  EXPECT_EQ(vn.colour, (Rgb{0, 128, 0}));
  EXPECT_EQ(vn.pictureSuffix, "_vn");
  const auto& jp = CountryOf(kJapan);
  EXPECT_EQ(jp.longitude, 135);
  EXPECT_EQ(jp.longitudeIndex, 35);
  EXPECT_EQ(jp.adjective, "Japanese");
  EXPECT_EQ(jp.colour, (Rgb{64, 64, 224}));
  EXPECT_EQ(CountryOf(kChina).adjective, "Chinese");
  EXPECT_EQ(CountryOf(kChina).pictureSuffix, "");
  EXPECT_EQ(CountryOf(static_cast<Country>(7)).name, "China") << "an unknown index falls back to China";
  for (Country c : kAllCountries) {
    EXPECT_EQ(CountryOf(c).longitude, 100 + CountryOf(c).longitudeIndex);
  }
  EXPECT_EQ(CountryFromStoredText("0"), kVietnam);
  EXPECT_EQ(CountryFromStoredText("2"), kJapan);
  EXPECT_EQ(CountryFromStoredText("3"), kKorea);
  for (const char* bad : {"", "4", " 0", "00", "-1", "Japan"})
    EXPECT_EQ(CountryFromStoredText(bad), kChina) << bad;
}

TEST(MainTables, ListsAndDefaults) {
  EXPECT_EQ(EpochEntries(), (std::vector<std::string>{"-2696 = 2697 BC", "-2636 = 2637 BC"}));
  EXPECT_EQ(EpochOfEntry(0), Epoch::kOlder);
  EXPECT_EQ(EpochOfEntry(1), Epoch::kYounger);
  EXPECT_EQ(MethodEntries()[kMainDefaults.methodEntry], "true sun");
  EXPECT_EQ(RefreshPeriodEntries()[kMainDefaults.refreshPeriod], "1");
  const auto steps = MoveStepEntries(kChina);
  ASSERT_EQ(steps.size(), 16u);
  EXPECT_EQ(steps[kMainDefaults.moveStep], "CHL month");
  EXPECT_EQ(steps[13], "80-year cycle (JC)");
  EXPECT_EQ(MoveStepEntries(kJapan)[14], "VMC month (JST)");
  EXPECT_EQ(MoveStepEntries(kJapan)[15], "VMC year (JST)");
  EXPECT_EQ(MoveStepEntries(kVietnam)[14], "VMC month (ICT)");
  const auto elements = ElementEntries();
  ASSERT_EQ(elements.size(), 6u);
  EXPECT_EQ(elements[1], "fire");
  EXPECT_EQ(elements[kNoElementEntry], "");
  const auto animalsVn = AnimalEntries(kVietnam), animalsJp = AnimalEntries(kJapan);
  ASSERT_EQ(animalsVn.size(), 13u);
  EXPECT_EQ(animalsVn[3], "cat");
  EXPECT_EQ(animalsVn[7], "goat");
  EXPECT_EQ(animalsJp[11], "boar");
  EXPECT_EQ(AnimalEntries(kChina)[3], "rabbit");
  EXPECT_EQ(animalsJp[kNoAnimalEntry], "");
  EXPECT_EQ(TimeZoneEntries("BEI"), (std::vector<std::string>{"GMT", "BEI"}));
  const auto longitudes = LongitudeEntries();
  ASSERT_EQ(longitudes.size(), 46u);
  EXPECT_EQ(longitudes.front(), "100");
  EXPECT_EQ(longitudes.back(), "145");
  EXPECT_EQ(CountryEntries()[CountryNumber(kMainDefaults.country)], "China");
  EXPECT_TRUE(kMainDefaults.showVmc);
  EXPECT_FALSE(kMainDefaults.showCjds);
  EXPECT_EQ(kMainDefaults.calendar, kCalCHL);
}

TEST(MainTables, SearchTargets) {
  const auto targets = SearchTargets();
  ASSERT_EQ(targets.size(), 23u);
  EXPECT_EQ(targets[0].text, "Full moon");
  EXPECT_EQ(targets[0].data, 2);
  EXPECT_EQ(targets[1].text, "Dark moon");
  EXPECT_EQ(targets[1].data, 0);
  EXPECT_EQ(targets[kFirstElementAnimalTarget].text, "Element-animal day");
  EXPECT_EQ(targets[kLastElementAnimalTarget].text, "Element-animal year");
  EXPECT_EQ(targets[21].text, "Intercalary month");
  EXPECT_FALSE(IsElementAnimalTarget(14));
  EXPECT_TRUE(IsElementAnimalTarget(16));
  EXPECT_FALSE(IsElementAnimalTarget(18));
}

TEST(MainTables, EpochMethodText) {
  EXPECT_EQ(EpochMethod(Epoch::kOlder, kTrueSun, true), "Epoch = -2696, method = true sun");
  EXPECT_EQ(EpochMethod(Epoch::kYounger, kMeanSun, false), "epoch = -2636, method = mean sun");
}

}  // namespace
}  // namespace mirvo
