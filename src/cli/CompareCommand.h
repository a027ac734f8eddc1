#pragma once

#include "cli/Command.h"

namespace rivet::cli {

// "compare [--json] BASE.asm OTHER.asm": the sixteen figures of two machines side by side,
// with the differences, and the selectors whose parts differ.
class CompareCommand : public Command
{
public:
    const char* name() const override { return "compare"; }
    const char* synopsis() const override
    {
        return "compare [--json] BASE.asm OTHER.asm  the figures of two assemblies side by side";
    }
    int execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) override;
};

} // namespace rivet::cli
