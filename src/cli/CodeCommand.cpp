#include "cli/CodeCommand.h"

#include "cli/CommandLine.h"
#include "document/DocumentService.h"
#include "sharing/MachineCode.h"
#include "startup/StartUp.h"

#include <ostream>

namespace rivet::cli {

void CodeCommand::declare(CommandLine& line)
{
    line.file("FILE", m_file, "the assembly file (.asm) whose machine to write as a code");
}

int CodeCommand::run(std::ostream& out, std::ostream&)
{
    auto workspace = startWorkspace();
    auto document = openAsTheWindowDoes(workspace->table, m_file);
    out << machineCode(document->machine(), workspace->table) << "\n";
    return kExitOk;
}

} // namespace rivet::cli
