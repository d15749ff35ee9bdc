#pragma once
// The report workbooks of the data folder: the level tables S….xlsx, the level-discharge
// tables Q….xlsx and any other spreadsheet file there, old .xls files included.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kovu3 {

struct ReportFileList {
    std::vector<std::string> names;  // file names only, sorted
    std::string error;
};

ReportFileList ListReportFiles(const std::filesystem::path& dataFolder);

// Deletes one workbook of the list; refuses names that leave the folder or are no
// workbook. Returns an error message, empty on success.
std::string DeleteReportFile(const std::filesystem::path& dataFolder, std::string_view name);

}  // namespace kovu3
