#include "reports/ui/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "processing/ui/background_run.h"
#include "reports/level_table.h"
#include "reports/processed_file_reader.h"

namespace kovu3 {

TableWindow::TableWindow(Kind kind, const ProgramSettings& settings, std::string processedFile,
                         std::string ratingCurve, Launcher launcher, QWidget* parent)
    : MdiForm(parent),
      kind_(kind),
      settings_(settings),
      processedFile_(std::move(processedFile)),
      ratingCurve_(std::move(ratingCurve)),
      launcher_(std::move(launcher)) {
    const bool levelTable = kind == Kind::LevelTable;
    setObjectName(levelTable ? QStringLiteral("Form1") : QStringLiteral("Form1b"));
    const LanguageTexts& texts = settings.texts;
    setWindowTitle(Caption(texts, 16, "Anlık değerler"));

    frame1_ = new QGroupBox(Caption(texts, 20, "Başlangıç ve bitiş tarihleri"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    text1_ = new QLineEdit(frame1_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text2_ = new QLineEdit(frame1_);
    text2_->setObjectName(QStringLiteral("Text2"));
    auto* dates = new QHBoxLayout(frame1_);
    dates->addWidget(text1_);
    dates->addWidget(text2_);
    check1_ = new QCheckBox(
        Caption(texts, levelTable ? 17 : 21, "Anlık değerler tabloya dahil edilmeyecek."), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    command1_ = new QPushButton(Caption(texts, levelTable ? 14 : 18, "Tamam"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command2_ = new QPushButton(Caption(texts, levelTable ? 15 : 19, "Çık"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->hide();
    status_ = new QLabel(
        QString::fromStdString(std::filesystem::path(processedFile_).filename().string()), this);
    status_->setObjectName(QStringLiteral("Label1"));
    status_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(frame1_);
    layout->addWidget(check1_);
    if (!levelTable) {
        // Which rating curve the discharges come from, chosen in the selection window.
        text7_ = new QLineEdit(Q(ratingCurve_), this);
        text7_->setObjectName(QStringLiteral("Text7"));
        text7_->setReadOnly(true);
        auto* rating = new QFormLayout;
        rating->addRow(Caption(texts, 51, "Anahtar eğrisi"), text7_);
        layout->addLayout(rating);
    }
    layout->addWidget(progress_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    layout->addLayout(buttons);
    resize(Twips(5400), Twips(levelTable ? 2900 : 3400));
    run_ = new BackgroundRun(this);

    connect(check1_, &QCheckBox::toggled, this, [this](bool checked) {
        text1_->setEnabled(!checked);
        text2_->setEnabled(!checked);
    });
    connect(command1_, &QPushButton::clicked, this, &TableWindow::Start);
    connect(command2_, &QPushButton::clicked, this, &TableWindow::Leave);

    // The period offered is the whole water year of the processed file.
    std::string error;
    auto reader = ProcessedFileReader::Open(processedFile_, settings.calendar, error);
    if (!reader) {
        status_->setText(Q(error));
        command1_->setEnabled(false);
        return;
    }
    ReadingsPeriod period = DefaultReadingsPeriod(reader->Data().SuYili, settings.calendar);
    text1_->setText(Q(period.fromDate));
    text2_->setText(Q(period.toDate));
}

TableWindow::~TableWindow() = default;

bool TableWindow::running() const {
    return run_->running();
}

void TableWindow::activated() {
    text2_->setFocus();
    text2_->selectAll();
}

void TableWindow::Start() {
    if (running()) return;
    if (kind_ == Kind::LevelDischargeTable && ratingCurve_.empty()) {
        Beep();
        text7_->setText(QStringLiteral("!!!!!!!!!"));
        text7_->setFocus();
        return;
    }
    LevelTableRequest request;
    request.processedFile = processedFile_;
    request.fromDate = Std(text1_->text().trimmed());
    request.toDate = Std(text2_->text().trimmed());
    request.includeReadings = !check1_->isChecked();
    request.ratingCurve = ratingCurve_;
    command1_->setEnabled(false);
    command2_->setEnabled(false);
    progress_->setValue(0);
    progress_->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool levelTable = kind_ == Kind::LevelTable;
    run_->start<ReportResult>(
        [request, levelTable,
         settings = settings_](const BackgroundRun::Progress& progress) mutable {
            request.progress = progress;
            return levelTable ? MakeLevelTable(request, settings)
                              : MakeLevelDischargeTable(request, settings);
        },
        [this](ReportResult result) { Done(std::move(result)); },
        [this](uint64_t done, uint64_t expected) {
            progress_->setValue(static_cast<int>(std::min(done, expected) * 1000 /
                                                 std::max<uint64_t>(expected, 1)));
        });
}

void TableWindow::Done(ReportResult result) {
    QApplication::restoreOverrideCursor();
    progress_->hide();
    command1_->setEnabled(true);
    command2_->setEnabled(true);
    if (!result.error.empty()) {
        Beep();
        ShowMessage(this, Q(result.error));
        return;
    }
    QString problems;
    for (const std::string& problem : result.problems) problems += Q(problem) + QLatin1Char('\n');
    if (QString error = launcher_(SpreadsheetCommand(settings_, result.path.string()));
        !error.isEmpty())
        problems += error;
    emit tableWritten(Q(result.path.string()));
    if (!problems.isEmpty()) ShowMessage(parentWidget() ? window() : nullptr, problems.trimmed());
    CloseForm(this);
}

void TableWindow::Leave() {
    if (running()) return;
    CloseForm(this);
}

void TableWindow::closeEvent(QCloseEvent* event) {
    if (running()) {
        event->ignore();
        return;
    }
    MdiForm::closeEvent(event);
}

void TableWindow::Beep() {
    QApplication::beep();
    emit beeped();
}

Form1::Form1(const ProgramSettings& settings, std::string processedFile, Launcher launcher,
             QWidget* parent)
    : TableWindow(Kind::LevelTable, settings, std::move(processedFile), {}, std::move(launcher),
                  parent) {}

Form1b::Form1b(const ProgramSettings& settings, std::string processedFile, std::string ratingCurve,
               Launcher launcher, QWidget* parent)
    : TableWindow(Kind::LevelDischargeTable, settings, std::move(processedFile),
                  std::move(ratingCurve), std::move(launcher), parent) {}

}  // namespace kovu3
