#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/mman.h>
#include <unistd.h>

namespace rivet::fuzz {

void fail(const char* file, int line, const char* condition, const std::string& what)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", file, line, condition, what.c_str());
    std::fflush(stderr);
    std::abort();
}

std::vector<std::string> pieces(std::string_view input, char separator)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = input.find(separator, start);
        if (end == std::string_view::npos) {
            result.emplace_back(input.substr(start));
            return result;
        }
        result.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
}

std::string shown(std::string_view bytes)
{
    std::string text = "\"";
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code >= 0x7F || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
            text += escaped;
        } else {
            text += c;
        }
    }
    return text + "\"";
}

std::string shown(const std::vector<std::string>& items)
{
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i > 0 ? ", " : "") + shown(items[i]);
    }
    return text + "]";
}

namespace {

struct Scratch
{
    Scratch()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "rivet-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        folder = pattern + "/";
    }
    ~Scratch()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::string folder;
};

} // namespace

const std::string& scratchFolder()
{
    static Scratch scratch;
    return scratch.folder;
}

void writeWholeFile(const std::string& path, std::string_view bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = bytes.empty() || (file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    if (!file || !written || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
}

MemoryFile::MemoryFile()
    : m_fd(::memfd_create("rivet-fuzz-input", MFD_CLOEXEC))
{
    if (m_fd < 0) {
        std::perror("memfd_create");
        std::abort();
    }
}

MemoryFile::~MemoryFile()
{
    ::close(m_fd);
}

void MemoryFile::replace(std::string_view bytes)
{
    if (::ftruncate(m_fd, 0) != 0
        || ::pwrite(m_fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
        std::perror("memfd");
        std::abort();
    }
}

std::string foldedName(const std::string& name)
{
    const std::size_t first = name.find_first_not_of(" \t");
    const std::size_t last = name.find_last_not_of(" \t");
    std::string result = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return result;
}

} // namespace rivet::fuzz
