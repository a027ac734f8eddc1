#include "cli/EvalCommand.h"

#include "cli/CommandLine.h"
#include "cli/MachineOutput.h"
#include "cli/OpenedAssembly.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace rivet::cli {

void EvalCommand::declare(CommandLine& line)
{
    line.jsonFlag(m_json);
    line.files("FILE", m_files, "the assembly files (.asm), each evaluated on its own");
}

int EvalCommand::run(std::ostream& out, std::ostream&)
{
    auto workspace = startWorkspace();
    for (const auto& path : m_files) {
        auto assembly = openAsTheWindowDoes(*workspace, path);
        if (m_json) {
            out << jsonLine(machineJson(path, *assembly)) << "\n";
        } else {
            writeMachineTable(out, path, *assembly);
        }
    }
    return kExitOk;
}

} // namespace rivet::cli
