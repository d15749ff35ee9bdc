#pragma once
// What the decoder derives from a raw logger file's header and setup-parameter block, and
// the time base it works out from them. Names are the system's own; fields a stopped
// decoding did not reach keep the values given here.

#include <cstddef>
#include <string>
#include <vector>

namespace kovu3 {

struct SetupParameters {
    std::string VersionMarker;  // header bytes 0 to 3 as stored ("VER4", or "ver4" once corrected)
    int BlockCount = 0;
    int ParameterCount = 0;
    int FormatFamily = 0;  // 1 for 163/166, 2 for 161/164, 0 otherwise
    int UnitCode = 0;      // 1, 2, 3, or 0 for an unknown code
    std::string UnitText;  // "1cm", "1mm", "2mm" or empty
    double UnitFactor = 0;
    std::string HeaderFirstDate;  // block and ring files only: dd/mm/yyyy
    int HeaderFirstHour = 0;
    int HeaderFirstMinute = 0;
    std::string RecordKind;  // "Normal", "Ring" or "Blok"
    std::string RegionCode;  // three characters as stored
    int StationPrefix = 0;
    int StationNumber = 0;
    std::string StationKey;   // "007-12345"
    int SetupLevelUnits = 0;  // the stored 16-bit value in sensor units
    double SetupLevel = 0;    // centimetres: units * unit factor
    std::string SetupDate;    // dd/mm/yyyy
    int SetupDay = 0, SetupMonth = 0, SetupYear = 0;
    int SetupHour = 0;
    int SetupMinute = 0;
    int SampleCount = 0;
    int SampleInterval = 0;  // minutes between two samples
    int RecordInterval = 0;  // minutes between two readings
    std::string BatteryChanged;
    std::string LoggerType;
    std::vector<std::string> RingStamps;        // "yyyy/mm/dd hh:mm", entry 5 first
    std::vector<std::string> LastRecordStamps;  // the same layout
    size_t DataStart = 0;                       // first character of the data area
    size_t DataEnd = 0;                         // one past the last character of data
};

// All times of day are minutes after midnight; 1440 is 24:00 of the same day.
struct RawTimeBase {
    int RecordInterval = 0;
    int SetupMinuteOfDay = 0;
    std::string FirstRecordDate;
    int FirstRecordMinute = 0;
    int FirstRecordHour = 0, FirstRecordMin = 0;
    int FirstRecordDay = 0, FirstRecordMonth = 0, FirstRecordYear = 0;
    std::string LastRecordDate;
    int LastRecordMinute = 0;
    int LastRecordHour = 0, LastRecordMin = 0;
    int DayCount = 0;  // days from the first to the last record date
    int WaterYear = 0;
    int LastWaterYear = 0;
    std::string WaterYearStart;
    int SetupDayNo = 0, FirstDayNo = 0, LastDayNo = 0;  // 1-based within WaterYear
    int ExtremesPolicy = 0;
    int MidnightStart = 0;  // 1 when the first reading is 24:00 at one minute per sample
};

}  // namespace kovu3
