// The actions, the main menu, the tool bar and the two template menus of the main window, and
// where each action goes.
#include "mainwindow/MainWindow.h"

#include "mainwindow/MachineEditor.h"
#include "widgets/Guarded.h"
#include "widgets/IconSet.h"
#include "windows/AuxiliaryWindows.h"

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
        {m_printAction, [this] { print(); }},
        {m_registerFileTypeAction, [this] { registerFileType(); }},
        {m_aboutAction, [this] { showAbout(); }},
    };
    for (const auto& [action, route] : routes) {
        connect(action, &QAction::triggered, this, [this, route = route] { runGuarded(this, route); });
    }
    connect(m_quitAction, &QAction::triggered, this, &QWidget::close);

    // What the auxiliary windows ask of the machine. Direct: the figures are recomputed
    // before the viewer's press returns.
    connect(
        m_windows, &AuxiliaryWindows::partPicked, this,
        [=](rivet::Selector selector, int item) {
            runGuarded(this, [&] { editor->pickPartFromList(selector, item); });
        },
        Qt::DirectConnection);
    // In the viewer the popup stands below and right of the pointer, clear of it.
    connect(m_windows, &AuxiliaryWindows::partHovered, this, [=](rivet::Selector selector, int item, const QPoint& at) {
        editor->showChoicePreview(selector, item, rivet::ChoiceWay::PartsList, QRect(at + QPoint(0, 18), QSize(12, 1)));
    });
    connect(m_windows, &AuxiliaryWindows::partHoverEnded, editor, &MachineEditor::hideChoicePreview);
    connect(m_windows, &AuxiliaryWindows::comparisonPinRequested, this,
            [=] { runGuarded(this, [=] { editor->pinComparisonBase(); }); });
    connect(m_windows, &AuxiliaryWindows::comparisonFileRequested, this,
            [=] { runGuarded(this, [=] { editor->compareWithFile(); }); });
    connect(m_windows, &AuxiliaryWindows::optimiserMachineChosen, this,
            [=](const rivet::Selection& proposal) { runGuarded(this, [&] { editor->applyProposal(proposal); }); });
}
