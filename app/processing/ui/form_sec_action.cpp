// The action button CmdTamam of the selection window and the runs it starts: converting a
// station-year on a worker thread (the window repaints and both progress bars move), the
// single-file check, the export to Flumo, the plot list, and the window that follows the
// selection when it closes.

#include <QApplication>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <algorithm>
#include <filesystem>

#include "graph/ui/frm_gr_lis.h"
#include "processing/conversion.h"
#include "processing/station_year_data.h"
#include "processing/ui/background_run.h"
#include "processing/ui/form6.h"
#include "processing/ui/form_sec.h"
#include "processing/ui/readings_page.h"
#include "rawfile/additional_info.h"
#include "rawfile/raw_decoder.h"
#include "rawfile/ui/setup_panel_frame.h"
#include "reports/flumo_export.h"
#include "reports/ui/form1.h"
#include "shell/ini_values.h"
#include "shell/station_store.h"
#include "shell/ui/frm_logo.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

QString Word(const std::string& word, const char* design) {
    return Q(word.empty() ? std::string(design) : word);
}

// A message box that does not block, with its own icon and title.
void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("message"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// Where each raw file of the run begins in the run's byte count, from the files that
// cover the year: the second bar follows the file being walked.
std::vector<uint64_t> FileStarts(const std::vector<std::string>& rawFiles, int waterYear,
                                 const ProgramSettings& settings) {
    std::vector<uint64_t> starts;
    uint64_t start = 0;
    for (const std::string& name : rawFiles) {
        RawFileResult file = ReadRawFile(name, settings);
        if (!file.errorText.empty() || waterYear < file.timeBase.WaterYear ||
            waterYear > file.timeBase.LastWaterYear)
            continue;
        starts.push_back(start);
        start += file.fileLength;
    }
    starts.push_back(start);
    return starts;
}

}  // namespace

void FormSec::SetAction(Action action) {
    const LanguageTexts& texts = settings_.texts;
    action_ = action;
    switch (action) {
        case Action::None:
            cmdTamam_->setText(Caption(texts, 49, "..."));
            break;
        case Action::Convert:
            cmdTamam_->setText(Word(texts.WordConvert, "Donustur"));
            break;
        case Action::DataControl:
            cmdTamam_->setText(Word(texts.WordDataControl, "Data Kontrol"));
            break;
        case Action::Start:
            cmdTamam_->setText(Caption(texts, 106, "Başla"));
            break;
        case Action::Add:
            cmdTamam_->setText(Word(texts.WordAdd, "Ekle"));
            break;
    }
}

void FormSec::Act() {
    if (running() || action_ == Action::None) return;
    const LanguageTexts& texts = settings_.texts;
    // The entry chosen now, however it was reached (mouse or keys).
    const QString yearText = SelectedYearText();
    if (action_ != Action::DataControl) {
        currentYear_ = yearText.left(4).toInt();
        currentStation_ = listedStation_;
    }
    // Tables, graph and export refuse a year of the other calendar.
    if (action_ != Action::Convert && action_ != Action::DataControl &&
        CalendarMismatch(settings_.Language(), currentYear_)) {
        ShowMessage(this,
                    Caption(texts, 119, "Seçtiğiniz dil ile dosya birbileri ile uyuşmuyor..."));
        return;
    }
    const bool converted =
        !texts.WordConverted.empty() && yearText.contains(Q(texts.WordConverted));
    yearNeedsConversion_ = !converted;
    if (yearNeedsConversion_) {
        progressBar1_->setValue(0);
        progressBar2_->setValue(0);
        progressBar1_->show();
        progressBar2_->show();
    }
    if (action_ == Action::Convert && !yearNeedsConversion_) {
        Beep();  // a converted year is deleted first (Delete key)
        return;
    }
    frame4_->pageControls()->hide();
    frame4_->Clear();
    WriteDataDirectory();

    if (purpose_ == SelectionPurpose::Export) {
        processedFilePath_ =
            settings_.DataDirectory + ProcessedFileName(currentYear_, currentStation_);
        ExportChosenYear();
        return;
    }
    if (purpose_ == SelectionPurpose::Graph) {
        AddToPlotList();
        return;
    }
    int year = currentYear_;
    std::string station = currentStation_;
    if (action_ == Action::DataControl) {
        RawFileResult file = ReadRawFile(currentRawFile_, settings_);
        if (!file.errorText.empty()) {
            Beep();
            return;
        }
        year = file.timeBase.WaterYear;
        station = file.setup.StationKey;
    }
    currentYear_ = year;
    currentStation_ = station;
    processedFilePath_ = settings_.DataDirectory + ProcessedFileName(year, station);
    if (action_ == Action::DataControl) {
        RunSingleFileCheck();
        return;
    }
    std::error_code ec;
    if ((purpose_ != SelectionPurpose::ControlAndMerge && converted) ||
        fs::exists(processedFilePath_, ec)) {
        CloseForm(this);  // the report window opens on the processed file
        return;
    }
    if (yearText.isEmpty()) {
        Beep();
        return;
    }
    RunConversion(year, station);
}

