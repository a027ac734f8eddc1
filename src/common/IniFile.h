#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rivet {

// The INI dialect shared by the settings file and ".asm" files. The file is kept as its raw
// Shift-JIS lines, so lines the program does not touch are written back byte for byte.
// Sections and keys match without regard to case; values read back are trimmed, lose one
// pair of enclosing double or single quotes and are cut to 2047 bytes.
class IniFile
{
public:
    // A file that does not exist reads as empty; an existing file that cannot be read fails
    // with the I/O message. path is also the name used in messages.
    static IniFile load(const std::string& path);
    static IniFile fromBytes(std::string bytes, std::string path = {});

    const std::string& path() const { return m_path; }

    // UTF-8 in and out. A value with bytes that are not Shift-JIS fails naming the file.
    std::string readString(const std::string& section, const std::string& key, const std::string& fallback) const;
    // Decimal, or hexadecimal after "0x"/"0X"; a value that is not an integer counts as missing.
    int readInteger(const std::string& section, const std::string& key, int fallback) const;
    bool hasKey(const std::string& section, const std::string& key) const;

    // Replaces the key's value where it stands, or adds the key at the end of its section
    // (the section at the end of the file when missing). Fails when Shift-JIS cannot hold it.
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, int value);
    // Removes the section's header and every line up to the next section.
    void eraseSection(const std::string& section);

    // The file's content: every line followed by CR LF.
    std::string toBytes() const;
    std::size_t byteCount() const { return m_text.size() + 2 * m_starts.size(); }
    // Writes the content atomically; fails with "%s に書き込めません" naming path, also before
    // writing anything when the file would grow beyond what the tool opens.
    void save(const std::string& path) const;

private:
    struct Entry
    {
        std::size_t line;
        std::string rawValue;
    };
    struct Lookup
    {
        std::optional<Entry> entry;
        std::optional<std::size_t> lastOfFirstSection; // its header, or its last line not blank
    };
    Lookup lookUp(std::string_view section, std::string_view key) const;
    std::optional<Entry> find(const std::string& section, const std::string& key) const;
    std::optional<std::string> readRaw(const std::string& section, const std::string& key) const;

    std::size_t lineCount() const { return m_starts.size(); }
    std::size_t lineEnd(std::size_t line) const;
    std::string_view line(std::size_t line) const;
    void replaceLine(std::size_t line, const std::string& content);
    void insertLine(std::size_t line, const std::string& content);

    std::string m_path;
    // The lines, raw Shift-JIS, one after the other without their line ends, and where each
    // starts: a few bytes a line, where a string per line would cost dozens for a file of
    // empty lines.
    std::string m_text;
    std::vector<std::uint32_t> m_starts;
};

} // namespace rivet
