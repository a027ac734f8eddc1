#include "widgets/DigitKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isAccepted(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Copy)) {
        return false;
    }
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const bool chord = (event->modifiers() & chords) != 0;
    const int key = event->key();
    if (key == Qt::Key_Backspace) {
        return !chord; // Ctrl+Backspace types a control character
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        return true; // focus moves on, nothing is typed
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        return false; // these type control characters
    }
    if (key >= Qt::Key_Escape) {
        return true; // cursor keys, Home, End, Delete, modifiers alone: nothing is typed
    }
    const QString text = event->text();
    return !chord && text.size() == 1 && QStringLiteral("0123456789.").contains(text.front());
}

} // namespace

DigitKeyFilter::DigitKeyFilter(QObject* parent)
    : QObject(parent)
{
}

void DigitKeyFilter::install(QLineEdit* field)
{
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->setAcceptDrops(false);
    field->installEventFilter(this);
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        return !isAccepted(static_cast<QKeyEvent*>(event));
    }
    return QObject::eventFilter(watched, event);
}
