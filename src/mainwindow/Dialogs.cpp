#include "mainwindow/Dialogs.h"

#include "common/ErrorText.h"

#include <QMessageBox>

namespace {

Dialogs* installed = nullptr;

} // namespace

Dialogs& Dialogs::current()
{
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void Dialogs::install(Dialogs* dialogs)
{
    installed = dialogs;
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
