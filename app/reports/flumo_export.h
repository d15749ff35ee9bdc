#pragma once
// The level file of the hydrology program Flumo: H + the water year's last two digits + the
// station number + ".DAT", beside the processed station-year file it is made from. 1592
// lines, CP1254 with CR LF: the station, an empty line, the water year; for each month of
// the water year the day, level and mark of its highest and its lowest reading; five empty
// lines; then the mean level of every day, 31 days to every month ("---" for a day the month
// does not have, 29 February included).

#include <filesystem>
#include <string>

#include "shell/program_settings.h"

namespace kovu3 {

struct FlumoResult {
    std::filesystem::path path;  // the file written; empty when nothing was written
    std::string error;           // why nothing was written, naming the file
    // For the window's message box: "Seviyeler " + path + " Dosyasına yazıldı..".
    std::string message;
};

// "H04123-45678.DAT"; a station number of digits only is written with at least 5 digits.
std::string FlumoFileName(int waterYear, const std::string& station);

// Writes the file under a temporary name and renames it into place. An empty path does
// nothing; a station-year without its processed file is refused with a message naming it.
FlumoResult ExportToFlumo(const std::filesystem::path& processedFile,
                          const ProgramSettings& settings);

}  // namespace kovu3
