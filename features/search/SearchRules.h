// The Search row of the main window without the widgets: the 23 kinds of event it finds after or
// before the current instant (phases of the Moon, lunar new years, solstices, equinoxes and solar
// terms, syzygies on the first day of a term, element-animal days, months and years, triple
// coincidences, intercalary months, festivals), the messages of a search that finds nothing, and
// the hand-over to the multiple element-animal search for the two targets that need its conditions.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "features/festivals/FestivalCalendar.h"
#include "features/search/MultipleSearchRules.h"
#include "features/session/MainSettings.h"
#include "features/session/Refusal.h"

namespace mirvo {

class MainRules;

// The entries of the target list.
enum SearchTargetIndex : int {
  kTargetFullMoon = 0,
  kTargetDarkMoon = 1,
  kTargetLunarQuarter = 2,
  kTargetLunarNewYear = 3,
  kTargetWinterSolstice = 4,
  kTargetVernalEquinox = 5,
  kTargetSummerSolstice = 6,
  kTargetAutumnalEquinox = 7,
  kTargetSolsticeOrEquinox = 8,
  kTargetSolarTerm = 9,
  kTargetTermDarkMoon = 10,
  kTargetTermFullMoon = 11,
  kTargetWinterSolsticeDarkMoon = 12,
  kTargetSolsticeEquinoxDarkMoon = 13,
  kTargetSolsticeEquinoxFullMoon = 14,
  kTargetElementAnimalDay = 15,
  kTargetElementAnimalMonth = 16,
  kTargetElementAnimalYear = 17,
  kTargetTripleCoincidence = 18,
  kTargetSameDayAndMonth = 19,
  kTargetMultiple = 20,
  kTargetIntercalaryMonth = 21,
  kTargetFestival = 22,  // the festival of the settings' searchFestival
};

inline constexpr const char* kSearchTitle = "Search";
inline constexpr const char* kFailedTitle = "Failed";
inline constexpr const char* kErrorTitle = "Error";
inline constexpr const char* kLunarDateInvalidText = "Lunar date is invalid.";
inline constexpr const char* kNoElementAnimalText = "You must specify an element, an animal or both.";
inline constexpr const char* kNoSyzygyText = "Cannot find required dark moon.";
inline constexpr const char* kNoTripleCoincidenceText = "Cannot find a triple coincidence day.";
inline constexpr const char* kNoFestivalText = "Cannot find the festival or seasonal day.";
// How far a festival is looked for: one bound by another day (土用の二の丑) may miss some years.
inline constexpr int kFestivalSearchYears = 12;

// The list entries as words for scripts: "full-moon" … "intercalary-month"; -1 for another word.
int SearchTargetOfName(const std::string& name);
// The festival the festival target looks for: the settings' when the country has it, else the
// country's first ("" when the table has none).
std::string ChosenFestival(const FestivalCalendar& festivals, Country country, const MainSettings& settings);
const char* SearchTargetName(int target);

enum class SearchOutcome {
  kFound,           // the instant moved and the window was recomputed
  kFailed,          // its message has been shown; the instant is as it was
  kRefused,         // the typed date was refused (with its message)
  kMultipleWindow,  // targets 19 and 20: the multiple element-animal search takes over
};
// A search's outcome with the message it showed when it failed or was refused.
struct SearchResult {
  SearchOutcome outcome = SearchOutcome::kFound;
  std::optional<Refusal> refusal;
};

// The instant a search found, or the message that said why there is none (neither for a target
// that is not searched here).
struct Found {
  Found() = default;
  Found(double instant) : ajd(instant) {}
  Found(Refusal why) : refusal(std::move(why)) {}
  std::optional<double> ajd;
  std::optional<Refusal> refusal;
};

// The searching label: its text and whether it is shown.
using SearchingLabel = std::function<void(const std::string& text, bool visible)>;

class SearchRules {
 public:
  explicit SearchRules(MainRules& rules);
  void SetSearchingLabel(SearchingLabel label) { label_ = std::move(label); }

  // "Search for": the typed date adopted, then the target and direction of the settings record.
  // For "Same element-animal day and month" the day and month rows of the multiple search are
  // first set to the current day's and month's pairs and the year row cleared.
  SearchResult Search();
  // The end of a search by the multiple element-animal window: noon of day unless cancelled, the
  // element-animal rows shown instead of the chronological Julian dates, and the recomputation.
  void FinishMultiple(bool cancelled, int32_t day);

  // The instant of the next (previous) event of the target from the current instant, or the
  // failure's message after showing it. Targets 19 and 20 are not searched here.
  Found Find(int target, bool next);

  // The conditions of the multiple search as the settings record holds them.
  ElementAnimalRows MultipleRows() const;

 private:
  Found MoonPhase(int target, bool next);
  Found LunarNewYear(bool next);
  Found SolarTerm(int target, bool next);
  Found SyzygyOnTermDay(int target, bool next);
  Found ElementAnimalDay(bool next);
  Found ElementAnimalMonth(bool next);
  Found ElementAnimalYear(bool next);
  Found TripleCoincidence(bool next);
  Found IntercalaryMonth(bool next);
  Found FestivalDay(bool next);
  // Nothing when an element or an animal is chosen, else the refusal after its message.
  std::optional<Refusal> NoElementAnimalChoice();
  // The lunar date shown, if it is valid.
  std::optional<ChlDate> ShownLunarDate();
  // The message of a shown lunar date that is not valid, after showing it.
  Refusal LunarDateInvalid();
  Found NoonOfLunarDate(ChlDate date);
  void FillSameDayAndMonth();
  void Label(const std::string& text, bool visible);

  MainRules& rules_;
  SearchingLabel label_;
};

}  // namespace mirvo
