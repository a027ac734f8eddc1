#include "cli/OptimiseCommand.h"

#include "cli/MachineOutput.h"
#include "cli/OptimiseArguments.h"
#include "common/ErrorText.h"
#include "common/Numbers.h"
#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "evaluation/FigureTexts.h"
#include "startup/StartUp.h"

#include <chrono>
#include <ostream>

namespace rivet::cli {

namespace {

constexpr const char* kNoMachine = "条件を満たす機体がありません";

// The proposed parts and options put into a machine, as if the player had chosen them.
void takeMachine(MachineDocument& document, const ProposedMachine& machine)
{
    document.setSelection(machine.selection);
}

struct Report
{
    const OptimiserRequest& request;
    const OptimiserResult& result;
    double seconds;
};

const char* directionName(Direction direction)
{
    return direction == Direction::Higher ? "max" : "min";
}

void writeJson(std::ostream& out, const PartsTable& table, const Report& report)
{
    out << "{\"goal\": {\"name\": \"" << describe(report.request.goalFigure).labelName << "\", \"direction\": \""
        << directionName(report.request.direction) << "\"}, \"machines\": [";
    bool first = true;
    for (const ProposedMachine& machine : report.result.machines) {
        MachineDocument document(table);
        takeMachine(document, machine);
        out << (first ? "\n" : ",\n")
            << machineJson(std::nullopt, document, ", \"value\": " + formatGeneral(machine.value));
        first = false;
    }
    out << "\n], \"candidates\": " << report.result.candidates() << ", \"examined\": " << report.result.examined
        << ", \"bounded\": " << report.result.boundedAway << ", \"seconds\": " << formatText("%.4f", report.seconds)
        << "}\n";
}

void writeList(std::ostream& out, const PartsTable& table, const Report& report)
{
    const FigureDescriptor& goal = describe(report.request.goalFigure);
    out << "目標 " << goal.labelName << " " << goal.caption << " (" << directionName(report.request.direction) << ")\n";
    int rank = 0;
    for (const ProposedMachine& machine : report.result.machines) {
        MachineDocument document(table);
        takeMachine(document, machine);
        writeMachineTable(out, "#" + std::to_string(++rank) + "  " + formatGeneral(machine.value), document);
    }
    out << "候補 " << report.result.candidates() << " 件 (評価 " << report.result.examined << " 件, 枝刈り "
        << report.result.boundedAway << " 件)  " << formatText("%.3f", report.seconds) << " 秒\n";
}

} // namespace

int OptimiseCommand::execute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const ParsedArguments parsed = parseOptimiseArguments(arguments);
    if (!parsed.error.empty()) {
        err << "rivet-cli optimise: " << parsed.error << "\nusage: rivet-cli " << synopsis() << "\n";
        return kExitUsage;
    }
    const OptimiseArguments& given = parsed.arguments;
    auto workspace = startWorkspace();
    auto document
        = given.file ? openAsTheWindowDoes(workspace->table, *given.file) : startAsTheWindowDoes(workspace->table);

    OptimiserRequest request;
    request.start = document->machine().selection;
    request.goalFigure = *given.goalFigure;
    request.direction = given.direction.value_or(describe(*given.goalFigure).better);
    request.kept = given.kept;
    request.requirements = given.requirements;
    request.freeOptions = given.freeOptions;
    request.top = given.top;
    const auto started = std::chrono::steady_clock::now();
    const OptimiserResult result = optimise(workspace->table, request);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    if (result.machines.empty()) {
        err << kNoMachine << "\n";
        return kExitFailure;
    }
    if (given.output) {
        // The start's names, colours, pilot settings and description stay with the best machine.
        takeMachine(*document, result.machines.front());
        saveAssembly(document->machine(), *given.output);
    }
    const Report report {request, result, elapsed.count()};
    if (given.json) {
        writeJson(out, workspace->table, report);
    } else {
        writeList(out, workspace->table, report);
    }
    return kExitOk;
}

} // namespace rivet::cli
