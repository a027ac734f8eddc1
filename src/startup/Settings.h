#pragma once

#include <string>

namespace rivet {

// The long-list setting, key "longlist" of section "common": true unless the file holds an
// integer 0 (a missing or unreadable file, or a value that is not a number, read as true).
bool readLongList(const std::string& settingsFile);
// Writes the setting as "1" or "0"; fails with "%s に書き込めません".
void writeLongList(const std::string& settingsFile, bool longList);

} // namespace rivet
