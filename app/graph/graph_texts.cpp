#include "graph/graph_texts.h"

#include <cmath>

namespace kovu3 {

std::string CaptionOr(const LanguageTexts& texts, int entry, const char* design) {
    const std::string& caption = texts.Captions[static_cast<size_t>(entry)];
    return caption.empty() ? std::string(design) : caption;
}

std::string GraphTitle(const StationYearData& data, const LanguageTexts& texts) {
    std::string year = std::to_string(data.SuYili);
    while (year.size() < 4) year.insert(0, "0");
    return data.IstNo + " " + data.IstAdi + " " + " - " + CaptionOr(texts, 68, "SU YILI") + ":" +
           year;
}

std::string LegendLabel(const StationYearData& data) {
    std::string label = data.IstNo;
    if (!data.IstAdi.empty()) label += " " + data.IstAdi;
    return label + " " + std::to_string(data.SuYili);
}

std::string BoundText(const DateTime& moment) {
    return moment.date + "  " + moment.time;
}

std::string RangeText(const DateTime& start, const DateTime& end) {
    return BoundText(start) + "  -  " + BoundText(end);
}

std::string LevelNumber(double level) {
    const long whole = static_cast<long>(std::floor(level));
    return whole < 0 ? std::to_string(whole) : " " + std::to_string(whole);
}

std::string PointerReadout(const DateTime& moment, double level) {
    return "Mouse:" + moment.date + "  " + moment.time + "   H=" + LevelNumber(level);
}

}  // namespace kovu3
