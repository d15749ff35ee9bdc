#include "shell/ui/form_programci.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/options.h"
#include "shell/settings_values.h"
#include "shell/ui/form3.h"

namespace kovu3 {

FormProgramci::FormProgramci(ProgramSettings& settings, QWidget* parent)
    : MdiForm(parent), settings_(settings) {
    setObjectName(QStringLiteral("FormProgramci"));
    setWindowTitle(QString::fromUtf8("Programcı Seçenekleri"));

    convert_ = new QCheckBox(
        QString::fromUtf8("Setup tarihini Miladi takvimden İran takvimine çevir"), this);
    convert_->setObjectName(QStringLiteral("Check2_0"));
    edition_ = new QGroupBox(this);
    edition_->setObjectName(QStringLiteral("Frame1"));
    const char* const kEditionTexts[2] = {"ZEY Versiyonu şeklinde çalış",
                                          "Kovu Elektronik  Versiyonu şeklinde çalış"};
    auto* editionLayout = new QVBoxLayout(edition_);
    for (int item = 0; item < 2; ++item) {
        auto* button = new QRadioButton(QString::fromUtf8(kEditionTexts[item]), edition_);
        button->setObjectName(QStringLiteral("Option1_%1").arg(item));
        editions_[static_cast<size_t>(item)] = button;
        editionLayout->addWidget(button);
        connect(button, &QRadioButton::clicked, this,
                [this, item] { editionCode_->setText(QString::number(item + 1)); });
    }
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(new QLabel(Caption(settings.texts, 39, "Programcı kodu:"), edition_));
    editionCode_ = new QLineEdit(edition_);
    editionCode_->setObjectName(QStringLiteral("Text2"));
    editionCode_->setMaximumWidth(Twips(600));
    codeRow->addWidget(editionCode_);
    codeRow->addStretch();
    editionLayout->addLayout(codeRow);

    auto* ok = new QPushButton(QStringLiteral("Tamam"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(QString::fromUtf8("Vazgeç"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(convert_);
    layout->addWidget(edition_);
    layout->addStretch();
    layout->addLayout(buttons);

    editionCode_->setText(Q(settings.Programci[2]));
    convertLoaded_ = settings.Programci[1] == "1";
    convert_->setChecked(convertLoaded_);
    if (std::optional<int> button = EditionButton(settings.Programci[2]))
        editions_[static_cast<size_t>(*button)]->setChecked(true);
    ShowForLevel();

    connect(ok, &QPushButton::clicked, this, &FormProgramci::Save);
    connect(cancel, &QPushButton::clicked, this, [this] { CloseForm(this); });
}

void FormProgramci::ShowForLevel() {
    edition_->setVisible(settings_.ProgrammerLevel == 1);
    convert_->setVisible(settings_.ProgrammerLevel == 1);
}

void FormProgramci::activated() {
    ShowForLevel();
    // Asked once per opening: a wrong password must not bring the question back forever.
    if (settings_.ProgrammerLevel != 0 || passwordAsked_) return;
    passwordAsked_ = true;
    auto* password = new Form3(settings_, this);
    password->setAttribute(Qt::WA_DeleteOnClose);
    password->setWindowModality(Qt::ApplicationModal);
    connect(password, &QDialog::finished, this, &FormProgramci::ShowForLevel);
    password->open();
}

void FormProgramci::Save() {
    // A box left as it was keeps the stored text, whatever it held.
    if (convert_->isChecked() != convertLoaded_)
        settings_.Programci[1] = convert_->isChecked() ? "1" : "0";
    settings_.Programci[2] = Std(editionCode_->text());
    if (std::string error = WriteProgrammerValues(settings_); !error.empty()) {
        ShowMessage(this, Q(error));
        return;
    }
    CloseForm(this);
}

}  // namespace kovu3
