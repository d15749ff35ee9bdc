#pragma once
// The time base and the sizes of a simulated raw logger file, worked out before a byte is
// written: where the readings start and end, how many day records there are, and what a
// correct decoder must report for the file.

#include <cstddef>
#include <string>

#include "loggersim/logger_file_recipe.h"

namespace kovu3::sim {

struct RawFilePlan {
    int family = 1;          // 0 for a parameter count that is none of the four
    int recordInterval = 0;  // minutes
    // First-data time in the header: two record intervals before the first record.
    Moment headerFirstData;
    // The first and the last reading (1440 stands for 24:00); with no readings the last one
    // is one interval before the first.
    Moment firstRecord;
    Moment lastRecord;
    // The last record as a decoder counts it from the data size: when the file ends right
    // after a day record it ends at 00:00 of the next day.
    Moment decoderLastRecord;
    int dayCount = 0;  // days from the first record's date to decoderLastRecord's date
    int readingCount = 0;
    int dayRecordCount = 0;
    size_t dataStart = 0;
    size_t dataEnd = 0;  // the file length, or where the family-2 end pointer points
    size_t fileLength = 0;
    long long endPointer = 0;  // family 2: logger bytes of data
};

// Throws std::invalid_argument with CheckRecipe's text when the recipe cannot be written.
RawFilePlan DescribeRawFile(const LoggerFileRecipe& recipe);

// The part of CheckRecipe that needs the plan; empty when the plan is sound.
std::string PlanProblem(const LoggerFileRecipe& recipe);

}  // namespace kovu3::sim
