#include "rawfile/raw_image_builder.h"

#include <cstdio>

namespace kovu3::test {
namespace {

constexpr long kPointerAsWritten = -2;  // the test wrote parameters 97 to 99 itself

}  // namespace

ProgramSettings SettingsFor(const std::filesystem::path& dataFolder, std::string_view language) {
    ProgramSettings settings;
    settings.DataDirectory = dataFolder.string() + "/";
    settings.Options[21] = std::string(language);
    ApplyCalendar(settings.calendar, language);
    ApplyLanguage(settings.texts, language);
    return settings;
}

std::string Three(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

std::string Bcd(int value) {
    return Three(value / 10 * 16 + value % 10);
}

RawImageBuilder::RawImageBuilder(int parameterCount)
    : header_("VER4000" + Three(parameterCount) + "001" + std::string(15, '0')),
      block_(static_cast<size_t>(parameterCount > 0 ? parameterCount : 0), "000"),
      family_(parameterCount == 161 || parameterCount == 164 ? 2 : 1) {
    // Empty time-stamp slots unless a test fills them.
    for (int entry = 1; entry <= 5; ++entry) {
        if (family_ == 1 && parameterCount >= 88) {
            block_[27 + 6 * (entry - 1)] = "255";
            block_[57 + 6 * (entry - 1)] = "255";
        } else if (family_ == 2 && parameterCount >= 91) {
            block_[60 + 6 * (entry - 1)] = "255";
        }
    }
    if (parameterCount >= 161) {
        Station(123, 45678);
        Setup(5, 10, 1, 10, 7);
        Sampling(2, 5);
        Level(500);
    }
}

RawImageBuilder& RawImageBuilder::Version(std::string_view marker) {
    header_.replace(0, 4, std::string(marker).substr(0, 4));
    return *this;
}

RawImageBuilder& RawImageBuilder::BlockCount(int count) {
    header_.replace(4, 3, Three(count));
    return *this;
}

RawImageBuilder& RawImageBuilder::Unit(std::string_view code) {
    header_.replace(10, 3, std::string(code));
    return *this;
}

RawImageBuilder& RawImageBuilder::HeaderFirst(int hour, int minute, int day, int month,
                                              int yearField) {
    header_.replace(13, 15,
                    Three(hour) + Three(minute) + Three(day) + Three(month) + Three(yearField));
    return *this;
}

RawImageBuilder& RawImageBuilder::Parameter(int n, std::string_view three) {
    if (family_ == 2 && n >= 97 && n <= 99) pointer_ = kPointerAsWritten;
    if (n >= 1 && static_cast<size_t>(n) <= block_.size()) block_[n - 1] = std::string(three);
    return *this;
}

RawImageBuilder& RawImageBuilder::Setup(int yearField, int month, int day, int hour, int minute) {
    const bool stopped = family_ == 2;
    Parameter(stopped ? 8 : 5, Bcd(yearField));
    Parameter(stopped ? 9 : 6, Bcd(month));
    Parameter(stopped ? 10 : 7, Bcd(day));
    Parameter(stopped ? 12 : 9, Bcd(hour));
    return Parameter(stopped ? 13 : 10, Bcd(minute));
}

RawImageBuilder& RawImageBuilder::Station(int prefix, int number) {
    const int shift = family_ == 2 ? 3 : 0;
    Parameter(13 + shift, Three(prefix));
    Parameter(14 + shift, Three(number % 256));
    return Parameter(15 + shift, Three(number / 256));
}

RawImageBuilder& RawImageBuilder::Level(int sensorUnits) {
    const int shift = family_ == 2 ? 3 : 0;
    Parameter(16 + shift, Three(sensorUnits % 256));
    return Parameter(17 + shift, Three(sensorUnits / 256));
}

RawImageBuilder& RawImageBuilder::Sampling(int samples, int minutesBetween) {
    const int shift = family_ == 2 ? 3 : 0;
    Parameter(18 + shift, Three(samples));
    return Parameter(19 + shift, Three(minutesBetween));
}

RawImageBuilder& RawImageBuilder::LoggerType(int value) {
    return Parameter(static_cast<int>(block_.size()), Bcd(value));
}

RawImageBuilder& RawImageBuilder::RingStamp(int entry, int yearField, int month, int day, int hour,
                                            int minute) {
    const int base = 28 + 6 * (entry - 1);
    Parameter(base, Bcd(yearField)).Parameter(base + 1, Bcd(month)).Parameter(base + 2, Bcd(day));
    return Parameter(base + 4, Bcd(hour)).Parameter(base + 5, Bcd(minute));
}

RawImageBuilder& RawImageBuilder::LastRecordStamp(int entry, int day, int month, int yearField,
                                                  int hour, int minute) {
    const int base = (family_ == 2 ? 61 : 58) + 6 * (entry - 1);
    Parameter(base, Bcd(day)).Parameter(base + 1, Bcd(month)).Parameter(base + 2, Bcd(yearField));
    return Parameter(base + 4, Bcd(hour)).Parameter(base + 5, Bcd(minute));
}

RawImageBuilder& RawImageBuilder::Pointer(long loggerBytes) {
    pointer_ = loggerBytes;
    return *this;
}

RawImageBuilder& RawImageBuilder::Reading(int value) {
    data_ += Three(value / 256 % 1000) + Three(value % 256);
    return *this;
}

RawImageBuilder& RawImageBuilder::DayRecord(int maximum, int maxHour, int maxMinute, int minimum,
                                            int minHour, int minMinute) {
    Reading(maximum);
    data_ += Bcd(maxHour) + Bcd(maxMinute);
    Reading(minimum);
    data_ += Bcd(minHour) + Bcd(minMinute);
    return *this;
}

RawImageBuilder& RawImageBuilder::Walk(int firstMinute, int interval, int count, int level) {
    int clock = firstMinute;
    for (int i = 0; i < count; ++i) {
        Reading(level + i);
        if (clock == 1440) {
            DayRecord(level + i + 50, 13, 5, level, 2, 30);
            clock = 0;
        }
        clock += interval;
    }
    return *this;
}

RawImageBuilder& RawImageBuilder::Raw(std::string_view bytes) {
    data_ += bytes;
    return *this;
}

std::string RawImageBuilder::Bytes() const {
    std::vector<std::string> block = block_;
    if (family_ == 2 && block.size() >= 99 && pointer_ != kPointerAsWritten) {
        long bytes = pointer_ >= 0 ? pointer_ : static_cast<long>(data_.size() / 3);
        block[96] = Three(static_cast<int>(bytes % 256));
        block[97] = Three(static_cast<int>(bytes / 256 % 128));
        block[98] = Three(static_cast<int>(bytes / 32768 % 8 * 2));
    }
    std::string image = header_;
    for (const std::string& field : block) image += field;
    return image + data_;
}

}  // namespace kovu3::test
