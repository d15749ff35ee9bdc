#pragma once
// Which stations, raw logger files and products a data folder holds. Raw logger files are
// named with eight digits of station identifier, three characters that order a station's
// files, ".", two digits of year and a kind letter M, N or R: "12345678001.03M". Names are
// matched ignoring letter case, as on the file system the names come from.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovu3 {

// True for a name of that shape (fifteen characters).
bool IsRawFileName(std::string_view name);

// "123-45678" from the name's first eight characters.
std::string StationOfRawFile(std::string_view name);

// The four-digit year of a raw file name: "20" + yy when yy <= 35, else "19" + yy.
int RawFileYear(std::string_view name);

// Stations of the folder's raw files, sorted; a name whose first three characters read as 0
// adds no station.
std::vector<std::string> ListStations(const std::filesystem::path& dataFolder);

// The raw files of one station in the order files are merged: the M files, then N, then R;
// within each, by year, order characters, identifier and kind letter (upper-cased, byte
// order).
std::vector<std::string> ListStationRawFiles(const std::filesystem::path& dataFolder,
                                             std::string_view station);

// Deletes the station-year's processed file and workbooks (S...txt, S/Q...xls and .xlsx)
// where present; nothing else. Returns the names deleted.
std::vector<std::string> DeleteStationYearProducts(const std::filesystem::path& dataFolder, int waterYear,
                                                   std::string_view station);

}  // namespace kovu3
