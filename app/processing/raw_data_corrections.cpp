#include "processing/raw_data_corrections.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>
#include <system_error>

#include "processing/station_files.h"
#include "rawfile/bcd.h"
#include "rawfile/raw_decoder.h"
#include "rawfile/raw_file_editor.h"
#include "rawfile/raw_format.h"
#include "shell/calendar.h"
#include "shell/file_io.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

constexpr long kLargestSensorValue = 65535;  // two logger bytes
constexpr size_t kExtremeTypedLimit = 80;    // characters of a level typed after a time

std::string Say(const ProgramSettings& settings, const std::string& turkish,
                const std::string& english) {
    return settings.Language() == "TURKCE" || settings.Language().empty() ? turkish : english;
}

// A typed number: optional sign, digits, a "." or "," before the decimals.
std::optional<double> TypedNumber(std::string_view text) {
    std::string number(TrimBlanks(text));
    std::replace(number.begin(), number.end(), ',', '.');
    if (!number.empty() && number.front() == '+') number.erase(0, 1);
    double value = 0;
    const char* last = number.data() + number.size();
    auto [end, ec] = std::from_chars(number.data(), last, value, std::chars_format::fixed);
    if (number.empty() || ec != std::errc() || end != last || std::fabs(value) > 1e12)
        return std::nullopt;
    return value;
}

// A typed value in a fixed number of digits ("000000", "00"); text that is no number stays
// as typed.
std::string Formatted(std::string_view typed, int digits) {
    std::optional<double> number = TypedNumber(typed);
    if (!number) return std::string(typed);
    const long long rounded = std::llround(std::fabs(*number));
    char text[40];
    std::snprintf(text, sizeof text, "%s%0*lld", *number < 0 && rounded != 0 ? "-" : "", digits,
                  rounded);
    return text;
}

