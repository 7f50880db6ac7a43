// The list of the festivals and seasonal days of the country over N years from the instant's CE
// year, one line a day, as `mirvo-cli list festivals` prints it.
#include <memory>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/display/Phrases.h"
#include "features/listings/ListingTexts.h"
#include "features/listings/Listings.h"

namespace mirvo {
namespace {

class FestivalList : public Listing {
 public:
  FestivalList(Reckoner& reckoner, const ListingInputs& inputs, const ListingOptions& options)
      : reckoner_(reckoner), inputs_(inputs), options_(options) {}

  bool Start(ListingOutput& out) override {
    year_ = CeYearOfJdn(JdnOf(CjdlFromAjd(inputs_.ajd)));
    dates_.kind = ListedDates::kFestivals;
    dates_.country = inputs_.country;
    dates_.longitude = reckoner_.ReferenceLongitude();
    dates_.epoch = reckoner_.Epoch();
    dates_.historical = reckoner_.Historical();
    dates_.language = inputs_.language;
    dates_.festivalCountry = inputs_.festivals ? inputs_.festivals->Country(inputs_.country) : nullptr;
    out.Append(Header());
    if (dates_.festivalCountry == nullptr)
      out.Append(ListingWorded(language(), ListingPhrase::kNoFestivalTable, {}));
    return dates_.festivalCountry != nullptr;
  }

  // One year a step: a year of festivals is a pass over its term tables.
  bool Step(ListingOutput& out) override {
    if (listed_ >= options_.years) return false;
    const int32_t year = year_ + listed_;
    std::string text;
    for (const FestivalDay& day : inputs_.festivals->DaysOfYear(reckoner_, year)) {
      if (day.jdn < listing::kFirstListedDay || day.jdn > listing::LastListedDay()) continue;
      ChlDate chl;
      reckoner_.DayToChl(day.jdn, reckoner_.Epoch(), chl);
      text += Line(day, chl);
      dates_.festivals.push_back(day);
      dates_.festivalLunarDates.push_back(chl);
    }
    out.Append(text);
    ++listed_;
    return listed_ < options_.years;
  }

  bool Long() const override { return options_.years > 5; }
  std::optional<int32_t> YearReached() const override {
    if (listed_ == 0) return std::nullopt;
    return year_ + listed_ - 1;
  }
  const ListedDates* Dates() const override { return &dates_; }

 private:
  std::string Header() const {
    const std::string longitude = std::to_string(reckoner_.ReferenceLongitude());
    if (language() != Language::kEnglish) {
      return ListingWorded(language(), ListingPhrase::kFestivalsHeader,
                           {std::to_string(year_), std::to_string(options_.years), longitude,
                            CountryWord(language(), inputs_.country)});
    }
    return "Festivals and seasonal days from " + std::to_string(year_) + ", " +
           std::to_string(options_.years) + (options_.years == 1 ? " year" : " years") + "\n(longitude " +
           longitude + "º E, " + listing::CountryName(inputs_.country) + ")\n";
  }

  // The names are those of the list's language; the lunar date keeps its code notation.
  std::string Line(const FestivalDay& day, const ChlDate& chl) {
    std::string line = listing::DateText(listing::DateOfJdn(day.jdn, false)) + " CE  " +
                       (chl.valid ? reckoner_.ChlDateText(chl, 0, "CHL") : std::string("-")) + "  " +
                       day.festival->name(language());
    if (day.lastJdn > day.jdn) {
      line += ListingWorded(language(), ListingPhrase::kFestivalUntil,
                            {listing::DateText(listing::DateOfJdn(day.lastJdn, false))});
    }
    if (const std::string note = UncertainFestivalNote(day); !note.empty()) {
      line += ListingWorded(language(), ListingPhrase::kFestivalUncertain, {note});
    }
    return line + "\n";
  }

  Reckoner& reckoner_;
  ListingInputs inputs_;
  ListingOptions options_;
  int32_t year_ = 0;
  int listed_ = 0;
  ListedDates dates_;
};

}  // namespace

std::unique_ptr<Listing> MakeFestivalList(Reckoner& reckoner, const ListingInputs& inputs,
                                          const ListingOptions& options) {
  return std::make_unique<FestivalList>(reckoner, inputs, options);
}

}  // namespace mirvo
