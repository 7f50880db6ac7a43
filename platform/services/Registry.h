// One text value under the program's key of the per-user settings store, with the coded status
// texts the callers test: the first character is a status digit, "0" meaning success, the rest
// explains. Written over the SettingsStore interface so that tests can use a store in memory.
#pragma once

#include <string>

#include "platform/services/Services.h"

namespace mirvo {

// Root of every key of the maker's programs; callers pass the part after it (e.g. "\MIRVO").
inline constexpr char kRegistryRoot[] = "Software\\Brisvale Systems";
inline constexpr char kProgramKeyPart[] = "\\MIRVO";

// Writes value `name` under `key`. Status "0 New key created.", "0 Key already exists." or
// "Unable to create (or find) key. <code>", followed by two blanks and the store's message for
// the result.
std::string RegistryWrite(SettingsStore& store, const std::string& key, const std::string& name,
                          const std::string& value);

// Reads value `name` under `key` into `value` (trailing control characters removed). Status
// "0 OK", "1 Key not found or is empty.", "2 Name not specified." or "3 Name not found.".
std::string RegistryRead(const SettingsStore& store, const std::string& key, const std::string& name,
                         std::string& value);

// Stores `value` (an empty value as one blank, so that it reads back as present) under
// kRegistryRoot + keyPart. On failure with showErrors, tells the user which value was lost.
bool SaveRegistryValue(SettingsStore& store, Messages& messages, const std::string& keyPart,
                       const std::string& valueName, const std::string& value, bool showErrors);

// Reads kRegistryRoot + keyPart / valueName. On failure `value` becomes defaultValue (after the
// message, with showErrors).
bool ReadRegistryValue(const SettingsStore& store, Messages& messages, const std::string& keyPart,
                       const std::string& valueName, std::string& value, bool showErrors,
                       const std::string& defaultValue);

}  // namespace mirvo
