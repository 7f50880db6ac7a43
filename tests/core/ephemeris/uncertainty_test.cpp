#include "core/ephemeris/Uncertainty.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "core/ephemeris/Ephemeris.h"
#include "platform/astro/Astro.h"
#include "platform/astro/DeltaT.h"

namespace mirvo {
namespace {

std::vector<std::vector<std::string>> Rows(const char* name) {
  std::ifstream in(std::string(MIRVO_TEST_DATA_DIR) + "/" + name);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#' ||
        !(line[0] == '-' || std::isdigit(line[0]) || line[0] == 'n' || line[0] == 'f' || line[0] == 'l'))
      continue;
    std::vector<std::string> fields;
    std::istringstream fieldsIn(line);
    for (std::string f; std::getline(fieldsIn, f, ',');) fields.push_back(f);
    if (fields[0] == "kind" || fields[0] == "lon_deg") continue;
    rows.push_back(fields);
  }
  return rows;
}

double YearOf(double jd) { return 2000 + (jd - 2451545) / 365.25; }

// The error figures cover every difference from the independent ephemeris, for the phases (the
// new moons' figure stands for all four) and the solar terms over -3000..3000.
TEST(Uncertainty, EphemerisErrorCoversTheIndependentEphemeris) {
  Ephemeris eph;
  const char* kinds[] = {"new_moon", "first_quarter", "full_moon", "last_quarter"};
  size_t phases = 0, terms = 0;
  for (const auto& r : Rows("phases_sample.csv")) {
    const int phase =
        static_cast<int>(std::find(std::begin(kinds), std::end(kinds), r[0]) - std::begin(kinds));
    ASSERT_LT(phase, 4) << r[0];
    const double reference = std::stod(r[2]);
    const double error = std::fabs(eph.SyzygyTt(std::stoi(r[1]), phase) - reference) * 86400;
    EXPECT_LE(error, EphemerisErrorSeconds(InstantKind::kNewMoon, YearOf(reference))) << r[1];
    ++phases;
  }
  for (const auto& r : Rows("solar_terms_sample.csv")) {
    const double reference = std::stod(r[1]);
    const double lon = std::stod(r[0]) * std::numbers::pi / 180;
    const double error = std::fabs(astro::solar_longitude_time(lon, reference) - reference) * 86400;
    EXPECT_LE(error, EphemerisErrorSeconds(InstantKind::kSolarTerm, YearOf(reference))) << r[1];
    ++terms;
  }
  EXPECT_GT(phases, 2000u);
  EXPECT_GT(terms, 600u);
  // Beyond the sample the figures keep growing.
  for (const InstantKind kind : {InstantKind::kNewMoon, InstantKind::kSolarTerm}) {
    EXPECT_GT(EphemerisErrorSeconds(kind, -5000), EphemerisErrorSeconds(kind, -3000));
    EXPECT_GT(EphemerisErrorSeconds(kind, 6000), EphemerisErrorSeconds(kind, 3000));
    EXPECT_NEAR(CivilTimeUncertaintySeconds(kind, 2057),
                2 * astro::DeltaTUncertaintySeconds(2057) + EphemerisErrorSeconds(kind, 2057), 1e-9);
  }
}

}  // namespace
}  // namespace mirvo
