#pragma once
// OzelDosyalar.txt in the data folder: pairs of a raw file name and a whole number k that
// move the first record of that file by k record intervals (k may be negative). Fields are
// separated by commas or line ends; a field may be enclosed in double quotes.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kovu3 {

inline constexpr const char* kSpecialFilesName = "OzelDosyalar.txt";

// The fields of the file image (CP1254) in order, as UTF-8. Blank lines hold no field.
std::vector<std::string> ShiftListFields(std::string_view bytes);

struct ShiftListEntry {
    long intervals = 0;  // the sum of k over every pair naming the file exactly (case counts)
    int pairs = 0;       // how many pairs named it
};
ShiftListEntry ShiftForFile(std::string_view bytes, std::string_view fileName);

// The same read from the data folder; no file shifts nothing.
ShiftListEntry ReadSpecialFileShift(const std::filesystem::path& dataFolder,
                                      std::string_view fileName);

}  // namespace kovu3
