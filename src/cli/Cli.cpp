#include "cli/CheckCommand.h"
#include "cli/CodeCommand.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/CompareCommand.h"
#include "cli/EvalCommand.h"
#include "cli/ExplainCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ListCommand.h"
#include "cli/OptimiseCommand.h"
#include "cli/PreviewCommand.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/Version.h"

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
    list.push_back(std::make_unique<OptimiseCommand>());
    list.push_back(std::make_unique<ExplainCommand>());
    list.push_back(std::make_unique<ListCommand>());
    list.push_back(std::make_unique<CodeCommand>());
    list.push_back(std::make_unique<ImportCommand>());
    return list;
}

const char* const kOutOfMemory = "メモリが足りません";
const char* const kUnexpectedError = "予期しないエラーが発生しました";
const char* const kCannotWriteOutput = "標準出力に書き込めません";

// The usage lines come from the command list, so a new command shows up by itself.
void printUsage(std::ostream& stream, const std::vector<std::unique_ptr<Command>>& list)
{
    stream << "usage: rivet-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const auto& command : list) {
        const std::string usage = command->usage();
        stream << "  " << usage << std::string(usage.size() < 20 ? 20 - usage.size() : 0, ' ') << "  "
               << command->summary() << "\n";
    }
}

int usage(std::ostream& err, const std::vector<std::unique_ptr<Command>>& list)
{
    printUsage(err, list);
    return kExitUsage;
}

void help(std::ostream& out, const std::vector<std::unique_ptr<Command>>& list)
{
    printUsage(out, list);
    out << "\noptions:\n"
           "  -h, --help            show this help and exit\n"
           "  --version             show the version and exit\n"
           "\nEach command shows its own arguments with --help (rivet-cli eval --help).\n"
           "RIVET_HOME names the folder to work in (data/, Garage/, rivet.ini) instead of the\n"
           "program's own; an installed program works in $XDG_DATA_HOME/rivet-tool/.\n"
           "Exit codes: 0 done, 1 a failure (its message on standard error), 2 a usage error.\n";
}

// Parses the command's arguments and runs it; whatever it throws is its failure.
int runCommand(Command& command, const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    try {
        CommandLine line(command);
        command.declare(line);
        if (const std::optional<int> answered = line.parse(arguments, out, err)) {
            return *answered;
        }
        return command.run(out, err);
    } catch (...) {
        err << uncaughtMessage() << "\n";
        return kExitFailure;
    }
}

int dispatch(const std::vector<std::unique_ptr<Command>>& list, const std::vector<std::string>& arguments,
             std::ostream& out, std::ostream& err)
{
    if (arguments.empty()) {
        return usage(err, list);
    }
    if (arguments.front() == "--help" || arguments.front() == "-h") {
        help(out, list);
        return kExitOk;
    }
    if (arguments.front() == "--version") {
        out << "rivet-cli " << kProgramVersion << "\n";
        return kExitOk;
    }
    for (const auto& command : list) {
        if (arguments.front() == command->name()) {
            return runCommand(*command, {arguments.begin() + 1, arguments.end()}, out, err);
        }
    }
    err << "rivet-cli: unknown command '" << arguments.front() << "'\n";
    return usage(err, list);
}

} // namespace

int runCommands(const std::vector<std::unique_ptr<Command>>& list, const std::vector<std::string>& arguments,
                std::ostream& out, std::ostream& err)
{
    const int code = dispatch(list, arguments, out, err);
    // Output that never arrived (a full disk, a closed pipe, /dev/full) is a failure too.
    if (!out.flush()) {
        err << errorBoxText(kCannotWriteOutput) << "\n";
        return kExitFailure;
    }
    return code;
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
