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
    ini.m_lines = splitTextLines(bytes);
    return ini;
}

std::optional<IniFile::Entry> IniFile::find(const std::string& section, const std::string& key) const
{
    const auto sectionBytes = sjis::encode(section);
    const auto keyBytes = sjis::encode(key);
    if (!sectionBytes || !keyBytes) {
        return std::nullopt;
    }
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string& line = m_lines[i];
        if (auto name = sectionOf(line)) {
            inSection = sameName(*name, *sectionBytes);
            continue;
        }
        if (!inSection) {
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        if (sameName(trim(std::string_view(line).substr(0, equals)), *keyBytes)) {
            return Entry {i, line.substr(equals + 1)};
        }
    }
    return std::nullopt;
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
    if (auto entry = find(section, key)) {
        std::string& line = m_lines[entry->line];
        line = line.substr(0, line.find('=') + 1) + valueBytes;
        return;
    }
    std::optional<std::size_t> lastOfSection;
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (auto name = sectionOf(m_lines[i])) {
            if (lastOfSection) {
                break; // the key goes into the first section of that name
            }
            inSection = sameName(*name, sectionBytes);
            if (inSection) {
                lastOfSection = i;
            }
            continue;
        }
        if (inSection && !trim(m_lines[i]).empty()) {
            lastOfSection = i;
        }
    }
    const std::string entryLine = keyBytes + "=" + valueBytes;
    if (lastOfSection) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*lastOfSection + 1), entryLine);
    } else {
        m_lines.push_back("[" + sectionBytes + "]");
        m_lines.push_back(entryLine);
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
    std::vector<std::string> kept;
    bool erasing = false;
    for (auto& line : m_lines) {
        if (auto name = sectionOf(line)) {
            erasing = sameName(*name, *sectionBytes);
        }
        if (!erasing) {
            kept.push_back(std::move(line));
        }
    }
    m_lines = std::move(kept);
}

std::string IniFile::toBytes() const
{
    return joinCrLf(m_lines);
}

void IniFile::save(const std::string& path) const
{
    writeFileAtomically(path, toBytes(), cannotWriteMessage(path));
}

} // namespace rivet
