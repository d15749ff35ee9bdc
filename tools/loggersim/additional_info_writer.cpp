#include "loggersim/additional_info_writer.h"

#include "shell/file_io.h"
#include "shell/profile_file.h"
#include "shell/text_codec.h"

namespace kovu3::sim {
namespace {

constexpr std::string_view kSection = "Ek_Bilgiler";

}  // namespace

std::string AdditionalInfoFileName(std::string_view rawFileName) {
    std::string name(rawFileName);
    if (name.size() >= 9) name[8] = '_';
    return name + ".xxx";
}

std::string WriteAdditionalInfo(const std::filesystem::path& rawFilePath, const AdditionalInfo& info) {
    const std::filesystem::path path =
        rawFilePath.parent_path() / AdditionalInfoFileName(rawFilePath.filename().string());
    ProfileFile profile = ProfileFile::Load(path);
    if (info.ratingCurvePath) profile.Set(kSection, "AnahtarDirectory", *info.ratingCurvePath);
    if (info.extremesPolicy) profile.Set(kSection, "ExtremDuzelt", std::to_string(*info.extremesPolicy));
    if (info.setupCorrection) profile.Set(kSection, "Tarih0", *info.setupCorrection);
    if (info.firstRecordCorrection) profile.Set(kSection, "Tarih1", *info.firstRecordCorrection);
    if (info.dayCount) profile.Set(kSection, "Ngun", std::to_string(*info.dayCount));
    return profile.Save(path);
}

std::string WriteShiftList(const std::filesystem::path& folder, const std::vector<FirstRecordShift>& shifts) {
    std::vector<std::string> lines;
    for (const FirstRecordShift& shift : shifts)
        lines.push_back("\"" + shift.rawFileName + "\"," + std::to_string(shift.intervals));
    return WriteFileReplacing(folder / "OzelDosyalar.txt", ToCp1254Lines(lines));
}

}  // namespace kovu3::sim
