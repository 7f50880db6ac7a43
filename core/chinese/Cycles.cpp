#include <array>
#include <cctype>

#include "core/chinese/Cycles.h"
#include "util/Numbers.h"

namespace mirvo {
namespace {

constexpr std::array<std::string_view, 5> kElements = {"wood", "fire", "earth", "metal", "water"};
constexpr std::array<std::string_view, 10> kStems = {"jia", "yi",   "bing", "ding", "wu",
                                                     "ji",  "geng", "xin",  "ren",  "gui"};
constexpr std::array<std::string_view, 12> kBranches = {"zi", "chou", "yin",  "mao", "chen", "si",
                                                        "wu", "wei",  "shen", "you", "xu",   "hai"};
// Animals of China; entries 3, 7 and 11 are the ones the countries name differently.
constexpr std::array<std::string_view, 12> kAnimals = {
    "rat", "ox", "tiger", "rabbit", "dragon", "snake", "horse", "sheep", "monkey", "rooster", "dog", "pig"};

// Vietnam calls the fourth branch the cat and the eighth the goat; Japan calls the twelfth the boar.
std::string_view CountryAnimal(int animal, Country country) {
  if (country == kVietnam) {
    if (animal == 3) return "cat";
    if (animal == 7) return "goat";
  } else if (country == kJapan) {
    if (animal == 11) return "boar";
  }
  return kAnimals[static_cast<size_t>(animal)];
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

int16_t ElementOfPosition(int p) { return static_cast<int16_t>(FloorMod(p - 1, 10) / 2); }

int16_t AnimalOfPosition(int p) { return static_cast<int16_t>(FloorMod(p - 1, 12)); }

int16_t StemOfPosition(int p) { return static_cast<int16_t>(FloorMod(p - 1, 10) + 1); }

int16_t BranchOfPosition(int p) { return static_cast<int16_t>(FloorMod(p - 1, 12) + 1); }

// Solves p ≡ stem (mod 10), p ≡ branch (mod 12) for an element (a pair of stems) and an animal:
// the animal's parity picks the stem of the pair, and the offset f brings 12e − 5a into 1..60.
int16_t PositionOfElementAnimal(int element, int animal) {
  if (element < 0 || element > 4 || animal < 0 || animal > 11) return 0;
  int f;
  if (animal % 2 == 0)
    f = (2 * element >= animal) ? 1 : 61;
  else
    f = (2 * element + 1 >= animal) ? 7 : 67;
  return static_cast<int16_t>(12 * element - 5 * animal + f);
}

// The sexagenary day count is unbroken since antiquity; day number 11 is jia-zi (position 1), so
// 2000-01-01 (2451545) is wu-wu, position 55.
int16_t DayPosition(int32_t jdn) { return static_cast<int16_t>(FloorMod(int64_t{jdn} + 49, 60) + 1); }

// The classical month rule: month 1 is always a tiger (yin) month and the stems follow the year's
// stem in five-year groups, so a jia or ji year opens with bing-yin. A leap month repeats the pair
// of the ordinary month it follows, which is why only the month number is used.
std::pair<int16_t, int16_t> MonthElementAnimal(const ChlDate& date) {
  const int stemIndex = FloorMod(12 * int64_t{FloorMod(date.position, 5)} + date.month - 1, 10);
  return {static_cast<int16_t>(stemIndex / 2), static_cast<int16_t>(FloorMod(date.month + 1, 12))};
}

std::pair<int16_t, int16_t> YearElementAnimal(int position) {
  return {ElementOfPosition(position), AnimalOfPosition(position)};
}

std::string_view ElementName(int element) {
  if (element < 0 || element >= static_cast<int>(kElements.size())) return {};
  return kElements[static_cast<size_t>(element)];
}

std::string_view AnimalName(int animal, Country country) {
  if (animal < 0 || animal >= static_cast<int>(kAnimals.size())) return {};
  return CountryAnimal(animal, country);
}

std::string_view StemName(int stem) {
  if (stem < 1 || stem > static_cast<int>(kStems.size())) return {};
  return kStems[static_cast<size_t>(stem - 1)];
}

std::string_view BranchName(int branch) {
  if (branch < 1 || branch > static_cast<int>(kBranches.size())) return {};
  return kBranches[static_cast<size_t>(branch - 1)];
}

std::string ElementAnimalText(int p, Country country) {
  std::string text(ElementName(ElementOfPosition(p)));
  text += '-';
  text += AnimalName(AnimalOfPosition(p), country);
  return text;
}

std::string StemBranchText(int p) {
  std::string text(StemName(StemOfPosition(p)));
  text += '-';
  text += BranchName(BranchOfPosition(p));
  return text;
}

std::string ElementAnimalPhrase(int p, Country country) {
  return ElementAnimalText(p, country) + " (" + StemBranchText(p) + ")";
}

std::string ChosenElementAnimalPhrase(int element, int animal, Country country) {
  const bool hasElement = element >= 0 && element < 5;
  const bool hasAnimal = animal >= 0 && animal < 12;
  if (hasElement && hasAnimal) return ElementAnimalPhrase(PositionOfElementAnimal(element, animal), country);
  // An element alone stands for its two stems, an animal alone for its branch.
  if (hasElement) {
    return std::string(ElementName(element)) + "- (" + std::string(StemName(2 * element + 1)) + "-, " +
           std::string(StemName(2 * element + 2)) + "-)";
  }
  if (!hasAnimal) return "";
  return "-" + std::string(AnimalName(animal, country)) + " (-" + std::string(BranchName(animal + 1)) + ")";
}

std::string DayElementAnimalText(int32_t jdn, Country country) {
  return ElementAnimalText(DayPosition(jdn), country);
}

std::string DayStemBranchText(int32_t jdn) { return StemBranchText(DayPosition(jdn)); }

std::string MonthNameText(const ChlDate& date, Country country, bool withStemBranch, bool stemBranchFirst) {
  const auto [element, animal] = MonthElementAnimal(date);
  const int p = PositionOfElementAnimal(element, animal);
  const std::string names = ElementAnimalText(p, country);
  if (!withStemBranch) return names;
  if (stemBranchFirst) return StemBranchText(p) + " " + names;
  return names + " " + StemBranchText(p) + " ";
}

// Names are matched without regard to letter case: the drop-down lists hold lower-case names, but
// a typed or upper-cased date text ("70-?-12-30 FIRE-DOG") must find the same entry.
int ElementIndexOf(std::string_view name) {
  for (size_t i = 0; i < kElements.size(); ++i) {
    if (EqualIgnoringCase(name, kElements[i])) return static_cast<int>(i);
  }
  return -1;
}

int AnimalIndexOf(std::string_view name, Country country) {
  for (int i = 0; i < static_cast<int>(kAnimals.size()); ++i) {
    if (EqualIgnoringCase(name, CountryAnimal(i, country))) return i;
  }
  return -1;
}

}  // namespace mirvo
