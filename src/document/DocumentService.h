#pragma once

#include "document/MachineDocument.h"
#include "document/ReportValues.h"

#include <memory>
#include <optional>
#include <string>

namespace rivet {

// The document flows that the window and rivet-cli share, so that both open and export a
// machine alike.

// The machine exactly as the window shows it after starting and opening the file: the
// start-up machine, then the file read and evaluated. A file that does not exist fails with
// "ファイルが見つかりません" (there is no dialog to fall back on).
std::unique_ptr<MachineDocument> openAsTheWindowDoes(const PartsTable& table, const std::string& path);

// The machine exactly as the window shows it after a start without a file.
std::unique_ptr<MachineDocument> startAsTheWindowDoes(const PartsTable& table);

// The notice to show when template N of that kind is missing from the data folder; nothing
// when it is there.
std::optional<std::string> missingTemplate(const std::string& dataDir, ReportKind kind, int number);

// Where an export of the document writes: its name with ".txt" or ".htm".
std::string reportPath(const std::string& documentPath, ReportKind kind);

// Writes the report through template N into target, in Shift-JIS and through a temporary
// file, so a failure ("ファイル %s を作成できません") leaves an old report untouched. A missing
// template writes nothing and returns its notice.
std::optional<std::string> exportReport(const MachineDocument& document, const std::string& dataDir, ReportKind kind,
                                        int number, const std::string& target);

} // namespace rivet