// The number in `text` when it is all digits.
std::optional<long> Digits(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// One marked line, checked and encoded for its raw file.
struct PlannedLine {
    size_t lineIndex = 0;
    LogLineSource source;
    LogLineKind kind = LogLineKind::Reading;
    long level = 0;
    int hour = 0, minute = 0;
    std::string date;  // dd/mm/yyyy of a reading line, else empty
};

struct PlannedFile {
    std::string name;
    std::vector<RawFileEdit> edits;
    std::vector<int> waterYears;
};

std::string LineNumber(size_t index) {
    return std::to_string(index + 1);
}

// Reads the values of a marked line; an error names the line and what is wrong.
std::optional<PlannedLine> ReadMarkedLine(const std::string& line, size_t index,
                                          const ProgramSettings& settings, std::string& error) {
    PlannedLine planned;
    planned.lineIndex = index;
    planned.kind = KindOfLogLine(line);
    auto source = SourceOfLogLine(line);
    const std::string shown = line.substr(0, std::min<size_t>(line.size(), 40));
    if (!source) {
        error = Say(settings, "Satır " + LineNumber(index) + " ham dosyayı ve baytı söylemiyor: ",
                    "Line " + LineNumber(index) + " names no raw file and byte: ") +
                shown;
        return std::nullopt;
    }
    planned.source = *source;
    const std::string_view view(line);
    auto level = view.size() >= 23 ? Digits(view.substr(17, 6)) : std::nullopt;
    if (!level) {
        error =
            Say(settings,
                "Satır " + LineNumber(index) + ": seviye altı rakam olmalı (sütun 18-23): ",
                "Line " + LineNumber(index) + ": the level must be six digits (columns 18-23): ") +
            shown;
        return std::nullopt;
    }
    planned.level = *level;
    if (planned.kind == LogLineKind::Maximum || planned.kind == LogLineKind::Minimum) {
        auto hour = Digits(view.substr(11, 2));
        auto minute = Digits(view.substr(14, 2));
        const bool valid = hour && minute && view[13] == ':' && *hour <= 24 && *minute <= 59 &&
                           !(*hour == 24 && *minute > 0);
        if (!valid) {
            error = Say(settings,
                        "Satır " + LineNumber(index) +
                            ": zaman ss:dd biçiminde 00:00 ile 24:00 "
                            "arasında olmalı: ",
                        "Line " + LineNumber(index) +
                            ": the time must be hh:mm from 00:00 to 24:00: ") +
                    shown;
            return std::nullopt;
        }
        planned.hour = static_cast<int>(*hour);
        planned.minute = static_cast<int>(*minute);
    } else if (ParseDate(view.substr(0, 10))) {
        planned.date = std::string(view.substr(0, 10));
    }
    return planned;
}

// Decodes the raw file of a group of lines and turns each line into its edit.
std::string PlanFile(PlannedFile& file, const std::vector<PlannedLine>& lines,
                     const ProgramSettings& settings) {
    RawFileResult decoded = ReadRawFile(file.name, settings);
    const SetupParameters& setup = decoded.setup;
    if (setup.UnitFactor == 0 || setup.DataStart == 0) {
        return file.name + ": " +
               Say(settings, "ham dosya çözülemedi, düzeltme yazılmadı",
                   "the raw file cannot be decoded; no correction was written") +
               (decoded.errorText.empty() ? "" : " (" + decoded.errorText + ")");
    }
    const size_t dataEnd = std::min(setup.DataEnd, decoded.fileLength);
    for (const PlannedLine& line : lines) {
        std::string bytes = EncodeRawLevel(line.level, setup.UnitFactor);
        if (bytes.empty()) {
            return file.name + ": " +
                   Say(settings,
                       "satır " + LineNumber(line.lineIndex) + " seviyesi " +
                           std::to_string(line.level) + " cm cihaz biçiminde saklanamaz",
                       "the level " + std::to_string(line.level) + " cm of line " +
                           LineNumber(line.lineIndex) + " cannot be stored in the logger's format");
        }
        if (line.kind == LogLineKind::Maximum || line.kind == LogLineKind::Minimum)
            bytes += EncodeBcd(line.hour) + EncodeBcd(line.minute);
        const size_t offset = line.source.position - 1;
        if (line.source.position == 0 || offset < setup.DataStart ||
            offset + bytes.size() > dataEnd) {
            return file.name + ": " +
                   Say(settings,
                       "satır " + LineNumber(line.lineIndex) + " baytı " +
                           std::to_string(line.source.position) + " veri bölümünde değil",
                       "byte " + std::to_string(line.source.position) + " of line " +
                           LineNumber(line.lineIndex) + " lies outside the data area");
        }
        file.edits.push_back({offset, std::move(bytes)});
        if (!line.date.empty())
            file.waterYears.push_back(WaterYearOf(line.date, settings.calendar));
    }
    if (decoded.errorText.empty()) {
        const int last = std::min(decoded.timeBase.LastWaterYear, decoded.timeBase.WaterYear + 100);
        for (int year = decoded.timeBase.WaterYear; year <= last; ++year)
            file.waterYears.push_back(year);
    }
    std::sort(file.waterYears.begin(), file.waterYears.end());
    file.waterYears.erase(std::unique(file.waterYears.begin(), file.waterYears.end()),
                          file.waterYears.end());
    return {};
}

// Deletes "S" + year + station + ".*": the processed file and the level table.
void DeleteLevelProducts(const fs::path& folder, int year, const std::string& station,
                         std::vector<std::string>& deleted) {
    const std::string prefix = "S" + std::to_string(year) + station + ".";
    std::error_code ec;
    std::vector<fs::path> matches;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > prefix.size() &&
            EqualsIgnoringCase(name.substr(0, prefix.size()), prefix) && entry.is_regular_file(ec))
            matches.push_back(entry.path());
    }
    std::sort(matches.begin(), matches.end());
    for (const fs::path& path : matches)
        if (fs::remove(path, ec)) deleted.push_back(path.filename().string());
}

}  // namespace

LogLineKind KindOfLogLine(std::string_view line) {
    if (line.find("---") != std::string_view::npos) return LogLineKind::Separator;
    if (line.find("Max") != std::string_view::npos) return LogLineKind::Maximum;
    if (line.find("Min") != std::string_view::npos) return LogLineKind::Minimum;
    return LogLineKind::Reading;
}

LogLineField FieldOfLogLine(LogLineKind kind) {
    switch (kind) {
        case LogLineKind::Reading:
            return {17, 6};
        case LogLineKind::Maximum:
        case LogLineKind::Minimum:
            return {11, 12};
        case LogLineKind::Separator:
            break;
    }
    return {};
}

std::string EditableField(std::string_view line, LogLineKind kind) {
    const LogLineField field = FieldOfLogLine(kind);
    if (field.width == 0 || line.size() < field.start + field.width) return {};
    return std::string(line.substr(field.start, field.width));
}

std::optional<std::string> EditLogLine(std::string_view line, LogLineKind kind,
                                       std::string_view typed) {
    const LogLineField field = FieldOfLogLine(kind);
    if (field.width == 0 || line.size() < field.start + field.width) return std::nullopt;
    std::string replacement;
    if (kind == LogLineKind::Reading) {
        replacement = Formatted(typed, 6);
    } else {
        const size_t blank = typed.find(' ');
        if (blank == std::string_view::npos) return std::nullopt;
        const std::string_view time = typed.substr(0, blank);
        const size_t colon = time.find(':');
        if (colon == std::string_view::npos) return std::nullopt;
        replacement = Formatted(time.substr(0, colon), 2) + ":" +
                      Formatted(time.substr(colon + 1, 2), 2) + " " +
                      Formatted(typed.substr(blank + 1, kExtremeTypedLimit), 6);
    }
    std::string edited = std::string(line) + std::string(kCorrectionMark);
    edited.replace(field.start, std::min(replacement.size(), field.width), replacement, 0,
                   std::min(replacement.size(), field.width));
    return edited;
}

