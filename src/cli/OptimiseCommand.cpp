#include "cli/OptimiseCommand.h"

#include "cli/CommandLine.h"
#include "cli/MachineOutput.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"
#include "cli/SameFile.h"
#include "common/ErrorText.h"
#include "common/Numbers.h"
#include "common/TextFile.h"
#include "document/AssemblyFile.h"
#include "evaluation/FigureTexts.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <cmath>
#include <ostream>

namespace rivet::cli {

namespace {

constexpr const char* kNoMachine = "条件を満たす機体がありません";
constexpr int kMostMachines = 1000;

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

// The best machine into OUT as given. Into the file it started from, as the window saves its
// own document (what the tool does not read stays); into any other file as a new file of its
// own, never merged with what was there.
void saveMachine(const Machine& machine, const std::string& path, const std::optional<std::string>& startFile)
{
    if (startFile && sameFile(path, *startFile)) {
        saveAssemblyTo(machine, path);
    } else {
        writeFileAtomically(path, assemblyFileBytes(machine), cannotWriteMessage(path));
    }
}

const char* directionName(Direction direction)
{
    return direction == Direction::Higher ? "max" : "min";
}

void writeJson(std::ostream& out, const PartsTable& table, const Report& report)
{
    Json machines = Json::array();
    for (const ProposedMachine& machine : report.result.machines) {
        MachineDocument document(table);
        takeMachine(document, machine);
        Json proposed = machineJson(std::nullopt, document);
        proposed["value"] = jsonNumber(machine.value);
        machines.push_back(std::move(proposed));
    }
    const Json list = {
        {"goal",
         {{"name", describe(report.request.goal->figure).labelName},
          {"direction", directionName(report.request.goal->direction)}}},
        {"machines", machines},
        {"candidates", report.result.candidates()},
        {"examined", report.result.examined},
        {"bounded", report.result.boundedAway},
        // Whole ten-thousandths of a second, as the search's timing is precise to.
        {"seconds", std::round(report.seconds * 10000) / 10000},
    };
    out << jsonLine(list, {"machines"}) << "\n";
}

void writeList(std::ostream& out, const PartsTable& table, const Report& report)
{
    const FigureDescriptor& goal = describe(report.request.goal->figure);
    out << "目標 " << goal.labelName << " " << goal.caption << " (" << directionName(report.request.goal->direction)
        << ")\n";
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

void OptimiseCommand::declare(CommandLine& line)
{
    line.goal("--goal", m_goal, m_direction,
              "the figure to make best, ed1..ed16; :max or :min against its own sense of better");
    line.selectorList("--keep", m_kept, "selectors that keep the start's part");
    line.requirements("--require", m_requirements, "a bound on a figure: FIGURE>=N or FIGURE<=N, any number of them");
    line.choice("--options", m_freeOptions, {{"keep", false}, {"free", true}},
                "keep the start's option ticks, or search them too (default keep)");
    line.number("--top", m_top, 1, kMostMachines, "how many machines to list, best first (default 1)");
    line.jsonFlag(m_json);
    line.output(m_output, "OUT.asm|-",
                "save the best machine, with the start's names, colours and pilot settings, to OUT.asm "
                "(- writes the file to standard output instead of the list)");
    line.optionalFile("FILE", m_file, "the assembly file (.asm) to start from; a fresh start's machine without it");
}

int OptimiseCommand::run(std::ostream& out, std::ostream& err)
{
    const bool assemblyToOutput = m_output == "-";
    if (assemblyToOutput && m_json) {
        err << "rivet-cli optimise: -o - and --json both write to standard output\nusage: rivet-cli " << usage()
            << "\n";
        return kExitUsage;
    }
    auto workspace = startWorkspace();
    auto document = m_file ? openAsTheWindowDoes(workspace->table, *m_file) : startAsTheWindowDoes(workspace->table);

    OptimiserRequest request;
    request.start = document->machine().selection;
    request.goal = Goal {*m_goal, m_direction.value_or(describe(*m_goal).better)};
    for (std::size_t i = 0; i < kSelectorCount; ++i) {
        request.slots[i] = m_kept[i] ? SlotRule::Keep : SlotRule::Free;
    }
    request.requirements = m_requirements;
    request.freeOptions = m_freeOptions;
    request.top = m_top;
    const auto started = std::chrono::steady_clock::now();
    const OptimiserResult result = optimise(workspace->table, request);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    if (result.machines.empty()) {
        err << kNoMachine << "\n";
        return kExitFailure;
    }
    if (m_output) {
        // The start's names, colours, pilot settings and description stay with the best machine.
        takeMachine(*document, result.machines.front());
        if (assemblyToOutput) {
            out << assemblyFileBytes(document->machine());
            return kExitOk;
        }
        saveMachine(document->machine(), *m_output, m_file);
    }
    const Report report {request, result, elapsed.count()};
    if (m_json) {
        writeJson(out, workspace->table, report);
    } else {
        writeList(out, workspace->table, report);
    }
    return kExitOk;
}

} // namespace rivet::cli
