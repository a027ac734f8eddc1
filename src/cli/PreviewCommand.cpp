#include "cli/PreviewCommand.h"

#include "cli/Arguments.h"
#include "cli/Json.h"
#include "comparison/ChoicePreview.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"

#include <ostream>

namespace rivet::cli {

namespace {

void writeJsonItem(std::ostream& out, const ChoicePreview& preview, const std::string& text)
{
    out << "{\"position\": " << preview.item << ", \"text\": " << jsonString(text) << ", \"selectors\": [";
    for (Selector selector : allSelectors()) {
        out << (selector > 1 ? ", " : "") << preview.machine.selection.position(selector);
    }
    out << "], \"figures\": [";
    for (Figure f : allFigures()) {
        const FigureText& figure = preview.machine.figures[f];
        out << (f != Figure::Ap ? ", " : "") << "{\"name\": \"" << describe(f).labelName
            << "\", \"text\": " << jsonString(figure.text) << ", \"warning\": " << jsonBool(figure.warning)
            << ", \"difference\": " << jsonNumber(preview.comparison.figures[f].difference) << "}";
    }
    out << "]}";
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

int PreviewCommand::execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const auto parsed = parseJsonArguments(arguments);
    const auto selector = parsed && parsed->names.size() == 2 ? selectorNamed(parsed->names[1]) : std::nullopt;
    if (!selector) {
        err << "usage: rivet-cli " << synopsis() << "\n";
        return kExitUsage;
    }
    const std::string& path = parsed->names[0];
    auto workspace = startWorkspace();
    const auto document = openAsTheWindowDoes(workspace->table, path);
    const std::vector<std::string> texts = workspace->table.selectorItems(slotOfSelector(*selector));
    const std::vector<ChoicePreview> previews = previewList(workspace->table, document->evaluation(), *selector);
    if (parsed->json) {
        out << "{\"file\": " << jsonString(path) << ", \"selector\": \"" << selectorName(*selector)
            << "\", \"items\": [";
    } else {
        out << path << "  " << selectorName(*selector) << " (" << selectorCaption(*selector) << ")\n";
    }
    for (const ChoicePreview& preview : previews) {
        const std::string& text = texts.at(static_cast<std::size_t>(preview.item));
        if (parsed->json) {
            out << (preview.item > 0 ? ", " : "");
            writeJsonItem(out, preview, text);
        } else {
            writeTableItem(out, preview, text);
        }
    }
    if (parsed->json) {
        out << "]}\n";
    }
    return kExitOk;
}

} // namespace rivet::cli
