#pragma once
// The texts the graph writes: its title, the legend's station labels, the bounds of a view
// and the pointer read-out.

#include <string>

#include "graph/plot_time.h"
#include "processing/station_year_data.h"
#include "shell/language_texts.h"

namespace kovu3 {

// IstNo, IstAdi, " - ", "SU YILI" / "Water Year", ":" and the water year in four digits.
std::string GraphTitle(const StationYearData& data, const LanguageTexts& texts);

// The legend names a station by its number, name and water year.
std::string LegendLabel(const StationYearData& data);

// "dd/mm/yyyy  hh:mm", the texts of Text8 and Text10.
std::string BoundText(const DateTime& moment);

// The range line over the plot: start, "  -  ", end.
std::string RangeText(const DateTime& start, const DateTime& end);

// A level in whole cm written as a number with a leading blank when not negative.
std::string LevelNumber(double level);

// "Mouse:" date, time and "H=" with the level under the pointer.
std::string PointerReadout(const DateTime& moment, double level);

// A caption of the table, or the design text while no language is applied.
std::string CaptionOr(const LanguageTexts& texts, int entry, const char* design);

}  // namespace kovu3
