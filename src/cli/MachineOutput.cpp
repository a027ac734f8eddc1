#include "cli/MachineOutput.h"

#include "common/ShiftJis.h"
#include "evaluation/FigureTexts.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>

namespace rivet::cli {

namespace {

std::string optionCaption(const PartsTable& table, int n)
{
    const Part* option = table.option(n);
    return option ? option->name : std::string();
}

} // namespace

std::string rightAligned(const std::string& text, int width)
{
    return std::string(static_cast<std::size_t>(std::max(0, width - sjis::byteWidth(text))), ' ') + text;
}

Json machineJson(const std::optional<std::string>& file, const MachineDocument& document)
{
    return machineJson(file, document.table(), document.evaluation());
}

Json machineJson(const std::optional<std::string>& file, const PartsTable& table, const MachineEvaluation& machine)
{
    // Members are added one by one: an object written as nested braces costs a copy of every
    // member, which a list of ten thousand machines feels.
    Json selectors = Json::array();
    for (Selector selector : allSelectors()) {
        Json& entry = selectors.emplace_back(Json::object());
        entry["name"] = selectorName(selector);
        entry["position"] = shownPosition(table, machine.selection, selector);
        entry["text"] = selectorItemText(table, machine.selection, selector);
    }
    Json options = Json::array();
    for (int n = 1; n <= kOptionCount; ++n) {
        Json& entry = options.emplace_back(Json::object());
        entry["name"] = optionBoxName(n);
        entry["checked"] = machine.selection.option(n);
        entry["caption"] = optionCaption(table, n);
    }
    Json figures = Json::array();
    for (Figure f : allFigures()) {
        const FigureText& figure = machine.figures[f];
        Json& entry = figures.emplace_back(Json::object());
        entry["name"] = describe(f).labelName;
        entry["text"] = figure.text;
        entry["warning"] = figure.warning;
        entry["verdict"] = jsonText(figure.verdict);
    }
    Json json = Json::object();
    json["file"] = jsonText(file);
    json["selectors"] = std::move(selectors);
    json["options"] = std::move(options);
    json["figures"] = std::move(figures);
    return json;
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
            options += " " + optionCaption(document.table(), n);
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
