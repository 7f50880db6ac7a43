#include "features/entry/EntryModel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "platform/services/Services.h"
#include "tests/support/TestDoubles.h"

namespace mirvo {
namespace {

constexpr double kMinute = 1.0 / 1440;

class EntryTest : public ::testing::Test {
 protected:
  void SetCountry(Country country) { rules_.ChooseCountry(country); }
  // Parses with a fresh entry (CHL as entry calendar) and the given boxes.
  ParseResult Parse(const std::string& date, const std::string& time = "", int zone = kTimeZoneNone) {
    model_ = EntryModel{};
    model_.date = date;
    model_.time = time;
    model_.timeZone = zone;
    return rules_.Parse(model_);
  }
  // The value of a display row at the instant parsed.
  std::string RowAt(double ajd, RowId row) {
    rules_.SetCurrentAjd(ajd);
    return rules_.display().Row(row).value;
  }

  Reckoner reckoner_;
  RecordingMessages messages_;
  MemoryClipboard clipboard_;
  MainRules rules_{reckoner_, &messages_, &clipboard_};
  EntryModel model_;
};

TEST_F(EntryTest, AcceptedFormsOfEveryReckoning) {
  struct Case {
    const char* entry;
    int calendar;
    RowId row;
    const char* valueStart;
  };
  const Case cases[] = {
      {"2000-1-1 ce", kCalCE, RowId::kCe, "2000-01-01 CE 12:00 GMT Saturday"},
      {"2001-12-31CE", kCalCE, RowId::kCe, "2001-12-31 CE 12:00 GMT Monday"},
      {"-44-03-15 JC", kCalJC, RowId::kJc, "-44-03-15 JC 12:00 GMT"},
      {"4044-12-29 VMC", kCalVMCGMT, RowId::kVmcGmt, "4044-12-29 VMC 12:00 GMT"},
      {"76-13-11-28 CHL", kCalCHL, RowId::kChl, "76-13-11-28 CHL 12:00 CCT"},
      {"79-16-11-25 CHL", kCalCHL, RowId::kCe, "2000-01-01 CE 04:00 GMT"},
      {"4709-01-01 CHL", kCalCHL, RowId::kCe, "2012-01-23 CE 04:00 GMT"},
      {"76-01-01-14 CHS", kCalCHS, RowId::kChs, "76-01-01-14 CHS 12:00 CCT"},
      {"2,455,999.729 CJDL", kCalCJDL, RowId::kCjdl, "2,455,999.7290 CJDL"},
      {"2451545 AJD", kCalAJD, RowId::kAjd, "2,451,545.0000 AJD"},
      {"2,451,545.5 CJDC", kCalCJDC, RowId::kCjdc, "2,451,545.5000 CJDC"},
  };
  for (const auto& c : cases) {
    ParseResult r = Parse(c.entry);
    ASSERT_EQ(r.status, kEntryOk) << c.entry;
    EXPECT_EQ(model_.calendar, c.calendar) << c.entry;
    EXPECT_EQ(RowAt(r.ajd, c.row).rfind(c.valueStart, 0), 0u)
        << c.entry << " gave " << rules_.display().Row(c.row).value;
  }
}

TEST_F(EntryTest, EntryBoxesAreRewrittenAsTheWindowShowsThem) {
  ParseResult r = Parse("  2000-1-1 ce ");
  ASSERT_EQ(r.status, kEntryOk);
  EXPECT_EQ(model_.date, "2000-1-1 CE");
  EXPECT_EQ(model_.time, "12:00");
  EXPECT_EQ(model_.timeZone, kTimeZoneGmt);
  EXPECT_DOUBLE_EQ(r.ajd, 2451545.0);

  r = Parse("79-16-11-25 chl", "7.30");
  ASSERT_EQ(r.status, kEntryOk);
  EXPECT_EQ(model_.time, "7:30") << "points become colons in the box";
  EXPECT_EQ(model_.timeZone, kTimeZoneReference);
  EXPECT_NEAR(r.ajd, 2451545 + 7.5 / 24 - 0.5 - 120.0 / 360, 1e-9);

  r = Parse("2,455,999.729 CJDL", "23:59", kTimeZoneReference);
  ASSERT_EQ(r.status, kEntryOk);
  EXPECT_NEAR(r.ajd, 2455999.229, 1e-9);
  EXPECT_EQ(model_.time, "17:29") << "a day count brings its own time";
  EXPECT_EQ(model_.timeZone, kTimeZoneGmt);

  r = Parse("2451545.0 CJDC");
  ASSERT_EQ(r.status, kEntryOk);
  EXPECT_EQ(model_.time, "00:00");
  EXPECT_EQ(model_.timeZone, kTimeZoneReference);

  r = Parse("4696-11-25 VMC", "", kTimeZoneReference);
  ASSERT_EQ(r.status, kEntryOk);
  EXPECT_EQ(model_.calendar, kCalVMCGMT) << "a typed VMC date is the Greenwich calendar";
  EXPECT_EQ(model_.timeZone, kTimeZoneReference) << "a chosen zone is kept";
  EXPECT_NEAR(r.ajd, AjdFromCjdc(2451545.5, 120), 1e-9);
}

TEST_F(EntryTest, QuestionMarkPositionTakesTheChosenElementAndAnimal) {
  model_ = EntryModel{};
  model_.date = "70-?-12-30 CHL";
  model_.element = 1;  // fire
  model_.animal = 10;  // dog
  ParseResult r = rules_.Parse(model_);
  ASSERT_EQ(r.status, kEntryOk);
  EXPECT_EQ(RowAt(r.ajd, RowId::kChl).rfind("70-23-12-30 CHL", 0), 0u)
      << rules_.display().Row(RowId::kChl).value;
  model_.date = "70-?-12-30 CHL";
  model_.element = kNoElementEntry;
  EXPECT_EQ(rules_.Parse(model_).status, kEntryBadChl) << "no element chosen";
}

TEST_F(EntryTest, OverseasChineseYearsOnlyForChina) {
  ParseResult china = Parse("4709-01-01 CHL");
  ASSERT_EQ(china.status, kEntryOk);
  reckoner_.SetEpoch(Epoch::kYounger);
  ParseResult otherEpoch = Parse("4709-01-01 CHL");
  ASSERT_EQ(otherEpoch.status, kEntryOk);
  EXPECT_DOUBLE_EQ(otherEpoch.ajd, china.ajd) << "the year count does not depend on the epoch";
  reckoner_.SetEpoch(Epoch::kOlder);
  SetCountry(kVietnam);
  EXPECT_EQ(Parse("4709-01-01 CHL").status, kEntryBadChl);
  SetCountry(kJapan);
  EXPECT_EQ(Parse("4709-01-01 CHL").status, kEntryBadChl);
}

TEST_F(EntryTest, EveryMessageFromARealEntry) {
  struct Case {
    const char* date;
    const char* time;
    const char* plusMinus;
    int status;
  };
  const Case cases[] = {
      {"", "", "", kEntryNoDate},
      {"CE 2000-01-01", "", "", kEntryNoDate},
      {"2000-01-01 CE 10:30", "", "", kEntryNoCalendar},
      {"2000-01-01 XY", "", "", kEntryNoCalendar},
      {"2000-01-01 10:30 CE", "", "", kEntryTimeInDate},
      {"2451545.5 AJD 10:30", "", "", kEntryNoCalendar},
      {"2451545.5 AJD", "", "", kEntryOk},
      {"2000-01-01AJDCE", "", "", kEntryBadJd},
      {"1.5AJDCE", "", "", kEntryBadCe},
      {"1.5CE", "", "", kEntryBadSeparator},
      {"2451545:5 AJD", "", "", kEntryTimeInDate},
      {"2000-01-01 CE", "24:00", "", kEntryBadTime},
      {"2000/01/01 CE", "", "", kEntryBadSeparator},
      {"2000-13-01 CE", "", "", kEntryBadCe},
      {"1900-02-30 JC", "", "", kEntryBadJc},
      {"79-61-01-01 CHL", "", "", kEntryBadChl},
      {"79-16-01-17 CHS", "", "", kEntryBadChs},
      {"1-2-3 AJD", "", "", kEntryBadJd},
      {"4721-13-01 VMC", "", "", kEntryBadVmc},
      {"79-16-12-30 CHL", "", "", kEntryChlDayBeyondMonth},
      {"-3001-01-01 CE", "", "", kEntryTooEarly},
  };
  for (const auto& c : cases) {
    model_ = EntryModel{};
    model_.date = c.date;
    model_.time = c.time;
    EXPECT_EQ(rules_.Parse(model_).status, c.status) << c.date;
  }
  // 12 needs a code that the dispatch does not know: an entry calendar outside the table.
  EXPECT_EQ(EntryErrorMessage(kEntryParseError, kChina), "Error when parsing date string.");
  // 14 comes from Convert.
  rules_.entry().date = "2000-01-01 CE";
  rules_.entry().plusMinus = "1-2";
  const ConvertResult badDays = rules_.Convert();
  EXPECT_EQ(badDays.outcome, ConvertOutcome::kEntryError);
  EXPECT_EQ(badDays.entryStatus, kEntryBadPlusMinus);
  ASSERT_FALSE(messages_.shown.empty());
  EXPECT_EQ(messages_.shown.back().title, "Invalid date or time entry");
  EXPECT_EQ(messages_.shown.back().text, "Invalid plus/minus days.");
  EXPECT_EQ(messages_.shown.back().icon, MessageIcon::kWarning);
}

TEST(EntryMessages, TextsAsShown) {
  EXPECT_EQ(EntryErrorMessage(6, kChina),
            "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day");
  EXPECT_EQ(EntryErrorMessage(9, kChina),
            "Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day\r\n");
  EXPECT_EQ(EntryErrorMessage(10, kVietnam),
            "Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.");
  EXPECT_EQ(EntryErrorMessage(13, kJapan),
            "Invalid CHL date.  Day number exceeds number of days in the month.");
  const std::string china = EntryErrorMessage(8, kChina), japan = EntryErrorMessage(8, kJapan);
  EXPECT_NE(china.find("Overseas Chinese year, e.g. 4709.\r\n\r\nOr use '?'"), std::string::npos);
  EXPECT_EQ(japan,
            "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.\r\n\r\n"
            "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,\r\n"
            "and specify element-animal using the drop-down boxes.");
  EXPECT_EQ(EntryErrorMessage(8, kVietnam), japan);
  for (int s = 1; s <= 15; ++s) EXPECT_FALSE(EntryErrorMessage(s, kChina).empty()) << s;
  EXPECT_EQ(EntryErrorMessage(0, kChina), "");
  EXPECT_EQ(EntryErrorMessage(16, kChina), "");
}

TEST(EntryMessages, EveryMessageWordForWord) {
  const std::string questionForm =
      "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,\r\n"
      "and specify element-animal using the drop-down boxes.";
  const std::pair<int, std::string> cases[] = {
      {1, "No date specified."},
      {2, "Calendar must be specified (one of CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD)."},
      {3, "Time specification not permitted in date string."},
      {4, "Invalid time specification.  Times must be, e.g., 23:50."},
      {5, "Date separator must be a dash, '-'."},
      {6, "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day"},
      {7, "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day"},
      {8,
       "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'\r\n"
       "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.\r\n\r\n" +
           questionForm},
      {9, "Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day\r\n"},
      {10, "Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD."},
      {11, "Invalid VMC date.  VMC dates must be in ISO 8601 format: year-month-day"},
      {12, "Error when parsing date string."},
      {13, "Invalid CHL date.  Day number exceeds number of days in the month."},
      {14, "Invalid plus/minus days."},
      {15, "Date too early."},
  };
  for (const auto& [status, text] : cases) EXPECT_EQ(EntryErrorMessage(status, kChina), text) << status;
}

TEST_F(EntryTest, EntryWithoutCodeAsksForTheEntryCalendar) {
  messages_.answers = {MessageAnswer::kYes};
  ParseResult r = Parse("79-16-11-25");
  ASSERT_EQ(r.status, kEntryOk);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "Is this a CHL Calendar date?");
  EXPECT_EQ(messages_.shown[0].title, "Calendar?");
  EXPECT_EQ(model_.date, "79-16-11-25 CHL");

