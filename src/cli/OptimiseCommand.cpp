#include "cli/OptimiseCommand.h"

#include "cli/CommandLine.h"
#include "cli/OptimiseReport.h"
#include "cli/SameFile.h"
#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "common/TextFile.h"
#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"

#include <chrono>
#include <ostream>

namespace rivet::cli {

namespace {

constexpr const char* kNoMachine = "条件を満たす機体がありません";
constexpr int kMostMachines = 1000;

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

} // namespace

void OptimiseCommand::declare(CommandLine& line)
{
    line.goal("--goal", m_goal, "the figure to make best, ed1..ed16; :max or :min against its own sense of better");
    line.goal("--then", m_then, "a second figure that breaks the goal's ties before the price");
    line.goalPair("--pareto", m_pareto,
                  "the trade-off between two figures: every sound machine no other beats in both");
    line.flag("--repair", m_repair,
              "the sound machines that change the fewest selectors of the start (ties by --goal, then the price)");
    line.selectorList("--keep", m_kept, "selectors that keep the start's part");
    line.selectorList("--equip", m_equipped, "selectors that take any part but NO EQUIP");
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

std::string OptimiseCommand::combinationProblem() const
{
    if (m_output == "-" && m_json) {
        return "-o - and --json both write to standard output";
    }
    for (Selector selector : allSelectors()) {
        if (m_kept[selectorIndex(selector)] && m_equipped[selectorIndex(selector)]) {
            return selectorName(selector) + " is both kept and to be equipped";
        }
    }
    if (m_pareto) {
        if (m_goal || m_then || m_repair || m_top) {
            return "--pareto takes its two figures alone: no --goal, --then, --repair or --top";
        }
        return {};
    }
    if (!m_goal && !m_repair) {
        return "--goal is missing (or --pareto, --repair)";
    }
    if (m_then && !m_goal) {
        return "--then needs a --goal";
    }
    return {};
}

OptimiserRequest OptimiseCommand::request(const Selection& start) const
{
    OptimiserRequest request;
    request.start = start;
    if (m_pareto) {
        request.kind = SearchKind::TradeOff;
        request.goal = (*m_pareto)[0];
        request.second = (*m_pareto)[1];
    } else {
        request.kind = m_repair ? SearchKind::Repair : SearchKind::Best;
        request.goal = m_goal;
        request.second = m_then;
    }
    for (std::size_t i = 0; i < kSelectorCount; ++i) {
        request.slots[i] = m_kept[i] ? SlotRule::Keep : m_equipped[i] ? SlotRule::Equip : SlotRule::Free;
    }
    request.requirements = m_requirements;
    request.freeOptions = m_freeOptions;
    request.top = m_top ? m_top : 1;
    return request;
}

int OptimiseCommand::run(std::ostream& out, std::ostream& err)
{
    const std::string problem = combinationProblem();
    if (!problem.empty()) {
        err << "rivet-cli optimise: " << problem << "\nusage: rivet-cli " << usage() << "\n";
        return kExitUsage;
    }
    auto workspace = startWorkspace();
    auto document = m_file ? openAsTheWindowDoes(workspace->table, *m_file) : startAsTheWindowDoes(workspace->table);

    const OptimiserRequest asked = request(document->machine().selection);
    const auto started = std::chrono::steady_clock::now();
    const OptimiserResult result = optimise(workspace->table, asked);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    if (result.machines.empty()) {
        err << kNoMachine << "\n";
        return kExitFailure;
    }
    if (m_output) {
        // The start's names, colours, pilot settings and description stay with the best machine.
        document->setSelection(result.machines.front().selection);
        if (m_output == "-") {
            out << assemblyFileBytes(document->machine());
            return kExitOk;
        }
        saveMachine(document->machine(), *m_output, m_file);
    }
    const OptimiseReport report {workspace->table, asked, result, elapsed.count()};
    if (m_json) {
        writeJson(out, report);
    } else {
        writeList(out, report);
    }
    return kExitOk;
}

} // namespace rivet::cli
