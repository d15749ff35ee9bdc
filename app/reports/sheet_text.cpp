#include "reports/sheet_text.h"

#include <cstdint>
#include <cstdio>

namespace kovu3 {
namespace {

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point starting at text[i] and its length in bytes; length 0 for broken UTF-8.
struct CodePoint {
    uint32_t code = 0;
    size_t length = 0;
};

CodePoint DecodeUtf8At(std::string_view text, size_t i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    if (lead < 0x80) return {lead, 1};
    size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || i + length > text.size() || lead > 0xF4) return {};
    uint32_t code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return {};
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// True when text[i] starts an escape "_xHHHH_".
bool IsEscapeAt(std::string_view text, size_t i) {
    if (i + 7 > text.size() || text[i] != '_' || text[i + 1] != 'x' || text[i + 6] != '_') {
        return false;
    }
    for (size_t k = 2; k < 6; ++k) {
        if (!IsHexDigit(text[i + k])) return false;
    }
    return true;
}

// The UTF-16 unit of the escape at text[i].
uint32_t EscapedUnit(std::string_view text, size_t i) {
    uint32_t unit = 0;
    for (size_t k = 2; k < 6; ++k) {
        char c = text[i + k];
        unit = unit * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    }
    return unit;
}

void AppendEscape(std::string& out, uint32_t code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "_x%04X_", static_cast<unsigned>(code));
    out += buffer;
}

}  // namespace

std::string EncodeSheetText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t units = 0;
    for (size_t i = 0; i < utf8.size();) {
        CodePoint point = DecodeUtf8At(utf8, i);
        if (point.length == 0) point = {0xFFFD, 1};  // one broken byte, one replacement
        units += point.code >= 0x10000 ? 2 : 1;
        if (units > kMaxCellTextLength) break;
        if (point.code == '_' && IsEscapeAt(utf8, i)) {
            AppendEscape(out, '_');
        } else if ((point.code < 0x20 && point.code != '\t' && point.code != '\n') ||
                   point.code == 0xFFFE || point.code == 0xFFFF) {
            AppendEscape(out, point.code);
        } else {
            AppendUtf8(out, point.code);
        }
        i += point.length == 0 ? 1 : point.length;
    }
    return out;
}

std::string DecodeSheetText(std::string_view stored) {
    if (stored.find("_x") == std::string_view::npos) return std::string(stored);
    std::string out;
    out.reserve(stored.size());
    for (size_t i = 0; i < stored.size();) {
        if (IsEscapeAt(stored, i)) {
            uint32_t code = EscapedUnit(stored, i);
            i += 7;
            if (code >= 0xD800 && code <= 0xDBFF && IsEscapeAt(stored, i) &&
                EscapedUnit(stored, i) >= 0xDC00 && EscapedUnit(stored, i) <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (EscapedUnit(stored, i) - 0xDC00);
                i += 7;
            } else if (code >= 0xD800 && code <= 0xDFFF) {
                code = 0xFFFD;  // half of a pair cannot stand alone in UTF-8
            }
            AppendUtf8(out, code);
        } else {
            out += stored[i++];
        }
    }
    return out;
}

}  // namespace kovu3
