#pragma once

#include "cli/Command.h"

#include <optional>
#include <string>

namespace rivet::cli {

// "import [-o OUT.asm|-] SOURCE": the machine of a code, a card, a report or a file holding
// one of them (- reads standard input), saved as an assembly file: OUT (or standard output
// with -), else a new file in the garage named after the machine, never over an existing
// one. Parts the catalogue lacks are told on standard error; the path written goes to
// standard output.
class ImportCommand : public Command
{
public:
    const char* name() const override { return "import"; }
    const char* usage() const override { return "import [-o OUT.asm|-] SOURCE"; }
    const char* summary() const override { return "save a shared machine (code, card or report) as an assembly"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    std::string m_source;
    std::optional<std::string> m_output;
};

} // namespace rivet::cli
