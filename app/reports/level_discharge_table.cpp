#include "reports/level_table.h"
#include "reports/rating_curve.h"
#include "reports/table_filler.h"

namespace kovu3 {

// The rating curve is read once; every level of the year is then looked up in memory.
ReportResult MakeLevelDischargeTable(const LevelTableRequest& request,
                                     const ProgramSettings& settings) {
    ReportResult result;
    if (request.ratingCurve.empty()) {
        result.error = "no rating curve chosen";
        return result;
    }
    LoadedRatingCurve loaded = RatingCurve::Load(request.ratingCurve);
    if (!loaded.curve) {
        result.error = loaded.error;
        return result;
    }
    return FillStationYearTable(request, settings, ReportKind::LevelDischargeTable,
                                settings.texts.LevelDischargeTemplate, &*loaded.curve);
}

}  // namespace kovu3
