// Where a program finds the files it ships with (the program texts, the manual): beside the
// executable in a build tree, or in the data folder of an install tree, reached from the
// executable's own folder so that an installed tree keeps working after it has been moved.
#pragma once

#include <string>

namespace mirvo {

// The data folder of an install tree as seen from its folder of programs (bin/ -> share/vantrel/).
inline constexpr const char* kInstalledDataFromPrograms = "../share/vantrel";

// The first of executableFolder and executableFolder/relativeDataFolder that holds `marker`;
// executableFolder itself when neither does (so that the error the caller then reports names the
// folder of the program).
std::string ProgramDataFolder(const std::string& executableFolder,
                              const std::string& relativeDataFolder = kInstalledDataFromPrograms,
                              const std::string& marker = "mirvo.dat");

}  // namespace mirvo
