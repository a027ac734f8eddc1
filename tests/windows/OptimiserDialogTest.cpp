// The optimiser's dialog "自動構成": a proposal applied as the player's own choice, a search
// cancelled (also by closing), and a search with no answer.
#include "windows/PlannerWindows.h"

#include "common/Numbers.h"
#include "support/Bytes.h"
#include "support/WindowLookup.h"
#include "windows/OptimiserDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using namespace rivet::test;

namespace {

OptimiserDialog* openOptimiser(MainWindow* form)
{
    child<QAction>(form, "acOptimise")->trigger();
    return child<OptimiserDialog>(form, "OptimiserDialog");
}

void press(QWidget* window, const char* button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

} // namespace

class OptimiserDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theChosenMachineComesInAsThePlayersChoice()
    {
        PlannerWindows planner;
        MainWindow* form = planner.mainWindow.get();
        // A saved machine, so that applying visibly marks it modified.
        const std::string file = planner.home.garageDir() + "saved.asm";
        writeBytes(file, sjisFile({"[asm]", "leg=1", "bwpl=0"}));
        planner.dialogs.fileNames << QString::fromStdString(file);
        child<QAction>(form, "acOpenfile")->trigger();
        QVERIFY(!child<QAction>(form, "acSave")->isEnabled());

        OptimiserDialog* dialog = openOptimiser(form);
        QVERIFY(dialog->isVisible());
        auto* goal = child<QComboBox>(dialog, "cbGoal");
        auto* direction = child<QComboBox>(dialog, "cbDirection");
        // A goal starts in its better direction: the price falls, AP rises.
        goal->setCurrentIndex(1);
        QCOMPARE(direction->currentText(), QString("小さいほど良い"));
        goal->setCurrentIndex(0);
        QCOMPARE(direction->currentText(), QString("大きいほど良い"));
        child<QCheckBox>(dialog, "chkKeep4")->setChecked(true);

        // The oracle: the core's own answer for the same request.
        rivet::OptimiserRequest request;
        request.start = documentOf(*form).machine().selection;
        request.slots[3] = rivet::SlotRule::Keep;
        request.top = 10;
        const rivet::OptimiserResult expected = rivet::optimise(documentOf(*form).table(), request);
        QCOMPARE(expected.machines.size(), std::size_t {10});

        press(dialog, "btSearch");
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(child<QTableWidget>(dialog, "twResults")->rowCount(), 10);
        QVERIFY(labelText(dialog, "lbSearchStatus").contains("通りを調べました"));
        QCOMPARE(cellText(dialog, "twResults", 0, 1),
                 QString::fromStdString(rivet::formatGeneral(expected.machines[0].value)));
        QCOMPARE(cellText(dialog, "twResults", 9, 1),
                 QString::fromStdString(rivet::formatGeneral(expected.machines[9].value)));
        QVERIFY(cellText(dialog, "twResults", 0, 4).contains("→"));
        QVERIFY(!cellText(dialog, "twResults", 0, 4).contains("脚→")); // kept

        // The first is chosen; applying it puts in every part and option as proposed.
        QVERIFY(child<QPushButton>(dialog, "btApply")->isEnabled());
        press(dialog, "btApply");
        const rivet::Selection& proposal = expected.machines[0].selection;
        QVERIFY(documentOf(*form).machine().selection == proposal);
        for (rivet::Selector selector : rivet::allSelectors()) {
            QCOMPARE(child<QComboBox>(form, rivet::selectorName(selector).c_str())->currentIndex(),
                     proposal.position(selector));
        }
        for (int n = 1; n <= rivet::kOptionCount; ++n) {
            const QByteArray name = n == 1 ? QByteArray("Chk1") : "chk" + QByteArray::number(n);
            QCOMPARE(child<QCheckBox>(form, name.constData())->isChecked(), proposal.option(n));
        }
        const rivet::MachineEvaluation shown = rivet::evaluateSelection(documentOf(*form).table(), proposal);
        for (rivet::Figure figure : rivet::allFigures()) {
            QCOMPARE(labelText(form, rivet::describe(figure).labelName),
                     QString::fromStdString(shown.figures[figure].text));
        }
        // Modified, but still the same file under the same caption.
        QVERIFY(child<QAction>(form, "acSave")->isEnabled());
        QCOMPARE(documentOf(*form).currentFile(), file);
        QCOMPARE(form->windowTitle(), QString::fromStdString(file));
        // The list now compares with the applied machine.
        QCOMPARE(cellText(dialog, "twResults", 0, 4), QString("（現在の機体と同じ）"));
        QCOMPARE(cellText(dialog, "twResults", 0, 2), QString("0"));
    }

