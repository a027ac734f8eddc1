#pragma once

#include "cli/Command.h"
#include "optimiser/Optimiser.h"

#include <optional>
#include <string>
#include <vector>

namespace rivet::cli {

// "optimise --goal FIGURE[:max|:min] ...": the best sound machines for a goal, proven best by
// the search, starting from an assembly file or from the machine a fresh start shows.
class OptimiseCommand : public Command
{
public:
    const char* name() const override { return "optimise"; }
    const char* usage() const override
    {
        return "optimise --goal FIGURE[:max|:min] [--keep cb1,cb4,...] [--require COND]... [--options keep|free] "
               "[--top K] [--json] [-o OUT.asm|-] [FILE.asm]";
    }
    const char* summary() const override { return "the best sound machine for a goal"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    std::optional<Figure> m_goal;
    std::optional<Direction> m_direction; // the figure's better direction when not given
    std::array<bool, kSelectorCount> m_kept {};
    std::vector<Requirement> m_requirements;
    bool m_freeOptions = false;
    int m_top = 1;
    bool m_json = false;
    std::optional<std::string> m_output;
    std::optional<std::string> m_file;
};

} // namespace rivet::cli
