#pragma once

#include "cli/Command.h"

namespace rivet::cli {

// "eval [--json] FILE...": the parts, options and sixteen figures the window shows after
// opening each file.
class EvalCommand : public Command
{
public:
    const char* name() const override { return "eval"; }
    const char* synopsis() const override
    {
        return "eval [--json] FILE...  the figures the window shows for each assembly file";
    }
    int execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) override;
};

} // namespace rivet::cli
