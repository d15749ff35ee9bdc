#pragma once
// The report-file window: the workbooks of the data folder, opened in the spreadsheet
// program or deleted with the Delete key.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class Form2 final : public MdiForm {
    Q_OBJECT
  public:
    Form2(const ProgramSettings& settings, Launcher launcher, QWidget* parent = nullptr);
    void activated() override;

  signals:
    void beeped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Refresh();
    void OpenChosen();
    void DeleteChosen();
    void Beep();

    const ProgramSettings& settings_;
    Launcher launcher_;
    QGroupBox* frame_;
    QListWidget* files_;
    QLabel* folder_;
    QPushButton* open_;
    QPushButton* exit_;
};

}  // namespace kovu3
