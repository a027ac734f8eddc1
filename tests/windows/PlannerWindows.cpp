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
    asmForm = std::make_unique<MainWindow>(QStringList());
    dataform = asmForm->auxiliaryWindows().partsList();
    dform = asmForm->auxiliaryWindows().damageCalculator();
    about = asmForm->auxiliaryWindows().about();
    asmForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(asmForm.get()));
}

PlannerWindows::~PlannerWindows() = default;

} // namespace rivet::test
