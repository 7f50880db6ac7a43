#include "features/listings/ListingRun.h"

#include <utility>

#include "core/chinese/Reckoner.h"

namespace mirvo {

ListingRun::ListingRun(Reckoner& reckoner, std::function<Clock::time_point()> now)
    : reckoner_(reckoner), now_(std::move(now)) {}

ListingRun::Settings ListingRun::Current() const {
  return {reckoner_.CountryIndex(), reckoner_.ReferenceMeridian(), reckoner_.Epoch(), reckoner_.SunMethod(),
          reckoner_.Historical()};
}

ListChange ListingRun::ChangedSetting() const {
  const Settings now = Current();
  if (now.country != settings_.country) return ListChange::kCountry;
  if (now.meridian != settings_.meridian) return ListChange::kLongitude;
  if (now.epoch != settings_.epoch) return ListChange::kEpoch;
  if (now.method != settings_.method) return ListChange::kMethod;
  if (now.historical != settings_.historical) return ListChange::kHistory;
  return ListChange::kNone;
}

void ListingRun::SetLanguage(Language language) {
  language_ = language;
  if (listing_) listing_->SetLanguage(language);
}

bool ListingRun::Start(std::unique_ptr<Listing> listing, int mode, const std::string& errorTitle) {
  Abandon();
  if (!listing) return false;
  ++generation_;
  listing_ = std::move(listing);
  language_ = listing_->language();
  mode_ = mode;
  errorTitle_ = errorTitle;
  settings_ = Current();
  stopAsked_ = false;
  bool started = false;
  try {
    started = listing_->Start(out_);
  } catch (const std::exception& e) {
    Failed(e);
  }
  if (!started) Close(ListChange::kNone, false);
  return started;
}

bool ListingRun::Step(Clock::duration budget) {
  if (!listing_) return false;
  if (const ListChange why = ChangedSetting(); why != ListChange::kNone || stopAsked_) {
    Close(why, true);
    return false;
  }
  const Clock::time_point end = now_() + budget;
  bool more = true;
  try {
    while ((more = listing_->Step(out_)) && out_.messages.empty() && now_() < end) {}
  } catch (const std::exception& e) {
    Failed(e);
    more = false;
  }
  if (!more) Close(ListChange::kNone, false);
  return more;
}

void ListingRun::End() {
  if (listing_) Close(ChangedSetting(), true);
}

void ListingRun::Abandon() {
  out_.text.clear();
  out_.messages.clear();
  listed_ = ListedDates{};
  if (!listing_) return;
  listing_.reset();
  ++generation_;
}

std::optional<int32_t> ListingRun::yearReached() const {
  return listing_ ? listing_->YearReached() : std::nullopt;
}

std::string ListingRun::TakeText() { return std::exchange(out_.text, {}); }

bool ListingRun::TakeMessage(Message& message) {
  if (out_.messages.empty()) return false;
  message = std::move(out_.messages.front());
  out_.messages.erase(out_.messages.begin());
  return true;
}

// An error ends the listing with its description in a box: the error icon for the new years,
// the warning icon for the others.
void ListingRun::Failed(const std::exception& e) {
  out_.Message(errorTitle_, e.what(), mode_ == kModeNewYears ? MessageIcon::kError : MessageIcon::kWarning);
}

// The end of every listing: what it holds back, the line of an early end, and its dates.
void ListingRun::Close(ListChange why, bool early) {
  try {
    listing_->Finish(out_);
  } catch (const std::exception&) {
    // Only held-back text is written here; nothing to report beyond the step's own error.
  }
  if (early && ListsYears(mode_)) out_.Append(EndedEarlyLine(listing_->YearReached(), why, language_));
  if (const ListedDates* dates = listing_->Dates()) listed_ = *dates;
  listing_.reset();
  ++generation_;
}

}  // namespace mirvo
