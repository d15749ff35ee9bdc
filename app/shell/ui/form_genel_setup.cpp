#include "shell/ui/form_genel_setup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shell/options.h"

namespace kovu3 {
namespace {

constexpr int kPolicyTab = 2;

void Paint(QLabel* label, WindowsColour colour) {
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    label->setPalette(palette);
}

}  // namespace

FormGenelSetup::FormGenelSetup(ProgramSettings& settings, QWidget* parent)
    : MdiForm(parent), settings_(settings), values_(SettingsFromOptions(settings.Options)) {
    setObjectName(QStringLiteral("FormGenelSetup"));
    setWindowTitle(QStringLiteral("Ayarlar"));
    const LanguageTexts& texts = settings.texts;

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(BuildGraphTab(), Caption(texts, 24, "Grafik"));
    tabs_->addTab(BuildColourTab(), Caption(texts, 25, "İstasyonlar"));
    tabs_->addTab(BuildPolicyTab(), QStringLiteral("ZEY"));

    auto* ok = new QPushButton(Caption(texts, 22, "Tamam"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(Caption(texts, 23, "Çıkış"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    // The way into the programmer options: a small label without a caption.
    auto* programmer = new ClickableLabel(this);
    programmer->setObjectName(QStringLiteral("Label6"));
    programmer->setFixedSize(12, 12);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(programmer, 0, Qt::AlignBottom);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    drawExtremes_->setChecked(values_.drawExtremes);
    for (int field = 0; field < 6; ++field)
        SetColour(field, values_.colours[static_cast<size_t>(field)]);
    policyText_->setText(Q(values_.policyText));

    connect(ok, &QPushButton::clicked, this, &FormGenelSetup::Save);
    connect(cancel, &QPushButton::clicked, this, [this] { CloseForm(this); });
    connect(programmer, &ClickableLabel::clicked, this,
            &FormGenelSetup::programmerOptionsRequested);
}

QWidget* FormGenelSetup::BuildGraphTab() {
    auto* tab = new QWidget;
    drawExtremes_ = new QCheckBox(
        Caption(settings_.texts, 27, "Aynı zamanda max. ve min. değerler de çizilsin."), tab);
    drawExtremes_->setObjectName(QStringLiteral("Check1_0"));
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(drawExtremes_);
    layout->addStretch();
    return tab;
}

QWidget* FormGenelSetup::BuildColourTab() {
    static const char* const kFieldNames[6] = {"Geri planın rengi",  "1.İstasyonun rengi",
                                               "Skalanın rengi",     "2.İstasyonun rengi",
                                               "3.İstasyonun rengi", "4.İstasyonun rengi"};
    auto* tab = new QWidget;
    auto* colours = new QGroupBox(Caption(settings_.texts, 28, "İstasyonların Renkleri"), tab);
    colours->setObjectName(QStringLiteral("Frame1"));
    auto* palette = new QGroupBox(Caption(settings_.texts, 29, "Renk Seçimi"), tab);
    palette->setObjectName(QStringLiteral("Frame3"));
    auto* colourGrid = new QGridLayout(colours);
    auto* paletteGrid = new QGridLayout(palette);
    paletteGrid->setSpacing(2);
    for (int field = 0; field < 6; ++field) {
        auto* name = new QLabel(Caption(settings_.texts, 30 + field, kFieldNames[field]), colours);
        name->setObjectName(QStringLiteral("Label1_%1").arg(field));
        auto* swatch = new QLabel(colours);
        swatch->setObjectName(QStringLiteral("Label3_%1").arg(field));
        swatch->setFrameShape(QFrame::Box);
        swatch->setFixedSize(Twips(900), Twips(285));
        colourFields_[static_cast<size_t>(field)] = swatch;
        colourGrid->addWidget(name, field, 0);
        colourGrid->addWidget(swatch, field, 1);
    }
    for (int cell = 0; cell < kPaletteCells; ++cell) {
        auto* label = new ClickableLabel(palette);
        label->setObjectName(QStringLiteral("Label2_%1").arg(cell));
        label->setFrameShape(QFrame::Box);
        label->setFixedSize(Twips(285), Twips(285));
        Paint(label, PaletteColour(cell));
        paletteGrid->addWidget(label, cell / kPaletteColumns, cell % kPaletteColumns);
        connect(label, &ClickableLabel::clicked, this,
                [this, cell] { SetColour(ColourFieldOfCell(cell), PaletteColour(cell)); });
    }
    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(colours);
    layout->addWidget(palette);
    return tab;
}

QWidget* FormGenelSetup::BuildPolicyTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    for (int item = 0; item < 3; ++item) {
        // The long policy texts wrap beside their buttons; a click on the text chooses too.
        auto* button = new QRadioButton(tab);
        button->setObjectName(QStringLiteral("Option1_%1").arg(item));
        auto* text = new ClickableLabel(Q(kPolicyTexts[static_cast<size_t>(item)]), tab);
        text->setWordWrap(true);
        policies_[static_cast<size_t>(item)] = button;
        auto* row = new QHBoxLayout;
        row->addWidget(button, 0, Qt::AlignTop);
        row->addWidget(text, 1);
        layout->addLayout(row);
        connect(button, &QRadioButton::clicked, this,
                [this, item] { policyText_->setText(QString::number(item + 1)); });
        connect(text, &ClickableLabel::clicked, button, &QRadioButton::click);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QString::fromUtf8("Geçerli extrem uygulamasının sıra no.su:"), tab));
    policyText_ = new QLineEdit(tab);
    policyText_->setObjectName(QStringLiteral("Text2"));
    policyText_->setMaximumWidth(Twips(600));
    row->addWidget(policyText_);
    row->addStretch();
    layout->addLayout(row);
    warning_ = new QPlainTextEdit(tab);
    warning_->setObjectName(QStringLiteral("Text1"));
    warning_->setReadOnly(true);
    layout->addWidget(warning_);
    return tab;
}

void FormGenelSetup::activated() {
    tabs_->setCurrentIndex(0);
    tabs_->setTabVisible(kPolicyTab, settings_.Edition == "ZEY");
    // A policy other than 1 to 3 selects no button; the number field keeps what is stored.
    std::optional<int> button = PolicyButton(Std(policyText_->text()));
    for (QRadioButton* policy : policies_) policy->setAutoExclusive(false);
    for (size_t item = 0; item < policies_.size(); ++item)
        policies_[item]->setChecked(button && static_cast<size_t>(*button) == item);
    for (QRadioButton* policy : policies_) policy->setAutoExclusive(true);
    warning_->setPlainText(
        Q(SettingsWarningText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FormGenelSetup::SetColour(int field, WindowsColour colour) {
    values_.colours[static_cast<size_t>(field)] = colour;
    Paint(colourFields_[static_cast<size_t>(field)], colour);
}

void FormGenelSetup::Save() {
    values_.drawExtremes = drawExtremes_->isChecked();
    values_.policyText = Std(policyText_->text());
    const auto before = settings_.Options;
    StoreSettings(values_, settings_.Options);
    if (std::string error = WriteOptions(settings_); !error.empty()) {
        settings_.Options = before;
        ShowMessage(this, Q(error));
        return;  // the window stays open so nothing typed is lost
    }
    ReadOptions(settings_);
    CloseForm(this);
}

}  // namespace kovu3
