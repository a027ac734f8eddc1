#include "windows/PlannerWindows.h"

#include "windows/TDForm.h"
#include "windows/Tdataform.h"
#include "windows/Tzubtoolsaboutdialog.h"

#include <QTest>

namespace rivet::test {

PlannerWindows::PlannerWindows(const std::function<void(const TempHome&)>& beforeStart)
{
    if (beforeStart) {
        beforeStart(home);
    }
    asmForm = std::make_unique<TasmForm>(QStringList());
    dataform = new Tdataform(asmForm.get());
    dform = new TDForm(asmForm.get());
    about = new Tzubtoolsaboutdialog(asmForm.get());
    asmForm->setAuxiliaryWindows(dataform, dform, about);
    asmForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(asmForm.get()));
}

PlannerWindows::~PlannerWindows() = default;

} // namespace rivet::test
