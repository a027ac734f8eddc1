#include "widgets/LiveEditDelegate.h"

#include <QLineEdit>

QWidget* LiveEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const int column = index.column();
        const int row = index.row();
        connect(line, &QLineEdit::textEdited, this,
                [this, column, row](const QString& text) { Q_EMIT textEdited(column, row, text); });
        // The view closes the editor first (it was connected before), so the cell already
        // holds what stays.
        connect(this, &QAbstractItemDelegate::closeEditor, line, [this, line, column, row](QWidget* closed) {
            if (closed == line) {
                Q_EMIT editingEnded(column, row);
            }
        });
    }
    return editor;
}
