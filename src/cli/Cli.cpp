#include "cli/CheckCommand.h"
#include "cli/Command.h"
#include "cli/CompareCommand.h"
#include "cli/EvalCommand.h"
#include "cli/ExportCommand.h"
#include "cli/PreviewCommand.h"

#include "common/ErrorText.h"
#include "common/Failure.h"

#include <exception>
#include <memory>
#include <new>
#include <ostream>

namespace rivet::cli {

namespace {

std::vector<std::unique_ptr<Command>> commands()
{
    std::vector<std::unique_ptr<Command>> list;
    list.push_back(std::make_unique<CheckCommand>());
    list.push_back(std::make_unique<EvalCommand>());
    list.push_back(std::make_unique<ExportCommand>());
    list.push_back(std::make_unique<CompareCommand>());
    list.push_back(std::make_unique<PreviewCommand>());
    return list;
}

const char* const kOutOfMemory = "メモリが足りません";
const char* const kUnexpectedError = "予期しないエラーが発生しました";

int usage(std::ostream& err, const std::vector<std::unique_ptr<Command>>& list)
{
    err << "usage: rivet-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const auto& command : list) {
        err << "  " << command->synopsis() << "\n";
    }
    return kExitUsage;
}

} // namespace

int runCommands(const std::vector<std::unique_ptr<Command>>& list, const std::vector<std::string>& arguments,
                std::ostream& out, std::ostream& err)
{
    if (arguments.empty()) {
        return usage(err, list);
    }
    for (const auto& command : list) {
        if (arguments.front() == command->name()) {
            try {
                return command->execute({arguments.begin() + 1, arguments.end()}, out, err);
            } catch (...) {
                err << uncaughtMessage() << "\n";
                return kExitFailure;
            }
        }
    }
    err << "rivet-cli: unknown command '" << arguments.front() << "'\n";
    return usage(err, list);
}

std::string uncaughtMessage()
{
    try {
        throw;
    } catch (const Failure& failure) {
        return errorBoxText(failure.what());
    } catch (const std::bad_alloc&) {
        return errorBoxText(kOutOfMemory);
    } catch (const std::exception& exception) {
        return errorBoxText(exception.what());
    } catch (...) {
        return errorBoxText(kUnexpectedError);
    }
}

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    return runCommands(commands(), arguments, out, err);
}

} // namespace rivet::cli
