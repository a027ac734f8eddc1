#include "support/TempHome.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>

namespace rivet::test {

TempHome::TempHome()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "rivet-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = pattern + "/";
    if (const char* previous = std::getenv("RIVET_HOME")) {
        m_previous = previous;
        m_hadPrevious = true;
    }
    ::setenv("RIVET_HOME", m_path.c_str(), 1);
}

TempHome::~TempHome()
{
    if (m_hadPrevious) {
        ::setenv("RIVET_HOME", m_previous.c_str(), 1);
    } else {
        ::unsetenv("RIVET_HOME");
    }
    std::error_code ignored;
    // Tests may have taken rights away to provoke failures; give them back before removing.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        ::chmod(it->path().c_str(), 0700);
    }
    ::chmod(m_path.c_str(), 0700);
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace rivet::test
