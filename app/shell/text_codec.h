#pragma once
// Text files of the system are in the Windows Turkish code page (CP1254) with CR LF line
// ends; inside the program every text is UTF-8. These are the only two conversions.

#include <string>
#include <string_view>
#include <vector>

namespace kovu3 {

// CP1254 bytes to UTF-8. The five bytes the code page leaves undefined (0x81, 0x8D-0x90,
// 0x9D, 0x9E) map to U+0081 ... so that every byte survives a round trip.
std::string Cp1254ToUtf8(std::string_view bytes);

// UTF-8 to CP1254. A character the code page cannot hold becomes '?'; an invalid UTF-8
// byte is taken as a CP1254 byte as it stands.
std::string Utf8ToCp1254(std::string_view text);

// Splits text at CR LF, CR or LF. A line end after the last line adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// Joins UTF-8 lines into a CP1254 file image, each line ended by CR LF.
std::string ToCp1254Lines(const std::vector<std::string>& lines);

}  // namespace kovu3
