#include "installer/install_procedure.h"

#include <fstream>
#include <string_view>
#include <system_error>

#include "installer/desktop_shortcut.h"
#include "installer/engine_check.h"
#include "installer/setup_text.h"
#include "installer/zlb_archive.h"
#include "shell/file_io.h"

namespace kovu3 {
namespace {

InstallResult& Fail(InstallResult& result, std::string message, std::string detail = {}) {
    result.ok = false;
    result.message = std::move(message);
    result.detail = std::move(detail);
    return result;
}

// The archives carry no file modes: programs (an ELF image or a "#!" script) are made
// executable for everyone who may read them.
void MarkIfProgram(const fs::path& file) {
    char start[4] = {};
    std::ifstream(file, std::ios::binary).read(start, sizeof start);
    const bool program = std::string_view(start, 4) ==
                             "\x7F"
                             "ELF" ||
                         std::string_view(start, 2) == "#!";
    if (!program) return;
    std::error_code ec;
    const fs::perms mode = fs::status(file, ec).permissions();
    fs::perms exec = fs::perms::none;
    if ((mode & fs::perms::owner_read) != fs::perms::none) exec |= fs::perms::owner_exec;
    if ((mode & fs::perms::group_read) != fs::perms::none) exec |= fs::perms::group_exec;
    if ((mode & fs::perms::others_read) != fs::perms::none) exec |= fs::perms::others_exec;
    fs::permissions(file, exec, fs::perm_options::add, ec);
}

// Opens one archive of the medium and extracts it; the reader's error on failure.
std::optional<ArchiveError> ExtractArchive(const fs::path& medium, const char* name,
                                           const fs::path& into, InstallStage stage,
                                           const InstallReporter& report) {
    fs::path path = FindIgnoringCase(medium, name).value_or(medium / name);
    report({stage, InstallEventKind::StageStarted,
            std::string("Extracting ") + name + " into " + into.string()});
    TZLBArchive archive;
    archive.OnProgress = [&](const std::string& message, int percent) {
        report({stage, InstallEventKind::Progress, message, percent});
    };
    archive.OnFileExtracted = [&](const fs::path& file) {
        if (stage == InstallStage::ProgramArchive) MarkIfProgram(file);
        report({stage, InstallEventKind::FileExtracted, file.string()});
    };
    try {
        archive.OpenArchive(path);
        archive.ExtractAll(into.string());
    } catch (const ArchiveError& error) {
        return error;
    }
    return std::nullopt;
}

}  // namespace

InstallResult RunInstall(const InstallRequest& request, const InstallReporter& report) {
    InstallResult result;
    SetupTextResult setup = ReadSetupText(request.medium);
    if (!setup.error.empty()) return Fail(result, setup.error);
    const fs::path install =
        request.target ? *request.target : InstallFolderOf(setup.text.klasad, request.layout);
    result.installFolder = install;

    report({InstallStage::Folders, InstallEventKind::StageStarted,
            "Creating folders in " + install.string()});
    for (const fs::path& folder :
         {ProgramFolderOf(install), DataFolderOf(install), BackupFolderOf(install)}) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        std::error_code isFolderError;
        if (!fs::is_directory(folder, isFolderError)) {
            return Fail(result, "Cannot create the folder " + folder.string(),
                        ec ? ec.message() : "a file of that name is in the way");
        }
    }

    if (auto error = ExtractArchive(request.medium, "prog.dsk", ProgramFolderOf(install),
                                    InstallStage::ProgramArchive, report)) {
        return Fail(result, error->what(), error->detail());
    }
    if (auto error = ExtractArchive(request.medium, "veri.dsk", DataFolderOf(install),
                                    InstallStage::DataArchive, report)) {
        return Fail(result, error->what(), error->detail());
    }

    const fs::path desktop = request.desktop ? *request.desktop : FindDesktopFolder();
    const fs::path program = ProgramFolderOf(install) / setup.text.progad;
    report({InstallStage::Shortcut, InstallEventKind::StageStarted,
            "Desktop shortcut in " + desktop.string()});
    ShortcutResult shortcut = WriteDesktopShortcut(desktop, setup.text.progac, program);
    if (!shortcut.error.empty()) return Fail(result, shortcut.error);
    result.shortcut = shortcut.file;
    result.notes.push_back("Desktop shortcut " + shortcut.file.string() + " starts " +
                           program.string());
    std::error_code ec;
    if (!fs::is_regular_file(program, ec)) {
        result.notes.push_back("Note: " + program.string() + " is not among the extracted files");
    }

    report({InstallStage::EngineCheck, InstallEventKind::StageStarted,
            "Checking the database engine"});
    result.notes.push_back(CheckDatabaseEngine(request.layout, request.medium).note);

    result.ok = true;
    result.message = kInstallSucceeded;
    return result;
}

}  // namespace kovu3
