// The parts-list viewer opened from the main window's catalogue buttons.
#include "windows/PlannerWindows.h"

#include "support/Bytes.h"
#include "support/WindowLookup.h"
#include "windows/PartsListWindow.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

using namespace rivet::test;

class PartsListTest : public QObject
{
    Q_OBJECT

private:
    static void open(PlannerWindows& planner, const char* button)
    {
        QTest::mouseClick(child<QPushButton>(planner.mainWindow.get(), button), Qt::LeftButton);
    }
    static QTableWidget* grid(PlannerWindows& planner) { return child<QTableWidget>(planner.partsList, "G"); }
    // Presses a mouse button on row r (1 or more) of the viewer.
    static void pressRow(PlannerWindows& planner, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTableWidget* g = grid(planner);
        const QModelIndex index = g->model()->index(row - 1, 0);
        g->scrollTo(index);
        QTest::mousePress(g->viewport(), button, {}, g->visualRect(index).center());
        QTest::mouseRelease(g->viewport(), button, {}, g->visualRect(index).center());
    }
    static QComboBox* selector(PlannerWindows& planner, int n)
    {
        return child<QComboBox>(planner.mainWindow.get(), QString("cb%1").arg(n).toUtf8().constData());
    }

private Q_SLOTS:
    void opensOnTheFileAndThePartChosen()
    {
        PlannerWindows planner;
        chooseItem(selector(planner, 1), 2);
        open(planner, "bb01");
        QVERIFY(planner.partsList->isVisible());
        QVERIFY(planner.dialogs.errors.isEmpty());
        QCOMPARE(planner.partsList->currentRow(), 3); // row 1 is NO EQUIP
        QCOMPARE(planner.partsList->cellText(3, 0), selector(planner, 1)->itemText(2));
        QCOMPARE(planner.partsList->cellText(1, 0), QString("NO EQUIP"));
        QVERIFY(planner.partsList->targetSelector() == rivet::HeadSelector);
        QCOMPARE(planner.partsList->windowTitle(), QString("#頭"));
        QCOMPARE(planner.partsList->cellText(0, 0), QString("#パーツ名"));
        // One row per selector item below the header row, two columns more than headers.
        QCOMPARE(planner.partsList->rowCount(), selector(planner, 1)->count() + 1);
        QCOMPARE(planner.partsList->cellText(0, 1), QString("価格"));
        QCOMPARE(planner.partsList->columnCount(), 10);
        QVERIFY(planner.partsList->cellText(0, 9).isEmpty());
        // Fitted: the widest text + 7 pixels, so the two empty columns are 7 pixels wide.
        QCOMPARE(grid(planner)->columnWidth(7), 7);
        QCOMPARE(grid(planner)->columnWidth(8), 7);
    }

    void pressingARowPicksThePartAndRecomputesAtOnce()
    {
        PlannerWindows planner;
        open(planner, "bb01");
        const QString apBefore = labelText(planner.mainWindow.get(), "ed1");
        pressRow(planner, 1);
        // The figures are current when the press returns: the request is sent, not posted.
        QCOMPARE(selector(planner, 1)->currentIndex(), 0);
        QVERIFY(labelText(planner.mainWindow.get(), "ed1") != apBefore);
        QCOMPARE(planner.partsList->windowTitle(), QString("1"));
        QVERIFY(planner.dialogs.errors.isEmpty());
    }

    void anyMouseButtonPicks()
    {
        PlannerWindows planner;
        open(planner, "bb04");
        const QString weightBefore = labelText(planner.mainWindow.get(), "ed3");
        pressRow(planner, 3, Qt::RightButton);
        QCOMPARE(selector(planner, 4)->currentIndex(), 2);
        QVERIFY(labelText(planner.mainWindow.get(), "ed3") != weightBefore);
        pressRow(planner, 4, Qt::MiddleButton);
        QCOMPARE(selector(planner, 4)->currentIndex(), 3);
    }

    void theHeadersOnlyChangeTheCaption()
    {
        PlannerWindows planner;
        open(planner, "bb04");
        const int legs = selector(planner, 4)->currentIndex();
        QHeaderView* header = grid(planner)->horizontalHeader();
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        QCOMPARE(planner.partsList->windowTitle(), QString("0"));
        QCOMPARE(selector(planner, 4)->currentIndex(), legs);
        // Below the last row there is no row at all.
        QTableWidget* g = grid(planner);
        g->setRowCount(3);
        QTest::mousePress(g->viewport(), Qt::LeftButton, {}, QPoint(20, g->viewport()->height() - 2));
        QCOMPARE(planner.partsList->windowTitle(), QString("-1"));
        QCOMPARE(selector(planner, 4)->currentIndex(), legs);
        // The part names stand in the fixed column and pick as well.
        QHeaderView* names = g->verticalHeader();
        QTest::mousePress(names->viewport(), Qt::LeftButton, {}, QPoint(5, names->sectionViewportPosition(1) + 5));
        QCOMPARE(selector(planner, 4)->currentIndex(), 1);
    }

