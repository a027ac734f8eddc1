// The actions, the main menu, the tool bar and the two template menus of the main window.
#include "mainwindow/TasmForm.h"

#include "mainwindow/IconSet.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QAction* makeAction(QObject* owner, const char* name, const char* category, const char* caption, const char* hint)
{
    auto* action = new QAction(QString::fromUtf8(caption), owner);
    action->setObjectName(name);
    action->setProperty("category", QString::fromUtf8(category));
    action->setToolTip(QString::fromUtf8(hint));
    action->setStatusTip(QString::fromUtf8(hint));
    return action;
}

// A pop-up of three radio items "テンプレート１".."テンプレート３", the first one marked.
QMenu* makeTemplateMenu(QWidget* owner, const char* name, const char* const itemNames[3])
{
    static const char* const captions[3] = {"テンプレート１", "テンプレート２", "テンプレート３"};
    auto* menu = new QMenu(owner);
    menu->setObjectName(name);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        QAction* item = menu->addAction(QString::fromUtf8(captions[i]));
        item->setObjectName(itemNames[i]);
        item->setCheckable(true);
        item->setChecked(i == 0);
        group->addAction(item);
    }
    return menu;
}

} // namespace

void TasmForm::buildMenus()
{
    acOpenfile = makeAction(this, "acOpenfile", "ファイル", "ファイルを開く", "ファイルを開く");
    acSave = makeAction(this, "acSave", "ファイル", "上書保存", "上書保存");
    acSaveas = makeAction(this, "acSaveas", "ファイル", "名前をつけて保存", "名前をつけて保存");
    acTextoutput = makeAction(this, "acTextoutput", "ファイル", "テキスト形式出力", "テキスト形式で出力");
    acHtmloutput = makeAction(this, "acHtmloutput", "ファイル", "html形式出力", "html形式で出力");
    acCloseform = makeAction(this, "acCloseform", "ファイル", "終了", "終了");
    acDamageform = makeAction(this, "acDamageform", "ツール", "ダメージ計算", "ダメージ計算表を表示");
    acPrintform = makeAction(this, "acPrintform", "ツール", "印刷", "フォームを印刷");
    acRegext = makeAction(this, "acRegext", "ツール", "関連付け", "関連付け登録");
    acVersion = makeAction(this, "acVersion", "ヘルプ", "バージョン情報", "バージョン情報");

    // The shared image list: 0 open, 1 save, 2 print, 3 HTML, 4 damage, 5 text.
    const std::pair<QAction*, IconSet::Image> images[] = {
        {acOpenfile, IconSet::Open},   {acSave, IconSet::Save},         {acPrintform, IconSet::Print},
        {acHtmloutput, IconSet::Html}, {acDamageform, IconSet::Damage}, {acTextoutput, IconSet::Text},
    };
    for (const auto& [action, image] : images) {
        action->setIcon(IconSet::toolImage(image));
        action->setProperty("imageIndex", static_cast<int>(image));
    }

    QMenu* fileMenu = menuBar()->addMenu("ファイル");
    fileMenu->setObjectName("mnFile");
    fileMenu->addAction(acOpenfile);
    fileMenu->addAction(acSave);
    fileMenu->addAction(acSaveas);
    fileMenu->addSeparator();
    fileMenu->addAction(acTextoutput);
    fileMenu->addAction(acHtmloutput);
    fileMenu->addSeparator();
    fileMenu->addAction(acCloseform);

    QMenu* toolMenu = menuBar()->addMenu("ツール");
    toolMenu->setObjectName("mnTool");
    N8 = toolMenu->addAction("クリップボードへコピー");
    N8->setObjectName("N8");
    toolMenu->addAction(acDamageform);
    toolMenu->addAction(acPrintform);
    toolMenu->addAction(acRegext);
    toolMenu->addSeparator();
    mnLongList = toolMenu->addAction("ロングリスト");
    mnLongList->setObjectName("mnLongList");
    mnLongList->setCheckable(true);
    mnLongList->setChecked(true);

    QMenu* helpMenu = menuBar()->addMenu("ヘルプ");
    helpMenu->setObjectName("mnHelp");
    helpMenu->addAction(acVersion);

    static const char* const textItems[3] = {"MenuItem1", "MenuItem2", "MenuItem3"};
    static const char* const htmlItems[3] = {"N9", "N10", "N11"};
    mnTextType = makeTemplateMenu(this, "mnTextType", textItems);
    mnHtmltype = makeTemplateMenu(this, "mnHtmltype", htmlItems);

    ToolBar1 = addToolBar("ToolBar1");
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(29);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    ToolBar1->addAction(acOpenfile);
    ToolBar1->addAction(acSave);
    ToolBar1->addSeparator();
    ToolBar1->addAction(acTextoutput);
    ToolBar1->addAction(acHtmloutput);
    // The export buttons are split buttons: the arrow drops the template menu.
    for (auto [action, menu] : {std::pair {acTextoutput, mnTextType}, std::pair {acHtmloutput, mnHtmltype}}) {
        auto* button = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(action));
        button->setObjectName(QString("tb") + action->objectName().mid(2));
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    ToolBar1->addSeparator();
    ToolBar1->addAction(acDamageform);
    ToolBar1->addAction(acPrintform);

    connect(acCloseform, &QAction::triggered, this, [this] { acCloseformExecute(); });
}
