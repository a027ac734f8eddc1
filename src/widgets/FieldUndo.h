#pragma once

#include <QObject>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPoint;
class QWidget;

// Text fields that keep no undo history of their own: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in a
// watched field, and "元に戻す" and "やり直し" of its context menu, go to the window's undo and
// redo, so the field's typing is undone through the machine's one history like every other
// change.
class FieldUndo : public QObject
{
public:
    FieldUndo(QAction* undo, QAction* redo, QObject* parent);

    void watch(QLineEdit* field);
    void watch(QPlainTextEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The field's own context menu with the window's undo and redo in place of its own.
    void showMenu(QWidget* field, QWidget* area, const QPoint& at);

    QAction* m_undo;
    QAction* m_redo;
};

// Fields that leave a dropped file to their window: a file dragged over them is not taken
// as text (its address typed into the field) but goes on to the window, which opens it.
class PassFileDrops : public QObject
{
public:
    using QObject::QObject;
    void watch(QWidget* dropTarget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
