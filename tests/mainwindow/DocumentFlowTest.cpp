// Opening, saving, exporting, copying and printing through the main window's actions, with
// the dialogs answered by the test.
#include "mainwindow/MainWindow.h"
#include "support/Bytes.h"
#include "support/FakeDesktop.h"
#include "support/FaultyFiles.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"
#include "support/WindowLookup.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace rivet::test;

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

class DocumentFlowTest : public QObject
{
    Q_OBJECT

private:
    QAction* action(MainWindow& form, const char* name) { return child<QAction>(&form, name); }

private Q_SLOTS:
    void theTypicalRoad()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        // Pick legs: the rules reset the KARASAWA rifle.
        QComboBox* armWeapon = child<QComboBox>(form.get(), "cb8");
        chooseItem(armWeapon, armWeapon->findText("WG-1-KARASAWA"));
        QComboBox* legs = child<QComboBox>(form.get(), "cb4");
        chooseItem(legs, legs->findText("LF-205-SF"));
        QCOMPARE(armWeapon->currentIndex(), 0);
        QVERIFY(action(*form, "acSave")->isEnabled());

        // Save without a name: the dialog asks, the name with ".asm" becomes the caption.
        dialogs.fileNames << qs(home.garageDir() + "first");
        action(*form, "acSave")->trigger();
        QCOMPARE(dialogs.fileRequests.size(), 1);
        const FileRequest request = dialogs.fileRequests.first();
        QVERIFY(request.save);
        QCOMPARE(request.title, QString("名前をつけて保存"));
        QCOMPARE(request.filter, QString("アセンブリデータ|*.asm"));
        QCOMPARE(request.defaultSuffix, QString("asm"));
        QCOMPARE(request.proposedName, QString("none"));
        QCOMPARE(request.folder, qs(home.garageDir()));
        QCOMPARE(form->windowTitle(), qs(home.garageDir() + "first.asm"));
        QVERIFY(QFileInfo::exists(qs(home.garageDir() + "first.asm")));
        QVERIFY(!action(*form, "acSave")->isEnabled());

        // HTML export: asked again, written beside the chosen name.
        dialogs.fileNames << qs(home.garageDir() + "report.htm");
        action(*form, "acHtmloutput")->trigger();
        QCOMPARE(dialogs.fileRequests.last().filter, QString("テンプレート(html形式)|*.htm"));
        QCOMPARE(dialogs.fileRequests.last().proposedName, QString("first"));
        const std::string html = readBytes(home.garageDir() + "report.htm");
        QVERIFY(html.find(sjisBytes("<td>LF-205-SF</td>")) != std::string::npos);
        QVERIFY(html.find("ZubRIVET ver 1.36") != std::string::npos);
        QCOMPARE(documentOf(*form).currentFile(), home.garageDir() + "report.asm");

