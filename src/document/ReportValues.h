#pragma once

#include <string>
#include <vector>

namespace rivet {

class MachineDocument;

enum class ReportKind { Text, Html };

// The values for the placeholders, in list order, gathered from the machine as the window
// shows it: 117 for HTML, 116 for text (which leaves "#version" as written). Text reports pad
// names and part texts to 15 Shift-JIS bytes and figures to 11; HTML writes the description's
// line breaks as "<br>" and colours as "#RRGGBB". A colour cell that is not three two-digit
// numbers fails with "'%s' は整数ではありません".
std::vector<std::string> gatherReportValues(const MachineDocument& document, ReportKind kind);

// "template" + N + ".txt" or ".htm" in the data folder.
std::string templatePath(const std::string& dataDir, ReportKind kind, int number);
// The notice when that template does not exist.
std::string missingTemplateMessage(const std::string& path);
// The report of the machine through template N: read from the data folder, expanded and
// encoded to Shift-JIS. Fails as the template reading and the value gathering do.
std::string buildReport(const MachineDocument& document, const std::string& dataDir, ReportKind kind, int number);
// The report as UTF-8 text (for the clipboard).
std::string buildReportText(const MachineDocument& document, const std::string& dataDir, ReportKind kind, int number);

} // namespace rivet
