// The one unit that includes CLI11: the commands declare their arguments through CommandLine,
// so the library's large headers are compiled once.
#include "cli/CommandLine.h"

#include "cli/Command.h"
#include "common/Numbers.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>
#include <variant>

namespace rivet::cli {

namespace {

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

// "ed13", "ed2:min": the figure, in the direction given or else in its own sense of better; or
// what is wrong with the text.
std::variant<Goal, std::string> parseGoal(const std::string& text)
{
    const std::size_t colon = text.find(':');
    const std::string name = text.substr(0, colon);
    const std::optional<Figure> figure = figureNamed(name);
    if (!figure) {
        return "unknown figure '" + name + "' (ed1..ed16)";
    }
    Goal goal {*figure, describe(*figure).better};
    if (colon != std::string::npos) {
        const std::string way = text.substr(colon + 1);
        if (way != "max" && way != "min") {
            return "the goal's direction is max or min, not '" + way + "'";
        }
        goal.direction = way == "max" ? Direction::Higher : Direction::Lower;
    }
    return goal;
}

std::string goalProblem(const std::variant<Goal, std::string>& parsed)
{
    return std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : std::string();
}

// A check that refuses a value with the reason `reason` gives (empty: the value is good). The
// help names the values in the option's own words.
CLI::Validator check(std::function<std::string(const std::string&)> reason)
{
    return CLI::Validator([reason](std::string& value) { return reason(value); }, "");
}

std::string unknownFigure(const std::string& text)
{
    return figureNamed(text) ? std::string() : "unknown figure '" + text + "' (ed1..ed16)";
}

std::string unknownSelector(const std::string& text)
{
    return selectorNamed(text) ? std::string() : "unknown selector '" + text + "' (cb1..cb11)";
}

// The usage line is the command's own; the rest is CLI11's list of the arguments.
class Formatter : public CLI::Formatter
{
public:
    explicit Formatter(std::string usage)
        : m_usage(std::move(usage))
    {
    }
    std::string make_usage(const CLI::App*, std::string) const override { return "usage: " + m_usage + "\n"; }

private:
    std::string m_usage;
};

} // namespace

struct CommandLine::Parser
{
    explicit Parser(const Command& command)
        : app(command.summary())
        , name(std::string("rivet-cli ") + command.name())
        , usage(std::string("rivet-cli ") + command.usage())
    {
    }

