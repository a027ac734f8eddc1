#include "widgets/Dialogs.h"

#include "common/ErrorText.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

Dialogs& Dialogs::real()
{
    static QtDialogs dialogs;
    return dialogs;
}

void QtDialogs::showError(QWidget* parent, const QString& message)
{
    const QString text = QString::fromStdString(rivet::errorBoxText(message.toStdString()));
    QMessageBox::critical(parent, QString::fromUtf8(rivet::kApplicationTitle), text);
}

void QtDialogs::showMessage(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(rivet::kApplicationTitle), message, QMessageBox::Ok, parent);
    box.exec();
}

// Qt knows one system beep; it stands for the question and the information beeps alike.
int QtDialogs::askQuestion(QWidget* parent, const QString& question, const QStringList& buttons)
{
    QApplication::beep();
    QMessageBox box(QMessageBox::Question, "確認", question, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> added;
    for (int i = 0; i < buttons.size(); ++i) {
        const auto role = i == 0      ? QMessageBox::YesRole
            : i + 1 == buttons.size() ? QMessageBox::RejectRole
                                      : QMessageBox::NoRole;
        added << box.addButton(buttons[i], role);
    }
    box.exec();
    return static_cast<int>(added.indexOf(box.clickedButton()));
}

void QtDialogs::showInformation(QWidget* parent, const QString& message)
{
    QApplication::beep();
    QMessageBox box(QMessageBox::Information, "情報", message, QMessageBox::Ok, parent);
    box.exec();
}

QMessageBox* QtDialogs::saveQuestionBox(QWidget* parent, const QString& question)
{
    auto* box = new QMessageBox(QMessageBox::Warning, "Rivet Tool", question, QMessageBox::NoButton, parent);
    box->setDefaultButton(box->addButton("保存", QMessageBox::AcceptRole));
    box->addButton("保存しない", QMessageBox::DestructiveRole);
    box->setEscapeButton(box->addButton("キャンセル", QMessageBox::RejectRole));
    return box;
}

Dialogs::SaveAnswer QtDialogs::askToSave(QWidget* parent, const QString& question)
{
    const std::unique_ptr<QMessageBox> box(saveQuestionBox(parent, question));
    box->exec();
    switch (box->buttonRole(box->clickedButton())) {
    case QMessageBox::AcceptRole:
        return SaveAnswer::Save;
    case QMessageBox::DestructiveRole:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

namespace {

// "caption|*.asm|caption|*.txt" as Qt's "caption (*.asm)" entries.
QStringList qtFilters(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return filters;
}

} // namespace

std::optional<QString> QtDialogs::askFileName(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title, request.folder);
    // Qt's own dialog speaks the Japanese the program loaded; a desktop's own dialog would
    // speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.folderOnly ? QFileDialog::Directory : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ShowDirsOnly, request.folderOnly);
    const QStringList filters = qtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogs::askText(QWidget* parent, const QString& title, const QString& label,
                                          const QString& proposed)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, proposed, &accepted);
    return accepted ? std::optional<QString>(text) : std::nullopt;
}

bool QtDialogs::confirmPrint(QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon, "印刷", "印刷しますか？", QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok;
}
