#pragma once

#include "sharing/ReportPattern.h"
#include "sharing/TakenMachine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rivet {

class PartsTable;

struct ReportTemplate
{
    ReportKind kind;
    int number;
    ReportPattern pattern;
};

// The data folder's templates 1..3 of both kinds that exist and read.
std::vector<ReportTemplate> readReportTemplates(const std::string& dataDir);

// A report (UTF-8, any line ends) read back through the template it follows best: the one
// with the most text of its own among those it follows. Whatever that template writes comes
// back (names, parts and options by name, pictures, description, colours, pilot settings);
// the rest is as a fresh start shows it. Nothing when the report follows no template.
std::optional<TakenMachine> readReport(std::string_view report, const std::vector<ReportTemplate>& templates,
                                       const PartsTable& table);

} // namespace rivet
