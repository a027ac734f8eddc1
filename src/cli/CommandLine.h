#pragma once

#include "catalogue/Slots.h"
#include "optimiser/Optimiser.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rivet::cli {

class Command;

// The arguments of one command as the command declares them, parsed by CLI11 the same way for
// every command: "--help" shows the command's own help, and a usage error is told on one line
// with the command's usage after it. What the parse finds lands in the variables given.
class CommandLine
{
public:
    enum class Need { Optional, Required };

    explicit CommandLine(const Command& command);
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    void flag(const std::string& name, bool& value, const std::string& help);
    // --json: one JSON object a line instead of a readable table.
    void jsonFlag(bool& json);
    // An option that takes one of the given words.
    template <typename T>
    void choice(const std::string& name, T& value, const std::vector<std::pair<std::string, T>>& words,
                const std::string& help, Need need = Need::Optional)
    {
        std::vector<std::string> names;
        for (const auto& word : words) {
            names.push_back(word.first);
        }
        chooseWord(
            name, names, [&value, words](std::size_t i) { value = words[i].second; }, help, need);
    }
    // A whole number from least to most, written in decimal.
    void number(const std::string& name, int& value, int least, int most, const std::string& help);
    // -o OUT: where to write, "-" for standard output; never an empty name.
    void output(std::optional<std::string>& path, const std::string& valueName, const std::string& help);

    // Files by their position on the line: one, one or none, one or more.
    void file(const std::string& name, std::string& path, const std::string& help);
    void optionalFile(const std::string& name, std::optional<std::string>& path, const std::string& help);
    void files(const std::string& name, std::vector<std::string>& paths, const std::string& help);
    // A selector by its name "cb1".."cb11", by position.
    void selector(const std::string& name, Selector& selector, const std::string& help);

    // A figure by its name "ed1".."ed16", by position; none when left out.
    void optionalFigure(const std::string& name, std::optional<Figure>& figure, const std::string& help);

    // Options of the optimiser: a goal figure "ed13" with an optional ":max" or ":min" (else the
    // figure's own sense of better); two of them joined by a comma; selectors as "cb1,cb4", in
    // one list or several; conditions "ed2<=300000" or "ed13>=40.5", as many as given.
    void goal(const std::string& name, std::optional<Goal>& goal, const std::string& help);
    void goalPair(const std::string& name, std::optional<std::array<Goal, 2>>& goals, const std::string& help);
    void selectorList(const std::string& name, std::array<bool, kSelectorCount>& chosen, const std::string& help);
    void requirements(const std::string& name, std::vector<Requirement>& requirements, const std::string& help);

    // Parses the arguments into what was declared. None when the command is to run; otherwise
    // the exit code, with the help written to out or the usage error to err.
    std::optional<int> parse(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

private:
    void chooseWord(const std::string& name, const std::vector<std::string>& words,
                    std::function<void(std::size_t)> choose, const std::string& help, Need need);

    struct Parser;
    std::unique_ptr<Parser> m_parser;
};

} // namespace rivet::cli
