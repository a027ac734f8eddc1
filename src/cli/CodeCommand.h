#pragma once

#include "cli/Command.h"

#include <string>

namespace rivet::cli {

// "code FILE.asm": the machine code of the file's machine, on one line.
class CodeCommand : public Command
{
public:
    const char* name() const override { return "code"; }
    const char* usage() const override { return "code FILE.asm"; }
    const char* summary() const override { return "print the machine code of an assembly"; }
    void declare(CommandLine& line) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    std::string m_file;
};

} // namespace rivet::cli
