#include "cli/CheckCommand.h"

#include "startup/StartUp.h"

#include <ostream>

namespace rivet::cli {

int CheckCommand::run(std::ostream& out, std::ostream&)
{
    auto workspace = startWorkspace();
    out << "data: " << workspace->paths.dataDir << "\n";
    for (int slot = 0; slot < kSlotCount; ++slot) {
        out << slotFileNames[slotIndex(slot)] << "\t" << workspace->table.itemCount(slot) - 1 << "\n";
    }
    out << "longlist\t" << (workspace->longList ? 1 : 0) << "\n";
    return kExitOk;
}

} // namespace rivet::cli
