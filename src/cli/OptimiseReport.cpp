#include "cli/OptimiseReport.h"

#include "cli/MachineOutput.h"
#include "common/ErrorText.h"
#include "common/Numbers.h"
#include "document/MachineDocument.h"
#include "optimiser/RepairReasons.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <ostream>

namespace rivet::cli {

namespace {

const char* directionName(Direction direction)
{
    return direction == Direction::Higher ? "max" : "min";
}

Json goalJson(const std::optional<Goal>& goal)
{
    if (!goal) {
        return nullptr;
    }
    return {{"name", describe(goal->figure).labelName}, {"direction", directionName(goal->direction)}};
}

// "ed13 地上ブースト速度 (max)".
std::string goalText(const Goal& goal)
{
    const FigureDescriptor& figure = describe(goal.figure);
    return std::string(figure.labelName) + " " + figure.caption + " (" + directionName(goal.direction) + ")";
}

// The proposed parts and options in a document of their own, as if the player had chosen them.
std::unique_ptr<MachineDocument> documentOf(const PartsTable& table, const ProposedMachine& machine)
{
    auto document = std::make_unique<MachineDocument>(table);
    document->setSelection(machine.selection);
    return document;
}

bool tradeOff(const OptimiseReport& report)
{
    return report.request.kind == SearchKind::TradeOff;
}

bool repair(const OptimiseReport& report)
{
    return report.request.kind == SearchKind::Repair;
}

} // namespace

void writeJson(std::ostream& out, const OptimiseReport& report)
{
    const OptimiserRequest& request = report.request;
    Json machines = Json::array();
    for (const ProposedMachine& machine : report.result.machines) {
        Json proposed = machineJson(std::nullopt, *documentOf(report.table, machine));
        if (tradeOff(report)) {
            proposed["values"] = {jsonNumber(machine.value), jsonNumber(machine.secondValue)};
        } else {
            if (request.goal) {
                proposed["value"] = jsonNumber(machine.value);
            }
            if (request.second) {
                proposed["thenValue"] = jsonNumber(machine.secondValue);
            }
            if (repair(report)) {
                proposed["changes"] = machine.changes;
            }
        }
        machines.push_back(std::move(proposed));
    }
    if (tradeOff(report)) {
        const Json list = {{"goals", {goalJson(request.goal), goalJson(request.second)}}, {"machines", machines}};
        out << jsonLine(list, {"machines"}) << "\n";
        return;
    }
    Json list = {{"goal", goalJson(request.goal)}};
    if (request.second) {
        list["then"] = goalJson(request.second);
    }
    list["machines"] = machines;
    list["candidates"] = report.result.candidates();
    list["examined"] = report.result.examined;
    list["bounded"] = report.result.boundedAway;
    // Whole ten-thousandths of a second, as the search's timing is precise to.
    list["seconds"] = std::round(report.seconds * 10000) / 10000;
    out << jsonLine(list, {"machines"}) << "\n";
}

void writeList(std::ostream& out, const OptimiseReport& report)
{
    const OptimiserRequest& request = report.request;
    if (tradeOff(report)) {
        out << "トレードオフ " << goalText(*request.goal) << " × " << goalText(*request.second) << "\n";
    } else {
        if (repair(report)) {
            out << "警告を消す";
        }
        if (request.goal) {
            out << (repair(report) ? " " : "") << "目標 " << goalText(*request.goal);
        }
        if (request.second) {
            out << " 次に " << goalText(*request.second);
        }
        out << "\n";
    }
    int rank = 0;
    for (const ProposedMachine& machine : report.result.machines) {
        std::string heading = "#" + std::to_string(++rank);
        if (request.goal) {
            heading += "  " + formatGeneral(machine.value);
        }
        if (request.second) {
            heading += (tradeOff(report) ? " / " : "  ") + formatGeneral(machine.secondValue);
        }
        if (repair(report)) {
            heading += "  変更 " + std::to_string(machine.changes) + " 箇所";
        }
        const auto document = documentOf(report.table, machine);
        writeMachineTable(out, heading, *document);
        if (repair(report)) {
            for (const ChangeReason& reason : explainRepair(report.table, request, machine.selection)) {
                out << "  変更 " << selectorName(reason.selector) << " " << selectorCaption(reason.selector) << ": "
                    << selectorItemText(report.table, request.start, reason.selector) << " → "
                    << document->itemText(reason.selector) << "  (" << reasonText(reason) << ")\n";
            }
        }
    }
    out << "候補 " << report.result.candidates() << " 件 (評価 " << report.result.examined << " 件, 枝刈り "
        << report.result.boundedAway << " 件)  " << formatText("%.3f", report.seconds) << " 秒\n";
}

} // namespace rivet::cli
