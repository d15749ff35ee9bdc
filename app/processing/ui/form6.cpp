#include "processing/ui/form6.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "shell/ui/ui_support.h"

namespace kovu3 {

Form6::Form6(const ProgramSettings& settings, QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Kontrol Formu"));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(8);
    list2_ = new QListWidget(this);
    list2_->setObjectName(QStringLiteral("List2"));
    list2_->setFont(fixed);
    list5_ = new QListWidget(this);
    list5_->setObjectName(QStringLiteral("List5"));
    list5_->setFont(fixed);
    command1_ = new QPushButton(Caption(settings.texts, 40, "Çıkış"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    auto* lists = new QHBoxLayout;
    lists->addWidget(list2_);
    lists->addWidget(list5_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(command1_, 0, Qt::AlignRight);
    resize(Twips(9600), Twips(4800));
    connect(command1_, &QPushButton::clicked, this, &QWidget::hide);
}

void Form6::SetLists(const std::vector<std::string>& list2, const std::vector<std::string>& list5) {
    list2_->clear();
    list5_->clear();
    for (const std::string& line : list2) list2_->addItem(Q(line));
    for (const std::string& line : list5) list5_->addItem(Q(line));
}

void Form6::ShowForm() {
    if (QScreen* screen = this->screen()) move(screen->availableGeometry().topLeft());
    show();
    raise();
}

}  // namespace kovu3
