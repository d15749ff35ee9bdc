#include "graph/ui/frm_gr_lis.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <filesystem>

#include "graph/plot_entry.h"

namespace kovu3 {
namespace {

// Rows match on their first 800 characters, the row trimmed of blanks.
bool RowMatches(const QString& row, const QString& name) {
    return row.left(800).trimmed() == name.left(800);
}

QString TooManyEntriesText(const LanguageTexts& texts) {
    if (texts.Language == "TURKCE")
        return QString::fromUtf8("Grafik en çok %1 istasyon-su yılını birlikte çizebilir.")
            .arg(FrmGrLis::kMaxEntries);
    return QStringLiteral("The graph draws at most %1 station-years together.")
        .arg(FrmGrLis::kMaxEntries);
}

}  // namespace

FrmGrLis::FrmGrLis(const ProgramSettings& settings, QWidget* parent)
    : MdiForm(parent), settings_(settings) {
    setObjectName(QStringLiteral("FrmGrLis"));
    const LanguageTexts& texts = settings.texts;
    setWindowTitle(Caption(texts, 46, "Çizilecek İstasyonların Listesi"));

    label1_ = new QLabel(Caption(texts, 47, "İstasyonlar ve Su Yılları"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    // List2 and List3 hold the selection window's list positions of each row; never shown.
    list2_ = new QListWidget(this);
    list2_->setObjectName(QStringLiteral("List2"));
    list2_->hide();
    list3_ = new QListWidget(this);
    list3_->setObjectName(QStringLiteral("List3"));
    list3_->hide();
    command1_ = new QPushButton(Caption(texts, 45, "Listeyi Sil"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command2_ = new QPushButton(Caption(texts, 44, "Çiz"), this);
    command2_->setObjectName(QStringLiteral("Command2"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addWidget(list1_);
    layout->addLayout(buttons);

    connect(command1_, &QPushButton::clicked, this, &FrmGrLis::Clear);
    connect(command2_, &QPushButton::clicked, this, &FrmGrLis::Draw);
    connect(list1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { RemoveRow(list1_->row(item)); });

    EnableButtons();
    resize(Twips(4200), Twips(3600));
}

FrmGrLis::~FrmGrLis() = default;

bool FrmGrLis::AddPlotEntry(const std::string& fileName, int stationPosition, int yearPosition) {
    const QString name = Q(fileName);
    bool listed = false;
    for (int row = 0; row < list1_->count() && !listed; ++row)
        listed = RowMatches(list1_->item(row)->text(), name);
    if (!listed && list1_->count() >= kMaxEntries) {
        ShowMessage(this, TooManyEntriesText(settings_.texts));
        return false;
    }
    SetProcessedFilePath(settings_.DataDirectory + fileName);
    if (listed) {
        Beep();
        return false;
    }
    list1_->addItem(name);
    list2_->addItem(QString::number(stationPosition));
    list3_->addItem(QString::number(yearPosition));
    EnableButtons();
    return true;
}

void FrmGrLis::RemoveRow(int row) {
    if (row < 0 || row >= list1_->count()) return;
    delete list1_->takeItem(row);
    delete list2_->takeItem(row);
    delete list3_->takeItem(row);
    EnableButtons();
}

void FrmGrLis::Clear() {
    list1_->clear();
    list2_->clear();
    list3_->clear();
    SetProcessedFilePath({});
    EnableButtons();
}

void FrmGrLis::Draw() {
    if (list1_->count() == 0) return;
    plotFiles_.clear();
    QStringList files;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int row = 0; row < list1_->count(); ++row) {
        const std::string name = Std(list1_->item(row)->text());
        plotFiles_.push_back(name);
        files << Q(name);
        SetProcessedFilePath(settings_.DataDirectory + name);
        std::error_code ec;
        if (name.empty() || !std::filesystem::exists(std::filesystem::path(processedFilePath_), ec))
            ConvertMissing(name, list2_->item(row)->text().toInt(),
                           list3_->item(row)->text().toInt());
    }
    QApplication::restoreOverrideCursor();
    drawn_ = true;
    emit drawRequested(files);
    CloseForm(this);
}

void FrmGrLis::ConvertMissing(const std::string& fileName, int stationPosition, int yearPosition) {
    if (runner_) {
        runner_(fileName, stationPosition, yearPosition);
        return;
    }
    ConversionResult result = ConvertPlotEntry(fileName, settings_);
    QString problem;
    if (!result.error.empty())
        problem = Q(result.error);
    else if (!result.written)
        problem = Q(fileName) + QStringLiteral(": no reading of the water year, nothing written");
    if (!problem.isEmpty()) ShowMessage(parentWidget() ? window() : nullptr, problem);
}

void FrmGrLis::closeEvent(QCloseEvent* event) {
    AnnounceClosing();
    MdiForm::closeEvent(event);
}

void FrmGrLis::AnnounceClosing() {
    if (closedAnnounced_) return;
    closedAnnounced_ = true;
    // Closing without a draw opens no graph: the selection window opens it only for a path.
    if (!drawn_) SetProcessedFilePath({});
    emit closed();
}

void FrmGrLis::SetProcessedFilePath(std::string path) {
    processedFilePath_ = std::move(path);
    emit processedFilePathChanged(Q(processedFilePath_));
}

void FrmGrLis::EnableButtons() {
    const bool any = list1_->count() > 0;
    command1_->setEnabled(any);
    command2_->setEnabled(any);
}

void FrmGrLis::Beep() {
    QApplication::beep();
    emit beeped();
}

}  // namespace kovu3
