// The garage window over 10,000 generated machines, on the platform Qt is given (offscreen for
// a figure without a screen): the time from showing the window to its first rows and to all
// of them, ordering and filtering the list with the view attached, and the memory the rows
// take in the window.
#include "BenchWorkspace.h"
#include "GarageMaker.h"

#include "windows/GarageModel.h"
#include "windows/GarageWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr int kMachines = 10000;

const QString& garageFolder()
{
    static const QString folder = [] {
        const std::string made = BenchWorkspace::instance().home + "window-garage/";
        makeGarage(BenchWorkspace::instance().workspace.table, made, kMachines);
        return QString::fromStdString(made);
    }();
    return folder;
}

QString settingsFile()
{
    return QString::fromStdString(BenchWorkspace::instance().home + "rivet-garage.ini");
}

// Processes events until the condition holds; the milliseconds it took.
template <typename Condition> double waitFor(const QElapsedTimer& clock, Condition condition)
{
    while (!condition()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// A window that has read the whole garage, for the ordering and filtering benchmarks.
GarageWindow& loadedWindow()
{
    static GarageWindow* window = [] {
        auto* made = new GarageWindow(BenchWorkspace::instance().workspace.table, garageFolder(), settingsFile());
        made->show();
        QElapsedTimer clock;
        clock.start();
        waitFor(clock, [made] { return made->model().rowCount() == kMachines && !made->reading(); });
        return made;
    }();
    return *window;
}

} // namespace

static void garageWindowOpen(benchmark::State& state)
{
    garageFolder();
    double first = 0;
    double all = 0;
    double mebibytes = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        QElapsedTimer clock;
        clock.start();
        GarageWindow window(BenchWorkspace::instance().workspace.table, garageFolder(), settingsFile());
        window.show();
        first = waitFor(clock, [&] { return window.model().rowCount() > 0; });
        all = waitFor(clock, [&] { return window.model().rowCount() == kMachines && !window.reading(); });
        state.SetIterationTime(all / 1000);
        mebibytes = static_cast<double>(mallinfo2().uordblks - before) / (1024 * 1024);
    }
    state.counters["first_ms"] = first;
    state.counters["all_ms"] = all;
    state.counters["MiB"] = mebibytes;
}
BENCHMARK(garageWindowOpen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

static void garageWindowSort(benchmark::State& state)
{
    GarageWindow& window = loadedWindow();
    auto* view = window.findChild<QTableView*>("twGarage");
    const int column = static_cast<int>(state.range(0));
    bool descending = false;
    for (auto _ : state) {
        view->sortByColumn(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        QCoreApplication::processEvents();
        descending = !descending;
    }
    state.SetLabel(window.model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
}
// By file, machine name, ground boost speed and price.
BENCHMARK(garageWindowSort)->Arg(0)->Arg(1)->Arg(16)->Arg(5)->Unit(benchmark::kMillisecond);

static void garageWindowFilter(benchmark::State& state)
{
    GarageWindow& window = loadedWindow();
    auto* filter = window.findChild<QLineEdit*>("edGarageFilter");
    std::size_t shown = 0;
    for (auto _ : state) {
        filter->setText("raven ln");
        QCoreApplication::processEvents();
        shown = static_cast<std::size_t>(window.model().rowCount());
        filter->clear();
        QCoreApplication::processEvents();
    }
    state.counters["shown"] = static_cast<double>(shown);
    state.SetLabel("type and clear");
}
BENCHMARK(garageWindowFilter)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
