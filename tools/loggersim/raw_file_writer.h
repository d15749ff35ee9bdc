#pragma once
// The simulated logger: turns a LoggerFileRecipe and a hydrograph into the exact characters
// of a raw logger file.

#include <string>

#include "loggersim/hydrograph.h"
#include "loggersim/logger_file_recipe.h"
#include "loggersim/raw_file_plan.h"

namespace kovu3::sim {

// The file's characters. Throws std::invalid_argument with CheckRecipe's text when the recipe
// cannot be written.
std::string MakeRawFile(const LoggerFileRecipe& recipe, const Hydrograph& hydrograph);

// Station identifier, order in three digits, ".", the read-out year in two digits and the
// kind letter: 12345678001.04M.
std::string RawFileName(const LoggerFileRecipe& recipe);

// The sensor value the logger stores for a stage, 0 to 65535 (unknown unit codes store
// centimetres).
int SensorValue(double levelCm, const std::string& unitCode);
// The level a stored sensor value shows, in whole centimetres (0 for unknown unit codes).
int DecodedLevelCm(int sensorValue, const std::string& unitCode);

}  // namespace kovu3::sim
