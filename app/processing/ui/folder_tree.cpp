#include "processing/ui/folder_tree.h"

#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
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
    // The model reads folders in the background: show the chosen one once its folder is read.
    connect(model_, &QFileSystemModel::directoryLoaded, this, &FolderTree::ScrollToFolder);
    connect(model_, &QFileSystemModel::rowsInserted, this, &FolderTree::ScrollToFolder);
    tree_->viewport()->installEventFilter(this);
    tree_->installEventFilter(this);
    connect(tree_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { scrollPending_ = false; });
    // A press chooses a folder, and so does Enter on the keyboard (eventFilter).
    connect(tree_, &QTreeView::pressed, this, &FolderTree::Choose);
}

void FolderTree::setFolder(const QString& folder) {
    folder_ = QDir::cleanPath(folder);
    path_->setText(folder);
    scrollPending_ = true;
    ScrollToFolder();
}

void FolderTree::ScrollToFolder() {
    // After the view has laid out the rows just read; once the operator touches the tree it
    // stays where the operator moves it.
    if (!scrollPending_ || scrollQueued_) return;
    scrollQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        scrollQueued_ = false;
        if (!scrollPending_ || folder_.isEmpty()) return;
        const QModelIndex index = model_->index(folder_);
        if (!index.isValid()) return;
        for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
            tree_->expand(parent);
        tree_->setCurrentIndex(index);
        tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    });
}

void FolderTree::Choose(const QModelIndex& index) {
    if (!index.isValid()) return;
    folder_ = model_->filePath(index);
    path_->setText(folder_);
    emit folderChosen(folder_);
}

bool FolderTree::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::Wheel || type == QEvent::KeyPress)
        scrollPending_ = false;
    if (watched == tree_ && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Choose(tree_->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FolderTree::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ScrollToFolder();
}

}  // namespace kovu3
