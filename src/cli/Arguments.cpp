#include "cli/Arguments.h"

namespace rivet::cli {

std::optional<JsonArguments> parseJsonArguments(const std::vector<std::string>& arguments)
{
    JsonArguments parsed;
    for (const auto& argument : arguments) {
        if (argument == "--json") {
            parsed.json = true;
        } else if (!argument.empty() && argument[0] == '-' && argument != "-") {
            return std::nullopt;
        } else {
            parsed.names.push_back(argument);
        }
    }
    return parsed;
}

} // namespace rivet::cli
