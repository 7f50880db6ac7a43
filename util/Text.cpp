#include "util/Text.h"

#include <cstdio>
#include <utility>

namespace mirvo {
namespace {

// Length of the UTF-8 sequence that starts with byte b; a stray continuation or invalid lead byte
// counts as a character of its own so that malformed text is never cut inside a sequence.
size_t SequenceLength(std::string_view s, size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
  if (i + n > s.size()) return 1;
  for (size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
  return n;
}

// The characters of a text, each as its own byte sequence.
std::vector<std::string_view> Characters(std::string_view s) {
  std::vector<std::string_view> out;
  for (size_t i = 0; i < s.size();) {
    const size_t n = SequenceLength(s, i);
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

// Walked in place: the readers of typed dates ask this for every character they keep or drop.
bool InSet(std::string_view ch, std::string_view set) {
  for (size_t i = 0; i < set.size();) {
    const size_t n = SequenceLength(set, i);
    if (set.substr(i, n) == ch) return true;
    i += n;
  }
  return false;
}

// Lower-case partner of a code point beyond ASCII. The accent table of the program (Š, Ÿ and the
// Latin-1 capitals À…Ý) comes first; the Latin extensions used by Vietnamese names (Đ, Ơ, Ư and
// the letters with two diacritics of U+1E00…U+1EFF), Greek and Cyrillic capitals follow.
char32_t LowerPartner(char32_t c) {
  if (c == 0x160) return 0x161;                              // Š
  if (c == 0x178) return 0xFF;                               // Ÿ
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // À … Þ
  if (c == 0x130) return U'i';                               // İ
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c % 2 == 0 ? c + 1 : c;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 1 ? c + 1 : c;
  if (c == 0x1A0 || c == 0x1AF) return c + 1;  // Ơ, Ư
  if ((c >= 0x1E00 && c <= 0x1E95) || (c >= 0x1EA0 && c <= 0x1EFF)) return c % 2 == 0 ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic А … Я
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;                // Ѐ … Џ
  return c;
}

// Decodes a well-formed sequence as returned by SequenceLength (one to four bytes).
char32_t Decode(std::string_view ch) {
  const auto b0 = static_cast<unsigned char>(ch[0]);
  if (ch.size() == 1) return b0;
  char32_t c = ch.size() == 2 ? (b0 & 0x1F) : ch.size() == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (size_t k = 1; k < ch.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(ch[k]) & 0x3F);
  return c;
}

void Encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string_view Trim(std::string_view s, std::string_view characters = " \t") {
  const size_t b = s.find_first_not_of(characters);
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(characters) - b + 1);
}

std::string Plural(unsigned long long n, const char* one, const char* many) {
  return std::to_string(n) + (n == 1 ? one : many);
}

std::string DurationOfMagnitude(unsigned long long minutes, bool longForm) {
  const unsigned long long d = minutes / 1440, h = minutes % 1440 / 60, r = minutes % 60;
  if (!longForm) {
    std::string s = d >= 1 ? std::to_string(d) + "d " : "";
    return s + std::to_string(h) + "h " + std::to_string(r) + "m";
  }
  std::vector<std::string> parts;
  if (d >= 1) parts.push_back(Plural(d, " day", " days"));
  if (h >= 1) parts.push_back(Plural(h, " hour", " hours"));
  if (r >= 1) parts.push_back(Plural(r, " minute", " minutes"));
  if (parts.empty()) return "0 minutes";
  // "1 day, 1 hour and 5 minutes": only the last two parts are joined by "and".
  std::string s = parts[0];
  for (size_t i = 1; i < parts.size(); ++i) s += (i + 1 == parts.size() ? " and " : ", ") + parts[i];
  return s;
}

}  // namespace

std::string TruncateText(std::string_view text, long n) {
  if (n <= 0) return "";
  size_t i = 0;
  for (long k = 0; k < n && i < text.size(); ++k) i += SequenceLength(text, i);
  return std::string(text.substr(0, i));
}

std::string LowerCaseText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const auto ch : Characters(text)) {
    if (ch.size() == 1) {
      const char c = ch[0];
      out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
      continue;
    }
    const char32_t c = Decode(ch);
    const char32_t lower = LowerPartner(c);
    if (lower == c)
      out += ch;
    else
      Encode(lower, out);
  }
  return out;
}

std::string AlignmentSpaces(long long number, int width) {
  const int length = static_cast<int>(std::to_string(number).size());
  return width > length ? std::string(static_cast<size_t>(width - length), ' ') : std::string();
}

std::string KeepCharacters(std::string_view text, std::string_view allowed) {
  std::string out;
  for (const auto ch : Characters(text))
    if (InSet(ch, allowed)) out += ch;
  return out;
}

std::string SignedDigits(std::string_view text, bool allowMinus, bool allowPlus) {
  const std::string kept = KeepCharacters(text, "0123456789-+");
  if (kept.empty()) return "";
  std::string sign;
  std::string_view rest = kept;
  if (kept[0] == '-' || kept[0] == '+') {
    if ((kept[0] == '-' && allowMinus) || (kept[0] == '+' && allowPlus)) sign = kept.substr(0, 1);
    rest.remove_prefix(1);
  }
  return sign + KeepCharacters(rest, "0123456789");
}

void RemoveCharacters(std::string& text, std::string_view set) {
  std::string out;
  const std::string_view in(text);
  for (size_t i = 0; i < in.size();) {
    const size_t n = SequenceLength(in, i);
    if (!InSet(in.substr(i, n), set)) out += in.substr(i, n);
    i += n;
  }
  text = std::move(out);
}

std::string RemoveSpaces(std::string_view text) {
  std::string out(text);
  RemoveCharacters(out, " ");
  return out;
}

bool IsPlusMinusNumber(std::string_view text) {
  const std::string_view t = Trim(text);
  if (t.empty()) return false;
  if (t.find('-', 1) != std::string_view::npos || t.find('+', 1) != std::string_view::npos) return false;
  std::string rest(t);
  RemoveCharacters(rest, "0123456789-+,.");
  return rest.empty();
}

std::string DurationText(long long minutes, bool longForm) {
  // The magnitude is taken unsigned: the most negative count has no positive partner, and negating
  // it would hand the same value back for ever.
  if (minutes < 0)
    return "-" + DurationOfMagnitude(0ULL - static_cast<unsigned long long>(minutes), longForm);
  return DurationOfMagnitude(static_cast<unsigned long long>(minutes), longForm);
}

std::string OrdinalText(long long n) {
  if (n < 0) return std::to_string(n);
  const long long lastTwo = n % 100, last = n % 10;
  const char* suffix = (lastTwo >= 11 && lastTwo <= 13) ? "th"
                       : last == 1                      ? "st"
                       : last == 2                      ? "nd"
                       : last == 3                      ? "rd"
                                                        : "th";
  return std::to_string(n) + suffix;
}

std::string TwoDigits(long long n) { return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n); }

