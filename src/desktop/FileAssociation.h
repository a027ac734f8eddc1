#pragma once

#include <string>

namespace rivet {

// The registry of file types the desktop shell consults, reduced to what the tool needs:
// keys given their default (unnamed) string value. A key that does not exist is created.
class Registry
{
public:
    virtual ~Registry() = default;
    // Fails with registryFailureMessage() when the key cannot be opened, created or written.
    virtual void setDefaultValue(const std::string& key, const std::string& value) = 0;
};

// The file type that ".asm" files are registered under, and its description for the shell.
inline constexpr const char* kAsmExtensionKey = ".asm";
inline constexpr const char* kAsmFileType = "ZubRivet";
inline constexpr const char* kAsmFileTypeDescription = "Kosmo機体データ";
inline constexpr const char* kAsmOpenCommandKey = "ZubRivet\\shell\\open\\command";

// "'' の設定に失敗しました": the failed value is the unnamed default value, so the quotes
// enclose nothing.
std::string registryFailureMessage();

// The command the shell runs to open a file: the program's path as it is (not quoted), a
// blank and the file placeholder in double quotes.
std::string asmOpenCommand(const std::string& executablePath);

// Registers the program as the opener of ".asm" files: the extension, the file type and its
// open command, in this order. A failing write stops there; values written before it stay.
void associateAsmFiles(Registry& registry, const std::string& executablePath);

} // namespace rivet
