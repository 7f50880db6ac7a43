// The year data: every dark moon of three sui with its date, time, chronological Julian date,
// lunation number, month label and count of major terms, the chosen solar terms of each month
// after its dark moon, and one line on the length of each sui and nian.
#include <string>

#include "core/chinese/History.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/names/Names.h"
#include "features/display/Display.h"
#include "features/display/Phrases.h"
#include "features/display/Sentences.h"
#include "features/listings/ListingPhrases.h"
#include "features/listings/ListingTexts.h"
#include "features/listings/Listings.h"
#include "util/Text.h"

namespace mirvo {
namespace {

using listing::CyclePlace;

// Date, time, zone and chronological Julian date of an event, the columns shared by the dark-moon
// and the solar-term lines. The year is right-aligned in five places.
std::string EventColumns(int32_t jdn, double cjd, bool julian, const std::string& zone) {
  const CalendarDate date = listing::DateOfJdn(jdn, julian);
  return AlignmentSpaces(date.year, 5) + listing::DateText(date) + (julian ? " JC " : " CE ") +
         TimeOfDayText(cjd - JdnOf(cjd), false) + " " + zone + "  " + GroupedNumber(cjd, 4);
}

// "Sui 79-41 was a normal sui, with 12 months." for a year of 11 to 13 months; nothing for the
// partial year before the first boundary (its count starts far below zero).
void Summary(std::string& text, const char* kind, const char* word, const CyclePlace& place, int months,
             Language language) {
  if (months <= 10) return;
  if (language != Language::kEnglish) {
    const std::string year = std::to_string(place.cycle) + "-" + std::to_string(place.position);
    if (months <= 13) {
      text += ListingWorded(language, *kind == 'S' ? ListingPhrase::kSuiMonths : ListingPhrase::kNianMonths,
                            {year, std::to_string(months)});
    }
    return;
  }
  text += kind + Spaced(place.cycle) + "-" + std::to_string(place.position);
  if (months == 11)
    text += std::string(" was a short ") + word + ", with 11 months.\n";
  else if (months == 12)
    text += std::string(" was a normal ") + word + ", with 12 months.\n";
  else if (months == 13)
    text += std::string(" was a long ") + word + ", with 13 months.\n";
}

// The lines of the terms from term t up to the day before next, those the options ask for; t is
// left at the first term not listed.
void TermLines(std::string& body, const SolarTermTable& terms, size_t& t, int32_t next,
               const ListingOptions& options, const std::string& zoneLabel, Language language) {
  for (; t <= 78 && terms.entry[t].jdn < next; ++t) {
    const bool major = t % 2 == 0;
    if (!(major ? options.majorTerms : options.minorTerms)) continue;
    const int type = static_cast<int>(t % 24);
    body += EventColumns(terms.entry[t].jdn, terms.entry[t].cjdc, options.julian, zoneLabel) + "  ST" +
            Spaced(type + 1) + " " + std::string(TermCode(type + 1));
    if (options.termNames && language != Language::kEnglish) {
      body += " (" + std::string(names::SolarTerm(language, type + 1)) + ")";
    } else if (options.termNames) {
      body += " (" + std::string(TermName(type + 1)) + " " + std::string(TermEnglishName(type + 1)) + ")";
    }
    body += "\n";
  }
}

std::string YearDataHeader(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options,
                           const CyclePlace& first, int32_t sui);
std::string YearDataHeaderIn(Language language, Reckoner& reckoner, const ListingInputs& inputs,
                             const ListingOptions& options, const CyclePlace& first, int32_t sui);
std::string YearDataBody(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options,
                         const CyclePlace& first, double cjdc);

}  // namespace

std::string YearDataText(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options) {
  const double cjdc = CjdcFromAjd(inputs.ajd, reckoner.ReferenceDegrees());
  const int32_t day = JdnOf(cjdc);
  const int32_t sui = reckoner.ephemeris().SuiYearOf(day, reckoner.ReferenceDegrees());
  const CyclePlace first{CycleOf(sui - 1, reckoner.Epoch()), PositionOf(sui - 1)};
  const Language language = inputs.language;
  std::string text = language == Language::kEnglish
                         ? YearDataHeader(reckoner, inputs, options, first, sui)
                         : YearDataHeaderIn(language, reckoner, inputs, options, first, sui);
  // The tables reach no further than the days the calendar serves.
  if (day < Reckoner::kMinChineseDay || day > Reckoner::kMaxChineseDay) return text;
  return text + YearDataBody(reckoner, inputs, options, first, cjdc);
}

namespace {

std::string YearDataHeader(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options,
                           const CyclePlace& first, int32_t sui) {
  const int longitude = reckoner.ReferenceLongitude();
  const bool julian = options.julian;
  const bool withTerms = options.majorTerms || options.minorTerms;
  std::string text = "Dates, times and chronological Julian dates of dark moons\n";
  if (withTerms) text += "and solar terms ";
  text += "for 3 solar years beginning" + Spaced(first.cycle) + "-" + std::to_string(first.position) + " (" +
          std::to_string(sui - 1) + (julian ? " JC" : " CE") + "),\n";
  text += inputs.epochMethod + ".  Times are " + inputs.zoneLabel + " times,\n";
  text += "which assume longitude" + Spaced(longitude) + "º E (" + listing::CountryName(inputs.country) +
          ") as reference meridian.\n";
  if (reckoner.Historical()) {
    text +=
        "The months follow the calendar's history: a dark moon whose time is marked with a\n"
        "meridian (E120) is that meridian's time, for which the almanac of its year was computed.\n";
  }
  return text;
}

std::string YearDataHeaderIn(Language language, Reckoner& reckoner, const ListingInputs& inputs,
                             const ListingOptions& options, const CyclePlace& first, int32_t sui) {
  const bool withTerms = options.majorTerms || options.minorTerms;
  std::string text = ListingWorded(
      language, withTerms ? ListingPhrase::kYearDataTitleWithTerms : ListingPhrase::kYearDataTitle, {});
  text +=
      ListingWorded(language, ListingPhrase::kYearDataSpan,
                    {std::to_string(first.cycle) + "-" + std::to_string(first.position),
                     std::to_string(sui - 1), options.julian ? "JC" : "CE",
                     EpochMethodWords(language, reckoner.Epoch(), reckoner.SunMethod()), inputs.zoneLabel,
                     std::to_string(reckoner.ReferenceLongitude()), CountryWord(language, inputs.country)});
  if (reckoner.Historical()) text += ListingWorded(language, ListingPhrase::kYearDataHistory, {});
  return text;
}

// The years the table has reached and the months counted in each. Both counts start one place
// before the first sui; a count of months starts far below zero so that the partial years before
// the first boundaries get no summary.
struct YearCounts {
  CyclePlace sui;
  CyclePlace nian;
  int monthsOfSui = -100;
  int monthsOfNian = -100;
  int suiBegun = 0;
};

// Where a month labelled `label` begins a sui or a nian: the summary of the one ending and the
// heading of the one beginning. False at the fourth sui, where the listing ends.
bool AppendYearBoundaries(std::string& body, const std::string& label, bool withTerms, YearCounts& c,
                          Language language) {
  const bool suiStarts = label == "11";
  const bool nianStarts = label == "01";
  if (suiStarts) {
    Summary(body, "Sui", "sui", c.sui, c.monthsOfSui, language);
    body += "\n";
    c.monthsOfSui = 0;
    if (++c.suiBegun == 4) return false;
  }
  if (nianStarts) {
    Summary(body, "Nian", "nian", c.nian, c.monthsOfNian, language);
    body += "\n";
    c.monthsOfNian = 0;
  }
  if (withTerms) body += "---------- ";
  if (suiStarts) {
    c.sui.Advance();
    body += "Sui" + Spaced(c.sui.cycle) + "-" + std::to_string(c.sui.position);
  }
  if (nianStarts) {
    c.nian.Advance();
    body += "Nian " + Spaced(c.nian.cycle) + "-" + std::to_string(c.nian.position);
  }
  if (suiStarts || nianStarts || withTerms) body += "\n";
  return true;
}

// The line of the m-th dark moon of the table.
std::string DarkMoonLine(const Reckoner& reckoner, const LunarMonthTable& table, int m, bool julian,
                         const std::string& zoneLabel) {
  const LunarMonth& month = table.months[static_cast<size_t>(m)];
  const bool ownMeridian = month.meridian == reckoner.ReferenceMeridian();
  return EventColumns(month.day, month.cjdc, julian, ownMeridian ? zoneLabel : MeridianCode(month.meridian)) +
         "  LN" + Spaced(table.firstLunation + m) + " M" + month.label + " (" +
         std::to_string(month.majorTerms) + " zq)\n";
}

// The dark moons and terms of the sui before, of and after the instant's, with the summaries.
std::string YearDataBody(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options,
                         const CyclePlace& first, double cjdc) {
  const bool withTerms = options.majorTerms || options.minorTerms;
  const Language language = inputs.language;
  YearCounts counts;
  counts.sui = first;
  counts.sui.Back();
  counts.nian = counts.sui;

  reckoner.BuildYearTables(cjdc);
  const LunarMonthTable& table = reckoner.lunarMonthTable();
  const SolarTermTable& terms = reckoner.solarTermTable();
  const auto& months = table.months;
  const int count = table.count();
  if (count == 0) return "";
  size_t t = 0;
  while (t <= 78 && terms.entry[t].jdn < months[0].day) ++t;

  std::string body;
  for (int m = 0; m < count; ++m) {
    const LunarMonth& month = months[static_cast<size_t>(m)];
    if (month.label == kStopHereMark) break;
    // When the opening December solstice falls on the day of a dark moon, the table begins with
    // the lunation before it, which belongs to no sui listed here and holds none of its terms.
    if (month.label.empty()) continue;
    if (!AppendYearBoundaries(body, month.label, withTerms, counts, language)) return body;
    body += DarkMoonLine(reckoner, table, m, options.julian, inputs.zoneLabel);
    ++counts.monthsOfSui;
    ++counts.monthsOfNian;

    // The terms of the month: from its first day to the day before the next dark moon, so a term
    // on the day of a dark moon is listed under the month that begins then.
    if (m + 1 >= count) continue;
    TermLines(body, terms, t, months[static_cast<size_t>(m) + 1].day, options, inputs.zoneLabel, language);
  }
  Summary(body, "Sui", "sui", counts.sui, counts.monthsOfSui, language);
  return body;
}

}  // namespace

}  // namespace mirvo
