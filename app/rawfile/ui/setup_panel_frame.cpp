#include "rawfile/ui/setup_panel_frame.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "rawfile/raw_problems.h"
#include "rawfile/setup_panel.h"
#include "rawfile/setup_parameters_file.h"

namespace kovu3 {
namespace {

// Rows top to bottom: the box, the label's number and its caption entry and design text.
struct PanelRow {
    int box;
    int label;
    int caption;
    const char* design;
};
constexpr PanelRow kRows[] = {
    {0, 1, 66, "Version"},
    {1, 0, 83, "İstasyon no"},
    {2, 2, 67, "Bölge Kodu"},
    {17, 3, 68, "SU YILI"},
    {3, 4, 69, "Setup seviyesi"},
    {4, 5, 70, "Setup tarihi/Zamanı"},
    {6, 7, 72, "İlk kaydın tarihi/zamanı"},
    {9, 10, 75, "Son kaydın tarihi/zamanı"},
    {8, 9, 74, "Setup tarihinden sonra geçen gün sayısı"},
    {11, 12, 77, "Birim dönüşüm faktörü"},
    {12, 13, 78, "Örnek sayısı"},
    {13, 14, 79, "2 Örnek arası zaman"},
    {14, 15, 80, "2 Kayıt arası zaman"},
    {15, 16, 81, "Ring? (Evet/Hayır)"},
    {5, 6, 36, "Parametre Sayısı"},
    {7, 8, 37, "Atlanan Blok Sayısı"},
    {10, 11, 76, "Pil Değiştirilmiş mi?"},
    {16, 17, 94, "Limnigraf Tipi"},
};

constexpr int kEditableLevel = 3;
constexpr int kEditableDate = 4;

void Paint(QLineEdit* box, bool red) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text,
                     red ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Text));
    box->setPalette(palette);
}

}  // namespace

SetupPanelFrame::SetupPanelFrame(const ProgramSettings& settings, Launcher launcher,
                                 ListedFiles listed, QWidget* parent)
    : QGroupBox(parent),
      settings_(settings),
      launcher_(std::move(launcher)),
      listed_(std::move(listed)) {
    setObjectName(QStringLiteral("Frame2"));
    const LanguageTexts& texts = settings.texts;
    setTitle(Caption(texts, 82, "SETUP DEĞERLERİ"));

    text8_ = new QLabel(
        Q(std::string(problem::kCorrectedNoteLine1) + "\n" + problem::kCorrectedNoteLine2), this);
    text8_->setObjectName(QStringLiteral("Text8"));
    text8_->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); font-weight: bold;"));
    text8_->hide();

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    int row = 0;
    for (const PanelRow& entry : kRows) {
        auto* label = new QLabel(Caption(texts, entry.caption, entry.design), this);
        label->setObjectName(QStringLiteral("Label9_%1").arg(entry.label));
        label->setWordWrap(true);
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("TextSetup_%1").arg(entry.box));
        box->setReadOnly(entry.box != kEditableLevel && entry.box != kEditableDate);
        box->setMinimumWidth(Twips(1900));
        labels_[static_cast<size_t>(entry.label)] = label;
        boxes_[static_cast<size_t>(entry.box)] = box;
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    grid->setColumnStretch(0, 1);

    save_ = new QPushButton(Caption(texts, 58, "Setup Değerlerini Kaydet"), this);
    save_->setObjectName(QStringLiteral("CmdSetupKaydet"));
    save_->setEnabled(false);
    print_ = new QPushButton(Caption(texts, 54, "Print setup-par."), this);
    print_->setObjectName(QStringLiteral("Command5"));
    dump_ = new QPushButton(Caption(texts, 57, "Ham Data"), this);
    dump_->setObjectName(QStringLiteral("Command8"));
    dump_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print_);
    buttons->addWidget(dump_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text8_);
    layout->addLayout(grid);
    layout->addWidget(save_);
    layout->addLayout(buttons);
    layout->addStretch();

    // Text6 covers the panel when the file is of another version.
    text6_ = new QLabel(this);
    text6_->setObjectName(QStringLiteral("Text6"));
    text6_->setWordWrap(true);
    text6_->setAlignment(Qt::AlignCenter);
    text6_->setAutoFillBackground(true);
    text6_->setStyleSheet(QStringLiteral(
        "background: rgb(255, 255, 192); color: rgb(192, 0, 0); font-weight: bold;"));
    text6_->hide();

    // Typing in the setup level or the setup date enables the save; nothing else does.
    for (int editable : {kEditableLevel, kEditableDate})
        connect(boxes_[static_cast<size_t>(editable)], &QLineEdit::textEdited, this,
                [this] { save_->setEnabled(!fileName_.empty()); });
    connect(save_, &QPushButton::clicked, this, &SetupPanelFrame::SaveSetup);
    connect(print_, &QPushButton::clicked, this, &SetupPanelFrame::PrintSetup);
    connect(dump_, &QPushButton::clicked, this, &SetupPanelFrame::DumpRaw);
}

