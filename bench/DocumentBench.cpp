// Reports with the default templates, and opening and saving an assembly file.
#include "BenchWorkspace.h"

#include "document/Assembly.h"
#include "document/AssemblyFile.h"
#include "document/NewAssembly.h"
#include "document/ReportValues.h"

#include <benchmark/benchmark.h>

namespace {

rivet::Assembly& startedAssembly()
{
    static rivet::Assembly assembly(BenchWorkspace::instance().workspace.table);
    static bool started = false;
    if (!started) {
        rivet::prepareNewAssembly(assembly);
        assembly.change();
        assembly.logic().rangeChange();
        started = true;
    }
    return assembly;
}

void report(benchmark::State& state, rivet::ReportKind kind)
{
    const rivet::Assembly& assembly = startedAssembly();
    const std::string& dataDir = BenchWorkspace::instance().dataDir;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rivet::buildReport(assembly, dataDir, kind, 1));
    }
}

} // namespace

static void htmlReport(benchmark::State& state)
{
    report(state, rivet::ReportKind::Html);
}
BENCHMARK(htmlReport)->Unit(benchmark::kMicrosecond);

static void textReport(benchmark::State& state)
{
    report(state, rivet::ReportKind::Text);
}
BENCHMARK(textReport)->Unit(benchmark::kMicrosecond);

static void saveAssembly(benchmark::State& state)
{
    rivet::Assembly& assembly = startedAssembly();
    const std::string path = BenchWorkspace::instance().home + "bench.asm";
    for (auto _ : state) {
        rivet::saveAssembly(assembly, path);
    }
}
BENCHMARK(saveAssembly)->Unit(benchmark::kMicrosecond);

static void loadAssembly(benchmark::State& state)
{
    rivet::Assembly& assembly = startedAssembly();
    const std::string path = BenchWorkspace::instance().home + "bench.asm";
    rivet::saveAssembly(assembly, path);
    rivet::Assembly loaded(BenchWorkspace::instance().workspace.table);
    rivet::prepareNewAssembly(loaded);
    for (auto _ : state) {
        rivet::loadAssembly(loaded, path);
    }
}
BENCHMARK(loadAssembly)->Unit(benchmark::kMicrosecond);
