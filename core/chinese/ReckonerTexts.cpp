// Lunar and solar dates as text: the short forms typed and shown in the date rows, and the
// sentences that spell a date out with its element-animal and stem-branch names.
#include <string>

#include "core/chinese/Reckoner.h"
#include "util/Text.h"

namespace mirvo {

namespace {

int MonthPosition(const ChlDate& date) {
  const auto [element, animal] = MonthElementAnimal(date);
  return PositionOfElementAnimal(element, animal);
}

}  // namespace

std::string Reckoner::ChlDateText(const ChlDate& date, int form, const std::string& suffix) {
  const std::string monthAndDay =
      MonthLabel(date.month, date.leap) + "-" + TwoDigits(date.day) + " " + suffix;
  if (form == 0) return std::to_string(date.cycle) + "-" + TwoDigits(date.position) + "-" + monthAndDay;
  std::string text = std::to_string(YearCount(date.cycle, date.position, date.epoch)) + "-" + monthAndDay;
  if (form == 2) {
    const int element = ElementOfPosition(date.position);
    text += " (in a";
    if (element == 2) text += "n";  // "an earth-… year"
    text += " " + ElementAnimalText(date.position, country_) + " year)";
  }
  return text;
}

std::string Reckoner::ChlDateSentence(ChlDate date, ChlSentenceParts parts) {
  const bool withStemBranch = parts.stemBranch;
  const bool full = parts.full;
  std::string text;
  if (!full) {
    text = date.leap ? "Leap month" : "Month";
  } else {
    text = "The " + OrdinalText(date.day) + " day ";
    // The names of the day need its day number; a date that does not exist has none.
    if (parts.dayNames && ChlToDay(date) == kChlValid) {
      text += "(" + DayElementAnimalText(date.jdn, country_);
      if (withStemBranch) text += " " + DayStemBranchText(date.jdn);
      text += ") ";
    }
    text += std::string("of ") + (date.leap ? "leap " : "") + "month";
  }
  text += Spaced(date.month) + (date.leap ? "* " : " ");
  if (parts.monthNames) {
    const int p = MonthPosition(date);
    text += "(";
    if (withStemBranch && parts.stemBranchFirst) text += StemBranchText(p) + " ";
    text += ElementAnimalText(p, country_);
    if (withStemBranch && !parts.stemBranchFirst) text += " " + StemBranchText(p);
    text += ") ";
  }
  text += full ? "\r\n" : " ";
  text += "in the " + ElementAnimalText(date.position, country_);
  if (withStemBranch) text += " " + StemBranchText(date.position);
  text += " year (nian) at position" + Spaced(date.position) + " of cycle " + std::to_string(date.cycle) +
          " (year " + std::to_string(YearCount(date.cycle, date.position, date.epoch)) + ")";
  if (full) text += ".";
  return text;
}

std::string Reckoner::ChlDateStemBranchText(ChlDate date) {
  std::string text;
  if (ChlToDay(date) == kChlValid) text += "(" + DayStemBranchText(date.jdn) + ") ";
  text += "day " + std::to_string(date.day) + ", (" + StemBranchText(MonthPosition(date)) + ") month " +
          std::to_string(date.month) + (date.leap ? "*" : "") + ", (" + StemBranchText(date.position) +
          ") year " + std::to_string(date.position) + " of cycle " + std::to_string(date.cycle);
  return text;
}

std::string Reckoner::ChsDateText(const ChsDate& date, bool withCode) const {
  std::string text = std::to_string(date.cycle) + "-" + TwoDigits(date.position) + "-" +
                     TwoDigits(date.term) + "-" + TwoDigits(date.day) + " CHS";
  if (withCode && date.day == 1) text += " (" + std::string(TermCode(date.term)) + ")";
  return text;
}

std::string Reckoner::ChsDateSentence(ChsDate date, bool withDay, bool withStemBranch) {
  std::string text = "The " + OrdinalText(date.day) + " day ";
  if (withDay && ChsToDay(date)) {
    text += "(" + DayElementAnimalText(date.jdn, country_);
    if (withStemBranch) text += ", " + DayStemBranchText(date.jdn);
    text += ") ";
  }
  text += "of solar term" + Spaced(date.term) + " (" + std::string(TermCode(date.term)) +
          ") in the year (sui) at position" + Spaced(date.position) + " of cycle " +
          std::to_string(date.cycle) + ".";
  return text;
}

}  // namespace mirvo
