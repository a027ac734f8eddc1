// The shell's part of sharing a machine: its menu items, and where a machine taken in from
// the clipboard, a dropped file or the open dialog goes.
#include "mainwindow/MainWindow.h"

#include "mainwindow/MachineEditor.h"
#include "mainwindow/Planner.h"
#include "sharing/TakeIn.h"
#include "widgets/Dialogs.h"
#include "widgets/Guarded.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

// The first local file of a drag that is a card or a report; empty for any other drag,
// which the window's own handling gets.
QString takeInFileOf(const QMimeData* data)
{
    if (!data || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && rivet::isTakeInFileName(url.toLocalFile().toStdString())) {
            return url.toLocalFile();
        }
    }
    return {};
}

// Takes the drops of cards and reports before the window sees them.
class TakeInDrops : public QObject
{
public:
    TakeInDrops(MainWindow* window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!takeInFileOf(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = takeInFileOf(drop->mimeData());
            if (!path.isEmpty()) {
                drop->acceptProposedAction();
                m_window->takeInFile(path);
                return true;
            }
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    MainWindow* m_window;
};

QAction* addItem(QMenu* menu, const char* name, const char* caption, const char* hint)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setToolTip(QString::fromUtf8(hint));
    action->setStatusTip(QString::fromUtf8(hint));
    return action;
}

} // namespace

void MainWindow::addSharingItems(QMenu* fileMenu, QMenu* toolMenu)
{
    fileMenu->addSeparator();
    m_pasteMachineAction = addItem(fileMenu, "acPasteMachine", "貼り付けて開く",
                                   "クリップボードの機体コード・機体カード・レポートから機体を開く");
    // Ctrl+V too, where no text field or the colour grid takes it for itself.
    m_pasteMachineAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), QKeySequence(Qt::CTRL | Qt::Key_V)});
    toolMenu->addSeparator();
    m_copyMachineCodeAction
        = addItem(toolMenu, "acCopyMachineCode", "機体コードをコピー", "機体を一行のコードにしてクリップボードへ");
    m_saveMachineCardAction
        = addItem(toolMenu, "acSaveMachineCard", "機体カードを保存…", "機体を画像にして保存 (コード入り)");

    connect(m_pasteMachineAction, &QAction::triggered, this, [this] { pasteMachine(); });
    connect(m_copyMachineCodeAction, &QAction::triggered, this,
            [this] { runGuarded(this, [this] { m_editor->copyMachineCode(); }); });
    connect(m_saveMachineCardAction, &QAction::triggered, this,
            [this] { runGuarded(this, [this] { m_editor->saveMachineCard(); }); });
    setAcceptDrops(true);
    installEventFilter(new TakeInDrops(this));
}

void MainWindow::pasteMachine()
{
    runGuarded(this, [this] { takeIn(m_editor->machineFromClipboard()); });
}

void MainWindow::takeInFile(const QString& path)
{
    runGuarded(this, [&] { takeIn(m_editor->machineFromFile(path)); });
}

void MainWindow::takeIn(const rivet::TakenMachine& taken)
{
    // A machine with unsaved changes stays as it is: the one taken in gets a window of its own.
    MainWindow* window = m_editor->document().unsaved() ? m_planner->openWindow() : this;
    window->editor().takeIn(taken);
}
