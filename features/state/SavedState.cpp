#include "features/state/SavedState.h"

#include "core/daycount/DayCount.h"
#include "features/session/MainRules.h"
#include "platform/services/Registry.h"

namespace mirvo {

SavedState::SavedState(MainRules& rules, LogPreferences& log, StateServices services)
    : rules_(rules), log_(log), services_(std::move(services)) {}

StateRecord SavedState::Current() const {
  StateRecord state;
  state.ajd = rules_.currentAjd();
  state.calendar = rules_.entry().calendar;
  state.plus = rules_.entry().plus;
  state.settings = rules_.settings();
  state.log = log_;
  return state;
}

void ChooseStoredCountryAndHistory(MainRules& rules, const SettingsStore& store, Messages& messages) {
  const auto stored = [&](const char* name) {
    std::string text;
    ReadRegistryValue(store, messages, kProgramKeyPart, name, text, false, "");
    return text;
  };
  rules.ChooseCountry(CountryFromStoredText(stored("cboRefLong")));
  rules.ChooseHistorical(HistoricalFromStoredText(stored(kHistoricalValueName)));
}

bool SavedState::Save() {
  if (services_.settings && services_.messages) {
    SaveRegistryValue(*services_.settings, *services_.messages, kProgramKeyPart, "cboRefLong",
                      std::to_string(CountryNumber(rules_.settings().country)), false);
    SaveRegistryValue(*services_.settings, *services_.messages, kProgramKeyPart, kHistoricalValueName,
                      rules_.settings().historical ? "1" : "0", false);
  }
  if (!services_.files) return true;
  std::string error = services_.path.empty()
                          ? "no folder for the user's data could be made"
                          : services_.files->Replace(services_.path, StateFileText(Current()));
  if (error.empty()) return true;
  if (services_.messages) services_.messages->Warn(kSaveStateTitle, kSaveStateError + error);
  return false;
}

void SavedState::Apply(const StateRecord& state) {
  rules_.RestoreState(state.ajd, state.calendar, state.plus, state.settings);
  log_ = state.log;
}

bool SavedState::ReadAtStartUp() {
  if (!services_.files || services_.path.empty()) return false;
  const auto text = services_.files->Read(services_.path, kMaxStateFileBytes);
  if (!text) return false;
  StateRecord state = Current();
  state.ajd = CurrentAjd();  // unless the file holds an instant the program can show
  const bool complete = ReadStateText(*text, state);
  Apply(state);
  return complete;
}

bool SavedState::Restore() {
  if (!services_.files || services_.path.empty()) return false;
  const auto text = services_.files->Read(services_.path, kMaxStateFileBytes);
  if (!text) return false;
  StateRecord state = Current();
  state.ajd = CurrentAjd();
  if (!ReadStateText(*text, state)) return false;
  // Asked only about a file that can be restored.
  if (services_.messages && !services_.messages->AskYesNo(kRestoreStateTitle, kRestoreLogQuestion)) {
    state.log = log_;
  }
  Apply(state);
  return true;
}

}  // namespace mirvo
