#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace rivet::cli {

class CommandLine;

// Exit codes of the companion program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// One subcommand of rivet-cli: it declares its arguments, which the parse stores in the
// command, then runs on them. Output goes to the given streams so that tests run commands
// in-process.
class Command
{
public:
    virtual ~Command() = default;
    virtual const char* name() const = 0;
    // The command and its arguments ("eval [--json] FILE..."), and what it does in a few words.
    virtual const char* usage() const = 0;
    virtual const char* summary() const = 0;
    virtual void declare(CommandLine& line) = 0;
    virtual int run(std::ostream& out, std::ostream& err) = 0;
};

// The message for the exception being handled (call it inside a catch): the program's own
// failure's text, "メモリが足りません" when memory ran out, any other exception's text, or a
// general one for what is no exception at all; each as the error box writes it.
std::string uncaughtMessage();

// Runs the companion program on its arguments (without the program name).
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// run() with the given commands. Whatever a command throws ends as a message on err and the
// exit code kExitFailure, never as an abort; so does standard output that could not be written.
int runCommands(const std::vector<std::unique_ptr<Command>>& commands, const std::vector<std::string>& arguments,
                std::ostream& out, std::ostream& err);

} // namespace rivet::cli
