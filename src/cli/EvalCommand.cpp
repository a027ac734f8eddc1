#include "cli/EvalCommand.h"

#include "cli/MachineOutput.h"
#include "cli/OpenedAssembly.h"

#include <ostream>

namespace rivet::cli {

int EvalCommand::execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    bool json = false;
    std::vector<std::string> files;
    for (const auto& argument : arguments) {
        if (argument == "--json") {
            json = true;
        } else if (!argument.empty() && argument[0] == '-' && argument != "-") {
            err << "usage: rivet-cli " << synopsis() << "\n";
            return kExitUsage;
        } else {
            files.push_back(argument);
        }
    }
    if (files.empty()) {
        err << "usage: rivet-cli " << synopsis() << "\n";
        return kExitUsage;
    }
    auto workspace = startWorkspace();
    for (const auto& path : files) {
        auto assembly = openAsTheWindowDoes(*workspace, path);
        if (json) {
            out << machineJson(path, *assembly) << "\n";
        } else {
            writeMachineTable(out, path, *assembly);
        }
    }
    return kExitOk;
}

} // namespace rivet::cli
