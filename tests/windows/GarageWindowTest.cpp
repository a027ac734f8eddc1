// The garage window over a folder of machines, driven as the player drives it.
#include "windows/PlannerWindows.h"

#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "mainwindow/Planner.h"
#include "support/Bytes.h"
#include "support/FactoryCatalogue.h"
#include "support/WindowLookup.h"
#include "windows/GarageModel.h"
#include "windows/GarageWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <cstdlib>
#include <filesystem>

using namespace rivet::test;

namespace {

// The parts of two machines of the factory catalogue: "fast" shows "26" as its ground boost
// speed while its number is 102.7, far above the others' 39.7.
const std::array<std::string, rivet::kSelectorCount> kStandardMachine
    = {"HD-01-SRVT", "XCA-00",  "AN-101",  "LN-1001",  "GPS-VVA", "COMDEX-C7",
       "B-P320",     "WG-RF35", "LS-2001", "WM-S40/1", ""};
const std::array<std::string, rivet::kSelectorCount> kFastMachine
    = {"HD-GRY-NX", "XCA-00", "AN-101", "LF-205-SF", "GPS-VVA", "COMDEX-C7", "B-PT000", "", "", "", ""};

void writeMachine(const std::string& path, const std::array<std::string, rivet::kSelectorCount>& parts,
                  const std::string& name)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    auto document = rivet::startAsTheWindowDoes(factoryTable());
    document->setSelection(selectionOf(parts));
    document->setText(rivet::TextField::MachineName, name);
    writeBytes(path, rivet::assemblyFileBytes(document->machine()));
}

GarageWindow* openGarage(PlannerWindows& planner)
{
    child<QAction>(planner.mainWindow.get(), "acGarage")->trigger();
    GarageWindow* garage = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        garage = garage || !window->isVisible() ? garage : qobject_cast<GarageWindow*>(window);
    }
    [&] {
        QVERIFY(garage);
        QVERIFY(QTest::qWaitForWindowExposed(garage));
    }();
    return garage;
}

// The files the list shows, top to bottom.
QStringList listed(const GarageWindow* garage)
{
    QStringList files;
    for (int row = 0; row < garage->model().rowCount(); ++row) {
        files << garage->model().index(row, 0).data(GarageModel::PathRole).toString();
    }
    return files;
}

void clickHeader(QTableView* view, int column)
{
    QHeaderView* header = view->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

int figureColumn(rivet::Figure figure)
{
    return 4 + static_cast<int>(rivet::figureIndex(figure));
}

} // namespace

class GarageWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortFilterOpenAndFollowTheDisk()
    {
        PlannerWindows planner([](const TempHome& home) {
            writeMachine(home.garageDir() + "standard.asm", kStandardMachine, "Raven");
            writeMachine(home.garageDir() + "対戦用/fast.asm", kFastMachine, "速攻");
            writeBytes(home.garageDir() + "broken.asm", "[asm]\r\nACname=\x81\xff\r\n");
        });
        GarageWindow* garage = openGarage(planner);
        QTRY_COMPARE(garage->model().rowCount(), 3);
        QCOMPARE(listed(garage), (QStringList {"broken.asm", "standard.asm", "対戦用/fast.asm"}));

        // One click on a figure lists the best first, by the numbers.
        auto* view = child<QTableView>(garage, "twGarage");
        clickHeader(view, figureColumn(rivet::Figure::GroundBoostSpeed));
        QCOMPARE(listed(garage), (QStringList {"対戦用/fast.asm", "standard.asm", "broken.asm"}));
        clickHeader(view, figureColumn(rivet::Figure::GroundBoostSpeed));
        QCOMPARE(listed(garage), (QStringList {"standard.asm", "対戦用/fast.asm", "broken.asm"}));
        const QModelIndex fastSpeed = garage->model().index(1, figureColumn(rivet::Figure::GroundBoostSpeed));
        QCOMPARE(fastSpeed.data().toString(), QString("26"));
        QCOMPARE(fastSpeed.data(Qt::ToolTipRole).toString(), QString("MAX:63オーバー"));
        QVERIFY(fastSpeed.data(Qt::ForegroundRole).isValid());
        // The file that cannot be opened says why in place of its figures.
        QVERIFY(garage->model().index(2, GarageModel::firstFigureColumn()).data().toString().contains("broken.asm"));

        auto* filter = child<QLineEdit>(garage, "edGarageFilter");
        QTest::keyClicks(filter, "raven");
        QCOMPARE(listed(garage), QStringList {"standard.asm"});

        // Enter opens the row as the machine being worked on.
        view->setFocus();
        view->setCurrentIndex(garage->model().index(0, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(documentOf(*planner.mainWindow).currentFile(), planner.home.garageDir() + "standard.asm");
        QVERIFY(planner.dialogs.errors.isEmpty());
        // While the machine has unsaved changes another row opens in a window of its own,
        // without a question; choosing a file already open brings its window to the front.
        documentOf(*planner.mainWindow).setDescription("軽量型");
        filter->clear();
        view->setCurrentIndex(garage->model().index(static_cast<int>(listed(garage).indexOf("対戦用/fast.asm")), 0));
        QTest::keyClick(view, Qt::Key_Return);
        Planner& windows = planner.mainWindow->planner();
        QCOMPARE(windows.mainWindows().size(), 2);
        MainWindow* second = windows.activeWindow();
        QCOMPARE(documentOf(*second).currentFile(), planner.home.garageDir() + "対戦用/fast.asm");
        QCOMPARE(documentOf(*planner.mainWindow).machine().description, std::string("軽量型"));
        view->setCurrentIndex(garage->model().index(static_cast<int>(listed(garage).indexOf("standard.asm")), 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(windows.mainWindows().size(), 2);
        QCOMPARE(windows.activeWindow(), planner.mainWindow.get());
        QVERIFY(planner.dialogs.saveQuestions.isEmpty());
        second->close();

        // Another program writes a machine into the garage: it shows within a second or so.
        filter->clear();
        const QString garageDir = QString::fromStdString(planner.home.garageDir());
        QProcess writer;
        writer.setWorkingDirectory(garageDir);
        writer.start("/bin/sh", {"-c", "cat standard.asm > 対戦用/copy.asm"});
        QVERIFY(writer.waitForFinished());
        QTRY_COMPARE_WITH_TIMEOUT(garage->model().rowCount(), 4, 3000);
        QVERIFY(listed(garage).contains("対戦用/copy.asm"));
    }

    void duplicateRenameAndTrashRefreshTheList()
    {
        PlannerWindows planner(
            [](const TempHome& home) { writeMachine(home.garageDir() + "standard.asm", kStandardMachine, "Raven"); });
        // A data folder that does not exist yet, as on a fresh account.
        const std::string trash = planner.home.path() + "xdg-data";
        ::setenv("XDG_DATA_HOME", trash.c_str(), 1);
        GarageWindow* garage = openGarage(planner);
        QTRY_COMPARE(garage->model().rowCount(), 1);
        auto* view = child<QTableView>(garage, "twGarage");
        view->selectRow(0);

        child<QAction>(garage, "acGarageDuplicate")->trigger();
        QTRY_COMPARE(listed(garage), (QStringList {"standard - コピー.asm", "standard.asm"}));
        QCOMPARE(readBytes(planner.home.garageDir() + "standard - コピー.asm"),
                 readBytes(planner.home.garageDir() + "standard.asm"));

        planner.dialogs.texts = QStringList {"重装"};
        child<QAction>(garage, "acGarageRename")->trigger(); // the copy, which the list chose
        QTRY_COMPARE(listed(garage), (QStringList {"standard.asm", "重装.asm"}));

        view->selectRow(0);
        child<QAction>(garage, "acGarageTrash")->trigger();
        QTRY_COMPARE(listed(garage), QStringList {"重装.asm"});
        QVERIFY(QFileInfo::exists(QString::fromStdString(trash + "/Trash/files/standard.asm")));
        QVERIFY(planner.dialogs.errors.isEmpty());
        ::unsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(GarageWindowTest)
#include "GarageWindowTest.moc"
