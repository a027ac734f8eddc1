#pragma once

#include "cli/Command.h"

namespace rivet::cli {

// "preview [--json] FILE.asm SELECTOR": for every item of selector SELECTOR (cb1..cb11), the
// machine as choosing that item in the window would leave it, against the file's machine.
class PreviewCommand : public Command
{
public:
    const char* name() const override { return "preview"; }
    const char* synopsis() const override
    {
        return "preview [--json] FILE.asm SELECTOR  what choosing each item of cb1..cb11 would change";
    }
    int execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) override;
};

} // namespace rivet::cli
