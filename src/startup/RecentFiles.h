#pragma once

#include <string>
#include <vector>

namespace rivet {

// The files opened or saved most recently, newest first, at most kLimit of them, kept in a
// Shift-JIS text file of its own, one path a line. A list that cannot be read is empty; one
// that cannot be written fails with "%s に書き込めません" after the list in memory changed.
class RecentFiles
{
public:
    static constexpr std::size_t kLimit = 10;

    explicit RecentFiles(std::string listFile);

    const std::vector<std::string>& files() const { return m_files; }
    // Reads the list again (another window or program may have changed it).
    void reload();
    // The path goes to the front (once); the list is written back.
    void add(const std::string& path);
    void remove(const std::string& path);

private:
    void write() const;

    std::string m_listFile;
    std::vector<std::string> m_files;
};

} // namespace rivet
