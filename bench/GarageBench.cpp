// The garage over 10,000 generated machines: reading one file into its row, reading the whole
// garage, looking again when nothing changed, ordering and filtering the rows, and the memory
// the rows take.
#include "BenchWorkspace.h"
#include "GarageMaker.h"

#include "garage/Garage.h"
#include "garage/GarageQuery.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr int kMachines = 10000;

const std::string& garageFolder()
{
    static const std::string folder = [] {
        const std::string made = BenchWorkspace::instance().home + "bench-garage/";
        makeGarage(BenchWorkspace::instance().workspace.table, made, kMachines);
        return made;
    }();
    return folder;
}

const rivet::PartsTable& table()
{
    return BenchWorkspace::instance().workspace.table;
}

const rivet::Garage& readGarage()
{
    static const rivet::Garage garage = [] {
        rivet::Garage read;
        read.refresh(table(), garageFolder());
        return read;
    }();
    return garage;
}

void arrange(benchmark::State& state, const rivet::GarageQuery& query)
{
    const rivet::Garage& garage = readGarage();
    std::size_t shown = 0;
    for (auto _ : state) {
        shown = rivet::arrangeGarage(table(), garage.rows(), query).size();
        benchmark::DoNotOptimize(shown);
    }
    state.counters["shown"] = static_cast<double>(shown);
}

} // namespace

static void garageReadRow(benchmark::State& state)
{
    const std::vector<rivet::GarageFile> files = rivet::scanGarage(garageFolder());
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rivet::readGarageRow(table(), files[next++ % files.size()]));
    }
}
BENCHMARK(garageReadRow)->Unit(benchmark::kMicrosecond);

static void garageReadAll(benchmark::State& state)
{
    garageFolder();
    for (auto _ : state) {
        rivet::Garage garage;
        garage.refresh(table(), garageFolder());
        benchmark::DoNotOptimize(garage.rows().size());
    }
}
BENCHMARK(garageReadAll)->Unit(benchmark::kMillisecond)->Iterations(3);

static void garageRescanUnchanged(benchmark::State& state)
{
    rivet::Garage garage = readGarage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(garage.refresh(table(), garageFolder()));
    }
}
BENCHMARK(garageRescanUnchanged)->Unit(benchmark::kMillisecond);

static void garageMemory(benchmark::State& state)
{
    garageFolder();
    double bytes = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        {
            rivet::Garage garage;
            garage.refresh(table(), garageFolder());
            bytes = static_cast<double>(mallinfo2().uordblks - before);
            benchmark::DoNotOptimize(garage.rows().size());
        }
    }
    state.counters["MiB"] = bytes / (1024 * 1024);
}
BENCHMARK(garageMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

static void garageSortByFigure(benchmark::State& state)
{
    rivet::GarageQuery query;
    query.order = {rivet::GarageColumn::ofFigure(rivet::Figure::GroundBoostSpeed), true};
    arrange(state, query);
}
BENCHMARK(garageSortByFigure)->Unit(benchmark::kMillisecond);

static void garageSortByName(benchmark::State& state)
{
    rivet::GarageQuery query;
    query.order = {rivet::GarageColumn::of(rivet::GarageColumn::Kind::MachineName), false};
    arrange(state, query);
}
BENCHMARK(garageSortByName)->Unit(benchmark::kMillisecond);

static void garageSortByPart(benchmark::State& state)
{
    rivet::GarageQuery query;
    query.order = {rivet::GarageColumn::ofPart(rivet::LegsSelector), false};
    arrange(state, query);
}
BENCHMARK(garageSortByPart)->Unit(benchmark::kMillisecond);

static void garageFilterText(benchmark::State& state)
{
    rivet::GarageQuery query;
    query.text = "raven ln";
    arrange(state, query);
}
BENCHMARK(garageFilterText)->Unit(benchmark::kMillisecond);

static void garageFilterRequirements(benchmark::State& state)
{
    rivet::GarageQuery query;
    query.requirements = {{rivet::Figure::Price, rivet::Requirement::Kind::AtMost, 300000},
                          {rivet::Figure::Ap, rivet::Requirement::Kind::AtLeast, 7000}};
    query.soundOnly = true;
    query.order = {rivet::GarageColumn::ofFigure(rivet::Figure::Price), false};
    arrange(state, query);
}
BENCHMARK(garageFilterRequirements)->Unit(benchmark::kMillisecond);
