#include "shell/report_files.h"

#include <algorithm>
#include <system_error>

#include "shell/file_io.h"

namespace kovu3 {
namespace {

bool IsWorkbookName(std::string_view name) {
    auto endsWith = [name](std::string_view suffix) {
        return name.size() > suffix.size() &&
               EqualsIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
    };
    return endsWith(".xls") || endsWith(".xlsx");
}

}  // namespace

ReportFileList ListReportFiles(const std::filesystem::path& dataFolder) {
    ReportFileList list;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder, ec)) {
        std::error_code typeError;
        std::string name = entry.path().filename().string();
        if (entry.is_regular_file(typeError) && IsWorkbookName(name)) list.names.push_back(name);
    }
    if (ec) list.error = dataFolder.string() + ": " + ec.message();
    std::ranges::sort(list.names);
    return list;
}

std::string DeleteReportFile(const std::filesystem::path& dataFolder, std::string_view name) {
    if (name.empty() || name.find('/') != std::string_view::npos || name == "." || name == ".." ||
        !IsWorkbookName(name))
        return std::string(name) + ": not a workbook of " + dataFolder.string();
    std::filesystem::path file = dataFolder / std::string(name);
    std::error_code ec;
    if (!std::filesystem::remove(file, ec) || ec)
        return "Cannot delete " + file.string() + ": " + (ec ? ec.message() : "no such file");
    return {};
}

}  // namespace kovu3
