#include "shell/ui/frm_logo.h"

#include <QPixmap>
#include <QVBoxLayout>

#include "shell/version_file.h"

namespace kovu3 {

FrmLogo::FrmLogo(const ProgramSettings& settings, QWidget* parent) : MdiForm(parent) {
    setObjectName(QStringLiteral("FrmLogo"));
    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setAlignment(Qt::AlignCenter);
    // A missing picture leaves the frame empty; the window opens all the same. Without a
    // language the window shows its own picture, the Turkish one.
    const std::string& file =
        settings.texts.LogoFile.empty() ? std::string("Logo.jpg") : settings.texts.LogoFile;
    QPixmap picture(Q(settings.ProgramFolder + file));
    if (!picture.isNull())
        image_->setPixmap(picture);
    else
        image_->setMinimumSize(Twips(7200), Twips(4500));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setAlignment(Qt::AlignCenter);
    QString title = QStringLiteral("KOVU ") + Q(ReadVersionText(settings.ProgramFolder));
    label_->setText(title);
    setWindowTitle(title);
    // Clicks on the picture and the label reach the window, which closes.
    image_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(image_);
    layout->addWidget(label_);
}

void FrmLogo::mousePressEvent(QMouseEvent*) {
    CloseForm(this);
}

}  // namespace kovu3
