#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every message box and file dialog of the tool goes through this one interface, so tests
// answer them without a screen (they install their own Dialogs).
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // The error box: title "Rivet Tool", the message with its full stop rule applied.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // A plain notice with an OK button, titled "Rivet Tool".
    virtual void showMessage(QWidget* parent, const QString& message) = 0;

    // The dialogs in use; the Qt ones unless a test installed others.
    static Dialogs& current();
    // Installs dialogs (nullptr restores the Qt ones); the caller keeps ownership.
    static void install(Dialogs* dialogs);
};

// The real dialogs, shown with Qt.
class QtDialogs : public Dialogs
{
public:
    void showError(QWidget* parent, const QString& message) override;
    void showMessage(QWidget* parent, const QString& message) override;
};