const RawFileResult& SetupPanelFrame::ShowRawFile(const std::string& fileName) {
    fileName_ = fileName;
    decoded_ = ReadRawFile(fileName, settings_);
    decoded_.image.reset();  // the panel keeps the header, not the readings
    const SetupPanelTexts texts = MakeSetupPanelTexts(decoded_, settings_.texts);
    for (size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->setText(Q(texts[i]));
        boxes_[i]->setCursorPosition(0);
        Paint(boxes_[i], false);
    }
    Paint(boxes_[kEditableDate], decoded_.panel.setupDateRed);
    Paint(boxes_[6], decoded_.panel.firstRecordRed);
    Paint(boxes_[8], decoded_.panel.dayCountRed);
    text8_->setVisible(decoded_.panel.showCorrectedNote);
    text6_->setText(Q(decoded_.panel.versionMessage));
    text6_->setVisible(decoded_.panel.showVersionMessage);
    text6_->raise();
    save_->setEnabled(false);
    dump_->setEnabled(true);
    return decoded_;
}

void SetupPanelFrame::Clear() {
    fileName_.clear();
    decoded_ = {};
    for (QLineEdit* box : boxes_) {
        box->clear();
        Paint(box, false);
    }
    text8_->hide();
    text6_->hide();
    save_->setEnabled(false);
}

void SetupPanelFrame::SaveSetup() {
    if (fileName_.empty()) return;
    SetupSaveOutcome outcome =
        SaveSetupParameters(fileName_, Std(boxes_[kEditableLevel]->text()),
                            Std(boxes_[kEditableDate]->text()), decoded_.setup, settings_);
    const std::string message = !outcome.message.empty() ? outcome.message : outcome.edit.error;
    if (!message.empty()) {
        QApplication::beep();
        ShowMessage(this, Q(message));
        return;
    }
    const std::string name = fileName_;
    ShowRawFile(name);
    emit rawFileChanged(Q(name));
}

void SetupPanelFrame::PrintSetup() {
    const std::vector<std::string> files = listed_ ? listed_() : std::vector<std::string>();
    if (files.empty()) {
        QApplication::beep();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PrintOutcome printed = PrintSetupParameters(files, settings_);
    QApplication::restoreOverrideCursor();
    if (!printed.error.empty()) {
        ShowMessage(this, Q(printed.error));
        return;
    }
    Open(printed.output.string());
}

void SetupPanelFrame::DumpRaw() {
    if (fileName_.empty()) return;
    PrintOutcome dumped = DumpRawFile(fileName_, settings_);
    if (!dumped.error.empty()) {
        ShowMessage(this, Q(dumped.error));
        return;
    }
    Open(dumped.output.string());
}

void SetupPanelFrame::Open(const std::string& path) {
    if (QString error = launcher_(OpenWithDesktop(path)); !error.isEmpty())
        ShowMessage(this, error);
}

void SetupPanelFrame::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    text6_->setGeometry(rect().adjusted(6, 20, -6, -6));
}

}  // namespace kovu3
