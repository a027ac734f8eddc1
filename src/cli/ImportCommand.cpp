#include "cli/ImportCommand.h"

#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "sharing/MachineCode.h"
#include "sharing/TakeIn.h"
#include "startup/StartUp.h"

#include <iostream>
#include <iterator>

namespace rivet::cli {

namespace {

// Standard input, refused as soon as it grows past what is taken in.
std::string readStandardInput()
{
    std::string bytes;
    char buffer[64 * 1024];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
        if (bytes.size() > kMaxTakeInBytes) {
            break; // takeInBytes refuses it by its size
        }
    }
    return bytes;
}

// A new file in the garage: "name.asm", else "name (2).asm" and on, each made only when no
// file of that name exists, so nothing is ever written over.
std::string saveInGarage(const Machine& machine, const std::string& garageDir)
{
    const std::string bytes = assemblyFileBytes(machine);
    const std::string base = garageDir + machineFileName(machine.machineName);
    for (int n = 1; n < 1000; ++n) {
        const std::string path = base + (n == 1 ? std::string() : " (" + std::to_string(n) + ")") + ".asm";
        if (createFileAtomically(path, bytes)) {
            return path;
        }
    }
    throw Failure("Garage フォルダに同じ名前の機体ファイルが多すぎます: " + base + ".asm");
}

} // namespace

void ImportCommand::declare(CommandLine& line)
{
    line.output(m_output, "OUT.asm|-",
                "write the assembly to OUT (its extension becomes .asm), or with - to standard output "
                "(default: a new file in the garage named after the machine)");
    line.file("SOURCE", m_source, "a machine code, a file holding a code, a machine card (.png) or a report, or -");
}

int ImportCommand::run(std::ostream& out, std::ostream& err)
{
    auto workspace = startWorkspace();
    const std::string& dataDir = workspace->paths.dataDir;
    TakenMachine taken;
    if (m_source == "-") {
        taken = takeInBytes(readStandardInput(), workspace->table, dataDir);
    } else if (fileExists(m_source) || !looksLikeMachineCode(m_source)) {
        requireFile(m_source);
        taken = takeInFile(m_source, workspace->table, dataDir);
    } else {
        taken = takeInText(m_source, workspace->table, dataDir);
    }
    for (const std::string& line : taken.missing) {
        err << line << "\n";
    }
    // The machine as the window takes it in: evaluated, its selection corrected by the rules.
    auto document = startAsTheWindowDoes(workspace->table);
    document->takeIn(taken.machine);
    if (m_output == "-") {
        out << assemblyFileBytes(document->machine());
        return kExitOk;
    }
    std::string written;
    if (m_output) {
        document->setFileName(*m_output);
        written = document->save();
    } else {
        written = saveInGarage(document->machine(), workspace->paths.garageDir);
    }
    out << written << "\n";
    return kExitOk;
}

} // namespace rivet::cli
