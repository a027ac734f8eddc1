#pragma once

#include "document/ReportValues.h"

#include <optional>
#include <string>

namespace rivet {

class Assembly;

// The document flows that the window and rivet-cli share, so that both start, open and
// export a machine alike. Saving is saveAssembly (document/AssemblyFile.h).

// The machine a fresh start shows before any file: the initial parts, the factory colours,
// no file, evaluated, with the combat-distance text shown.
void startNewAssembly(Assembly& assembly);

// The whole open: the file is read completely before anything of the machine changes (a
// failure leaves it exactly as it was), then it is evaluated, the combat-distance text is
// refreshed, and the machine takes the file's name and counts as saved.
void openAssembly(Assembly& assembly, const std::string& fileName);

// The notice to show when template N of that kind is missing from the data folder; nothing
// when it is there.
std::optional<std::string> missingTemplate(const std::string& dataDir, ReportKind kind, int number);

// Where an export of the document writes: its name with ".txt" or ".htm".
std::string reportPath(const std::string& documentPath, ReportKind kind);

// Writes the report through template N into target, in Shift-JIS and through a temporary
// file, so a failure ("ファイル %s を作成できません") leaves an old report untouched. A missing
// template writes nothing and returns its notice.
std::optional<std::string> exportReport(const Assembly& assembly, const std::string& dataDir, ReportKind kind,
                                        int number, const std::string& target);

} // namespace rivet