  messages_.answers = {MessageAnswer::kNo};
  EXPECT_EQ(Parse("79-16-11-25").status, kEntryNoCalendar);
  messages_.shown.clear();
  EXPECT_EQ(Parse("2000-01-01 X").status, kEntryNoCalendar);
  EXPECT_TRUE(messages_.shown.empty()) << "a text with blanks is refused without asking";

  MainRules silent(reckoner_, nullptr, nullptr);
  EntryModel m;
  m.date = "79-16-11-25";
  EXPECT_EQ(silent.Parse(m).status, kEntryNoCalendar) << "without questions the code is required";
}

// The code joined after a Yes is read as the box will be read on the next Convert: a text whose
// end runs into the code ("2451545CJD" + "CJDC") is refused both times, not accepted once.
TEST_F(EntryTest, CodeJoinedAfterTheQuestionReadsTheSameAgain) {
  struct Case {
    const char* date;
    int calendar;
    int status;
  };
  const Case cases[] = {
      {"2451545CJD", kCalCJDC, kEntryNoCalendar},
      {"2,4559,9,455,9C\xCA"
       "CJD",
       kCalCJDC, kEntryNoCalendar},
      {"2451545", kCalCJDC, kEntryOk},
      {"2000-1-1", kCalCE, kEntryOk},
  };
  for (const auto& c : cases) {
    EntryModel model;
    model.date = c.date;
    model.calendar = c.calendar;
    messages_.answers = {MessageAnswer::kYes};
    const ParseResult first = rules_.Parse(model);
    EXPECT_EQ(first.status, c.status) << c.date;
    EntryModel again = model;
    const ParseResult second = rules_.Parse(again);
    EXPECT_EQ(second.status, first.status) << model.date;
    EXPECT_EQ(second.ajd, first.ajd) << model.date;
  }
}

TEST_F(EntryTest, EarliestInstant) {
  ParseResult r = Parse("-3000-01-01 CE", "12:00", kTimeZoneGmt);
  ASSERT_EQ(r.status, kEntryOk);
  EXPECT_DOUBLE_EQ(r.ajd, kMinAjd);
  EXPECT_FALSE(CheckDateRange(r.ajd, &messages_));
  r = Parse("-3000-01-01 CE", "11:59", kTimeZoneGmt);
  ASSERT_EQ(r.status, kEntryOk);
  EXPECT_TRUE(CheckDateRange(r.ajd, &messages_));
  EXPECT_EQ(messages_.shown.back().title, "Date out of range");
  EXPECT_EQ(messages_.shown.back().text, "Date is earlier than -3000-01-01 CE.");

  rules_.SetCurrentAjd(2451545.0);
  rules_.entry() = EntryModel{};
  rules_.entry().date = "-3000-01-01 CE";
  rules_.entry().time = "11:59";
  EXPECT_EQ(rules_.Convert().outcome, ConvertOutcome::kOutOfRange);
  EXPECT_DOUBLE_EQ(rules_.currentAjd(), 2451545.0);
  rules_.entry().time = "12:00";
  EXPECT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted);
  EXPECT_DOUBLE_EQ(rules_.currentAjd(), kMinAjd);
  EXPECT_EQ(DateRangeMessage(kMaxAjd + kMinute), "Date is later than 3000-01-01 CE.");
  EXPECT_EQ(DateRangeMessage(kMaxAjd), std::nullopt);
  EXPECT_EQ(DateRangeMessage(std::nan("")), "Date is earlier than -3000-01-01 CE.")
      << "an instant that is not a number is never admitted";
}

