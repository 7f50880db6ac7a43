// A listing run from a window's event loop: started, stepped a slice at a time within a time
// budget, stopped. It gathers the text and the messages of the steps for the window to take
// between slices (so that no step is under way while a message box runs), ends a list whose
// header names a setting as soon as that setting changes, and keeps the dates listed (what
// "Save as iCalendar…" writes). A list that ends early says where and why in its last line.
#pragma once

#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "features/listings/Listings.h"

namespace mirvo {

class Reckoner;

class ListingRun {
 public:
  using Clock = std::chrono::steady_clock;
  using Message = TextOutput::Shown;

  explicit ListingRun(Reckoner& reckoner, std::function<Clock::time_point()> now = Clock::now);
  ListingRun(const ListingRun&) = delete;
  ListingRun& operator=(const ListingRun&) = delete;

  // Begins a listing in place of any other (which ends without a word) and writes its header.
  // False when it has ended already: nothing to list, or an error, queued as a message titled
  // errorTitle.
  bool Start(std::unique_ptr<Listing> listing, int mode, const std::string& errorTitle = kListingErrorTitle);
  // Steps until the budget is used, a message is queued or the listing ends; at least one step.
  // A stop asked for, or a changed setting, ends it first. False once it has ended.
  bool Step(Clock::duration budget);
  // The next Step ends the listing with the line of a stop by the user.
  void Stop() { stopAsked_ = true; }
  // The language of the running list's lines still to come and of its closing line; a list
  // started later takes its own from its inputs.
  void SetLanguage(Language language);
  // Ends at once, as the next Step would (the window closes under the list).
  void End();
  // Ends at once without a word; what was not taken is dropped, nothing counts as listed.
  void Abandon();

  bool running() const { return listing_ != nullptr; }
  bool stopAsked() const { return stopAsked_; }
  bool longList() const { return listing_ && listing_->Long(); }
  std::optional<int32_t> yearReached() const;
  // Counts the listings begun and ended: a caller that showed a message compares it to see
  // whether its listing is still the one running.
  unsigned generation() const { return generation_; }

  // The text written since the last call.
  std::string TakeText();
  // The oldest message not yet taken; false when there is none.
  bool TakeMessage(Message& message);
  // The dates the last listing listed, up to its end; empty while it runs.
  const ListedDates& listed() const { return listed_; }
  void ForgetListed() { listed_ = ListedDates{}; }

 private:
  struct Settings {
    Country country;
    int meridian;
    Epoch epoch;
    SunMethod method;
    bool historical;
    bool operator==(const Settings&) const = default;
  };
  Settings Current() const;
  // The setting named in the list's header that differs from its start ("the country", …).
  ListChange ChangedSetting() const;
  void Close(ListChange why, bool early);
  void Failed(const std::exception& e);

  Reckoner& reckoner_;
  std::function<Clock::time_point()> now_;
  TextOutput out_;  // what the steps wrote and asked to show, until the window takes it
  std::unique_ptr<Listing> listing_;
  int mode_ = 0;
  std::string errorTitle_;
  Settings settings_{};
  Language language_ = Language::kEnglish;
  bool stopAsked_ = false;
  unsigned generation_ = 0;
  ListedDates listed_;
};

}  // namespace mirvo
