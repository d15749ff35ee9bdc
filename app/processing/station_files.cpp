#include "processing/station_files.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "processing/station_year_data.h"

namespace kovu3 {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), Upper);
    return out;
}

std::vector<std::string> RawFileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        if (IsRawFileName(name) && entry.is_regular_file(ec)) names.push_back(name);
    }
    return names;
}

// Year, order characters, identifier, kind letter: the order of a station's files.
std::string SortKey(std::string_view name) {
    return UpperCase(std::to_string(RawFileYear(name)) + std::string(name.substr(8, 3)) +
                     std::string(name.substr(0, 8)) + name.back());
}

}  // namespace

bool IsRawFileName(std::string_view name) {
    if (name.size() != 15 || name[11] != '.') return false;
    for (size_t i : {0, 1, 2, 3, 4, 5, 6, 7, 12, 13})
        if (!IsDigit(name[i])) return false;
    char kind = Upper(name[14]);
    return kind == 'M' || kind == 'N' || kind == 'R';
}

std::string StationOfRawFile(std::string_view name) {
    return std::string(name.substr(0, 3)) + "-" + std::string(name.substr(3, 5));
}

int RawFileYear(std::string_view name) {
    int yy = (name[12] - '0') * 10 + (name[13] - '0');
    return yy <= 35 ? 2000 + yy : 1900 + yy;
}

std::vector<std::string> ListStations(const std::filesystem::path& dataFolder) {
    std::set<std::string> stations;
    for (const std::string& name : RawFileNames(dataFolder)) {
        if (name.substr(0, 3) != "000") stations.insert(StationOfRawFile(name));
    }
    return {stations.begin(), stations.end()};
}

std::vector<std::string> ListStationRawFiles(const std::filesystem::path& dataFolder, std::string_view station) {
    if (station.size() != 9) return {};
    const std::string digits = std::string(station.substr(0, 3)) + std::string(station.substr(4, 5));
    std::vector<std::string> ordered;
    std::vector<std::string> names = RawFileNames(dataFolder);
    for (char kind : {'M', 'N', 'R'}) {
        std::vector<std::pair<std::string, std::string>> group;
        for (const std::string& name : names) {
            if (name.substr(0, 8) == digits && Upper(name[14]) == kind) group.emplace_back(SortKey(name), name);
        }
        std::sort(group.begin(), group.end());
        for (auto& [key, name] : group) ordered.push_back(std::move(name));
    }
    return ordered;
}

std::vector<std::string> DeleteStationYearProducts(const std::filesystem::path& dataFolder, int waterYear,
                                                   std::string_view station) {
    std::string processed = ProcessedFileName(waterYear, std::string(station));
    std::string stem = processed.substr(1, processed.size() - 5);  // year + station
    std::vector<std::string> deleted;
    for (const std::string& name : {processed, "S" + stem + ".xls", "S" + stem + ".xlsx", "Q" + stem + ".xls",
                                    "Q" + stem + ".xlsx"}) {
        std::error_code ec;
        if (std::filesystem::remove(dataFolder / name, ec)) deleted.push_back(name);
    }
    return deleted;
}

}  // namespace kovu3
