#include "cli/CompareCommand.h"

#include "cli/Arguments.h"
#include "cli/Json.h"
#include "cli/MachineOutput.h"
#include "common/ShiftJis.h"
#include "comparison/MachineComparison.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"

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

std::string jsonBetter(Better better)
{
    return better == Better::Neither ? std::string("null") : jsonString(betterText(better));
}

void writeJson(std::ostream& out, const std::string& basePath, const std::string& otherPath,
               const MachineComparison& comparison)
{
    out << "{\"base\": " << jsonString(basePath) << ", \"other\": " << jsonString(otherPath) << ", \"figures\": [";
    for (Figure f : allFigures()) {
        const FigureComparison& figure = comparison.figures[f];
        out << (f != Figure::Ap ? ", " : "") << "{\"name\": \"" << describe(f).labelName
            << "\", \"caption\": " << jsonString(describe(f).caption) << ", \"base\": " << jsonString(figure.base)
            << ", \"other\": " << jsonString(figure.other) << ", \"difference\": " << jsonNumber(figure.difference)
            << ", \"better\": " << jsonBetter(figure.better) << "}";
    }
    out << "], \"parts\": [";
    bool first = true;
    for (const PartDifference& part : comparison.parts) {
        out << (first ? "" : ", ") << "{\"name\": \"" << selectorName(part.selector)
            << "\", \"base\": " << jsonString(part.base) << ", \"other\": " << jsonString(part.other) << "}";
        first = false;
    }
    out << "]}\n";
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

int CompareCommand::execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const auto parsed = parseJsonArguments(arguments);
    if (!parsed || parsed->names.size() != 2) {
        err << "usage: rivet-cli " << synopsis() << "\n";
        return kExitUsage;
    }
    const std::string& basePath = parsed->names[0];
    const std::string& otherPath = parsed->names[1];
    auto workspace = startWorkspace();
    const auto base = openAsTheWindowDoes(workspace->table, basePath);
    const auto other = openAsTheWindowDoes(workspace->table, otherPath);
    const MachineComparison comparison = compareMachines(workspace->table, base->evaluation(), other->evaluation());
    if (parsed->json) {
        writeJson(out, basePath, otherPath, comparison);
    } else {
        writeTable(out, basePath, otherPath, comparison);
    }
    return kExitOk;
}

} // namespace rivet::cli
