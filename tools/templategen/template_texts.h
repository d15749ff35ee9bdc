#pragma once
// The headings of the default workbook templates in the three interface languages. Farsi
// shares the English words and counts its water year from the month Mehr.

#include <array>
#include <string_view>

namespace kovu3 {

struct TemplateTexts {
    const char* stationNumber;
    const char* stationName;
    const char* station;
    const char* waterYear;
    const char* unit;
    const char* period;
    const char* levelTitle;           // daily sheet of the level table
    const char* levelDischargeTitle;  // daily sheet of the level-discharge table
    const char* monthlyTitle;
    const char* readingsTitle;
    const char* date;
    const char* time;
    const char* level;
    const char* discharge;
    const char* maximum;
    const char* minimum;
    const char* mean;
    const char* day;
    const char* month;
    const char* wholeYear;
    const char* summary;
    const char* monthMean;
    const char* monthMeanDischarge;
    const char* footer;
    std::array<const char*, 12> months;  // in water-year order
};

// The texts of "TURKCE", "ENGLISH" or "FARSCA"; nullptr for anything else.
const TemplateTexts* TemplateTextsFor(std::string_view language);

}  // namespace kovu3
