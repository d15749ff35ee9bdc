#include "processing/readings_log.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

constexpr size_t kFlushSize = 1 << 20;
constexpr size_t kShownLineLength = 800;

// "00" to "99": two digits at a time, half the divisions.
constexpr std::array<char, 200> kPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

void PutDigits(char* out, size_t value, int width) {
    int i = width;
    while (i >= 2) {
        std::memcpy(out + i - 2, &kPairs[2 * (value % 100)], 2);
        value /= 100;
        i -= 2;
    }
    if (i == 1) out[0] = static_cast<char>('0' + value % 10);
}

int PositionWidth(size_t position) {
    int width = 6;  // larger positions keep all their digits
    for (size_t limit = 1000000; position >= limit && width < 20; limit *= 10) ++width;
    return width;
}

}  // namespace

ReadingsLogWriter::ReadingsLogWriter(const std::filesystem::path& path) : path_(path) {
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) error_ = "Cannot write " + path.string() + ": " + std::strerror(errno);
    buffer_.reserve(kFlushSize + 4096);
}

ReadingsLogWriter::~ReadingsLogWriter() { Close(); }

std::string ReadingsLogWriter::SourcePrefix(std::string_view rawFile) {
    return "          #D:" + std::string(rawFile) + "#B:";
}

void ReadingsLogWriter::Reading(std::string_view date, int hour, int minute, std::string_view level,
                                std::string_view discharge, std::string_view rawFile, size_t position) {
    Reading(date, hour, minute, level, discharge, SourcePrefix(rawFile), position);
}

void ReadingsLogWriter::Reading(std::string_view date, int hour, int minute, std::string_view level,
                                std::string_view discharge, const std::string& sourcePrefix, size_t position) {
    // Written field by field into place: a year of one-minute readings is half a million lines.
    const int width = PositionWidth(position);
    char line[256];
    const size_t length = date.size() + 8 + level.size() + discharge.size() + sourcePrefix.size() +
                          static_cast<size_t>(width) + 2;
    if (length > sizeof line) return;  // no raw file name is that long
    char* out = line;
    out = std::copy(date.begin(), date.end(), out);
    *out++ = ' ';
    PutDigits(out, static_cast<size_t>(hour) % 100, 2);
    out[2] = ':';
    PutDigits(out + 3, static_cast<size_t>(minute) % 100, 2);
    out[5] = ' ';
    out = std::copy(level.begin(), level.end(), out + 6);
    *out++ = ' ';
    out = std::copy(discharge.begin(), discharge.end(), out);
    out = std::copy(sourcePrefix.begin(), sourcePrefix.end(), out);
    PutDigits(out, position, width);
    out[width] = '\r';
    out[width + 1] = '\n';
    buffer_.append(line, length);
    if (buffer_.size() >= kFlushSize) Flush();
}

void ReadingsLogWriter::Extreme(bool maximum, int code, std::string_view timeText, std::string_view level,
                                std::string_view rawFile, size_t position) {
    static constexpr const char* kLabels[2][3] = {{"Min:       ", "Min:Sv.Ht  ", "Min:Zm.Ht"},
                                                  {"Max:       ", "Max:Sv.Ht  ", "Max:Zm.Ht"}};
    buffer_ += kLabels[maximum ? 1 : 0][code];
    buffer_ += timeText;
    buffer_ += ' ';
    buffer_ += level;
    buffer_ += code != 0 ? "!!!!!" : " ";
    buffer_ += SourcePrefix(rawFile);
    const int width = PositionWidth(position);
    const size_t start = buffer_.size();
    buffer_.resize(start + static_cast<size_t>(width));
    PutDigits(buffer_.data() + start, position, width);
    buffer_ += "\r\n";
}

void ReadingsLogWriter::Separator() {
    buffer_.append(61, '-');
    buffer_ += "\r\n";
}

void ReadingsLogWriter::Flush() {
    if (file_ && !buffer_.empty()) {
        // Every field of the log is ASCII: dates, digits and raw file names.
        if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size() && error_.empty())
            error_ = "Cannot write " + path_.string() + ": " + std::strerror(errno);
    }
    buffer_.clear();
}

std::string ReadingsLogWriter::Close() {
    if (file_) {
        Flush();
        if (std::fclose(file_) != 0 && error_.empty())
            error_ = "Cannot write " + path_.string() + ": " + std::strerror(errno);
        file_ = nullptr;
    }
    return error_;
}

std::unique_ptr<ReadingsLog> ReadingsLog::Open(const std::filesystem::path& path, std::string& error) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        error = "Cannot read " + path.string();
        return nullptr;
    }
    auto log = std::make_unique<ReadingsLog>();
    log->text_ = std::move(*bytes);
    const std::string& text = log->text_;
    for (size_t start = 0; start < text.size();) {
        log->lineStarts_.push_back(start);
        size_t end = text.find('\n', start);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return log;
}

int ReadingsLog::PageCount(int pageSize) const {
    if (pageSize <= 0) return 1;
    int lines = LineCount();
    return lines == 0 ? 1 : (lines + pageSize - 1) / pageSize;
}

std::string ReadingsLog::Line(int index) const {
    if (index < 0 || index >= LineCount()) return {};
    size_t start = lineStarts_[static_cast<size_t>(index)];
    size_t end = static_cast<size_t>(index) + 1 < lineStarts_.size() ? lineStarts_[static_cast<size_t>(index) + 1]
                                                                       : text_.size();
    while (end > start && (text_[end - 1] == '\n' || text_[end - 1] == '\r')) --end;
    return Cp1254ToUtf8(std::string_view(text_).substr(start, end - start));
}

std::vector<std::string> ReadingsLog::Page(int page, int pageSize) const {
    std::vector<std::string> lines;
    if (page < 1 || pageSize <= 0) return lines;
    int first = (page - 1) * pageSize;
    int last = std::min(LineCount(), first + pageSize);
    for (int i = first; i < last; ++i) {
        std::string line = Line(i);
        if (line.size() > kShownLineLength) line.resize(kShownLineLength);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string RatingCurveEntry(std::string_view ratingCurve, long level) {
    std::string entry(4, ' ');
    if (level < 0) return entry;
    size_t start = 561 + 5 * static_cast<size_t>(level);
    for (size_t i = 0; i < 4 && start + i < ratingCurve.size(); ++i) entry[i] = ratingCurve[start + i];
    return entry;
}

}  // namespace kovu3