TEST(EntryTime, ParseTimeOfDay) {
  struct Case {
    const char* in;
    int minutes;
    const char* rewritten;
  };
  const Case cases[] = {
      {"12:00", 720, "12:00"},
      {"0:00", 0, "0:00"},
      {"23:59", 1439, "23:59"},
      {"7.30", 450, "7:30"},
      {" 7 : 30 ", 450, " 7 : 30 "},
      {"12:3x", 723, "12:3x"},
      {"12:", 720, "12:"},
      {"24:00", -1, "24:00"},
      {"12:60", -1, "12:60"},
      {"123:00", -1, "123:00"},
      {":30", -1, ":30"},
      {"1230", -1, "1230"},
      {"", -1, ""},
      {"-1:00", -1, "-1:00"},
      {"9.5.1", 545, "9:5:1"},
  };
  for (const auto& c : cases) {
    std::string t = c.in;
    EXPECT_EQ(ParseTimeOfDay(t), c.minutes) << c.in;
    EXPECT_EQ(t, c.rewritten) << c.in;
  }
}

TEST_F(EntryTest, PlusMinusDays) {
  rules_.SetCurrentAjd(2451545.0);
  EntryModel& e = rules_.entry();
  e.date = "2000-01-01 CE";
  e.plusMinus = "+1,000";
  ASSERT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted);
  EXPECT_DOUBLE_EQ(rules_.currentAjd(), 2451545.0 + 1000);
  e.date = "2000-01-01 CE";
  e.plusMinus = "2.5";
  e.plus = false;
  ASSERT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted);
  EXPECT_DOUBLE_EQ(rules_.currentAjd(), 2451545.0 - 2.5);
  e.date = "2000-01-01 CE";
  e.plusMinus = "\t3 ";
  e.plus = true;
  ASSERT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted) << "blanks around the number are ignored";
  EXPECT_DOUBLE_EQ(rules_.currentAjd(), 2451545.0 + 3);
  e.date = "2000-01-01 CE";
  e.plusMinus = "-0,5";
  e.plus = true;
  ASSERT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted);
  EXPECT_DOUBLE_EQ(rules_.currentAjd(), 2451545.0 - 5) << "\",\" only groups digits, a sign is kept";
  e.date = "2000-01-01 CE";
  e.plusMinus = "2.5";
  e.plus = false;
  ASSERT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted);
  for (const char* bad : {"1-2", "1+", "1 2", "ten"}) {
    e.plusMinus = bad;
    const ConvertResult result = rules_.Convert();
    EXPECT_EQ(result.outcome, ConvertOutcome::kEntryError) << bad;
    EXPECT_EQ(result.entryStatus, kEntryBadPlusMinus) << bad;
  }
  EXPECT_DOUBLE_EQ(rules_.currentAjd(), 2451545.0 - 2.5) << "refused entries leave the instant";
}

