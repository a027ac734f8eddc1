// The optimiser on the factory catalogue: every selector free, one benchmark per goal in its
// better direction, with the start's options kept and with the options free, and the other
// way round with the options kept.
#include "BenchWorkspace.h"

#include "evaluation/FigureTexts.h"
#include "optimiser/Optimiser.h"

#include <benchmark/benchmark.h>

namespace {

void optimiseGoal(benchmark::State& state, bool freeOptions, bool opposite = false)
{
    rivet::OptimiserRequest request;
    request.start = BenchWorkspace::startupSelection();
    const rivet::Figure figure = rivet::figureAt(static_cast<std::size_t>(state.range(0)));
    rivet::Direction direction = rivet::describe(figure).better;
    if (opposite) {
        direction = direction == rivet::Direction::Higher ? rivet::Direction::Lower : rivet::Direction::Higher;
    }
    request.goal = rivet::Goal {figure, direction};
    request.freeOptions = freeOptions;
    rivet::OptimiserResult result;
    for (auto _ : state) {
        result = rivet::optimise(BenchWorkspace::instance().workspace.table, request);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(rivet::describe(figure).labelName);
    state.counters["value"] = result.machines.empty() ? -1 : result.machines.front().value;
    state.counters["examined"] = static_cast<double>(result.examined);
    state.counters["bounded"] = static_cast<double>(result.boundedAway);
}

void optionsKept(benchmark::State& state)
{
    optimiseGoal(state, false);
}

void optionsFree(benchmark::State& state)
{
    optimiseGoal(state, true);
}

// The other way round: the heaviest, the dearest, the weakest machine.
void oppositeDirection(benchmark::State& state)
{
    optimiseGoal(state, false, true);
}

} // namespace

BENCHMARK(optionsKept)->DenseRange(0, 15)->Unit(benchmark::kMillisecond);
BENCHMARK(optionsFree)->DenseRange(0, 15)->Unit(benchmark::kMillisecond);
BENCHMARK(oppositeDirection)->DenseRange(0, 15)->Unit(benchmark::kMillisecond);
