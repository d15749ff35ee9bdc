// kovu3-cli decode: what the decoder makes of raw logger files, readable or as JSON.

#include <charconv>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/cli_command.h"
#include "rawfile/raw_decoder.h"
#include "rawfile/setup_panel.h"
#include "shell/startup.h"
#include "shell/text_codec.h"

namespace kovu3::cli {

const Command kDecodeCommand{
    "decode",
    "  kovu3-cli decode [--json] [--language TURKCE|ENGLISH|FARSCA] [--policy 1|2|3] FILE...\n"
    "      decodes raw logger files: header, setup parameters, time base and problems. A FILE\n"
    "      with a folder is decoded in that folder (its .xxx file and OzelDosyalar.txt beside\n"
    "      it); a bare name is taken from the current folder, else from the data folder.\n"
    "      --json prints one JSON object per line, one line per file (JSON Lines). Status 1\n"
    "      when any file has an errorText.\n",
    RunDecode};

namespace {

namespace fs = std::filesystem;

// Valid UTF-8 passes; a text that is not (a file name of other bytes) is read as CP1254.
std::string Utf8Text(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) continue;
        size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        bool valid = length != 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!valid) return Cp1254ToUtf8(text);
        i += length - 1;
    }
    return std::string(text);
}

std::string JsonString(std::string_view raw) {
    const std::string text = Utf8Text(raw);
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string JsonList(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ',';
        out += JsonString(items[i]);
    }
    return out + "]";
}

// One field of the output: its name and its value, already written as JSON.
struct Field {
    std::string name;
    std::string json;
    std::string text;  // the readable form
};

Field Text(std::string name, const std::string& value) {
    return {std::move(name), JsonString(value), Utf8Text(value)};
}
Field Number(std::string name, long value) {
    return {std::move(name), std::to_string(value), std::to_string(value)};
}
Field Decimal(std::string name, double value) {
    std::string text = PanelNumber(value);
    return {std::move(name), text, text};
}
Field Flag(std::string name, bool value) {
    return {std::move(name), value ? "true" : "false", value ? "yes" : "no"};
}
Field List(std::string name, const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : " | ") + Utf8Text(item);
    return {std::move(name), JsonList(items), text};
}

std::vector<Field> SetupFields(const SetupParameters& s) {
    return {
        Text("VersionMarker", s.VersionMarker),
        Number("BlockCount", s.BlockCount),
        Number("ParameterCount", s.ParameterCount),
        Number("FormatFamily", s.FormatFamily),
        Text("UnitText", s.UnitText),
        Decimal("UnitFactor", s.UnitFactor),
        Text("HeaderFirstDate", s.HeaderFirstDate),
        Number("HeaderFirstHour", s.HeaderFirstHour),
        Number("HeaderFirstMinute", s.HeaderFirstMinute),
        Text("RecordKind", s.RecordKind),
        Text("RegionCode", s.RegionCode),
        Number("StationPrefix", s.StationPrefix),
        Number("StationNumber", s.StationNumber),
        Text("StationKey", s.StationKey),
        Decimal("SetupLevel", s.SetupLevel),
        Text("SetupDate", s.SetupDate),
        Number("SetupHour", s.SetupHour),
        Number("SetupMinute", s.SetupMinute),
        Number("SampleCount", s.SampleCount),
        Number("SampleInterval", s.SampleInterval),
        Number("RecordInterval", s.RecordInterval),
        Text("BatteryChanged", s.BatteryChanged),
        Text("LoggerType", s.LoggerType),
        List("RingStamps", s.RingStamps),
        List("LastRecordStamps", s.LastRecordStamps),
        Number("DataStart", static_cast<long>(s.DataStart)),
        Number("DataEnd", static_cast<long>(s.DataEnd)),
    };
}

std::vector<Field> TimeBaseFields(const RawTimeBase& t) {
    return {
        Number("SetupMinuteOfDay", t.SetupMinuteOfDay),
        Text("FirstRecordDate", t.FirstRecordDate),
        Number("FirstRecordMinute", t.FirstRecordMinute),
        Number("FirstRecordHour", t.FirstRecordHour),
        Number("FirstRecordMin", t.FirstRecordMin),
        Text("LastRecordDate", t.LastRecordDate),
        Number("LastRecordMinute", t.LastRecordMinute),
        Number("LastRecordHour", t.LastRecordHour),
        Number("LastRecordMin", t.LastRecordMin),
        Number("DayCount", t.DayCount),
        Number("WaterYear", t.WaterYear),
        Number("LastWaterYear", t.LastWaterYear),
        Text("WaterYearStart", t.WaterYearStart),
        Number("SetupDayNo", t.SetupDayNo),
        Number("FirstDayNo", t.FirstDayNo),
        Number("LastDayNo", t.LastDayNo),
        Number("ExtremesPolicy", t.ExtremesPolicy),
        Number("MidnightStart", t.MidnightStart),
    };
}

