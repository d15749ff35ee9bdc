#include "processing/ui/folder_tree.h"

#include <QFileSystemModel>
#include <QHeaderView>
#include <QVBoxLayout>

namespace kovu3 {

FolderTree::FolderTree(const QString& treeName, QWidget* parent) : QWidget(parent) {
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    tree_ = new QTreeView(this);
    tree_->setObjectName(treeName);
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);
    tree_->header()->hide();
    tree_->setRootIndex(model_->index(QDir::rootPath()));
    path_ = new QLabel(this);
    path_->setObjectName(treeName + QStringLiteral("Path"));
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    path_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    layout->addWidget(path_);
    connect(tree_, &QTreeView::pressed, this, [this](const QModelIndex& index) {
        folder_ = model_->filePath(index);
        path_->setText(folder_);
        emit folderChosen(folder_);
    });
}

void FolderTree::setFolder(const QString& folder) {
    folder_ = folder;
    path_->setText(folder);
    const QModelIndex index = model_->index(folder);
    if (!index.isValid()) return;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

}  // namespace kovu3
