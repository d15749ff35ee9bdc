#pragma once
// Small raw logger file images for tests, byte by byte: a header, a setup block of any
// layout and a data area of readings and day records.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/program_settings.h"

namespace kovu3::test {

class RawImageBuilder final {
  public:
    // A "VER4" file of `parameterCount` parameters, unit 1 cm, station 123-45678, setup on
    // 01/10/2005 at 10:07 with 2 samples of 5 minutes, setup level 500, no data.
    explicit RawImageBuilder(int parameterCount = 163);

    RawImageBuilder& Version(std::string_view marker);
    RawImageBuilder& BlockCount(int count);
    RawImageBuilder& Unit(std::string_view code);
    // Plain header fields; `yearField` is stored as it is (5 for 2005).
    RawImageBuilder& HeaderFirst(int hour, int minute, int day, int month, int yearField);
    // Setup date and time in the block, written as BCD; `yearField` 5 for 2005.
    RawImageBuilder& Setup(int yearField, int month, int day, int hour, int minute);
    RawImageBuilder& Station(int prefix, int number);
    RawImageBuilder& Level(int sensorUnits);
    RawImageBuilder& Sampling(int samples, int minutesBetween);
    RawImageBuilder& LoggerType(int value);  // the extension's third parameter, BCD
    // One entry (1 to 5) of a time-stamp list, fields as the list orders them, BCD.
    RawImageBuilder& RingStamp(int entry, int yearField, int month, int day, int hour, int minute);
    RawImageBuilder& LastRecordStamp(int entry, int day, int month, int yearField, int hour,
                                     int minute);
    // Any parameter (1-based) as three characters.
    RawImageBuilder& Parameter(int n, std::string_view three);
    // Family 2: the end-of-data pointer in logger bytes; by default it covers all data.
    RawImageBuilder& Pointer(long loggerBytes);

    // Data area.
    RawImageBuilder& Reading(int value);
    RawImageBuilder& DayRecord(int maximum, int maxHour, int maxMinute, int minimum, int minHour,
                               int minMinute);
    // The readings of `count` consecutive grid points from the current clock, with a day
    // record after each 24:00 reading; values `level`, `level + 1`, ...
    RawImageBuilder& Walk(int firstMinute, int interval, int count, int level = 100);
    RawImageBuilder& Raw(std::string_view bytes);

    std::string Bytes() const;
    size_t DataStart() const { return 28 + 3 * block_.size(); }

  private:
    std::string header_;
    std::vector<std::string> block_;
    std::string data_;
    long pointer_ = -1;
    int family_ = 0;
};

// Settings of a program whose data folder is `dataFolder`, in `language`.
ProgramSettings SettingsFor(const std::filesystem::path& dataFolder,
                            std::string_view language = "TURKCE");

// Three characters of a number, and of its BCD form (25 -> "037").
std::string Three(int value);
std::string Bcd(int value);

}  // namespace kovu3::test
