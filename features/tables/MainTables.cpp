#include "features/tables/MainTables.h"

#include "core/chinese/Cycles.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"

namespace mirvo {
namespace {

constexpr std::array<CountryInfo, kAllCountries.size()> kCountries{{
    {"Vietnam", "Vietnamese", 5, 105, "ICT", "VMC month (ICT)", "VMC year (ICT)", {0, 128, 0}, "_vn"},
    {"China", "Chinese", 20, 120, "CCT", "VMC month (CCT)", "VMC year (CCT)", {192, 0, 0}, ""},
    {"Japan", "Japanese", 35, 135, "JST", "VMC month (JST)", "VMC year (JST)", {64, 64, 224}, "_jp"},
    {"Korea", "Korean", 35, 135, "KST", "VMC month (KST)", "VMC year (KST)", {0, 71, 160}, "_kr"},
}};

constexpr std::array<std::string_view, 16> kMoveSteps{"minute",
                                                      "hour",
                                                      "day",
                                                      "CE month",
                                                      "CE year",
                                                      "CE century",
                                                      "CHL month",
                                                      "CHL year",
                                                      "60-year cycle (CHL)",
                                                      "CHS solar term",
                                                      "CHS year",
                                                      "60-year cycle (CHS)",
                                                      "60-day cycle",
                                                      "80-year cycle (JC)",
                                                      "VMC month (CCT)",
                                                      "VMC year (CCT)"};

constexpr std::array<std::string_view, kSearchTargetCount> kTargets{"Full moon",
                                                                    "Dark moon",
                                                                    "Lunar quarter",
                                                                    "Lunar new year",
                                                                    "Winter solstice",
                                                                    "Vernal equinox",
                                                                    "Summer solstice",
                                                                    "Autumnal equinox",
                                                                    "Solstice or equinox",
                                                                    "Solar term",
                                                                    "Solar term + dark moon",
                                                                    "Solar term + full moon",
                                                                    "Winter solstice + dark moon",
                                                                    "Solstice/equinox + dark moon",
                                                                    "Solstice/equinox + full moon",
                                                                    "Element-animal day",
                                                                    "Element-animal month",
                                                                    "Element-animal year",
                                                                    "Triple coincidence day",
                                                                    "Same element-animal day and month",
                                                                    "Multiple element-animal day",
                                                                    "Intercalary month",
                                                                    "Festival or seasonal day"};

}  // namespace

const CountryInfo& CountryOf(Country country) {
  const Country known = CountryFromNumber(CountryNumber(country)).value_or(kChina);
  return kCountries[static_cast<size_t>(CountryNumber(known))];
}

Country CountryFromStoredText(std::string_view text) {
  if (text == "0") return kVietnam;
  if (text == "2") return kJapan;
  if (text == "3") return kKorea;
  return kChina;
}

std::string ZoneLabelOf(Country country, int longitude) {
  const CountryInfo& info = CountryOf(country);
  return longitude == info.longitude ? std::string(info.zoneLabel) : ZoneLabel(longitude);
}

std::string EpochMethod(Epoch epoch, SunMethod sunMethod, bool capitalE) {
  return std::string(capitalE ? "Epoch" : "epoch") + " = " + std::to_string(EpochYear(epoch)) +
         ", method = " + (sunMethod == kMeanSun ? "mean sun" : "true sun");
}

std::vector<std::string> EpochEntries() { return {"-2696 = 2697 BC", "-2636 = 2637 BC"}; }
Epoch EpochOfEntry(int index) { return index == 0 ? Epoch::kOlder : Epoch::kYounger; }
std::vector<std::string> MethodEntries() { return {"true sun", "mean sun"}; }

std::vector<std::string> MoveStepEntries(Country country) {
  std::vector<std::string> list(kMoveSteps.begin(), kMoveSteps.end());
  list[14] = CountryOf(country).moveStep14;
  list[15] = CountryOf(country).moveStep15;
  return list;
}

std::vector<std::string> RefreshPeriodEntries() { return {"0.5", "1", "2", "5"}; }

std::vector<std::string> ElementEntries() {
  std::vector<std::string> list;
  for (int e = 0; e < 5; ++e) list.emplace_back(ElementName(e));
  list.emplace_back();
  return list;
}

std::vector<std::string> AnimalEntries(Country country) {
  std::vector<std::string> list;
  for (int a = 0; a < 12; ++a) list.emplace_back(AnimalName(a, country));
  list.emplace_back();
  return list;
}

std::vector<std::string> TimeZoneEntries(const std::string& zoneLabel) { return {"GMT", zoneLabel}; }

std::vector<std::string> LongitudeEntries() {
  std::vector<std::string> list;
  for (int l = 100; l <= 145; ++l) list.push_back(std::to_string(l));
  return list;
}

std::vector<std::string> CountryEntries() {
  std::vector<std::string> list;
  for (Country c : kAllCountries) list.emplace_back(CountryOf(c).name);
  return list;
}

std::vector<SearchTarget> SearchTargets() {
  std::vector<SearchTarget> list;
  for (size_t i = 0; i < kTargets.size(); ++i) {
    list.push_back({std::string(kTargets[i]), i == 0 ? 2 : i == 1 ? 0 : -1});
  }
  return list;
}

}  // namespace mirvo
