#pragma once
// ReadRawFile: one raw logger file into its SetupParameters and RawTimeBase, with the
// problems met on the way and what the setup panel shows beside them. The decoder knows no
// window: it returns one value and the window shows it.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rawfile/setup_parameters.h"
#include "shell/program_settings.h"

namespace kovu3 {

// What the setup panel shows from a decoding besides the parameters themselves.
struct SetupPanelMarks {
    bool setupDateRed = false;        // TextSetup(4): Tarih0 replaced the setup date
    bool firstRecordRed = false;      // TextSetup(6): Tarih1 replaced the first record
    bool dayCountRed = false;         // TextSetup(8): Ngun replaced the day count
    bool showCorrectedNote = false;   // Text8: the version marker is "ver4"
    bool showVersionMessage = false;  // Text6 covers the panel
    std::string versionMessage;       // Text6's text (Messages entry 5)
    std::string parameterCountText;   // TextSetup(5)
    std::string blockCountText;       // TextSetup(7)
    std::string batteryChangedText;   // TextSetup(10)
    std::string loggerTypeText;       // TextSetup(16)
};

struct RawFileResult {
    std::string fileName;
    SetupParameters setup;
    RawTimeBase timeBase;
    // Empty when nothing stops the file's use, else the text of the last such problem:
    // "Version Hatasi", "İlk verinin zamanı ve tarihi belirsiz.", "Dosyada Sadece SETUP
    // PAR. var", "Parametre Sayısı Hatalı", "Hatali Dosya Adi", "Kayıt Aralığı Hatalı", or
    // one of the texts of a missing, unreadable or truncated file (raw_problems.h).
    std::string errorText;
    std::vector<std::string> ListOnemliHatalar;  // important problems, shown to everyone
    std::vector<std::string> Listhata;           // problems shown in programmer mode
    // Every problem again with the file and, where it helps, the byte position.
    std::vector<std::string> problemDetails;
    // A message box in the critical style, with a beep; empty when none.
    std::string criticalMessage;
    SetupPanelMarks panel;
    bool showImportantProblems = false;   // ListOnemliHatalar has entries
    bool showProgrammerProblems = false;  // Listhata has entries at programmer level 1
    size_t fileLength = 0;
    // The file's bytes (ReadRawFile only), for walking the readings without reading again.
    std::shared_ptr<const std::string> image;

    const std::vector<std::string>& ListSonTarih() const { return setup.LastRecordStamps; }
    const std::vector<std::string>& ListRing() const { return setup.RingStamps; }
};

// The per-file corrections kept beside a raw file.
struct RawFileCorrections {
    std::string Tarih0, Tarih1, Ngun, ExtremDuzelt;  // additional-information keys
    long specialShift = 0;                           // record intervals from OzelDosyalar.txt
};
RawFileCorrections ReadRawFileCorrections(std::string_view fileName,
                                          const std::filesystem::path& dataFolder);

// Decodes `fileName` (a name in settings.DataDirectory) with its corrections. Uses the
// settings' calendar and date separator, language texts, DefaultExtremesPolicy and
// ProgrammerLevel.
RawFileResult ReadRawFile(std::string_view fileName, const ProgramSettings& settings);

// The same for a file image already in memory (result.image stays empty).
RawFileResult DecodeRawImage(std::string_view fileName, std::string_view image,
                             const RawFileCorrections& corrections,
                             const ProgramSettings& settings);

// A level of the file's data area: six characters -> six digits of whole centimetres.
std::string DecodeLevel(std::string_view six, const SetupParameters& setup);

}  // namespace kovu3
