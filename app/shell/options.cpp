#include "shell/options.h"

#include <cstdio>

#include "shell/file_io.h"
#include "shell/ini_values.h"
#include "shell/profile_file.h"
#include "shell/scramble.h"

namespace kovu3 {
namespace {

std::string KeyOf(int entry) {
    char key[8];
    std::snprintf(key, sizeof key, "%02d", entry);
    return key;
}

std::filesystem::path OptionsFile(const ProgramSettings& settings) {
    return std::filesystem::path(settings.ProgramFolder) / "Kovu3.ini";
}

}  // namespace

long LeadingNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = !text.empty() && text.front() == '-';
    if (negative || (!text.empty() && text.front() == '+')) text.remove_prefix(1);
    long value = 0;
    for (size_t i = 0; i < text.size() && i < 18 && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

void ReadOptions(ProgramSettings& settings) {
    // One load for all 24 values: the file does not change in between.
    ProfileFile profile = ProfileFile::Load(OptionsFile(settings));
    auto read = [&profile](std::string_view section, int entry) {
        std::string value = profile.Get(section, KeyOf(entry)).value_or("");
        return value == "(error)" ? std::string() : value;
    };
    for (int i = 1; i <= 21; ++i) settings.Options[i] = read("Options", i);
    for (int i = 1; i <= 3; ++i) settings.Programci[i] = Unscramble(read("Programci", i));
    // A policy that is not 1, 2 or 3 would leave the conversion without extremes rules.
    long policy = LeadingNumber(settings.Options[8]);
    if (policy < 1 || policy > 3) settings.Options[8] = "3";
    settings.DefaultExtremesPolicy = static_cast<int>(LeadingNumber(settings.Options[8]));
    if (settings.Programci[2] == "1") settings.Edition = "ZEY";
    else if (settings.Programci[2] == "2") settings.Edition = "Kovu Elektronik";
}

std::string WriteOptions(const ProgramSettings& settings) {
    ProfileFile profile = ProfileFile::Load(OptionsFile(settings));
    for (int i = 1; i <= 21; ++i) profile.Set("Options", KeyOf(i), settings.Options[i]);
    return profile.Save(OptionsFile(settings));
}

std::string WriteProgrammerValues(const ProgramSettings& settings) {
    ProfileFile profile = ProfileFile::Load(OptionsFile(settings));
    for (int i = 1; i <= 3; ++i) profile.Set("Programci", KeyOf(i), Scramble(settings.Programci[i]));
    return profile.Save(OptionsFile(settings));
}

}  // namespace kovu3
