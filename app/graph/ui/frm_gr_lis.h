#pragma once
// The plot list: the station-years the graph window draws together. The selection window
// adds to it in its graph purpose (its action button calls AddPlotEntry); "Çiz" makes sure
// every listed station-year has its processed file, converting those that have none, and
// hands the list over for the graph window.
//
// The selection window's side of the hand-over:
//   - keep ProcessedFilePath() (signal processedFilePathChanged) as the path that decides
//     whether the graph window opens when the selection window closes;
//   - drawRequested(files) comes once the list is drawn, with PlotFiles(1..PlotFileCount);
//     open FormGraf with them (Anamenu::openGraphWindow);
//   - closed() comes whenever the plot list closes (after a draw too): close the selection
//     window as well. Closing without a draw empties ProcessedFilePath first, so no graph
//     opens.

#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

class QLabel;

namespace kovu3 {

class FrmGrLis final : public MdiForm {
    Q_OBJECT
  public:
    // The graph has colours for four stations.
    static constexpr int kMaxEntries = 4;

    // Converts one listed station-year that has no processed file yet. The selection
    // window may install one that selects the rows `stationPosition` of ListIst and
    // `yearPosition` of ListSuYili and runs its usual conversion; the default converts the
    // station-year its file name names with all raw files of the station (ConvertPlotEntry)
    // and shows what went wrong.
    using ConversionRunner =
        std::function<void(const std::string& fileName, int stationPosition, int yearPosition)>;

    explicit FrmGrLis(const ProgramSettings& settings, QWidget* parent = nullptr);
    ~FrmGrLis() override;

    void setConversionRunner(ConversionRunner runner) { runner_ = std::move(runner); }

    // Adds a station-year: `fileName` is the processed file name without folder (Label7 of
    // the selection window), the positions those of ListIst and ListSuYili (from 0). Sets
    // ProcessedFilePath. A name already listed is refused with a beep, a fifth entry with a
    // message; returns whether the entry was added.
    bool AddPlotEntry(const std::string& fileName, int stationPosition, int yearPosition);

    // The names handed to the graph window by the last draw (PlotFiles(1..PlotFileCount)).
    const std::vector<std::string>& PlotFiles() const { return plotFiles_; }
    int PlotFileCount() const { return static_cast<int>(plotFiles_.size()); }
    // Data folder + the name added or drawn last; empty after clearing.
    const std::string& ProcessedFilePath() const { return processedFilePath_; }

    // The buttons' work, as a click runs it.
    void Draw();              // Command2
    void Clear();             // Command1
    void RemoveRow(int row);  // double click on a row of List1

  signals:
    void beeped();
    void processedFilePathChanged(const QString& path);
    void drawRequested(const QStringList& plotFiles);
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void SetProcessedFilePath(std::string path);
    void EnableButtons();
    void ConvertMissing(const std::string& fileName, int stationPosition, int yearPosition);
    void Beep();
    void AnnounceClosing();

    const ProgramSettings& settings_;
    QLabel* label1_;
    QListWidget* list1_;
    QListWidget* list2_;
    QListWidget* list3_;
    QPushButton* command1_;
    QPushButton* command2_;
    ConversionRunner runner_;
    std::vector<std::string> plotFiles_;
    std::string processedFilePath_;
    bool drawn_ = false;
    bool closedAnnounced_ = false;
};

}  // namespace kovu3
