#include "app/cli/CommandList.h"

namespace mirvo::cli {

Command NowCommand() {
  return {"now", "the present instant as AJD, CJDL and CE/JC dates with the London time",
          "Usage: mirvo-cli now\n",
          [](const Args&, std::ostream& out, std::ostream&) {
            out << "not yet\n";
            return kExitOk;
          },
          {}, {}};
}

}  // namespace mirvo::cli
