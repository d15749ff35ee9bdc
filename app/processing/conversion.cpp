#include "processing/conversion.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>

#include "processing/day_record_step.h"
#include "processing/level_line.h"
#include "processing/processed_file_writer.h"
#include "processing/readings_log.h"
#include "processing/station_files.h"
#include "processing/station_year_data.h"
#include "processing/year_statistics.h"
#include "rawfile/additional_info.h"
#include "rawfile/bcd.h"
#include "rawfile/raw_decoder.h"
#include "rawfile/raw_problems.h"
#include "rawfile/raw_reading.h"
#include "shell/file_io.h"

namespace kovu3 {
namespace {

// Times of the selected year that readings already taken cover. Consecutive readings taken
// from one file form a span from the first to the last of them; a reading not taken ends
// the span. A reading inside or at the edge of a span is not taken again, so where
// read-outs overlap the earlier-listed file's readings stay, and nothing is interleaved.
class CoveredTimes final {
public:
    bool Covers(long time) const {
        for (const Span& span : spans_)
            if (time >= span.start && time <= span.end) return true;
        return false;
    }
    void Take(long time) {
        if (open_) spans_.back().end = time;
        else spans_.push_back({time, time});
        open_ = true;
    }
    void EndSpan() { open_ = false; }

private:
    struct Span {
        long start;
        long end;
    };
    std::vector<Span> spans_;
    bool open_ = false;
};

// Level lines sort by their text: day number, then time.
bool TextOrder(const LevelLineText& x, const LevelLineText& y) {
    return std::memcmp(x.data(), y.data(), x.size()) < 0;
}

// A level as six digits, without going through printf for each of a year's readings.
struct LevelText {
    char digits[6];
    operator std::string_view() const { return {digits, 6}; }
};

LevelText SixDigits(int level) {
    LevelText text;
    unsigned value = static_cast<unsigned>(std::clamp(level, 0, 999999));
    for (int i = 5; i >= 0; --i) {
        text.digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return text;
}

// A day of a raw file: its date, water year and day number within that water year.
struct FileDay {
    std::string date;
    int waterYear = 0;
    int dayNo = 0;
};

// What one run shares across the raw files it walks.
struct RunState {
    RunState(const ProgramSettings& s, ReadingsLogWriter& l) : settings(s), log(l) {}
    const ProgramSettings& settings;
    ReadingsLogWriter& log;
    std::ofstream rawCopy;
    std::string rawCopyBuffer;  // written out once per raw file
    bool wholeYear = true;
    int selectedYear = 0;
    std::vector<LevelLineText> series;
    DayPolicies dayPolicy{};
    CoveredTimes covered;
    long readingsTaken = 0;
    long readingsLogged = 0;
    int lastWaterYear = 0;  // single-file check: the last water year reached
};

// Walks one decoded raw file.
class FileWalk final {
public:
    FileWalk(RunState& run, const RawFileResult& file)
        : run_(run), file_(file), walker_(file), sourcePrefix_(ReadingsLogWriter::SourcePrefix(file.fileName)) {
        std::string curve = ReadCurrentAdditionalInfo("AnahtarDirectory", file.fileName, run.settings.DataDirectory);
        if (!curve.empty()) {
            if (auto bytes = ReadWholeFile(curve)) ratingCurve_ = std::move(*bytes), hasCurve_ = true;
        }
        if (!file.image) return;
        midnightStart_ = file.timeBase.MidnightStart == 1;
    }

    void Walk(const std::function<void(size_t)>& progress) {
        RawReading reading;
        int walkedYear = 0;
        while (walker_.Next(reading)) {
            if (reading.kind != RawReadingKind::Ordinary) {
                HandleDayRecordHalf(reading);
                continue;
            }
            if (dayEndPending_) EndDay();
            const FileDay& day = Day(reading.dayOffset);
            if (walkedYear == 0) walkedYear = day.waterYear;
            if (day.waterYear > walkedYear) {
                if (run_.wholeYear && day.waterYear > run_.selectedYear) break;
                walkedYear = day.waterYear;
            }
            run_.lastWaterYear = std::max(run_.lastWaterYear, day.waterYear);
            const bool inSeries = run_.wholeYear && day.waterYear == run_.selectedYear;
            bool taken = true;
            if (inSeries) {
                long time = static_cast<long>(day.dayNo - 1) * 1440 + reading.minuteOfDay;
                taken = !run_.covered.Covers(time);
                if (taken) run_.covered.Take(time);
                else run_.covered.EndSpan();
            } else {
                run_.covered.EndSpan();
            }
            const LevelText level = SixDigits(reading.level);
            if (taken) Take(reading, day, level, inSeries);
            regularMax_ = std::max<long>(regularMax_, reading.level);
            regularMin_ = std::min<long>(regularMin_, reading.level);
            if (reading.minuteOfDay >= 1440) {
                dayEndPending_ = true;
                closingTaken_ = taken;
                closingDay_ = day;
                if (progress) progress(walker_.Position());
            }
        }
        run_.covered.EndSpan();
        if (run_.rawCopy.is_open()) {
            run_.rawCopy.write(run_.rawCopyBuffer.data(), static_cast<std::streamsize>(run_.rawCopyBuffer.size()));
            run_.rawCopyBuffer.clear();
        }
    }

private:
    const FileDay& Day(int offset) {
        if (lastDay_ && lastOffset_ == offset) return *lastDay_;
        auto found = days_.find(offset);
        if (found != days_.end()) {
            lastOffset_ = offset;
            return *(lastDay_ = &found->second);
        }
        const Calendar& calendar = run_.settings.calendar;
        FileDay day;
        day.date = NormalizeDate(AddDays(file_.timeBase.FirstRecordDate, offset, calendar.DateSeparator),
                                 calendar.DateSeparator);
        day.waterYear = WaterYearOf(day.date, calendar);
        day.dayNo = DayNoInWaterYear(day.date, calendar);
        lastOffset_ = offset;
        return *(lastDay_ = &days_.emplace(offset, std::move(day)).first->second);
    }

    void Take(const RawReading& reading, const FileDay& day, std::string_view level, bool inSeries) {
        std::string discharge = hasCurve_ ? RatingCurveEntry(ratingCurve_, reading.level) : std::string();
        run_.log.Reading(day.date, reading.hour, reading.minute, level, discharge, sourcePrefix_,
                         reading.position + 1);
        ++run_.readingsLogged;
        if (run_.rawCopy.is_open()) run_.rawCopyBuffer.append(file_.image->data() + reading.position, 6);
        if (inSeries) {
            run_.dayPolicy[day.dayNo] = file_.timeBase.ExtremesPolicy;
            run_.series.push_back(MakeLevelLine(day.dayNo, reading.hour, reading.minute, level, kKindOrdinary, day.date));
            ++run_.readingsTaken;
        }
    }

    void HandleDayRecordHalf(const RawReading& half) {
        const bool maximum = half.kind == RawReadingKind::DayMaximum;
        // The day record follows a taken 24:00 reading, except on the first day of a file
        // that starts at 24:00 with one minute between samples.
        if (closingTaken_ && !midnightStart_) {
            DayRecordLine line = MakeDayRecordLine(maximum, half.level, half.hour, half.minute,
                                                   maximum ? regularMax_ : regularMin_);
            run_.log.Extreme(maximum, line.code, line.timeText, line.level, file_.fileName, half.position + 1);
            if (run_.rawCopy.is_open()) run_.rawCopyBuffer.append(file_.image->data() + half.position, 12);
            const bool inSeries = run_.wholeYear && closingDay_.waterYear == run_.selectedYear;
            if (inSeries && file_.timeBase.ExtremesPolicy != kPolicyOrdinaryReadings) {
                InsertInOrder(MakeLevelLine(closingDay_.dayNo, line.hour, line.minute, line.level,
                                            maximum ? kKindMaximum : kKindMinimum, closingDay_.date));
            }
            if (!maximum) run_.log.Separator();
        }
        if (!maximum) EndDay();
    }

    // The logger's extremes come after the day's 24:00 reading but belong at their own
    // time; putting them there keeps a series of files in time order sorted as it grows.
    void InsertInOrder(const LevelLineText& line) {
        std::vector<LevelLineText>& series = run_.series;
        series.insert(std::upper_bound(series.begin(), series.end(), line, TextOrder), line);
    }

    void EndDay() {
        dayEndPending_ = false;
        midnightStart_ = false;
        regularMax_ = -99999;
        regularMin_ = 99999;
    }

    RunState& run_;
    const RawFileResult& file_;
    RawReadingWalker walker_;
    const std::string sourcePrefix_;
    std::string ratingCurve_;
    bool hasCurve_ = false;
    bool midnightStart_ = false;
    std::map<int, FileDay> days_;
    int lastOffset_ = 0;
    const FileDay* lastDay_ = nullptr;
    long regularMax_ = -99999;
    long regularMin_ = 99999;
    bool dayEndPending_ = false;
    bool closingTaken_ = false;
    FileDay closingDay_;
};

std::string LineDateTime(const LevelLineText& line) {
    std::string_view text = View(line);
    return std::string(text.substr(16, 10)) + " " + std::string(text.substr(4, 2)) + ":" +
           std::string(text.substr(6, 2));
}

// The control form: for each month (List2) and day (List5) its number, the lines of its
// minimum and maximum, and its mean.
void FillControlForm(ConversionResult& result, const YearStatistics& stats,
                     const std::vector<LevelLineText>& series, const Calendar& calendar) {
    auto lineOf = [&series](int recordNo) {
        return recordNo >= 1 && recordNo <= static_cast<int>(series.size())
                   ? std::string(View(series[static_cast<size_t>(recordNo - 1)]))
                   : std::string("-1");
    };
    auto add = [&](std::vector<std::string>& list, const std::string& number, const SummaryRow& row) {
        list.push_back(number);
        list.push_back("Min: " + lineOf(row.KNoMin));
        list.push_back("Max: " + lineOf(row.KnoMax));
        list.push_back("Ort: " + (row.Hort ? std::to_string(*row.Hort) : std::string()));
    };
    result.List2.clear();
    result.List5.clear();
    char number[16];
    for (int m = 1; m <= 12; ++m) {
        int month = calendar.WaterYearMonths[m];
        std::snprintf(number, sizeof number, "%02d", month);
        add(result.List2, number, stats.Monthly[month]);
    }
    for (int d = 1; d <= 366; ++d) {
        std::snprintf(number, sizeof number, "%03d", d);
        add(result.List5, number, stats.Daily[d]);
    }
}

bool CoversYear(const RawFileResult& file, int year) {
    return file.timeBase.WaterYear <= year && year <= file.timeBase.LastWaterYear;
}

}  // namespace

ConversionResult ConvertStationYear(const ConversionRequest& request, const ProgramSettings& settings) {
    ConversionResult result;
    const std::filesystem::path dataFolder = settings.DataDirectory;
    result.processedFile = dataFolder / ProcessedFileName(request.waterYear, request.station);

    // Every raw file of the station is decoded first: the work to expect, and the version
    // marker of the last file decoded.
    std::vector<RawFileResult> files;
    uint64_t expected = 100;
    for (const std::string& name : request.rawFiles) {
        RawFileResult file = ReadRawFile(name, settings);
        for (const std::string& problem : file.problemDetails) result.problems.push_back(problem);
        if (file.errorText.empty() && CoversYear(file, request.waterYear)) expected += file.fileLength;
        else file.image.reset();
        files.push_back(std::move(file));
    }
    const std::string version = files.empty() ? std::string() : files.back().setup.VersionMarker;

    ReadingsLogWriter log(request.readingsLog);
    if (!log.Error().empty()) {
        result.error = log.Error();
        return result;
    }
    RunState run(settings, log);
    run.wholeYear = true;
    run.selectedYear = request.waterYear;
    run.dayPolicy.fill(0);
    uint64_t done = 0;

    for (const RawFileResult& file : files) {
        if (file.errorText == problem::kFileName) {
            result.fileNameMessage = file.fileName + settings.texts.Messages[4];
            result.error = file.fileName + ": " + file.errorText;
            result.deletedProducts = DeleteStationYearProducts(dataFolder, request.waterYear, request.station);
            log.Close();
            return result;
        }
        if (!file.errorText.empty()) {
            result.error = file.fileName + ": " + file.errorText;
            log.Close();
            return result;
        }
        if (!CoversYear(file, request.waterYear)) continue;
        result.mergedFiles.push_back(file.fileName);
        result.List2.push_back(file.fileName);
        if (result.mergedFiles.size() > kMaxMergedFiles) {
            result.error = "More than " + std::to_string(kMaxMergedFiles) + " raw files cover water year " +
                           std::to_string(request.waterYear) + " of station " + request.station +
                           "; nothing was written";
            log.Close();
            return result;
        }
        if (!request.rawCopy.empty()) {
            run.rawCopy.close();
            run.rawCopy.open(request.rawCopy, std::ios::binary | std::ios::trunc);
        }
        FileWalk walk(run, file);
        walk.Walk([&](size_t position) {
            if (request.progress) request.progress(done + position, expected);
        });
        done += file.fileLength;
        if (request.progress) request.progress(done, expected);
    }
    result.readingsTaken = run.readingsTaken;
    result.readingsLogged = run.readingsLogged;
    if (std::string error = log.Close(); !error.empty()) {
        result.error = error;
        return result;
    }
    if (run.series.empty()) return result;

    // Files in time order give a sorted series already; only out-of-order read-outs need it.
    if (!std::is_sorted(run.series.begin(), run.series.end(), TextOrder))
        std::sort(run.series.begin(), run.series.end(), TextOrder);
    YearStatistics stats = ComputeYearStatistics(run.series, run.dayPolicy);
    ProcessedFileContent content{version, request.station, request.stationName, request.waterYear, result.mergedFiles};
    if (std::string error = WriteProcessedFile(result.processedFile, content, stats, run.series, settings.calendar);
        !error.empty()) {
        result.error = error;
        return result;
    }
    result.written = true;
    result.firstRecord = LineDateTime(run.series.front());
    result.lastRecord = LineDateTime(run.series.back());
    FillControlForm(result, stats, run.series, settings.calendar);
    if (request.progress) request.progress(expected, expected);
    return result;
}

SingleFileCheckResult CheckSingleFile(const std::string& rawFile, const std::filesystem::path& readingsLog,
                                      const std::filesystem::path& rawCopy, const ProgramSettings& settings,
                                      const ProgressCallback& progress) {
    SingleFileCheckResult result;
    RawFileResult file = ReadRawFile(rawFile, settings);
    result.problems = file.problemDetails;
    if (file.errorText == problem::kFileName) {
        result.fileNameMessage = file.fileName + settings.texts.Messages[4];
        result.error = file.fileName + ": " + file.errorText;
        return result;
    }
    if (!file.errorText.empty()) {
        result.error = file.fileName + ": " + file.errorText;
        return result;
    }
    ReadingsLogWriter log(readingsLog);
    if (!log.Error().empty()) {
        result.error = log.Error();
        return result;
    }
    RunState run(settings, log);
    run.wholeYear = false;
    if (!rawCopy.empty()) run.rawCopy.open(rawCopy, std::ios::binary | std::ios::trunc);
    const uint64_t expected = file.fileLength + 100;
    FileWalk walk(run, file);
    walk.Walk([&](size_t position) {
        if (progress) progress(position, expected);
    });
    result.readingsLogged = run.readingsLogged;
    if (std::string error = log.Close(); !error.empty()) result.error = error;
    std::string station = file.setup.StationKey;
    if (run.lastWaterYear > 0)
        result.processedFilePath = std::filesystem::path(settings.DataDirectory) / ProcessedFileName(run.lastWaterYear, station);
    if (progress) progress(expected, expected);
    return result;
}

}  // namespace kovu3
