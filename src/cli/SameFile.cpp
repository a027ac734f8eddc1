#include "cli/SameFile.h"

#include <filesystem>
#include <system_error>

namespace rivet::cli {

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

} // namespace rivet::cli
