#pragma once

#include <QStyledItemDelegate>

// An in-cell editor that reports its text after every keystroke, not only when editing ends,
// so a window can recompute while the player types.
class LiveEditDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

Q_SIGNALS:
    void textEdited(int column, int row, const QString& text) const;
};
