#pragma once
// Texts as cells hold them. A sheet file is XML 1.0, which cannot carry most control
// characters or broken UTF-8; the spreadsheet writes such characters as "_xHHHH_", and a
// literal "_xHHHH_" in a text has its underscore written as "_x005F_". A cell holds at most
// 32767 characters: a longer text makes the spreadsheet offer to repair the workbook.

#include <string>
#include <string_view>

namespace kovu3 {

constexpr size_t kMaxCellTextLength = 32767;  // UTF-16 units, as the spreadsheet counts

// The text as it goes into a cell's XML (before the XML's own escaping of < & >): broken
// UTF-8 becomes U+FFFD, control characters other than tab and line feed become "_xHHHH_",
// and the text is cut to the longest a cell holds.
std::string EncodeSheetText(std::string_view utf8);

// The text a cell's XML holds, with every "_xHHHH_" turned back into its character.
std::string DecodeSheetText(std::string_view stored);

}  // namespace kovu3
