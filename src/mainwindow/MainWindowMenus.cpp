// The actions, the main menu, the tool bar and the two template menus of the main window, and
// where each action goes.
#include "mainwindow/MainWindow.h"

#include "mainwindow/MachineEditor.h"
#include "mainwindow/Planner.h"
#include "startup/RecentFiles.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"
#include "widgets/IconSet.h"
#include "windows/AuxiliaryWindows.h"

#include <QActionGroup>
#include <QFileInfo>
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

void MainWindow::buildActions()
{
    m_openAction = makeAction(this, "acOpenfile", "ファイル", "ファイルを開く", "ファイルを開く");
    m_saveAction = makeAction(this, "acSave", "ファイル", "上書保存", "上書保存");
    m_saveAsAction = makeAction(this, "acSaveas", "ファイル", "名前をつけて保存", "名前をつけて保存");
    m_textExportAction = makeAction(this, "acTextoutput", "ファイル", "テキスト形式出力", "テキスト形式で出力");
    m_htmlExportAction = makeAction(this, "acHtmloutput", "ファイル", "html形式出力", "html形式で出力");
    m_quitAction = makeAction(this, "acCloseform", "ファイル", "終了", "終了");
    m_damageCalculatorAction = makeAction(this, "acDamageform", "ツール", "ダメージ計算", "ダメージ計算表を表示");
    m_printAction = makeAction(this, "acPrintform", "ツール", "印刷", "フォームを印刷");
    m_registerFileTypeAction = makeAction(this, "acRegext", "ツール", "関連付け", "関連付け登録");
    m_aboutAction = makeAction(this, "acVersion", "ヘルプ", "バージョン情報", "バージョン情報");
    m_compareAction = makeAction(this, "acCompare", "ツール", "比較", "機体を並べて比較");
    m_optimiseAction = makeAction(this, "acOptimise", "ツール", "自動構成…", "条件に合う最良の機体を探す");
    m_newAction = makeAction(this, "acNew", "ファイル", "新規作成", "新しい機体をこのウィンドウで作る");
    m_newWindowAction
        = makeAction(this, "acNewWindow", "ファイル", "新しいウィンドウ", "新しい機体を別のウィンドウで作る");
    m_undoAction = makeAction(this, "acUndo", "編集", "元に戻す", "直前の変更を元に戻す");
    m_redoAction = makeAction(this, "acRedo", "編集", "やり直し", "元に戻した変更をやり直す");
    m_garageAction = makeAction(this, "acGarage", "ツール", "ガレージ", "保存した機体を一覧で比べる");

    // The desktop's habits for the tool's own actions, and for the new ones.
    const std::pair<QAction*, QList<QKeySequence>> shortcuts[] = {
        {m_openAction, {QKeySequence("Ctrl+O")}},
        {m_saveAction, {QKeySequence("Ctrl+S")}},
        {m_saveAsAction, {QKeySequence("Ctrl+Shift+S")}},
        {m_printAction, {QKeySequence("Ctrl+P")}},
        {m_quitAction, {QKeySequence("Ctrl+Q")}},
        {m_newAction, {QKeySequence("Ctrl+N")}},
        {m_newWindowAction, {QKeySequence("Ctrl+Shift+N")}},
        {m_undoAction, {QKeySequence("Ctrl+Z")}},
        {m_redoAction, {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}},
        {m_garageAction, {QKeySequence("Ctrl+G")}},
    };
    for (const auto& [action, keys] : shortcuts) {
        action->setShortcuts(keys);
    }

    // The shared image list: 0 open, 1 save, 2 print, 3 HTML, 4 damage, 5 text.
    const std::pair<QAction*, IconSet::Image> images[] = {
        {m_openAction, IconSet::Open},
        {m_saveAction, IconSet::Save},
        {m_printAction, IconSet::Print},
        {m_htmlExportAction, IconSet::Html},
        {m_damageCalculatorAction, IconSet::Damage},
        {m_textExportAction, IconSet::Text},
    };
    for (const auto& [action, image] : images) {
        action->setIcon(IconSet::toolImage(image));
        action->setProperty("imageIndex", static_cast<int>(image));
    }
}

