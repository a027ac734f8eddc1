// What the drop-down previews cost: one highlighted item, and a whole list as rivet-cli
// preview evaluates it (every item with the rules, the pairing and the comparison).
#include "BenchWorkspace.h"

#include "comparison/ChoicePreview.h"

#include <benchmark/benchmark.h>

static void previewWholeList(benchmark::State& state)
{
    const rivet::PartsTable& table = BenchWorkspace::instance().workspace.table;
    const auto selector = static_cast<rivet::Selector>(state.range(0));
    const rivet::MachineEvaluation current = rivet::evaluateSelection(table, BenchWorkspace::startupSelection());
    for (auto _ : state) {
        auto previews = rivet::previewList(table, current, selector, rivet::ChoiceWay::Selector);
        benchmark::DoNotOptimize(previews);
    }
    state.counters["items"] = table.itemCount(rivet::slotOfSelector(selector));
}
// cb4 the legs, cb10 the right back weapon (with the pairing).
BENCHMARK(previewWholeList)->Arg(4)->Arg(10)->Unit(benchmark::kMicrosecond);

static void previewOneItem(benchmark::State& state)
{
    const rivet::PartsTable& table = BenchWorkspace::instance().workspace.table;
    const rivet::MachineEvaluation current = rivet::evaluateSelection(table, BenchWorkspace::startupSelection());
    for (auto _ : state) {
        auto preview = rivet::previewChoice(table, current, rivet::RightBackSelector, 7, rivet::ChoiceWay::Selector);
        benchmark::DoNotOptimize(preview);
    }
}
BENCHMARK(previewOneItem);

static void compareTwoMachines(benchmark::State& state)
{
    const rivet::PartsTable& table = BenchWorkspace::instance().workspace.table;
    const rivet::MachineEvaluation base = rivet::evaluateSelection(table, BenchWorkspace::startupSelection());
    rivet::Selection otherSelection = base.selection;
    otherSelection.setPosition(rivet::LegsSelector, 1);
    otherSelection.setOption(4, true);
    const rivet::MachineEvaluation other = rivet::evaluateSelection(table, otherSelection);
    for (auto _ : state) {
        auto comparison = rivet::compareMachines(table, base, other);
        benchmark::DoNotOptimize(comparison);
    }
}
BENCHMARK(compareTwoMachines);
