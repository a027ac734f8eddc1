#include "startup/RecentFiles.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/TextFile.h"

#include <algorithm>

namespace rivet {

RecentFiles::RecentFiles(std::string listFile)
    : m_listFile(std::move(listFile))
{
    reload();
}

void RecentFiles::reload()
{
    m_files.clear();
    if (m_listFile.empty() || !fileExists(m_listFile)) {
        return;
    }
    try {
        for (const std::string& line : splitTextLines(readNormalisedText(m_listFile))) {
            if (!line.empty() && std::find(m_files.begin(), m_files.end(), line) == m_files.end()
                && m_files.size() < kLimit) {
                m_files.push_back(line);
            }
        }
    } catch (const Failure&) {
        m_files.clear();
    }
}

void RecentFiles::add(const std::string& path)
{
    reload();
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > kLimit) {
        m_files.resize(kLimit);
    }
    write();
}

void RecentFiles::remove(const std::string& path)
{
    reload();
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    write();
}

void RecentFiles::write() const
{
    if (m_listFile.empty()) {
        return;
    }
    writeTextLines(m_listFile, m_files, cannotWriteMessage(m_listFile));
}

} // namespace rivet
