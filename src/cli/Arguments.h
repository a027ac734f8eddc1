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

} // namespace rivet::cli
