// The command an automatic log entry follows, which its heading names ("Now", "Plus 100 days",
// "Move forward 1 CHL month", …). The numbers are those `mirvo-cli log-entry --auto` takes.
#pragma once

namespace mirvo {

enum class LogAction : int {
  kLogNone = 0,  // no entry (a stopped search)
  kLogNow = 1,
  kLogConvert = 2,  // a converted date or plus/minus days
  kLogMove = 3,
  kLogSearch = 4,
  kLogOneDay = 5,
};
using enum LogAction;

}  // namespace mirvo
