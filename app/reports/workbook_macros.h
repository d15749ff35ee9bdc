#pragma once
// The macros of the report workbooks, as functions of this program rather than code stored
// in the template:
//   "Macro2" writes each month's mean level, as a formula with its computed value, into the
//            daily sheet's (X+21, 3), and in the level-discharge table the month's mean
//            discharge into (X+21, 5). A month without values gets an empty result.
//   "Macro1" finishes the readings sheet: its print area and the heading rows repeated on
//            every printed page.
//   "Macro3" finishes the workbook: print areas of the daily and monthly sheets, the first
//            sheet active with A1 selected.

#include <string>

#include "reports/report_layout.h"
#include "reports/workbook.h"

namespace kovu3 {

struct LanguageTexts;

// The sheet names of the interface language (WordDaily, WordMonthly, WordAll).
struct ReportSheetNames {
    std::string daily;
    std::string monthly;
    std::string readings;
};
ReportSheetNames SheetNamesOf(const LanguageTexts& texts);

MacroSet ReportMacros(ReportKind kind, ReportSheetNames names);

}  // namespace kovu3
