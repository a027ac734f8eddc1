#pragma once

#include "cli/Command.h"

namespace rivet::cli {

// "export --format text|html [--template N] FILE.asm [-o OUT]": the report the window's
// export writes, byte for byte.
class ExportCommand : public Command
{
public:
    const char* name() const override { return "export"; }
    const char* synopsis() const override
    {
        return "export --format text|html [--template N] FILE.asm [-o OUT|-]  write a report";
    }
    int execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) override;
};

} // namespace rivet::cli
