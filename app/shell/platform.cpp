#include "shell/platform.h"

#include <langinfo.h>
#include <locale.h>
#include <time.h>

#include <cstdlib>
#include <system_error>

namespace kovu3 {

std::string FolderText(const fs::path& folder) {
    std::string text = folder.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

std::string SystemLayout::RootFolder() const { return FolderText(root); }
std::string SystemLayout::LimdatFolder() const { return FolderText(Limdat()); }

std::string DateSeparatorOfPattern(const std::string& pattern) {
    // 2 January 1999, as the original formatted a day after 01/01/1999.
    struct tm date {};
    date.tm_mday = 2;
    date.tm_mon = 0;
    date.tm_year = 99;
    char buffer[128];
    size_t length = strftime(buffer, sizeof buffer, pattern.c_str(), &date);
    std::string text(buffer, length);
    if (text.find('.') != std::string::npos) return ".";
    return "/";
}

std::string SystemDateSeparator() {
    locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return "/";
    std::string pattern = nl_langinfo_l(D_FMT, locale);
    freelocale(locale);
    return DateSeparatorOfPattern(pattern);
}

Environment DetectEnvironment(const char* argv0) {
    Environment env;
    std::error_code ec;
    if (const char* root = std::getenv("KOVU3_SYSTEM_ROOT"); root && *root) {
        env.layout.root = fs::absolute(root, ec);
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        env.layout.root = home;
    } else {
        env.layout.root = fs::current_path(ec);
    }
    if (const char* folder = std::getenv("KOVU3_PROGRAM_FOLDER"); folder && *folder) {
        env.programFolder = fs::absolute(folder, ec);
    } else {
        fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        if (ec && argv0) exe = fs::absolute(argv0, ec);
        env.programFolder = exe.parent_path();
    }
    env.dateSeparator = SystemDateSeparator();
    return env;
}

}  // namespace kovu3