    void aSearchStopsOnCancelAndOnClosing()
    {
        PlannerWindows planner;
        MainWindow* form = planner.mainWindow.get();
        OptimiserDialog* dialog = openOptimiser(form);
        // The largest energy use while moving with the options free: the longest search.
        child<QComboBox>(dialog, "cbGoal")->setCurrentIndex(7);
        child<QComboBox>(dialog, "cbDirection")->setCurrentIndex(0);
        child<QRadioButton>(dialog, "rbOptionsFree")->setChecked(true);

        press(dialog, "btSearch");
        QVERIFY(dialog->searching());
        QVERIFY(!child<QPushButton>(dialog, "btSearch")->isEnabled());
        QVERIFY(!child<QPushButton>(dialog, "btApply")->isEnabled());
        press(dialog, "btCancelSearch");
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(labelText(dialog, "lbSearchStatus"), QString("探索を中止しました"));
        QCOMPARE(child<QTableWidget>(dialog, "twResults")->rowCount(), 0);
        QVERIFY(!child<QPushButton>(dialog, "btApply")->isEnabled());
        QVERIFY(child<QPushButton>(dialog, "btSearch")->isEnabled());

        // Closing the dialog stops its search too.
        press(dialog, "btSearch");
        dialog->close();
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(labelText(dialog, "lbSearchStatus"), QString("探索を中止しました"));

        // And the windows may go while a search runs: it stops before the parts table goes.
        openOptimiser(form);
        press(dialog, "btSearch");
        QVERIFY(dialog->searching());
        planner.mainWindow.reset();
    }

    void aSearchWithoutAnAnswerSaysSo()
    {
        PlannerWindows planner;
        OptimiserDialog* dialog = openOptimiser(planner.mainWindow.get());
        // A new requirement starts from the current machine in the figure's better direction.
        press(dialog, "btAddRequirement");
        auto* requirements = child<QTableWidget>(dialog, "twRequirements");
        QCOMPARE(requirements->rowCount(), 1);
        auto* figure = qobject_cast<QComboBox*>(requirements->cellWidget(0, 0));
        auto* kind = qobject_cast<QComboBox*>(requirements->cellWidget(0, 1));
        auto* value = qobject_cast<QDoubleSpinBox*>(requirements->cellWidget(0, 2));
        QCOMPARE(figure->currentText(), QString("価格"));
        QCOMPARE(kind->currentText(), QString("≤"));
        QCOMPARE(value->value(), 227100.0);
        figure->setCurrentIndex(12);
        QCOMPARE(kind->currentText(), QString("≥"));
        QCOMPARE(value->value(), 38.8);
        QCOMPARE(value->decimals(), 1);
        // Faster than any machine can go.
        value->setValue(63.5);

        press(dialog, "btSearch");
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(labelText(dialog, "lbSearchStatus"), QString("条件を満たす機体がありません"));
        QCOMPARE(child<QTableWidget>(dialog, "twResults")->rowCount(), 0);
        QVERIFY(!child<QPushButton>(dialog, "btApply")->isEnabled());

        // Without the requirement there is an answer again.
        QTest::mouseClick(requirements->cellWidget(0, 3), Qt::LeftButton);
        QCOMPARE(requirements->rowCount(), 0);
        press(dialog, "btSearch");
        QTRY_VERIFY(!dialog->searching());
        QVERIFY(child<QTableWidget>(dialog, "twResults")->rowCount() > 0);
    }
};

QTEST_MAIN(OptimiserDialogTest)
#include "OptimiserDialogTest.moc"
