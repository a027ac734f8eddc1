#include "cli/Arguments.h"

#include "catalogue/PartsTable.h"
#include "evaluation/FigureTexts.h"

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

std::optional<int> selectorNumber(const std::string& name)
{
    for (int selector = 1; selector <= kSelectorCount; ++selector) {
        if (name == "cb" + std::to_string(selector)) {
            return selector;
        }
    }
    return std::nullopt;
}

int figureIndexOf(const std::string& name)
{
    for (int i = 0; i < kFigureCount; ++i) {
        if (name == figureLabelName(i)) {
            return i;
        }
    }
    return -1;
}

} // namespace rivet::cli
