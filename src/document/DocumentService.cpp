#include "document/DocumentService.h"

#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/TextFile.h"
#include "document/Assembly.h"
#include "document/AssemblyFile.h"
#include "document/NewAssembly.h"

namespace rivet {

void startNewAssembly(Assembly& assembly)
{
    prepareNewAssembly(assembly);
    assembly.change();
    assembly.logic().rangeChange();
}

void openAssembly(Assembly& assembly, const std::string& fileName)
{
    loadAssembly(assembly, fileName);
    assembly.change();
    assembly.logic().rangeChange();
    assembly.setCurrentFile(fileName);
    assembly.setModified(false);
}

std::optional<std::string> missingTemplate(const std::string& dataDir, ReportKind kind, int number)
{
    const std::string path = templatePath(dataDir, kind, number);
    if (fileExists(path)) {
        return std::nullopt;
    }
    return missingTemplateMessage(path);
}

std::string reportPath(const std::string& documentPath, ReportKind kind)
{
    return replaceExtension(documentPath, kind == ReportKind::Text ? ".txt" : ".htm");
}

std::optional<std::string> exportReport(const Assembly& assembly, const std::string& dataDir, ReportKind kind,
                                        int number, const std::string& target)
{
    if (auto notice = missingTemplate(dataDir, kind, number)) {
        return notice;
    }
    const std::string report = buildReport(assembly, dataDir, kind, number);
    writeFileAtomically(target, report, formatText("ファイル %s を作成できません", target.c_str()));
    return std::nullopt;
}

} // namespace rivet
