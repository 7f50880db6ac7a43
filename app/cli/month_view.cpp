// mirvo-cli month-view: the lunar month that holds an entered date (or today) as the calendar
// month window lays it out: its title, the Common Era heading, and the page of day cells.
#include <algorithm>
#include <iostream>
#include <vector>

#include "app/cli/CliDates.h"
#include "app/cli/CommandList.h"
#include "app/cli/EntryOptions.h"
#include "app/cli/FestivalOptions.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/display/Phrases.h"
#include "features/monthpage/MonthView.h"
#include "features/session/MainRules.h"
#include "util/Text.h"

namespace mirvo::cli {
namespace {

constexpr const char* kUsage =
    "Usage: mirvo-cli month-view [ENTRY] [--time HH:MM] [--zone gmt|ref] [--plus N | --minus N]\n"
    "                            [--country vietnam|china|japan|korea] [--longitude L]\n"
    "                            [--epoch -2696|-2636] [--method true|mean] [--element NAME]\n"
    "                            [--animal NAME] [--no-vmc] [--historical] [--format text|tsv]\n"
    "                            [--lang en|zh-Hans|zh-Hant|vi|ja|ko]\n"
    "The Chinese lunar month holding the day of ENTRY (a date with its calendar code, as for\n"
    "`show`; default: today), laid out as the \"Show lunar calendar month\" window shows it: four\n"
    "rows of seven days, with day 15 and day 30 in the eighth (\"Lunaday\") column. Every cell\n"
    "gives the lunar day, the weekday and CE date, and the Vellomir date (not with --no-vmc);\n"
    "today's lunar day is in [brackets]. Under the page each day with festivals or seasonal days\n"
    "(festivals.txt beside the program) names them.\n"
    "--lang writes the title, headings and cells in that language (初一 … for the lunar days).\n"
    "TSV: one line per day: lunar_day, jdn, ce_date, weekday, vmc, row, col (row 0-3, col 0-7).\n"
    "An entry error or a date out of range prints the message and exits with 2.\n";

// Widths are terminal columns: a Han character or a Hangul syllable takes two.
std::string RightAligned(const std::string& text, size_t width) {
  const size_t columns = TextColumns(text);
  return std::string(width > columns ? width - columns : 0, ' ') + text;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// Every column is the widest text right-aligned and one blank; today's number is bracketed, its
// right bracket standing in that blank.
size_t ColumnWidth(const MonthView& view, bool withVmc, Language language) {
  size_t width = TextColumns(MonthColumnHeading(kLunadayColumn, language));
  for (const MonthCell& cell : view.cells) {
    width = std::max({width, TextColumns(cell.dateText), TextColumns(cell.dayNumberText) + 1,
                      withVmc ? TextColumns(cell.vmcText) : 0});
  }
  return width;
}

std::string Column(const std::string& text, size_t width) { return RightAligned(text, width) + " "; }

// The title, the Common Era heading and the notes of uncertainty and history, then a blank line.
void WriteTitle(const MonthView& view, Language language, std::ostream& out) {
  const bool english = language == Language::kEnglish;
  out << view.title << "\n" << view.heading << "\n";
  if (!view.uncertainty.empty()) {
    // The caption is the language's; the sentences are English.
    out << (english ? "Uncertain:" : PhraseText(language, Phrase::kUncertainCaption)) << " "
        << view.uncertainty << "\n";
  }
  if (!view.history.empty()) {
    out << (english ? "Calendar history:" : PhraseText(language, Phrase::kCalendarHistoryCaption)) << " "
        << view.history << "\n";
  }
  out << "\n";
}

// The rows heading spans the seven day columns, the Lunaday column has its own.
std::string ColumnHeadings(size_t width, Language language) {
  std::string headings(language == Language::kEnglish ? kMonthRowsHeadingText
                                                      : PhraseText(language, Phrase::kMonthRowsHeading));
  const size_t headingColumns = TextColumns(headings);
  headings += std::string(
      std::max(headingColumns + 1, static_cast<size_t>(kLunadayColumn) * (width + 1)) - headingColumns, ' ');
  for (int k = kLunadayColumn; k < kMonthViewColumns; ++k)
    headings += Column(Trimmed(MonthColumnHeading(k, language)), width);
  return headings;
}

// One row of cells as its lines of lunar days, CE dates and (withVmc) Vellomir dates, after a
// blank line between rows.
void AppendRowLines(const MonthView& view, int row, size_t width, bool withVmc, Language language,
                    std::vector<std::string>& lines) {
  std::string numbers, dates, vmc;
  for (int k = 0; k < kMonthViewColumns; ++k) {
    const int n = row * kMonthViewColumns + k;
    const MonthCell& cell = view.cells[static_cast<size_t>(n)];
    // English writes the day's number, the other languages its name (初七, mùng 7, 7日).
    const std::string day = !cell.visible                    ? ""
                            : language == Language::kEnglish ? std::to_string(cell.lunarDay)
                                                             : cell.dayNumberText;
    numbers += n == view.todayCell ? RightAligned("[" + day, width) + "]" : Column(day, width);
    dates += Column(cell.visible ? cell.dateText : "", width);
    vmc += Column(cell.visible ? cell.vmcText : "", width);
  }
  if (row > 0) lines.emplace_back();
  lines.push_back(numbers);
  lines.push_back(dates);
  if (withVmc) lines.push_back(vmc);
}

// The names would widen every column: they stand under the page, by day.
void WriteFestivalNames(const MonthView& view, size_t width, Language language, std::ostream& out) {
  bool first = true;
  for (int day = 1; day <= view.length; ++day) {
    const MonthCell* cell = view.CellOfLunarDay(day);
    if (cell == nullptr || cell->festivals.empty()) continue;
    if (first) out << "\n";
    first = false;
    const std::string number =
        language == Language::kEnglish ? std::to_string(day) : Trimmed(cell->dayNumberText);
    out << RightAligned(number, width) << "  " << FestivalDayLine(language, cell->festivals) << "\n";
  }
}

void WritePage(const MonthView& view, bool withVmc, Language language, std::ostream& out) {
  const size_t width = ColumnWidth(view, withVmc, language);
  WriteTitle(view, language, out);
  std::vector<std::string> lines = {ColumnHeadings(width, language)};
  for (int row = 0; row < kMonthViewRows; ++row) AppendRowLines(view, row, width, withVmc, language, lines);
  for (std::string& line : lines) {
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << "\n";
  }
  WriteFestivalNames(view, width, language, out);
}

int Run(const Args& args, std::ostream& out, std::ostream& err) {
  const bool tsv = args.tsv();
  Reckoner reckoner;
  MainRules rules(reckoner, nullptr, nullptr);
  if (const std::optional<Refusal> refusal = ConvertEntryOptions(args, rules)) {
    err << "mirvo-cli month-view: " << OneLineMessage(refusal->text) << "\n";
    return kExitBadInput;
  }
  const int32_t day = JdnOf(CjdcFromAjd(rules.currentAjd(), reckoner.ReferenceDegrees()));
  const Language language = tsv ? Language::kEnglish : LanguageOption(args);
  FestivalTableRead read = ProgramFestivalTable();
  if (!read.table) err << "mirvo-cli month-view: no festivals: " << read.error << "\n";
  FestivalCalendar festivals = read.table ? FestivalCalendar(std::move(*read.table)) : FestivalCalendar();
  const MonthView view = BuildMonthView(reckoner, day, TodayJdn(), language, &festivals);
  if (!view.valid) {
    err << "mirvo-cli month-view: Date out of range\n";
    return kExitBadInput;
  }
  if (!tsv) {
    WritePage(view, !args.has("no-vmc"), language, out);
    return kExitOk;
  }
  out << "lunar_day\tjdn\tce_date\tweekday\tvmc\trow\tcol\n";
  for (const MonthCell& cell : view.cells) {
    if (!cell.visible) continue;
    out << cell.lunarDay << '\t' << cell.jdn << '\t' << IsoDate(cell.ce.year, cell.ce.month, cell.ce.day)
        << '\t' << WeekdayName(cell.weekday, false, 0) << '\t' << cell.vmcText << '\t' << cell.row << '\t'
        << cell.column << '\n';
  }
  return kExitOk;
}

}  // namespace

Command MonthViewCommand() {
  return {"month-view",
          "the lunar month of a date as a calendar page of day cells",
          kUsage,
          Run,
          EntryOptionNames({"format"}),
          EntryFlagNames({"no-vmc"})};
}

}  // namespace mirvo::cli
