#include "cli/OptimiseArguments.h"

#include "cli/Arguments.h"
#include "common/Numbers.h"

#include <charconv>
#include <cmath>

namespace rivet::cli {

namespace {

constexpr int kMostMachines = 1000;

std::vector<std::string> splitCommas(const std::string& text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) {
            return items;
        }
        start = comma + 1;
    }
}

std::optional<double> parseNumber(const std::string& text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// "ed2<=300000", "ed13>=40.5".
std::optional<Requirement> parseRequirement(const std::string& text)
{
    for (const char* sign : {">=", "<="}) {
        const std::size_t at = text.find(sign);
        if (at == std::string::npos) {
            continue;
        }
        const std::optional<Figure> figure = figureNamed(text.substr(0, at));
        const std::optional<double> value = parseNumber(text.substr(at + 2));
        if (!figure || !value) {
            return std::nullopt;
        }
        return Requirement {*figure, sign[0] == '>' ? Requirement::Kind::AtLeast : Requirement::Kind::AtMost, *value};
    }
    return std::nullopt;
}

std::string parseGoal(const std::string& text, OptimiseArguments& parsed)
{
    const std::size_t colon = text.find(':');
    parsed.goalFigure = figureNamed(text.substr(0, colon));
    if (!parsed.goalFigure) {
        return "unknown figure '" + text.substr(0, colon) + "' (ed1..ed16)";
    }
    if (colon != std::string::npos) {
        const std::string way = text.substr(colon + 1);
        if (way != "max" && way != "min") {
            return "the goal's direction is max or min, not '" + way + "'";
        }
        parsed.direction = way == "max" ? Direction::Higher : Direction::Lower;
    }
    return {};
}

std::string parseKeep(const std::string& text, OptimiseArguments& parsed)
{
    for (const std::string& name : splitCommas(text)) {
        const std::optional<Selector> selector = selectorNamed(name);
        if (!selector) {
            return "unknown selector '" + name + "' (cb1..cb11)";
        }
        parsed.kept[selectorIndex(*selector)] = true;
    }
    return {};
}

std::string parseOne(const std::vector<std::string>& arguments, std::size_t& i, OptimiseArguments& parsed)
{
    const std::string& argument = arguments[i];
    if (argument == "--json") {
        parsed.json = true;
        return {};
    }
    const bool valued = argument == "--goal" || argument == "--keep" || argument == "--require"
        || argument == "--options" || argument == "--top" || argument == "-o";
    if (!valued) {
        if (argument.empty() || argument[0] == '-' || parsed.file) {
            return "unexpected argument '" + argument + "'";
        }
        parsed.file = argument;
        return {};
    }
    if (i + 1 >= arguments.size()) {
        return argument + " needs a value";
    }
    const std::string& value = arguments[++i];
    if (argument == "--goal") {
        return parseGoal(value, parsed);
    }
    if (argument == "--keep") {
        return parseKeep(value, parsed);
    }
    if (argument == "--require") {
        const std::optional<Requirement> requirement = parseRequirement(value);
        if (!requirement) {
            return "bad condition '" + value + "' (FIGURE>=N or FIGURE<=N)";
        }
        parsed.requirements.push_back(*requirement);
        return {};
    }
    if (argument == "--options") {
        if (value != "keep" && value != "free") {
            return "--options is keep or free, not '" + value + "'";
        }
        parsed.freeOptions = value == "free";
        return {};
    }
    if (argument == "--top") {
        const std::optional<std::int32_t> top = parseInt32(value);
        if (!top || *top < 1 || *top > kMostMachines) {
            return "--top takes a whole number from 1 to " + std::to_string(kMostMachines);
        }
        parsed.top = *top;
        return {};
    }
    parsed.output = value;
    return {};
}

} // namespace

ParsedArguments parseOptimiseArguments(const std::vector<std::string>& arguments)
{
    ParsedArguments parsed;
    for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
        parsed.error = parseOne(arguments, i, parsed.arguments);
    }
    if (parsed.error.empty() && !parsed.arguments.goalFigure) {
        parsed.error = "--goal is missing";
    }
    return parsed;
}

} // namespace rivet::cli
