// The table of mirvo-cli commands; each command lives in its own file in this folder.
#include "app/cli/Args.h"
#include "app/cli/CommandList.h"

namespace mirvo::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> kCommands = {
      NowCommand(),  AlmanacCommand(),   ShowCommand(),     MonthsCommand(), ChineseCommand(),
      DaysCommand(), MonthViewCommand(), YearDataCommand(), ListCommand(),   SelfTestCommand(),
      MoveCommand(), SearchCommand(),    LogEntryCommand(), ExportCommand(), FestivalsCommand(),
  };
  return kCommands;
}

}  // namespace mirvo::cli
