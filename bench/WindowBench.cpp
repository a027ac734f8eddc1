// "新しいウィンドウ": from the action to the second main window painted on the screen.
#include "mainwindow/MainWindow.h"
#include "mainwindow/Planner.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void secondWindowShown(benchmark::State& state)
{
    MainWindow first({});
    first.show();
    QApplication::processEvents();
    for (auto _ : state) {
        MainWindow* second = first.planner().openWindow();
        // Laid out and painted, as the player sees it.
        second->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        second->setAttribute(Qt::WA_DeleteOnClose, false);
        delete second;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(secondWindowShown)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // A home of its own, with the factory data files the first start writes.
    QTemporaryDir home;
    qputenv("RIVET_HOME", QDir(home.path()).absolutePath().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
