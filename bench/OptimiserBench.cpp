// The optimiser on the factory catalogue, every selector free: the ten best machines for every
// goal in both directions with the options free; the trade-off of every two figures (in their
// better directions) with the options kept; the smallest repair of machines made unsound.
#include "BenchWorkspace.h"

#include "evaluation/FigureTexts.h"
#include "evaluation/MachineEvaluation.h"
#include "optimiser/Optimiser.h"

#include <benchmark/benchmark.h>

namespace {

const rivet::PartsTable& table()
{
    return BenchWorkspace::instance().workspace.table;
}

void run(benchmark::State& state, const rivet::OptimiserRequest& request, const std::string& label)
{
    rivet::OptimiserResult result;
    for (auto _ : state) {
        result = rivet::optimise(table(), request);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(label);
    state.counters["machines"] = static_cast<double>(result.machines.size());
    state.counters["examined"] = static_cast<double>(result.examined);
}

rivet::Goal goalAt(std::int64_t index, bool opposite = false)
{
    const rivet::Figure figure = rivet::figureAt(static_cast<std::size_t>(index));
    const rivet::Direction better = rivet::describe(figure).better;
    const rivet::Direction other
        = better == rivet::Direction::Higher ? rivet::Direction::Lower : rivet::Direction::Higher;
    return {figure, opposite ? other : better};
}

std::string nameOf(const rivet::Goal& goal)
{
    return std::string(rivet::describe(goal.figure).labelName)
        + (goal.direction == rivet::Direction::Higher ? ":max" : ":min");
}

// Arguments: the figure, and 1 for the other way round.
void bestTenOptionsFree(benchmark::State& state)
{
    rivet::OptimiserRequest request;
    request.start = BenchWorkspace::startupSelection();
    request.goal = goalAt(state.range(0), state.range(1) != 0);
    request.freeOptions = true;
    request.top = 10;
    run(state, request, nameOf(*request.goal));
}

// Arguments: the two figures.
void tradeOffOptionsKept(benchmark::State& state)
{
    rivet::OptimiserRequest request;
    request.kind = rivet::SearchKind::TradeOff;
    request.start = BenchWorkspace::startupSelection();
    request.goal = goalAt(state.range(0));
    request.second = goalAt(state.range(1));
    run(state, request, nameOf(*request.goal) + "," + nameOf(*request.second));
}

void everyPair(benchmark::internal::Benchmark* benchmark)
{
    for (int a = 0; a < rivet::kFigureCount; ++a) {
        for (int b = a + 1; b < rivet::kFigureCount; ++b) {
            benchmark->Args({a, b});
        }
    }
}

int positionNamed(rivet::Selector selector, const std::string& name)
{
    for (int item = 0; item < table().itemCount(rivet::slotOfSelector(selector)); ++item) {
        rivet::Selection probe;
        probe.setPosition(selector, item);
        if (rivet::selectorItemText(table(), probe, selector) == name) {
            return item;
        }
    }
    return 0;
}

// Argument 0: a heavy two-slot weapon on the start; 1: the same weapon kept, so other slots
// must give way; 2: with the heaviest legs' rival, everything but the frame free and options too.
void repair(benchmark::State& state)
{
    rivet::OptimiserRequest request;
    request.kind = rivet::SearchKind::Repair;
    request.start = BenchWorkspace::startupSelection();
    request.start.setPosition(rivet::RightBackSelector, positionNamed(rivet::RightBackSelector, "XCS-9900"));
    request.start.setPosition(rivet::LeftBackSelector, 0);
    request.goal = rivet::Goal {rivet::Figure::Ap, rivet::Direction::Higher};
    request.top = 10;
    if (state.range(0) >= 1) {
        request.slots[rivet::selectorIndex(rivet::RightBackSelector)] = rivet::SlotRule::Keep;
    }
    if (state.range(0) == 2) {
        request.start.setPosition(rivet::BoosterSelector, positionNamed(rivet::BoosterSelector, "B-T001"));
        request.freeOptions = true;
    }
    run(state, request, std::to_string(state.range(0)));
}

} // namespace

BENCHMARK(bestTenOptionsFree)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 15, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(tradeOffOptionsKept)->Apply(everyPair)->Unit(benchmark::kMillisecond);
BENCHMARK(repair)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
