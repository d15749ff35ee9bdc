#include "processing/ui/readings_page.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QVBoxLayout>
#include <cstdio>

#include "shell/ui/ui_support.h"

namespace kovu3 {
namespace {

QColor KindColour(LogLineKind kind) {
    switch (kind) {
        case LogLineKind::Maximum:
            return QColor(255, 0, 0);
        case LogLineKind::Minimum:
            return QColor(0, 0, 255);
        default:
            return QApplication::palette().color(QPalette::Text);
    }
}

QFont LogFont() {
    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(8);
    }
    return font;
}

}  // namespace

ReadingsPage::ReadingsPage(const ProgramSettings& settings, QWidget* parent)
    : QGroupBox(parent), settings_(settings) {
    setObjectName(QStringLiteral("Frame4"));
    const LanguageTexts& texts = settings.texts;
    label19_ = new QLabel(Caption(texts, 59, "         Tarih           Zaman    Seviye"), this);
    label19_->setObjectName(QStringLiteral("Label19"));
    label19_->setFont(LogFont());
    list9_ = new QListWidget(this);
    list9_->setObjectName(QStringLiteral("List9"));
    list9_->setFont(LogFont());
    list9_->setUniformItemSizes(true);

    frame6_ = new QWidget(this);
    frame6_->setObjectName(QStringLiteral("Frame6"));
    previous_ = new QPushButton(Caption(texts, 116, "Bir Önceki"), frame6_);
    previous_->setObjectName(QStringLiteral("Command9"));
    text12_ = new QLineEdit(frame6_);
    text12_->setObjectName(QStringLiteral("Text12"));
    text12_->setReadOnly(true);
    text12_->setAlignment(Qt::AlignCenter);
    next_ = new QPushButton(Caption(texts, 117, "Bir Sonraki"), frame6_);
    next_->setObjectName(QStringLiteral("Command10"));
    text5_ = new QLineEdit(frame6_);
    text5_->setObjectName(QStringLiteral("Text5"));
    text5_->setFont(LogFont());
    text5_->hide();
    save_ = new QPushButton(Caption(texts, 50, "Değişiklikleri kaydet"), frame6_);
    save_->setObjectName(QStringLiteral("CmdDatDuzelt"));

    auto* paging = new QHBoxLayout;
    paging->addWidget(previous_);
    paging->addWidget(text12_);
    paging->addWidget(next_);
    auto* editing = new QHBoxLayout;
    editing->addWidget(text5_, 1);
    editing->addWidget(save_);
    auto* controls = new QVBoxLayout(frame6_);
    controls->setContentsMargins(0, 0, 0, 0);
    controls->addLayout(paging);
    controls->addLayout(editing);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label19_);
    layout->addWidget(list9_, 1);
    layout->addWidget(frame6_);

    connect(previous_, &QPushButton::clicked, this, &ReadingsPage::PreviousPage);
    connect(next_, &QPushButton::clicked, this, &ReadingsPage::NextPage);
    connect(save_, &QPushButton::clicked, this, &ReadingsPage::SaveCorrections);
    connect(list9_, &QListWidget::currentRowChanged, this, &ReadingsPage::LineChosen);
    connect(text5_, &QLineEdit::textEdited, this, &ReadingsPage::ValueTyped);
    Clear();
}

void ReadingsPage::LoadLog(const std::filesystem::path& log, bool withDischarge) {
    label19_->setText(
        withDischarge
            ? Caption(settings_.texts, 71, "       Tarih           Zaman   Seviye      Debi ")
            : Caption(settings_.texts, 59, "         Tarih           Zaman    Seviye"));
    label19_->show();
    std::string error;
    log_ = ReadingsLog::Open(log, error);
    if (!log_) {
        Clear();
        ShowMessage(this, Q(error));
        return;
    }
    ShowPage(1);
    const bool paging = pageCount() > 1;
    previous_->setEnabled(paging);
    next_->setEnabled(paging);
}

void ReadingsPage::Clear() {
    list9_->clear();
    unsaved_.clear();
    chosenRow_ = -1;
    page_ = 0;
    text5_->hide();
    text12_->clear();
    previous_->setEnabled(false);
    next_->setEnabled(false);
    UpdateSaveButton();
}

