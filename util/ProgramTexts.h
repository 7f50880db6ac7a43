// Numbered program texts: the product name and a few captions and titles, kept out of the code in
// the text file "mirvo.dat" beside the programs. The store is an ordinary object owned by whoever
// loads it (the main window, a test, the command-line tool); nothing here is global.
//
// File format (UTF-8): lines that are empty or begin with "#" are comments; every other line is
// "number<TAB>text" with a number from 1 to 32767, each number at most once. The text "~" stands
// for the empty text. A text may hold at most 1023 characters.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace mirvo {

// Return codes of ProgramTextStore::lt besides a positive count of texts.
inline constexpr int kTextsNoneRead = 0;
inline constexpr int kTextsCannotOpen = -1;
inline constexpr int kTextsTooMuch = -3;
inline constexpr int kTextsEmptyFile = -6;
inline constexpr int kTextsReadError = -7;
// A line-numbered failure is encoded as base - line: -500 - line for a missing text (line 1..500),
// -1000 - line for a text that is too long, -1500 - line for a repeated number.
inline constexpr int kTextsMissingBase = -500;
inline constexpr int kTextsTooLongBase = -1000;
inline constexpr int kTextsDuplicateBase = -1500;
inline constexpr int kMaxProgramTextLength = 1023;
inline constexpr int kProgramTextBufferSize = 1024;

class ProgramTextStore {
 public:
  // Loads the file (replacing anything loaded before). Returns the number of texts loaded (> 0),
  // or 0 / a negative code from the constants above. On a line-numbered failure the line is also
  // kept in errorLine() (the code alone cannot tell lines beyond 500 apart).
  int lt(const std::string& path);
  // The same for the content of such a file already in memory.
  int Read(std::string_view content);
  // Copies text `number` (language 0 is the only language) into `buffer`, cut to size - 1
  // characters. Returns its length in bytes, or 0 when there is no such text.
  int gt(int number, int language, std::string& buffer, int size) const;

  int errorLine() const { return errorLine_; }
  int count() const { return static_cast<int>(texts_.size()); }

 private:
  std::map<int, std::string> texts_;
  int errorLine_ = 0;
};

// The message for a failed load (code <= 0), as shown before the program ends. For the
// line-numbered codes `line` (when > 0) names the line instead of the one decoded from the code.
std::string ProgramTextLoadMessage(int code, const std::string& path, int line = 0);

// Loads folder + "/" + fileName into the store. Returns the empty text on success, otherwise the
// message the caller shows (with the error icon and no title) before it ends the program.
std::string LoadProgramTexts(ProgramTextStore& store, const std::string& folder, const std::string& fileName);

// Text `number`, or the empty text when it is missing or stored as "~".
std::string ProgramText(const ProgramTextStore& store, int number);

// The extension of the last element of a path ("\" or "/" separated), with its ".", or the empty
// text when it has none; lower-cased when asked.
std::string FileExtensionOf(const std::string& path, bool lowerCase);

}  // namespace mirvo
