#include "cli/PreviewCommand.h"

#include "cli/CommandLine.h"
#include "cli/JsonLine.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"
#include "comparison/ChoicePreview.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace rivet::cli {

namespace {

Json itemJson(const ChoicePreview& preview, const std::string& text)
{
    Json selectors = Json::array();
    for (Selector selector : allSelectors()) {
        selectors.push_back(preview.machine.selection.position(selector));
    }
    Json figures = Json::array();
    for (Figure f : allFigures()) {
        const FigureText& figure = preview.machine.figures[f];
        figures.push_back({{"name", describe(f).labelName},
                           {"text", figure.text},
                           {"warning", figure.warning},
                           {"difference", jsonNumber(preview.comparison.figures[f].difference)}});
    }
    return {{"position", preview.item}, {"text", text}, {"selectors", selectors}, {"figures", figures}};
}

void writeTableItem(std::ostream& out, const ChoicePreview& preview, const std::string& text)
{
    out << "  " << preview.item << "  " << text << "\n";
    if (preview.changesNothing()) {
        out << "      (no change)\n";
        return;
    }
    for (Figure f : allFigures()) {
        const FigureComparison& figure = preview.comparison.figures[f];
        if (figure.base != figure.other) {
            const std::string difference = differenceText(figure.difference);
            out << "      " << paddedFigureCaption(f) << figure.base << " → " << figure.other
                << (difference.empty() ? "" : "  (" + difference + ")") << "\n";
        }
    }
    for (const PartDifference& part : preview.comparison.parts) {
        out << "      " << selectorCaption(part.selector) << "：" << part.base << " → " << part.other << "\n";
    }
}

} // namespace

void PreviewCommand::declare(CommandLine& line)
{
    line.jsonFlag(m_json);
    line.file("FILE", m_file, "the assembly file (.asm) whose machine the choices start from");
    line.selector("SELECTOR", m_selector, "the selector whose items are tried, cb1..cb11");
}

int PreviewCommand::run(std::ostream& out, std::ostream&)
{
    auto workspace = startWorkspace();
    const auto document = openAsTheWindowDoes(workspace->table, m_file);
    const std::vector<std::string> texts = workspace->table.selectorItems(slotOfSelector(m_selector));
    const std::vector<ChoicePreview> previews
        = previewList(workspace->table, document->evaluation(), m_selector, ChoiceWay::Selector);
    if (m_json) {
        Json items = Json::array();
        for (const ChoicePreview& preview : previews) {
            items.push_back(itemJson(preview, texts.at(static_cast<std::size_t>(preview.item))));
        }
        const Json list = {{"file", m_file}, {"selector", selectorName(m_selector)}, {"items", items}};
        out << jsonLine(list) << "\n";
        return kExitOk;
    }
    out << m_file << "  " << selectorName(m_selector) << " (" << selectorCaption(m_selector) << ")\n";
    for (const ChoicePreview& preview : previews) {
        writeTableItem(out, preview, texts.at(static_cast<std::size_t>(preview.item)));
    }
    return kExitOk;
}

} // namespace rivet::cli
