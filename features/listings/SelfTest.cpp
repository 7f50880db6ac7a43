// The conversion self-test: lunar and solar dates to day numbers and back.
#include <cmath>
#include <random>
#include <string>
#include <type_traits>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/listings/ListingTexts.h"
#include "features/listings/Listings.h"
#include "util/Text.h"

namespace mirvo {
namespace {

// A date of either kind that converts to a day number must come back from that day unchanged.
template <typename Date, typename Same, typename Text>
bool RoundTrip(Reckoner& reckoner, Date date, bool valid, Same same, Text text, ListingOutput& out) {
  if (!valid) {
    out.Append("0");
    return true;
  }
  // A solar date goes back through the terms of the Sun method that gave its day, as ChsToDay
  // honours the setting; the date the window shows is always the true sun's.
  Date back;
  if constexpr (std::is_same_v<Date, ChsDate>) {
    reckoner.DayToChs(date.jdn, reckoner.Epoch(), reckoner.SunMethod(), back);
  } else {
    reckoner.DayToChl(date.jdn, reckoner.Epoch(), back);
  }
  if (back.valid && same(date, back)) {
    out.Append("1");
    return true;
  }
  out.Append("\n" + text(date) + " ->" + Spaced(date.jdn) + " but\n" + std::to_string(back.jdn) + " -> " +
             text(back) + "\n");
  return false;
}

}  // namespace

bool TestChineseDates(Reckoner& reckoner, ChsDate chs, ChlDate chl, ListingOutput& out) {
  const bool chsValid = reckoner.ChsToDay(chs);
  const bool solarOk = RoundTrip(
      reckoner, chs, chsValid,
      [](const ChsDate& a, const ChsDate& b) {
        return a.cycle == b.cycle && a.position == b.position && a.term == b.term && a.day == b.day;
      },
      [&](const ChsDate& d) { return reckoner.ChsDateText(d, false); }, out);
  if (!solarOk) return false;
  const bool chlValid = reckoner.ChlToDay(chl) == kChlValid;
  return RoundTrip(
      reckoner, chl, chlValid,
      [](const ChlDate& a, const ChlDate& b) {
        return a.cycle == b.cycle && a.position == b.position && a.month == b.month && a.leap == b.leap &&
               a.day == b.day;
      },
      [&](const ChlDate& d) { return reckoner.ChlDateText(d, 0, "CHL"); }, out);
}

bool TestDateEntry(Reckoner& reckoner, int parseStatus, double ajd, ListingOutput& out) {
  if (parseStatus != 0) {
    out.Append("Error code =" + Spaced(parseStatus) + "\n");
    return true;
  }
  ChsDate chs;
  ChlDate chl;
  reckoner.DayToChinese(CjdcFromAjd(ajd, reckoner.ReferenceDegrees()), reckoner.Epoch(), chs, chl);
  return TestChineseDates(reckoner, chs, chl, out);
}

RandomSelfTest::RandomSelfTest(Reckoner& reckoner, int count, uint64_t seed)
    : reckoner_(reckoner), count_(count), random_(seed) {}

bool RandomSelfTest::Start(ListingOutput& out) {
  out.Append("\nDoing " + std::to_string(count_) + " random solar,lunar -> JDN -> solar,lunar");
  return true;
}

// Each field is drawn a little beyond its valid values, so that refused dates are tested too:
// cycles -10..189 (years -3356..8643 under either epoch), positions -2..61, terms -2..25, months
// -2..12 with one in ten a leap month, solar days -2..15 and lunar days -2..31.
bool RandomSelfTest::Step(ListingOutput& out) {
  if (done_ >= count_ || failed_) return false;
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  auto draw = [&](double scale, int offset) {
    return static_cast<int32_t>(std::floor(scale * unit(random_))) - offset;
  };
  ChsDate chs;
  ChlDate chl;
  chs.cycle = chl.cycle = draw(200, 10);
  chs.position = chl.position = draw(64, 2);
  chs.term = draw(28, 2);
  chl.month = draw(15, 2);
  chl.leap = unit(random_) < 0.1 ? 1 : 0;
  chs.day = draw(18, 2);
  chl.day = draw(34, 2);
  chs.epoch = chl.epoch = reckoner_.Epoch();
  ++done_;
  if (!TestChineseDates(reckoner_, chs, chl, out)) {
    failed_ = true;
    return false;
  }
  return done_ < count_;
}

}  // namespace mirvo
