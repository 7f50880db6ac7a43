// mirvo-cli --lang, run as the real program: the words of the text outputs change with the
// language, what scripts read does not.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "tests/app/CliRun.h"

namespace mirvo::test {
namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A line of the text that begins with the pattern (a regular expression on its bytes).
bool HasLine(const std::string& text, const std::string& pattern) {
  const std::regex start("^" + pattern);
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (std::regex_search(line, start)) return true;
  }
  return false;
}

// The lunar date of a published new year, leap month or term day on a line of its own, headed by
// the language's caption, in the calendar's own words.
TEST(CliLanguage, ShowWritesTheLunarDateAsTheLanguagesCalendars) {
  struct Case {
    const char* arguments;
    const char* line;       // caption and value, blanks between them
    const char* alsoShown;  // another line or part of one
  };
  const Case cases[] = {
      {"'2024-02-10 CE' --lang zh-Hans", "农历日期： *甲辰年正月初一", "纪年： *甲辰年（木龙）"},
      {"'2023-03-22 CE' --lang zh-Hant", "農曆日期： *癸卯年閏二月初一", "農曆（中國）： *79-40-2\\*-01 CHL"},
      {"'2024-02-10 CE' --lang vi --country vietnam", "Ngày âm lịch: *mùng 1 tháng Giêng năm Giáp Thìn",
       "Năm: *năm Giáp Thìn \\(Rồng Mộc\\)"},
      {"'2025-07-25 CE' --lang vi --country vietnam", "Ngày âm lịch: *mùng 1 tháng Sáu nhuận năm Ất Tỵ",
       "Dương lịch: *2025-07-25 CE 12:00 GMT Thứ Sáu"},
      {"'2024-02-10 CE' --lang ja --country japan", "旧暦の日付： *甲辰年 旧暦1月1日",
       "年の干支： *甲辰年（木の竜）"},
      {"'2024-02-04 CE' --lang ja --country japan", "二十四節気： *立春",
       "旧暦の日付： *癸卯年 旧暦12月25日"},
      {"'2024-02-10 CE' --lang ko", "음력 날짜: *갑진년 음력 1월 1일", "세차: *갑진년 \\(푸른 용\\)"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli("show " + std::string(c.arguments));
    ASSERT_EQ(run.code, 0) << c.arguments << "\n" << run.out;
    for (const char* pattern : {c.line, c.alsoShown}) {
      EXPECT_TRUE(HasLine(run.out, pattern)) << c.arguments << ": no line " << pattern << "\n" << run.out;
    }
    EXPECT_FALSE(Has(run.out, "Common Era")) << run.out;
  }
  // mirvo-cli chinese speaks the same words; 立春 of 2024 fell on 02-04.
  const CliRun chinese = RunCli("chinese 2024-02-10 --lang zh-Hans");
  EXPECT_TRUE(HasLine(chinese.out, "农历日期： *甲辰年正月初一")) << chinese.out;
  EXPECT_TRUE(HasLine(chinese.out, "节气日： *立春第7天（J1）")) << chinese.out;
  // English stays as it was: no native line, the window's captions.
  const CliRun english = RunCli("show '2024-02-10 CE'");
  EXPECT_TRUE(Has(english.out, "Chinese Lunar:")) << english.out;
  EXPECT_EQ(english.out, RunCli("show '2024-02-10 CE' --lang en").out);
}

// TSV, the day listing and the iCalendar fields a program reads are the same in every language;
// an export differs only in its events' summaries.
TEST(CliLanguage, MachineReadableOutputDoesNotChange) {
  for (const char* arguments :
       {"days --from 2023-03-20 --to 2023-04-25 --format tsv", "days --from 2024-02-01 --to 2024-02-12",
        "show '2033-12-22 CE' --format tsv", "month-view '2024-02-10 CE' --format tsv"}) {
    const std::string plain = RunCli(arguments).out;
    for (const char* tag : {"zh-Hans", "zh-Hant", "vi", "ja", "ko"}) {
      EXPECT_EQ(RunCli(std::string(arguments) + " --lang " + tag).out, plain)
          << arguments << " --lang " << tag;
    }
  }
  const std::string filter = " | grep -v -e '^DTSTAMP' -e '^SUMMARY'";
  const std::string exportNewYears = CliCommand() + " export leap-months --from 2023 --to 2025";
  const CliRun english = RunShell(exportNewYears + filter);
  EXPECT_TRUE(Has(english.out, "UID:lunar-month-")) << english.out;
  EXPECT_EQ(RunShell(exportNewYears + " --lang ja" + filter).out, english.out);
  EXPECT_TRUE(
      Has(RunCli("export leap-months --from 2023 --to 2023 --lang zh-Hans").out, "SUMMARY:农历闰二月初一"));
}

// Every list speaks the language from its header on; one cut at an end of the admitted range
// repeats that language's closing line on stderr and exits with 3.
TEST(CliLanguage, ListsSpeakTheLanguageToTheirClosingLine) {
  const struct {
    const char* arguments;
    const char* part;
    int code;
  } cases[] = {
      {"list new-years 2024-02-10 CE --years 2 --lang zh-Hans", "农历正月初一及对应的西历日期和儒略日数\n",
       0},
      {"list euro-new-years 2024-06-01 CE --years 2 --lang zh-Hant", "公曆元旦的農曆日期\n", 0},
      {"list festivals 2024-06-01 CE --lang vi --country vietnam",
       "trong 1 năm từ năm 2024\n(kinh độ 105º Đông, Việt Nam)", 0},
      {"list festivals 2024-06-01 CE --lang ja --country japan", "  夏の土用の入り  2024-08-06まで\n", 0},
      {"list new-years 2990-06-01 CE --years 20 --lang vi",
       "list: Danh sách dừng ở 3000-01-01 CE, cuối phạm vi", 3},
      {"list months -3000-03-01 CE --years 3 --lang zh-Hans",
       "list: 允许范围的起点-3000-01-01 CE之前的日期从略。\n", 3},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.arguments);
    EXPECT_EQ(run.code, c.code) << c.arguments << "\n" << run.out;
    EXPECT_TRUE(Has(run.out, c.part)) << c.arguments << "\n" << run.out;
  }
}

TEST(CliLanguage, AnUnknownTagIsBadInput) {
  for (const char* arguments :
       {"show --lang fr", "days --from 2024-01-01 --to 2024-01-02 --lang zh", "show --lang=EN"}) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.code, 2) << arguments;
    EXPECT_EQ(run.out.find("--lang must be en, zh-Hans, zh-Hant, vi, ja or ko"), run.out.find(": ") + 2)
        << run.out;
  }
}

}  // namespace
}  // namespace mirvo::test
