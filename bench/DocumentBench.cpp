// Reports with the default templates, and opening and saving an assembly file.
#include "BenchWorkspace.h"

#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "document/ReportValues.h"

#include <benchmark/benchmark.h>

namespace {

rivet::MachineDocument& startedDocument()
{
    static const auto document = rivet::startAsTheWindowDoes(BenchWorkspace::instance().workspace.table);
    return *document;
}

void report(benchmark::State& state, rivet::ReportKind kind)
{
    const rivet::MachineDocument& document = startedDocument();
    const std::string& dataDir = BenchWorkspace::instance().dataDir;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rivet::buildReport(document, dataDir, kind, 1));
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
    const rivet::Machine& machine = startedDocument().machine();
    const std::string path = BenchWorkspace::instance().home + "bench.asm";
    for (auto _ : state) {
        rivet::saveAssembly(machine, path);
    }
}
BENCHMARK(saveAssembly)->Unit(benchmark::kMicrosecond);

static void loadAssembly(benchmark::State& state)
{
    const std::string path = BenchWorkspace::instance().home + "bench.asm";
    rivet::saveAssembly(startedDocument().machine(), path);
    const auto loaded = rivet::startAsTheWindowDoes(BenchWorkspace::instance().workspace.table);
    for (auto _ : state) {
        loaded->open(path);
    }
}
BENCHMARK(loadAssembly)->Unit(benchmark::kMicrosecond);
