#include "common/IniFile.h"

#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/Numbers.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"

#include <cerrno>
#include <climits>

namespace rivet {

namespace {

constexpr std::size_t kMaxValueBytes = 2047;

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Case-insensitive comparison of names; only ASCII letters that start a character fold,
// so the trail byte of a double-byte character is never mistaken for a letter. Blanks at
// either end do not count: the file's names are read trimmed, so a name asked for with
// blanks (a colour region named by an empty item is " ") must find the line it wrote.
bool sameName(std::string_view a, std::string_view b)
{
    a = trim(a);
    b = trim(b);
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (sjis::isLeadByte(ca)) {
            if (ca != cb || i + 1 >= a.size() || a[i + 1] != b[i + 1]) {
                return false;
            }
            ++i;
            continue;
        }
        auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; };
        if (fold(ca) != fold(cb)) {
            return false;
        }
    }
    return true;
}

// The section name of a header line, or nothing when the line is not a header.
std::optional<std::string_view> sectionOf(std::string_view line)
{
    line = trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trim(line.substr(1, close - 1));
}

std::string encodeName(const std::string& utf8)
{
    return sjis::encodeOrFail(utf8);
}

std::optional<int> parseIniInteger(std::string_view text)
{
    bool negative = false;
    std::size_t i = 0;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        i = 1;
    }
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) {
        return std::nullopt;
    }
    long long value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL) {
            return std::nullopt;
        }
    }
    if (base == 16 && !negative) {
        // A hexadecimal value fills the 32 bits: 0xFFFFFFFF reads as -1.
        return static_cast<int>(static_cast<unsigned int>(value));
    }
    if (negative) {
        value = -value;
    }
    if (value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace

IniFile IniFile::load(const std::string& path)
{
    if (!fileExists(path)) {
        IniFile empty;
        empty.m_path = path;
        return empty;
    }
    return fromBytes(readFileBytes(path), path);
}

IniFile IniFile::fromBytes(std::string bytes, std::string path)
{
    IniFile ini;
    ini.m_path = std::move(path);
    // Lines end at CR LF, CR or LF; a final line end adds no empty line. The line ends are
    // taken out of the bytes where they lie, so the file is held once.
    std::size_t ends = 0;
    for (std::size_t r = 0; r < bytes.size(); ++r) {
        if (bytes[r] == '\n' || (bytes[r] == '\r' && (r + 1 == bytes.size() || bytes[r + 1] != '\n'))) {
            ++ends;
        }
    }
    // Room for the keys a save adds: growing by doubling would ask for the lines twice over.
    ini.m_starts.reserve(ends + 1 + ends / 16 + 256);
    std::size_t written = 0;
    std::size_t lineStart = 0;
    for (std::size_t r = 0; r < bytes.size(); ++r) {
        const char c = bytes[r];
        if (c == '\r' || c == '\n') {
            ini.m_starts.push_back(static_cast<std::uint32_t>(lineStart));
            if (c == '\r' && r + 1 < bytes.size() && bytes[r + 1] == '\n') {
                ++r;
            }
            lineStart = written;
        } else {
            bytes[written++] = c;
        }
    }
    if (written > lineStart) {
        ini.m_starts.push_back(static_cast<std::uint32_t>(lineStart));
    }
    bytes.resize(written);
    ini.m_text = std::move(bytes);
    return ini;
}

std::size_t IniFile::lineEnd(std::size_t line) const
{
    return line + 1 < m_starts.size() ? m_starts[line + 1] : m_text.size();
}

std::string_view IniFile::line(std::size_t line) const
{
    return std::string_view(m_text).substr(m_starts[line], lineEnd(line) - m_starts[line]);
}

void IniFile::replaceLine(std::size_t line, const std::string& content)
{
    const std::size_t start = m_starts[line];
    const std::size_t length = lineEnd(line) - start;
    m_text.replace(start, length, content);
    for (std::size_t k = line + 1; k < m_starts.size(); ++k) {
        m_starts[k] = static_cast<std::uint32_t>(m_starts[k] - length + content.size());
    }
}

void IniFile::insertLine(std::size_t line, const std::string& content)
{
    const std::size_t at = line < m_starts.size() ? m_starts[line] : m_text.size();
    m_text.insert(at, content);
    m_starts.insert(m_starts.begin() + static_cast<std::ptrdiff_t>(line), static_cast<std::uint32_t>(at));
    for (std::size_t k = line + 1; k < m_starts.size(); ++k) {
        m_starts[k] = static_cast<std::uint32_t>(m_starts[k] + content.size());
    }
}

IniFile::Lookup IniFile::lookUp(std::string_view section, std::string_view key) const
{
    // One pass finds the key (in any section of the name) and where a new key of the first
    // such section would go: after its last line that is not blank.
    Lookup found;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lineCount(); ++i) {
        if (m_starts[i] == lineEnd(i)) {
            continue; // empty lines, the bulk of a padded file, cost one comparison
        }
        const std::string_view text = line(i);
        if (auto name = sectionOf(text)) {
            inSection = sameName(*name, section);
            inFirstSection = inSection && !found.lastOfFirstSection;
            if (inFirstSection) {
                found.lastOfFirstSection = i;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (inFirstSection && !trim(text).empty()) {
            found.lastOfFirstSection = i;
        }
        const std::size_t equals = text.find('=');
        if (equals != std::string_view::npos && sameName(trim(text.substr(0, equals)), key)) {
            found.entry = Entry {i, std::string(text.substr(equals + 1))};
            return found;
        }
    }
    return found;
}

std::optional<IniFile::Entry> IniFile::find(const std::string& section, const std::string& key) const
{
    const auto sectionBytes = sjis::encode(section);
    const auto keyBytes = sjis::encode(key);
    if (!sectionBytes || !keyBytes) {
        return std::nullopt;
    }
    return lookUp(*sectionBytes, *keyBytes).entry;
}

std::optional<std::string> IniFile::readRaw(const std::string& section, const std::string& key) const
{
    auto entry = find(section, key);
    if (!entry) {
        return std::nullopt;
    }
    std::string_view value = trim(entry->rawValue);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(sjis::cutBytes(value, kMaxValueBytes));
}

std::string IniFile::readString(const std::string& section, const std::string& key, const std::string& fallback) const
{
    auto raw = readRaw(section, key);
    if (!raw) {
        return fallback;
    }
    // The value alone is decoded: the message names its key, not a byte of the file.
    auto text = sjis::decode(*raw);
    if (!text) {
        throw Failure(notShiftJisMessage(m_path, "[" + section + "] " + key));
    }
    return *text;
}

int IniFile::readInteger(const std::string& section, const std::string& key, int fallback) const
{
    auto raw = readRaw(section, key);
    if (!raw) {
        return fallback;
    }
    return parseIniInteger(*raw).value_or(fallback);
}

bool IniFile::hasKey(const std::string& section, const std::string& key) const
{
    return find(section, key).has_value();
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string sectionBytes = encodeName(section);
    const std::string keyBytes = encodeName(key);
    const std::string valueBytes = sjis::encodeOrFail(value);
    const Lookup found = lookUp(sectionBytes, keyBytes);
    if (found.entry) {
        const std::string_view old = line(found.entry->line);
        replaceLine(found.entry->line, std::string(old.substr(0, old.find('=') + 1)) + valueBytes);
        return;
    }
    const std::string entryLine = keyBytes + "=" + valueBytes;
    if (found.lastOfFirstSection) {
        insertLine(*found.lastOfFirstSection + 1, entryLine);
    } else {
        insertLine(lineCount(), "[" + sectionBytes + "]");
        insertLine(lineCount(), entryLine);
    }
}

void IniFile::writeInteger(const std::string& section, const std::string& key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::eraseSection(const std::string& section)
{
    const auto sectionBytes = sjis::encode(section);
    if (!sectionBytes) {
        return;
    }
    // The lines kept move up where they are: the file is never held twice.
    std::size_t keptText = 0;
    std::size_t keptLines = 0;
    bool erasing = false;
    for (std::size_t i = 0; i < lineCount(); ++i) {
        const std::size_t start = m_starts[i];
        const std::size_t length = lineEnd(i) - start;
        if (auto name = sectionOf(line(i))) {
            erasing = sameName(*name, *sectionBytes);
        }
        if (!erasing) {
            std::char_traits<char>::move(&m_text[keptText], &m_text[start], length);
            m_starts[keptLines++] = static_cast<std::uint32_t>(keptText);
            keptText += length;
        }
    }
    m_text.resize(keptText);
    m_starts.resize(keptLines);
}

std::string IniFile::toBytes() const
{
    std::string bytes;
    bytes.reserve(byteCount());
    for (std::size_t i = 0; i < lineCount(); ++i) {
        bytes += line(i);
        bytes += "\r\n";
    }
    return bytes;
}

void IniFile::save(const std::string& path) const
{
    // A file the tool would refuse to open again is not written at all.
    if (byteCount() > kMaxTextFileBytes) {
        throw Failure(
            withDetail(cannotWriteMessage(path),
                       formatText("保存すると %zu バイトになり、開ける大きさ (16 MiB まで) を超えます", byteCount())));
    }
    writeFileAtomically(path, toBytes(), cannotWriteMessage(path));
}

} // namespace rivet
