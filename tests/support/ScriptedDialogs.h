#pragma once

#include "widgets/Dialogs.h"

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
    // Answers with the next scripted answer (a button's text, taken from the front of
    // answers); with none left, or one that is not among the buttons, the dialog counts as
    // closed (-1).
    int askQuestion(QWidget* parent, const QString& question, const QStringList& buttons) override;
    void showInformation(QWidget* parent, const QString& message) override;
    // Records the question in saveQuestions and answers with the next of saveAnswers
    // ("保存", "保存しない" or "キャンセル"); none left cancels.
    SaveAnswer askToSave(QWidget* parent, const QString& question) override;
    // Answers with the next of fileNames (an empty text cancels; none left cancels too).
    std::optional<QString> askFileName(QWidget* parent, const FileRequest& request) override;
    // Answers with the next of printAnswers (none left: Cancel).
    bool confirmPrint(QWidget* parent) override;
    // Answers with the next of texts (none left cancels).
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& proposed) override;

    QStringList errors;
    QStringList messages;
    QStringList answers;
    QStringList questions;
    QStringList saveQuestions;
    QStringList saveAnswers;
    QStringList informations;
    QStringList fileNames;
    QList<FileRequest> fileRequests;
    QList<bool> printAnswers;
    QStringList texts;
    int printQuestions = 0;
};

} // namespace rivet::test
