// Sharing a machine through the main window: the code on the clipboard, the card saved and
// dropped, reports pasted, and where a machine taken in goes.
#include "mainwindow/MainWindow.h"
#include "mainwindow/Planner.h"
#include "sharing/MachineCode.h"
#include "sharing/PngText.h"
#include "sharing/TakeIn.h"
#include "support/Bytes.h"
#include "support/FakeDesktop.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"
#include "support/WindowLookup.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

using namespace rivet::test;

namespace {

// A machine of the player's own in the window: named, other legs, an option, a colour.
void buildMachine(MainWindow& form)
{
    rivet::MachineDocument& document = documentOf(form);
    document.setText(rivet::TextField::MachineName, "白い鳥");
    chooseItem(child<QComboBox>(&form, "cb4"), child<QComboBox>(&form, "cb4")->findText("LN-SSVR"));
    document.tickOption(11, true);
    document.setChannelSlider(rivet::Channel::Red, 5);
    document.setPilotSetting(7, -30);
}

// The code of the window's machine under another name.
QString codeOfRenamed(MainWindow& form, const std::string& name)
{
    rivet::Machine shared = documentOf(form).machine();
    shared.machineName = name;
    return QString::fromStdString(rivet::machineCode(shared, documentOf(form).table()));
}

void drop(QWidget* target, const QString& path)
{
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent event(QPointF(100, 100), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    delete data;
}

} // namespace

class SharingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aCopiedCodeOpensInAFreshWindow()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        FakeDesktop desktop;
        auto first = startMainWindow();
        buildMachine(*first);
        child<QAction>(first.get(), "acCopyMachineCode")->trigger();
        QVERIFY(rivet::looksLikeMachineCode(desktop.clipboard.toStdString()));
        QVERIFY(first->statusBar()->currentMessage().startsWith("機体コードをクリップボードへコピーしました"));

        auto second = startMainWindow();
        child<QAction>(second.get(), "acPasteMachine")->trigger();
        QVERIFY(dialogs.errors.isEmpty());
        QVERIFY2(dialogs.questions.isEmpty(), "a fresh window takes it in without asking");
        QCOMPARE(documentOf(*second).machine(), documentOf(*first).machine());
        QVERIFY(!documentOf(*second).hasFile());
        QVERIFY(documentOf(*second).unsaved());
        QVERIFY(child<QAction>(second.get(), "acSave")->isEnabled());
        QCOMPARE(second->statusBar()->currentMessage(), QString("機体コードから取り込みました"));
    }

    void ctrlVTakesInUnlessATextFieldHasTheFocus()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        FakeDesktop desktop;
        auto form = startMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        desktop.clipboard = codeOfRenamed(*form, "貼られた機体");

        auto* name = child<QLineEdit>(form.get(), "acname");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(documentOf(*form).machine().machineName, std::string("へっぽこ１号"));

        QComboBox* legs = child<QComboBox>(form.get(), "cb4");
        legs->setFocus();
        QTest::keyClick(legs, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(documentOf(*form).machine().machineName, std::string("貼られた機体"));
    }

    void anUnsavedMachineStaysAndTheOneTakenInGetsAWindowOfItsOwn()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        FakeDesktop desktop;
        auto form = startMainWindow();
        desktop.clipboard = codeOfRenamed(*form, "取り込む機体");
        documentOf(*form).setText(rivet::TextField::PilotName, "編集中");

        child<QAction>(form.get(), "acPasteMachine")->trigger();
        QVERIFY(dialogs.questions.isEmpty() && dialogs.saveQuestions.isEmpty());
        QCOMPARE(documentOf(*form).machine().pilotName, std::string("編集中"));
        QCOMPARE(form->planner().mainWindows().size(), 2);
        MainWindow* taken = form->planner().activeWindow();
        QVERIFY(taken != form.get());
        QCOMPARE(documentOf(*taken).machine().machineName, std::string("取り込む機体"));
        delete taken;
    }

    void aSavedCardCarriesTheMachineWhenDroppedOrOpened()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        FakeDesktop desktop;
        auto first = startMainWindow();
        buildMachine(*first);
        const QString card = QString::fromStdString(home.garageDir() + "card.png");
        dialogs.fileNames << card;
        child<QAction>(first.get(), "acSaveMachineCard")->trigger();
        QVERIFY(dialogs.errors.isEmpty());
        QCOMPARE(dialogs.fileRequests.last().proposedName, QString("白い鳥.png"));
        QVERIFY2(!documentOf(*first).hasFile(), "a card does not name the document");
        const std::string bytes = readBytes(card.toStdString());
        QCOMPARE(rivet::png::text(bytes, rivet::kCardCodeKeyword).value_or(""),
                 rivet::machineCode(documentOf(*first).machine(), documentOf(*first).table()));
        const QImage image(card);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() > 300 && image.height() > 300);

        auto dropped = startMainWindow();
        drop(dropped.get(), card);
        QCOMPARE(documentOf(*dropped).machine(), documentOf(*first).machine());

        auto opened = startMainWindow();
        dialogs.fileNames << card;
        child<QAction>(opened.get(), "acOpenfile")->trigger();
        QCOMPARE(documentOf(*opened).machine(), documentOf(*first).machine());
        QVERIFY(!documentOf(*opened).hasFile());
        QVERIFY(dialogs.errors.isEmpty());
    }

    void aCopiedReportComesBackAndNonsenseIsRefused()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        FakeDesktop desktop;
        auto first = startMainWindow();
        buildMachine(*first);
        child<QAction>(first.get(), "N8")->trigger();

        auto second = startMainWindow();
        child<QAction>(second.get(), "acPasteMachine")->trigger();
        const rivet::Machine& back = documentOf(*second).machine();
        QCOMPARE(back.machineName, std::string("白い鳥"));
        QCOMPARE(back.selection, documentOf(*first).machine().selection);
        QCOMPARE(back.colors, documentOf(*first).machine().colors);
        QVERIFY(second->statusBar()->currentMessage().contains("テンプレート1"));

        desktop.clipboard = "こんにちは";
        child<QAction>(second.get(), "acPasteMachine")->trigger();
        QCOMPARE(dialogs.errors.size(), 1);
        QVERIFY(dialogs.errors.first().contains("レポートでもありません"));
        QCOMPARE(documentOf(*second).machine().machineName, std::string("白い鳥"));
    }
};

QTEST_MAIN(SharingTest)
#include "SharingTest.moc"
