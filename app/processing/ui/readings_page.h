#pragma once
// The readings panel Frame4 of the selection window: the readings log of the last run, page
// by page, in a fixed-pitch font. A line picked shows its editable field in Text5 (the
// level of a reading; time and level of a logged maximum in red or minimum in blue);
// typing there marks the line "#Degisti" and CmdDatDuzelt writes the page's corrections
// into the raw files.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "processing/raw_data_corrections.h"
#include "processing/readings_log.h"
#include "shell/program_settings.h"

namespace kovu3 {

class ReadingsPage final : public QGroupBox {
    Q_OBJECT
  public:
    explicit ReadingsPage(const ProgramSettings& settings, QWidget* parent = nullptr);

    // Shows page 1 of the log; the header has a discharge column when `withDischarge`.
    void LoadLog(const std::filesystem::path& log, bool withDischarge);
    // Empties the page and disables paging.
    void Clear();
    void setHeaderVisible(bool visible) { label19_->setVisible(visible); }

    bool hasUnsavedCorrections() const { return !unsaved_.empty(); }
    int currentPage() const { return page_; }
    int pageCount() const { return log_ ? log_->PageCount(settings_.ListPageSize) : 0; }
    QWidget* pageControls() const { return frame6_; }

    // The buttons' work, as a click runs it. Leaving a page with unsaved corrections asks
    // first (the question stays open; its Yes goes on).
    void NextPage();         // Command10
    void PreviousPage();     // Command9
    void SaveCorrections();  // CmdDatDuzelt

  signals:
    void beeped();
    // Corrections reached the raw files; `deleted` are the products removed with them.
    void rawFilesCorrected(const QStringList& files, const QStringList& deleted);

  private:
    void LeavePage(int page);
    void ShowPage(int page);
    void LineChosen(int row);
    void ValueTyped(const QString& text);
    void UpdateSaveButton();
    void Beep();

    const ProgramSettings& settings_;
    QLabel* label19_;
    QListWidget* list9_;
    QWidget* frame6_;
    QPushButton* previous_;
    QLineEdit* text12_;
    QPushButton* next_;
    QLineEdit* text5_;
    QPushButton* save_;
    std::unique_ptr<ReadingsLog> log_;
    int page_ = 0;
    int chosenRow_ = -1;
    LogLineKind chosenKind_ = LogLineKind::Reading;
    std::string chosenLine_;  // the line as it was picked; every key edits it afresh
    std::set<int> unsaved_;   // rows edited since the page was loaded or saved
};

}  // namespace kovu3