std::string Spaced(long long n) { return (n >= 0 ? " " : "") + std::to_string(n); }

std::string TrimmedText(std::string_view text, std::string_view characters) {
  return std::string(Trim(text, characters));
}

std::string RemoveLineBreaks(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != '\r' && c != '\n') out += c;
  }
  return out;
}

std::string EscapedText(std::string_view text, size_t maxCharacters) {
  std::string out;
  size_t count = 0;
  for (size_t i = 0; i < text.size();) {
    if (count == maxCharacters) {
      out += "…";
      break;
    }
    const size_t n = SequenceLength(text, i);
    const std::string_view ch = text.substr(i, n);
    i += n;
    ++count;
    const auto b = static_cast<unsigned char>(ch[0]);
    char escape[12];
    if (n == 1 && (b < 0x20 || b >= 0x7F)) {
      if (b == '\n')
        out += "\\n";
      else if (b == '\t')
        out += "\\t";
      else if (b == '\r')
        out += "\\r";
      else {
        std::snprintf(escape, sizeof escape, "\\x%02X", b);
        out += escape;
      }
    } else if (n == 2 && Decode(ch) < 0x80) {
      // An overlong form of an ASCII character, which some terminals would read as that character.
      for (const char c : ch) {
        std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
        out += escape;
      }
    } else if (n == 2 && Decode(ch) <= 0x9F) {
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(Decode(ch)));
      out += escape;
    } else {
      out += ch;
    }
  }
  return out;
}

std::string QuotedText(std::string_view text, size_t maxCharacters) {
  return "'" + EscapedText(text, maxCharacters) + "'";
}

// East Asian Wide and Fullwidth ranges of Unicode's EastAsianWidth.txt (UAX #11) that the
// program's texts use, and the combining diacritical marks (U+0300..U+036F), which take none.
size_t TextColumns(std::string_view text) {
  size_t columns = 0;
  for (const std::string_view ch : Characters(text)) {
    const char32_t c = SequenceLength(ch, 0) == ch.size() && ch.size() > 1 ? Decode(ch) : 0x20;
    if (c >= 0x300 && c <= 0x36F) continue;
    const bool wide =
        (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
        (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA960 && c <= 0xA97F) ||
        (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
        (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    columns += wide ? 2 : 1;
  }
  return columns;
}

}  // namespace mirvo
