#include "app/cli/FestivalOptions.h"

#include <filesystem>
#include <system_error>

#include "core/daycount/DayCount.h"
#include "util/DataFolder.h"
#include "util/Text.h"

#ifndef MIRVO_DATA_FROM_PROGRAMS
#define MIRVO_DATA_FROM_PROGRAMS "../share/vantrel"
#endif

namespace mirvo::cli {

FestivalTableRead ProgramFestivalTable() {
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  const std::string folder = ec ? std::string(".") : program.parent_path().string();
  return LoadFestivalTable(ProgramDataFolder(folder, MIRVO_DATA_FROM_PROGRAMS, kFestivalFileName));
}

FestivalSettings FestivalOptions(const Args& args, const FestivalTable& table) {
  FestivalSettings s;
  const std::string name = args.value("country", "china");
  s.country = table.Country(name);
  if (s.country == nullptr) {
    std::string names;
    for (const FestivalCountry& c : table.countries) names += (names.empty() ? "" : ", ") + c.name;
    throw UsageError("--country must be one of " + names + ", not " + QuotedText(name));
  }
  s.longitude = s.country->longitude;
  if (auto l = args.integer("longitude", kMinLongitude, kMaxLongitude)) s.longitude = static_cast<int>(*l);
  s.language = LanguageOption(args);
  return s;
}

}  // namespace mirvo::cli
