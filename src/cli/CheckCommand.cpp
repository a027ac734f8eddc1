#include "cli/CheckCommand.h"

#include "startup/StartUp.h"

#include <ostream>

namespace rivet::cli {

int CheckCommand::execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (!arguments.empty()) {
        err << "usage: rivet-cli " << synopsis() << "\n";
        return kExitUsage;
    }
    auto workspace = startWorkspace();
    out << "data: " << workspace->paths.dataDir << "\n";
    for (int slot = 0; slot < kSlotCount; ++slot) {
        out << slotFileNames[static_cast<std::size_t>(slot)] << "\t" << workspace->table.itemCount(slot) - 1 << "\n";
    }
    out << "longlist\t" << (workspace->longList ? 1 : 0) << "\n";
    return kExitOk;
}

} // namespace rivet::cli
