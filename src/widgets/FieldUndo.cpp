#include "widgets/FieldUndo.h"

#include <QAction>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

namespace {

bool isUndoOrRedo(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
        || (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
}

} // namespace

FieldUndo::FieldUndo(QAction* undo, QAction* redo, QObject* parent)
    : QObject(parent)
    , m_undo(undo)
    , m_redo(redo)
{
}

void FieldUndo::watch(QLineEdit* field)
{
    field->installEventFilter(this);
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this,
            [this, field](const QPoint& at) { showMenu(field, field, at); });
}

void FieldUndo::watch(QPlainTextEdit* field)
{
    field->installEventFilter(this);
    field->setUndoRedoEnabled(false);
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this,
            [this, field](const QPoint& at) { showMenu(field, field->viewport(), at); });
}

bool FieldUndo::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (isUndoOrRedo(static_cast<QKeyEvent*>(event))) {
            // Not taken by the field: the window's shortcut runs instead, or nothing does.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FieldUndo::showMenu(QWidget* field, QWidget* area, const QPoint& at)
{
    QMenu* menu = nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        menu = line->createStandardContextMenu();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(field)) {
        menu = text->createStandardContextMenu(at);
    }
    if (!menu) {
        return;
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* own : menu->actions()) {
        QAction* replacement = own->objectName() == "edit-undo" ? m_undo
            : own->objectName() == "edit-redo"                  ? m_redo
                                                                : nullptr;
        if (replacement) {
            menu->insertAction(own, replacement);
            menu->removeAction(own);
        }
    }
    menu->popup(area->mapToGlobal(at));
}

void PassFileDrops::watch(QWidget* dropTarget)
{
    dropTarget->installEventFilter(this);
}

bool PassFileDrops::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
