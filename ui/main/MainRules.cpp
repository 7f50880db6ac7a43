#include "ui/main/MainRules.h"

#include "core/chinese/Reckoner.h"
#include "platform/services/Services.h"
#include "util/Text.h"

namespace mirvo {

MainRules::MainRules(Reckoner& reckoner, Messages* messages, Clipboard* clipboard)
    : reckoner_(reckoner), messages_(messages), clipboard_(clipboard) {}

void MainRules::Warn(const std::string& title, const std::string& text) {
  lastMessage_ = text;
  if (messages_) messages_->Warn(title, text);
}

void MainRules::SetCurrentAjd(double ajd) {
  currentAjd_ = ajd;
  DisplayDatesAndTimes();
}

const DisplayTexts& MainRules::DisplayDatesAndTimes() {
  display_ = ComputeDisplay(currentAjd_, reckoner_, options_);
  displayed_ = true;
  if (hooks_.displayed) hooks_.displayed(display_);
  if (hooks_.setTheFocus) hooks_.setTheFocus();
  return display_;
}

void MainRules::ShowDateOfCalendar(EntryModel& model) {
  if (!displayed_) DisplayDatesAndTimes();
  const DisplayRow* row = display_.RowOfCalendar(model.calendar);
  if (row == nullptr) return;
  int letter = LabelClick(display_, row->name, true, model, clipboard_, reckoner_.CountryIndex());
  if (letter != 0 && hooks_.dataWindowCalendar) hooks_.dataWindowCalendar(static_cast<char>(letter));
}

ParseResult MainRules::Parse(EntryModel& model) {
  EntryContext context{reckoner_, options_.zoneLabel, messages_,
                       [this](EntryModel& m) { ShowDateOfCalendar(m); }};
  return ParseDate(model, context);
}

ConvertOutcome MainRules::Convert() {
  lastStatus_ = 0;
  lastMessage_.clear();
  if (!displayed_) DisplayDatesAndTimes();
  const std::string previousCe = display_.Row("lblCommonEraDate")->value;
  const int country = reckoner_.CountryIndex();
  auto entryError = [&](int status) {
    lastStatus_ = status;
    Warn(kEntryErrorTitle, EntryErrorMessage(status, country));
    return ConvertOutcome::kEntryError;
  };

  // Trimmed of the same blanks the validity check ignores, so that a number it admits is also
  // the number read (a pasted tab must not turn "3" into 0 days).
  std::string plusMinus = entry_.plusMinus;
  size_t b = plusMinus.find_first_not_of(" \t");
  plusMinus = b == std::string::npos ? "" : plusMinus.substr(b, plusMinus.find_last_not_of(" \t") - b + 1);
  entry_.plusMinus = plusMinus;
  if (!plusMinus.empty() && !IsPlusMinusNumber(plusMinus)) return entryError(kEntryBadPlusMinus);

  ParseResult parsed = Parse(entry_);
  if (parsed.status != kEntryOk) {
    ConvertOutcome outcome = entryError(parsed.status);
    if (hooks_.setTheFocus) hooks_.setTheFocus();
    return outcome;
  }
  double instant = parsed.ajd;
  if (!plusMinus.empty()) {
    std::string number = plusMinus;
    RemoveCharacters(number, "+,");
    double days = LeadingNumber(number);
    instant = entry_.plus ? instant + days : instant - days;
  } else if (instant == currentAjd_) {
    Warn(kConvertTitle, kUnchangedText);
    return ConvertOutcome::kUnchanged;
  }
  std::string range = DateRangeMessage(instant);
  if (!range.empty()) {
    Warn(kDateRangeTitle, range);
    return ConvertOutcome::kOutOfRange;
  }
  currentAjd_ = instant;
  DisplayDatesAndTimes();
  if (display_.Row("lblCommonEraDate")->value == previousCe) {
    Warn(kConvertTitle, kUnchangedText);
    return ConvertOutcome::kUnchanged;
  }
  if (hooks_.redrawMoon) hooks_.redrawMoon();
  if (hooks_.autoLog) hooks_.autoLog(2);
  if (hooks_.saveStateEnabled) hooks_.saveStateEnabled(true);
  return ConvertOutcome::kConverted;
}

void MainRules::ResetToNow(double nowAjd) {
  entry_.date.clear();
  entry_.time.clear();
  entry_.timeZone = kTimeZoneNone;
  entry_.element = kNoElementEntry;
  entry_.animal = kNoAnimalEntry;
  currentAjd_ = nowAjd;
  DisplayDatesAndTimes();
  if (hooks_.redrawMoon) hooks_.redrawMoon();
  if (hooks_.autoLog) hooks_.autoLog(1);
  if (hooks_.saveStateEnabled) hooks_.saveStateEnabled(true);
}

void MainRules::ClickRow(std::string_view rowName, bool valueLabel) {
  if (!displayed_) DisplayDatesAndTimes();
  int letter = LabelClick(display_, rowName, valueLabel, entry_, clipboard_, reckoner_.CountryIndex());
  if (letter != 0 && hooks_.dataWindowCalendar) hooks_.dataWindowCalendar(static_cast<char>(letter));
}

}  // namespace mirvo
