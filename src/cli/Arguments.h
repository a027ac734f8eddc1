#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rivet::cli {

// The arguments of a command that takes "--json" and plain names, in any order.
struct JsonArguments
{
    bool json = false;
    std::vector<std::string> names;
};

// Nothing when an option other than "--json" is given ("-" alone is a name).
std::optional<JsonArguments> parseJsonArguments(const std::vector<std::string>& arguments);

// The number of a selector name "cb1".."cb11"; nothing for any other text.
std::optional<int> selectorNumber(const std::string& name);

// The figure named "ed1".."ed16" as its index 0..15; -1 for any other name.
int figureIndexOf(const std::string& name);

} // namespace rivet::cli
