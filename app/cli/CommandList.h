// One declaration per command file of this folder.
#pragma once
#include "app/cli/Args.h"

namespace mirvo::cli {
Command NowCommand();        // now.cpp
Command AlmanacCommand();    // almanac.cpp
Command ShowCommand();       // show.cpp
Command MonthsCommand();     // months.cpp
Command ChineseCommand();    // chinese.cpp
Command DaysCommand();       // days.cpp
Command MonthViewCommand();  // month_view.cpp
Command YearDataCommand();   // year_data.cpp
Command ListCommand();       // list.cpp
Command SelfTestCommand();   // selftest.cpp
Command MoveCommand();       // move.cpp
Command SearchCommand();     // search.cpp
Command LogEntryCommand();   // log_entry.cpp
Command ExportCommand();     // export.cpp
Command FestivalsCommand();  // festivals.cpp
}  // namespace mirvo::cli
