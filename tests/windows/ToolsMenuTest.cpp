// The main window's "関連付け" and "バージョン情報" actions.
#include "windows/PlannerWindows.h"

#include "common/TextFile.h"
#include "desktop/DesktopRegistry.h"
#include "support/Bytes.h"
#include "support/WindowLookup.h"
#include "windows/AboutDialog.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/PartsListWindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <map>
#include <new>
#include <stdexcept>
#include <sys/stat.h>

using namespace rivet::test;

namespace {

const char* const kQuestion = "*.asmファイルをこのソフトに関連付けますか？";
const char* const kDone = "拡張子「asm」をこのソフトに関連付けました。\n"
                          "これ以降Kosmo機体データをダブルクリックするだけで\n"
                          "このソフトが自動的に起動します。";

// XDG folders inside the test's home while it lives.
class DesktopFolders
{
public:
    explicit DesktopFolders(const std::string& home)
        : data(home + "xdg-data")
        , config(home + "xdg-config")
    {
        ::setenv("XDG_DATA_HOME", data.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        // No system-wide install of the package is seen, whatever the machine has.
        ::setenv("XDG_DATA_DIRS", (home + "xdg-system").c_str(), 1);
    }
    ~DesktopFolders()
    {
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_DATA_DIRS");
    }
    rivet::DesktopRegistry registry() const { return rivet::DesktopRegistry({data, config, {}}); }

    std::string data;
    std::string config;
};

// The desktop's cache programs replaced by scripts in a folder put first on PATH while the
// object lives; each script notes its argument in a file of its name + ".ran".
class FakeCachePrograms
{
public:
    FakeCachePrograms(const std::string& home, const std::map<std::string, std::string>& bodies)
        : folder(home + "bin/")
        , m_path(std::getenv("PATH") ? std::getenv("PATH") : "")
    {
        rivet::ensureFolder(folder);
        for (const auto& [program, body] : bodies) {
            writeBytes(folder + program, "#!/bin/sh\necho \"$1\" > \"$0.ran\"\n" + body + "\n");
            ::chmod((folder + program).c_str(), 0755);
        }
        ::setenv("PATH", (folder + ":" + m_path).c_str(), 1);
    }
    ~FakeCachePrograms() { ::setenv("PATH", m_path.c_str(), 1); }

