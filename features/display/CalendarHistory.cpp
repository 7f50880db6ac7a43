#include "features/display/CalendarHistory.h"

#include "core/chinese/Cycles.h"
#include "core/chinese/History.h"
#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/display/Phrases.h"
#include "features/display/Sentences.h"
#include "features/tables/MainTables.h"

namespace mirvo {
namespace {

constexpr const char* kModernRule = "computed by the modern rule; the almanac of the time may differ";

void Add(std::string& text, std::string sentence) {
  if (!sentence.empty() && sentence[0] >= 'a' && sentence[0] <= 'z')
    sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
  if (!text.empty()) text += " ";
  text += sentence + ".";
}

void AddNote(std::string& note, const std::string& part) {
  if (!note.empty()) note += "; ";
  note += part;
}

std::string CeText(int32_t day) { return CalendarDateText(CeDateOfJdn(day), 2, '-', ',', true); }

// "Vietnam's almanac of 1965".
std::string AlmanacOf(Country country, int32_t year) {
  return std::string(CountryOf(country).name) + "'s almanac of " + std::to_string(year);
}

}  // namespace

MonthHistory MonthHistoryOf(Reckoner& reckoner, const ChlDate& month, int length) {
  MonthHistory h;
  const Country country = reckoner.CountryIndex();
  h.lunarYear = YearFromCycle(month.cycle, month.position, reckoner.Epoch());
  h.meridian = reckoner.MeridianOfLunarYear(h.lunarYear);
  h.otherMeridian = reckoner.Historical() && h.meridian != reckoner.ReferenceMeridian();
  h.mayDiffer = AlmanacMayDiffer(country, h.lunarYear);
  const int almanac = AlmanacMeridian(country, h.lunarYear);
  if (reckoner.Historical() || almanac == reckoner.ReferenceMeridian()) return h;
  h.almanacMeridian = almanac;
  ChlDate first = month;
  first.day = 1;
  if (reckoner.ChlToDayWithHistory(first, true) != kChlValid) {
    h.almanacDiffers = true;
    h.almanacHasMonth = false;
    return h;
  }
  ChlDate last = month;
  last.day = 30;
  h.almanacFirstDay = first.jdn;
  h.almanacLength = reckoner.ChlToDayWithHistory(last, true) == kChlValid ? 30 : 29;
  h.almanacDiffers = first.jdn != month.jdn || h.almanacLength != length;
  return h;
}

std::string CalendarHistoryDayText(Reckoner& reckoner, const ChlDate& chl) {
  return CalendarHistoryDayText(reckoner, chl, Language::kEnglish);
}

std::string CalendarHistoryDayText(Reckoner& reckoner, const ChlDate& chl, Language language) {
  if (!chl.valid) return "";
  const bool english = language == Language::kEnglish;
  const Country country = reckoner.CountryIndex();
  const int32_t year = YearFromCycle(chl.cycle, chl.position, reckoner.Epoch());
  const int meridian = reckoner.MeridianOfLunarYear(year);
  std::string text;
  if (reckoner.Historical()) {
    if (meridian != reckoner.ReferenceMeridian() && english)
      Add(text, "computed for " + MeridianText(meridian) + ", the meridian of " + AlmanacOf(country, year));
    else if (meridian != reckoner.ReferenceMeridian())
      AddSentence(language, text,
                  Worded(language, Sentence::kComputedForMeridian,
                         {MeridianText(meridian), CountryWord(language, country), std::to_string(year)}));
  } else if (const int almanac = AlmanacMeridian(country, year); almanac != reckoner.ReferenceMeridian()) {
    ChlDate then;
    reckoner.DayToChlWithHistory(chl.jdn, true, then);
    if (then.valid && (then.cycle != chl.cycle || then.position != chl.position || then.month != chl.month ||
                       then.leap != chl.leap || then.day != chl.day)) {
      if (english) {
        Add(text, "in " + std::to_string(year) + " " + std::string(CountryOf(country).name) +
                      "'s almanac was computed for " + MeridianText(almanac) + ": that day was " +
                      reckoner.ChlDateText(then, 0, "CHL"));
      } else {
        AddSentence(language, text,
                    Worded(language, Sentence::kAlmanacComputedFor,
                           {std::to_string(year), CountryWord(language, country), MeridianText(almanac),
                            reckoner.ChlDateText(then, 0, "CHL")}));
      }
    }
  }
  if (AlmanacMayDiffer(country, year)) {
    if (english)
      Add(text, kModernRule);
    else
      AddSentence(language, text, Worded(language, Sentence::kModernRule, {}));
  }
  return text;
}

std::string CalendarHistoryMonthText(Reckoner& reckoner, const MonthHistory& h) {
  const Country country = reckoner.CountryIndex();
  std::string text;
  if (h.otherMeridian) {
    Add(text,
        "computed for " + MeridianText(h.meridian) + ", the meridian of " + AlmanacOf(country, h.lunarYear));
  }
  if (h.almanacDiffers) {
    std::string sentence =
        AlmanacOf(country, h.lunarYear) + " was computed for " + MeridianText(h.almanacMeridian);
    if (!h.almanacHasMonth)
      sentence += " and had no such month";
    else if (h.almanacFirstDay != 0) {
      sentence += " and gave this month " + std::to_string(h.almanacLength) + " days from " +
                  CeText(h.almanacFirstDay);
    }
    Add(text, sentence);
  }
  if (h.mayDiffer) Add(text, kModernRule);
  return text;
}

std::string CalendarHistoryMonthNote(const MonthHistory& h) {
  std::string note;
  const std::string almanac = "the almanac of " + std::to_string(h.lunarYear);
  if (h.otherMeridian) AddNote(note, "computed for " + MeridianText(h.meridian) + " (" + almanac + ")");
  if (h.almanacDiffers) {
    const std::string by = almanac + " (" + MeridianText(h.almanacMeridian) + ")";
    if (!h.almanacHasMonth)
      AddNote(note, by + " had no such month");
    else
      AddNote(note, by + ": " + std::to_string(h.almanacLength) + " days from " + CeText(h.almanacFirstDay));
  }
  if (h.mayDiffer) AddNote(note, "modern rule: the almanac of the time may differ");
  return note;
}

std::string MonthRuleCode(const MonthHistory& h) {
  std::string code = h.otherMeridian ? MeridianCode(h.meridian) : "modern";
  if (h.mayDiffer) code += ",may-differ";
  if (h.almanacDiffers) code += ",almanac-" + MeridianCode(h.almanacMeridian);
  return code;
}

}  // namespace mirvo
