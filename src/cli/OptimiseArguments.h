#pragma once

#include "optimiser/Optimiser.h"

#include <optional>
#include <string>
#include <vector>

namespace rivet::cli {

// What "optimise" was asked on its command line.
struct OptimiseArguments
{
    std::optional<Figure> goalFigure;
    std::optional<Direction> direction; // the figure's better direction when not given
    std::array<bool, kSelectorCount> kept {};
    std::vector<Requirement> requirements;
    bool freeOptions = false;
    int top = 1;
    bool json = false;
    std::optional<std::string> output;
    std::optional<std::string> file;
};

// The arguments, or the reason they are not usable.
struct ParsedArguments
{
    OptimiseArguments arguments;
    std::string error; // empty when the arguments are usable
};
ParsedArguments parseOptimiseArguments(const std::vector<std::string>& arguments);

} // namespace rivet::cli
