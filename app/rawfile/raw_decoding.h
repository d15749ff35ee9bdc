#pragma once
// Inside the decoder: the state one decoding shares between its steps. Not for callers;
// they use raw_decoder.h.

#include <optional>
#include <string>
#include <string_view>

#include "rawfile/correction_date.h"
#include "rawfile/raw_decoder.h"
#include "rawfile/raw_format.h"

namespace kovu3::detail {

class Decoding final {
  public:
    Decoding(std::string_view fileName, std::string_view image,
             const RawFileCorrections& corrections, const ProgramSettings& settings,
             RawFileResult& result)
        : fileName_(fileName),
          image_(image),
          corrections_(corrections),
          settings_(settings),
          result_(result) {}
    Decoding(const Decoding&) = delete;
    Decoding& operator=(const Decoding&) = delete;

    // Header and setup block (raw_setup_block.cpp); false when decoding stops.
    bool DecodeHeaderAndBlock();
    // Record interval, first and last record, water years, policies (raw_time_base.cpp).
    bool ComputeTimeBase();
    // Lists the first non-digit field, if any.
    void ReportNonDigitField();

    // Problems. A stop sets errorText; `listed` also puts it in ListOnemliHatalar.
    void Important(const std::string& text, const std::string& detail = {});
    void Programmer(const std::string& text, const std::string& detail = {});
    void SetError(const std::string& text, bool listed, const std::string& detail = {});
    // Stops with "İlk verinin zamanı ve tarihi belirsiz." and its critical message.
    bool StopFirstRecordUnknown(const std::string& why);

  private:
    // The value of the three-character field at `offset` (inside the image), noting the
    // first field that holds anything but digits.
    int Field(size_t offset);
    int Parameter(int n) { return Field(raw::ParameterOffset(n)); }
    int Bcd(int parameter);
    std::string Detail(const std::string& what) const;
    const std::string& Sep() const { return settings_.DateSeparator(); }
    bool Persian() const { return settings_.calendar.CalendarKind == 1; }
    // A date of the file (day, month, year after the year rule) as the program shows it:
    // dd/mm/yyyy, converted to the Persian calendar when that calendar is active.
    std::string ShownDate(int day, int month, int year) const;

    // The date fields together with their day, month and year parts.
    void SetSetupDate(const std::string& date);
    void SetFirstRecord(const std::string& date, int minuteOfDay);
    // A Tarih0 or Tarih1 value; nullopt when empty or no date (then listed as a problem).
    std::optional<CorrectionDate> Correction(const char* key, const std::string& text);

    void DecodeStamps(int firstParameter, bool yearFirst, std::vector<std::string>& list);
    void DecodeDataEnd(const raw::BlockLayout& layout);
    bool CheckStationInName();
    bool ApplySetupCorrection();
    bool PlaceFirstRecord();
    bool ApplyFirstRecordCorrection();
    void PlaceLastRecord();
    void ApplyDayCountCorrection();
    void NumberDays();

    std::string_view fileName_;
    std::string_view image_;
    const RawFileCorrections& corrections_;
    const ProgramSettings& settings_;
    RawFileResult& result_;

    size_t firstNonDigit_ = std::string_view::npos;
    int headerMinuteOfDay_ = 0;
    int alignment_ = 0;  // minutes from setup to the interval grid
    int offset_ = 0;     // minutes from the grid to the first record
};

}  // namespace kovu3::detail
