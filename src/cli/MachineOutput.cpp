#include "cli/MachineOutput.h"

#include "common/ShiftJis.h"
#include "evaluation/FigureTexts.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>

namespace rivet::cli {

namespace {

std::string optionCaption(const Assembly& assembly, int n)
{
    const Part* option = assembly.table().option(n);
    return option ? option->name : std::string();
}

} // namespace

std::string rightAligned(const std::string& text, int width)
{
    return std::string(static_cast<std::size_t>(std::max(0, width - sjis::byteWidth(text))), ' ') + text;
}

Json machineJson(const std::optional<std::string>& file, const Assembly& assembly)
{
    Json selectors = Json::array();
    for (Selector selector : allSelectors()) {
        selectors.push_back({{"name", selectorName(selector)},
                             {"position", assembly.position(selector)},
                             {"text", assembly.itemText(selector)}});
    }
    Json options = Json::array();
    for (int n = 1; n <= kOptionCount; ++n) {
        options.push_back(
            {{"name", optionBoxName(n)}, {"checked", assembly.option(n)}, {"caption", optionCaption(assembly, n)}});
    }
    Json figures = Json::array();
    for (Figure f : allFigures()) {
        const FigureText& figure = assembly.figures()[f];
        figures.push_back({{"name", describe(f).labelName},
                           {"text", figure.text},
                           {"warning", figure.warning},
                           {"verdict", jsonText(figure.verdict)}});
    }
    return {{"file", jsonText(file)}, {"selectors", selectors}, {"options", options}, {"figures", figures}};
}

void writeMachineTable(std::ostream& out, const std::string& heading, const Assembly& assembly)
{
    out << heading << "\n";
    for (Selector selector : allSelectors()) {
        out << "  " << sjis::padRight(selectorName(selector), 4) << "  " << assembly.itemText(selector) << "\n";
    }
    std::string options;
    for (int n = 1; n <= kOptionCount; ++n) {
        if (assembly.option(n)) {
            options += " " + optionCaption(assembly, n);
        }
    }
    out << "  options" << (options.empty() ? " -" : options) << "\n";
    for (Figure f : allFigures()) {
        const FigureText& figure = assembly.figures()[f];
        out << "  " << paddedFigureCaption(f) << rightAligned(figure.text, 12) << (figure.warning ? " !" : "  ") << " "
            << figure.verdict.value_or("") << "\n";
    }
}

} // namespace rivet::cli
