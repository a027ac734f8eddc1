#include "cli/EvalCommand.h"

#include "cli/Json.h"
#include "cli/OpenedAssembly.h"
#include "common/ShiftJis.h"
#include "evaluation/FigureTexts.h"

#include <ostream>

namespace rivet::cli {

namespace {

std::string optionBoxName(int n)
{
    return n == 1 ? "Chk1" : "chk" + std::to_string(n);
}

std::string optionCaption(const Assembly& assembly, int n)
{
    const Part* option = assembly.table().option(n);
    return option ? option->name : std::string();
}

void writeJson(std::ostream& out, const std::string& path, const Assembly& assembly)
{
    out << "{\"file\": " << jsonString(path) << ", \"selectors\": [";
    for (int selector = 1; selector <= kSelectorCount; ++selector) {
        out << (selector > 1 ? ", " : "") << "{\"name\": \"cb" << selector
            << "\", \"position\": " << assembly.position(selector)
            << ", \"text\": " << jsonString(assembly.itemText(selector)) << "}";
    }
    out << "], \"options\": [";
    for (int n = 1; n <= kOptionCount; ++n) {
        out << (n > 1 ? ", " : "") << "{\"name\": \"" << optionBoxName(n)
            << "\", \"checked\": " << (assembly.option(n) ? "true" : "false")
            << ", \"caption\": " << jsonString(optionCaption(assembly, n)) << "}";
    }
    out << "], \"figures\": [";
    const auto& figures = assembly.figures();
    for (int i = 0; i < kFigureCount; ++i) {
        const FigureText& figure = figures[static_cast<std::size_t>(i)];
        out << (i > 0 ? ", " : "") << "{\"name\": \"" << figureLabelName(i)
            << "\", \"text\": " << jsonString(figure.text) << ", \"warning\": " << (figure.warning ? "true" : "false")
            << ", \"verdict\": " << (figure.verdict ? jsonString(*figure.verdict) : std::string("null")) << "}";
    }
    out << "]}\n";
}

void writeTable(std::ostream& out, const std::string& path, const Assembly& assembly)
{
    out << path << "\n";
    for (int selector = 1; selector <= kSelectorCount; ++selector) {
        out << "  cb" << selector << (selector < 10 ? " " : "") << "  " << assembly.itemText(selector) << "\n";
    }
    std::string options;
    for (int n = 1; n <= kOptionCount; ++n) {
        if (assembly.option(n)) {
            options += " " + optionCaption(assembly, n);
        }
    }
    out << "  options" << (options.empty() ? " -" : options) << "\n";
    for (int i = 0; i < kFigureCount; ++i) {
        const FigureText& figure = assembly.figures()[static_cast<std::size_t>(i)];
        out << "  " << paddedFigureCaption(i)
            << std::string(static_cast<std::size_t>(std::max(0, 12 - sjis::byteWidth(figure.text))), ' ') << figure.text
            << (figure.warning ? " !" : "  ") << " " << figure.verdict.value_or("") << "\n";
    }
}

} // namespace

int EvalCommand::execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    bool json = false;
    std::vector<std::string> files;
    for (const auto& argument : arguments) {
        if (argument == "--json") {
            json = true;
        } else if (!argument.empty() && argument[0] == '-' && argument != "-") {
            err << "usage: rivet-cli " << synopsis() << "\n";
            return kExitUsage;
        } else {
            files.push_back(argument);
        }
    }
    if (files.empty()) {
        err << "usage: rivet-cli " << synopsis() << "\n";
        return kExitUsage;
    }
    auto workspace = startWorkspace();
    for (const auto& path : files) {
        auto assembly = openAsTheWindowDoes(*workspace, path);
        if (json) {
            writeJson(out, path, *assembly);
        } else {
            writeTable(out, path, *assembly);
        }
    }
    return kExitOk;
}

} // namespace rivet::cli
