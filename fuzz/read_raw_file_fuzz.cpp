// Feeds arbitrary bytes to the raw file decoder, the reading walker and the setup panel.
// The input is a raw file image, optionally followed by correction values after "\x01"
// separators: Tarih0, Tarih1, Ngun, ExtremDuzelt and an OzelDosyalar.txt text. Its first
// byte picks the calendar and the file name's kind letter.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "rawfile/raw_decoder.h"
#include "rawfile/raw_reading.h"
#include "rawfile/setup_panel.h"
#include "rawfile/shift_list.h"
#include "shell/program_settings.h"

namespace {

kovu3::ProgramSettings MakeSettings(const char* language) {
    kovu3::ProgramSettings settings;
    settings.DataDirectory = "/nonexistent/";
    settings.Options[21] = language;
    kovu3::ApplyCalendar(settings.calendar, language);
    kovu3::ApplyLanguage(settings.texts, language);
    return settings;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const kovu3::ProgramSettings turkish = MakeSettings("TURKCE");
    static const kovu3::ProgramSettings persian = MakeSettings("FARSCA");
    if (size == 0) return 0;
    const uint8_t mode = data[0];
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);

    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        size_t end = input.find('\x01', start);
        parts.push_back(input.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    const std::string image(parts[0]);  // its own allocation, so reads past it are caught
    const std::string name = (mode & 2) ? "12345678001.05R" : "12345678001.05M";
    kovu3::RawFileCorrections corrections;
    if (parts.size() > 1) corrections.Tarih0 = parts[1];
    if (parts.size() > 2) corrections.Tarih1 = parts[2];
    if (parts.size() > 3) corrections.Ngun = parts[3];
    if (parts.size() > 4) corrections.ExtremDuzelt = parts[4];
    if (parts.size() > 5) corrections.specialShift = kovu3::ShiftForFile(parts[5], name).intervals;

    const kovu3::ProgramSettings& settings = (mode & 1) ? persian : turkish;
    kovu3::RawFileResult result = kovu3::DecodeRawImage(name, image, corrections, settings);
    Check(result.setup.DataEnd <= image.size());
    Check(result.errorText.empty() || !result.problemDetails.empty());
    kovu3::MakeSetupPanelTexts(result, settings.texts);

    if (result.errorText.empty() || result.errorText == "Dosyada Sadece SETUP PAR. var") {
        kovu3::RawReadingWalker walker(image, result.setup, result.timeBase);
        kovu3::RawReading reading;
        size_t steps = 0;
        while (walker.Next(reading)) {
            Check(reading.position + 6 <= image.size());
            Check(++steps <= image.size());
        }
    }
    return 0;
}
