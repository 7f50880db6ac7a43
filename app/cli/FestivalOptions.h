// The festival table and the options of the festival commands (`festivals`, `export festivals`):
// the table found beside the program, --country by the table's names, --longitude and --lang.
#pragma once

#include <string>

#include "app/cli/Args.h"
#include "core/names/Language.h"
#include "features/festivals/Festivals.h"

namespace mirvo::cli {

// The table of the program's data folder (beside it, or ../share/vantrel when installed), or why
// it cannot be read.
FestivalTableRead ProgramFestivalTable();

struct FestivalSettings {
  const FestivalCountry* country = nullptr;
  int longitude = 120;  // the country's meridian unless --longitude gives another
  Language language = Language::kEnglish;
};
// --country (default china) among the table's countries, --longitude L (100..145), --lang TAG.
FestivalSettings FestivalOptions(const Args& args, const FestivalTable& table);

}  // namespace mirvo::cli
