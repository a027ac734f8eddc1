#pragma once

#include <QObject>

class QLineEdit;

// The keyboard filter of the channel fields: typed characters other than the digits, "." and
// backspace are thrown away before the field sees them, control characters and the clipboard
// keys included. Cursor keys and Delete still edit. Input methods and drops are switched off
// for the field, so nothing else reaches it from the keyboard.
class DigitKeyFilter : public QObject
{
public:
    explicit DigitKeyFilter(QObject* parent = nullptr);

    void install(QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
