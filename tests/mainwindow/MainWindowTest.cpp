// Start-up, settings and the evaluation in the main window.
#include "mainwindow/MainWindow.h"
#include "common/ShiftJis.h"
#include "support/Bytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"
#include "support/WindowLookup.h"
#include "widgets/Fonts.h"
#include "windows/AuxiliaryWindows.h"
#include "windows/DamageCalculatorWindow.h"
#include "windows/PartsListWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <memory>

using namespace rivet::test;

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    QComboBox* selector(MainWindow& form, int n)
    {
        return child<QComboBox>(&form, QString("cb%1").arg(n).toUtf8().constData());
    }

private Q_SLOTS:
    // A desktop theme that gives the application and each kind of control its own large font
    // (as qt6ct does) leaves the fixed layout with the tool's font.
    void theFixedLayoutKeepsTheToolsFontWhateverTheDesktopSets()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        const QFont original = QApplication::font();
        QFont large("DejaVu Sans");
        large.setPixelSize(19);
        large.setBold(true);
        const char* const classes[] = {"QLabel", "QPushButton", "QCheckBox", "QComboBox", "QLineEdit", "QTabBar"};
        QApplication::setFont(large);
        for (const char* name : classes) {
            QApplication::setFont(large, name);
        }
        auto form = startMainWindow();
        for (const char* name : classes) {
            QApplication::setFont(original, name);
        }
        QApplication::setFont(original);
        const QList<QWidget*> controls = form->findChildren<QWidget*>();
        QVERIFY(controls.size() > 100);
        for (QWidget* control : controls) {
            if (control->window() != form.get()) {
                continue; // menus are windows of their own and keep the desktop's font
            }
            const QFont font = control->font();
            QVERIFY2(font.pixelSize() != large.pixelSize() && font.family() != large.family(),
                     qPrintable(control->metaObject()->className() + QString(" ") + control->objectName()));
        }
        for (const char* name : {"acname", "cb1", "bb01", "Chk1", "ed1"}) {
            const QFont font = child<QWidget>(form.get(), name)->font();
            QCOMPARE(font.family(), Fonts::toolFont().family());
            QCOMPARE(font.pixelSize(), Fonts::toolFont().pixelSize());
        }
        QCOMPARE(child<QTabWidget>(form.get(), "PageControl1")->tabBar()->font().pixelSize(),
                 Fonts::toolFont().pixelSize());
    }

    void firstStartWritesFilesAndShowsTheInitialMachine()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        QVERIFY(dialogs.errors.isEmpty());
        QVERIFY(QFileInfo(QString::fromStdString(home.garageDir())).isDir());
        QVERIFY(QFileInfo::exists(QString::fromStdString(home.dataDir() + "option.dat")));
        QVERIFY(QFileInfo::exists(QString::fromStdString(home.dataDir() + "template1.txt")));
        const QStringList expected {"HD-01-SRVT", "XCA-00",  "AN-101",  "LN-1001-PX-0", "GPS-VVA", "COMDEX-C7",
                                    "B-P320",     "WG-RF35", "LS-2001", "WM-S40/1",     "RXA-01WE"};
        for (int n = 1; n <= 11; ++n) {
            QCOMPARE(selector(*form, n)->currentText(), expected[n - 1]);
        }
        QCOMPARE(form->windowTitle(), QString("Kosmoアセンブルツール "));
        QCOMPARE(child<QTabWidget>(form.get(), "PageControl1")->currentIndex(), 0);
        QCOMPARE(child<QCheckBox>(form.get(), "Chk1")->text(), QString("SP-MAW"));
        QCOMPARE(child<QCheckBox>(form.get(), "chk13")->text(), QString("SP-ABS/Re"));
        QCOMPARE(child<QCheckBox>(form.get(), "chk4")->toolTip(), QString("被弾時の反動を軽減"));
        QCOMPARE(labelText(form.get(), "ed1"), QString("8231"));
        QCOMPARE(labelText(form.get(), "ed15"), QString("32.3"));
        QCOMPARE(labelText(form.get(), "lbS15"), QString("推力不足"));
        QCOMPARE(selector(*form, 1)->toolTip(), QString("生態センサー内蔵型の頭部パーツ"));
        QCOMPARE(selector(*form, 1)->maxVisibleItems(), 40);
        QCOMPARE(selector(*form, 11)->maxVisibleItems(), 20);
        QVERIFY(child<QAction>(form.get(), "acSave")->isEnabled());
        QCOMPARE(child<QLineEdit>(form.get(), "acname")->text(), QString("へっぽこ１号"));
        QCOMPARE(child<QPlainTextEdit>(form.get(), "acmemo")->toPlainText(), QString("初期機体？\nデフォルト？"));
    }

    void longListSettingSurvivesTwoStarts()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        {
            auto form = startMainWindow();
            QAction* longList = child<QAction>(form.get(), "mnLongList");
            QVERIFY(longList->isChecked());
            longList->trigger();
            QVERIFY(!longList->isChecked());
            QCOMPARE(selector(*form, 1)->maxVisibleItems(), 40); // the length changes at the next start
            form->close();
        }
        QCOMPARE(readBytes(home.settingsFile()), std::string("[common]\r\nlonglist=0\r\n"));
        {
            auto form = startMainWindow();
            QVERIFY(!child<QAction>(form.get(), "mnLongList")->isChecked());
            QCOMPARE(selector(*form, 1)->maxVisibleItems(), 5);
            QCOMPARE(selector(*form, 11)->maxVisibleItems(), 5);
        }
        for (const auto& [value, expected] : {std::pair {"0x0", false}, std::pair {"abc", true}}) {
            writeBytes(home.settingsFile(), std::string("[common]\r\nlonglist=") + value + "\r\n");
            auto form = startMainWindow();
            QCOMPARE(child<QAction>(form.get(), "mnLongList")->isChecked(), expected);
        }
    }

    void closingStillWorksWhenTheSettingsCannotBeWritten()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        QDir().mkpath(QString::fromStdString(home.settingsFile())); // a folder where the file goes
        QVERIFY(form->close());
        QCOMPARE(dialogs.errors,
                 QStringList {
                     QString::fromStdString(home.settingsFile() + " に書き込めません\n通常のファイルではありません")});
    }

    void catalogueFailureIsShownAndTheWindowRefusesToWork()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        QDir().mkpath(QString::fromStdString(home.dataDir()));
        writeBytes(home.dataDir() + "leg.dat", sjisFile({"#脚", "#columns", "\"LN-X\",1,2"}));
        auto form = startMainWindow();
        QCOMPARE(dialogs.errors,
                 QStringList {QString::fromStdString("リストのインデックスが範囲を超えています (3)\nファイル "
                                                     + home.dataDir() + "leg.dat の 3 行目")});
        QVERIFY(!form->catalogueReady());
        QVERIFY(!child<QTabWidget>(form.get(), "PageControl1")->isEnabled());
        QVERIFY(!child<QAction>(form.get(), "acSave")->isEnabled());
        QVERIFY(!child<QAction>(form.get(), "acOpenfile")->isEnabled());
        QCOMPARE(selector(*form, 3)->count(), 20); // slots before the failing one are filled
        QCOMPARE(selector(*form, 5)->count(), 0);
        QVERIFY(child<QAction>(form.get(), "acCloseform")->isEnabled());
        // The explanation stays whole, wrapped within the window, also when a menu item has
        // shown its hint in the status bar.
        auto* notice = form->findChild<QLabel*>("lbRefusal");
        QVERIFY(notice);
        form->statusBar()->showMessage("ファイルを開く");
        QVERIFY(notice->isVisible());
        QVERIFY(notice->text().endsWith("再起動してください。"));
        QVERIFY(notice->height() >= notice->heightForWidth(notice->width()));
        QVERIFY(form->rect().contains(QRect(notice->mapTo(form.get(), QPoint(0, 0)), notice->size())));
    }

    void pickingLegsRecomputesAndColorsTheBoostFigure()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        chooseItem(selector(*form, 11), 0);
        QComboBox* legs = selector(*form, 4);
        chooseItem(legs, legs->findText("LN-1001"));
        QCOMPARE(labelText(form.get(), "ed1"), QString("8431"));
        QCOMPARE(labelText(form.get(), "ed13"), QString("39.7"));
        QVERIFY(!isRed(form.get(), "ed13"));
        // The four-legged machine: HD-GRY-NX, B-PT000, no weapons.
        chooseItem(selector(*form, 1), selector(*form, 1)->findText("HD-GRY-NX"));
        chooseItem(selector(*form, 7), selector(*form, 7)->findText("B-PT000"));
        for (int weapon : {8, 9, 10}) {
            chooseItem(selector(*form, weapon), 0);
        }
        chooseItem(legs, legs->findText("LF-205-SF"));
        QCOMPARE(labelText(form.get(), "ed13"), QString("26"));
        QCOMPARE(labelText(form.get(), "ed14"), QString("68.5"));
        QVERIFY(isRed(form.get(), "ed14"));
        QVERIFY(isRed(form.get(), "ed13"));
        QCOMPARE(labelText(form.get(), "lbS13"), QString("MAX:63オーバー"));
        QCOMPARE(legs->toolTip(), QString("4足標準タイプ。最高クラスの機動力"));
        chooseItem(selector(*form, 7), selector(*form, 7)->findText("B-P320"));
        QVERIFY(!isRed(form.get(), "ed13")); // back to the normal colour on the next run
    }

    void aRuleResetsTheArmWeaponWithoutItsChangeEvent()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        QComboBox* armWeapon = selector(*form, 8);
        chooseItem(armWeapon, armWeapon->findText("WG-1-KARASAWA"));
        QCOMPARE(armWeapon->currentText(), QString("WG-1-KARASAWA"));
        QSignalSpy activated(armWeapon, &QComboBox::activated);
        QComboBox* legs = selector(*form, 4);
        chooseItem(legs, legs->findText("LN-SSVR"));
        QCOMPARE(armWeapon->currentIndex(), 0);
        QCOMPARE(activated.count(), 0);
        QCOMPARE(armWeapon->toolTip(), QString("no"));
    }

    void backWeaponsPairWhenThePlayerChangesThem()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        QComboBox* right = selector(*form, 10);
        QComboBox* left = selector(*form, 11);
        chooseItem(left, left->findText("WM-S40/1"));
        chooseItem(right, right->findText("WX-S800-GF"));
        QCOMPARE(left->currentIndex(), 0);
        chooseItem(left, left->findText("WM-S40/1"));
        QCOMPARE(right->currentIndex(), 0);
        chooseItem(left, left->findText("WX-S800/2"));
        // A pick in the parts list runs no pairing: a weapon on the right beside the
        // two-slot one; then choosing NO EQUIP on the right empties the left.
        Q_EMIT form->auxiliaryWindows().partsList()->partPicked(rivet::RightBackSelector, right->findText("WM-S40/1"));
        QCOMPARE(left->currentText(), QString("WX-S800/2"));
        chooseItem(right, 0);
        QCOMPARE(left->currentIndex(), 0);
    }

    void optionsTickedChangeTheFigures()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        QTest::mouseClick(child<QCheckBox>(form.get(), "chk4"), Qt::LeftButton);
        QCOMPARE(labelText(form.get(), "ed16"), QString("1704"));
        QCOMPARE(labelText(form.get(), "ed6"), QString("7/8"));
    }

    void namesAndDescriptionMarkTheAssemblyModified()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        const std::string saved = home.garageDir() + "x.asm";
        saveAs(*form, saved);
        QLineEdit* pilot = child<QLineEdit>(form.get(), "pname");
        QTest::keyClicks(pilot, "X");
        QVERIFY(child<QAction>(form.get(), "acSave")->isEnabled());
        QCOMPARE(documentOf(*form).currentFile(), std::string("none"));

        saveAs(*form, saved);
        QTest::keyClicks(child<QPlainTextEdit>(form.get(), "acmemo"), "!");
        QVERIFY(child<QAction>(form.get(), "acSave")->isEnabled());
        QCOMPARE(documentOf(*form).currentFile(), saved);

        QLineEdit* name = child<QLineEdit>(form.get(), "acname");
        name->selectAll();
        QTest::keyClicks(name, "ABCDEFGHIJKLMNOPQRST");
        QTest::mouseClick(child<QPushButton>(form.get(), "Button1"), Qt::LeftButton);
        QCOMPARE(dialogs.messages, QStringList {"８文字以内"});
        QCOMPARE(name->text().size(), 20); // names are never cut
    }

    void savedFieldsRefuseWhatShiftJisCannotWrite()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        const std::string saved = home.garageDir() + "x.asm";
        saveAs(*form, saved);
        const auto status = [&form] { return form->statusBar()->currentMessage(); };

        // Typed alone, the refused character changes nothing at all.
        QLineEdit* name = child<QLineEdit>(form.get(), "acname");
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString("ä"), Qt::NoModifier);
        QCOMPARE(name->text(), QString("へっぽこ１号"));
        QCOMPARE(status(), QString("「ä」は Shift-JIS で書けない文字です"));
        QVERIFY(!child<QAction>(form.get(), "acSave")->isEnabled());
        QCOMPARE(documentOf(*form).currentFile(), saved);

        // A paste brings the rest of its text, the cursor after it.
        QLineEdit* pilot = child<QLineEdit>(form.get(), "pname");
        pilot->setCursorPosition(2);
        QApplication::clipboard()->setText("x😀y");
        QTest::keyClick(pilot, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(pilot->text(), QString("へっxyぽこレイブン"));
        QCOMPARE(pilot->cursorPosition(), 4);
        QCOMPARE(documentOf(*form).machine().pilotName, std::string("へっxyぽこレイブン"));
        QCOMPARE(status(), QString("「😀」は Shift-JIS で書けない文字です"));

        // An input method's text is checked as well; what Shift-JIS holds passes untouched.
        QLineEdit* emblem = child<QLineEdit>(form.get(), "emblem");
        emblem->setFocus();
        QInputMethodEvent composed;
        composed.setCommitString("é①");
        QApplication::sendEvent(emblem, &composed);
        QCOMPARE(emblem->text(), QString("none.gif①"));
        QTest::sendKeyEvent(QTest::Click, child<QLineEdit>(form.get(), "acpic"), Qt::Key_unknown, QString("～"),
                            Qt::NoModifier);
        QCOMPARE(documentOf(*form).machine().picture, std::string("none.gif～"));

        // The description: the paste loses its emoji, and one undo takes back the whole paste.
        QPlainTextEdit* memo = child<QPlainTextEdit>(form.get(), "acmemo");
        memo->moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText("\n行🙂だ\u00A0よ");
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(memo->toPlainText(), QString("初期機体？\nデフォルト？\n行だ よ"));
        QCOMPARE(documentOf(*form).machine().description, std::string("初期機体？\nデフォルト？\n行だ よ"));
        QCOMPARE(status(), QString("「🙂」は Shift-JIS で書けない文字です"));
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(memo->toPlainText(), QString("初期機体？\nデフォルト？"));
        QVERIFY(dialogs.errors.isEmpty());
    }

    void pickFromThePartsListRunsTheEvaluationSynchronously()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        QCOMPARE(labelText(form.get(), "ed1"), QString("8231"));
        Q_EMIT form->auxiliaryWindows().partsList()->partPicked(rivet::LegsSelector, 1);
        QCOMPARE(labelText(form.get(), "ed1"), QString("8431"));
        QCOMPARE(selector(*form, 4)->currentText(), QString("LN-1001"));
    }

    void windowsFollowADesktopTurningDark()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        auto form = startMainWindow();
        chooseItem(selector(*form, 7), selector(*form, 7)->findText("B-PT000"));
        chooseItem(selector(*form, 4), selector(*form, 4)->findText("LF-205-SF"));
        QVERIFY(isRed(form.get(), "ed13"));
        auto* damageGrid = child<QTableWidget>(form->auxiliaryWindows().damageCalculator(), "G");

        const QPalette light = QApplication::palette();
        const QPalette dark(QColor(53, 53, 53));
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
        const bool redStays = isRed(form.get(), "ed13");
        const QColor figure = child<QLabel>(form.get(), "ed1")->palette().color(QPalette::WindowText);
        const QColor header = damageGrid->item(0, 1)->background().color();
        QApplication::setPalette(light);

        QVERIFY(redStays);
        QCOMPARE(figure, dark.color(QPalette::WindowText));
        QCOMPARE(header, dark.color(QPalette::Button));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
