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

int ScriptedDialogs::askQuestion(QWidget*, const QString& question, const QStringList& buttons)
{
    questions << question;
    if (answers.isEmpty()) {
        return -1;
    }
    return static_cast<int>(buttons.indexOf(answers.takeFirst()));
}

void ScriptedDialogs::showInformation(QWidget*, const QString& message)
{
    informations << message;
}

Dialogs::SaveAnswer ScriptedDialogs::askToSave(QWidget*, const QString& question)
{
    saveQuestions << question;
    const QString answer = saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    if (answer == "保存") {
        return SaveAnswer::Save;
    }
    return answer == "保存しない" ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

std::optional<QString> ScriptedDialogs::askText(QWidget*, const QString&, const QString&, const QString&)
{
    if (texts.isEmpty()) {
        return std::nullopt;
    }
    return texts.takeFirst();
}

std::optional<QString> ScriptedDialogs::askFileName(QWidget*, const FileRequest& request)
{
    fileRequests << request;
    if (fileNames.isEmpty()) {
        return std::nullopt;
    }
    const QString name = fileNames.takeFirst();
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

bool ScriptedDialogs::confirmPrint(QWidget*)
{
    ++printQuestions;
    return !printAnswers.isEmpty() && printAnswers.takeFirst();
}

} // namespace rivet::test
