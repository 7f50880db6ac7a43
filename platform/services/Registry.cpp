#include "platform/services/Registry.h"

#include <algorithm>

namespace mirvo {
namespace {

// Result codes in the numbering the status texts have always carried (those of the Windows
// registry functions), so that a status read in a log means the same on every platform.
constexpr int kSuccess = 0;
constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;

std::string ResultMessage(int code) {
  switch (code) {
    case kSuccess: return "The operation completed successfully.";
    case kFileNotFound: return "The system cannot find the file specified.";
    case kAccessDenied: return "Access is denied.";
    default: return "Unknown error " + std::to_string(code) + ".";
  }
}

bool StartsWithZero(const std::string& status) { return !status.empty() && status[0] == '0'; }

}  // namespace

std::string RegistryWrite(SettingsStore& store, const std::string& key, const std::string& name,
                          const std::string& value) {
  const bool existed = store.KeyExists(key);
  if (!store.Write(key, name, value)) {
    return "Unable to create (or find) key. " + std::to_string(kAccessDenied) + "  " +
           ResultMessage(kAccessDenied);
  }
  return std::string(existed ? "0 Key already exists." : "0 New key created.") + "  " +
         ResultMessage(kSuccess);
}

std::string RegistryRead(const SettingsStore& store, const std::string& key, const std::string& name,
                         std::string& value) {
  value.clear();
  if (key.empty() || !store.KeyExists(key)) return "1 Key not found or is empty.";
  if (name.empty()) return "2 Name not specified.";
  std::string stored;
  if (!store.Read(key, name, stored) || stored.empty()) return "3 Name not found.";
  // Values written by other tools may carry a terminating NUL or a line end.
  auto end = std::find_if(stored.rbegin(), stored.rend(), [](unsigned char c) { return c >= 32; }).base();
  value.assign(stored.begin(), end);
  return "0 OK";
}

bool SaveRegistryValue(SettingsStore& store, Messages& messages, const std::string& keyPart,
                       const std::string& valueName, const std::string& value, bool showErrors) {
  const std::string stored = value.empty() ? " " : value;
  const bool ok =
      StartsWithZero(RegistryWrite(store, std::string(kRegistryRoot) + keyPart, valueName, stored));
  if (!ok && showErrors) {
    messages.Show(
        "",
        "Error saving to registry:\nstrKey=" + keyPart + "\nstrName=" + valueName + "\nstrValue=" + stored,
        MessageIcon::kWarning, MessageButtons::kOk);
  }
  return ok;
}

bool ReadRegistryValue(const SettingsStore& store, Messages& messages, const std::string& keyPart,
                       const std::string& valueName, std::string& value, bool showErrors,
                       const std::string& defaultValue) {
  value.clear();
  const bool ok = StartsWithZero(RegistryRead(store, std::string(kRegistryRoot) + keyPart, valueName, value));
  if (!ok) {
    if (showErrors) {
      messages.Show("",
                    "Error restoring from registry:\nstrKey=" + keyPart + "\nstrName=" + valueName +
                        "\nstrValue=" + value + "\nstrDefaultValueOnError=" + defaultValue,
                    MessageIcon::kWarning, MessageButtons::kOk);
    }
    value = defaultValue;
  }
  return ok;
}

}  // namespace mirvo