void FormSec::RunConversion(int waterYear, const std::string& station) {
    ConversionRequest request;
    request.station = station;
    request.waterYear = waterYear;
    request.rawFiles = ListedRawFiles();
    request.stationName = StationName(settings_.StationDatabasePath, station);
    request.readingsLog = ReadingsLogPath();
    request.rawCopy = RawCopyPath();
    textLdatAdi_->setText(Q(processedFilePath_));
    SetRunning(true);
    // The worker gets its own copy of the settings: the window may change its own meanwhile.
    auto starts = std::make_shared<std::vector<uint64_t>>();
    run_->start<ConversionResult>(
        [request, settings = settings_, starts](const BackgroundRun::Progress& progress) mutable {
            *starts = FileStarts(request.rawFiles, request.waterYear, settings);
            request.progress = progress;
            return ConvertStationYear(request, settings);
        },
        [this](ConversionResult result) { ConversionDone(std::move(result)); },
        [this, starts](uint64_t done, uint64_t expected) {
            ShowProgress(done, expected, *starts);
        });
}

void FormSec::ShowProgress(uint64_t done, uint64_t expected, const std::vector<uint64_t>& files) {
    progressBar1_->setValue(
        static_cast<int>(std::min(done, expected) * 1000 / std::max<uint64_t>(expected, 1)));
    if (files.size() < 2) return;
    // The file being walked: the last one whose start the count has reached.
    auto next = std::upper_bound(files.begin(), files.end() - 1, done);
    const size_t i = next == files.begin() ? 0 : static_cast<size_t>(next - files.begin()) - 1;
    const uint64_t length = std::max<uint64_t>(files[i + 1] - files[i], 1);
    progressBar2_->setValue(
        static_cast<int>(std::min(done - std::min(done, files[i]), length) * 1000 / length));
}

void FormSec::ConversionDone(ConversionResult result) {
    SetRunning(false);
    form6_->SetLists(result.List2, result.List5);
    std::vector<std::string> problems = result.problems;
    if (!result.fileNameMessage.empty()) {
        ShowBox(this, QMessageBox::Critical, Word(settings_.texts.WordAttention, "DİKKAT"),
                Q(result.fileNameMessage));
    } else if (!result.error.empty()) {
        Beep();
        problems.insert(problems.begin(), result.error);
        ShowMessage(this, Q(result.error));
    }
    for (QListWidget* list : {listOnemliHatalar_}) {
        list->clear();
        for (const std::string& line : problems) list->addItem(Q(line));
        list->setVisible(!problems.empty());
    }
    const bool withDischarge =
        !result.mergedFiles.empty() &&
        !ReadCurrentAdditionalInfo("AnahtarDirectory", result.mergedFiles.front(),
                                   settings_.DataDirectory)
             .empty();
    if (result.error.empty() || !result.fileNameMessage.empty()) {
        frame4_->LoadLog(ReadingsLogPath(), withDischarge);
        frame4_->pageControls()->show();
    }
    progressBar1_->hide();
    progressBar2_->hide();
    ReadingsLayout();

    const int row = listSuYili_->currentRow();
    DiscoverYears(ListedRawFiles());
    if (row >= 0 && row < listSuYili_->count()) listSuYili_->setCurrentRow(row);
    emit runFinished();
    std::error_code ec;
    if (purpose_ != SelectionPurpose::ControlAndMerge && result.written &&
        fs::exists(processedFilePath_, ec))
        CloseForm(this);  // the report window opens on the new processed file
}

void FormSec::RunSingleFileCheck() {
    // The raw file pressed last, whose setup panel is shown.
    const std::string rawFile = currentRawFile_;
    if (running() || rawFile.empty() || !convertMode_ ||
        listOrjDos_->findItems(Q(rawFile), Qt::MatchExactly).isEmpty())
        return;
    const auto listed = listIst_->findItems(Q(listedStation_), Qt::MatchExactly);
    const int stationRow =
        listed.isEmpty() ? listIst_->currentRow() : listIst_->row(listed.first());
    textLdatAdi_->setText(Q(rawFile));
    frame4_->pageControls()->hide();
    frame4_->Clear();
    SetRunning(true);
    progressBar1_->setValue(0);
    progressBar1_->show();
    progressBar2_->hide();
    const std::string log = ReadingsLogPath();
    const std::string copy = RawCopyPath();
    run_->start<SingleFileCheckResult>(
        [rawFile, log, copy, settings = settings_](const BackgroundRun::Progress& progress) {
            return CheckSingleFile(rawFile, log, copy, settings, progress);
        },
        [this, stationRow, rawFile](SingleFileCheckResult result) {
            SingleFileCheckDone(std::move(result), stationRow, rawFile);
        },
        [this](uint64_t done, uint64_t expected) { ShowProgress(done, expected, {}); });
}

