#include "reports/report_cells.h"

#include <cmath>
#include <cstdlib>

namespace kovu3 {

std::string StationCode(std::string_view istNo) {
    std::string_view left = istNo.substr(0, std::min<size_t>(3, istNo.size()));
    std::string_view right = istNo.size() > 5 ? istNo.substr(istNo.size() - 5) : istNo;
    return std::string(left) + "-" + std::string(right);
}

std::string ClockText(const LevelLine& line) {
    return line.Hour + ":" + line.Minute;
}

// Texts are built by appending: GCC 12 warns falsely (-Wrestrict) on "literal" + string.
std::string TimeText(const LevelLine& line) {
    std::string text = "'";
    return text.append(ClockText(line));
}

std::string LevelEntry(const LevelLine& line) {
    return line.Level == "-99" ? std::string() : line.Level;
}

std::string DayOfMonth(const LevelLine& line) {
    return line.Date.substr(0, 2);
}

std::string FormatFixed(std::optional<double> value, int decimals) {
    if (!value || !std::isfinite(*value) || std::fabs(*value) > 1e15) return {};
    const long long scale = decimals == 2 ? 100 : 1;
    // Away from zero at the half, as the spreadsheet's number formats round; digits are
    // put together by hand so that the machine's locale never turns "." into ",".
    // The spreadsheet rounds the decimal digits it shows, so 1.005 shows as 1.01 although
    // its binary value lies a little below; settle the micro-units first.
    double exact = std::round(*value * static_cast<double>(scale) * 1e6) / 1e6;
    long long scaled = std::llround(exact);
    std::string text = std::to_string(std::llabs(scaled) / scale);
    if (decimals == 2) {
        long long cents = std::llabs(scaled) % scale;
        text += (cents < 10 ? ".0" : ".") + std::to_string(cents);
    }
    return scaled < 0 ? "-" + text : text;
}

std::string SignedText(long value) {
    std::string text = value < 0 ? "" : " ";
    return text.append(std::to_string(value));
}

size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

std::string CalendarMismatch(const StationYearData& data, const std::filesystem::path& file,
                             const ProgramSettings& settings) {
    bool gregorian = settings.calendar.CalendarKind == 0;
    if ((data.SuYili > 1900) == gregorian) return {};
    constexpr size_t kWrongCalendarCaption = 119;
    return file.string() + ": water year " + std::to_string(data.SuYili) + " is not a year of the " +
           (gregorian ? "Gregorian" : "Persian") + " calendar in use. " +
           settings.texts.Captions[kWrongCalendarCaption];
}

ProductPath ProductFile(const std::filesystem::path& folder, const std::string& name) {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of(std::string("/\\\0", 3)) != std::string::npos) {
        return {{}, "\"" + name + "\" cannot be a file name in " + folder.string() +
                        ": the station number of the processed file is not usable"};
    }
    return {folder / name, {}};
}

}  // namespace kovu3
