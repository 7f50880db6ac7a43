#include "app/cli/Args.h"

#include <charconv>

#include "util/Text.h"

namespace mirvo::cli {

Args::Args(const std::vector<std::string>& argv, const std::set<std::string>& valueOptions,
           const std::set<std::string>& flagOptions) {
  bool optionsEnded = false;
  for (size_t i = 0; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    if (optionsEnded) {
      positional_.push_back(a);
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    // "--name" options; a lone "-" or a negative number such as "-44-03-15" is positional.
    if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
      i = readOption(argv, i, valueOptions, flagOptions);
    } else {
      positional_.push_back(a);
    }
  }
}

size_t Args::readOption(const std::vector<std::string>& argv, size_t i,
                        const std::set<std::string>& valueOptions, const std::set<std::string>& flagOptions) {
  std::string name = argv[i].substr(2);
  std::string inlineValue;
  bool hasInline = false;
  if (auto eq = name.find('='); eq != std::string::npos) {
    inlineValue = name.substr(eq + 1);
    name = name.substr(0, eq);
    hasInline = true;
  }
  if (name == "help" || flagOptions.count(name)) {
    if (hasInline) throw UsageError("option --" + name + " takes no value");
    flags_.insert(name);
  } else if (valueOptions.count(name)) {
    if (hasInline) {
      values_[name] = inlineValue;
    } else {
      if (i + 1 >= argv.size()) throw UsageError("option --" + name + " needs a value");
      values_[name] = argv[++i];
    }
  } else {
    throw UsageError("unknown option --" + EscapedText(name));
  }
  return i;
}

bool Args::has(const std::string& name) const { return flags_.count(name) || values_.count(name); }

std::optional<std::string> Args::value(const std::string& name) const {
  auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string Args::value(const std::string& name, const std::string& fallback) const {
  return value(name).value_or(fallback);
}

std::optional<long> Args::integer(const std::string& name, long lo, long hi) const {
  auto v = value(name);
  if (!v) return std::nullopt;
  long n = 0;
  const char* first = v->data();
  const char* last = v->data() + v->size();
  if (first != last && *first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, n);
  if (ec != std::errc() || ptr != last || first == last)
    throw UsageError("--" + name + " needs a whole number, not " + QuotedText(*v));
  if (n < lo || n > hi)
    throw UsageError("--" + name + " must be from " + std::to_string(lo) + " to " + std::to_string(hi));
  return n;
}

bool Args::tsv() const {
  const std::string f = value("format", "text");
  if (f == "tsv") return true;
  if (f == "text") return false;
  throw UsageError("--format must be text or tsv");
}

std::pair<Country, int> MeridianOptions(const Args& args) {
  Country country = kChina;
  int longitude = 120;
  if (auto c = args.value("country")) {
    if (*c == "vietnam") {
      country = kVietnam;
      longitude = 105;
    } else if (*c == "china") {
      country = kChina;
      longitude = 120;
    } else if (*c == "japan") {
      country = kJapan;
      longitude = 135;
    } else if (*c == "korea") {
      country = kKorea;
      longitude = 135;
    } else
      throw UsageError("--country must be vietnam, china, japan or korea");
  }
  if (auto l = args.integer("longitude", 100, 145)) {
    if (args.has("country") && *l != longitude) {
      // An explicit meridian wins; the country still names the animals.
    }
    longitude = static_cast<int>(*l);
  }
  return {country, longitude};
}

Language LanguageOption(const Args& args) {
  const auto tag = args.value(kLanguageOption);
  if (!tag) return Language::kEnglish;
  if (auto language = LanguageFromTag(*tag)) return *language;
  throw UsageError("--lang must be en, zh-Hans, zh-Hant, vi, ja or ko, not " + QuotedText(*tag));
}

}  // namespace mirvo::cli
