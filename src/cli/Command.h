#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace rivet::cli {

// Exit codes of the companion program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// One subcommand of rivet-cli. Output goes to the given streams so that tests run commands
// in-process.
class Command
{
public:
    virtual ~Command() = default;
    virtual const char* name() const = 0;
    // One line: the command's arguments and what it does.
    virtual const char* synopsis() const = 0;
    virtual int execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) = 0;
};

// Runs the companion program on its arguments (without the program name).
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace rivet::cli
