#include "loggersim/logger_file_spec.h"

#include <string_view>

#include "loggersim/raw_file_layout.h"
#include "loggersim/raw_file_plan.h"

namespace kovu3::sim {
namespace {

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// The logger keeps years 2000 to 2099 as BCD of the last two digits.
std::string CheckClockMoment(const Moment& moment, std::string_view what, bool allow2400) {
    if (!IsValidMoment(moment) || (!allow2400 && moment.minute == kMinutesPerDay))
        return std::string(what) + " is no valid date and time";
    Moment clock = ClockMoment(ToMinutes(moment));
    if (clock.date.year < 2000 || clock.date.year > 2099)
        return std::string(what) + " lies outside the years 2000 to 2099 the logger clock keeps";
    return "";
}

std::string CheckStamps(const std::optional<std::vector<Moment>>& stamps, std::string_view what) {
    if (!stamps) return "";
    if (stamps->size() > 5) return std::string(what) + " holds more than 5 entries";
    for (const Moment& stamp : *stamps)
        if (std::string error = CheckClockMoment(stamp, what, true); !error.empty()) return error;
    return "";
}

std::string CheckIdentity(const LoggerFileSpec& spec) {
    if (spec.stationId.size() != 8 || !AllDigits(spec.stationId))
        return "the station identifier must be eight digits";
    if (std::stoi(spec.stationId.substr(0, 3)) > 255)
        return "the station prefix (first three digits) must be 255 or less: it is one logger byte";
    if (std::stoi(spec.stationId.substr(3)) > 65535)
        return "the station number (last five digits) must be 65535 or less: it is a 16-bit value";
    if (spec.order < 0 || spec.order > 999) return "the order must be 0 to 999";
    if (spec.versionMarker.size() != 4) return "the version marker must be four characters";
    if (spec.unitCode.size() != 3) return "the unit code must be three characters";
    if (spec.regionCode.size() != 3) return "the region code must be three characters";
    if (spec.parameterCount < 1 || spec.parameterCount > 999) return "the parameter count must be 1 to 999";
    if (spec.kind == FileKind::Blok && (spec.blockCount < 1 || spec.blockCount > 999))
        return "a Blok file needs a block count of 1 to 999";
    if (spec.loggerType < 0 || spec.loggerType > 99) return "the logger type must be 0 to 99";
    if (spec.samplesPerRecord < 0 || spec.samplesPerRecord > 255 || spec.minutesBetweenSamples < 0 ||
        spec.minutesBetweenSamples > 255)
        return "samples per record and minutes between samples are logger bytes, 0 to 255";
    return "";
}

std::string CheckReadings(const LoggerFileSpec& spec) {
    const int interval = RecordInterval(spec);
    if (interval == 0) return "";  // such a logger records nothing: the file holds the block only
    if (kMinutesPerDay % interval != 0)
        return "the record interval (" + std::to_string(interval) + " minutes) must divide 1440";
    if (spec.kind == FileKind::Normal) {
        if (spec.firstRecord) return "the first record of a Normal file follows from its setup";
        return "";
    }
    if (spec.firstRecordShift != 0) return "a first-record shift applies to Normal files only";
    if (!spec.firstRecord) return "Ring and Blok files need the time of their first record";
    if (std::string error = CheckClockMoment(*spec.firstRecord, "the first record", true); !error.empty())
        return error;
    const long long first = ToMinutes(*spec.firstRecord);
    if (first % interval != 0) return "the first record must lie on the record interval's grid";
    if (2 * interval > kMinutesPerDay)
        return "the header of Ring and Blok files cannot point at a first record more than 12 hours "
               "after its first-data time";
    if (first - interval < ToMinutes(spec.setup)) return "the first record must follow the setup";
    return "";
}

}  // namespace

int RecordInterval(const LoggerFileSpec& spec) {
    return spec.samplesPerRecord * spec.minutesBetweenSamples;
}

std::string CheckSpec(const LoggerFileSpec& spec) {
    if (std::string error = CheckIdentity(spec); !error.empty()) return error;
    if (std::string error = CheckClockMoment(spec.setup, "the setup", false); !error.empty()) return error;
    if (spec.storedSetup) {
        if (std::string error = CheckClockMoment(*spec.storedSetup, "the stored setup", false);
            !error.empty())
            return error;
    }
    if (!IsValidMoment(spec.readingsUntil)) return "the end of the readings is no valid date and time";
    if (spec.readout && !IsValidMoment(*spec.readout)) return "the read-out is no valid date and time";
    if (spec.setupLevelCm) {
        double units = *spec.setupLevelCm * StorageUnitsPerCm(spec.unitCode);
        if (units < 0 || units > 65535.49) return "the setup level does not fit the 16-bit sensor value";
    }
    if (std::string error = CheckStamps(spec.ringStamps, "the ring stamp list"); !error.empty()) return error;
    if (std::string error = CheckStamps(spec.lastRecordStamps, "the last-record stamp list"); !error.empty())
        return error;
    if (std::string error = CheckReadings(spec); !error.empty()) return error;
    for (int day : spec.faultyDays)
        if (day < 0) return "faulty days are counted from 0";
    if (spec.leftoverBytes < 0) return "left-over bytes cannot be negative";
    if (spec.leftoverBytes > 0 && FormatFamily(spec.parameterCount) != 2)
        return "left-over bytes exist only after the end pointer of 161 and 164 parameter files";
    if (spec.pointerFlagBits && FormatFamily(spec.parameterCount) != 2)
        return "the end pointer exists only in 161 and 164 parameter files";
    return PlanProblem(spec);
}

}  // namespace kovu3::sim
