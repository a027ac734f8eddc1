#include "document/DocumentService.h"

#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/TextFile.h"
#include "document/AssemblyFile.h"

namespace rivet {

std::unique_ptr<MachineDocument> openAsTheWindowDoes(const PartsTable& table, const std::string& path)
{
    requireFile(path);
    auto document = startAsTheWindowDoes(table);
    document->open(path);
    return document;
}

std::unique_ptr<MachineDocument> startAsTheWindowDoes(const PartsTable& table)
{
    auto document = std::make_unique<MachineDocument>(table);
    document->startNew();
    return document;
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

std::optional<std::string> exportReport(const MachineDocument& document, const std::string& dataDir, ReportKind kind,
                                        int number, const std::string& target)
{
    if (auto notice = missingTemplate(dataDir, kind, number)) {
        return notice;
    }
    const std::string report = buildReport(document, dataDir, kind, number);
    writeFileAtomically(target, report, formatText("ファイル %s を作成できません", target.c_str()));
    return std::nullopt;
}

} // namespace rivet
