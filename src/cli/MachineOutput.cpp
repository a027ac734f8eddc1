#include "cli/MachineOutput.h"

#include "common/ShiftJis.h"
#include "evaluation/FigureTexts.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>

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

Json machineJson(const std::optional<std::string>& file, const MachineDocument& document)
{
    Json selectors = Json::array();
    for (Selector selector : allSelectors()) {
        selectors.push_back({{"name", selectorName(selector)},
                             {"position", document.position(selector)},
                             {"text", document.itemText(selector)}});
    }
    Json options = Json::array();
    for (int n = 1; n <= kOptionCount; ++n) {
        options.push_back(
            {{"name", optionBoxName(n)}, {"checked", document.option(n)}, {"caption", optionCaption(document, n)}});
    }
    Json figures = Json::array();
    for (Figure f : allFigures()) {
        const FigureText& figure = document.evaluation().figures[f];
        figures.push_back({{"name", describe(f).labelName},
                           {"text", figure.text},
                           {"warning", figure.warning},
                           {"verdict", jsonText(figure.verdict)}});
    }
    return {{"file", jsonText(file)}, {"selectors", selectors}, {"options", options}, {"figures", figures}};
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