TEST_F(EntryTest, DaysAloneMoveFromTheDateOfTheEntryCalendar) {
  rules_.SetCurrentAjd(2451545.25);  // 2000-01-01 18:00 GMT, 02:00 CCT on the 2nd
  EntryModel& e = rules_.entry();
  e = EntryModel{};
  e.calendar = kCalCE;
  e.plusMinus = "10";
  ASSERT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted);
  EXPECT_EQ(e.date, "2000-01-01 CE");
  EXPECT_EQ(e.time, "18:00");
  EXPECT_EQ(clipboard_.Text(), "2000-01-01 CE 18:00 GMT Saturday") << "as by a click on the value";
  EXPECT_NEAR(rules_.currentAjd(), 2451555.25, 1e-9);

  e.date.clear();
  e.calendar = kCalVMCCCT;
  e.plusMinus = "1";
  e.plus = false;
  ASSERT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted);
  EXPECT_EQ(e.date, "4696-12-06 VMC") << "the reference meridian's VMC date of 2000-01-12 02:00 CCT";
  EXPECT_EQ(e.timeZone, kTimeZoneReference);
  EXPECT_NEAR(rules_.currentAjd(), 2451554.25, 1e-9);

  e.date.clear();
  e.plusMinus.clear();
  const ConvertResult noDate = rules_.Convert();
  EXPECT_EQ(noDate.outcome, ConvertOutcome::kEntryError);
  EXPECT_EQ(noDate.entryStatus, kEntryNoDate);
}

