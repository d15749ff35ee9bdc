#pragma once
// The readings log of a conversion: one line per reading taken and three per day record,
// each naming the raw file and the byte position the value came from, so the raw-data page
// can correct it there. Written in large blocks; read back page by page from a line index.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kovu3 {

class ReadingsLogWriter final {
public:
    explicit ReadingsLogWriter(const std::filesystem::path& path);
    ~ReadingsLogWriter();
    ReadingsLogWriter(const ReadingsLogWriter&) = delete;
    ReadingsLogWriter& operator=(const ReadingsLogWriter&) = delete;

    // "dd/mm/yyyy hh:mm LLLLLL [QQQQ]          #D:<raw file>#B:<position>"; `position` is
    // 1-based. The discharge is empty without a rating curve.
    void Reading(std::string_view date, int hour, int minute, std::string_view level,
                 std::string_view discharge, std::string_view rawFile, size_t position);
    // The same, faster, with the line's fixed ending prepared once per raw file.
    void Reading(std::string_view date, int hour, int minute, std::string_view level,
                 std::string_view discharge, const std::string& sourcePrefix, size_t position);
    // "          #D:<raw file>#B:", what every line of a raw file carries before its position.
    static std::string SourcePrefix(std::string_view rawFile);
    // A logged maximum or minimum: label, time, level, marker, raw file, position. `code` 0
    // plain, 1 beyond the ordinary readings, 2 impossible time (three-digit fields).
    void Extreme(bool maximum, int code, std::string_view timeText, std::string_view level,
                 std::string_view rawFile, size_t position);
    void Separator();

    // Flushes and closes; returns an error message naming the file, empty on success.
    std::string Close();
    const std::string& Error() const { return error_; }

private:
    void Flush();

    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    std::string error_;
};

// The log read back: lines by number without rescanning the file.
class ReadingsLog final {
public:
    static std::unique_ptr<ReadingsLog> Open(const std::filesystem::path& path, std::string& error);

    int LineCount() const { return static_cast<int>(lineStarts_.size()); }
    // Pages of `pageSize` lines; at least one page.
    int PageCount(int pageSize) const;
    // The lines of page `page` (1-based), each cut to 800 characters.
    std::vector<std::string> Page(int page, int pageSize) const;
    std::string Line(int index) const;  // 0-based, without its line end

private:
    std::string text_;
    std::vector<size_t> lineStarts_;
};

// The text of the 4 discharge characters a rating curve file holds for a level: bytes
// 562 + 5 * level to 565 + 5 * level (1-based), padded with blanks where the file ends.
std::string RatingCurveEntry(std::string_view ratingCurve, long level);

}  // namespace kovu3
