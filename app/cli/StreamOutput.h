// A listing of the data window written to the command's output as it is made, so that a long list
// needs no more memory than a short one; the window's messages are kept for stderr. The listing
// stops once the output has failed (a full disk, a reader that has gone).
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "features/listings/Listings.h"

namespace mirvo::cli {

class StreamOutput : public ListingOutput {
 public:
  explicit StreamOutput(std::ostream& out) : out_(out) {}
  void Append(std::string_view text) override { out_ << text; }
  void Message(const std::string& title, const std::string& text, MessageIcon icon) override {
    messages.push_back({title, text, icon});
  }
  bool StopRequested() const override { return !out_; }

  std::vector<TextOutput::Shown> messages;

 private:
  std::ostream& out_;
};

}  // namespace mirvo::cli
