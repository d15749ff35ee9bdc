#pragma once
// Writes the processed station-year file: [Genel], [Aylik Degerler], [Gunluk Degerler] and
// [Seviyeler], CP1254 with CR LF, numbers in print form (" 3 ", "-1 ", nothing when unset).

#include <filesystem>
#include <string>
#include <vector>

#include "processing/level_line.h"
#include "processing/year_statistics.h"
#include "shell/calendar.h"

namespace kovu3 {

struct ProcessedFileContent {
    std::string Version;  // version marker of the last raw file decoded, as stored
    std::string IstNo;
    std::string IstAdi;
    int SuYili = 0;
    std::vector<std::string> OrjinalDosya;
};

// The file image. `series` holds the level lines in time order with their day marks set;
// `calendar` gives the water-year month order and the date separator.
std::string FormatProcessedFile(const ProcessedFileContent& content, const YearStatistics& stats,
                                const std::vector<LevelLineText>& series, const Calendar& calendar);

// Writes the file under a temporary name and renames it into place; returns an error
// message naming the file, empty on success.
std::string WriteProcessedFile(const std::filesystem::path& path, const ProcessedFileContent& content,
                               const YearStatistics& stats, const std::vector<LevelLineText>& series,
                               const Calendar& calendar);

// A number in print form: " 3 " for 3, "-1 " for -1.
std::string PrintForm(long value);

}  // namespace kovu3
