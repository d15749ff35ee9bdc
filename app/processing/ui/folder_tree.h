#pragma once
// The folder chooser of the selection window and the rating-curve window: the folders of
// the file system as a tree, the chosen one shown below it. It stands where the drive list
// and the folder list stood.

#include <QLabel>
#include <QString>
#include <QTreeView>
#include <QWidget>

class QFileSystemModel;

namespace kovu3 {

class FolderTree final : public QWidget {
    Q_OBJECT
  public:
    // `treeName` is the tree's object name ("Dir1").
    FolderTree(const QString& treeName, QWidget* parent = nullptr);

    // Shows the folder (opening the tree down to it) without announcing it.
    void setFolder(const QString& folder);
    QString folder() const { return folder_; }
    QTreeView* tree() const { return tree_; }

  signals:
    // The operator pressed a folder of the tree.
    void folderChosen(const QString& folder);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Choose(const QModelIndex& index);
    void ScrollToFolder();

    QFileSystemModel* model_;
    QTreeView* tree_;
    QLabel* path_;
    QString folder_;
    bool scrollPending_ = false;  // until the operator touches the tree
    bool scrollQueued_ = false;
};

}  // namespace kovu3