// A Convert that does not convert shows one warning and hands back exactly that warning, with the
// entry error's status; one that converts shows nothing and hands back nothing.
TEST_F(EntryTest, ConvertHandsBackTheWarningItShowed) {
  struct Case {
    const char* date;
    const char* plusMinus;
    ConvertOutcome outcome;
    int status;
    const char* title;
    const char* text;
  };
  const Case cases[] = {
      {"2000-01-02 CE", "", ConvertOutcome::kConverted, 0, nullptr, nullptr},
      {"2000-01-01 CE", "", ConvertOutcome::kUnchanged, 0, "Convert date", "Calendar dates unchanged."},
      {"2000-01-01 CE", "ten", ConvertOutcome::kEntryError, kEntryBadPlusMinus, "Invalid date or time entry",
       "Invalid plus/minus days."},
      {"", "", ConvertOutcome::kEntryError, kEntryNoDate, "Invalid date or time entry", "No date specified."},
      {"3000-01-02 CE", "", ConvertOutcome::kOutOfRange, 0, "Date out of range",
       "Date is later than 3000-01-01 CE."},
  };
  for (const auto& c : cases) {
    rules_.SetCurrentAjd(2451545.0);
    rules_.entry() = EntryModel{};
    rules_.entry().date = c.date;
    rules_.entry().plusMinus = c.plusMinus;
    messages_.shown.clear();
    const ConvertResult result = rules_.Convert();
    EXPECT_EQ(result.outcome, c.outcome) << c.date;
    EXPECT_EQ(result.entryStatus, c.status) << c.date;
    if (!c.text) {
      EXPECT_EQ(result.refusal, std::nullopt) << c.date;
      EXPECT_TRUE(messages_.shown.empty()) << c.date;
      continue;
    }
    ASSERT_EQ(messages_.shown.size(), 1u) << c.date;
    const RecordingMessages::Shown& shown = messages_.shown[0];
    EXPECT_TRUE(shown.title == c.title && shown.text == c.text && shown.icon == MessageIcon::kWarning)
        << c.date;
    EXPECT_EQ(result.refusal, (Refusal{shown.title, shown.text, shown.icon})) << c.date;
  }
}

