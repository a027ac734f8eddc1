#pragma once

#include "cli/Command.h"

#include <string>
#include <vector>

namespace rivet::cli {

// "eval [--json] FILE...": the parts, options and sixteen figures the window shows after
// opening each file.
class EvalCommand : public Command
{
public:
    const char* name() const override { return "eval"; }
    const char* usage() const override { return "eval [--json] FILE..."; }
    const char* summary() const override { return "the figures the window shows for each assembly file"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    bool m_json = false;
    std::vector<std::string> m_files;
};

} // namespace rivet::cli
