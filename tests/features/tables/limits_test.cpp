#include "features/tables/Limits.h"

#include <gtest/gtest.h>

#include "core/chinese/Reckoner.h"
#include "features/session/MainRules.h"
#include "tests/support/TestDoubles.h"

namespace mirvo {
namespace {

TEST(StepLimits, CyclesAndYearsAtTheEndsOfTheRange) {
  struct Case {
    bool cycle;
    int32_t value;
    bool forward;
    const char* message;
  };
  const Case cases[] = {
      {true, 96, true, "Latest admissible date reached."},
      {true, 95, true, ""},
      {true, 96, false, ""},
      {true, 0, false, "Earliest admissible date reached."},
      {true, 1, false, ""},
      {false, 3000, true, "Latest admissible date reached."},
      {false, 2999, true, ""},
      {false, -3000, false, "Earliest admissible date reached."},
      {false, -3000, true, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        (c.cycle ? CycleLimitMessage(c.value, c.forward) : YearLimitMessage(c.value, c.forward)).value_or(""),
        c.message)
        << c.value << (c.forward ? " forward" : " back");
  }
  EXPECT_EQ(InabilityMessage(true, "lunar month"), "Unable to add a lunar month.");
  EXPECT_EQ(InabilityMessage(false, "60-year cycle (CHS)"), "Unable to subtract a 60-year cycle (CHS).");
}

TEST(AdoptTypedDate, ReplacesTheInstantOnlyByATypedDateInRange) {
  struct Case {
    const char* date;
    const char* time;
    double start;
    bool adopted;
    double after;
    const char* message;
  };
  const Case cases[] = {
      {"", "", 2451000.25, true, 2451000.25, ""},
      {"  2000-01-01 CE ", "12:00", 2451000.25, true, 2451545.0, ""},
      // Within 0.0007 day (about a minute) of the instant: the instant stays.
      {"2000-01-01 CE", "12:00", 2451545.0006, true, 2451545.0006, ""},
      {"2000-01-01 CE", "12:00", 2451545.0008, true, 2451545.0, ""},
      {"2000-13-01 CE", "", 2451000.25, false, 2451000.25, "Invalid CE date.  "},
      {"3000-01-02 CE", "", 2451000.25, false, 2451000.25, "Date is later than 3000-01-01 CE."},
  };
  for (const auto& c : cases) {
    Reckoner reckoner;
    RecordingMessages messages;
    MainRules rules(reckoner, &messages, nullptr);
    rules.SetCurrentAjd(c.start);
    rules.entry().date = c.date;
    rules.entry().time = c.time;
    rules.entry().timeZone = kTimeZoneGmt;
    const std::optional<Refusal> refusal = rules.AdoptTypedDate();
    EXPECT_EQ(!refusal, c.adopted) << c.date;
    EXPECT_DOUBLE_EQ(rules.currentAjd(), c.after) << c.date;
    const std::string text = refusal ? refusal->text : "";
    EXPECT_EQ(text.rfind(c.message, 0), 0u) << c.date << ": " << text;
    if (c.adopted) {
      EXPECT_EQ(rules.entry().date, "") << "the boxes are emptied after an adopted date";
      EXPECT_EQ(rules.entry().timeZone, kTimeZoneNone);
    }
  }
}

}  // namespace
}  // namespace mirvo
