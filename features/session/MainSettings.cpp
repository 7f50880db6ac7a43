#include "features/session/MainSettings.h"

namespace mirvo {

std::array<std::string, kLongitudeCount> DefaultZoneLabels() {
  std::array<std::string, kLongitudeCount> labels;
  for (int i = 0; i < kLongitudeCount; ++i) labels[static_cast<size_t>(i)] = ZoneLabel(kMinLongitude + i);
  return labels;
}

std::string MainSettings::zoneLabel() const {
  const int i = longitude - kMinLongitude;
  if (i < 0 || i >= kLongitudeCount) return "";
  const std::string& label = zoneLabels[static_cast<size_t>(i)];
  return label == ZoneLabel(longitude) ? ZoneLabelOf(country, longitude) : label;
}

}  // namespace mirvo
