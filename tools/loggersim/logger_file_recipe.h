#pragma once
// Everything that decides one simulated raw logger file: the logger's setup, the layout the
// communication program wrote, the span of readings, and the faults to plant in it.

#include <optional>
#include <string>
#include <vector>

#include "loggersim/moment.h"

namespace kovu3::sim {

enum class FileKind { Normal, Ring, Blok };

// What the day record after each 24:00 reading holds.
enum class DayRecordMode {
    Agree,           // the day's highest and lowest sample, at their times
    Disagree,        // 3 cm inside the day's readings: the maximum below the highest reading
                     // and the minimum above the lowest
    ImpossibleTime,  // true levels, but an hour above 24 (maximum) and a minute above 59 (minimum)
};

// Logger types kept (BCD) in the third extension parameter of 164 and 166 parameter files.
inline constexpr int kOpticalEncoder = 10;
inline constexpr int kPressureSensor = 20;
inline constexpr int kAquifer = 25;

struct LoggerFileRecipe {
    // File name: station identifier, order within the read-out year, kind letter.
    std::string stationId = "12345678";  // prefix 000-255 and number 00000-65535
    int order = 1;
    char kindLetter = 0;  // 0: "R" for ring files, "M" otherwise ("N" only when asked)

    // Header written by the communication program.
    std::string versionMarker = "VER4";
    int parameterCount = 163;  // 161, 163, 164, 166; any other count gets a block of filler
    std::string unitCode = "001";
    FileKind kind = FileKind::Normal;
    int blockCount = 1;              // skipped blocks, written for Blok files only
    bool headerDateUnknown = false;  // first-data time and date written as 000

    // Setup block.
    std::string regionCode = "012";
    int loggerType = kOpticalEncoder;
    int samplesPerRecord = 1;
    int minutesBetweenSamples = 10;
    Moment setup{{5, 10, 2004}, 10 * 60 + 7};  // when the logger really started (0 to 1439)
    // What the block claims when the logger clock was wrong (a `Tarih0` correction fixes it).
    std::optional<Moment> storedSetup;
    std::optional<double> setupLevelCm;  // default: the stage at setup
    // Entries 1, 2, ... of the two time-stamp lists (at most 5 each); the rest are empty.
    // Defaults: ring files list their first record as the ring stamp, every file with
    // readings lists its last reading as the last-record stamp.
    std::optional<std::vector<Moment>> ringStamps;
    std::optional<std::vector<Moment>> lastRecordStamps;

    // Readings.
    std::optional<Moment> firstRecord;  // Ring and Blok files: the first reading, on the grid
    // Normal files: the data start this many record intervals after (negative: before) the
    // time the setup implies; a line of OzelDosyalar.txt with the same number corrects it.
    int firstRecordShift = 0;
    // The logger recorded up to this moment, so the last reading is the last grid point at
    // or before it (none when that is before the first record). It is the read-out, unless a
    // stopped logger (161 and 164 parameters) was read out later.
    Moment readingsUntil{{12, 10, 2004}, 9 * 60};
    std::optional<Moment> readout;  // names the file (its year); default readingsUntil
    bool dayRecordAfterLastReading = true;  // when the last reading is a 24:00 reading
    DayRecordMode dayRecords = DayRecordMode::Agree;
    std::vector<int> faultyDays;  // 0-based days of the file that get dayRecords; empty: all

    // Family 2 (161 and 164 parameters).
    int leftoverBytes = 0;         // logger bytes of old memory after the end of data
    bool pointerFlagBits = false;  // set the pointer bits the format leaves unused
};

// Empty when the simulator can write the file, otherwise what is wrong with the recipe.
std::string CheckRecipe(const LoggerFileRecipe& recipe);

int RecordInterval(const LoggerFileRecipe& recipe);

}  // namespace kovu3::sim
