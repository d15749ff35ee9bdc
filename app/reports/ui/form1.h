#pragma once
// The windows that follow the selection window for the two tables: Form1 makes the
// water-level table, Form1b the level-discharge table of the chosen processed file. Both ask
// only for the period of the readings sheet (or for none); the workbook is written on a
// worker thread and then opened in the spreadsheet program.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <string>

#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class BackgroundRun;
struct ReportResult;

class TableWindow : public MdiForm {
    Q_OBJECT
  public:
    ~TableWindow() override;
    void activated() override;
    bool running() const;

    // The buttons' work, as a click runs it.
    void Start();  // Command1
    void Leave();  // Command2

  signals:
    void beeped();
    // The workbook is written (and handed to the spreadsheet program).
    void tableWritten(const QString& path);

  protected:
    enum class Kind { LevelTable, LevelDischargeTable };
    TableWindow(Kind kind, const ProgramSettings& settings, std::string processedFile,
                std::string ratingCurve, Launcher launcher, QWidget* parent);
    void closeEvent(QCloseEvent* event) override;

  private:
    void Done(ReportResult result);
    void Beep();

    Kind kind_;
    const ProgramSettings& settings_;
    std::string processedFile_;
    std::string ratingCurve_;
    Launcher launcher_;
    QGroupBox* frame1_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QCheckBox* check1_;
    QLineEdit* text7_ = nullptr;
    QPushButton* command1_;
    QPushButton* command2_;
    QProgressBar* progress_;
    QLabel* status_;
    BackgroundRun* run_;
};

class Form1 final : public TableWindow {
    Q_OBJECT
  public:
    Form1(const ProgramSettings& settings, std::string processedFile, Launcher launcher,
          QWidget* parent = nullptr);
};

class Form1b final : public TableWindow {
    Q_OBJECT
  public:
    Form1b(const ProgramSettings& settings, std::string processedFile, std::string ratingCurve,
           Launcher launcher, QWidget* parent = nullptr);
};

}  // namespace kovu3
