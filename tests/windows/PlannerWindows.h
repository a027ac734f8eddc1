#pragma once

#include "mainwindow/MainWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <functional>
#include <memory>

class DamageCalculatorWindow;
class PartsListWindow;
class AboutDialog;

namespace rivet::test {

// The planner as the program starts it, in a fresh home with scripted dialogs: the main
// window, then the parts-list viewer, the damage calculator and the about dialog, handed to
// the main window. Only the main window is shown.
struct PlannerWindows
{
    // beforeStart may prepare the home folder (its data files) before the main window starts.
    explicit PlannerWindows(const std::function<void(const TempHome&)>& beforeStart = {});
    ~PlannerWindows();

    TempHome home;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> mainWindow;
    PartsListWindow* partsList = nullptr;
    DamageCalculatorWindow* damageCalculator = nullptr;
    AboutDialog* about = nullptr;
};

} // namespace rivet::test