std::optional<LogLineSource> SourceOfLogLine(std::string_view line) {
    const size_t name = line.find("#D:");
    if (name == std::string_view::npos) return std::nullopt;
    const size_t nameEnd = line.find("#B", name + 3);
    const size_t position = line.find("#B:", name + 3);
    if (nameEnd == std::string_view::npos || position == std::string_view::npos)
        return std::nullopt;
    LogLineSource source;
    source.rawFile = std::string(TrimBlanks(line.substr(name + 3, nameEnd - name - 3)));
    std::string_view digits = line.substr(position + 3);
    digits = digits.substr(0, std::min(digits.find(kCorrectionMark), digits.size()));
    auto value = Digits(TrimBlanks(digits));
    if (source.rawFile.empty() || !value) return std::nullopt;
    source.position = static_cast<size_t>(*value);
    return source;
}

std::string EncodeRawLevel(long centimetres, double unitFactor) {
    if (unitFactor <= 0 || centimetres < 0) return {};
    const long long value = std::llround(static_cast<double>(centimetres) / unitFactor);
    if (value > kLargestSensorValue) return {};
    char text[48];
    std::snprintf(text, sizeof text, "%03lld%03lld", value / 256, value % 256);
    return text;
}

PageCorrectionResult SavePageCorrections(const std::vector<std::string>& lines,
                                         const ProgramSettings& settings) {
    PageCorrectionResult result;
    // Every marked line is read and checked before any file is touched.
    std::vector<PlannedLine> planned;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line.find(kCorrectionMark) == std::string::npos ||
            KindOfLogLine(line) == LogLineKind::Separator)
            continue;
        auto read = ReadMarkedLine(line, i, settings, result.error);
        if (!read) return result;
        planned.push_back(std::move(*read));
    }
    std::vector<PlannedFile> files;
    for (const PlannedLine& line : planned) {
        auto same = [&](const PlannedFile& file) {
            return EqualsIgnoringCase(file.name, line.source.rawFile);
        };
        if (std::none_of(files.begin(), files.end(), same))
            files.push_back({line.source.rawFile, {}, {}});
    }
    for (PlannedFile& file : files) {
        std::vector<PlannedLine> own;
        for (const PlannedLine& line : planned)
            if (EqualsIgnoringCase(line.source.rawFile, file.name)) own.push_back(line);
        if (std::string error = PlanFile(file, own, settings); !error.empty()) {
            result.error = error;
            return result;
        }
    }

    const fs::path folder = settings.DataDirectory;
    std::set<std::pair<int, std::string>> stale;
    for (const PlannedFile& file : files) {
        RawFileEditOutcome outcome =
            ApplyRawFileEdits(folder, file.name, file.edits, settings.DateSeparator());
        result.changedFields += outcome.changedFields;
        if (outcome.changedFields > 0) {
            result.correctedFiles.push_back(file.name);
            for (int year : file.waterYears) stale.insert({year, StationOfRawFile(file.name)});
        }
        if (!outcome.error.empty()) {
            result.error = outcome.error;
            break;
        }
    }
    for (const auto& [year, station] : stale)
        DeleteLevelProducts(folder, year, station, result.deletedProducts);
    return result;
}

RawFileRemoval MoveRawFileToBackup(const fs::path& dataFolder, std::string_view rawFile) {
    RawFileRemoval removal;
    auto path = FindIgnoringCase(dataFolder, rawFile);
    std::error_code ec;
    if (!path || !fs::is_regular_file(*path, ec)) {
        removal.error = "No raw file " + std::string(rawFile) + " in " + dataFolder.string();
        return removal;
    }
    const fs::path target = dataFolder / kBackupFolderName / "silinen";
    fs::create_directories(target, ec);
    if (ec) {
        removal.error = "Cannot create " + target.string() + ": " + ec.message();
        return removal;
    }
    const std::string name = path->filename().string();
    fs::path destination = target / name;
    for (int n = 1; fs::exists(destination, ec) || fs::is_symlink(destination, ec); ++n)
        destination = target / (name + "." + std::to_string(n));
    fs::rename(*path, destination, ec);
    if (ec) {
        removal.error = "Cannot move " + path->string() + " to " + destination.string() + ": " +
                        ec.message() + "; the file stays where it was";
        return removal;
    }
    removal.movedTo = destination;
    return removal;
}

}  // namespace kovu3
