#include "rawfile/raw_decoder.h"

#include <system_error>

#include "rawfile/additional_info.h"
#include "rawfile/bcd.h"
#include "rawfile/raw_decoding.h"
#include "rawfile/raw_problems.h"
#include "rawfile/shift_list.h"
#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace detail {

int Decoding::Field(size_t offset) {
    std::string_view field = image_.substr(offset, raw::kFieldLength);
    if (firstNonDigit_ == std::string_view::npos && !IsDigitField(field)) firstNonDigit_ = offset;
    return FieldValue(field);
}

std::string Decoding::Detail(const std::string& what) const {
    return std::string(fileName_) + ": " + what;
}

void Decoding::Important(const std::string& text, const std::string& detail) {
    result_.ListOnemliHatalar.push_back(text);
    result_.problemDetails.push_back(detail.empty() ? Detail(text) : detail + " - " + text);
}

void Decoding::Programmer(const std::string& text, const std::string& detail) {
    result_.Listhata.push_back(text);
    result_.problemDetails.push_back(detail.empty() ? Detail(text) : detail + " - " + text);
}

void Decoding::SetError(const std::string& text, bool listed, const std::string& detail) {
    result_.errorText = text;
    if (listed) Important(text, detail);
}

bool Decoding::StopFirstRecordUnknown(const std::string& why) {
    result_.errorText = problem::kFirstRecordUnknown;
    result_.criticalMessage = std::string(problem::kFirstRecordMessageHead) +
                              result_.setup.RecordKind + problem::kFirstRecordMessageTail;
    result_.problemDetails.push_back(Detail(why) + " - " + problem::kFirstRecordUnknown);
    return false;
}

void Decoding::ReportNonDigitField() {
    if (firstNonDigit_ == std::string_view::npos) return;
    const std::string position = std::to_string(firstNonDigit_);
    Important(problem::kNonDigit + position,
              Detail("bayt " + position + ": \"" +
                     Cp1254ToUtf8(image_.substr(firstNonDigit_, raw::kFieldLength)) + "\""));
}

}  // namespace detail

RawFileCorrections ReadRawFileCorrections(std::string_view fileName,
                                          const std::filesystem::path& dataFolder) {
    RawFileCorrections corrections;
    corrections.Tarih0 = ReadAdditionalInfo("Tarih0", fileName, dataFolder);
    corrections.Tarih1 = ReadAdditionalInfo("Tarih1", fileName, dataFolder);
    corrections.Ngun = ReadAdditionalInfo("Ngun", fileName, dataFolder);
    corrections.ExtremDuzelt = ReadAdditionalInfo("ExtremDuzelt", fileName, dataFolder);
    corrections.specialShift = ReadSpecialFileShift(dataFolder, fileName).intervals;
    return corrections;
}

namespace {

// A result before the file is read: the kind its name gives, everything else reset.
RawFileResult FreshResult(std::string_view fileName) {
    RawFileResult result;
    result.fileName = std::string(fileName);
    const char last = fileName.empty() ? '\0' : fileName.back();
    result.setup.RecordKind = last == 'R' || last == 'r' ? "Ring" : "Normal";
    return result;
}

void Refuse(RawFileResult& result, const char* text, const std::string& why) {
    result.errorText = text;
    result.ListOnemliHatalar.push_back(text);
    result.problemDetails.push_back(result.fileName + ": " + why + " - " + text);
    result.showImportantProblems = true;
}

}  // namespace

RawFileResult DecodeRawImage(std::string_view fileName, std::string_view image,
                             const RawFileCorrections& corrections,
                             const ProgramSettings& settings) {
    RawFileResult result = FreshResult(fileName);
    result.fileLength = image.size();
    detail::Decoding decoding(fileName, image, corrections, settings, result);
    if (decoding.DecodeHeaderAndBlock()) decoding.ComputeTimeBase();
    decoding.ReportNonDigitField();
    result.showImportantProblems = !result.ListOnemliHatalar.empty();
    result.showProgrammerProblems = !result.Listhata.empty() && settings.ProgrammerLevel == 1;
    return result;
}

RawFileResult ReadRawFile(std::string_view fileName, const ProgramSettings& settings) {
    const std::filesystem::path dataFolder(settings.DataDirectory);
    std::optional<std::filesystem::path> path;
    if (!fileName.empty()) path = FindIgnoringCase(dataFolder, fileName);
    std::error_code ec;
    if (!path || !std::filesystem::is_regular_file(*path, ec)) {
        RawFileResult result = FreshResult(fileName);
        Refuse(result, problem::kFileMissing, "veri klasöründe yok: " + settings.DataDirectory);
        return result;
    }
    auto bytes = ReadWholeFile(*path);
    if (!bytes) {
        RawFileResult result = FreshResult(fileName);
        Refuse(result, problem::kFileUnreadable, path->string());
        return result;
    }
    auto image = std::make_shared<const std::string>(std::move(*bytes));
    RawFileResult result =
        DecodeRawImage(fileName, *image, ReadRawFileCorrections(fileName, dataFolder), settings);
    result.image = std::move(image);
    return result;
}

std::string DecodeLevel(std::string_view six, const SetupParameters& setup) {
    return DecodeLevel(six, setup.UnitCode);
}

}  // namespace kovu3
