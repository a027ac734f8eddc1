#include "windows/GarageFolderTree.h"

#include <QHeaderView>
#include <QSet>

#include <algorithm>

namespace {

constexpr int kFolderRole = Qt::UserRole;

// "対戦用/重量級/" lies in "対戦用/"; the top folders lie in "".
QString parentOf(const QString& folder)
{
    const qsizetype slash = folder.lastIndexOf('/', -2);
    return slash < 0 ? QString() : folder.left(slash + 1);
}

} // namespace

GarageFolderTree::GarageFolderTree(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName("tvGarageFolders");
    setHeaderHidden(true);
    setColumnCount(1);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) {
            Q_EMIT folderChosen(current->data(0, kFolderRole).toString());
        }
    });
}

QTreeWidgetItem* GarageFolderTree::itemFor(const QString& folder)
{
    if (QTreeWidgetItem* item = m_items.value(folder)) {
        return item;
    }
    QTreeWidgetItem* item = nullptr;
    if (folder.isEmpty()) {
        item = new QTreeWidgetItem(this);
    } else {
        item = new QTreeWidgetItem(itemFor(parentOf(folder)));
        item->setText(0, folder.mid(parentOf(folder).size()).chopped(1));
    }
    item->setData(0, kFolderRole, folder);
    m_items.insert(folder, item);
    return item;
}

void GarageFolderTree::showFolders(const QString& rootName, const std::vector<std::string>& folders)
{
    QSet<QString> present;
    for (const std::string& folder : folders) {
        present.insert(QString::fromStdString(folder));
        itemFor(QString::fromStdString(folder));
    }
    present.insert(QString());
    QTreeWidgetItem* root = itemFor(QString());
    root->setText(0, rootName);
    root->setExpanded(true);
    // Folders that went, deepest first, so no item is deleted with its parent before it.
    QStringList gone;
    for (auto it = m_items.constBegin(); it != m_items.constEnd(); ++it) {
        if (!present.contains(it.key())) {
            gone << it.key();
        }
    }
    std::sort(gone.begin(), gone.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    const bool chosenGoes = gone.contains(chosenFolder());
    for (const QString& folder : gone) {
        delete m_items.take(folder);
    }
    if (!currentItem() || chosenGoes) {
        setCurrentItem(root);
    }
}

QString GarageFolderTree::chosenFolder() const
{
    return currentItem() ? currentItem()->data(0, kFolderRole).toString() : QString();
}
