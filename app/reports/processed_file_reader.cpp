#include "reports/processed_file_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

#include "processing/level_line.h"
#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

constexpr int kLevelLineBytes = 28;  // 26 characters and CR LF
constexpr std::string_view kLevelsHeader = "[Seviyeler]";

// Walks the file line by line, tracking the 1-based position after each line.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line) {
        if (offset_ >= text_.size()) return false;
        size_t end = text_.find_first_of("\r\n", offset_);
        if (end == std::string_view::npos) end = text_.size();
        line = text_.substr(offset_, end - offset_);
        offset_ = end;
        if (offset_ < text_.size() && text_[offset_] == '\r') ++offset_;
        if (offset_ < text_.size() && text_[offset_] == '\n') ++offset_;
        ++lineNo_;
        return true;
    }
    int LineNo() const { return lineNo_; }
    int64_t Position() const { return static_cast<int64_t>(offset_) + 1; }

private:
    std::string_view text_;
    size_t offset_ = 0;
    int lineNo_ = 0;
};

std::string_view StripQuotesAndBlanks(std::string_view value) {
    value = TrimBlanks(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = TrimBlanks(value.substr(1, value.size() - 2));
    return value;
}

bool ParseWhole(std::string_view text, long& value) {
    text = TrimBlanks(text);
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

LevelLine ParseLevelLine(std::string_view text) {
    LevelLine line;
    if (text.size() < 26) {
        line.Level = "-99";
        return line;
    }
    line.DayNo = static_cast<int>(FieldNumber(text.substr(0, 3)));
    line.Hour = std::string(text.substr(4, 2));
    line.Minute = std::string(text.substr(6, 2));
    std::string_view level = text.substr(9, 6);
    long value = 0;
    if (ParseWhole(level, value) && value > 0) line.Level = " " + std::to_string(value);
    else line.Level = std::string(level);
    line.Kind = std::string(text.substr(15, 1));
    line.Date = std::string(text.substr(16, 10));
    line.PlotTime = line.DayNo * 14.4 + FieldNumber(line.Hour) * 0.6 + FieldNumber(line.Minute) * 0.01;
    return line;
}

std::unique_ptr<ProcessedFileReader> ProcessedFileReader::Open(const std::filesystem::path& path,
                                                               const Calendar& calendar, std::string& error) {
    std::unique_ptr<ProcessedFileReader> reader(new ProcessedFileReader());
    reader->path_ = path;
    reader->fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (reader->fd_ < 0) {
        error = "Cannot open " + path.string() + ": " + std::strerror(errno);
        return nullptr;
    }
    reader->fileSize_ = ::lseek(reader->fd_, 0, SEEK_END);
    // The header and the summaries come first and are small; read until [Seviyeler] shows.
    std::string front;
    const size_t step = 1 << 16;
    while (true) {
        size_t old = front.size();
        front.resize(old + step);
        ssize_t got = ::pread(reader->fd_, front.data() + old, step, static_cast<off_t>(old));
        front.resize(old + static_cast<size_t>(got > 0 ? got : 0));
        if (got <= 0 || front.find(kLevelsHeader) != std::string::npos) break;
    }
    error = reader->Parse(front, calendar);
    if (!error.empty()) return nullptr;
    return reader;
}

ProcessedFileReader::~ProcessedFileReader() {
    if (fd_ >= 0) ::close(fd_);
}

std::string ProcessedFileReader::Parse(std::string_view text, const Calendar& calendar) {
    LineCursor cursor(text);
    std::string_view line;
    const std::string name = path_.string();
    auto fault = [&](const std::string& what) {
        return name + ", line " + std::to_string(cursor.LineNo()) + ": " + what;
    };
    auto next = [&]() -> bool {
        if (cursor.Next(line)) return true;
        line = {};
        return false;
    };
    // "key,value": the value with blanks and quotes removed.
    auto value = [&](const char* key, std::string& out) -> std::string {
        if (!next()) return name + ": ends before " + key;
        size_t comma = line.find(',');
        if (comma == std::string_view::npos) return fault(std::string("no value for ") + key);
        out = Cp1254ToUtf8(StripQuotesAndBlanks(line.substr(comma + 1)));
        return {};
    };
    auto number = [&](const char* key, long& out) -> std::string {
        std::string text;
        if (std::string problem = value(key, text); !problem.empty()) return problem;
        if (!ParseWhole(text, out)) return fault(std::string(key) + " is not a number: \"" + text + "\"");
        return {};
    };

    if (!next() || TrimBlanks(line) != "[Genel]") return fault("not a processed station-year file (no [Genel])");
    std::string problem;
    long suYili = 0, count = 0;
    if (!(problem = value("Version", data_.Version)).empty()) return problem;
    if (!EqualsIgnoringCase(data_.Version, "VER4"))
        return fault("version \"" + data_.Version + "\" is not VER4; convert the station-year again");
    if (!(problem = value("IstNo", data_.IstNo)).empty()) return problem;
    if (!(problem = value("IstAdi", data_.IstAdi)).empty()) return problem;
    if (!(problem = number("SuYili", suYili)).empty()) return problem;
    data_.SuYili = static_cast<int>(suYili);
    if (!(problem = value("IlkKayitTarihi", data_.IlkKayitTarihi)).empty()) return problem;
    if (!(problem = value("IlkKayitZamani", data_.IlkKayitZamani)).empty()) return problem;
    if (!(problem = value("SonKayitTarihi", data_.SonKayitTarihi)).empty()) return problem;
    if (!(problem = value("SonKayitZamani", data_.SonKayitZamani)).empty()) return problem;
    if (!(problem = value("OlcumBirimi", data_.OlcumBirimi)).empty()) return problem;
    if (!(problem = number("nOrjDosya", count)).empty()) return problem;
    if (count < 0 || count > 50) return fault("nOrjDosya " + std::to_string(count) + " is out of range");
    data_.nOrjDosya = static_cast<int>(count);
    for (long i = 0; i < count; ++i) {
        std::string file;
        if (!(problem = value("OrjinalDosya", file)).empty()) return problem;
        data_.OrjinalDosya.push_back(file);
    }
    data_.WaterYearStartDate = WaterYearFirstDay(data_.SuYili, calendar);

    next();
    if (!next() || TrimBlanks(line) != "[Aylik Degerler]")
        return fault("[Aylik Degerler] expected");
    monthlyPos_ = cursor.Position();

    auto summary = [&](SummaryEntry& entry) -> std::string {
        long knoMin = 0, knoMax = 0;
        if (!(problem = number("KNoMin", knoMin)).empty()) return problem;
        if (!(problem = number("KnoMax", knoMax)).empty()) return problem;
        std::string hort;
        if (!(problem = value("Hort", hort)).empty()) return problem;
        long mean = 0;
        if (!hort.empty() && !ParseWhole(hort, mean)) return fault("Hort is not a number: \"" + hort + "\"");
        entry.KNoMin = static_cast<int>(knoMin);
        entry.KnoMax = static_cast<int>(knoMax);
        entry.Hort = hort.empty() ? std::nullopt : std::optional<long>(mean);
        return {};
    };
    for (int m = 1; m <= 13; ++m) {
        if (!(problem = summary(data_.Monthly[m])).empty()) return problem;
        next();
    }
    while (next() && TrimBlanks(line) != "[Gunluk Degerler]") {
    }
    if (TrimBlanks(line) != "[Gunluk Degerler]") return name + ": [Gunluk Degerler] is missing";
    dailyPos_ = cursor.Position();
    for (int d = 1; d <= 366; ++d)
        if (!(problem = summary(data_.Daily[d])).empty()) return problem;
    while (next() && TrimBlanks(line) != kLevelsHeader) {
    }
    if (TrimBlanks(line) != kLevelsHeader) return name + ": [Seviyeler] is missing";
    levelsPos_ = cursor.Position();
    return {};
}

int ProcessedFileReader::LevelCount() const {
    if (levelsPos_ <= 0) return 0;
    int64_t bytes = fileSize_ - (levelsPos_ - 1);
    // The last line may lack its line end.
    return static_cast<int>((bytes + 2) / kLevelLineBytes);
}

LevelLine ProcessedFileReader::ReadLevelLine(int recordNo) const {
    LevelLine line;
    if (recordNo <= 0) return line;
    int64_t offset = (levelsPos_ - 1) + static_cast<int64_t>(recordNo - 1) * kLevelLineBytes;
    char buffer[26];
    ssize_t got = offset < fileSize_ ? ::pread(fd_, buffer, sizeof buffer, static_cast<off_t>(offset)) : 0;
    if (got < static_cast<ssize_t>(sizeof buffer)) {
        line.Level = "-99";
        return line;
    }
    return ParseLevelLine(std::string_view(buffer, sizeof buffer));
}

std::vector<std::string> ProcessedFileReader::ReadLevelTexts(int first, int count) const {
    std::vector<std::string> texts;
    if (first < 1 || count <= 0) return texts;
    int available = LevelCount() - (first - 1);
    count = std::min(count, available);
    if (count <= 0) return texts;
    std::string block(static_cast<size_t>(count) * kLevelLineBytes, '\0');
    int64_t offset = (levelsPos_ - 1) + static_cast<int64_t>(first - 1) * kLevelLineBytes;
    ssize_t got = ::pread(fd_, block.data(), block.size(), static_cast<off_t>(offset));
    if (got <= 0) return texts;
    texts.reserve(static_cast<size_t>(count));
    for (int64_t pos = 0; pos + 26 <= got; pos += kLevelLineBytes) texts.emplace_back(block.substr(static_cast<size_t>(pos), 26));
    return texts;
}

}  // namespace kovu3
