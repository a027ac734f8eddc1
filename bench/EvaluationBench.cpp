// One evaluation as every change of the machine runs it: rules, totals, the sixteen texts.
#include "BenchWorkspace.h"

#include "evaluation/AssemblyRules.h"
#include "evaluation/FigureBreakdown.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/MachineTotals.h"

#include <benchmark/benchmark.h>

static void evaluation(benchmark::State& state)
{
    const rivet::PartsTable& table = BenchWorkspace::instance().workspace.table;
    rivet::Selection selection = BenchWorkspace::startupSelection();
    selection.setOption(4, true);
    for (auto _ : state) {
        const rivet::Selection corrected = rivet::applyAssemblyRules(table, selection);
        const rivet::MachineTotals totals = rivet::computeTotals(table, corrected);
        auto texts = rivet::figureTexts(totals, rivet::selectedPart(table, corrected, rivet::LegsSelector));
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(evaluation);

static void totalsOnly(benchmark::State& state)
{
    const rivet::PartsTable& table = BenchWorkspace::instance().workspace.table;
    rivet::Selection selection = BenchWorkspace::startupSelection();
    for (auto _ : state) {
        const rivet::Selection corrected = rivet::applyAssemblyRules(table, selection);
        benchmark::DoNotOptimize(rivet::computeTotals(table, corrected));
    }
}
BENCHMARK(totalsOnly);

// All sixteen breakdowns of a machine, as `rivet-cli explain` writes them.
static void breakdowns(benchmark::State& state)
{
    const rivet::PartsTable& table = BenchWorkspace::instance().workspace.table;
    rivet::Selection selection = BenchWorkspace::startupSelection();
    selection.setOption(4, true);
    const rivet::MachineEvaluation machine = rivet::evaluateSelection(table, selection);
    for (auto _ : state) {
        for (rivet::Figure figure : rivet::allFigures()) {
            benchmark::DoNotOptimize(rivet::explainFigure(table, machine, figure));
        }
    }
}
BENCHMARK(breakdowns);
