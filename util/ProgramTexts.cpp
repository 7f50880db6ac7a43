#include "util/ProgramTexts.h"

#include <cctype>
#include <sstream>

#include "util/Files.h"

namespace mirvo {
namespace {

// Texts are UTF-8; lengths are counted in characters, not bytes.
size_t CharacterCount(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

// Byte length of the first `chars` characters of s.
size_t BytesOfCharacters(const std::string& s, size_t chars) {
  size_t i = 0;
  for (size_t n = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (n == chars) break;
      ++n;
    }
  }
  return i;
}

// Whole files beyond this size are refused rather than read into memory.
constexpr std::streamoff kMaxFileBytes = 8 * 1024 * 1024;
constexpr int kMaxTextNumber = 32767;

int LineCode(int base, int line) { return base - (line <= 500 ? line : 500); }

}  // namespace

int ProgramTextStore::lt(const std::string& path) {
  texts_.clear();
  errorLine_ = 0;
  // Only a regular file is read: a folder, a device or a FIFO (which would wait for a writer)
  // cannot be opened as the program texts.
  const FileContent file = ReadRegularFile(path, static_cast<size_t>(kMaxFileBytes));
  switch (file.status) {
    case FileContent::kRead: break;
    case FileContent::kTooLarge: return kTextsTooMuch;
    default: return kTextsCannotOpen;
  }
  return Read(file.bytes);
}

int ProgramTextStore::Read(std::string_view content) {
  texts_.clear();
  errorLine_ = 0;
  if (content.empty()) return kTextsEmptyFile;
  if (content.size() > static_cast<size_t>(kMaxFileBytes)) return kTextsTooMuch;
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);

  std::map<int, std::string> texts;
  std::istringstream lines{std::string(content)};
  std::string line;
  int lineNo = 0;
  while (std::getline(lines, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    size_t i = 0;
    int number = 0;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) {
      number = number * 10 + (line[i] - '0');
      if (number > kMaxTextNumber) break;
      ++i;
    }
    if (i == 0 || number < 1 || number > kMaxTextNumber || (i < line.size() && line[i] != '\t')) {
      texts_.clear();
      errorLine_ = lineNo;
      return kTextsReadError;
    }
    if (i + 1 >= line.size()) {
      errorLine_ = lineNo;
      return LineCode(kTextsMissingBase, lineNo);
    }
    std::string text = line.substr(i + 1);
    if (CharacterCount(text) > static_cast<size_t>(kMaxProgramTextLength)) {
      errorLine_ = lineNo;
      return LineCode(kTextsTooLongBase, lineNo);
    }
    if (!texts.emplace(number, std::move(text)).second) {
      errorLine_ = lineNo;
      return LineCode(kTextsDuplicateBase, lineNo);
    }
  }
  if (texts.empty()) return kTextsNoneRead;
  texts_ = std::move(texts);
  return static_cast<int>(texts_.size());
}

int ProgramTextStore::gt(int number, int language, std::string& buffer, int size) const {
  buffer.clear();
  if (language != 0 || size <= 1) return 0;
  auto it = texts_.find(number);
  if (it == texts_.end()) return 0;
  buffer = it->second.substr(0, BytesOfCharacters(it->second, static_cast<size_t>(size - 1)));
  return static_cast<int>(buffer.size());
}

std::string ProgramTextLoadMessage(int code, const std::string& path, int line) {
  auto withLine = [&](const char* what, int base) {
    int n = line > 0 ? line : -(code - base);
    return std::string(what) + " " + std::to_string(n) + ".";
  };
  switch (code) {
    case kTextsNoneRead: return "No program text was read.";
    case kTextsCannotOpen: return "Cannot open file containing program text.\r\n" + path;
    case -2: return "Particular memory allocation error.";
    case kTextsTooMuch: return "Too much program text.";
    case -4: return "Text not recovered.";
    case kTextsEmptyFile: return "File is empty.";
    case kTextsReadError: return "Error reading file.";
    case -8: return "General memory allocation error.";
    default: break;
  }
  if (code > 0) return "";
  if (code >= -500) return "Error " + std::to_string(code);
  if (code >= -1000) return withLine("Missing string at line", kTextsMissingBase);
  if (code >= -1500) return withLine("String too long at line", kTextsTooLongBase);
  return withLine("Duplicate in program text at line", kTextsDuplicateBase);
}

std::string LoadProgramTexts(ProgramTextStore& store, const std::string& folder,
                             const std::string& fileName) {
  std::string path = folder;
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  path += fileName;
  int r = store.lt(path);
  if (r >= 1) return "";
  return ProgramTextLoadMessage(r, path, store.errorLine());
}

std::string ProgramText(const ProgramTextStore& store, int number) {
  std::string buffer;
  int n = store.gt(number, 0, buffer, kProgramTextBufferSize);
  if (n <= 0) return "";
  buffer.resize(static_cast<size_t>(n));
  return buffer == "~" ? std::string() : buffer;
}

std::string FileExtensionOf(const std::string& path, bool lowerCase) {
  size_t slash = path.find_last_of("\\/");
  std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = last.rfind('.');
  if (dot == std::string::npos) return "";
  std::string ext = last.substr(dot);
  if (lowerCase) {
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return ext;
}

}  // namespace mirvo