    void everySlotButtonSaysItOpensThePartsList()
    {
        PlannerWindows planner;
        for (int n = 1; n <= 12; ++n) {
            const QString name = QString("bb%1").arg(n, 2, 10, QChar('0'));
            auto* button = child<QPushButton>(planner.mainWindow.get(), name.toLatin1().constData());
            QCOMPARE(button->toolTip(), (n == 12 ? QString("オプション") : button->text()) + "の部品一覧を開く");
        }
    }

    void backWeaponButtonsTargetTheirOwnSelector()
    {
        PlannerWindows planner;
        open(planner, "bb10");
        QVERIFY(planner.partsList->targetSelector() == rivet::RightBackSelector);
        const QString caption = planner.partsList->windowTitle();
        open(planner, "bb11");
        QVERIFY(planner.partsList->targetSelector() == rivet::LeftBackSelector);
        QCOMPARE(planner.partsList->windowTitle(), caption);
        QCOMPARE(planner.partsList->currentRow(), selector(planner, 11)->currentIndex() + 1);
        pressRow(planner, 2);
        QCOMPARE(selector(planner, 11)->currentIndex(), 1);
    }

    void theOptionListPicksNothing()
    {
        PlannerWindows planner;
        open(planner, "bb12");
        QVERIFY(planner.partsList->isVisible());
        QVERIFY(!planner.partsList->targetSelector());
        QCOMPARE(planner.partsList->cellText(2, 0), QString("SP-MAW"));
        const QString priceBefore = labelText(planner.mainWindow.get(), "ed2");
        pressRow(planner, 2);
        QCOMPARE(planner.partsList->windowTitle(), QString("2"));
        QCOMPARE(labelText(planner.mainWindow.get(), "ed2"), priceBefore);
    }

    void escapeHidesTheViewer()
    {
        PlannerWindows planner;
        open(planner, "bb01");
        QVERIFY(planner.partsList->isVisible());
        QTest::keyClick(grid(planner), Qt::Key_Escape);
        QVERIFY(!planner.partsList->isVisible());
        // Reopening brings it back with the file read again.
        open(planner, "bb02");
        QVERIFY(planner.partsList->isVisible());
        QVERIFY(planner.partsList->targetSelector() == rivet::CoreSelector);
    }

    void aMissingFileIsReportedAndNothingIsShown()
    {
        PlannerWindows planner;
        QVERIFY(std::remove((home(planner) + "data/fcs.dat").c_str()) == 0);
        open(planner, "bb06");
        QCOMPARE(planner.dialogs.errors,
                 QStringList {QString::fromStdString("ファイルが見つかりません\n" + home(planner) + "data/fcs.dat")});
        QVERIFY(!planner.partsList->isVisible());
    }

    void aFileShorterThanAtStartSelectsNoRow()
    {
        PlannerWindows planner;
        chooseItem(selector(planner, 4), 20);
        rivet::test::writeBytes(home(planner) + "data/leg.dat", sjisFile({"#脚", "#名前,価格", "LN-A,1", "LN-B,2"}));
        open(planner, "bb04");
        QVERIFY(planner.dialogs.errors.isEmpty());
        QCOMPARE(planner.partsList->rowCount(), 4);
        QCOMPARE(planner.partsList->currentRow(), -1);
        // A row the file has is still a selector item, and picks it.
        pressRow(planner, 3);
        QCOMPARE(selector(planner, 4)->currentIndex(), 2);
    }

    void anOversizedFileIsRefusedAtOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        // A header line of commas just under the 16 MiB a file may have: a cell per comma in
        // every row, each measured.
        QTest::newRow("commas") << QByteArray::fromStdString(sjisFile({"#脚", std::string(16 * 1024 * 1024 - 16, ',')}))
                                << QString(" は大きすぎます (部品一覧は 256 KiB まで)");
        QTest::newRow("columns") << QByteArray::fromStdString(sjisFile({"#脚", std::string(255, ',')}))
                                 << QString(" は列が多すぎます (256 列まで)");
        QTest::newRow("one long cell") << QByteArray::fromStdString(
            sjisFile({"#脚", "#名前," + std::string(300 * 1024, 'a')}))
                                       << QString(" は大きすぎます (部品一覧は 256 KiB まで)");
        std::vector<std::string> manyParts = {"#脚", "#名前,価格"};
        for (int i = 0; i < 1023; ++i) {
            manyParts.push_back("LN-" + std::to_string(i) + ",1");
        }
        QTest::newRow("rows") << QByteArray::fromStdString(sjisFile(manyParts))
                              << QString(" は行が多すぎます (1024 行まで)");
    }

    void anOversizedFileIsRefusedAtOnce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        PlannerWindows planner;
        rivet::test::writeBytes(home(planner) + "data/leg.dat", bytes.toStdString());
        QElapsedTimer clock;
        clock.start();
        open(planner, "bb04");
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(planner.dialogs.errors,
                 QStringList {"ファイル " + QString::fromStdString(home(planner)) + "data/leg.dat" + message});
        QVERIFY(!planner.partsList->isVisible());
    }

private:
    static std::string home(PlannerWindows& planner) { return planner.home.path(); }
};

QTEST_MAIN(PartsListTest)
#include "PartsListTest.moc"