void MainWindow::buildMenus()
{
    QMenu* fileMenu = menuBar()->addMenu("ファイル");
    fileMenu->setObjectName("mnFile");
    fileMenu->addAction(m_openAction);
    fileMenu->addAction(m_saveAction);
    fileMenu->addAction(m_saveAsAction);
    fileMenu->addSeparator();
    fileMenu->addAction(m_textExportAction);
    fileMenu->addAction(m_htmlExportAction);
    fileMenu->addSeparator();
    fileMenu->addAction(m_quitAction);
    fileMenu->addSeparator();
    fileMenu->addAction(m_newAction);
    fileMenu->addAction(m_newWindowAction);
    m_recentMenu = fileMenu->addMenu("最近使ったファイル");
    m_recentMenu->setObjectName("mnRecent");
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentFiles);

    QMenu* editMenu = menuBar()->addMenu("編集");
    editMenu->setObjectName("mnEdit");
    editMenu->addAction(m_undoAction);
    editMenu->addAction(m_redoAction);

    QMenu* toolMenu = menuBar()->addMenu("ツール");
    toolMenu->setObjectName("mnTool");
    m_copyToClipboardAction = toolMenu->addAction("クリップボードへコピー");
    m_copyToClipboardAction->setObjectName("N8");
    toolMenu->addAction(m_damageCalculatorAction);
    toolMenu->addAction(m_printAction);
    toolMenu->addAction(m_registerFileTypeAction);
    toolMenu->addSeparator();
    m_longListAction = toolMenu->addAction("ロングリスト");
    m_longListAction->setObjectName("mnLongList");
    m_longListAction->setCheckable(true);
    m_longListAction->setChecked(true);
    toolMenu->addSeparator();
    toolMenu->addAction(m_compareAction);
    toolMenu->addAction(m_optimiseAction);
    toolMenu->addAction(m_garageAction);
    addSharingItems(fileMenu, toolMenu);

    QMenu* helpMenu = menuBar()->addMenu("ヘルプ");
    helpMenu->setObjectName("mnHelp");
    helpMenu->addAction(m_aboutAction);

    static const char* const textItems[3] = {"MenuItem1", "MenuItem2", "MenuItem3"};
    static const char* const htmlItems[3] = {"N9", "N10", "N11"};
    m_textTemplateMenu = makeTemplateMenu(this, "mnTextType", textItems);
    m_htmlTemplateMenu = makeTemplateMenu(this, "mnHtmltype", htmlItems);
}

void MainWindow::buildToolBar()
{
    m_toolBar = addToolBar("ToolBar1");
    m_toolBar->setObjectName("ToolBar1");
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setFixedHeight(29);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    m_toolBar->addAction(m_openAction);
    m_toolBar->addAction(m_saveAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_textExportAction);
    m_toolBar->addAction(m_htmlExportAction);
    // The export buttons are split buttons: the arrow drops the template menu.
    for (auto [action, menu] :
         {std::pair {m_textExportAction, m_textTemplateMenu}, std::pair {m_htmlExportAction, m_htmlTemplateMenu}}) {
        auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(action));
        button->setObjectName(QString("tb") + action->objectName().mid(2));
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    // A right click on the HTML button drops its template menu as well.
    QWidget* htmlButton = m_toolBar->widgetForAction(m_htmlExportAction);
    htmlButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(htmlButton, &QWidget::customContextMenuRequested, m_htmlTemplateMenu, [this, htmlButton](const QPoint& at) {
        runGuarded(this, [&] { m_htmlTemplateMenu->popup(htmlButton->mapToGlobal(at)); });
    });
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_damageCalculatorAction);
    m_toolBar->addAction(m_printAction);
}

int MainWindow::selectedTemplate(const QMenu* menu)
{
    const QList<QAction*> items = menu->actions();
    for (int i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked()) {
            return i + 1;
        }
    }
    return 1;
}

void MainWindow::routeToEditor()
{
    MachineEditor* editor = m_editor;
    const std::pair<QAction*, std::function<void()>> routes[] = {
        {m_openAction, [=] { editor->open(); }},
        {m_saveAction, [=] { editor->save(); }},
        {m_saveAsAction, [=] { editor->saveAs(); }},
        {m_textExportAction, [=] { editor->exportText(selectedTemplate(m_textTemplateMenu)); }},
        {m_htmlExportAction, [=] { editor->exportHtml(selectedTemplate(m_htmlTemplateMenu)); }},
        {m_copyToClipboardAction, [=] { editor->copyReportToClipboard(); }},
        {m_damageCalculatorAction, [=] { editor->showDamageCalculator(); }},
        {m_compareAction, [=] { editor->showComparison(); }},
        {m_optimiseAction, [=] { editor->showOptimiser(); }},
        {m_newAction, [=] { editor->startNew(); }},
        {m_undoAction, [=] { editor->undo(); }},
        {m_redoAction, [=] { editor->redo(); }},
        {m_newWindowAction, [this] { m_planner->openWindow(); }},
        {m_garageAction, [=] { editor->showGarage(); }},
        {m_printAction, [this] { print(); }},
        {m_registerFileTypeAction, [this] { registerFileType(); }},
        {m_aboutAction, [this] { showAbout(); }},
    };
    for (const auto& [action, route] : routes) {
        connect(action, &QAction::triggered, this, [this, route = route] { runGuarded(this, route); });
    }
    // "終了" ends the program: every main window closes, each asking first.
    connect(m_quitAction, &QAction::triggered, this, [this] { m_planner->closeAll(); });
}

void MainWindow::fillRecentFiles()
{
    m_recentMenu->clear();
    m_planner->recentFiles().reload();
    for (const std::string& file : m_planner->recentFiles().files()) {
        const QString path = QString::fromStdString(file);
        QAction* item = m_recentMenu->addAction(path);
        connect(item, &QAction::triggered, this, [this, path] { runGuarded(this, [&] { openRecentFile(path); }); });
    }
    if (m_recentMenu->isEmpty()) {
        m_recentMenu->addAction("（なし）")->setEnabled(false);
    }
}

void MainWindow::openRecentFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        m_planner->recentFiles().remove(path.toStdString());
        Q_EMIT m_planner->recentFilesChanged();
        Dialogs::current().showMessage(this, QString("%1 が見つからないため、一覧から外しました。").arg(path));
        return;
    }
    m_editor->openFile(path);
}
