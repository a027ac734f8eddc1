#pragma once

#include <string>

// The freedesktop.org records that make a Linux desktop open a file type with a program:
// a shared-mime-info package naming the type, a desktop entry for the program, and the
// program as the type's default application in mimeapps.list. Text only; no file access.
namespace rivet::desktop {

// The desktop entry's file name, which mimeapps.list names as the default application.
inline constexpr const char* kDesktopEntryName = "rivet-tool.desktop";
// The application icon's name in the desktop's icon theme.
inline constexpr const char* kIconName = "rivet-tool";

// The MIME type a file type of the shell is known by on the desktop:
// "application/x-" + lower-case file type + "-" + extension ("application/x-zubrivet-asm").
std::string mimeTypeFor(const std::string& fileType, const std::string& extension);

// A shared-mime-info package declaring mimeType for "*." + extension, with its description.
std::string mimePackageText(const std::string& mimeType, const std::string& extension, const std::string& description);

// The Exec value running program with the file to open: the program quoted when the
// desktop-entry rules require it, then the field code %f.
std::string execLine(const std::string& program);

// The program of a shell open command "program \"%1\"" (the program itself not quoted).
std::string programOfOpenCommand(const std::string& command);

// A desktop entry for the program that opens mimeType. With the program "rivet" it is the
// entry the package installs.
std::string desktopEntryText(const std::string& program, const std::string& mimeType);

// The program an entry's Exec line starts, when it is written plainly (no quotes, no escapes);
// empty otherwise.
std::string execProgramOf(const std::string& entryText);

// Whether an entry is one desktopEntryText wrote for mimeType, whatever program it starts:
// the player's own edited entry of the same name is not.
bool isEntryWrittenForMimeType(const std::string& entryText, const std::string& mimeType);

// mimeapps.list with desktopEntry as the default application of mimeType in the section
// [Default Applications]; every other line is kept as it was.
std::string withDefaultApplication(const std::string& mimeappsText, const std::string& mimeType,
                                   const std::string& desktopEntry);

} // namespace rivet::desktop
