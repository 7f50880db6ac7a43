#include "features/session/MainRules.h"

#include <cmath>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/tables/Limits.h"
#include "platform/services/Services.h"
#include "util/Text.h"

namespace mirvo {

MainRules::MainRules(Reckoner& reckoner, Messages* messages, Clipboard* clipboard,
                     const std::string& dataFolder)
    : reckoner_(reckoner), messages_(messages), clipboard_(clipboard) {
  if (!dataFolder.empty()) festivals_ = FestivalCalendar::Load(dataFolder);
  settings_.country = reckoner.CountryIndex();
  settings_.longitude = reckoner.ReferenceLongitude();
  settings_.epoch = reckoner.Epoch();
  settings_.sunMethod = reckoner.SunMethod();
  settings_.historical = reckoner.Historical();
}

DisplayOptions MainRules::Options() const {
  return {settings_.zoneLabel(), settings_.showVmc, settings_.showCjds, settings_.language};
}

void MainRules::ChooseCountry(Country country) {
  const CountryInfo& info = CountryOf(country);
  reckoner_.SetCountry(country);
  settings_.country = country;
  ChooseLongitude(info.longitude);
}

void MainRules::ChooseLongitude(int longitude) {
  reckoner_.SetReferenceLongitude(longitude);
  settings_.longitude = longitude;
  MarkChanged();
  SetDate("");
  entry_.time.clear();
  entry_.timeZone = kTimeZoneNone;
}

void MainRules::ChooseEpoch(Epoch epoch) {
  reckoner_.SetEpoch(epoch);
  settings_.epoch = epoch;
  MarkChanged();
}

void MainRules::ChooseSunMethod(SunMethod method) {
  reckoner_.SetSunMethod(method);
  settings_.sunMethod = method;
  MarkChanged();
}

void MainRules::ChooseHistorical(bool on) {
  reckoner_.SetHistorical(on);
  settings_.historical = on;
  MarkChanged();
}

void MainRules::SetSearchTarget(int target) {
  settings_.searchTarget = target;
  entry_.target = target;
  MarkChanged();
}

void MainRules::SetMultipleRow(int row, int element, int animal) {
  if (row < 0 || row > 2) return;
  settings_.multipleElement[static_cast<size_t>(row)] = element;
  settings_.multipleAnimal[static_cast<size_t>(row)] = animal;
}

void MainRules::Reset() {
  entry_.calendar = kMainDefaults.calendar;
  settings_.showVmc = kMainDefaults.showVmc;
  settings_.showCjds = kMainDefaults.showCjds;
  settings_.autoLog = kMainDefaults.autoLog;
  settings_.searchNext = kMainDefaults.next;
  entry_.plus = kMainDefaults.plus;
  settings_.moveForward = kMainDefaults.forward;
  settings_.repeatedly = kMainDefaults.repeatedly;
  settings_.moveStep = kMainDefaults.moveStep;
  settings_.refreshPeriod = kMainDefaults.refreshPeriod;
  SetSearchTarget(kMainDefaults.target);
  SetDate("");
  entry_.time.clear();
  MarkChanged();
}

void MainRules::RestoreState(double ajd, int calendar, bool plus, const MainSettings& settings) {
  currentAjd_ = ajd;
  entry_.calendar = calendar;
  entry_.plus = plus;
  // The state file holds no language: a restored state keeps the window's.
  const Language language = settings_.language;
  settings_ = settings;
  settings_.language = language;
  reckoner_.SetCountry(settings.country);
  reckoner_.SetHistorical(settings.historical);
  ChooseEpoch(settings.epoch);
  ChooseSunMethod(settings.sunMethod);
  entry_.target = settings.searchTarget;  // the emptied date box keeps the choices it needs
  ChooseLongitude(settings.longitude);
}

void MainRules::SetRepeating(bool on) {
  if (repeating_ == on) return;
  repeating_ = on;
  if (hooks_.saveStateChanged) hooks_.saveStateChanged();
}

void MainRules::MarkChanged() {
  if (phase_ != SessionPhase::kReady) return;
  unsaved_ = true;
  if (hooks_.saveStateChanged) hooks_.saveStateChanged();
}

void MainRules::MarkSaved(bool saved) {
  unsaved_ = !saved;
  if (hooks_.saveStateChanged) hooks_.saveStateChanged();
}

void MainRules::StopRepeating() {
  settings_.repeatedly = false;
  if (hooks_.repeatStopped) hooks_.repeatStopped();
}

void MainRules::SetDate(std::string date) {
  if (date == entry_.date) return;
  entry_.date = std::move(date);
  UpdateElementAnimalControls(entry_);
}

void MainRules::DateTextChanged(const std::string& date) {
  entry_.date = date;
  entry_.target = settings_.searchTarget;
  UpdateElementAnimalControls(entry_);
}

void MainRules::ClearDate() {
  SetDate("");
  entry_.time.clear();
  entry_.timeZone = kTimeZoneNone;
}

void MainRules::ClearEntry() {
  ClearDate();
  entry_.plusMinus.clear();
}

Refusal MainRules::Warn(const std::string& title, const std::string& text) {
  return Refuse({title, text, MessageIcon::kWarning});
}

Refusal MainRules::Refuse(Refusal refusal) {
  if (messages_) messages_->Show(refusal.title, refusal.text, refusal.icon, MessageButtons::kOk);
  return refusal;
}

std::optional<Refusal> MainRules::Limit(const std::optional<std::string>& message) {
  if (!message) return std::nullopt;
  return Refuse({kOutOfRangeTitle, *message, MessageIcon::kNone});
}

std::optional<Refusal> MainRules::CheckCycleLimit(int32_t cycle, bool forward) {
  return Limit(CycleLimitMessage(cycle, forward));
}
std::optional<Refusal> MainRules::CheckYearLimit(int32_t year, bool forward) {
  return Limit(YearLimitMessage(year, forward));
}

std::optional<Refusal> MainRules::AdoptTypedDate() {
  entry_.date = TrimmedText(entry_.date);
  if (!entry_.date.empty()) {
    const ParseResult parsed = Parse(entry_);
    if (parsed.status != kEntryOk) {
      Refusal refusal = Warn(kEntryErrorTitle, EntryErrorMessage(parsed.status, reckoner_.CountryIndex()));
      if (hooks_.setTheFocus) hooks_.setTheFocus();
      return refusal;
    }
    if (const std::optional<std::string> range = DateRangeMessage(parsed.ajd)) {
      Refusal refusal = Warn(kDateRangeTitle, *range);
      if (hooks_.setTheFocus) hooks_.setTheFocus();
      return refusal;
    }
    // A date typed from the display is the current instant to the minute: it does not pull the
    // instant back to the start of that minute.
    if (std::abs(parsed.ajd - currentAjd_) >= 0.0007) currentAjd_ = parsed.ajd;
  }
  ClearDate();
  return std::nullopt;
}

void MainRules::SetCurrentAjd(double ajd) {
  currentAjd_ = ajd;
  DisplayDatesAndTimes();
}

const DisplayTexts& MainRules::DisplayDatesAndTimes() {
  if (phase_ == SessionPhase::kStarting) return display_;  // the state is not whole yet
  display_ = ComputeDisplay(currentAjd_, reckoner_, Options());
  AddFestivalLine(display_);
  displayed_ = true;
  if (hooks_.displayed) hooks_.displayed(display_);
  if (hooks_.setTheFocus) hooks_.setTheFocus();
  return display_;
}

// The festivals of the instant's civil day at the meridian, as the lunar date counts its days.
void MainRules::AddFestivalLine(DisplayTexts& display) {
  if (!display.chl.valid) return;
  const auto festivals =
      festivals_.OfDay(reckoner_, JdnOf(CjdcFromAjd(currentAjd_, reckoner_.ReferenceDegrees())));
  display.festival = FestivalDayLine(settings_.language, festivals);
  display.festivalNote = FestivalDayNotes(festivals);
}

void MainRules::ShowDateOfCalendar(EntryModel& model) {
  if (!displayed_) DisplayDatesAndTimes();
  const std::optional<RowId> row = RowOfCalendar(model.calendar);
  if (!row) return;
  model.target = settings_.searchTarget;
  int letter = LabelClick(display_, *row, true, model, clipboard_);
  if (letter != 0 && hooks_.dataWindowCalendar) hooks_.dataWindowCalendar(static_cast<char>(letter));
}

ParseResult MainRules::Parse(EntryModel& model) {
  EntryContext context{reckoner_, settings_.zoneLabel(), messages_,
                       [this](EntryModel& m) { ShowDateOfCalendar(m); }};
  return ParseDate(model, context);
}

ConvertResult MainRules::Convert() {
  if (!displayed_) DisplayDatesAndTimes();
  // The CE row shows the London day and minute: when neither changes, neither does any date.
  const int32_t previousDay = display_.londonDay;
  const int previousMinute = display_.londonMinute;
  const Country country = reckoner_.CountryIndex();
  auto entryError = [&](int status) {
    return ConvertResult{ConvertOutcome::kEntryError,
                         Warn(kEntryErrorTitle, EntryErrorMessage(status, country)), status};
  };
  auto unchanged = [&] {
    return ConvertResult{ConvertOutcome::kUnchanged, Warn(kConvertTitle, kUnchangedText), 0};
  };

  // Trimmed of the same blanks the validity check ignores, so that a number it admits is also
  // the number read (a pasted tab must not turn "3" into 0 days).
  const std::string plusMinus = TrimmedText(entry_.plusMinus, " \t");
  entry_.plusMinus = plusMinus;
  if (!plusMinus.empty() && !IsPlusMinusNumber(plusMinus)) return entryError(kEntryBadPlusMinus);

  ParseResult parsed = Parse(entry_);
  if (parsed.status != kEntryOk) {
    ConvertResult result = entryError(parsed.status);
    if (hooks_.setTheFocus) hooks_.setTheFocus();
    return result;
  }
  double instant = parsed.ajd;
  if (!plusMinus.empty()) {
    std::string number = plusMinus;
    RemoveCharacters(number, "+,");
    double days = LeadingNumber(number);
    instant = entry_.plus ? instant + days : instant - days;
  } else if (instant == currentAjd_) {
    return unchanged();
  }
  if (const std::optional<std::string> range = DateRangeMessage(instant)) {
    return {ConvertOutcome::kOutOfRange, Warn(kDateRangeTitle, *range), 0};
  }
  currentAjd_ = instant;
  DisplayDatesAndTimes();
  if (display_.londonDay == previousDay && display_.londonMinute == previousMinute) return unchanged();
  if (hooks_.redrawMoon) hooks_.redrawMoon();
  if (hooks_.autoLog) hooks_.autoLog(kLogConvert);
  MarkChanged();
  return {};
}

void MainRules::ResetToNow(double nowAjd) {
  ClearDate();
  entry_.element = kNoElementEntry;
  entry_.animal = kNoAnimalEntry;
  currentAjd_ = nowAjd;
  DisplayDatesAndTimes();
  if (hooks_.redrawMoon) hooks_.redrawMoon();
  if (hooks_.autoLog) hooks_.autoLog(kLogNow);
  MarkChanged();
}

void MainRules::ClickRow(RowId row, bool valueLabel) {
  if (!displayed_) DisplayDatesAndTimes();
  entry_.target = settings_.searchTarget;
  int letter = LabelClick(display_, row, valueLabel, entry_, clipboard_);
  if (letter != 0 && hooks_.dataWindowCalendar) hooks_.dataWindowCalendar(static_cast<char>(letter));
}

void MainRules::Recalculate(LogAction action) {
  if (display_.ajd != currentAjd_) DisplayDatesAndTimes();
  if (hooks_.redrawMoon) hooks_.redrawMoon();
  if (hooks_.autoLog) hooks_.autoLog(action);
  MarkChanged();
}

}  // namespace mirvo
