#pragma once
// The three file operations of the setup-parameter panel: saving a corrected setup level
// and setup date/time into the raw file, printing the setup parameters of a list of raw
// files, and dumping a raw file as a numbered listing. Texts are CP1254 with CR LF; the
// labels come from the interface language. Showing a printout is the window's job.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "rawfile/raw_file_editor.h"
#include "rawfile/setup_parameters.h"
#include "shell/program_settings.h"

namespace kovu3 {

struct SetupSaveOutcome {
    std::string message;  // empty when saved; otherwise why nothing (or not all) was saved
    RawFileEditOutcome edit;
};

// Writes the setup level `levelText` (cm, as TextSetup(3)) and the setup date and time
// `dateTimeText` ("dd/mm/yyyy hh:mm", as TextSetup(4)) into the block of `fileName`, with
// the unit and parameter count of its last decoding, through ApplyRawFileEdits. Refused with
// a message: an unknown unit (factor 0), a level that is no number of 0 to 65535 sensor
// units, a text that is no date and time, a Gregorian year before 2000 or any year the
// logger's year rule cannot hold, a file whose parameter count changed since.
SetupSaveOutcome SaveSetupParameters(std::string_view fileName, std::string_view levelText,
                                     std::string_view dateTimeText,
                                     const SetupParameters& lastDecoding,
                                     const ProgramSettings& settings);

struct PrintOutcome {
    std::filesystem::path output;  // the file written
    std::string error;             // empty on success
};

// Decodes each file and writes the panel's texts with their labels into
// <DataDirectory><StationKey>_setupPar.txt, the station key being the first one decoded.
PrintOutcome PrintSetupParameters(const std::vector<std::string>& fileNames,
                                  const ProgramSettings& settings);

// Writes <DataDirectory>#<fileName>.txt: nine labelled header fields, then every further
// three characters numbered from 001, a separator line after the last setup parameter.
PrintOutcome DumpRawFile(std::string_view fileName, const ProgramSettings& settings);

}  // namespace kovu3
