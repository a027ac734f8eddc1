// Bad input through the window: every row of the catalogue's failure table at start, broken
// and oversized files opened, broken templates exported, unwritable save targets. The error
// box says what went wrong, the window stays usable (or, without a catalogue, refuses work),
// and files already saved are left as they were.
#include "mainwindow/MainWindow.h"
#include "robustness/BadInput.h"
#include "support/Bytes.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowLookup.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

using namespace rivet::test;
namespace fs = std::filesystem;

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// The window works: a small file opens and shows its machine name and figures.
void checkStillWorks(MainWindow& form, const TempHome& home, ScriptedDialogs& dialogs)
{
    const std::string path = home.garageDir() + "good.asm";
    writeBytes(path, sjisFile({"[asm]", "ACname=まだ動く", "leg=1", "bwpl=0"}));
    const int errors = static_cast<int>(dialogs.errors.size());
    dialogs.fileNames << qs(path);
    child<QAction>(&form, "acOpenfile")->trigger();
    QCOMPARE(static_cast<int>(dialogs.errors.size()), errors);
    QCOMPARE(child<QLineEdit>(&form, "acname")->text(), QString("まだ動く"));
    QCOMPARE(labelText(&form, "ed1"), QString("8431"));
    QCOMPARE(form.windowTitle(), qs(path));
}

} // namespace

class BadInputWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogueFailureTable_data()
    {
        QTest::addColumn<int>("row");
        const auto& rows = brokenCatalogues();
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            QTest::newRow(rows[static_cast<std::size_t>(i)].name.c_str()) << i;
        }
    }

    void catalogueFailureTable()
    {
        QFETCH(int, row);
        const BrokenCatalogue& broken = brokenCatalogues()[static_cast<std::size_t>(row)];
        TempHome home;
        ScriptedDialogs dialogs;
        startMainWindow().reset(); // the first start writes the default files
        writeBytes(home.garageDir() + "saved.asm", sjisFile({"[asm]", "ACname=保存済み"}));
        broken.breakIt(home);
        const std::string before = contentOf(home.path() + broken.broken);
        {
            auto form = startMainWindow({qs(home.garageDir() + "saved.asm")});
            QCOMPARE(dialogs.errors, QStringList {qs(broken.message(home))});
            QVERIFY(!form->catalogueReady());
            QVERIFY(form->isVisible());
            QVERIFY(!child<QTabWidget>(form.get(), "PageControl1")->isEnabled());
            for (const char* refused : {"acOpenfile", "acSave", "acSaveas", "acTextoutput", "acHtmloutput"}) {
                QVERIFY2(!child<QAction>(form.get(), refused)->isEnabled(), refused);
            }
            QVERIFY(child<QAction>(form.get(), "acCloseform")->isEnabled());
            QVERIFY(form->close());
        }
        QCOMPARE(contentOf(home.path() + broken.broken), before);
        QCOMPARE(readBytes(home.garageDir() + "saved.asm"), sjisFile({"[asm]", "ACname=保存済み"}));

        repair(home, broken);
        dialogs.errors.clear();
        auto form = startMainWindow();
        QVERIFY(form->catalogueReady());
        QVERIFY(dialogs.errors.isEmpty());
        checkStillWorks(*form, home, dialogs);
    }

    void brokenAssembliesAreNamedAndTheWindowGoesOn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // "" when the file opens with defaults
        QTest::newRow("random bytes") << QByteArray::fromStdString(randomBytes(3, 2000)) << QString();
        QTest::newRow("random text") << QByteArray::fromStdString(randomBytes(4, 2000, true)) << QString();
        QTest::newRow("not Shift-JIS") << QByteArray("[asm]\r\nPilotname=\x82\r\n")
                                       << QString(" は Shift-JIS のテキストとして読めません ([asm] Pilotname)");
        QTest::newRow("positions out of range")
            << QByteArray("[asm]\r\nhead=-7\r\ncore=0x7FFFFFFF\r\nbwpl=100000\r\n") << QString();
    }

    void brokenAssembliesAreNamedAndTheWindowGoesOn()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        const std::string path = home.garageDir() + "broken.asm";
        writeBytes(path, bytes.toStdString());
        dialogs.fileNames << qs(path);
        child<QAction>(form.get(), "acOpenfile")->trigger();
        if (message.isEmpty()) {
            QVERIFY2(dialogs.errors.isEmpty(), qPrintable(dialogs.errors.join("\n")));
            QCOMPARE(form->windowTitle(), qs(path));
        } else {
            QCOMPARE(dialogs.errors, QStringList {"ファイル " + qs(path) + message});
        }
        QCOMPARE(readBytes(path), bytes.toStdString());
        checkStillWorks(*form, home, dialogs);
    }

    void oversizedAndUnreadableFilesAreRefusedByName()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        writeOversizedFile(home.garageDir() + "big.asm");
        dialogs.fileNames << qs(home.garageDir() + "big.asm");
        child<QAction>(form.get(), "acOpenfile")->trigger();
        QCOMPARE(dialogs.errors.size(), 1);
        QCOMPARE(dialogs.errors.last(), "ファイル " + qs(home.garageDir()) + "big.asm は大きすぎます (16 MiB まで)");

        QVERIFY(::mkfifo((home.garageDir() + "pipe.asm").c_str(), 0600) == 0);
        dialogs.fileNames << qs(home.garageDir() + "pipe.asm");
        child<QAction>(form.get(), "acOpenfile")->trigger();
        QCOMPARE(dialogs.errors.size(), 2);
        QCOMPARE(dialogs.errors.last(), qs(home.garageDir()) + "pipe.asm は通常のファイルではありません");

        writeOversizedFile(home.dataDir() + "template2.htm");
        child<QAction>(form.get(), "N10")->trigger();
        dialogs.fileNames << qs(home.garageDir() + "report");
        child<QAction>(form.get(), "acHtmloutput")->trigger();
        QCOMPARE(dialogs.errors.size(), 3);
        QCOMPARE(dialogs.errors.last(),
                 "ファイル " + qs(home.dataDir()) + "template2.htm は大きすぎます (16 MiB まで)");
        QVERIFY(!fs::exists(home.garageDir() + "report.htm"));
        checkStillWorks(*form, home, dialogs);
    }

    void brokenTemplatesWriteNothingOverTheLastReport()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        writeBytes(home.garageDir() + "report.txt", "the last good report");
        child<QAction>(form.get(), "MenuItem2")->trigger();
        for (unsigned seed = 1; seed <= 5; ++seed) {
            writeBytes(home.dataDir() + "template2.txt", randomBytes(seed, 3000));
            dialogs.fileNames << qs(home.garageDir() + "report");
            child<QAction>(form.get(), "acTextoutput")->trigger();
            QVERIFY(!dialogs.errors.isEmpty());
            QVERIFY2(dialogs.errors.last().contains(qs(home.dataDir() + "template2.txt")),
                     qPrintable(dialogs.errors.last()));
            QCOMPARE(readBytes(home.garageDir() + "report.txt"), std::string("the last good report"));
        }
        QVERIFY(leftoverTemporaries(home.garageDir()).empty());
        checkStillWorks(*form, home, dialogs);
    }

    void placeholdersInsideNamesStopAtTheSizeLimit()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        std::string machine;
        std::string pilot;
        for (int i = 0; i < 290; ++i) {
            machine += "#plname";
            pilot += "#emblem";
        }
        // As typed into the fields (the fields hand every edit to the assembly).
        documentOf(*form).setText(rivet::TextField::MachineName, machine);
        documentOf(*form).setText(rivet::TextField::PilotName, pilot);
        documentOf(*form).setText(rivet::TextField::Emblem, std::string(2000, 'e'));
        dialogs.fileNames << qs(home.garageDir() + "bomb");
        child<QAction>(form.get(), "acHtmloutput")->trigger();
        QCOMPARE(dialogs.errors, QStringList {"レポートが大きすぎます (16 MiB まで)"});
        QVERIFY(!fs::exists(home.garageDir() + "bomb.htm"));
        checkStillWorks(*form, home, dialogs);
    }

    void unwritableSaveTargetsLeaveTheFolderAsItWas()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        fs::create_directory(home.garageDir() + "folder.asm");
        dialogs.fileNames << qs(home.garageDir() + "folder.asm");
        child<QAction>(form.get(), "acSaveas")->trigger();
        QCOMPARE(dialogs.errors,
                 QStringList {qs(home.garageDir() + "folder.asm に書き込めません\n通常のファイルではありません")});
        QVERIFY(fs::is_directory(home.garageDir() + "folder.asm"));
        QVERIFY(fs::is_empty(home.garageDir() + "folder.asm"));
        QVERIFY(child<QAction>(form.get(), "acSave")->isEnabled());
        QVERIFY(leftoverTemporaries(home.garageDir()).empty());

        // An existing file too large to keep its own sections is not overwritten.
        writeOversizedFile(home.garageDir() + "big.asm");
        const std::string before = readBytes(home.garageDir() + "big.asm");
        dialogs.fileNames << qs(home.garageDir() + "big.asm");
        child<QAction>(form.get(), "acSaveas")->trigger();
        QCOMPARE(dialogs.errors.size(), 2);
        QCOMPARE(dialogs.errors.last(),
                 qs(home.garageDir() + "big.asm に書き込めません\nファイル " + home.garageDir()
                    + "big.asm は大きすぎます (16 MiB まで)"));
        QVERIFY(readBytes(home.garageDir() + "big.asm") == before);
        checkStillWorks(*form, home, dialogs);
    }
};

QTEST_MAIN(BadInputWindowTest)
#include "BadInputWindowTest.moc"
