#include "cli/report_settings.h"

#include "shell/startup.h"

namespace kovu3::cli {

ReportSettings SettingsForReport(const CliContext& context,
                                 const std::filesystem::path& processedFile,
                                 const std::string& language) {
    ReportSettings result{RunStartup(context.environment).settings, {}};
    ProgramSettings& settings = result.settings;
    std::error_code ec;
    settings.DataDirectory = FolderText(std::filesystem::absolute(processedFile, ec).parent_path());
    std::string chosen = !language.empty()            ? language
                         : settings.texts.Language.empty() ? std::string("TURKCE")
                                                           : settings.Language();
    if (!ApplyLanguage(settings.texts, chosen)) {
        result.problem = "unknown language " + chosen;
        return result;
    }
    settings.Options[21] = chosen;
    ApplyCalendar(settings.calendar, chosen);
    return result;
}

}  // namespace kovu3::cli
