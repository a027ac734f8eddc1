#pragma once

#include "cli/JsonLine.h"
#include "document/MachineDocument.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace rivet::cli {

// One machine as a JSON object: the file it came from (null for none), its selectors, options
// and sixteen figures as the window shows them.
Json machineJson(const std::optional<std::string>& file, const MachineDocument& document);

// The text with blanks before it up to the given Shift-JIS width, as the tables line up
// their numbers; never cut.
std::string rightAligned(const std::string& text, int width);

// One machine as a readable table: a heading line, the parts, the options and the figures.
void writeMachineTable(std::ostream& out, const std::string& heading, const MachineDocument& document);

} // namespace rivet::cli