    CLI::App app;
    std::string name; // "rivet-cli eval"
    std::string usage; // "rivet-cli eval [--json] FILE..."
};

CommandLine::CommandLine(const Command& command)
    : m_parser(std::make_unique<Parser>(command))
{
    CLI::App& app = m_parser->app;
    app.formatter(std::make_shared<Formatter>(m_parser->usage));
    app.set_help_flag("-h,--help", "show this help and exit");
}

CommandLine::~CommandLine() = default;

void CommandLine::flag(const std::string& name, bool& value, const std::string& help)
{
    m_parser->app.add_flag(name, value, help);
}

void CommandLine::jsonFlag(bool& json)
{
    flag("--json", json, "write JSON, one object a line, instead of a table");
}

void CommandLine::chooseWord(const std::string& name, const std::vector<std::string>& words,
                             std::function<void(std::size_t)> choose, const std::string& help, Need need)
{
    CLI::Option* option = m_parser->app.add_option_function<std::string>(
        name,
        [words, choose](const std::string& word) {
            choose(static_cast<std::size_t>(std::find(words.begin(), words.end(), word) - words.begin()));
        },
        help);
    option->check(CLI::IsMember(words).description(""))->type_name(CLI::detail::join(words, "|"));
    option->required(need == Need::Required);
}

void CommandLine::number(const std::string& name, int& value, int least, int most, const std::string& help)
{
    const std::string range = std::to_string(least) + " to " + std::to_string(most);
    m_parser->app
        .add_option_function<std::string>(
            name, [&value](const std::string& text) { value = *parseInt32(text); }, help)
        ->check(check([least, most, range](const std::string& text) {
            const std::optional<std::int32_t> number = parseInt32(text);
            return number && *number >= least && *number <= most
                ? std::string()
                : "a whole number from " + range + ", not '" + text + "'";
        }))
        ->type_name("N");
}

void CommandLine::output(std::optional<std::string>& path, const std::string& valueName, const std::string& help)
{
    m_parser->app.add_option("-o", path, help)->type_name(valueName)->check(check([](const std::string& text) {
        return text.empty() ? std::string("the file name is empty (- writes to standard output)") : std::string();
    }));
}

void CommandLine::file(const std::string& name, std::string& path, const std::string& help)
{
    m_parser->app.add_option(name, path, help)->required()->type_name("");
}

void CommandLine::optionalFile(const std::string& name, std::optional<std::string>& path, const std::string& help)
{
    m_parser->app.add_option(name, path, help)->type_name("");
}

void CommandLine::files(const std::string& name, std::vector<std::string>& paths, const std::string& help)
{
    m_parser->app.add_option(name, paths, help)->required()->type_name("");
}

void CommandLine::selector(const std::string& name, Selector& selector, const std::string& help)
{
    m_parser->app
        .add_option_function<std::string>(
            name, [&selector](const std::string& text) { selector = *selectorNamed(text); }, help)
        ->required()
        ->check(check(unknownSelector))
        ->type_name("");
}

void CommandLine::optionalFigure(const std::string& name, std::optional<Figure>& figure, const std::string& help)
{
    m_parser->app
        .add_option_function<std::string>(
            name, [&figure](const std::string& text) { figure = figureNamed(text); }, help)
        ->check(check(unknownFigure))
        ->type_name("");
}

void CommandLine::goal(const std::string& name, std::optional<Goal>& goal, const std::string& help)
{
    m_parser->app
        .add_option_function<std::string>(
            name, [&goal](const std::string& text) { goal = std::get<Goal>(parseGoal(text)); }, help)
        ->check(check([](const std::string& text) { return goalProblem(parseGoal(text)); }))
        ->type_name("FIGURE[:max|:min]");
}

void CommandLine::goalPair(const std::string& name, std::optional<std::array<Goal, 2>>& goals, const std::string& help)
{
    const auto split = [](const std::string& text) {
        const std::size_t comma = text.find(',');
        return std::make_pair(text.substr(0, comma),
                              comma == std::string::npos ? std::string() : text.substr(comma + 1));
    };
    m_parser->app
        .add_option_function<std::string>(
            name,
            [&goals, split](const std::string& text) {
                const auto [first, second] = split(text);
                goals = {std::get<Goal>(parseGoal(first)), std::get<Goal>(parseGoal(second))};
            },
            help)
        ->check(check([split](const std::string& text) {
            const auto [first, second] = split(text);
            if (text.find(',') == std::string::npos || second.find(',') != std::string::npos) {
                return "two figures are needed, FIGURE[:dir],FIGURE[:dir], not '" + text + "'";
            }
            const std::string problem = goalProblem(parseGoal(first));
            return problem.empty() ? goalProblem(parseGoal(second)) : problem;
        }))
        ->type_name("FIGURE[:dir],FIGURE[:dir]");
}

void CommandLine::selectorList(const std::string& name, std::array<bool, kSelectorCount>& chosen,
                               const std::string& help)
{
    m_parser->app
        .add_option_function<std::vector<std::string>>(
            name,
            [&chosen](const std::vector<std::string>& names) {
                for (const std::string& text : names) {
                    chosen[selectorIndex(*selectorNamed(text))] = true;
                }
            },
            help)
        ->delimiter(',')
        ->allow_extra_args(false)
        ->check(check(unknownSelector))
        ->type_name("cb1,cb4,...");
}

void CommandLine::requirements(const std::string& name, std::vector<Requirement>& requirements, const std::string& help)
{
    m_parser->app
        .add_option_function<std::vector<std::string>>(
            name,
            [&requirements](const std::vector<std::string>& texts) {
                for (const std::string& text : texts) {
                    requirements.push_back(*parseRequirement(text));
                }
            },
            help)
        ->allow_extra_args(false)
        ->check(check([](const std::string& text) {
            return parseRequirement(text) ? std::string() : "bad condition '" + text + "' (FIGURE>=N or FIGURE<=N)";
        }))
        ->type_name("COND");
}

std::optional<int> CommandLine::parse(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CLI::App& app = m_parser->app;
    try {
        // CLI11 takes the arguments last first.
        app.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
        return std::nullopt;
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        err << m_parser->name << ": " << error.what() << "\nusage: " << m_parser->usage << "\n";
        return kExitUsage;
    }
}

} // namespace rivet::cli
