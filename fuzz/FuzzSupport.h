#pragma once

// What every fuzz target shares: the check that turns a broken property into a crash the
// fuzzer reports with its input, and small helpers for cutting an input into pieces and for
// handing it to code that only reads files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A property that must hold for every input. When it does not, the message goes to stderr
// and the process aborts, so libFuzzer keeps the input and the replay test fails.
#define FUZZ_CHECK(condition, what)                                                                                    \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            ::rivet::fuzz::fail(__FILE__, __LINE__, #condition, (what));                                               \
        }                                                                                                              \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace rivet::fuzz {

[[noreturn]] void fail(const char* file, int line, const char* condition, const std::string& what);

inline std::string_view asText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every separator byte: "a\0b" gives "a" and "b", "" gives one empty piece.
std::vector<std::string> pieces(std::string_view input, char separator);

// Bytes made printable for a failure message (non-ASCII and control bytes as \xNN).
std::string shown(std::string_view bytes);
std::string shown(const std::vector<std::string>& items);

// A folder of this process for targets that must write real files; removed at exit.
// A section or key name as the INI dialect compares it: blanks at either end dropped, ASCII
// letters folded to lower case.
std::string foldedName(const std::string& name);

const std::string& scratchFolder();

// Replaces the whole content of a file (the test's own scratch files only).
void writeWholeFile(const std::string& path, std::string_view bytes);

// A file in memory holding the given bytes, reachable by a path, so that code which opens
// files by name reads the input without touching the disk. Reused between inputs.
class MemoryFile
{
public:
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void replace(std::string_view bytes);
    // The folder part ("/proc/self/fd/") and the name part (the descriptor) of its path.
    std::string folder() const { return "/proc/self/fd/"; }
    std::string name() const { return std::to_string(m_fd); }
    std::string path() const { return folder() + name(); }

private:
    int m_fd = -1;
};

} // namespace rivet::fuzz
