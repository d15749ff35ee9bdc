#include "rawfile/correction_date.h"

#include "shell/file_io.h"

namespace kovu3 {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The run of digits at `i` (at most `maxDigits` long); nullopt when none or longer.
std::optional<int> DigitRun(std::string_view text, size_t& i, size_t maxDigits) {
    size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == start || i - start > maxDigits) return std::nullopt;
    int value = 0;
    for (size_t k = start; k < i; ++k) value = value * 10 + (text[k] - '0');
    return value;
}

void SkipSeparators(std::string_view text, size_t& i) {
    while (i < text.size() && !IsDigit(text[i])) ++i;
}

}  // namespace

bool IsRealDate(const DateParts& date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= MonthLength(date.month, date.year);
}

std::optional<CorrectionDate> ParseCorrectionDate(std::string_view text) {
    text = TrimBlanks(text);
    CorrectionDate result;
    size_t i = 0;
    auto day = DigitRun(text, i, 2);
    if (!day) return std::nullopt;
    SkipSeparators(text, i);
    auto month = DigitRun(text, i, 2);
    if (!month) return std::nullopt;
    SkipSeparators(text, i);
    size_t yearStart = i;
    auto year = DigitRun(text, i, 4);
    if (!year || i - yearStart != 4) return std::nullopt;
    result.date = DateParts{*day, *month, *year};
    if (!IsRealDate(result.date)) return std::nullopt;

    std::string_view rest = TrimBlanks(text.substr(i));
    if (rest.empty()) return result;
    size_t j = 0;
    auto hour = DigitRun(rest, j, 2);
    if (!hour || j >= rest.size() || rest[j] != ':') return std::nullopt;
    ++j;
    size_t minuteStart = j;
    auto minute = DigitRun(rest, j, 2);
    if (!minute || j - minuteStart != 2 || j != rest.size()) return std::nullopt;
    int minuteOfDay = *hour * 60 + *minute;
    if (*minute > 59 || minuteOfDay > 1440) return std::nullopt;
    result.hasTime = true;
    result.minuteOfDay = minuteOfDay;
    return result;
}

}  // namespace kovu3
