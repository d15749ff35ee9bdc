#include "processing/readings_log.h"

#include <cerrno>
#include <cstring>

#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

constexpr size_t kFlushSize = 1 << 20;
constexpr size_t kShownLineLength = 800;

void AppendDigits(std::string& out, size_t value, int width) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && n < 20);
    for (int i = n; i < width; ++i) out += '0';
    while (n > 0) out += digits[--n];
}

void AppendSource(std::string& out, std::string_view rawFile, size_t position) {
    out += "          #D:";
    out += rawFile;
    out += "#B:";
    AppendDigits(out, position, 6);
    out += "\r\n";
}

}  // namespace

ReadingsLogWriter::ReadingsLogWriter(const std::filesystem::path& path) : path_(path) {
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) error_ = "Cannot write " + path.string() + ": " + std::strerror(errno);
    buffer_.reserve(kFlushSize + 4096);
}

ReadingsLogWriter::~ReadingsLogWriter() { Close(); }

void ReadingsLogWriter::Reading(std::string_view date, int hour, int minute, std::string_view level,
                                std::string_view discharge, std::string_view rawFile, size_t position) {
    buffer_ += date;
    buffer_ += ' ';
    AppendDigits(buffer_, static_cast<size_t>(hour), 2);
    buffer_ += ':';
    AppendDigits(buffer_, static_cast<size_t>(minute), 2);
    buffer_ += ' ';
    buffer_ += level;
    buffer_ += ' ';
    buffer_ += discharge;
    AppendSource(buffer_, rawFile, position);
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
    AppendSource(buffer_, rawFile, position);
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
