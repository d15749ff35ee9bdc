#pragma once
// Small helpers every window of the shell uses: text conversions, twips, messages that do
// not block, and closing a child window of the main window.

#include <QColor>
#include <QMdiSubWindow>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "shell/colour_palette.h"
#include "shell/language_texts.h"
#include "shell/launch_commands.h"

namespace kovu3 {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string Std(const QString& text) {
    return text.toStdString();
}

// A caption of the caption table, or the window's design caption while the table is empty
// (no language applied).
QString Caption(const LanguageTexts& texts, int entry, const char* design);

// The windows were laid out in twips; 15 twips make a pixel.
inline constexpr int Twips(int twips) {
    return twips / 15;
}

// The colour a Windows colour value stands for on this desktop.
QColor ToQColor(WindowsColour colour);

// A message box that does not stop the program's other work; it deletes itself.
void ShowMessage(QWidget* parent, const QString& text,
                 const QString& title = QStringLiteral("Kovu3"));

// Closes a child window: the frame of the main window around it, or the window itself.
void CloseForm(QWidget* form);

// A child window of the main window that acts each time it becomes the active one.
class MdiForm : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    virtual void activated() {}
};

// Starts a program or opens a file without waiting; returns what went wrong, or empty.
using Launcher = std::function<QString(const LaunchCommand&)>;
QString StartDetached(const LaunchCommand& command);

}  // namespace kovu3
