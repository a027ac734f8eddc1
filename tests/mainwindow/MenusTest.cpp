// The main menu, the tool bar and the template menus: every entry reaches its action.
#include "mainwindow/MainWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"
#include "support/WindowLookup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <memory>

using namespace rivet::test;

namespace {

QStringList entries(const QMenu* menu)
{
    QStringList names;
    for (const QAction* action : menu->actions()) {
        names << (action->isSeparator() ? QString("-")
                      : action->menu()  ? action->menu()->objectName()
                                        : action->objectName());
    }
    return names;
}

} // namespace

class MenusTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menusHoldTheirEntriesInOrder()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        MainWindow form({});
        const QList<QAction*> top = form.menuBar()->actions();
        QCOMPARE(top.size(), 4);
        QCOMPARE(top[0]->text(), QString("ファイル"));
        QCOMPARE(top[1]->text(), QString("編集"));
        QCOMPARE(top[2]->text(), QString("ツール"));
        QCOMPARE(top[3]->text(), QString("ヘルプ"));
        // The tool's own entries first, the new ones after them.
        QCOMPARE(entries(top[0]->menu()),
                 (QStringList {"acOpenfile", "acSave", "acSaveas", "-", "acTextoutput", "acHtmloutput", "-",
                               "acCloseform", "-", "acNew", "acNewWindow", "mnRecent", "-", "acPasteMachine"}));
        QCOMPARE(entries(top[1]->menu()), (QStringList {"acUndo", "acRedo"}));
        QCOMPARE(entries(top[2]->menu()),
                 (QStringList {"N8", "acDamageform", "acPrintform", "acRegext", "-", "mnLongList", "-", "acCompare",
                               "acOptimise", "acGarage", "-", "acCopyMachineCode", "acSaveMachineCard"}));
        QCOMPARE(entries(top[3]->menu()), QStringList {"acVersion"});
        QCOMPARE(entries(child<QMenu>(&form, "mnTextType")), (QStringList {"MenuItem1", "MenuItem2", "MenuItem3"}));
        QCOMPARE(entries(child<QMenu>(&form, "mnHtmltype")), (QStringList {"N9", "N10", "N11"}));
    }

    void actionsCarryCaptionsHintsAndImages()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        MainWindow form({});
        const struct
        {
            const char* name;
            const char* category;
            const char* caption;
            const char* hint;
            int image;
        } expected[] = {
            {"acOpenfile", "ファイル", "ファイルを開く", "ファイルを開く", 0},
            {"acSave", "ファイル", "上書保存", "上書保存", 1},
            {"acSaveas", "ファイル", "名前をつけて保存", "名前をつけて保存", -1},
            {"acTextoutput", "ファイル", "テキスト形式出力", "テキスト形式で出力", 5},
            {"acHtmloutput", "ファイル", "html形式出力", "html形式で出力", 3},
            {"acCloseform", "ファイル", "終了", "終了", -1},
            {"acDamageform", "ツール", "ダメージ計算", "ダメージ計算表を表示", 4},
            {"acPrintform", "ツール", "印刷", "フォームを印刷", 2},
            {"acRegext", "ツール", "関連付け", "関連付け登録", -1},
            {"acVersion", "ヘルプ", "バージョン情報", "バージョン情報", -1},
            {"acCompare", "ツール", "比較", "機体を並べて比較", -1},
            {"acOptimise", "ツール", "自動構成…", "条件に合う最良の機体を探す", -1},
            {"acGarage", "ツール", "ガレージ", "保存した機体を一覧で比べる", -1},
        };
        for (const auto& e : expected) {
            const QAction* action = child<QAction>(&form, e.name);
            QCOMPARE(action->property("category").toString(), QString(e.category));
            QCOMPARE(action->text(), QString(e.caption));
            QCOMPARE(action->toolTip(), QString(e.hint));
            QCOMPARE(action->property("imageIndex").isValid() ? action->property("imageIndex").toInt() : -1, e.image);
            QCOMPARE(action->icon().isNull(), e.image < 0);
            if (e.image >= 0) {
                // Drawn anew for a screen of twice the density, greyed ones too: not a
                // 16-pixel picture stretched.
                for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                    const QPixmap dense = action->icon().pixmap(QSize(16, 16), 2.0, mode);
                    QCOMPARE(dense.size(), QSize(32, 32));
                    QCOMPARE(dense.devicePixelRatio(), 2.0);
                }
            }
        }
    }

    void toolBarButtonsAndSplitArrows()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        MainWindow form({});
        QStringList names;
        for (const QAction* action : child<QToolBar>(&form, "ToolBar1")->actions()) {
            names << (action->isSeparator() ? QString("-")
                          : action->menu()  ? action->menu()->objectName()
                                            : action->objectName());
        }
        QCOMPARE(names,
                 (QStringList {"acOpenfile", "acSave", "-", "acTextoutput", "acHtmloutput", "-", "acDamageform",
                               "acPrintform"}));
        const auto* text = child<QToolButton>(&form, "tbTextoutput");
        QCOMPARE(text->menu(), child<QMenu>(&form, "mnTextType"));
        QCOMPARE(text->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(child<QToolButton>(&form, "tbHtmloutput")->menu(), child<QMenu>(&form, "mnHtmltype"));
    }

    void rightClickOnTheHtmlButtonDropsItsTemplateMenu()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        MainWindow form({});
        form.show();
        const auto rightClick = [&form](const char* button) {
            QWidget* pressed = child<QToolButton>(&form, button);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), pressed->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(pressed, &event);
        };
        QMenu* html = child<QMenu>(&form, "mnHtmltype");
        rightClick("tbHtmloutput");
        QTRY_VERIFY(html->isVisible());
        html->close();
        // The text button's menu drops from its arrow only.
        rightClick("tbTextoutput");
        QVERIFY(!child<QMenu>(&form, "mnTextType")->isVisible());
    }

    void saveIsDisabledInMenuAndToolBarWhileUnmodified()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        MainWindow form({});
        form.show();
        dialogs.fileNames << QString::fromStdString(home.garageDir() + "saved");
        child<QAction>(&form, "acSaveas")->trigger();
        QVERIFY(!child<QAction>(&form, "acSave")->isEnabled());
        QToolBar* bar = child<QToolBar>(&form, "ToolBar1");
        QVERIFY(!bar->widgetForAction(child<QAction>(&form, "acSave"))->isEnabled());
        QTest::mouseClick(child<QCheckBox>(&form, "chk2"), Qt::LeftButton);
        QVERIFY(bar->widgetForAction(child<QAction>(&form, "acSave"))->isEnabled());
    }

    void closeActionClosesTheWindowAndSavesTheSettings()
    {
        TempHome home;
        ScriptedDialogs dialogs;
        MainWindow form({});
        form.show();
        child<QAction>(&form, "acCloseform")->trigger();
        QVERIFY(!form.isVisible());
        QVERIFY(QFileInfo::exists(QString::fromStdString(home.settingsFile())));
    }
};

QTEST_MAIN(MenusTest)
#include "MenusTest.moc"
