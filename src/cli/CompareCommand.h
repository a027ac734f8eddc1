#pragma once

#include "cli/Command.h"

#include <string>

namespace rivet::cli {

// "compare [--json] BASE.asm OTHER.asm": the sixteen figures of two machines side by side with
// their differences and which machine each favours, and the parts that differ.
class CompareCommand : public Command
{
public:
    const char* name() const override { return "compare"; }
    const char* usage() const override { return "compare [--json] BASE.asm OTHER.asm"; }
    const char* summary() const override { return "the figures of two assemblies side by side"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    bool m_json = false;
    std::string m_base;
    std::string m_other;
};

} // namespace rivet::cli
