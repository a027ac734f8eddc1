#include "startup/ProgramInformation.h"

#include "common/Version.h"

#include <ostream>

namespace rivet {

std::optional<int> answerInformationRequest(const std::vector<std::string>& arguments, std::ostream& out)
{
    if (arguments.empty()) {
        return std::nullopt;
    }
    if (arguments.front() == "--help" || arguments.front() == "-h") {
        out << "usage: rivet [FILE.asm]\n"
               "\n"
               "Plans a machine in a window. FILE.asm, when it names an existing file, opens at\n"
               "start and becomes the window's caption; further arguments are ignored.\n"
               "\n"
               "options:\n"
               "  -h, --help     show this help and exit\n"
               "  --version      show the version and exit\n"
               "\n"
               "RIVET_HOME names the folder to work in (data/, Garage/, rivet.ini) instead of the\n"
               "program's own; an installed program works in $XDG_DATA_HOME/rivet-tool/.\n"
               "rivet-cli is the same planner without a window.\n";
    } else if (arguments.front() == "--version") {
        out << "rivet " << kProgramVersion << "\n";
    } else {
        return std::nullopt;
    }
    out.flush();
    return out ? 0 : 1;
}

} // namespace rivet