void ReadingsPage::NextPage() {
    LeavePage(page_ + 1);
}

void ReadingsPage::PreviousPage() {
    if (page_ - 1 < 1) {
        Beep();
        return;
    }
    LeavePage(page_ - 1);
}

void ReadingsPage::LeavePage(int page) {
    if (!log_) return;
    if (page > pageCount()) {
        Beep();
        return;
    }
    if (!hasUnsavedCorrections()) {
        ShowPage(page);
        return;
    }
    // Unsaved corrections would go with the page: ask first.
    Beep();
    auto* box =
        new QMessageBox(QMessageBox::Critical, QStringLiteral("Kovu3"),
                        Caption(settings_.texts, 120,
                                "Ham data dosyasının bu sayfadaki bazı bölümlerinde "
                                "değişiklikler yaptınız. Ancak kaydetmeden bu sayfadan "
                                "çıkmak üzeresiniz. Kaydetmek istemediğinizden eminmisiniz ?"),
                        QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("message"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, page](int) {
        if (box->clickedButton() == box->button(QMessageBox::Yes)) ShowPage(page);
    });
    box->open();
}

void ReadingsPage::ShowPage(int page) {
    if (!log_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int count = pageCount();
    page_ = std::clamp(page, 1, count);
    list9_->clear();
    for (const std::string& line : log_->Page(page_, settings_.ListPageSize))
        list9_->addItem(Q(line));
    unsaved_.clear();
    chosenRow_ = -1;
    text5_->hide();
    char indicator[64];
    std::snprintf(indicator, sizeof indicator, ":%02d%s%02d", page_,
                  settings_.DateSeparator().c_str(), count);
    text12_->setText(Caption(settings_.texts, 118, "Sayfa") + QString::fromUtf8(indicator));
    UpdateSaveButton();
    QApplication::restoreOverrideCursor();
}

void ReadingsPage::LineChosen(int row) {
    chosenRow_ = row;
    if (row < 0) {
        text5_->hide();
        return;
    }
    chosenLine_ = Std(list9_->item(row)->text());
    chosenKind_ = KindOfLogLine(chosenLine_);
    if (chosenKind_ == LogLineKind::Separator) {
        text5_->hide();
        return;
    }
    text5_->setText(Q(EditableField(chosenLine_, chosenKind_)));
    QPalette palette = text5_->palette();
    palette.setColor(QPalette::Text, KindColour(chosenKind_));
    text5_->setPalette(palette);
    text5_->show();
}

void ReadingsPage::ValueTyped(const QString& text) {
    if (chosenRow_ < 0 || chosenRow_ >= list9_->count()) return;
    std::optional<std::string> edited = EditLogLine(chosenLine_, chosenKind_, Std(text));
    if (!edited) return;  // an extreme's time or level is not complete yet
    list9_->item(chosenRow_)->setText(Q(*edited));
    unsaved_.insert(chosenRow_);
    UpdateSaveButton();
}

void ReadingsPage::SaveCorrections() {
    if (!hasUnsavedCorrections()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(list9_->count()));
    for (int row = 0; row < list9_->count(); ++row) lines.push_back(Std(list9_->item(row)->text()));
    PageCorrectionResult result = SavePageCorrections(lines, settings_);
    QApplication::restoreOverrideCursor();
    if (result.error.empty()) unsaved_.clear();
    UpdateSaveButton();
    if (!result.correctedFiles.empty()) {
        QStringList files, deleted;
        for (const std::string& name : result.correctedFiles) files << Q(name);
        for (const std::string& name : result.deletedProducts) deleted << Q(name);
        emit rawFilesCorrected(files, deleted);
    }
    if (!result.error.empty()) {
        Beep();
        ShowMessage(this, Q(result.error));
    }
}

void ReadingsPage::UpdateSaveButton() {
    save_->setEnabled(hasUnsavedCorrections());
}

void ReadingsPage::Beep() {
    QApplication::beep();
    emit beeped();
}

}  // namespace kovu3
