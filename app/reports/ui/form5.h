#pragma once
// The rating-curve selection: the E*.dat files of a folder chosen in a folder tree that
// starts at the rating-curve folder of Kovu3.ini. Accepting names the rating curve of the
// level-discharge table, writes the folder back to Kovu3.ini and the path into the
// additional information of the current raw file; cancelling names none.

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "shell/program_settings.h"

namespace kovu3 {

class FolderTree;

class Form5 final : public QDialog {
    Q_OBJECT
  public:
    // `currentRawFile` may be empty: then no raw file's additional information is written.
    Form5(const ProgramSettings& settings, std::string currentRawFile, QWidget* parent = nullptr);

    // Shows the E*.dat files of a folder, as pressing it in the tree does.
    void ShowFolder(const QString& folder);
    // The buttons' work, as a click runs it.
    void Accept();  // Command2
    void Cancel();  // Command1

  signals:
    // The rating curve now chosen: a full path, or empty after Cancel.
    void chosen(const QString& path);

  private:
    void ListRatingCurves(const QString& folder);

    const ProgramSettings& settings_;
    std::string currentRawFile_;
    FolderTree* dir1_;
    QListWidget* file1_;
    QPushButton* command2_;
    QPushButton* command1_;
};

}  // namespace kovu3
