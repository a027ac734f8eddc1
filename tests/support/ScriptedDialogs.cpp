#include "support/ScriptedDialogs.h"

namespace rivet::test {

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
}

void ScriptedDialogs::showError(QWidget*, const QString& message)
{
    errors << message;
}

void ScriptedDialogs::showMessage(QWidget*, const QString& message)
{
    messages << message;
}

} // namespace rivet::test
