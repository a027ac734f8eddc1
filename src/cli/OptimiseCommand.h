#pragma once

#include "cli/Command.h"

namespace rivet::cli {

// "optimise --goal FIGURE[:max|:min] ...": the best sound machines for a goal, proven best by
// the search, starting from an assembly file or from the machine a fresh start shows.
class OptimiseCommand : public Command
{
public:
    const char* name() const override { return "optimise"; }
    const char* synopsis() const override
    {
        return "optimise --goal FIGURE[:max|:min] [--keep cb1,cb4,...] [--require COND]... [--options keep|free] "
               "[--top K] [--json] [-o OUT.asm] [FILE.asm]  the best sound machine for a goal";
    }
    int execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) override;
};

} // namespace rivet::cli