        // The overwrite save now writes that ".asm" without asking.
        const qsizetype asked = dialogs.fileRequests.size();
        form->editor().save();
        QCOMPARE(dialogs.fileRequests.size(), asked);
        QVERIFY(QFileInfo::exists(qs(home.garageDir() + "report.asm")));
        QVERIFY(dialogs.errors.isEmpty());
    }

    void openingAFileShowsItAndCountsAsSaved()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        const std::string path = home.garageDir() + "mine.asm";
        writeBytes(path,
                   sjisFile({"[asm]", "ACname=テスト機", "leg=1", "bwpl=0", "opt2=1", "[logic]", "1=5", "7=-30",
                             "[color]", "HEAD=HEAD,162012,162012,182412,121812", "[acmemo]", "0=一行目", "2=三行目"}));
        dialogs.fileNames << qs(path);
        action(*form, "acOpenfile")->trigger();
        QCOMPARE(dialogs.fileRequests.first().proposedName, QString("none.asm"));
        QVERIFY(!dialogs.fileRequests.first().save);
        QCOMPARE(form->windowTitle(), qs(path));
        QVERIFY(!action(*form, "acSave")->isEnabled());
        QCOMPARE(child<QLineEdit>(form.get(), "acname")->text(), QString("テスト機"));
        QCOMPARE(labelText(form.get(), "ed1"), QString("8431"));
        QCOMPARE(child<QLineEdit>(form.get(), "edL1")->text(), QString("3"));
        QCOMPARE(child<QLineEdit>(form.get(), "edL7")->text(), QString("S30"));
        QCOMPARE(child<QLineEdit>(form.get(), "edRed")->text(), QString("16"));
        QCOMPARE(documentOf(*form).machine().description, std::string("一行目\n三行目"));

        // Editing the pilot forgets the file name; the next overwrite save asks again.
        QTest::keyClicks(child<QLineEdit>(form.get(), "pname"), "x");
        QVERIFY(action(*form, "acSave")->isEnabled());
        action(*form, "acSave")->trigger();
        QCOMPARE(dialogs.fileRequests.size(), 2); // cancelled: no names left
        QCOMPARE(form->windowTitle(), qs(path));
    }

    void reChoosingTheShownItemChangesNothing()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        // A two-slot weapon on both sides: loading leaves the pair in place.
        QComboBox* right = child<QComboBox>(form.get(), "cb10");
        QComboBox* left = child<QComboBox>(form.get(), "cb11");
        const int twoSlot = right->findText("WX-S800-GF");
        const std::string path = home.garageDir() + "pair.asm";
        writeBytes(path, sjisFile({"[asm]", "bwpr=" + std::to_string(twoSlot), "bwpl=" + std::to_string(twoSlot)}));
        dialogs.fileNames << qs(path);
        action(*form, "acOpenfile")->trigger();
        QCOMPARE(left->currentIndex(), twoSlot);
        QVERIFY(!action(*form, "acSave")->isEnabled());

        QComboBox* head = child<QComboBox>(form.get(), "cb1");
        chooseItem(head, head->currentIndex());
        QVERIFY(!action(*form, "acSave")->isEnabled());
        chooseItem(right, twoSlot);
        QCOMPARE(left->currentIndex(), twoSlot);
        QVERIFY(!action(*form, "acSave")->isEnabled());
        QCOMPARE(documentOf(*form).currentFile(), path);
    }

    void commandLineOpensAnExistingFileAndIgnoresAMissingOne()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        QDir().mkpath(qs(home.garageDir()));
        const std::string path = home.garageDir() + "cmd.asm";
        writeBytes(path, sjisFile({"[asm]", "Pilotname=コマンド"}));
        {
            auto form = startMainWindow({qs(path), "ignored"});
            QCOMPARE(form->windowTitle(), qs(path));
            QCOMPARE(child<QLineEdit>(form.get(), "pname")->text(), QString("コマンド"));
            QVERIFY(action(*form, "acSave")->isEnabled());
        }
        auto form = startMainWindow({qs(home.garageDir() + "missing.asm")});
        QCOMPARE(form->windowTitle(), QString("Kosmoアセンブルツール "));
        QCOMPARE(child<QLineEdit>(form.get(), "pname")->text(), QString("へっぽこレイブン"));
        QVERIFY(dialogs.errors.isEmpty());
    }

    void missingTemplateNamesItsPathAndKeepsTheNewName()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        child<QAction>(form.get(), "N10")->trigger(); // HTML template 2
        QVERIFY(child<QAction>(form.get(), "N10")->isChecked());
        QVERIFY(!child<QAction>(form.get(), "N9")->isChecked());
        QVERIFY(child<QAction>(form.get(), "MenuItem1")->isChecked()); // the text menu keeps its own
        dialogs.fileNames << qs(home.garageDir() + "out");
        action(*form, "acHtmloutput")->trigger();
        QCOMPARE(dialogs.messages, QStringList {"テンプレート" + qs(home.dataDir()) + "template2.htmはありません。"});
        QCOMPARE(form->windowTitle(), qs(home.garageDir() + "out.asm"));
        QVERIFY(!QFileInfo::exists(qs(home.garageDir() + "out.htm")));
    }

    void clipboardAlwaysTakesTextTemplateOne()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        FakeDesktop desktop;
        auto form = startMainWindow();
        child<QAction>(form.get(), "MenuItem3")->trigger();
        child<QAction>(form.get(), "N8")->trigger();
        QVERIFY(desktop.clipboard.startsWith("パイロット名：へっぽこレイブン"));
        QVERIFY(desktop.clipboard.endsWith("デフォルト？\r\n"));
        QCOMPARE(dialogs.messages, QStringList {"クリップボードへコピーしました。"});

        desktop.clipboardWorks = false;
        child<QAction>(form.get(), "N8")->trigger();
        QCOMPARE(dialogs.errors, QStringList {"クリップボードを開くことができません"});
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void aDamagedColorStopsTheExportWithNoOutput()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        setRegionRow(*form, 2, "CORE,3z3628,162012,182412,121812");
        dialogs.fileNames << qs(home.garageDir() + "bad");
        action(*form, "acTextoutput")->trigger();
        QCOMPARE(dialogs.errors, QStringList {"'3z' は整数ではありません"});
        QVERIFY(!QFileInfo::exists(qs(home.garageDir() + "bad.txt")));
    }

    void aSaveThatCannotBeWrittenLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a full disk") << int(FaultyFiles::Step::Write) << ENOSPC << "ディスクに空きがありません (28)";
        QTest::newRow("a read-only folder")
            << int(FaultyFiles::Step::Open) << EACCES << "アクセスが拒否されました (13)";
        QTest::newRow("a failing disk") << int(FaultyFiles::Step::Sync) << EIO << "装置の入出力エラーです (5)";
    }

    void aSaveThatCannotBeWrittenLeavesTheOldFile()
    {
        QFETCH(int, step);
        QFETCH(int, error);
        QFETCH(QString, reason);
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        dialogs.fileNames << qs(home.garageDir() + "keep.asm");
        action(*form, "acSaveas")->trigger();
        const std::string before = readBytes(home.garageDir() + "keep.asm");
        QTest::keyClicks(child<QLineEdit>(form.get(), "acname"), "new");
        documentOf(*form).setFileName(home.garageDir() + "keep.asm");
        {
            FaultyFiles faulty(static_cast<FaultyFiles::Step>(step), error, home.garageDir() + ".rivet-");
            action(*form, "acSave")->trigger();
        }
        QCOMPARE(dialogs.errors, QStringList {qs(home.garageDir() + "keep.asm に書き込めません\n") + reason});
        QCOMPARE(readBytes(home.garageDir() + "keep.asm"), before);
        QVERIFY(action(*form, "acSave")->isEnabled());
        QVERIFY(leftoverTemporaries(home.garageDir()).empty());
    }

    void unwritableTargetIsReportedForAnyUser()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        dialogs.fileNames << qs(home.path() + "no-such-folder/m.asm");
        action(*form, "acSaveas")->trigger();
        QCOMPARE(dialogs.errors,
                 QStringList {qs(home.path() + "no-such-folder/m.asm に書き込めません\nフォルダがありません (2)")});
        QVERIFY(action(*form, "acSave")->isEnabled());
    }

    void printingAsksAndNeedsADefaultPrinter()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        FakeDesktop desktop;
        auto form = startMainWindow();
        action(*form, "acPrintform")->trigger();
        QCOMPARE(dialogs.printQuestions, 1);
        QVERIFY(desktop.printed.isEmpty());
        dialogs.printAnswers << true;
        action(*form, "acPrintform")->trigger();
        QCOMPARE(desktop.printed.size(), 1);
        QCOMPARE(desktop.printed.first().width(), form->width());
        desktop.hasPrinter = false;
        dialogs.printAnswers << true;
        action(*form, "acPrintform")->trigger();
        QCOMPARE(dialogs.errors, QStringList {"デフォルト プリンタが存在しません"});
        // A printer that takes no page is reported, not passed over.
        desktop.hasPrinter = true;
        desktop.printerWorks = false;
        dialogs.printAnswers << true;
        action(*form, "acPrintform")->trigger();
        QCOMPARE(dialogs.errors.size(), 2);
        QCOMPARE(dialogs.errors.last(), QString("印刷できませんでした"));
    }
};

QTEST_MAIN(DocumentFlowTest)
#include "DocumentFlowTest.moc"
