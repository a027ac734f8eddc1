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

std::string_view trimmed(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

bool isSectionHeader(std::string_view line)
{
    const std::string_view text = trimmed(line);
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
    // Apart from Exec this is the entry a system-wide install carries; the player's own
    // entry of the same name takes its place, so the menu keeps one entry, icon and category.
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Rivet Tool\n"
           "Comment=Plan a machine for a mech-combat game\n"
           "Comment[ja]=Kosmoアセンブルツール\n"
           "Exec="
        + entryValue(execLine(program))
        + "\n"
          "Icon="
        + kIconName
        + "\n"
          "MimeType="
        + entryValue(mimeType)
        + ";\n"
          "Terminal=false\n"
          "Categories=Game;\n"
          "Keywords=Kosmo;asm;アセンブル;機体;\n";
}

std::string execProgramOf(const std::string& entryText)
{
    std::string program;
    forEachTextLine(entryText, [&program](std::string_view line, std::size_t) {
        if (program.empty() && line.substr(0, 5) == "Exec=") {
            const std::string_view command = trimmed(line.substr(5));
            const std::string_view first = command.substr(0, command.find(' '));
            // A quoted or escaped program is not one to look up by name.
            if (first.find_first_of("\"'\\") == std::string_view::npos) {
                program = first;
            }
        }
    });
    return program;
}

bool isEntryWrittenForMimeType(const std::string& entryText, const std::string& mimeType)
{
    // Every line but Exec as desktopEntryText writes it.
    auto withoutExec = [](const std::string& text) {
        std::string kept;
        forEachTextLine(text, [&kept](std::string_view line, std::size_t) {
            if (line.substr(0, 5) != "Exec=") {
                kept.append(line.data(), line.size()) += "\n";
            }
        });
        return kept;
    };
    return withoutExec(entryText) == withoutExec(desktopEntryText("rivet", mimeType));
}

std::string withDefaultApplication(const std::string& mimeappsText, const std::string& mimeType,
                                   const std::string& desktopEntry)
{
    // The entry goes right under the section header; an older entry for the type is dropped.
    const std::string entry = mimeType + "=" + desktopEntry;
    std::string text;
    bool inDefaults = false;
    bool written = false;
    bool endsBlank = true; // nothing written yet, or an empty last line
    auto add = [&text, &endsBlank](std::string_view line) {
        text.append(line.data(), line.size()) += "\n";
        endsBlank = trimmed(line).empty();
    };
    forEachTextLine(mimeappsText, [&](std::string_view line, std::size_t) {
        if (isSectionHeader(line)) {
            inDefaults = trimmed(line) == "[Default Applications]";
            add(line);
            if (inDefaults && !written) {
                add(entry);
                written = true;
            }
            return;
        }
        const std::size_t equals = line.find('=');
        if (inDefaults && equals != std::string_view::npos && trimmed(line.substr(0, equals)) == mimeType) {
            return;
        }
        add(line);
    });
    if (!written) {
        if (!endsBlank) {
            add("");
        }
        add("[Default Applications]");
        add(entry);
    }
    return text;
}

} // namespace rivet::desktop