    std::string folder;

private:
    std::string m_path;
};

} // namespace

class ToolsMenuTest : public QObject
{
    Q_OBJECT

private:
    static void associate(PlannerWindows& planner) { child<QAction>(planner.mainWindow.get(), "acRegext")->trigger(); }

private Q_SLOTS:
    void anythingButYesWritesNothing()
    {
        PlannerWindows planner;
        const DesktopFolders desktop(planner.home.path());
        planner.dialogs.answers = QStringList {"いいえ(&N)", "キャンセル"};
        associate(planner); // いいえ
        associate(planner); // キャンセル
        associate(planner); // the dialog closed without an answer
        QCOMPARE(planner.dialogs.questions, (QStringList {kQuestion, kQuestion, kQuestion}));
        QVERIFY(planner.dialogs.informations.isEmpty());
        QVERIFY(planner.dialogs.errors.isEmpty());
        QVERIFY(!QFileInfo::exists(QString::fromStdString(desktop.data)));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(desktop.config)));
    }

    void yesRegistersTheProgramAndSaysSo()
    {
        PlannerWindows planner;
        const DesktopFolders desktop(planner.home.path());
        planner.dialogs.answers = QStringList {"はい(&Y)", "はい(&Y)"};
        associate(planner);
        QCOMPARE(planner.dialogs.informations, QStringList {kDone});
        const rivet::DesktopRegistry registry = desktop.registry();
        QCOMPARE(registry.defaultValue(".asm"), std::string("ZubRivet"));
        QCOMPARE(registry.defaultValue("ZubRivet"), std::string("Kosmo機体データ"));
        const std::string program = QCoreApplication::applicationFilePath().toStdString();
        QCOMPARE(registry.defaultValue("ZubRivet\\shell\\open\\command"), program + " \"%1\"");
        const std::string mimeapps = readBytes(desktop.config + "/mimeapps.list");
        QVERIFY(mimeapps.find("application/x-zubrivet-asm=rivet-tool.desktop") != std::string::npos);

        // Registering twice writes the same and says so again.
        associate(planner);
        QCOMPARE(planner.dialogs.informations, (QStringList {kDone, kDone}));
        QVERIFY(planner.dialogs.errors.isEmpty());
    }

    void theDesktopCachesAreRebuiltWithoutWaitingAndTheirFailureIsReported()
    {
        PlannerWindows planner;
        const DesktopFolders desktop(planner.home.path());
        const FakeCachePrograms programs(
            planner.home.path(), {{"update-mime-database", "sleep 1; exit 3"}, {"update-desktop-database", "exit 0"}});
        planner.dialogs.answers = QStringList {"はい(&Y)"};
        QElapsedTimer clock;
        clock.start();
        associate(planner);
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(planner.dialogs.informations, QStringList {kDone});
        QVERIFY(planner.dialogs.errors.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(planner.dialogs.errors,
                                  QStringList {"「update-mime-database」が失敗しました (終了コード 3)"}, 10000);
        QCOMPARE(readBytes(programs.folder + "update-mime-database.ran"), desktop.data + "/mime\n");
        QCOMPARE(readBytes(programs.folder + "update-desktop-database.ran"), desktop.data + "/applications\n");
    }

    void aFailedRegistrationIsReportedWithoutTheSuccessNotice()
    {
        PlannerWindows planner;
        const DesktopFolders desktop(planner.home.path());
        writeBytes(desktop.data, "a file where the folder belongs");
        planner.dialogs.answers = QStringList {"はい(&Y)"};
        associate(planner);
        QCOMPARE(planner.dialogs.errors,
                 QStringList {QString::fromStdString("'' の設定に失敗しました\nフォルダ " + desktop.data
                                                     + "/rivet-tool を作成できません: "
                                                       "パスの途中にフォルダでないものがあります (20)")});
        QVERIFY(planner.dialogs.informations.isEmpty());
    }

    void versionInformationIsShownModallyUntilTheButtonIsPressed()
    {
        PlannerWindows planner;
        bool wasModal = false;
        QTimer::singleShot(0, this, [&] {
            wasModal = planner.about->isVisible() && planner.about->isModal();
            QTest::mouseClick(child<QPushButton>(planner.about, "BitBtn1"), Qt::LeftButton);
        });
        child<QAction>(planner.mainWindow.get(), "acVersion")->trigger();
        QVERIFY(wasModal);
        QVERIFY(!planner.about->isVisible());
        QCOMPARE(planner.about->result(), int(QDialog::Accepted));
        QCOMPARE(planner.about->windowTitle(), QString("ZUB TOOLS ABOUT DIALOG"));
        QCOMPARE(labelText(planner.about, "productcode"), QString("ZUB-TL017"));
        QCOMPARE(labelText(planner.about, "programname"), QString("ZubRivet"));
        QCOMPARE(labelText(planner.about, "startdate"), QString("99/06/10"));
        QCOMPARE(labelText(planner.about, "lastupdate"), QString("00/05/31"));
        QCOMPARE(labelText(planner.about, "version"), QString("1.36"));
        QCOMPARE(child<QPushButton>(planner.about, "BitBtn1")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(child<QLabel>(planner.about, "bigicon")->pixmap().deviceIndependentSize(), QSizeF(96, 96));
    }

    void theToolsStillWorkWhenTheCatalogueFailed()
    {
        PlannerWindows planner([](const TempHome& home) {
            rivet::ensureFolder(home.dataDir());
            writeBytes(home.dataDir() + "leg.dat", sjisFile({"#脚", "#パーツ名,価格", "LN-X,abc"}));
        });
        QCOMPARE(planner.dialogs.errors.size(), 1);
        // The catalogue buttons do nothing with a half-loaded table.
        planner.mainWindow->editor().showPartsList(child<QPushButton>(planner.mainWindow.get(), "bb01"));
        QVERIFY(!planner.partsList->isVisible());
        QVERIFY(!child<QAction>(planner.mainWindow.get(), "acDamageform")->isEnabled());
        // The about dialog and the association remain.
        QTimer::singleShot(0, this,
                           [&] { QTest::mouseClick(child<QPushButton>(planner.about, "BitBtn1"), Qt::LeftButton); });
        child<QAction>(planner.mainWindow.get(), "acVersion")->trigger();
        QCOMPARE(planner.about->result(), int(QDialog::Accepted));
        const DesktopFolders desktop(planner.home.path());
        planner.dialogs.answers = QStringList {"はい(&Y)"};
        associate(planner);
        QCOMPARE(planner.dialogs.informations, QStringList {kDone});
        QCOMPARE(planner.dialogs.errors.size(), 1);
    }

    void whateverStopsAnAuxiliaryWindowsHandlerIsShown()
    {
        PlannerWindows planner;
        // The damage calculator: a cell it does not have.
        planner.damageCalculator->editCellText(99, 1, "5");
        QCOMPARE(planner.dialogs.errors.size(), 1);
        // The parts-list viewer: a pick whose receiver fails with something not of the planner.
        QObject::connect(planner.partsList, &PartsListWindow::partPicked, this,
                         [](int, int) { throw std::runtime_error("receiver failed"); });
        planner.mainWindow->editor().showPartsList(child<QPushButton>(planner.mainWindow.get(), "bb01"));
        planner.partsList->pressRow(2);
        QCOMPARE(planner.dialogs.errors.last(), QString("receiver failed"));
        // The about dialog: a message box that cannot be shown.
        struct RefusingMessages : ScriptedDialogs
        {
            void showMessage(QWidget*, const QString&) override { throw std::bad_alloc(); }
        };
        {
            RefusingMessages refusing;
            QTest::mouseDClick(child<QLabel>(planner.about, "bigicon"), Qt::LeftButton);
            QCOMPARE(refusing.errors, QStringList {"メモリが足りません"});
        }
        Dialogs::install(&planner.dialogs);
        QCOMPARE(planner.dialogs.errors.size(), 2);
    }

    void doubleClickingTheBigIconShowsAMessage()
    {
        PlannerWindows planner;
        QTest::mouseDClick(child<QLabel>(planner.about, "bigicon"), Qt::LeftButton);
        QCOMPARE(planner.dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(ToolsMenuTest)
#include "ToolsMenuTest.moc"
