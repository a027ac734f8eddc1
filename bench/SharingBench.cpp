// The machine code written and read, and a posted report read back through the templates.
#include "BenchWorkspace.h"

#include "document/DocumentService.h"
#include "document/ReportValues.h"
#include "sharing/MachineCode.h"
#include "sharing/ReportReading.h"
#include "sharing/TakeIn.h"

#include <benchmark/benchmark.h>

namespace {

// The start-up machine with a description, options and colours of its own, so that every
// part of the code's layout is written.
const rivet::MachineDocument& sharedDocument()
{
    static const auto document = [] {
        auto started = rivet::startAsTheWindowDoes(BenchWorkspace::instance().workspace.table);
        started->setDescription("高機動型。\n肩のミサイルで削ってから\nブレードで仕留める");
        started->tickOption(4, true);
        started->tickOption(11, true);
        started->setChannelSlider(rivet::Channel::Red, 5);
        started->setPilotSetting(7, -30);
        return started;
    }();
    return *document;
}

void readReport(benchmark::State& state, rivet::ReportKind kind)
{
    const BenchWorkspace& bench = BenchWorkspace::instance();
    const std::string report = rivet::buildReportText(sharedDocument(), bench.dataDir, kind, 1);
    const auto templates = rivet::readReportTemplates(bench.dataDir);
    for (auto _ : state) {
        benchmark::DoNotOptimize(rivet::readReport(report, templates, bench.workspace.table));
    }
}

} // namespace

static void encodeMachineCode(benchmark::State& state)
{
    const rivet::MachineDocument& document = sharedDocument();
    for (auto _ : state) {
        benchmark::DoNotOptimize(rivet::machineCode(document.machine(), document.table()));
    }
}
BENCHMARK(encodeMachineCode)->Unit(benchmark::kMicrosecond);

static void decodeMachineCode(benchmark::State& state)
{
    const rivet::MachineDocument& document = sharedDocument();
    const std::string code = rivet::machineCode(document.machine(), document.table());
    for (auto _ : state) {
        benchmark::DoNotOptimize(rivet::takeInCode(code, document.table()));
    }
}
BENCHMARK(decodeMachineCode)->Unit(benchmark::kMicrosecond);

static void readTextReport(benchmark::State& state)
{
    readReport(state, rivet::ReportKind::Text);
}
BENCHMARK(readTextReport)->Unit(benchmark::kMicrosecond);

static void readHtmlReport(benchmark::State& state)
{
    readReport(state, rivet::ReportKind::Html);
}
BENCHMARK(readHtmlReport)->Unit(benchmark::kMicrosecond);

// As the window and rivet-cli take in a pasted report: the data folder's templates read too.
static void takeInPastedReport(benchmark::State& state)
{
    const BenchWorkspace& bench = BenchWorkspace::instance();
    const std::string report = rivet::buildReportText(sharedDocument(), bench.dataDir, rivet::ReportKind::Text, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(rivet::takeInText(report, bench.workspace.table, bench.dataDir));
    }
}
BENCHMARK(takeInPastedReport)->Unit(benchmark::kMicrosecond);
