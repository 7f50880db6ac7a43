// Saving and restoring the main window's state: the country and "Follow the calendar's history"
// in the settings store (the registry's "cboRefLong" and "chkHistorical") and everything else in
// the state file, written on "Save state", "Quit"
// and closing the window, read at start-up and on "Restore state".
#pragma once

#include <string>

#include "features/log/LogPreferences.h"
#include "features/state/StateFile.h"
#include "platform/services/Services.h"
#include "platform/services/TextFiles.h"

namespace mirvo {

class MainRules;

inline constexpr const char* kSaveStateTitle = "Save state";
inline constexpr const char* kRestoreStateTitle = "Restore state";
inline constexpr const char* kSaveStateError = "Error when attempting to save the state: ";
inline constexpr const char* kRestoreLogQuestion = "Restore previous log configuration also?";
// The settings store's value for "Follow the calendar's history": "1" on, anything else off.
// The state file does not hold it: older programs read its 79 lines and nothing more.
inline constexpr const char* kHistoricalValueName = "chkHistorical";
inline bool HistoricalFromStoredText(const std::string& text) { return text == "1"; }
// The country and the history box as the settings store keeps them, chosen in the rules (the
// window's start and the month picture of `mirvo --calendar-png` read them alike).
void ChooseStoredCountryAndHistory(MainRules& rules, const SettingsStore& store, Messages& messages);

struct StateServices {
  TextFiles* files = nullptr;  // none: no state is kept (nothing read, nothing written)
  SettingsStore* settings = nullptr;
  Messages* messages = nullptr;
  std::string path;  // the state file; "" when no folder for it could be made
};

class SavedState {
 public:
  SavedState(MainRules& rules, LogPreferences& log, StateServices services);

  // The state as it would be saved now.
  StateRecord Current() const;
  std::string path() const { return services_.path; }

  // "Save state": the country to the settings store, then the file, replaced as a whole. False
  // after the warning "Error when attempting to save the state: …" when the file cannot be
  // written (it then holds what it held before).
  bool Save();
  // Start-up: the file with its log configuration. The values read before a line that is
  // missing or does not fit are kept (the defaults of Reset and the present moment then follow
  // in the window). True when the whole file was read; an instant beyond any a step can reach
  // is then the present moment.
  bool ReadAtStartUp();
  // "Restore state": takes the file only when all of it can be read (a failed read changes
  // nothing and says nothing), asking first whether the log configuration is restored too.
  bool Restore();

 private:
  void Apply(const StateRecord& state);

  MainRules& rules_;
  LogPreferences& log_;
  StateServices services_;
};

}  // namespace mirvo