TEST_F(EntryTest, ConvertingTheShownDateAgainChangesNothing) {
  rules_.SetCurrentAjd(2451545.25);
  rules_.ClickRow(RowId::kCe, true);
  messages_.shown.clear();
  EXPECT_EQ(rules_.Convert().outcome, ConvertOutcome::kUnchanged);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].title, "Convert date");
  EXPECT_EQ(messages_.shown[0].text, "Calendar dates unchanged.");
  EXPECT_DOUBLE_EQ(rules_.currentAjd(), 2451545.25);

  LogAction logged = kLogNone;
  rules_.hooks().autoLog = [&](LogAction action) { logged = action; };
  rules_.entry().date = "2000-01-02 CE";
  EXPECT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted);
  EXPECT_EQ(logged, kLogConvert);
  rules_.ResetToNow(2460000.0);
  EXPECT_EQ(logged, kLogNow);
  EXPECT_TRUE(rules_.entry().date.empty());
  EXPECT_EQ(rules_.entry().timeZone, kTimeZoneNone);
}

// A time and zone the program wrote (the default noon and zone, a clicked row's time, a day
// count's own time) belong to the date they were written for: a date typed next with another code
// reads as it reads alone (as mirvo-cli show reads it), while what the user typed or chose stays.
TEST_F(EntryTest, WrittenTimeAndZoneStayWithTheirReckoning) {
  struct Case {
    const char* first;     // converted first; "" for a click on the CE value at 18:00 GMT
    const char* time;      // then typed into the time box, or nullptr
    int zone;              // then chosen, or kTimeZoneNone
    const char* next;      // the date typed next
    const char* nextTime;  // the boxes it is read with
    int nextZone;
  };
  const Case cases[] = {
      {"2024-02-10 CE", nullptr, kTimeZoneNone, "79-50-11*-01 CHL", "12:00", kTimeZoneReference},
      {"", nullptr, kTimeZoneNone, "79-16-11-28 CHL", "12:00", kTimeZoneReference},
      {"", nullptr, kTimeZoneNone, "2000-01-05 CE", "18:00", kTimeZoneGmt},
      {"", nullptr, kTimeZoneNone, "2000-01-05 JC", "12:00", kTimeZoneGmt},
      {"2451545.3 AJD", nullptr, kTimeZoneNone, "2000-01-05 CE", "12:00", kTimeZoneGmt},
      {"79-16-11-25 CHL", nullptr, kTimeZoneNone, "4696-11-25 VMC", "12:00", kTimeZoneGmt},
      {"2024-02-10 CE", "08:00", kTimeZoneNone, "79-50-11*-01 CHL", "08:00", kTimeZoneReference},
      {"2024-02-10 CE", nullptr, kTimeZoneGmt, "79-50-11*-01 CHL", "12:00", kTimeZoneGmt},
      {"", "8:00", kTimeZoneReference, "79-16-11-28 CHL", "8:00", kTimeZoneReference},
  };
  for (const auto& c : cases) {
    rules_.SetCurrentAjd(2451545.25);
    EntryModel& e = rules_.entry();
    e = EntryModel{};
    if (*c.first == '\0') {
      rules_.ClickRow(RowId::kCe, true);
    } else {
      e.date = c.first;
      ASSERT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted) << c.first;
    }
    if (c.time) e.EditTime(c.time);
    if (c.zone != kTimeZoneNone) e.EditZone(c.zone);
    rules_.DateTextChanged(c.next);
    ASSERT_EQ(rules_.Convert().outcome, ConvertOutcome::kConverted) << c.next;
    const double converted = rules_.currentAjd();
    EXPECT_EQ(rules_.entry().time, c.nextTime) << c.first << " then " << c.next;
    EXPECT_EQ(rules_.entry().timeZone, c.nextZone) << c.first << " then " << c.next;
    const ParseResult alone = Parse(c.next, c.nextTime, c.nextZone);
    ASSERT_EQ(alone.status, kEntryOk);
    EXPECT_DOUBLE_EQ(converted, alone.ajd) << c.first << " then " << c.next;
  }
}

