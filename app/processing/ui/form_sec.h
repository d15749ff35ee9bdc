#pragma once
// The station and water-year selection window, where the operators spend their day: the
// stations of the data folder, the raw files of a station in merge order, the water years
// they cover (marked when converted), the setup panel of a raw file, the readings page of
// the last run, and the action button that turns the menu's work command into work:
// converting a station-year, making a table, adding to the plot list, exporting to Flumo,
// or checking one raw file.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "processing/selection_purpose.h"
#include "processing/water_years.h"
#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class BackgroundRun;
class FolderTree;
class Form6;
class FrmGrLis;
class ReadingsPage;
class SetupPanelFrame;
struct ConversionResult;
struct RawFileResult;
struct SingleFileCheckResult;

// What the selection window needs of the main window.
struct SelectionWindowHooks {
    Launcher launcher;  // viewers, the spreadsheet program
    // Shows a further child window of the main window (the report window after closing,
    // the plot list beside the window) at a position.
    std::function<void(MdiForm*, QPoint)> showWindow;
    // Opens the graph window on the plot list's files.
    std::function<void(const std::vector<std::string>& files, const std::string& loggerType)>
        openGraph;
};

class FormSec final : public MdiForm {
    Q_OBJECT
  public:
    FormSec(ProgramSettings& settings, const QString& title, SelectionWindowHooks hooks,
            QWidget* parent = nullptr);
    ~FormSec() override;

    void activated() override;

    SelectionPurpose purpose() const { return purpose_; }
    bool running() const;
    // The processed file chosen for the window that follows; empty when none.
    const std::string& processedFilePath() const { return processedFilePath_; }
    const std::string& ratingCurvePath() const { return ratingCurvePath_; }
    const std::string& currentRawFile() const { return currentRawFile_; }

    // What the operator's mouse does, for scripts and tests: each runs the handlers a
    // press, a click and a release run, in that order.
    void ChooseDataFolder(const QString& folder);  // a folder of Dir1
    void ChooseStation(int row);                   // ListIst
    void ChooseYear(int row);                      // ListSuYili
    void ChooseRawFile(int row);                   // ListOrjDos
    void CheckRawFile(int row);                    // double click on ListOrjDos
    void Act();                                    // CmdTamam

  signals:
    void beeped();
    // A conversion or a single-file check has ended and its result is shown.
    void runFinished();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // form_sec_layout.cpp
    void BuildWindow(const QString& title);
    void Collapse();
    void Expand();
    void ReadingsLayout();
    void FitWindow();
    void RefreshColours();
    void ShowTurkishOnlyControls();
    void EnableMainMenus(bool enabled);

    // form_sec.cpp: the lists
    void DiscoverStations();
    void StationPressed();
    void StationClicked();
    void DiscoverYears(const std::vector<std::string>& rawFiles);
    void FillYearList(const std::vector<std::string>& rawFiles);
    void YearClicked();
    void PrepareAction();
    void DeleteYear();
    void RawFilePressed();
    void RawFileClicked();
    void DeleteRawFile();
    void ShowRawFileProblems(const RawFileResult& result);
    void RatingPathDeleted();
    void ChooseRatingCurve();
    void ShowControlForm();
    void RawFilesCorrected();
    std::vector<std::string> ListedRawFiles() const;
    std::string SelectedStation() const;
    QString SelectedYearText() const;
    void Beep();

    // form_sec_action.cpp: the action button and its runs
    enum class Action { None, Convert, DataControl, Start, Add };
    void SetAction(Action action);
    void RunConversion(int waterYear, const std::string& station);
    void ConversionDone(ConversionResult result);
    void RunSingleFileCheck();
    void SingleFileCheckDone(SingleFileCheckResult result, int stationRow,
                             const std::string& rawFile);
    void SetRunning(bool running);
    void ShowProgress(uint64_t done, uint64_t expected, const std::vector<uint64_t>& files);
    void ExportChosenYear();
    void AddToPlotList();
    void OpenPlotList();
    void OpenTargetWindow();
    void WriteDataDirectory();
    std::string ReadingsLogPath() const;
    std::string RawCopyPath() const;

    ProgramSettings& settings_;
    SelectionWindowHooks hooks_;
    SelectionPurpose purpose_;
    Action action_ = Action::None;
    bool convertMode_ = true;
    bool singleFileMode_ = false;
    bool closedByExit_ = false;
    bool closing_ = false;
    bool yearNeedsConversion_ = false;
    std::string listedStation_;  // whose raw files and years the lists show
    std::string currentStation_;
    int currentYear_ = 0;
    std::string currentRawFile_;
    std::string processedFilePath_;
    std::string ratingCurvePath_;
    std::vector<std::string> plotFiles_;  // handed over by the plot list's drawing

    FolderTree* dir1_;
    QGroupBox* frame1_;
    QGroupBox* frame5_;
    QListWidget* listIst_;
    QLineEdit* text1_;
    QLabel* label1_;
    QGroupBox* frame7_;
    QListWidget* listSuYili_;
    QLabel* label7_;
    QGroupBox* frame8_;
    QListWidget* listOrjDos_;
    QLineEdit* text2_;
    QLabel* label2_;
    QPushButton* command2_;
    QLineEdit* text7_;
    QPushButton* cmdTamam_;
    QPushButton* command3_;
    QPushButton* cmdVazgec_;
    QProgressBar* progressBar1_;
    QProgressBar* progressBar2_;
    QLabel* textLdatAdi_;
    QListWidget* listOnemliHatalar_;
    QWidget* leftColumn_;
    SetupPanelFrame* frame2_;
    QGroupBox* frame3_;
    QListWidget* listHata_;
    QListWidget* listSonTarih_;
    QPushButton* command1_;
    ReadingsPage* frame4_;
    Form6* form6_;
    QPointer<FrmGrLis> plotList_;
    BackgroundRun* run_;
};

}  // namespace kovu3
