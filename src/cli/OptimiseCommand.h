#pragma once

#include "cli/Command.h"
#include "optimiser/Optimiser.h"

#include <optional>
#include <string>
#include <vector>

namespace rivet::cli {

// "optimise": the best sound machines for a goal (a second goal breaking its ties), the
// trade-off between two goals, or the smallest repair of the start, proven by the search,
// starting from an assembly file or from the machine a fresh start shows.
class OptimiseCommand : public Command
{
public:
    const char* name() const override { return "optimise"; }
    const char* usage() const override
    {
        return "optimise (--goal FIGURE[:max|:min] [--then FIGURE[:max|:min]] | --pareto FIGURE[:dir],FIGURE[:dir] | "
               "--repair [--goal ...] [--then ...]) [--keep cb1,cb4,...] [--equip cb6,cb9,...] [--require COND]... "
               "[--options keep|free] [--top K] [--json] [-o OUT.asm|-] [FILE.asm]";
    }
    const char* summary() const override { return "the best sound machine for a goal, a trade-off or a repair"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    // What is wrong with the combination of arguments; empty when nothing is.
    std::string combinationProblem() const;
    OptimiserRequest request(const Selection& start) const;

    std::optional<Goal> m_goal;
    std::optional<Goal> m_then;
    std::optional<std::array<Goal, 2>> m_pareto;
    bool m_repair = false;
    std::array<bool, kSelectorCount> m_kept {};
    std::array<bool, kSelectorCount> m_equipped {};
    std::vector<Requirement> m_requirements;
    bool m_freeOptions = false;
    int m_top = 0; // 0: not given
    bool m_json = false;
    std::optional<std::string> m_output;
    std::optional<std::string> m_file;
};

} // namespace rivet::cli
