#include "shell/ui/ui_support.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QProcess>
#include <QStringList>

namespace kovu3 {
namespace {

Rgb SystemColour(int index) {
    // 5 is the background of windows' contents, the only system colour the program stores.
    QColor colour = QApplication::palette().color(index == 5 ? QPalette::Base : QPalette::Window);
    return {colour.red(), colour.green(), colour.blue()};
}

}  // namespace

QString Caption(const LanguageTexts& texts, int entry, const char* design) {
    return texts.Captions[static_cast<size_t>(entry)].empty()
               ? QString::fromUtf8(design)
               : Q(texts.Captions[static_cast<size_t>(entry)]);
}

QColor ToQColor(WindowsColour colour) {
    Rgb rgb = ToRgb(colour, SystemColour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void ShowMessage(QWidget* parent, const QString& text, const QString& title) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("message"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CloseForm(QWidget* form) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        frame->close();
    else
        form->close();
}

QString StartDetached(const LaunchCommand& command) {
    if (!command.error.empty()) return Q(command.error);
    QStringList arguments;
    for (const std::string& argument : command.arguments) arguments << Q(argument);
    if (QProcess::startDetached(Q(command.program), arguments, Q(command.workingFolder))) return {};
    QString what = Q(command.program);
    if (command.program == "xdg-open")
        what += QStringLiteral(" (the desktop's opener, Debian package xdg-utils)");
    return QStringLiteral("Cannot start %1 %2").arg(what, arguments.join(QLatin1Char(' ')));
}

}  // namespace kovu3
