#pragma once

#include "cli/Command.h"
#include "document/ReportValues.h"

#include <optional>
#include <string>

namespace rivet::cli {

// "export --format text|html [--template N] FILE.asm [-o OUT|-]": the report the window's
// export writes, beside the file (its name with ".txt" or ".htm"), into OUT, or to standard
// output.
class ExportCommand : public Command
{
public:
    const char* name() const override { return "export"; }
    const char* usage() const override { return "export --format text|html [--template N] FILE.asm [-o OUT|-]"; }
    const char* summary() const override { return "write a report"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    ReportKind m_kind = ReportKind::Text;
    int m_template = 1;
    std::string m_file;
    std::optional<std::string> m_output;
};

} // namespace rivet::cli
