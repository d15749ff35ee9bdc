#include "reports/ui/form5.h"

#include <QDir>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "processing/ui/folder_tree.h"
#include "rawfile/additional_info.h"
#include "shell/ini_values.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

Form5::Form5(const ProgramSettings& settings, std::string currentRawFile, QWidget* parent)
    : QDialog(parent), settings_(settings), currentRawFile_(std::move(currentRawFile)) {
    setObjectName(QStringLiteral("Form5"));
    const LanguageTexts& texts = settings.texts;
    setWindowTitle(Caption(texts, 41, "Anahtar eğrisinin seçimi"));
    dir1_ = new FolderTree(QStringLiteral("Dir1"), this);
    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    command2_ = new QPushButton(Caption(texts, 43, "Tamam"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setEnabled(false);
    command1_ = new QPushButton(Caption(texts, 42, "Vazgeç"), this);
    command1_->setObjectName(QStringLiteral("Command1"));

    auto* lists = new QHBoxLayout;
    lists->addWidget(dir1_, 1);
    lists->addWidget(file1_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command2_);
    buttons->addWidget(command1_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    resize(Twips(8400), Twips(4800));

    connect(dir1_, &FolderTree::folderChosen, this, &Form5::ListRatingCurves);
    connect(file1_, &QListWidget::itemClicked, this, [this] { command2_->setEnabled(true); });
    connect(file1_, &QListWidget::itemDoubleClicked, this, &Form5::Accept);
    connect(command2_, &QPushButton::clicked, this, &Form5::Accept);
    connect(command1_, &QPushButton::clicked, this, &Form5::Cancel);

    const std::string start = NormalizeFolder(
        ReadIniValue(settings.IniPath, "Genel", "AnahtarDirectory", settings.layout),
        settings.layout);
    ShowFolder(Q(start));
}

void Form5::ShowFolder(const QString& folder) {
    dir1_->setFolder(folder);
    ListRatingCurves(folder);
}

void Form5::ListRatingCurves(const QString& folder) {
    file1_->clear();
    command2_->setEnabled(false);
    QDir dir(folder);
    dir.setNameFilters(
        {QStringLiteral("E*.dat")});  // letter case ignored, as on the original disks
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    for (const QString& name : dir.entryList()) file1_->addItem(name);
}

void Form5::Accept() {
    QListWidgetItem* item = file1_->currentItem();
    if (!item) return;
    const std::string folder = NormalizeFolder(Std(dir1_->folder()), settings_.layout);
    const std::string path = folder + Std(item->text());
    QString problems;
    if (std::string error = WriteIniValue(settings_.IniPath, "Genel", "AnahtarDirectory", folder);
        !error.empty())
        problems += Q(error) + QLatin1Char('\n');
    if (!currentRawFile_.empty()) {
        std::string error = WriteCurrentAdditionalInfo("AnahtarDirectory", path, currentRawFile_,
                                                       settings_.DataDirectory);
        if (!error.empty()) problems += Q(error);
    }
    emit chosen(Q(path));
    if (!problems.isEmpty()) ShowMessage(parentWidget(), problems.trimmed());
    accept();
}

void Form5::Cancel() {
    emit chosen(QString());
    reject();
}

}  // namespace kovu3
