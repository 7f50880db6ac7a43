#include "features/display/Display.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/vellomir/Vellomir.h"
#include "features/session/MainRules.h"
#include "platform/services/Services.h"
#include "tests/support/TestDoubles.h"

namespace mirvo {
namespace {

class DisplayTest : public ::testing::Test {
 protected:
  void SetCountry(Country country) {
    const int longitude = CountryOf(country).longitude;
    reckoner_.SetCountry(country);
    reckoner_.SetReferenceLongitude(longitude);
    options_.zoneLabel = ZoneLabel(longitude);
  }
  DisplayTexts At(double ajd) { return ComputeDisplay(ajd, reckoner_, options_); }
  Reckoner reckoner_;
  DisplayOptions options_;
};

TEST_F(DisplayTest, RowsOfTheFirstDayOf2000) {
  const DisplayTexts d = At(2451545.0);
  EXPECT_EQ(d.Row(RowId::kCe).value, "2000-01-01 CE 12:00 GMT Saturday");
  EXPECT_EQ(d.Row(RowId::kCe).tooltip,
            "The 1st day of January in the year 2000 in the Common Era Calendar (London).");
  EXPECT_EQ(d.Row(RowId::kJc).value, "1999-12-19 JC 12:00 GMT Saturday");
  EXPECT_EQ(d.Row(RowId::kChl).value, "79-16-11-25 CHL 20:00 CCT");
  EXPECT_EQ(d.Row(RowId::kChl).caption, "Chinese Lunar:");
  EXPECT_EQ(d.Row(RowId::kChs).caption, "Chinese Solar:");
  EXPECT_EQ(d.Row(RowId::kVmcGmt).value, "4696-11-25 VMC 12:00 GMT " + std::string(VmcDayName(25)));
  EXPECT_EQ(d.Row(RowId::kVmcReference).caption, "VMC month & day same as CHL");
  EXPECT_EQ(d.Row(RowId::kVmcGmt).tooltip, "The 25th day of " + std::string(VmcMonthName(11)) +
                                               " in the year 4696 in the Vellomir Calendar (GMT timezone)");
  EXPECT_EQ(d.Row(RowId::kCjdl).value, "2,451,545.5000 CJDL");
  EXPECT_EQ(d.Row(RowId::kCjdc).value, "2,451,545.8333 CJDC");
  EXPECT_EQ(d.Row(RowId::kCjdc).caption, "Chronological JD 120º East");
  EXPECT_EQ(d.Row(RowId::kAjd).value, "2,451,545.0000 AJD");
  EXPECT_EQ(d.dayPosition, 55);
  EXPECT_EQ(d.elementAnimalOfDay, "earth-horse day");
  EXPECT_EQ(d.dayStemBranch, "wu-wu");
  EXPECT_EQ(d.dayStem, 5);
  EXPECT_EQ(d.dayBranch, 7);
  EXPECT_EQ(d.elementAnimalOfYear, "ji-mao earth-rabbit year");
  EXPECT_EQ(d.yearStem, 6);
  EXPECT_EQ(d.yearBranch, 4);
  EXPECT_EQ(d.yearLabel, "Year 4696");
  EXPECT_NE(d.elementAnimalOfMonth.find(" month"), std::string::npos);
  EXPECT_TRUE(d.chinaOnlyVisible);
  EXPECT_TRUE(d.yearAndMonthVisible);
  EXPECT_FALSE(d.Row(RowId::kCjdl).visible);
  EXPECT_TRUE(d.Row(RowId::kVmcGmt).visible);
  EXPECT_EQ(d.Row(RowId::kDeltaT).value, "1 minute");
}

TEST_F(DisplayTest, CountryNamesAndSwitches) {
  SetCountry(kVietnam);
  options_.showCjds = true;
  options_.showVmc = false;
  DisplayTexts d = At(2451545.0);
  EXPECT_EQ(d.Row(RowId::kChl).caption, "Vietnamese Lunar:");
  EXPECT_EQ(d.Row(RowId::kCjdc).caption, "Chronological JD 105º East");
  EXPECT_EQ(d.elementAnimalOfYear, "earth-cat year") << "no Chinese names outside China";
  EXPECT_FALSE(d.chinaOnlyVisible);
  EXPECT_FALSE(d.yearAndMonthVisible) << "the CJD rows take the place of the year and month";
  EXPECT_TRUE(d.Row(RowId::kCjdc).visible);
  EXPECT_FALSE(d.Row(RowId::kVmcReference).visible);
  EXPECT_NE(d.Row(RowId::kChl).value.find(" ICT"), std::string::npos);
  EXPECT_NE(d.Row(RowId::kVmcReference).tooltip.find("(ICT timezone)"), std::string::npos);
  SetCountry(kJapan);
  d = At(2451545.0);
  EXPECT_EQ(d.Row(RowId::kChs).caption, "Japanese Solar:");
}

TEST_F(DisplayTest, LongitudeApartFromTheCountry) {
  reckoner_.SetReferenceLongitude(116);
  options_.zoneLabel = ZoneLabel(116);
  const DisplayTexts d = At(2451545.0);
  EXPECT_EQ(d.Row(RowId::kCjdc).caption, "Chronological JD 116º East");
  EXPECT_EQ(d.Row(RowId::kCjdc).value, "2,451,545.8222 CJDC");
  EXPECT_EQ(d.Row(RowId::kChl).value, "79-16-11-25 CHL 19:44 BEI");
  // The entry of that text at that meridian is the same minute.
  MainRules rules(reckoner_, nullptr, nullptr);
  rules.SetCurrentAjd(2451545.0);
  rules.ClickRow(RowId::kChl, true);
  ParseResult r = rules.Parse(rules.entry());
  ASSERT_EQ(r.status, kEntryOk);
  EXPECT_NEAR(r.ajd, 2451545.0, 1e-9);
}

TEST_F(DisplayTest, SolarTermFirstDayShowsTheCodeAndNoZone) {
  int firstDays = 0;
  for (double ajd = 2451545.0; ajd < 2451545.0 + 60; ajd += 1) {
    DisplayTexts d = At(ajd);
    const std::string& chs = d.Row(RowId::kChs).value;
    if (d.chs.day == 1) {
      ++firstDays;
      EXPECT_NE(chs.find("CHS (" + std::string(TermCode(d.chs.term)) + ") "), std::string::npos) << chs;
      EXPECT_EQ(chs.find("CCT"), std::string::npos) << chs;
    } else {
      EXPECT_EQ(chs.substr(chs.size() - 3), "CCT") << chs;
      EXPECT_EQ(chs.find('('), std::string::npos) << chs;
    }
  }
  EXPECT_GE(firstDays, 3);
}

// The lunar date as each language's calendars print it, and the solar term on its day only, for
// published dates at noon at the meridian: the day before the Chinese New Year 2024 has the
// term 立春 six days before it, 啓蟄 fell on 5 March 2024 in Japan, Đông chí on 21 December 2024
// in Vietnam. Without a language the record is English and the other texts stay as they were.
TEST_F(DisplayTest, NativeDateAndSolarTermInTheLanguage) {
  struct Row {
    int year, month, day;
    Country country;
    Language language;
    const char* date;
    const char* term;
  };
  const Row rows[] = {
      {2024, 2, 10, kChina, Language::kSimplifiedChinese, "甲辰年正月初一", ""},
      {2025, 1, 28, kChina, Language::kSimplifiedChinese, "甲辰年腊月廿九", ""},
      {2024, 2, 4, kChina, Language::kTraditionalChinese, "癸卯年臘月廿五", "立春"},
      {2024, 3, 5, kJapan, Language::kJapanese, "甲辰年 旧暦1月25日", "啓蟄"},
      {2024, 12, 21, kVietnam, Language::kVietnamese, "ngày 21 tháng Mười Một năm Giáp Thìn", "Đông chí"},
      {2024, 12, 21, kVietnam, Language::kEnglish, "Jia-chen year, month 11, day 21", "Winter solstice"},
  };
  for (const Row& r : rows) {
    SetCountry(r.country);
    options_.language = r.language;
    const double noon = JdnOfCeDate(r.year, r.month, r.day) - CountryOf(r.country).longitude / 360.0;
    const DisplayTexts d = At(noon);
    EXPECT_EQ(d.nativeDate, r.date) << r.year << "-" << r.month << "-" << r.day;
    EXPECT_EQ(d.solarTerm, r.term) << r.year << "-" << r.month << "-" << r.day;
  }
  SetCountry(kChina);
  DisplayOptions english;
  english.zoneLabel = options_.zoneLabel;
  const DisplayTexts d = ComputeDisplay(2451545.0, reckoner_, english);
  EXPECT_EQ(d.nativeDate, "Ji-mao year, month 11, day 25");
  options_.language = Language::kKorean;
  const DisplayTexts korean = At(2451545.0);
  // The words of the values follow the language; what a click enters (codes and numbers) does not.
  for (int i = 0; i < kRowCount; ++i) {
    const RowEntry& k = korean.rows[static_cast<size_t>(i)].entry;
    const RowEntry& e = d.rows[static_cast<size_t>(i)].entry;
    EXPECT_EQ(std::tie(k.date, k.time, k.timeZone), std::tie(e.date, e.time, e.timeZone)) << i;
  }
  EXPECT_EQ(korean.elementAnimalOfYear, d.elementAnimalOfYear);
}

// The lunar row's tooltip says when other tables may date the day differently: in the month of
// 2057 whose new moon falls just after midnight, on the day before it, in a month of 2089 whose new
// moon falls just before midnight, and in a month of -2849 numbered by a solar term five minutes
// before midnight. Ordinary days say nothing more.
TEST_F(DisplayTest, LunarTooltipMarksUncertainDays) {
  const struct {
    int year, month, day;
    const char* note;  // what the tooltip ends with, "" for nothing
  } cases[] = {
      {2057, 9, 29, " seconds after midnight; other sources may give the day before."},
      {2057, 10, 27, " seconds after midnight; other sources may give the day before."},
      {2057, 9, 28, " seconds after midnight; other sources may begin it on this day."},
      {2089, 9, 20, " seconds before midnight; other sources may give the day after."},
      {-2849, 6, 1,
       "the solar term Z5 (Xia zhi) of -2849-06-24 CE, 5 minutes before midnight; "
       "other sources may number it differently."},
      {2024, 2, 9, ""},
      {2024, 2, 10, ""},
      {2057, 10, 28, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    const DisplayTexts d = At(JdnOfCeDate(c.year, c.month, c.day) + 0.0);
    const std::string& tooltip = d.Row(RowId::kChl).tooltip;
    const std::string note = c.note;
    if (note.empty()) {
      EXPECT_EQ(d.chlUncertainty, "");
      EXPECT_EQ(tooltip.find("midnight"), std::string::npos) << tooltip;
      continue;
    }
    ASSERT_GE(tooltip.size(), note.size());
    EXPECT_EQ(tooltip.substr(tooltip.size() - note.size()), note) << tooltip;
    EXPECT_EQ(tooltip.rfind(d.chlUncertainty), tooltip.size() - d.chlUncertainty.size());
  }
}

TEST(DisplayTexts, DeltaTAndNumbers) {
  EXPECT_EQ(ShowDeltaT(1441), "More than 24 hours");
  EXPECT_EQ(ShowDeltaT(5000), "More than 24 hours");
  EXPECT_EQ(ShowDeltaT(1440), "1 day");
  EXPECT_EQ(ShowDeltaT(64.9), "1 hour and 4 minutes");
  EXPECT_EQ(ShowDeltaT(0.4), "0 minutes");
  EXPECT_EQ(GroupedNumber(2451545, 4), "2,451,545.0000");
  EXPECT_EQ(GroupedNumber(625333.00004, 4), "625,333.0000");
  EXPECT_EQ(GroupedNumber(999.5, 1), "999.5");
  EXPECT_EQ(GroupedNumber(-1234567.25, 2), "-1,234,567.25");
}

TEST(DisplayTexts, VmcAgainstChlNote) {
  struct Case {
    int chlMonth, chlDay, leap, vmcMonth, vmcDay;
    const char* note;
  };
  const Case cases[] = {
      {5, 10, 0, 5, 10, "VMC month & day same as CHL"},
      {5, 10, 0, 5, 11, "VMC date 1 day ahead of CHL"},
      {5, 10, 0, 5, 9, "VMC date 1 day behind CHL"},
      {5, 10, 0, 6, 10, "VMC date 1 month ahead of CHL"},
      {5, 10, 0, 4, 10, "VMC date 1 month behind CHL"},
      {5, 10, 0, 5, 20, "VMC month no. same as CHL"},
      {5, 10, 0, 8, 10, "VMC day no. same as CHL"},
      {5, 10, 0, 7, 3, ""},
      {5, 10, 1, 5, 10, ""},
      {12, 30, 0, 13, 30, "VMC date 1 month ahead of CHL"},
  };
  for (const auto& c : cases) {
    ChlDate chl;
    chl.month = c.chlMonth;
    chl.day = c.chlDay;
    chl.leap = c.leap;
    CalendarDate vmc;
    vmc.month = c.vmcMonth;
    vmc.day = c.vmcDay;
    EXPECT_EQ(CompareVmcWithChl(chl, vmc), c.note) << c.vmcMonth << "-" << c.vmcDay;
  }
}

TEST_F(DisplayTest, LabelClicksFillTheEntryBoxes) {
  const DisplayTexts d = At(2451544.6059);  // 02:32 GMT, 10:32 CCT
  MemoryClipboard clipboard;
  EntryModel m;
  m.element = 2;
  EXPECT_EQ(LabelClick(d, RowId::kCe, true, m, &clipboard), 'G');
  EXPECT_EQ(m.date, "2000-01-01 CE");
  EXPECT_EQ(m.time, "02:32");
  EXPECT_EQ(m.timeZone, kTimeZoneGmt);
  EXPECT_EQ(m.element, kNoElementEntry);
  EXPECT_EQ(m.calendar, kCalCE);
  EXPECT_EQ(clipboard.Text(), "2000-01-01 CE 02:32 GMT Saturday");

  EXPECT_EQ(LabelClick(d, RowId::kJc, true, m, &clipboard), 'J');
  EXPECT_EQ(m.date, "1999-12-19 JC");

  LabelClick(d, RowId::kChl, true, m, &clipboard);
  EXPECT_EQ(m.date, "79-16-11-25 CHL");
  EXPECT_EQ(m.time, "10:32");
  EXPECT_EQ(m.timeZone, kTimeZoneReference);
  EXPECT_EQ(m.calendar, kCalCHL);

  LabelClick(d, RowId::kVmcReference, true, m, &clipboard);
  EXPECT_EQ(m.date, "4696-11-25 VMC");
  EXPECT_EQ(m.timeZone, kTimeZoneReference);
  EXPECT_EQ(m.calendar, kCalVMCCCT);

  LabelClick(d, RowId::kAjd, true, m, &clipboard);
  EXPECT_EQ(m.date, "2,451,544.6059 AJD");
  EXPECT_EQ(m.time, "");
  EXPECT_EQ(m.timeZone, kTimeZoneNone);

  m = EntryModel{};
  m.date = "typed";
  LabelClick(d, RowId::kChs, false, m, &clipboard);
  EXPECT_EQ(m.calendar, kCalCHS) << "a caption click changes the entry calendar";
  EXPECT_EQ(m.date, "typed") << "but not the boxes";
  EXPECT_EQ(clipboard.Text(), d.Row(RowId::kChs).value);

  LabelClick(d, RowId::kPhase, true, m, &clipboard);
  EXPECT_EQ(m.calendar, kCalCHS) << "the Moon rows only copy";
  EXPECT_EQ(clipboard.Text(), d.Row(RowId::kPhase).value);
}

TEST_F(DisplayTest, LabelClickKeepsTheChoiceOfAnElementAnimalSearch) {
  const DisplayTexts d = At(2451544.6059);
  struct Case {
    RowId row;
    int target;
    const char* date;
    int element, animal;
  };
  const Case cases[] = {
      // An element-animal target (15..17) searches with the choice: a click must not drop it.
      {RowId::kCe, 15, "", 1, 10},
      {RowId::kVmcGmt, 16, "", 1, 10},
      {RowId::kAjd, 17, "", 1, 10},
      {RowId::kChl, 15, "", 1, 10},
      // Any other target: a new date text clears it, as typing does.
      {RowId::kCe, 0, "", kNoElementEntry, kNoAnimalEntry},
      {RowId::kChs, 14, "", kNoElementEntry, kNoAnimalEntry},
      {RowId::kAjd, 18, "", kNoElementEntry, kNoAnimalEntry},
      // The same date text again is no change of the box.
      {RowId::kCe, 0, "2000-01-01 CE", 1, 10},
  };
  for (const auto& c : cases) {
    EntryModel m;
    m.target = c.target;
    m.date = c.date;
    m.element = 1;
    m.animal = 10;
    LabelClick(d, c.row, true, m, nullptr);
    EXPECT_EQ(m.element, c.element) << RowLabelName(c.row) << " target " << c.target;
    EXPECT_EQ(m.animal, c.animal) << RowLabelName(c.row) << " target " << c.target;
  }
}

TEST_F(DisplayTest, ClicksOnEuropeanValuesSetTheDataWindowCalendar) {
  MainRules rules(reckoner_, nullptr, nullptr);
  std::string letters;
  rules.hooks().dataWindowCalendar = [&](char letter) { letters += letter; };
  rules.SetCurrentAjd(2451545.0);
  rules.ClickRow(RowId::kCe, true);
  rules.ClickRow(RowId::kJc, true);
  rules.ClickRow(RowId::kChl, true);
  rules.ClickRow(RowId::kCe, false);  // a caption only copies and picks the calendar
  EXPECT_EQ(letters, "GJ");
  // Days alone fill the date as a click on the entry calendar's value does.
  rules.entry() = EntryModel{};
  rules.entry().calendar = kCalJC;
  rules.entry().plusMinus = "1";
  ASSERT_EQ(rules.Convert().outcome, ConvertOutcome::kConverted);
  EXPECT_EQ(letters, "GJJ");
}

// Every value row, clicked and converted again, gives back the instant to the minute.
TEST_F(DisplayTest, RoundTripOfEveryRowExhaustive) {
  const RowId rows[] = {RowId::kCe,           RowId::kJc,   RowId::kChl,  RowId::kChs, RowId::kVmcGmt,
                        RowId::kVmcReference, RowId::kCjdl, RowId::kCjdc, RowId::kAjd};
  const double span = kMaxAjd - kMinAjd - 2;
  int checked = 0;
  for (Country country : {kVietnam, kChina, kJapan}) {
    SetCountry(country);
    MainRules rules(reckoner_, nullptr, nullptr);
    const int count = 1000;
    for (int i = 0; i < count; ++i) {
      // Spread over the range with a fraction of the day that wanders through the hours.
      const double ajd = kMinAjd + 1 + span * i / (count - 1) + std::fmod(i * 0.3719, 1.0) * 0.999;
      rules.SetCurrentAjd(ajd);
      for (RowId row : rows) {
        rules.ClickRow(row, true);
        EntryModel model = rules.entry();
        ParseResult r = rules.Parse(model);
        ASSERT_EQ(r.status, kEntryOk) << RowLabelName(row) << " " << rules.display().Row(row).value
                                      << " country " << CountryNumber(country);
        EXPECT_NEAR(r.ajd, ajd, 1.0 / 1440) << RowLabelName(row) << " " << rules.display().Row(row).value;
        // Times of day are truncated, never rounded up; day counts are rounded to 4 decimals.
        const bool dayCount =
            model.calendar == kCalCJDL || model.calendar == kCalCJDC || model.calendar == kCalAJD;
        EXPECT_LE(r.ajd, ajd + (dayCount ? 0.00005 : 0) + 1e-6)
            << RowLabelName(row) << " " << rules.display().Row(row).value;
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, 3 * 1000 * 9);
}

}  // namespace
}  // namespace mirvo
