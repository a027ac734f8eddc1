// What the garage does to its files: duplicating, renaming, moving to the desktop's trash, and
// choosing another folder.
#include "windows/GarageWindow.h"

#include "common/Failure.h"
#include "widgets/Dialogs.h"
#include "windows/GarageModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QStandardPaths>
#include <QTableView>

namespace {

[[noreturn]] void fail(const char* pattern, const QString& path)
{
    throw rivet::Failure(QString(pattern).arg(QDir::toNativeSeparators(path)).toStdString());
}

// "機体 - コピー.asm", then "機体 - コピー (2).asm" and so on: a name no file has yet.
QString copyName(const QString& path)
{
    const QFileInfo file(path);
    const QString stem = file.path() + '/' + file.completeBaseName() + " - コピー";
    const QString suffix = file.suffix().isEmpty() ? QString() : '.' + file.suffix();
    QString name = stem + suffix;
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = QString("%1 (%2)%3").arg(stem).arg(n).arg(suffix);
    }
    return name;
}

// Into the desktop's trash, where the file manager can put it back. Qt moves the file into a
// folder "files" of the working folder when the player's data folder does not exist yet (and
// says it succeeded): the data folder is made first, and a file that still lands outside a
// trash of its own goes back where it was.
bool moveToTrash(const QString& path)
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash)) {
        return false;
    }
    if (QFileInfo(inTrash).isAbsolute()) {
        return true;
    }
    QFile::rename(inTrash, path);
    return false;
}

} // namespace

void GarageWindow::chooseFolder()
{
    FileRequest request;
    request.title = "フォルダを選ぶ";
    request.folder = m_folder;
    request.folderOnly = true;
    if (const auto chosen = Dialogs::current().askFileName(this, request)) {
        if (!QFileInfo(*chosen).isDir()) {
            fail("フォルダ %1 が見つかりません", *chosen);
        }
        showFolder(*chosen);
    }
}

void GarageWindow::duplicateSelected()
{
    for (const QString& file : selectedFiles()) {
        const QString copy = copyName(m_folder + file);
        if (!QFile::copy(m_folder + file, copy)) {
            fail("%1 を複製できません", m_folder + file);
        }
        m_selectWhenShown.insert(copy.mid(m_folder.size()));
    }
    lookAgain();
}

void GarageWindow::renameCurrent()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const QString path = m_folder + current.data(GarageModel::PathRole).toString();
    const QFileInfo file(path);
    const auto answer = Dialogs::current().askText(this, "名前を変更", "新しいファイル名:", file.completeBaseName());
    if (!answer) {
        return;
    }
    QString name = answer->trimmed();
    if (name.isEmpty() || name == file.completeBaseName()) {
        return;
    }
    if (name.contains('/')) {
        throw rivet::Failure("ファイル名に / は使えません");
    }
    if (!name.endsWith(".asm", Qt::CaseInsensitive)) {
        name += ".asm";
    }
    const QString renamed = file.path() + '/' + name;
    if (QFileInfo::exists(renamed)) {
        fail("%1 は既にあります", renamed);
    }
    if (!QFile::rename(path, renamed)) {
        fail("%1 の名前を変更できません", path);
    }
    m_selectWhenShown.insert(renamed.mid(m_folder.size()));
    lookAgain();
}

void GarageWindow::trashSelected()
{
    const QStringList files = selectedFiles();
    for (const QString& file : files) {
        if (!moveToTrash(m_folder + file)) {
            lookAgain();
            fail("%1 をゴミ箱へ移動できません", m_folder + file);
        }
    }
    if (!files.isEmpty()) {
        lookAgain();
    }
}
