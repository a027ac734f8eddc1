#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QPlainTextEdit;

// Keeps the characters Shift-JIS cannot write out of the text fields an assembly file stores:
// whatever the player types, pastes or drops arrives without them, and refused() names the
// first character left out. The check when a file is written stays the last guard.
class ShiftJisInputFilter : public QObject
{
    Q_OBJECT

public:
    explicit ShiftJisInputFilter(QObject* parent = nullptr);

    // The field's textEdited carries the text as admitted.
    void watch(QLineEdit* field);
    // The memo gets a document of its own whose changes the filter sees before the memo's
    // textChanged reports them, so that signal carries the text as admitted. Watch a memo
    // before it is given text or connected.
    void watch(QPlainTextEdit* memo);

Q_SIGNALS:
    void refused(const QString& character);

private:
    void admitIntoMemo(QPlainTextEdit* memo, int from, int to);
};