TEST_F(EntryTest, FarDatesAreRefusedNotWrapped) {
  // Years whose day numbers do not fit in 32 bits must not wrap into the admitted range.
  for (const char* entry : {"6000000-01-01 CE", "99999999999-01-01 JC", "5881000-01-01 CE"}) {
    ParseResult r = Parse(entry);
    EXPECT_TRUE(r.status != kEntryOk || CheckDateRange(r.ajd, nullptr)) << entry;
  }
  for (const char* entry :
       {"-6000000-01-01 CE", "-99999-01-01 JC", "-500-01-01-01 CHL", "-99999-01-01-01 CHS"}) {
    ParseResult r = Parse(entry);
    EXPECT_TRUE(r.status != kEntryOk || CheckDateRange(r.ajd, nullptr)) << entry;
  }
  ParseResult late = Parse("500-01-01-01 CHL");
  ASSERT_EQ(late.status, kEntryOk);
  EXPECT_EQ(DateRangeMessage(late.ajd), "Date is later than 3000-01-01 CE.");
}

TEST_F(EntryTest, LunarDatesOutsideTheRangeAreCheckedBeforeTheRange) {
  // Years -3100 (cycle -6, position 17) and 3500 (cycle 104, position 17): a date that the
  // calendar does not have is named as such; only a real date is too early or too late.
  struct Case {
    const char* date;
    int status;
    const char* range;
  };
  const Case cases[] = {
      {"-6-17-01-30 CHL", kEntryChlDayBeyondMonth, ""},  // month 1 of -3100 has 29 days
      {"-6-17-01*-01 CHL", kEntryBadChl, ""},            // no leap month 1 that year
      {"-6-17-02-30 CHL", kEntryTooEarly, ""},
      {"-6-17-01-20 CHS", kEntryBadChs, ""},  // no solar term has 20 days
      {"-6-17-01-01 CHS", kEntryTooEarly, ""},
      {"104-17-02-30 CHL", kEntryChlDayBeyondMonth, ""},
      {"104-17-01-30 CHL", kEntryOk, "Date is later than 3000-01-01 CE."},
      {"104-17-01-01 CHS", kEntryOk, "Date is later than 3000-01-01 CE."},
  };
  for (const auto& c : cases) {
    ParseResult r = Parse(c.date);
    EXPECT_EQ(r.status, c.status) << c.date;
    if (r.status == kEntryOk) {
      EXPECT_EQ(DateRangeMessage(r.ajd).value_or(""), c.range) << c.date;
    }
  }
}

