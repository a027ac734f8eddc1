// No work lost: the save question before a machine goes, a dropped file, separate windows
// with separate histories, and the machines a killed program leaves behind.
#include "TestPaths.h"
#include "mainwindow/MachineEditor.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Planner.h"
#include "startup/RecentFiles.h"
#include "support/Bytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"
#include "support/WindowLookup.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QUrl>

#include <csignal>

using namespace rivet::test;

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

QAction* action(MainWindow& window, const char* name)
{
    return child<QAction>(&window, name);
}

// The player types into the machine's name: the machine is unsaved.
void typeName(MainWindow& window, const QString& text)
{
    QTest::keyClicks(child<QLineEdit>(&window, "acname"), text);
}

} // namespace

class NoWorkLostTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closingAsksAndCancelKeepsEverything()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        QVERIFY2(form->close(), "a machine as a fresh start shows it goes without a question");
        QVERIFY(dialogs.saveQuestions.isEmpty());

        form = startMainWindow();
        typeName(*form, "X");
        dialogs.saveAnswers << "キャンセル";
        QVERIFY(!form->close());
        QCOMPARE(dialogs.saveQuestions, QStringList {"「へっぽこ１号X」への変更を保存しますか？"});
        QVERIFY(form->isVisible());
        QCOMPARE(child<QLineEdit>(form.get(), "acname")->text(), QString("へっぽこ１号X"));
        QVERIFY(action(*form, "acSave")->isEnabled());

        // Taken back to the start by undo, the machine needs no saving again.
        action(*form, "acUndo")->trigger();
        QVERIFY(form->close());
        QCOMPARE(dialogs.saveQuestions.size(), 1);
    }

    void saveThenClose()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        typeName(*form, "Y");
        // A cancelled save dialog cancels the close.
        dialogs.saveAnswers << "保存"
                            << "保存";
        dialogs.fileNames << "" << qs(home.garageDir() + "kept");
        QVERIFY(!form->close());
        QVERIFY(form->close());
        const std::string saved = readBytes(home.garageDir() + "kept.asm");
        QVERIFY(saved.find(sjisBytes("ACname=へっぽこ１号Y")) != std::string::npos);
        QCOMPARE(dialogs.saveQuestions.size(), 2);
    }

    void openingAnotherFileAsksFirst()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        const std::string other = home.garageDir() + "other.asm";
        writeBytes(other, sjisFile({"[asm]", "ACname=別の機体"}));
        typeName(*form, "Z");
        dialogs.saveAnswers << "キャンセル";
        action(*form, "acOpenfile")->trigger();
        QVERIFY2(dialogs.fileRequests.isEmpty(), "cancelled before the open dialog");
        QCOMPARE(child<QLineEdit>(form.get(), "acname")->text(), QString("へっぽこ１号Z"));

        dialogs.saveAnswers << "保存しない";
        dialogs.fileNames << qs(other);
        action(*form, "acOpenfile")->trigger();
        QCOMPARE(child<QLineEdit>(form.get(), "acname")->text(), QString("別の機体"));
        QVERIFY2(!action(*form, "acUndo")->isEnabled(), "an open starts a fresh history");
        QCOMPARE(form->planner().recentFiles().files().front(), other);

        // A recent file that has gone leaves the list, with a word why.
        QFile::remove(qs(other));
        auto* recent = child<QMenu>(form.get(), "mnRecent");
        Q_EMIT recent->aboutToShow();
        recent->actions().first()->trigger();
        QCOMPARE(dialogs.messages, QStringList {qs(other) + " が見つからないため、一覧から外しました。"});
        QVERIFY(form->planner().recentFiles().files().empty());
    }

    void aDroppedFileOpensAndIsNoText()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        const std::string dropped = home.garageDir() + "dropped.asm";
        writeBytes(dropped, sjisFile({"[asm]", "ACname=落とした機体"}));
        QLineEdit* name = child<QLineEdit>(form.get(), "acname");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(qs(dropped))});
        const QPoint at = name->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(name, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(name, &drop);
        QCOMPARE(name->text(), QString("落とした機体"));
        QCOMPARE(form->windowTitle(), qs(dropped));
    }

    void twoWindowsKeepTheirOwnMachinesAndHistories()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto first = startMainWindow();
        MainWindow* second = first->planner().openWindow();
        QVERIFY(second != first.get());
        QCOMPARE(first->planner().mainWindows().size(), 2);
        chooseItem(child<QComboBox>(first.get(), "cb4"), 6);
        typeName(*second, "2");
        QCOMPARE(action(*first, "acUndo")->text(), "元に戻す: 脚 " + child<QComboBox>(first.get(), "cb4")->itemText(6));
        QCOMPARE(action(*second, "acUndo")->text(), QString("元に戻す: 機体名"));

        action(*second, "acUndo")->trigger();
        QCOMPARE(child<QLineEdit>(second, "acname")->text(), QString("へっぽこ１号"));
        QCOMPARE(child<QComboBox>(first.get(), "cb4")->currentIndex(), 6); // the other window keeps its machine
        QVERIFY(!action(*second, "acUndo")->isEnabled());
        QVERIFY(action(*second, "acRedo")->isEnabled());

        // 終了 closes every window, each asking; a cancel keeps the rest open.
        dialogs.saveAnswers << "キャンセル";
        action(*second, "acCloseform")->trigger();
        QCOMPARE(dialogs.saveQuestions.size(), 1);
        QVERIFY(first->isVisible());
        dialogs.saveAnswers << "保存しない";
        action(*first, "acCloseform")->trigger();
        QVERIFY(!first->isVisible());
        QTRY_VERIFY(first->planner().mainWindows().isEmpty());
    }

    // The real thing: a planner killed with SIGKILL, then started again.
    void aKilledPlannersMachineComesBack()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        startMainWindow().reset(); // the first start writes the default files
        const QString expected = qs(home.path() + "expected.asm");
        QProcess victim;
        victim.start(RIVET_BIN_DIR "recovery_victim", {expected});
        QVERIFY(victim.waitForStarted());
        QVERIFY(victim.waitForReadyRead(20000));
        QCOMPARE(victim.readAll().trimmed(), QByteArray("ready"));
        ::kill(static_cast<pid_t>(victim.processId()), SIGKILL);
        QVERIFY(victim.waitForFinished());

        dialogs.answers << "はい(&Y)";
        auto form = startMainWindow();
        QTRY_COMPARE(child<QLineEdit>(form.get(), "acname")->text(), QString("落ちる前の機体"));
        QCOMPARE(dialogs.questions, QStringList {"前回保存されなかった機体があります。復元しますか？"});
        QVERIFY(documentOf(*form).unsaved());
        QVERIFY(action(*form, "acSave")->isEnabled());
        dialogs.fileNames << qs(home.path() + "restored.asm");
        action(*form, "acSave")->trigger();
        QCOMPARE(readBytes(home.path() + "restored.asm"), readBytes(expected.toStdString()));

        // Taken once: the next start finds nothing to offer.
        form.reset();
        form = startMainWindow();
        QCoreApplication::processEvents();
        QCOMPARE(dialogs.questions.size(), 1);
    }
};

QTEST_MAIN(NoWorkLostTest)
#include "NoWorkLostTest.moc"
