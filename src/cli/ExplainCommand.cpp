#include "cli/ExplainCommand.h"

#include "cli/CommandLine.h"
#include "cli/JsonLine.h"
#include "cli/MachineOutput.h"
#include "common/Numbers.h"
#include "common/ShiftJis.h"
#include "document/DocumentService.h"
#include "evaluation/FigureBreakdown.h"
#include "evaluation/FigureTexts.h"
#include "startup/StartUp.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace rivet::cli {

namespace {

Json breakdownJson(const FigureBreakdown& breakdown)
{
    const FigureDescriptor& figure = describe(breakdown.figure);
    Json terms = Json::array();
    for (const BreakdownTerm& term : breakdown.terms) {
        terms.push_back({{"source", term.source}, {"part", term.part}, {"value", jsonNumber(term.value)}});
    }
    return {{"name", figure.labelName},
            {"caption", figure.caption},
            {"text", breakdown.text},
            {"number", jsonNumber(breakdown.number)},
            {"terms", terms},
            {"limit", jsonNumber(breakdown.limit)},
            {"warning", breakdown.warning}};
}

void writeBreakdown(std::ostream& out, const FigureBreakdown& breakdown)
{
    out << "  " << sjis::padRight(describe(breakdown.figure).labelName, 5) << paddedFigureCaption(breakdown.figure)
        << textWithNumber(breakdown.figure, breakdown.text, breakdown.number) << (breakdown.warning ? " !" : "");
    if (breakdown.verdict && !breakdown.verdict->empty()) {
        out << " " << *breakdown.verdict;
    }
    out << "\n";
    for (const BreakdownTerm& term : breakdown.terms) {
        out << "      " << sjis::padRight(term.label, 18) << sjis::padRight(term.part, 24)
            << rightAligned(formatGeneral(term.value), 8) << "\n";
    }
    for (const std::string& step : breakdown.steps) {
        out << "      " << step << "\n";
    }
}

} // namespace

void ExplainCommand::declare(CommandLine& line)
{
    line.jsonFlag(m_json);
    line.file("FILE", m_file, "the assembly file (.asm)");
    line.optionalFigure("FIGURE", m_figure, "only this figure, ed1..ed16 (all sixteen without it)");
}

int ExplainCommand::run(std::ostream& out, std::ostream&)
{
    auto workspace = startWorkspace();
    const auto document = openAsTheWindowDoes(workspace->table, m_file);
    if (!m_json) {
        out << m_file << "\n";
    }
    for (Figure f : allFigures()) {
        if (m_figure && *m_figure != f) {
            continue;
        }
        const FigureBreakdown breakdown = explainFigure(workspace->table, document->evaluation(), f);
        if (m_json) {
            out << jsonLine(breakdownJson(breakdown)) << "\n";
        } else {
            writeBreakdown(out, breakdown);
        }
    }
    return kExitOk;
}

} // namespace rivet::cli
