#include "cli/CompareCommand.h"

#include "cli/CommandLine.h"
#include "cli/MachineOutput.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"
#include "common/ShiftJis.h"
#include "comparison/MachineComparison.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace rivet::cli {

namespace {

const char* betterText(Better better)
{
    switch (better) {
    case Better::Base:
        return "base";
    case Better::Other:
        return "other";
    case Better::Neither:
        break;
    }
    return "";
}

Json jsonBetter(Better better)
{
    return better == Better::Neither ? Json(nullptr) : Json(betterText(better));
}

Json comparisonJson(const std::string& basePath, const std::string& otherPath, const MachineComparison& comparison)
{
    Json figures = Json::array();
    for (Figure f : allFigures()) {
        const FigureComparison& figure = comparison.figures[f];
        figures.push_back({{"name", describe(f).labelName},
                           {"caption", describe(f).caption},
                           {"base", figure.base},
                           {"other", figure.other},
                           {"difference", jsonNumber(figure.difference)},
                           {"better", jsonBetter(figure.better)}});
    }
    Json parts = Json::array();
    for (const PartDifference& part : comparison.parts) {
        parts.push_back({{"name", selectorName(part.selector)}, {"base", part.base}, {"other", part.other}});
    }
    return {{"base", basePath}, {"other", otherPath}, {"figures", figures}, {"parts", parts}};
}

void writeTable(std::ostream& out, const std::string& basePath, const std::string& otherPath,
                const MachineComparison& comparison)
{
    out << "base   " << basePath << "\nother  " << otherPath << "\n";
    out << "  " << std::string(20, ' ') << rightAligned("base", 12) << rightAligned("other", 12)
        << rightAligned("difference", 12) << "  better\n";
    for (Figure f : allFigures()) {
        const FigureComparison& figure = comparison.figures[f];
        const std::string better = betterText(figure.better);
        out << "  " << paddedFigureCaption(f) << rightAligned(figure.base, 12) << rightAligned(figure.other, 12)
            << rightAligned(differenceText(figure.difference), 12) << (better.empty() ? "" : "  " + better) << "\n";
    }
    out << "parts" << (comparison.parts.empty() ? " -" : "") << "\n";
    for (const PartDifference& part : comparison.parts) {
        out << "  " << sjis::padRight(selectorName(part.selector), 6)
            << sjis::padRight(selectorCaption(part.selector), 14) << part.base << " → " << part.other << "\n";
    }
}

} // namespace

void CompareCommand::declare(CommandLine& line)
{
    line.jsonFlag(m_json);
    line.file("BASE", m_base, "the assembly file (.asm) the other is compared with");
    line.file("OTHER", m_other, "the assembly file (.asm) compared with the base");
}

int CompareCommand::run(std::ostream& out, std::ostream&)
{
    auto workspace = startWorkspace();
    const auto base = openAsTheWindowDoes(workspace->table, m_base);
    const auto other = openAsTheWindowDoes(workspace->table, m_other);
    const MachineComparison comparison = compareMachines(workspace->table, base->evaluation(), other->evaluation());
    if (m_json) {
        out << jsonLine(comparisonJson(m_base, m_other, comparison)) << "\n";
    } else {
        writeTable(out, m_base, m_other, comparison);
    }
    return kExitOk;
}

} // namespace rivet::cli
