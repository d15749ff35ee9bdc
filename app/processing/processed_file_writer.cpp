#include "processing/processed_file_writer.h"

#include <cstdio>
#include <cstring>

#include "processing/station_year_data.h"
#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

std::string Digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

std::string OptionalPrintForm(const std::optional<long>& value) {
    return value ? PrintForm(*value) : std::string();
}

// The date of a line's columns 17-26, rebuilt as dd<sep>mm<sep>yyyy.
std::string LineDateText(const LevelLineText& line, const std::string& separator) {
    auto parts = ParseDate(LineDate(line));
    return parts ? FormatDate(*parts, separator) : std::string(LineDate(line));
}

void AppendSummary(std::string& out, const char* group, const std::string& suffix, const SummaryRow& row) {
    out += std::string("KNoMin_") + group + suffix + "," + PrintForm(row.KNoMin) + "\r\n";
    out += std::string("KnoMax_") + group + suffix + "," + PrintForm(row.KnoMax) + "\r\n";
    out += std::string("Hort_") + group + suffix + "," + OptionalPrintForm(row.Hort) + "\r\n";
}

}  // namespace

std::string ProcessedFileName(int waterYear, const std::string& station) {
    return "S" + Digits(waterYear, 4) + station + ".txt";
}

std::string PrintForm(long value) {
    return (value < 0 ? "" : " ") + std::to_string(value) + " ";
}

std::string FormatProcessedFile(const ProcessedFileContent& content, const YearStatistics& stats,
                                const std::vector<LevelLineText>& series, const Calendar& calendar) {
    std::string out;
    out.reserve(40000 + series.size() * 28);
    auto line = [&out](const std::string& text) { out += text + "\r\n"; };

    line("[Genel]");
    line("Version," + content.Version);
    line("IstNo," + content.IstNo);
    line("IstAdi," + content.IstAdi);
    line("SuYili," + PrintForm(content.SuYili));
    const std::string& sep = calendar.DateSeparator;
    std::string first = series.empty() ? std::string() : LineDateText(series.front(), sep);
    std::string last = series.empty() ? std::string() : LineDateText(series.back(), sep);
    line("IlkKayitTarihi," + first);
    line("IlkKayitZamani," + (series.empty() ? std::string() : std::string(View(series.front()).substr(4, 4))));
    line("SonKayitTarihi," + last);
    line("SonKayitZamani," + (series.empty() ? std::string() : std::string(View(series.back()).substr(4, 4))));
    line("OlcumBirimi,cm");
    line("nOrjDosya," + PrintForm(static_cast<long>(content.OrjinalDosya.size())));
    for (size_t n = 0; n < content.OrjinalDosya.size(); ++n)
        line("OrjinalDosya_" + Digits(static_cast<int>(n + 1), 2) + "," + content.OrjinalDosya[n]);
    line("");
    // Only the header can hold non-ASCII text (station name, file names).
    out = Utf8ToCp1254(out);

    line("[Aylik Degerler]");
    for (int m = 1; m <= 13; ++m) {
        int month = m == 13 ? 13 : calendar.WaterYearMonths[m];
        AppendSummary(out, "Ay_", Digits(month, 2), stats.Monthly[month]);
        line("");
    }

    line("[Gunluk Degerler]");
    for (int d = 1; d <= 366; ++d) AppendSummary(out, "Gun_", Digits(d, 3), stats.Daily[d]);
    line("");

    line("[Seviyeler]");
    size_t at = out.size();
    out.resize(at + series.size() * 28);
    for (const LevelLineText& level : series) {
        std::string_view text = TrimBlanks(View(level));
        if (text.empty()) continue;
        std::memcpy(out.data() + at, text.data(), text.size());
        at += text.size();
        out[at++] = '\r';
        out[at++] = '\n';
    }
    out.resize(at);
    return out;
}

std::string WriteProcessedFile(const std::filesystem::path& path, const ProcessedFileContent& content,
                               const YearStatistics& stats, const std::vector<LevelLineText>& series,
                               const Calendar& calendar) {
    return WriteFileReplacing(path, FormatProcessedFile(content, stats, series, calendar));
}

}  // namespace kovu3
