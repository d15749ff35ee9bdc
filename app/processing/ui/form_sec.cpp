#include "processing/ui/form_sec.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>

#include "graph/ui/frm_gr_lis.h"
#include "processing/raw_data_corrections.h"
#include "processing/station_files.h"
#include "processing/ui/background_run.h"
#include "processing/ui/folder_tree.h"
#include "processing/ui/form6.h"
#include "processing/ui/readings_page.h"
#include "rawfile/additional_info.h"
#include "rawfile/ui/setup_panel_frame.h"
#include "reports/ui/form5.h"
#include "shell/ini_values.h"
#include "shell/station_store.h"

namespace kovu3 {
namespace {

// Shows the hourglass while the window scans the folder or decodes files.
class WaitCursor final {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void Fill(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines) list->addItem(Q(line));
}

}  // namespace

FormSec::FormSec(ProgramSettings& settings, const QString& title, SelectionWindowHooks hooks,
                 QWidget* parent)
    : MdiForm(parent),
      settings_(settings),
      hooks_(std::move(hooks)),
      purpose_(PurposeOfOperation(settings.SelectedOperation, settings.Language())) {
    BuildWindow(title);

    connect(dir1_, &FolderTree::folderChosen, this, &FormSec::ChooseDataFolder);
    connect(listIst_, &QListWidget::itemPressed, this, &FormSec::StationPressed);
    connect(listIst_, &QListWidget::itemClicked, this, &FormSec::StationClicked);
    connect(listSuYili_, &QListWidget::itemPressed, this, &FormSec::PrepareAction);
    connect(listSuYili_, &QListWidget::itemClicked, this, [this] {
        YearClicked();
        Collapse();  // the release
    });
    connect(listSuYili_, &QListWidget::itemDoubleClicked, this, &FormSec::Act);
    connect(listOrjDos_, &QListWidget::itemPressed, this, &FormSec::RawFilePressed);
    connect(listOrjDos_, &QListWidget::itemClicked, this, &FormSec::RawFileClicked);
    connect(listOrjDos_, &QListWidget::itemDoubleClicked, this, &FormSec::RunSingleFileCheck);
    connect(cmdTamam_, &QPushButton::clicked, this, &FormSec::Act);
    connect(command1_, &QPushButton::clicked, frame3_, &QWidget::hide);
    connect(command2_, &QPushButton::clicked, this, &FormSec::ChooseRatingCurve);
    connect(command3_, &QPushButton::clicked, this, &FormSec::ShowControlForm);
    connect(cmdVazgec_, &QPushButton::clicked, this, [this] {
        WriteDataDirectory();
        processedFilePath_.clear();
        closedByExit_ = true;
        CloseForm(this);
    });
    connect(frame4_, &ReadingsPage::rawFilesCorrected, this, &FormSec::RawFilesCorrected);
    connect(frame4_, &ReadingsPage::beeped, this, &FormSec::beeped);
    connect(frame2_, &SetupPanelFrame::rawFileChanged, this,
            [this] { ShowRawFileProblems(frame2_->lastDecoding()); });
    for (QWidget* watched : {static_cast<QWidget*>(listSuYili_), static_cast<QWidget*>(listOrjDos_),
                             static_cast<QWidget*>(text7_)})
        watched->installEventFilter(this);

    // The load handler.
    frame4_->Clear();
    cmdTamam_->setEnabled(false);
    frame2_->rawDataButton()->setEnabled(false);
    settings_.DataDirectory =
        ReadIniValue(settings_.IniPath, "Genel", "DataDirectory", settings_.layout);
    if (settings_.DataDirectory.empty())
        settings_.DataDirectory = NormalizeFolder("", settings_.layout);
    dir1_->setFolder(Q(settings_.DataDirectory));
    frame3_->hide();
    Collapse();
    DiscoverStations();
}

FormSec::~FormSec() = default;

bool FormSec::running() const {
    return run_->running();
}

void FormSec::activated() {
    frame2_->correctedNote()->hide();
    frame2_->disableSave();
    const int level = settings_.ProgrammerLevel;
    listSonTarih_->setVisible(level == 1);
    frame2_->rawDataButton()->setVisible(level == 1 || level == 2);
    if (level != 1 && level != 2) frame3_->hide();
    // A data folder that has gone meanwhile falls back to the system root's.
    if (std::string folder = NormalizeFolder(settings_.DataDirectory, settings_.layout);
        folder != settings_.DataDirectory) {
        settings_.DataDirectory = folder;
        dir1_->setFolder(Q(folder));
    }
    if (!running()) {
        progressBar1_->setValue(0);
        progressBar2_->setValue(0);
    }
    EnableMainMenus(false);
    ShowTurkishOnlyControls();
    if (listOrjDos_->isEnabled())
        listOrjDos_->setFocus();
    else
        dir1_->tree()->setFocus();

    convertMode_ = true;
    switch (purpose_) {
        case SelectionPurpose::LevelTable:
        case SelectionPurpose::LevelDischargeTable:
        case SelectionPurpose::Export:
            convertMode_ = false;
            SetAction(Action::Start);
            break;
        case SelectionPurpose::Graph:
            convertMode_ = false;
            OpenPlotList();
            break;
        case SelectionPurpose::ControlAndMerge:
            break;
    }
    frame8_->setEnabled(convertMode_ && !running());
    RefreshColours();
}

// Station discovery: the stations of the data folder and, until one is chosen, all raw files.
void FormSec::ChooseDataFolder(const QString& folder) {
    if (running()) return;
    settings_.DataDirectory = NormalizeFolder(Std(folder), settings_.layout);
    if (QDir::cleanPath(Q(settings_.DataDirectory)) != dir1_->folder())
        dir1_->setFolder(Q(settings_.DataDirectory));
    DiscoverStations();
}

void FormSec::DiscoverStations() {
    WaitCursor wait;
    listIst_->clear();
    listOrjDos_->clear();
    listSuYili_->clear();
    listedStation_.clear();
    currentStation_.clear();
    currentRawFile_.clear();
    frame5_->setTitle(Caption(settings_.texts, 61, "İstasyon"));
    const std::vector<std::string> stations = ListStations(settings_.DataDirectory);
    Fill(listIst_, stations);
    text1_->setText(QString::number(listIst_->count()));
    std::vector<std::string> all;
    for (const std::string& station : stations)
        for (std::string& name : ListStationRawFiles(settings_.DataDirectory, station))
            all.push_back(std::move(name));
    Fill(listOrjDos_, all);
    text2_->setText(QString::number(listOrjDos_->count()));
}

void FormSec::ChooseStation(int row) {
    if (running() || row < 0 || row >= listIst_->count()) return;
    listIst_->setCurrentRow(row);
    StationPressed();
    StationClicked();
}

void FormSec::StationPressed() {
    listOrjDos_->clear();
    Collapse();
}

void FormSec::StationClicked() {
    if (running()) return;
    WaitCursor wait;
    listOrjDos_->clear();
    listSuYili_->clear();
    if (listIst_->count() == 0) return;
    if (listIst_->currentRow() < 0) listIst_->setCurrentRow(0);
    listedStation_ = currentStation_ = SelectedStation();
    currentRawFile_.clear();  // the raw files listed before are gone from the list
    const std::string name = StationName(settings_.StationDatabasePath, currentStation_);
    frame5_->setTitle((Caption(settings_.texts, 61, "İstasyon") + QStringLiteral(": ") +
                       Q(currentStation_) + QLatin1Char(' ') + Q(name))
                          .trimmed());
    settings_.DataDirectory = NormalizeFolder(settings_.DataDirectory, settings_.layout);
    const std::vector<std::string> files =
        ListStationRawFiles(settings_.DataDirectory, currentStation_);
    Fill(listOrjDos_, files);
    text2_->setText(QString::number(listOrjDos_->count()));
    DiscoverYears(files);
}

void FormSec::DiscoverYears(const std::vector<std::string>& rawFiles) {
    FillYearList(rawFiles);
    SetAction(Action::None);
    cmdTamam_->setEnabled(false);
    frame2_->rawDataButton()->setEnabled(false);
    frame2_->hide();
    RefreshColours();
    command2_->setEnabled(false);
    text7_->hide();
}

void FormSec::FillYearList(const std::vector<std::string>& rawFiles) {
    WaitCursor wait;
    listSuYili_->clear();
    WaterYearScan scan = DiscoverWaterYears(currentStation_, rawFiles, settings_);
    for (const WaterYearEntry& entry : scan.years)
        listSuYili_->addItem(Q(WaterYearListText(entry, settings_.texts)));
    Fill(listOnemliHatalar_, scan.rejected);
    listOnemliHatalar_->setVisible(!scan.rejected.empty());
}

void FormSec::ChooseYear(int row) {
    if (running() || row < 0 || row >= listSuYili_->count()) return;
    listSuYili_->setCurrentRow(row);
    PrepareAction();
    YearClicked();
    Collapse();
}

void FormSec::YearClicked() {
    frame2_->hide();
    listOrjDos_->clearSelection();
    listOrjDos_->setCurrentRow(-1);
    // The station whose years these are, even when the station list was moved by keys since.
    currentStation_ = listedStation_;
    currentYear_ = SelectedYearText().left(4).toInt();
    label7_->setText(Q("S" + std::to_string(currentYear_) + currentStation_ + ".txt"));
    if (currentYear_ > 0) {
        ratingCurvePath_.clear();
        text7_->clear();
    }
    RefreshColours();
}

// The action button by purpose, when a year is pressed.
void FormSec::PrepareAction() {
    singleFileMode_ = false;
    command2_->setVisible(settings_.Language() == "TURKCE");
    command2_->setEnabled(false);
    text7_->hide();
    frame2_->rawDataButton()->setEnabled(false);
    switch (purpose_) {
        case SelectionPurpose::LevelTable:
        case SelectionPurpose::LevelDischargeTable:
            convertMode_ = false;
            SetAction(Action::Start);
            command2_->setEnabled(purpose_ == SelectionPurpose::LevelDischargeTable);
            break;
        case SelectionPurpose::ControlAndMerge:
            SetAction(Action::Convert);
            break;
        case SelectionPurpose::Graph:
            SetAction(Action::Add);
            break;
        case SelectionPurpose::Export:
            SetAction(Action::Start);
            break;
    }
    cmdTamam_->setEnabled(true);
}

// Delete key on a year: its processed file and workbooks go, the lists are built again.
void FormSec::DeleteYear() {
    const int row = listSuYili_->currentRow();
    if (row < 0 || running()) return;
    const int year = SelectedYearText().left(4).toInt();
    DeleteStationYearProducts(settings_.DataDirectory, year, listedStation_);
    StationClicked();
    Collapse();
    if (row < listSuYili_->count()) listSuYili_->setCurrentRow(row);
    PrepareAction();
}

void FormSec::ChooseRawFile(int row) {
    if (running() || row < 0 || row >= listOrjDos_->count()) return;
    listOrjDos_->setCurrentRow(row);
    RawFilePressed();
    RawFileClicked();
}

// Pressing a raw file prepares its single-file check and shows its setup parameters.
void FormSec::RawFilePressed() {
    if (running() || !listOrjDos_->currentItem()) return;
    frame2_->show();
    if (settings_.ProgrammerLevel == 1 || settings_.ProgrammerLevel == 2) frame3_->show();
    frame4_->show();
    text7_->setEnabled(true);
    command2_->setEnabled(true);
    SetAction(Action::DataControl);
    cmdTamam_->setEnabled(true);
    singleFileMode_ = true;
    listSuYili_->clearSelection();
    listSuYili_->setCurrentRow(-1);
    currentRawFile_ = Std(listOrjDos_->currentItem()->text());
    WaitCursor wait;
    ShowRawFileProblems(frame2_->ShowRawFile(currentRawFile_));
    frame2_->rawDataButton()->setEnabled(true);
    FitWindow();
}

void FormSec::RawFileClicked() {
    if (running() || !listOrjDos_->currentItem()) return;
    frame3_->setVisible(settings_.ProgrammerLevel == 1);
    frame4_->Clear();
    ratingCurvePath_ =
        ReadCurrentAdditionalInfo("AnahtarDirectory", currentRawFile_, settings_.DataDirectory);
    text7_->setText(Q(ratingCurvePath_));
    Expand();
    label7_->clear();
    RefreshColours();
    ShowTurkishOnlyControls();
}

void FormSec::ShowRawFileProblems(const RawFileResult& result) {
    Fill(listOnemliHatalar_, result.ListOnemliHatalar);
    listOnemliHatalar_->setVisible(result.showImportantProblems);
    Fill(listHata_, result.Listhata);
    Fill(listSonTarih_, result.ListSonTarih());
    if (!result.criticalMessage.empty()) {
        Beep();
        auto* box = new QMessageBox(QMessageBox::Critical, Q(settings_.texts.WordAttention),
                                    Q(result.criticalMessage), QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("message"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}

// Delete key on a raw file, for the programmer: asked first, and the file is kept in
// yedek/silinen/ rather than destroyed, since it cannot be read out of the logger again.
void FormSec::DeleteRawFile() {
    QListWidgetItem* item = listOrjDos_->currentItem();
    if (settings_.ProgrammerLevel != 1 || !item || running()) return;
    const std::string name = Std(item->text());
    const int row = listOrjDos_->currentRow();
    const bool turkish = settings_.Language() == "TURKCE";
    auto* box = new QMessageBox(
        QMessageBox::Question, Q(settings_.texts.WordAttention),
        turkish
            ? QString::fromUtf8(
                  "%1 ham dosyası veri klasöründen alınıp yedek/silinen/ klasörüne taşınsın mı?")
                  .arg(Q(name))
            : QStringLiteral("Move the raw file %1 out of the data folder into yedek/silinen/?")
                  .arg(Q(name)),
        QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("message"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, name, row](int) {
        if (box->clickedButton() != box->button(QMessageBox::Yes)) return;
        RawFileRemoval removal = MoveRawFileToBackup(settings_.DataDirectory, name);
        if (!removal.error.empty()) {
            ShowMessage(this, Q(removal.error));
            return;
        }
        if (currentRawFile_ == name) {
            currentRawFile_.clear();
            frame2_->Clear();
        }
        const int top = listOrjDos_->indexAt(QPoint(1, 1)).row();
        StationClicked();
        if (row < listOrjDos_->count()) {
            if (top >= 0 && top < listOrjDos_->count())
                listOrjDos_->scrollToItem(listOrjDos_->item(top), QAbstractItemView::PositionAtTop);
            listOrjDos_->setCurrentRow(row);
        }
    });
    box->open();
}

// Delete in the rating-curve box: the raw file forgets its rating curve.
void FormSec::RatingPathDeleted() {
    text7_->clear();
    ratingCurvePath_.clear();
    frame4_->Clear();
    frame4_->setHeaderVisible(true);
    if (currentRawFile_.empty()) return;
    std::string error = WriteCurrentAdditionalInfo("AnahtarDirectory", "", currentRawFile_,
                                                   settings_.DataDirectory);
    if (!error.empty()) ShowMessage(this, Q(error));
}

void FormSec::ChooseRatingCurve() {
    auto* form5 = new Form5(settings_, currentRawFile_, this);
    form5->setAttribute(Qt::WA_DeleteOnClose);
    connect(form5, &Form5::chosen, this, [this](const QString& path) {
        ratingCurvePath_ = Std(path);
        text7_->setText(path);
        text7_->setVisible(!path.isEmpty() || settings_.Language() == "TURKCE");
        if (!path.isEmpty()) {
            frame4_->Clear();
            frame4_->setHeaderVisible(false);
        }
    });
    form5->open();
}

void FormSec::ShowControlForm() {
    form6_->ShowForm();
}

// Corrections reached the raw files: their converted years lose the mark.
void FormSec::RawFilesCorrected() {
    const std::string shown = currentRawFile_;
    FillYearList(ListedRawFiles());
    if (!shown.empty() && shown == frame2_->fileName())
        ShowRawFileProblems(frame2_->ShowRawFile(shown));
}

std::vector<std::string> FormSec::ListedRawFiles() const {
    std::vector<std::string> files;
    for (int row = 0; row < listOrjDos_->count(); ++row)
        files.push_back(Std(listOrjDos_->item(row)->text()));
    return files;
}

std::string FormSec::SelectedStation() const {
    QListWidgetItem* item = listIst_->currentItem();
    return item ? Std(item->text().trimmed()) : std::string();
}

QString FormSec::SelectedYearText() const {
    QListWidgetItem* item = listSuYili_->currentItem();
    return item ? item->text().trimmed() : QString();
}

void FormSec::Beep() {
    QApplication::beep();
    emit beeped();
}

bool FormSec::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == listSuYili_ && key == Qt::Key_Delete) {
            DeleteYear();
            return true;
        }
        if (watched == listSuYili_ && key == Qt::Key_Q) {
            ShowControlForm();
            return true;
        }
        if (watched == text7_ && key == Qt::Key_Delete) {
            RatingPathDeleted();
            return true;
        }
    }
    if (event->type() == QEvent::KeyRelease && watched == listOrjDos_ &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteRawFile();
        return true;
    }
    return MdiForm::eventFilter(watched, event);
}

void FormSec::closeEvent(QCloseEvent* event) {
    // A run writes into the data folder: the window stays until it has ended.
    if (running()) {
        event->ignore();
        Beep();
        return;
    }
    closing_ = true;
    WriteDataDirectory();
    EnableMainMenus(true);
    if (plotList_) {
        FrmGrLis* list = plotList_;
        plotList_ = nullptr;
        CloseForm(list);
    }
    if (!closedByExit_ && !processedFilePath_.empty()) OpenTargetWindow();
    MdiForm::closeEvent(event);
}

}  // namespace kovu3
