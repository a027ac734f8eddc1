#pragma once

#include "widgets/Replaceable.h"

#include <QString>
#include <QStringList>

#include <optional>

class QMessageBox;
class QWidget;

// What an open or save dialog is asked with.
struct FileRequest
{
    bool save = false;
    QString title; // empty: the platform's own
    QString filter; // in the "caption|pattern|caption|pattern" form the actions set
    int filterIndex = 1; // 1-based entry of filter shown first
    QString defaultSuffix; // appended to a name typed without extension
    QString folder; // where the dialog starts
    QString proposedName;
    bool folderOnly = false; // a folder is chosen, not a file (filter and suffix unused)
};

// Every message box and file dialog of the tool goes through this one interface, so tests
// answer them without a screen (they install their own Dialogs).
class Dialogs : public Replaceable<Dialogs>
{
public:
    virtual ~Dialogs() = default;

    // The error box: title "Rivet Tool", the message with its full stop rule applied.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // A plain notice with an OK button, titled "Rivet Tool".
    virtual void showMessage(QWidget* parent, const QString& message) = 0;
    // The typed question "確認" with a question icon, after the question beep. Returns the
    // index in buttons of the button pressed, or -1 when the dialog was closed without one.
    virtual int askQuestion(QWidget* parent, const QString& question, const QStringList& buttons) = 0;
    // The typed notice "情報" with an information icon and an OK button, after the
    // information beep.
    virtual void showInformation(QWidget* parent, const QString& message) = 0;

    // Before a machine with unsaved changes is closed or replaced: the question, titled
    // "Rivet Tool", with "保存", "保存しない" and "キャンセル". Closing the box cancels.
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer askToSave(QWidget* parent, const QString& question) = 0;

    // The open or save dialog; nothing when cancelled. The save dialog asks before
    // replacing an existing file (the name completed with the default suffix).
    virtual std::optional<QString> askFileName(QWidget* parent, const FileRequest& request) = 0;
    // "印刷しますか？" titled "印刷", OK and Cancel, no icon; true for OK.
    virtual bool confirmPrint(QWidget* parent) = 0;
    // A line of text asked for under the label, starting from `proposed`; nothing when
    // cancelled.
    virtual std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                           const QString& proposed)
        = 0;

    // The Qt dialogs.
    static Dialogs& real();
};

// The real dialogs, shown with Qt.
class QtDialogs : public Dialogs
{
public:
    void showError(QWidget* parent, const QString& message) override;
    void showMessage(QWidget* parent, const QString& message) override;
    int askQuestion(QWidget* parent, const QString& question, const QStringList& buttons) override;
    void showInformation(QWidget* parent, const QString& message) override;
    SaveAnswer askToSave(QWidget* parent, const QString& question) override;
    std::optional<QString> askFileName(QWidget* parent, const FileRequest& request) override;
    bool confirmPrint(QWidget* parent) override;

    // The box askToSave shows (also for the documentation's pictures); the caller owns it.
    static QMessageBox* saveQuestionBox(QWidget* parent, const QString& question);
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& proposed) override;
};
