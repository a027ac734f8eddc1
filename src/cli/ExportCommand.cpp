#include "cli/ExportCommand.h"

#include "cli/CommandLine.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"
#include "cli/SameFile.h"
#include "common/ErrorText.h"
#include "document/DocumentService.h"

#include <ostream>

namespace rivet::cli {

namespace {

std::string reportOverInputMessage(const std::string& path)
{
    return formatText("レポートの出力先 %s は機体ファイルそのものです", path.c_str());
}

} // namespace

void ExportCommand::declare(CommandLine& line)
{
    line.choice("--format", m_kind, {{"text", ReportKind::Text}, {"html", ReportKind::Html}},
                "a text report through template N.txt or an HTML one through template N.htm",
                CommandLine::Need::Required);
    line.choice("--template", m_template, {{"1", 1}, {"2", 2}, {"3", 3}},
                "which of the data folder's templates (default 1)");
    line.file("FILE", m_file, "the assembly file (.asm) to report on");
    line.output(m_output, "OUT|-",
                "write the report to OUT, or with - to standard output (default: FILE with .txt or .htm)");
}

int ExportCommand::run(std::ostream& out, std::ostream& err)
{
    auto workspace = startWorkspace();
    auto document = openAsTheWindowDoes(workspace->table, m_file);
    const std::string& dataDir = workspace->paths.dataDir;
    if (m_output == "-") {
        if (auto notice = missingTemplate(dataDir, m_kind, m_template)) {
            err << *notice << "\n";
            return kExitFailure;
        }
        out << buildReport(*document, dataDir, m_kind, m_template);
        return kExitOk;
    }
    const std::string target = m_output.value_or(reportPath(m_file, m_kind));
    // A file named like its own report (machine.txt) would be replaced by it.
    if (sameFile(target, m_file)) {
        err << errorBoxText(reportOverInputMessage(target)) << "\n";
        return kExitFailure;
    }
    if (auto notice = exportReport(*document, dataDir, m_kind, m_template, target)) {
        err << *notice << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace rivet::cli
