#include "shell/ui/selection_placeholder.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kovu3 {

SelectionPlaceholder::SelectionPlaceholder(const ProgramSettings& settings, const QString& title,
                                           QWidget* parent)
    : MdiForm(parent) {
    setObjectName(QStringLiteral("FormSec"));
    setWindowTitle(title);
    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("PlaceholderText"));
    text->setWordWrap(true);
    text->setText(
        QStringLiteral(
            "The station and water-year selection window is not part of this build yet.\n\n"
            "Operation: %1\nNext window: %2")
            .arg(Q(settings.SelectedOperation), Q(settings.TargetWindow)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    resize(Twips(7200), Twips(2400));
}

}  // namespace kovu3
