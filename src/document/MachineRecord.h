#pragma once

#include "document/Machine.h"

#include <string>

namespace rivet {

class IniFile;

// A machine written whole into one section of an INI file, so that reading it back gives
// exactly the same machine: every text (names, picture files, description, the twenty cells
// of the colour rows) as the hexadecimal of its UTF-8 bytes, which no trimming, quoting or
// cutting of the dialect touches, and the positions, ticks and settings as numbers. Unlike
// the ".asm" file it loses nothing (empty description lines, blanks at the ends, long texts);
// the tool keeps its recovery files this way.
void writeMachineRecord(IniFile& ini, const std::string& section, const Machine& machine);

// The machine of such a section; a missing or damaged entry fails with "範囲チェックエラー"
// or the conversion error of the Overview.
Machine readMachineRecord(const IniFile& ini, const std::string& section);

// The hexadecimal form of bytes, and back (a text that is no such form fails as above).
std::string toHex(const std::string& bytes);
std::string fromHex(const std::string& hex);

} // namespace rivet
