#include "tests/support/TestDoubles.h"

#include <algorithm>

namespace mirvo {

bool MemorySettingsStore::Write(const std::string& key, const std::string& name, const std::string& value) {
  if (readOnly_ || key.empty()) return false;
  for (auto& e : entries_) {
    if (e.key == key && e.name == name) {
      e.value = value;
      return true;
    }
  }
  entries_.push_back({key, name, value});
  return true;
}

bool MemorySettingsStore::Read(const std::string& key, const std::string& name, std::string& value) const {
  for (const auto& e : entries_) {
    if (e.key == key && e.name == name) {
      value = e.value;
      return true;
    }
  }
  return false;
}

bool MemorySettingsStore::KeyExists(const std::string& key) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == key; });
}

}  // namespace mirvo
