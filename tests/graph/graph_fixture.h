#pragma once
// Simulated raw logger files for the graph's tests: stations with a few days of readings,
// converted (or not) as the program does, in a data folder whose path has blanks and
// Turkish letters.

#include <string>

#include "loggersim/raw_file_writer.h"
#include "processing/conversion.h"
#include "processing/station_year_data.h"
#include "support/test_folder.h"

namespace kovu3::test {

struct GraphFixture {
    TestFolder data;
    ProgramSettings settings;

    explicit GraphFixture(const char* language = "TURKCE") {
        settings.DataDirectory = data.path().string() + "/";
        settings.ProgramFolder = data.path().string() + "/";
        settings.CurrentFolder = data.path().string() + "/";
        settings.Options[21] = language;
        ApplyCalendar(settings.calendar, language);
        ApplyLanguage(settings.texts, language);
        settings.DefaultExtremesPolicy = 3;
        settings.Options[1] = "1";
    }

    // A normal 10-minute raw file of `stationId` from `from` 00:00 to `until` 24:00.
    std::string Raw(const std::string& stationId, DateParts from, DateParts until,
                    int type = sim::kOpticalEncoder, int order = 1, std::uint64_t seed = 1) {
        sim::LoggerFileRecipe recipe;
        recipe.stationId = stationId;
        recipe.order = order;
        recipe.setup = {from, 0};
        recipe.readingsUntil = {until, 1440};
        if (type != sim::kOpticalEncoder) {
            recipe.parameterCount = 166;
            recipe.loggerType = type;
        }
        sim::HydrographParams params;
        params.seed = seed;
        sim::Hydrograph river(params);
        std::string name = sim::RawFileName(recipe);
        data.Write(name, sim::MakeRawFile(recipe, river));
        return name;
    }

    // Converts one station-year from the given raw files; returns the processed file name.
    std::string Convert(const std::string& station, int year, std::vector<std::string> files) {
        ConversionRequest request;
        request.station = station;
        request.waterYear = year;
        request.rawFiles = std::move(files);
        request.stationName = "Test Deresi";
        request.readingsLog = data / "List3.sil";
        request.rawCopy = data / "Gecici.txt";
        ConversionResult result = ConvertStationYear(request, settings);
        if (!result.written) throw std::runtime_error("conversion failed: " + result.error);
        return result.processedFile.filename().string();
    }
};

}  // namespace kovu3::test
