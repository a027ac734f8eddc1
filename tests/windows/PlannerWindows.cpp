#include "windows/PlannerWindows.h"

#include "windows/AboutDialog.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/PartsListWindow.h"

#include <QTest>

namespace rivet::test {

PlannerWindows::PlannerWindows(const std::function<void(const TempHome&)>& beforeStart)
{
    if (beforeStart) {
        beforeStart(home);
    }
    mainWindow = std::make_unique<MainWindow>(QStringList());
    partsList = mainWindow->auxiliaryWindows().partsList();
    damageCalculator = mainWindow->auxiliaryWindows().damageCalculator();
    about = mainWindow->auxiliaryWindows().about();
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
}

PlannerWindows::~PlannerWindows() = default;

} // namespace rivet::test