void FormSec::SingleFileCheckDone(SingleFileCheckResult result, int stationRow,
                                  const std::string& rawFile) {
    SetRunning(false);
    progressBar1_->hide();
    if (!result.fileNameMessage.empty())
        ShowBox(this, QMessageBox::Critical, Word(settings_.texts.WordAttention, "DİKKAT"),
                Q(result.fileNameMessage));
    if (!result.error.empty() && result.fileNameMessage.empty()) {
        Beep();
    } else {
        if (!result.processedFilePath.empty())
            processedFilePath_ = result.processedFilePath.string();
        frame4_->LoadLog(ReadingsLogPath(), !ratingCurvePath_.empty());
        frame4_->pageControls()->show();
    }
    // The lists anew, the checked file chosen again with its setup panel beside the page.
    if (stationRow >= 0 && stationRow < listIst_->count()) {
        listIst_->setCurrentRow(stationRow);
        StationClicked();
    }
    const auto found = listOrjDos_->findItems(Q(rawFile), Qt::MatchExactly);
    if (!found.isEmpty()) {
        listOrjDos_->setCurrentItem(found.first());
        RawFilePressed();
        text7_->setText(Q(ratingCurvePath_));
        ShowTurkishOnlyControls();
        Expand();
    }
    emit runFinished();
}

void FormSec::SetRunning(bool running) {
    const bool idle = !running;
    cmdTamam_->setEnabled(idle);
    cmdVazgec_->setEnabled(idle);
    frame2_->setEnabled(idle);
    frame4_->setEnabled(idle);
    for (QWidget* frame : {static_cast<QWidget*>(frame1_), static_cast<QWidget*>(frame5_),
                           static_cast<QWidget*>(frame7_)})
        frame->setEnabled(idle);
    frame8_->setEnabled(idle && convertMode_);
    if (running)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void FormSec::ExportChosenYear() {
    FlumoResult result = ExportToFlumo(processedFilePath_, settings_);
    if (!result.error.empty()) {
        Beep();
        ShowMessage(this, Q(result.error));
        return;
    }
    ShowBox(this, QMessageBox::Critical, QString(), Q(result.message));
}

void FormSec::OpenPlotList() {
    if (plotList_) return;
    auto* list = new FrmGrLis(settings_);
    plotList_ = list;
    connect(list, &FrmGrLis::processedFilePathChanged, this,
            [this](const QString& path) { processedFilePath_ = Std(path); });
    connect(list, &FrmGrLis::beeped, this, &FormSec::beeped);
    connect(list, &FrmGrLis::drawRequested, this, [this](const QStringList& files) {
        plotFiles_.clear();
        for (const QString& file : files) plotFiles_.push_back(Std(file));
    });
    connect(list, &FrmGrLis::closed, this, [this] {
        plotList_ = nullptr;
        if (!running() && !closing_) CloseForm(this);
    });
    // Beside the selection window.
    QPoint where(Twips(4400), 0);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        where = QPoint(frame->geometry().right() + 1, 0);
    if (hooks_.showWindow)
        hooks_.showWindow(list, where);
    else
        list->show();
}

void FormSec::AddToPlotList() {
    if (!plotList_) OpenPlotList();
    const auto station = listIst_->findItems(Q(currentStation_), Qt::MatchExactly);
    plotList_->AddPlotEntry(ProcessedFileName(currentYear_, currentStation_),
                            station.isEmpty() ? -1 : listIst_->row(station.first()),
                            listSuYili_->currentRow());
}

void FormSec::OpenTargetWindow() {
    const std::string& target = settings_.TargetWindow;
    MdiForm* next = nullptr;
    QPoint where;
    if (target == "Form1") {
        next = new Form1(settings_, processedFilePath_, hooks_.launcher);
    } else if (target == "Form1b") {
        next = new Form1b(settings_, processedFilePath_, ratingCurvePath_, hooks_.launcher);
    } else if (target == "FormGraf") {
        // Only a drawn plot list opens the graph; its closing without drawing empties the path.
        if (!plotFiles_.empty() && hooks_.openGraph)
            hooks_.openGraph(plotFiles_, frame2_->lastDecoding().setup.LoggerType);
        return;
    } else if (target == "FrmLogo") {
        next = new FrmLogo(settings_);
        where = QPoint(Twips(75), Twips(40));
    }
    if (!next) return;
    if (hooks_.showWindow)
        hooks_.showWindow(next, where);
    else
        next->show();
}

void FormSec::WriteDataDirectory() {
    std::string error =
        WriteIniValue(settings_.IniPath, "Genel", "DataDirectory", settings_.DataDirectory);
    if (!error.empty()) ShowMessage(this, Q(error));
}

std::string FormSec::ReadingsLogPath() const {
    return (fs::path(settings_.ProgramFolder) / "List3.sil").string();
}

std::string FormSec::RawCopyPath() const {
    if (settings_.CurrentFolder.empty()) return {};
    return (fs::path(settings_.CurrentFolder) / "Gecici.txt").string();
}

}  // namespace kovu3