std::vector<Field> ProblemFields(const RawFileResult& r) {
    return {
        Text("errorText", r.errorText),
        List("importantProblems", r.ListOnemliHatalar),
        List("programmerProblems", r.Listhata),
        List("problemDetails", r.problemDetails),
        Text("criticalMessage", r.criticalMessage),
    };
}

std::vector<Field> PanelFields(const RawFileResult& r) {
    return {
        Flag("TextSetup4Red", r.panel.setupDateRed),
        Flag("TextSetup6Red", r.panel.firstRecordRed),
        Flag("TextSetup8Red", r.panel.dayCountRed),
        Flag("Text8Shown", r.panel.showCorrectedNote),
        Flag("Text6Shown", r.panel.showVersionMessage),
        Number("fileLength", static_cast<long>(r.fileLength)),
    };
}

void PrintJson(std::ostream& out, const std::string& path, const RawFileResult& r) {
    out << "{\"file\":" << JsonString(path);
    for (auto fields :
         {SetupFields(r.setup), TimeBaseFields(r.timeBase), ProblemFields(r), PanelFields(r)})
        for (const Field& field : fields) out << ",\"" << field.name << "\":" << field.json;
    out << "}\n";
}

void PrintReadable(std::ostream& out, const std::string& path, const RawFileResult& r) {
    out << Utf8Text(path) << "\n";
    auto section = [&out](const char* title, const std::vector<Field>& fields) {
        out << "  " << title << "\n";
        for (const Field& field : fields) out << "    " << field.name << ": " << field.text << "\n";
    };
    section("problems", {Text("errorText", r.errorText.empty() ? "(none)" : r.errorText)});
    for (const std::string& detail : r.problemDetails) out << "    - " << detail << "\n";
    if (!r.criticalMessage.empty()) out << "    message: " << r.criticalMessage << "\n";
    section("setup parameters", SetupFields(r.setup));
    section("time base", TimeBaseFields(r.timeBase));
    section("panel", PanelFields(r));
}

// Where a FILE argument is decoded: its own folder, else the current or the data folder.
std::pair<fs::path, std::string> Locate(const std::string& argument,
                                        const ProgramSettings& settings) {
    fs::path path(argument);
    std::error_code ec;
    if (path.has_parent_path())
        return {fs::absolute(path.parent_path(), ec), path.filename().string()};
    if (fs::exists(path, ec)) return {fs::current_path(ec), argument};
    return {fs::path(settings.DataDirectory), argument};
}

}  // namespace

int RunDecode(const CliContext& context, Arguments args) {
    bool json = false;
    std::string language;
    int policy = 0;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--json") {
            json = true;
        } else if ((word == "--language" || word == "--policy") && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (word == "--language") {
                language = value;
                continue;
            }
            auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), policy);
            if (ec != std::errc() || end != value.data() + value.size() || policy < 1 || policy > 3)
                return UsageError(context, kDecodeCommand, "the policy is 1, 2 or 3");
        } else if (word.starts_with("--")) {
            return UsageError(context, kDecodeCommand, "unknown option " + word);
        } else {
            files.push_back(word);
        }
    }
    if (files.empty()) return UsageError(context, kDecodeCommand, "no FILE given");

    StartupResult startup = RunStartup(context.environment);
    ProgramSettings settings = std::move(startup.settings);
    if (!language.empty()) {
        if (!ApplyLanguage(settings.texts, language))
            return UsageError(context, kDecodeCommand, "unknown language " + language);
        settings.Options[21] = language;
        ApplyCalendar(settings.calendar, language);
    } else if (settings.texts.Language.empty()) {
        // No language configured: the program's own Turkish texts, not empty ones.
        ApplyLanguage(settings.texts, "TURKCE");
    }
    if (policy != 0) settings.DefaultExtremesPolicy = policy;

    int status = kExitOk;
    for (const std::string& file : files) {
        auto [folder, name] = Locate(file, settings);
        ProgramSettings here = settings;
        here.DataDirectory = FolderText(folder);
        RawFileResult result = ReadRawFile(name, here);
        if (!result.errorText.empty()) status = kExitFailed;
        if (json)
            PrintJson(context.out, file, result);
        else
            PrintReadable(context.out, file, result);
    }
    return status;
}

}  // namespace kovu3::cli
