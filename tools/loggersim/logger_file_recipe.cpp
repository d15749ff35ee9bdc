#include "loggersim/logger_file_recipe.h"

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

std::string CheckIdentity(const LoggerFileRecipe& recipe) {
    if (recipe.stationId.size() != 8 || !AllDigits(recipe.stationId))
        return "the station identifier must be eight digits";
    if (std::stoi(recipe.stationId.substr(0, 3)) > 255)
        return "the station prefix (first three digits) must be 255 or less: it is one logger byte";
    if (std::stoi(recipe.stationId.substr(3)) > 65535)
        return "the station number (last five digits) must be 65535 or less: it is a 16-bit value";
    if (recipe.order < 0 || recipe.order > 999) return "the order must be 0 to 999";
    if (recipe.versionMarker.size() != 4) return "the version marker must be four characters";
    if (recipe.unitCode.size() != 3) return "the unit code must be three characters";
    if (recipe.regionCode.size() != 3) return "the region code must be three characters";
    if (recipe.parameterCount < 1 || recipe.parameterCount > 999) return "the parameter count must be 1 to 999";
    if (recipe.kind == FileKind::Blok && (recipe.blockCount < 1 || recipe.blockCount > 999))
        return "a Blok file needs a block count of 1 to 999";
    if (recipe.loggerType < 0 || recipe.loggerType > 99) return "the logger type must be 0 to 99";
    if (recipe.samplesPerRecord < 0 || recipe.samplesPerRecord > 255 || recipe.minutesBetweenSamples < 0 ||
        recipe.minutesBetweenSamples > 255)
        return "samples per record and minutes between samples are logger bytes, 0 to 255";
    return "";
}

std::string CheckReadings(const LoggerFileRecipe& recipe) {
    const int interval = RecordInterval(recipe);
    if (interval == 0) return "";  // such a logger records nothing: the file holds the block only
    if (kMinutesPerDay % interval != 0)
        return "the record interval (" + std::to_string(interval) + " minutes) must divide 1440";
    if (recipe.kind == FileKind::Normal) {
        if (recipe.firstRecord) return "the first record of a Normal file follows from its setup";
        return "";
    }
    if (recipe.firstRecordShift != 0) return "a first-record shift applies to Normal files only";
    if (!recipe.firstRecord) return "Ring and Blok files need the time of their first record";
    if (std::string error = CheckClockMoment(*recipe.firstRecord, "the first record", true); !error.empty())
        return error;
    const long long first = ToMinutes(*recipe.firstRecord);
    if (first % interval != 0) return "the first record must lie on the record interval's grid";
    if (2 * interval > kMinutesPerDay)
        return "the header of Ring and Blok files cannot point at a first record more than 12 hours "
               "after its first-data time";
    if (first - interval < ToMinutes(recipe.setup)) return "the first record must follow the setup";
    return "";
}

}  // namespace

int RecordInterval(const LoggerFileRecipe& recipe) {
    return recipe.samplesPerRecord * recipe.minutesBetweenSamples;
}

std::string CheckRecipe(const LoggerFileRecipe& recipe) {
    if (std::string error = CheckIdentity(recipe); !error.empty()) return error;
    if (std::string error = CheckClockMoment(recipe.setup, "the setup", false); !error.empty()) return error;
    if (recipe.storedSetup) {
        if (std::string error = CheckClockMoment(*recipe.storedSetup, "the stored setup", false);
            !error.empty())
            return error;
    }
    if (!IsValidMoment(recipe.readingsUntil)) return "the end of the readings is no valid date and time";
    if (recipe.readout && !IsValidMoment(*recipe.readout)) return "the read-out is no valid date and time";
    if (recipe.setupLevelCm) {
        double units = *recipe.setupLevelCm * StorageUnitsPerCm(recipe.unitCode);
        if (units < 0 || units > 65535.49) return "the setup level does not fit the 16-bit sensor value";
    }
    if (std::string error = CheckStamps(recipe.ringStamps, "the ring stamp list"); !error.empty()) return error;
    if (std::string error = CheckStamps(recipe.lastRecordStamps, "the last-record stamp list"); !error.empty())
        return error;
    if (std::string error = CheckReadings(recipe); !error.empty()) return error;
    for (int day : recipe.faultyDays)
        if (day < 0) return "faulty days are counted from 0";
    if (recipe.leftoverBytes < 0) return "left-over bytes cannot be negative";
    if (recipe.leftoverBytes > 0 && FormatFamily(recipe.parameterCount) != 2)
        return "left-over bytes exist only after the end pointer of 161 and 164 parameter files";
    if (recipe.pointerFlagBits && FormatFamily(recipe.parameterCount) != 2)
        return "the end pointer exists only in 161 and 164 parameter files";
    return PlanProblem(recipe);
}

}  // namespace kovu3::sim
