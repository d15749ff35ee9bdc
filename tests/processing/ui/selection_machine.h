#pragma once
// A desktop machine whose data folder holds simulated raw logger files, with the main
// window started on it and the selection window opened by a menu command.

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "loggersim/raw_file_writer.h"
#include "processing/ui/form_sec.h"
#include "shell/file_io.h"
#include "shell/station_store.h"
#include "shell/ui/desktop_machine.h"

namespace kovu3::test {

struct SelectionMachine {
    DesktopMachine machine;
    sim::Hydrograph river;
    std::unique_ptr<Anamenu> window;

    explicit SelectionMachine(const char* language = "TURKCE") : machine(language) {
        fs::create_directories(Data());
    }

    fs::path Data() const { return machine.environment.layout.Limdat(); }
    fs::path Program() const { return machine.environment.programFolder; }
    std::string Read(const std::string& name) const { return *ReadWholeFile(Data() / name); }
    void Write(const std::string& name, std::string_view bytes) const {
        fs::create_directories((Data() / name).parent_path());
        WriteFileReplacing(Data() / name, bytes);
    }

    // A 10-minute raw file of a normal logger set up at `from` 00:00 and read out at the end
    // of `until`; returns its name.
    std::string Raw(const char* station, int order, DateParts from, DateParts until, char kind = 0,
                    const char* unit = "001") {
        sim::LoggerFileRecipe recipe;
        recipe.stationId = station;
        recipe.order = order;
        recipe.kindLetter = kind;
        recipe.unitCode = unit;
        recipe.setup = {from, 0};
        recipe.readingsUntil = {until, 1440};
        const std::string name = sim::RawFileName(recipe);
        Write(name, sim::MakeRawFile(recipe, river));
        return name;
    }

    void NameStation(const char* number, const char* name) const {
        auto opened = StationStore::Open(machine.environment.layout.StationDatabase());
        opened.store->SetName(number, name);
    }

    // Starts the program (once) and runs a work command of the menu.
    FormSec* Open(const char* item) {
        if (!window) window = machine.Start();
        window->findChild<QAction*>(item)->trigger();
        return qobject_cast<FormSec*>(window->childForm(QStringLiteral("FormSec")));
    }
};

template <typename T>
T* Child(QObject* form, const char* name) {
    T* child = form->findChild<T*>(QString::fromLatin1(name));
    if (!child) qWarning("no child %s", name);
    return child;
}

inline QStringList Entries(QObject* form, const char* list) {
    QStringList entries;
    QListWidget* widget = Child<QListWidget>(form, list);
    for (int row = 0; row < widget->count(); ++row) entries << widget->item(row)->text();
    return entries;
}

// A mouse click on a list entry, as the operator makes it.
inline void ClickEntry(QObject* form, const char* list, int row) {
    QListWidget* widget = Child<QListWidget>(form, list);
    widget->scrollToItem(widget->item(row));
    const QRect place = widget->visualItemRect(widget->item(row));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, place.center());
}

// Waits for the run the action button started.
inline bool WaitForRun(FormSec* form) {
    if (!form->running()) return true;
    QSignalSpy finished(form, &FormSec::runFinished);
    return finished.wait(120000);
}

}  // namespace kovu3::test
