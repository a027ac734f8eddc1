#pragma once

#include <string>

namespace rivet::cli {

// True when both names lead to one existing file (through links, "./" or another spelling).
bool sameFile(const std::string& a, const std::string& b);

} // namespace rivet::cli
