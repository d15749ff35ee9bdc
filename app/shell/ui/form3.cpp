#include "shell/ui/form3.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "shell/settings_values.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

Form3::Form3(ProgramSettings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8("Şifre Girişi"));
    entry_ = new QLineEdit(this);
    entry_->setObjectName(QStringLiteral("Text1"));
    entry_->setEchoMode(QLineEdit::Password);
    auto* ok = new QPushButton(QStringLiteral("Tamam"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entry_);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (IsProgrammerPassword(Std(entry_->text()))) settings_.ProgrammerLevel = 1;
        accept();
    });
}

}  // namespace kovu3
