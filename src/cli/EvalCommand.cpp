#include "cli/EvalCommand.h"

#include "cli/CommandLine.h"
#include "cli/MachineOutput.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"

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
        auto document = openAsTheWindowDoes(workspace->table, path);
        if (m_json) {
            out << jsonLine(machineJson(path, *document)) << "\n";
        } else {
            writeMachineTable(out, path, *document);
        }
    }
    return kExitOk;
}

} // namespace rivet::cli
