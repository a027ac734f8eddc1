// The optimiser's dialog "自動構成": a proposal applied as the player's own choice, a search
// cancelled (also by closing), and a search with no answer.
#include "windows/PlannerWindows.h"

#include "common/Numbers.h"
#include "support/Bytes.h"
#include "support/WindowLookup.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/OptimiserDialog.h"
#include "windows/TradeOffPlot.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <algorithm>
#include <climits>

using namespace rivet::test;

namespace {

OptimiserDialog* openOptimiser(MainWindow* form)
{
    child<QAction>(form, "acOptimise")->trigger();
    return form->auxiliaryWindows().optimiser(documentOf(*form).table());
}

void press(QWidget* window, const char* button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

void chooseFigureIn(QWidget* window, const char* box, int index)
{
    child<QComboBox>(window, box)->setCurrentIndex(index);
}

// The trade-off of AP against the weight with the options free: a search of a second or so,
// long enough to be watched and cancelled.
void startLongSearch(OptimiserDialog* dialog)
{
    chooseFigureIn(dialog, "cbGoal", 0);
    chooseFigureIn(dialog, "cbSecondGoal", 3);
    child<QRadioButton>(dialog, "rbOptionsFree")->setChecked(true);
    press(dialog, "btTradeOff");
    QVERIFY(dialog->searching());
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
        child<QComboBox>(dialog, "cbSlot4")->setCurrentIndex(0); // 固定

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
        QVERIFY(cellText(dialog, "twResults", 0, 6).contains("→"));
        QVERIFY(!cellText(dialog, "twResults", 0, 6).contains("脚→")); // kept

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
        QCOMPARE(cellText(dialog, "twResults", 0, 6), QString("（現在の機体と同じ）"));
        QCOMPARE(cellText(dialog, "twResults", 0, 2), QString("0"));
    }

    void aSearchStopsOnCancelAndOnClosing()
    {
        PlannerWindows planner;
        MainWindow* form = planner.mainWindow.get();
        OptimiserDialog* dialog = openOptimiser(form);
        startLongSearch(dialog);
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
        press(dialog, "btTradeOff");
        dialog->close();
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(labelText(dialog, "lbSearchStatus"), QString("探索を中止しました"));

        // And the windows may go while a search runs: it stops before the parts table goes.
        openOptimiser(form);
        press(dialog, "btTradeOff");
        QVERIFY(dialog->searching());
        planner.mainWindow.reset();
    }

    void settingsAreLockedWhileSearchingAndAStaleProposalIsNotApplied()
    {
        PlannerWindows planner;
        MainWindow* form = planner.mainWindow.get();
        OptimiserDialog* dialog = openOptimiser(form);
        startLongSearch(dialog);
        for (const char* setting : {"cbGoal", "cbSecondGoal", "cbSlot1", "twRequirements", "btAddRequirement",
                                    "rbOptionsFree", "btSearch", "btTradeOff", "btRepair", "btApply"}) {
            QVERIFY2(!child<QWidget>(dialog, setting)->isEnabled(), setting);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->searching(), 20000);
        QVERIFY(child<QWidget>(dialog, "cbGoal")->isEnabled());
        QVERIFY(child<QTableWidget>(dialog, "twResults")->rowCount() > 1);

        // The player changes the machine after the search: its proposals are stale.
        auto* head = child<QComboBox>(form, "cb1");
        Q_EMIT head->activated(head->currentIndex() + 1);
        const rivet::Selection changed = documentOf(*form).machine().selection;
        planner.dialogs.answers << "適用しない";
        press(dialog, "btApply");
        QCOMPARE(planner.dialogs.questions.size(), 1);
        QVERIFY(documentOf(*form).machine().selection == changed);
        QVERIFY(!dialog->searching());

        // Searching again starts from the machine as it is now; its proposals apply.
        planner.dialogs.answers << "探し直す";
        press(dialog, "btApply");
        QVERIFY(dialog->searching());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->searching(), 20000);
        const QString first = cellText(dialog, "twResults", 0, 1);
        press(dialog, "btApply");
        QCOMPARE(planner.dialogs.questions.size(), 2);
        QVERIFY(!(documentOf(*form).machine().selection == changed));
        // Another machine of the same list is no stale one.
        child<QTableWidget>(dialog, "twResults")->selectRow(1);
        press(dialog, "btApply");
        QCOMPARE(planner.dialogs.questions.size(), 2);
        QVERIFY(!first.isEmpty());
    }

