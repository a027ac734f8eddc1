#include "cli/MachineOutput.h"

#include "cli/Json.h"
#include "common/ShiftJis.h"
#include "evaluation/FigureTexts.h"

#include <algorithm>
#include <ostream>
#include <sstream>

namespace rivet::cli {

namespace {

std::string optionCaption(const MachineDocument& document, int n)
{
    const Part* option = document.table().option(n);
    return option ? option->name : std::string();
}

} // namespace

std::string rightAligned(const std::string& text, int width)
{
    return std::string(static_cast<std::size_t>(std::max(0, width - sjis::byteWidth(text))), ' ') + text;
}

std::string machineJson(const std::optional<std::string>& file, const MachineDocument& document,
                        const std::string& moreMembers)
{
    std::ostringstream out;
    out << "{\"file\": " << jsonStringOrNull(file) << ", \"selectors\": [";
    for (Selector selector : allSelectors()) {
        out << (selector > 1 ? ", " : "") << "{\"name\": \"" << selectorName(selector)
            << "\", \"position\": " << document.shownPosition(selector)
            << ", \"text\": " << jsonString(document.itemText(selector)) << "}";
    }
    out << "], \"options\": [";
    for (int n = 1; n <= kOptionCount; ++n) {
        out << (n > 1 ? ", " : "") << "{\"name\": \"" << optionBoxName(n)
            << "\", \"checked\": " << jsonBool(document.option(n))
            << ", \"caption\": " << jsonString(optionCaption(document, n)) << "}";
    }
    out << "], \"figures\": [";
    const auto& figures = document.evaluation().figures;
    for (Figure f : allFigures()) {
        const FigureText& figure = figures[f];
        out << (f != Figure::Ap ? ", " : "") << "{\"name\": \"" << describe(f).labelName
            << "\", \"text\": " << jsonString(figure.text) << ", \"warning\": " << jsonBool(figure.warning)
            << ", \"verdict\": " << jsonStringOrNull(figure.verdict) << "}";
    }
    out << "]" << moreMembers << "}";
    return out.str();
}

void writeMachineTable(std::ostream& out, const std::string& heading, const MachineDocument& document)
{
    out << heading << "\n";
    for (Selector selector : allSelectors()) {
        out << "  " << sjis::padRight(selectorName(selector), 4) << "  " << document.itemText(selector) << "\n";
    }
    std::string options;
    for (int n = 1; n <= kOptionCount; ++n) {
        if (document.option(n)) {
            options += " " + optionCaption(document, n);
        }
    }
    out << "  options" << (options.empty() ? " -" : options) << "\n";
    for (Figure f : allFigures()) {
        const FigureText& figure = document.evaluation().figures[f];
        out << "  " << paddedFigureCaption(f) << rightAligned(figure.text, 12) << (figure.warning ? " !" : "  ") << " "
            << figure.verdict.value_or("") << "\n";
    }
}

} // namespace rivet::cli
