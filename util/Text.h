// Small text helpers used all over the program: cutting and cleaning texts, character filters,
// counting, an accent-folding lower case, list search, durations in words and English ordinals.
// Texts are UTF-8; "character" below means one code point, never a byte of a multi-byte sequence.
// Every function is pure (three of them edit the text passed by reference) and keeps no state.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mirvo {

// The first n characters when 0 < n < length, the whole text when n >= length, "" when n <= 0.
std::string TruncateText(std::string_view text, long n);

// Lower case: ASCII letters, the 30 accented capitals "ŠŸÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝ" folded to
// "šÿàáâãäåçèéêëìíîïðñòóôõöøùúûüý", and beyond that table the other Latin capitals (among them
// the Vietnamese Đ, Ơ, Ư, Ấ, Ộ …), Greek and Cyrillic. Anything else, including malformed UTF-8
// bytes, is kept as it is.
std::string LowerCaseText(std::string_view text);

// The spaces that right-align the plain decimal text of number in width columns ("" when the
// number is already as wide or wider).
std::string AlignmentSpaces(long long number, int width);

// The characters of text that occur in allowed, in their order.
std::string KeepCharacters(std::string_view text, std::string_view allowed);

// An optional leading sign followed by the digits of text. Only "0123456789-+" are looked at;
// the first of those is the sign when it is "-" (kept only with allowMinus) or "+" (kept only with
// allowPlus). SignedDigits("year -44 BC", false, false) == "44".
std::string SignedDigits(std::string_view text, bool allowMinus, bool allowPlus);

// Removes every character of text that occurs in set.
void RemoveCharacters(std::string& text, std::string_view set);
std::string RemoveSpaces(std::string_view text);

// True when text (blanks at both ends ignored) is a number of days for "plus/minus": only the
// characters "0123456789-+,." with a sign, if any, in front. "+1,000.5" and "-3" are; "1-2", "1+",
// "1 2" and "" are not.
bool IsPlusMinusNumber(std::string_view text);

// Numbers in date texts: "07" for 7 (no padding below 0 or from 10 on), and " 7" / "-7" for a
// number in a generated sentence, which carries a leading blank when it is not negative.
std::string TwoDigits(long long n);
std::string Spaced(long long n);

// The text without the given characters at either end (blanks by default).
std::string TrimmedText(std::string_view text, std::string_view characters = " ");

// The text without its CR and LF characters.
std::string RemoveLineBreaks(std::string_view text);

// A value that came from outside (an argument, a file name) as a message quotes it: in single
// quotes, at most the first maxCharacters characters (then "…"), and every control character
// (C0, DEL, C1) and malformed byte written as an escape ("\n", "\t", "\x1B", "\u009B"), so
// that a message stays on one line and a terminal never acts on what it shows.
std::string QuotedText(std::string_view text, size_t maxCharacters = 80);
// The same without the quotes.
std::string EscapedText(std::string_view text, size_t maxCharacters = 80);

// A duration of whole minutes. Long form: "1 day, 1 hour and 5 minutes", "2 days", "1 hour",
// "0 minutes". Short form: "1d 1h 5m", "1h 5m", "0h 5m". A negative duration is written as the
// duration of its magnitude preceded by "-".
std::string DurationText(long long minutes, bool longForm);

// n with its English ordinal suffix: 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st, 111th.
// A negative n gives just its number.
std::string OrdinalText(long long n);

// The columns a text takes in a terminal: two for the wide characters of East Asian scripts (Han,
// Kana, Hangul, fullwidth forms), none for combining marks, one for any other character.
size_t TextColumns(std::string_view text);

}  // namespace mirvo