TEST_F(EntryTest, GarbageNeverCrashes) {
  std::vector<std::string> inputs = {
      "",
      " ",
      std::string(10000, '9'),
      std::string(10000, '-'),
      "-",
      "--",
      "---- CE",
      std::string("\x01\x02\x7f CE"),
      std::string("2000\0-01-01 CE", 14),
      "\t2000-01-01 CE",
      "99999999999999999999999999999 AJD",
      "-99999999999999999999 CJDL",
      "1e308 AJD",
      "9999999999-99999999999-9999999999 CE",
      "0-0-0 CE",
      "0-0-0-0 CHL",
      "0-0-0-0 CHS",
      "- CHL",
      "-?- CHL",
      "?-?-?-? CHS",
      "1-1-1-1-1-1 CHL",
      "1-1-1 VMC",
      "1 CE",
      "CE",
      "CHL CHL",
      "1-1-1 CECHL",
      "1-1-1 CHSCE",
      "1-1-1 AJDCE",
      "1 CJDCCJDL",
      "VMC 1-1-1",
      "1-1-1 VMCGMT",
      "\xC3\xA9\xC3\xA9 CE",
      std::string(5000, '?') + " CHL",
      "2000-01-01 ce" + std::string(3000, ' '),
  };
  for (const char* code : {"CE", "JC", "CHL", "CHS", "AJD", "CJDC", "CJDL", "VMC"}) {
    inputs.push_back(std::string(code) + " 2000-01-01");
    inputs.push_back("2000-" + std::string(code) + "-01");
    inputs.push_back("2000-01-01" + std::string(code) + "X");
    inputs.push_back(std::string(10000, '7') + code);
    inputs.push_back("-" + std::string(400, '8') + "-1-1 " + code);
  }
  const std::vector<std::string> times = {"", "99:99", std::string(10000, ':'), "\x01:\x02"};
  for (Country country : {kVietnam, kChina, kJapan}) {
    SetCountry(country);
    for (const auto& in : inputs) {
      for (const std::string& time : times) {
        model_ = EntryModel{};
        model_.date = in;
        model_.time = time;
        ParseResult r = rules_.Parse(model_);
        EXPECT_GE(r.status, 0);
        EXPECT_LE(r.status, 15);
        if (r.status == kEntryOk) {
          (void)CheckDateRange(r.ajd, nullptr);
          EXPECT_FALSE(std::isnan(r.ajd)) << in;
        }
      }
    }
  }
  rules_.entry().date = std::string(10000, '9') + " AJD";
  rules_.entry().plusMinus = "-" + std::string(400, '9');
  EXPECT_EQ(rules_.Convert().outcome, ConvertOutcome::kOutOfRange) << "huge minus huge is not a date";
}

TEST(ElementAnimalChoice, ResetRuleAndTargetTexts) {
  EntryModel m;
  m.element = 1;
  m.animal = 10;
  m.date = "70-?-12-30 chl";
  UpdateElementAnimalControls(m);
  EXPECT_EQ(m.element, 1) << "a \"?\" lunar entry keeps the choice";
  m.date = "70-?-12-30 CH";
  UpdateElementAnimalControls(m);
  EXPECT_EQ(m.element, kNoElementEntry);
  EXPECT_EQ(m.animal, kNoAnimalEntry);
  m.element = 2;
  m.target = 16;
  m.date = "2000-01-01 CE";
  UpdateElementAnimalControls(m);
  EXPECT_EQ(m.element, 2) << "an element-animal search target keeps the choice";

  struct Case {
    int target, element, animal;
    Country country;
    const char* text;
  };
  const Case cases[] = {
      {15, 1, 10, kChina, "fire-dog (bing-xu) day"},
      {16, 1, kNoAnimalEntry, kChina, "fire- (bing-, ding-) month"},
      {17, kNoElementEntry, 10, kChina, "-dog (-xu) year"},
      {15, kNoElementEntry, kNoAnimalEntry, kChina, "Element-animal day"},
      {17, kNoElementEntry, kNoAnimalEntry, kVietnam, "Element-animal year"},
      {15, 4, 3, kVietnam, "water-cat (gui-mao) day"},
      {16, 0, 0, kJapan, "wood-rat (jia-zi) month"},
      {17, 4, 11, kJapan, "water-boar (gui-hai) year"},
      {14, 1, 1, kChina, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildElementAnimalTargetText(c.target, c.element, c.animal, c.country), c.text) << c.text;
  }
}

TEST(EntryNumbers, LeadingNumber) {
  EXPECT_DOUBLE_EQ(LeadingNumber("12.5x"), 12.5);
  EXPECT_DOUBLE_EQ(LeadingNumber("-3"), -3);
  EXPECT_DOUBLE_EQ(LeadingNumber("x"), 0);
  EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
  EXPECT_DOUBLE_EQ(LeadingNumber("1-2"), 1);
  EXPECT_TRUE(std::isfinite(LeadingNumber(std::string(5000, '9'))));
}

}  // namespace
}  // namespace mirvo