    void aRepairShowsWhichSlotsChangeAndWhy()
    {
        PlannerWindows planner;
        MainWindow* form = planner.mainWindow.get();
        // A two-slot weapon too heavy for the legs.
        auto* rightBack = child<QComboBox>(form, "cb10");
        Q_EMIT rightBack->activated(rightBack->findText("XCS-9900"));
        OptimiserDialog* dialog = openOptimiser(form);
        press(dialog, "btRepair");
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->searching(), 20000);
        QVERIFY(labelText(dialog, "lbSearchStatus").startsWith("1 か所を変えると警告が消えます"));
        QCOMPARE(cellText(dialog, "twResults", 0, 5), QString("1"));
        QCOMPARE(cellText(dialog, "twDetailParts", 0, 0), QString("右肩武器"));
        QVERIFY(cellText(dialog, "twDetailParts", 0, 3).startsWith("余剰積載量 (基準違反)"));
    }

    void clickingAPointOfTheTradeOffChoosesItsMachine()
    {
        PlannerWindows planner;
        MainWindow* form = planner.mainWindow.get();
        OptimiserDialog* dialog = openOptimiser(form);
        chooseFigureIn(dialog, "cbGoal", 12); // the ground boost speed, rising
        chooseFigureIn(dialog, "cbSecondGoal", 2); // against the price, falling
        for (const char* kept : {"cbSlot1", "cbSlot2", "cbSlot3", "cbSlot4"}) {
            child<QComboBox>(dialog, kept)->setCurrentIndex(0);
        }
        press(dialog, "btTradeOff");
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->searching(), 20000);
        auto* results = child<QTableWidget>(dialog, "twResults");
        QVERIFY(results->rowCount() >= 3);
        TradeOffPlot* plot = dialog->tradeOffPlot();
        QVERIFY(plot);
        // Best first in the goal, so the price falls down the list.
        QVERIFY(cellText(dialog, "twResults", 0, 1).toDouble() > cellText(dialog, "twResults", 1, 1).toDouble());
        QVERIFY(cellText(dialog, "twResults", 0, 3).toDouble() > cellText(dialog, "twResults", 1, 3).toDouble());

        auto* view = qobject_cast<QAbstractScrollArea*>(plot->widget());
        QVERIFY(view);
        // The point farthest from the others: markers of close machines overlap.
        int clicked = 0;
        int clearance = 0;
        for (int i = 0; i < results->rowCount(); ++i) {
            int nearest = INT_MAX;
            for (int j = 0; j < results->rowCount(); ++j) {
                if (j != i) {
                    nearest = std::min(nearest, (plot->pointPosition(i) - plot->pointPosition(j)).manhattanLength());
                }
            }
            if (nearest > clearance) {
                clicked = i;
                clearance = nearest;
            }
        }
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, plot->pointPosition(clicked));
        QTRY_COMPARE(results->currentRow(), clicked);
        press(dialog, "btApply");
        const QString goal = QString::fromStdString(rivet::formatGeneral(
            rivet::figureNumber(documentOf(*form).evaluation().totals, rivet::Figure::GroundBoostSpeed).value()));
        QCOMPARE(goal, cellText(dialog, "twResults", clicked, 1));
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
        QCOMPARE(value->text(), QString("227100")); // no group separator, as every figure
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
