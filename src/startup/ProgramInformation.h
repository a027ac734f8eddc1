#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rivet {

// The window program's answers to "--help" (or "-h") and "--version" as its first argument,
// printed to out before any window or display exists. Returns the exit code, or nothing when
// the window is to start (every other first argument is a file to open).
std::optional<int> answerInformationRequest(const std::vector<std::string>& arguments, std::ostream& out);

} // namespace rivet
