#pragma once

#include "cli/Command.h"

namespace rivet::cli {

// "check": runs the start-up and lists how many parts each slot's catalogue offers.
class CheckCommand : public Command
{
public:
    const char* name() const override { return "check"; }
    const char* usage() const override { return "check"; }
    const char* summary() const override { return "start up and list the catalogue's part counts"; }
    void declare(CommandLine&) override { }
    int run(std::ostream& out, std::ostream& err) override;
};

} // namespace rivet::cli
