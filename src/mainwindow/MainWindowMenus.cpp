// The actions, the main menu, the tool bar and the two template menus of the main window.
#include "mainwindow/MainWindow.h"

#include "widgets/Guarded.h"
#include "widgets/IconSet.h"

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

void MainWindow::buildMenus()
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
    m_copyToClipboard = toolMenu->addAction("クリップボードへコピー");
    m_copyToClipboard->setObjectName("N8");
    toolMenu->addAction(acDamageform);
    toolMenu->addAction(acPrintform);
    toolMenu->addAction(acRegext);
    toolMenu->addSeparator();
    mnLongList = toolMenu->addAction("ロングリスト");
    mnLongList->setObjectName("mnLongList");
    mnLongList->setCheckable(true);
    mnLongList->setChecked(true);
    toolMenu->addSeparator();
    acCompare = makeAction(this, "acCompare", "ツール", "比較", "機体を並べて比較");
    toolMenu->addAction(acCompare);
    acOptimise = makeAction(this, "acOptimise", "ツール", "自動構成…", "条件に合う最良の機体を探す");
    toolMenu->addAction(acOptimise);

    QMenu* helpMenu = menuBar()->addMenu("ヘルプ");
    helpMenu->setObjectName("mnHelp");
    helpMenu->addAction(acVersion);

    static const char* const textItems[3] = {"MenuItem1", "MenuItem2", "MenuItem3"};
    static const char* const htmlItems[3] = {"N9", "N10", "N11"};
    mnTextType = makeTemplateMenu(this, "mnTextType", textItems);
    mnHtmltype = makeTemplateMenu(this, "mnHtmltype", htmlItems);

    m_toolBar = addToolBar("ToolBar1");
    m_toolBar->setObjectName("ToolBar1");
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setFixedHeight(29);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    m_toolBar->addAction(acOpenfile);
    m_toolBar->addAction(acSave);
    m_toolBar->addSeparator();
    m_toolBar->addAction(acTextoutput);
    m_toolBar->addAction(acHtmloutput);
    // The export buttons are split buttons: the arrow drops the template menu.
    for (auto [action, menu] : {std::pair {acTextoutput, mnTextType}, std::pair {acHtmloutput, mnHtmltype}}) {
        auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(action));
        button->setObjectName(QString("tb") + action->objectName().mid(2));
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    // A right click on the HTML button drops its template menu as well.
    QWidget* htmlButton = m_toolBar->widgetForAction(acHtmloutput);
    htmlButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(htmlButton, &QWidget::customContextMenuRequested, mnHtmltype, [this, htmlButton](const QPoint& at) {
        runGuarded(this, [&] { mnHtmltype->popup(htmlButton->mapToGlobal(at)); });
    });
    m_toolBar->addSeparator();
    m_toolBar->addAction(acDamageform);
    m_toolBar->addAction(acPrintform);
}
