#pragma once

#include <string>
#include <vector>

namespace rivet {

// The built-in "template1.htm" (40 lines) and "template1.txt" (29 lines).
const std::vector<std::string>& defaultHtmlTemplate();
const std::vector<std::string>& defaultTextTemplate();

} // namespace rivet
