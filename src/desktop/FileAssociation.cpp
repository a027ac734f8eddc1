#include "desktop/FileAssociation.h"

#include "common/ErrorText.h"

namespace rivet {

std::string registryFailureMessage()
{
    return formatText("'%s' の設定に失敗しました", "");
}

std::string asmOpenCommand(const std::string& executablePath)
{
    return executablePath + " \"%1\"";
}

void associateAsmFiles(Registry& registry, const std::string& executablePath)
{
    registry.setDefaultValue(kAsmExtensionKey, kAsmFileType);
    registry.setDefaultValue(kAsmFileType, kAsmFileTypeDescription);
    registry.setDefaultValue(kAsmOpenCommandKey, asmOpenCommand(executablePath));
}

} // namespace rivet
