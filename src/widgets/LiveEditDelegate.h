#pragma once

#include <QStyledItemDelegate>

// An in-cell editor that reports its text after every keystroke, not only when editing ends,
// so a window can recompute while the player types; and the end of every edit, also one the
// player cancelled with Esc, when what it computed from the typed text no longer holds.
class LiveEditDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

Q_SIGNALS:
    void textEdited(int column, int row, const QString& text) const;
    // The editor has closed: its text went into the cell, or the cell kept its old text.
    void editingEnded(int column, int row) const;
};
