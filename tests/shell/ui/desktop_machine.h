#pragma once
// A scratch machine for the window tests: a fresh system root and program folder, a
// Kovu3.ini in a chosen language, and the main window started on them.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <memory>

#include "shell/profile_file.h"
#include "shell/ui/anamenu.h"
#include "support/test_folder.h"

namespace kovu3::test {

struct DesktopMachine {
    TestFolder folder;
    Environment environment;
    std::vector<LaunchCommand> launched;  // what the menu started, instead of starting it

    explicit DesktopMachine(const char* language = "TURKCE") {
        environment.layout.root = folder / "kök dizin";
        environment.programFolder = folder / "program files/KOVU3";
        environment.dateSeparator = "/";
        fs::create_directories(environment.layout.root);
        fs::create_directories(environment.programFolder);
        if (!*language) return;  // no configuration at all
        Configure("Options", "21", language);
        Configure("Genel", "DataDirectory", (environment.layout.Limdat()).string() + "/");
    }
    fs::path Ini() const { return environment.programFolder / "Kovu3.ini"; }
    void Configure(const char* section, const char* key, const std::string& value) const {
        ProfileFile profile = ProfileFile::Load(Ini());
        profile.Set(section, key, value);
        profile.Save(Ini());
    }
    std::string IniValue(const char* section, const char* key) const {
        return ProfileFile::Load(Ini()).Get(section, key).value_or("<missing>");
    }
    std::unique_ptr<Anamenu> Start() {
        auto window = std::make_unique<Anamenu>(environment);
        window->setLauncher([this](const LaunchCommand& command) {
            if (!command.error.empty()) return QString::fromStdString(command.error);
            launched.push_back(command);
            return QString();
        });
        window->show();
        return window;
    }
};

// The texts of the message boxes open now.
inline QStringList MessagesShown() {
    QStringList texts;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            texts << box->text();
    return texts;
}

inline void CloseMessages() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget)) box->close();
}

}  // namespace kovu3::test
