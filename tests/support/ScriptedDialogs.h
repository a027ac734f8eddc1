#pragma once

#include "mainwindow/Dialogs.h"

#include <QStringList>

namespace rivet::test {

// Dialogs for window tests: every message is recorded instead of shown, so no test ever
// waits for a click. Installed while the object lives.
class ScriptedDialogs : public Dialogs
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void showError(QWidget* parent, const QString& message) override;
    void showMessage(QWidget* parent, const QString& message) override;

    QStringList errors;
    QStringList messages;
};

} // namespace rivet::test
