#pragma once
// The work the level table and the level-discharge table share: open the processed file and
// a copy of the template, fill the daily, monthly and readings sheets, run the macros, save.
// The level-discharge table puts a discharge beside every level and so uses wider groups.

#include "reports/level_table.h"
#include "reports/report_layout.h"

namespace kovu3 {

class RatingCurve;

// `templateName` is looked up in the program folder (letter case ignored); `curve` is the
// level-discharge table's rating curve and null for the level table.
ReportResult FillStationYearTable(const LevelTableRequest& request, const ProgramSettings& settings,
                                  ReportKind kind, const std::string& templateName,
                                  const RatingCurve* curve);

}  // namespace kovu3
