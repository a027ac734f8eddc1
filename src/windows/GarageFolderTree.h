#pragma once

#include <QHash>
#include <QTreeWidget>

#include <string>
#include <vector>

// The garage folder and its subfolders as a tree; choosing one shows the machines below it.
// The tree follows the disk without losing what the player opened or chose.
class GarageFolderTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit GarageFolderTree(QWidget* parent = nullptr);

    // The folder's own name at the top; below it the subfolders as the scan gives them
    // ("" for the folder itself, "対戦用/", "対戦用/重量級/").
    void showFolders(const QString& rootName, const std::vector<std::string>& folders);
    // The chosen folder below the garage ("" for the garage itself).
    QString chosenFolder() const;

Q_SIGNALS:
    void folderChosen(const QString& folder);

private:
    QTreeWidgetItem* itemFor(const QString& folder);

    QHash<QString, QTreeWidgetItem*> m_items;
};
