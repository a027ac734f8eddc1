#pragma once

#include "cli/Command.h"
#include "evaluation/Figure.h"

#include <optional>
#include <string>

namespace rivet::cli {

// "explain [--json] FILE.asm [FIGURE]": why each figure of the machine (or the one named,
// "ed1".."ed16") is what it is: its shares, how the number follows from them, its limit.
class ExplainCommand : public Command
{
public:
    const char* name() const override { return "explain"; }
    const char* usage() const override { return "explain [--json] FILE.asm [FIGURE]"; }
    const char* summary() const override { return "why each figure of an assembly is what it is"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    bool m_json = false;
    std::string m_file;
    std::optional<Figure> m_figure;
};

} // namespace rivet::cli
