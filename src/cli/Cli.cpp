#include "cli/CheckCommand.h"
#include "cli/Command.h"
#include "cli/EvalCommand.h"
#include "cli/ExportCommand.h"
#include "cli/OptimiseCommand.h"

#include "common/ErrorText.h"
#include "common/Failure.h"

#include <memory>
#include <ostream>

namespace rivet::cli {

namespace {

std::vector<std::unique_ptr<Command>> commands()
{
    std::vector<std::unique_ptr<Command>> list;
    list.push_back(std::make_unique<CheckCommand>());
    list.push_back(std::make_unique<EvalCommand>());
    list.push_back(std::make_unique<ExportCommand>());
    list.push_back(std::make_unique<OptimiseCommand>());
    return list;
}

int usage(std::ostream& err, const std::vector<std::unique_ptr<Command>>& list)
{
    err << "usage: rivet-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const auto& command : list) {
        err << "  " << command->synopsis() << "\n";
    }
    return kExitUsage;
}

} // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const auto list = commands();
    if (arguments.empty()) {
        return usage(err, list);
    }
    for (const auto& command : list) {
        if (arguments.front() == command->name()) {
            try {
                return command->execute({arguments.begin() + 1, arguments.end()}, out, err);
            } catch (const Failure& failure) {
                err << errorBoxText(failure.what()) << "\n";
                return kExitFailure;
            }
        }
    }
    err << "rivet-cli: unknown command '" << arguments.front() << "'\n";
    return usage(err, list);
}

} // namespace rivet::cli
