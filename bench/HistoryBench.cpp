// The undo history: one step taken back and forth with its evaluation, and what 1000 steps
// of history cost in memory.
#include "BenchWorkspace.h"

#include "document/DocumentService.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

// A document with `steps` steps of history, each a different kind of change.
std::unique_ptr<rivet::MachineDocument> documentWithSteps(int steps)
{
    auto document = rivet::startAsTheWindowDoes(BenchWorkspace::instance().workspace.table);
    for (int i = 0; i < steps; ++i) {
        switch (i % 4) {
        case 0:
            document->choosePart(rivet::LegsSelector, 1 + i % 30);
            break;
        case 1:
            document->setText(rivet::TextField::MachineName, "機体" + std::to_string(i));
            break;
        case 2:
            document->setChannelSlider(rivet::Channel::Red, i % 64);
            break;
        default:
            document->setPilotSetting(2, i % 100);
            break;
        }
        document->endStep();
    }
    return document;
}

} // namespace

// Undo of a change of parts, then its redo: each restores the machine and evaluates it.
static void undoAndRedoOneStep(benchmark::State& state)
{
    const auto document = documentWithSteps(4);
    document->choosePart(rivet::LegsSelector, 12);
    for (auto _ : state) {
        document->undo();
        document->redo();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(undoAndRedoOneStep)->Unit(benchmark::kMicrosecond);

// The heap a document's history of 1000 steps takes, beyond the document itself.
static void historyOf1000Steps(benchmark::State& state)
{
    double bytes = 0;
    for (auto _ : state) {
        const std::size_t before = ::mallinfo2().uordblks;
        const auto fresh = documentWithSteps(0);
        const std::size_t withoutHistory = ::mallinfo2().uordblks;
        const auto full = documentWithSteps(1000);
        const std::size_t withHistory = ::mallinfo2().uordblks;
        benchmark::DoNotOptimize(full->historySteps());
        bytes = static_cast<double>((withHistory - withoutHistory) - (withoutHistory - before));
    }
    state.counters["history_bytes"] = bytes;
}
BENCHMARK(historyOf1000Steps)->Unit(benchmark::kMillisecond)->Iterations(3);
