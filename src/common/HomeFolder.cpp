#include "common/HomeFolder.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace rivet {

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string accountHomeFolder()
{
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry {};
    passwd* found = nullptr;
    while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE
           && buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    return found && found->pw_dir ? std::string(found->pw_dir) : std::string();
}

} // namespace rivet
