#include "features/session/MainSettings.h"

namespace mirvo {

std::array<std::string, kLongitudeCount> DefaultZoneLabels() {
  std::array<std::string, kLongitudeCount> labels;
  for (int i = 0; i < kLongitudeCount; ++i) labels[static_cast<size_t>(i)] = ZoneLabel(kMinLongitude + i);
  return labels;
}

const std::string& MainSettings::zoneLabel() const {
  static const std::string kNone;
  const int i = longitude - kMinLongitude;
  return i >= 0 && i < kLongitudeCount ? zoneLabels[static_cast<size_t>(i)] : kNone;
}

}  // namespace mirvo
