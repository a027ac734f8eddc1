#include "cli/ExportCommand.h"

#include "document/DocumentService.h"
#include "startup/StartUp.h"

#include <optional>
#include <ostream>

namespace rivet::cli {

namespace {

struct ExportOptions
{
    ReportKind kind = ReportKind::Text;
    int templateNumber = 1;
    std::string file;
    std::optional<std::string> output;
};

std::optional<ExportOptions> parse(const std::vector<std::string>& arguments)
{
    ExportOptions options;
    bool haveFormat = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--format" && hasValue) {
            const std::string& format = arguments[++i];
            if (format != "text" && format != "html") {
                return std::nullopt;
            }
            options.kind = format == "text" ? ReportKind::Text : ReportKind::Html;
            haveFormat = true;
        } else if (argument == "--template" && hasValue) {
            const std::string& number = arguments[++i];
            if (number != "1" && number != "2" && number != "3") {
                return std::nullopt;
            }
            options.templateNumber = number[0] - '0';
        } else if (argument == "-o" && hasValue) {
            options.output = arguments[++i];
        } else if (!argument.empty() && argument[0] != '-' && options.file.empty()) {
            options.file = argument;
        } else {
            return std::nullopt;
        }
    }
    if (!haveFormat || options.file.empty()) {
        return std::nullopt;
    }
    return options;
}

} // namespace

int ExportCommand::execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const auto options = parse(arguments);
    if (!options) {
        err << "usage: rivet-cli " << synopsis() << "\n";
        return kExitUsage;
    }
    auto workspace = startWorkspace();
    auto document = openAsTheWindowDoes(workspace->table, options->file);
    const std::string& dataDir = workspace->paths.dataDir;
    const std::string target = options->output.value_or(reportPath(options->file, options->kind));
    std::optional<std::string> notice;
    if (target != "-") {
        notice = exportReport(*document, dataDir, options->kind, options->templateNumber, target);
    } else if (!(notice = missingTemplate(dataDir, options->kind, options->templateNumber))) {
        out << buildReport(*document, dataDir, options->kind, options->templateNumber);
        out.flush();
        return out ? kExitOk : kExitFailure;
    }
    if (notice) {
        err << *notice << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace rivet::cli
