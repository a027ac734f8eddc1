// The damage calculator filled from the main window and worked with the mouse and keyboard.
#include "windows/PlannerWindows.h"

#include "support/WindowLookup.h"
#include "windows/DamageCalculatorWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>

using namespace rivet::test;
using rivet::DamageTable;

class DamageCalculatorTest : public QObject
{
    Q_OBJECT

private:
    static DamageCalculatorWindow* openCalculator(PlannerWindows& planner)
    {
        child<QAction>(planner.mainWindow.get(), "acDamageform")->trigger();
        return planner.damageCalculator;
    }
    static QTableWidget* grid(DamageCalculatorWindow* form) { return child<QTableWidget>(form, "G"); }
    static void click(DamageCalculatorWindow* form, int column, int row)
    {
        QTableWidget* g = grid(form);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row, column)).center());
    }
    static QString shown(DamageCalculatorWindow* form, int column, int row)
    {
        return grid(form)->item(row, column)->text();
    }
    static QString beforeSlash(const QString& figure) { return figure.left(figure.indexOf('/')); }

private Q_SLOTS:
    void opensWithTheMachinesDefenceCoefficients()
    {
        PlannerWindows planner;
        DamageCalculatorWindow* form = openCalculator(planner);
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QString("簡易ダメージ計算表"));
        const QString shell = beforeSlash(labelText(planner.mainWindow.get(), "ed9"));
        const QString beam = beforeSlash(labelText(planner.mainWindow.get(), "ed10"));
        QVERIFY(!shell.isEmpty());
        QCOMPARE(shown(form, DamageTable::Coefficient, 1), shell);
        QCOMPARE(shown(form, DamageTable::Type, 2), QString("ビーム"));
        QCOMPARE(shown(form, DamageTable::Coefficient, 2), beam);
        QCOMPARE(shown(form, DamageTable::Bonus, 2), QString("E+"));
        // Not worked out yet: one click anywhere fills the damage in.
        QCOMPARE(shown(form, DamageTable::Damage, 1), QString());
        click(form, DamageTable::Marker, 5);
        QCOMPARE(shown(form, DamageTable::Damage, 1), QString("0"));
        QCOMPARE(shown(form, DamageTable::Damage, 2), QString("0"));
    }

    void clicksToggleTypeAndBonus()
    {
        PlannerWindows planner;
        DamageCalculatorWindow* form = openCalculator(planner);
        click(form, DamageTable::Type, 3);
        QCOMPARE(shown(form, DamageTable::Type, 3), QString("ビーム"));
        click(form, DamageTable::Bonus, 3);
        QCOMPARE(shown(form, DamageTable::Bonus, 3), QString());
        // A double click presses twice and leaves the cell as it was. It goes through the
        // window, which turns the second press into the double click as the desktop does.
        QTableWidget* g = grid(form);
        const QPoint at = g->visualRect(g->model()->index(3, DamageTable::Type)).center();
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, g->viewport()->mapTo(form, at));
        QCOMPARE(shown(form, DamageTable::Type, 3), QString("ビーム"));
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, g->viewport()->mapTo(form, at));
        QCOMPARE(shown(form, DamageTable::Type, 3), QString("ビーム"));
        // The header row does not toggle.
        click(form, DamageTable::Type, 0);
        QCOMPARE(shown(form, DamageTable::Type, 0), QString("Type"));
    }

    void typingRecomputesOnEveryKeystroke()
    {
        PlannerWindows planner;
        DamageCalculatorWindow* form = openCalculator(planner);
        QApplication::setActiveWindow(form);
        QTableWidget* g = grid(form);

        // Row 3: a beam with E+, coefficient 96, typed attack power.
        click(form, DamageTable::Type, 3);
        click(form, DamageTable::Coefficient, 3);
        QTest::keyClick(g, Qt::Key_9);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, "6");
        QCOMPARE(shown(form, DamageTable::Damage, 3), QString("0")); // attack still 0
        QTest::keyClick(editor, Qt::Key_Tab); // on to the E+ column: the editor closes
        QCOMPARE(shown(form, DamageTable::Coefficient, 3), QString("96"));
        QCOMPARE(g->currentColumn(), int(DamageTable::Bonus));
        // Tab steps over the fixed marker column into the next trial, Shift+Tab back.
        QTest::keyClick(g, Qt::Key_Tab);
        QTest::keyClick(g, Qt::Key_Tab);
        QCOMPARE(QPoint(g->currentColumn(), g->currentRow()), QPoint(DamageTable::Type, 4));
        QTest::keyClick(g, Qt::Key_Backtab);
        QCOMPARE(QPoint(g->currentColumn(), g->currentRow()), QPoint(DamageTable::Damage, 3));

        click(form, DamageTable::Attack, 3);
        QTest::keyClick(g, Qt::Key_1);
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(shown(form, DamageTable::Damage, 3), QString("1")); // 1 × 96 ÷ 96 × 1.15
        QTest::keyClicks(editor, "000");
        QCOMPARE(shown(form, DamageTable::Damage, 3), QString("1150"));
        QTest::keyClicks(editor, "x");
        QCOMPARE(shown(form, DamageTable::Damage, 3), QString("0")); // not a number: 0, no message
        QVERIFY(planner.dialogs.errors.isEmpty());
    }

    void escapeRestoresTheCellAndTheDamageAlike()
    {
        PlannerWindows planner;
        DamageCalculatorWindow* form = openCalculator(planner);
        QApplication::setActiveWindow(form);
        QTableWidget* g = grid(form);
        auto type = [&](int column, const QString& text) {
            click(form, column, 3);
            QTest::keyClick(g, text.at(0).toLatin1());
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QTest::keyClicks(editor, text.mid(1));
            return editor;
        };
        QTest::keyClick(type(DamageTable::Coefficient, "96"), Qt::Key_Return);
        QTest::keyClick(type(DamageTable::Attack, "1000"), Qt::Key_Return);
        QCOMPARE(shown(form, DamageTable::Damage, 3), QString("1000"));

        QLineEdit* editor = type(DamageTable::Attack, "500");
        QCOMPARE(shown(form, DamageTable::Damage, 3), QString("500")); // following each key
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(shown(form, DamageTable::Attack, 3), QString("1000"));
        QCOMPARE(shown(form, DamageTable::Damage, 3), QString("1000"));
        click(form, DamageTable::Marker, 5); // a later click recomputes what the cells hold
        QCOMPARE(shown(form, DamageTable::Attack, 3), QString("1000"));
        QCOMPARE(shown(form, DamageTable::Damage, 3), QString("1000"));
    }

    void reopeningKeepsTheOtherTrials()
    {
        PlannerWindows planner;
        DamageCalculatorWindow* form = openCalculator(planner);
        click(form, DamageTable::Type, 4);
        form->close();
        QVERIFY(!form->isVisible());
        openCalculator(planner);
        QVERIFY(form->isVisible());
        QCOMPARE(shown(form, DamageTable::Type, 4), QString("ビーム"));
        QCOMPARE(form->table().cell(DamageTable::Type, 4), std::string("ビーム"));
    }
};

QTEST_MAIN(DamageCalculatorTest)
#include "DamageCalculatorTest.moc"
