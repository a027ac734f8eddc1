#include "desktop/DesktopFileType.h"

#include "common/TextFile.h"

#include <vector>

namespace rivet::desktop {

namespace {

bool isMimeNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

std::string mimeName(const std::string& text)
{
    std::string name;
    for (char c : text) {
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        name += isMimeNameCharacter(lower) ? lower : '-';
    }
    return name;
}

std::string xmlEscaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// A desktop-entry string value cannot hold line breaks; a backslash starts an escape.
std::string entryValue(const std::string& text)
{
    std::string value;
    for (char c : text) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\r':
            value += "\\r";
            break;
        case '\t':
            value += "\\t";
            break;
        default:
            value += c;
        }
    }
    return value;
}

// Characters that force an Exec argument into double quotes.
bool isReserved(char c)
{
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    return reserved.find(c) != std::string::npos;
}

std::string trimmed(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

bool isSectionHeader(const std::string& line)
{
    const std::string text = trimmed(line);
    return !text.empty() && text.front() == '[';
}

} // namespace

std::string mimeTypeFor(const std::string& fileType, const std::string& extension)
{
    return "application/x-" + mimeName(fileType) + "-" + mimeName(extension);
}

std::string mimePackageText(const std::string& mimeType, const std::string& extension, const std::string& description)
{
    // The weight puts the type ahead of the assembler sources that also end in ".asm",
    // as the shell's registration takes the extension over on Windows.
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\""
        + xmlEscaped(mimeType)
        + "\">\n"
          "    <comment>"
        + xmlEscaped(description)
        + "</comment>\n"
          "    <sub-class-of type=\"text/plain\"/>\n"
          "    <glob pattern=\"*."
        + xmlEscaped(extension)
        + "\" weight=\"60\"/>\n"
          "  </mime-type>\n"
          "</mime-info>\n";
}

std::string execLine(const std::string& program)
{
    bool quote = program.empty();
    for (char c : program) {
        quote = quote || isReserved(c);
    }
    std::string argument;
    for (char c : program) {
        if (c == '%') {
            argument += "%%";
        } else if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            argument += '\\';
            argument += c;
        } else {
            argument += c;
        }
    }
    if (quote) {
        argument = "\"" + argument + "\"";
    }
    return argument + " %f";
}

std::string programOfOpenCommand(const std::string& command)
{
    const std::string placeholder = " \"%1\"";
    if (command.size() >= placeholder.size()
        && command.compare(command.size() - placeholder.size(), placeholder.size(), placeholder) == 0) {
        return command.substr(0, command.size() - placeholder.size());
    }
    return command;
}

std::string desktopEntryText(const std::string& program, const std::string& mimeType)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Rivet Tool\n"
           "Comment=Kosmoアセンブルツール\n"
           "Exec="
        + entryValue(execLine(program))
        + "\n"
          "Icon="
        + std::string(kIconName)
        + "\n"
          "MimeType="
        + entryValue(mimeType)
        + ";\n"
          "Terminal=false\n";
}

std::string withDefaultApplication(const std::string& mimeappsText, const std::string& mimeType,
                                   const std::string& desktopEntry)
{
    // The entry goes right under the section header; an older entry for the type is dropped.
    const std::string entry = mimeType + "=" + desktopEntry;
    std::vector<std::string> result;
    bool inDefaults = false;
    bool written = false;
    for (const std::string& line : splitTextLines(mimeappsText)) {
        if (isSectionHeader(line)) {
            inDefaults = trimmed(line) == "[Default Applications]";
            result.push_back(line);
            if (inDefaults && !written) {
                result.push_back(entry);
                written = true;
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inDefaults && equals != std::string::npos && trimmed(line.substr(0, equals)) == mimeType) {
            continue;
        }
        result.push_back(line);
    }
    if (!written) {
        if (!result.empty() && !trimmed(result.back()).empty()) {
            result.emplace_back();
        }
        result.emplace_back("[Default Applications]");
        result.push_back(entry);
    }
    std::string text;
    for (const std::string& line : result) {
        text += line + "\n";
    }
    return text;
}

} // namespace rivet::desktop
