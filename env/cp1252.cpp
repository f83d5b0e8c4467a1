#include "env/cp1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where Windows-1252 has no character
// (those bytes are kept as the C1 control of the same number).
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 character at i; returns false on a broken sequence.
bool DecodeUtf8(std::string_view s, std::size_t& i, char32_t& cp) {
    auto b = static_cast<unsigned char>(s[i]);
    int extra = 0;
    if (b < 0x80) {
        cp = b;
    } else if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F;
        extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F;
        extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
        cp = b & 0x07;
        extra = 3;
    } else {
        ++i;
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        if (i + k >= s.size()) {
            ++i;
            return false;
        }
        auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += extra + 1;
    return true;
}

char32_t CaseMap(char32_t cp, bool upper) {
    if (upper) {
        if (cp >= 'a' && cp <= 'z')
            return cp - 32;
        if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)
            return cp - 32;
    } else {
        if (cp >= 'A' && cp <= 'Z')
            return cp + 32;
        if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
            return cp + 32;
    }
    return cp;
}

std::string MapCase(std::string_view text, bool upper) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp;
        std::size_t start = i;
        if (DecodeUtf8(text, i, cp)) {
            AppendUtf8(out, CaseMap(cp, upper));
        } else {
            out.append(text.substr(start, i - start));
        }
    }
    return out;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0) {
            AppendUtf8(out, kHigh[b - 0x80]);
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp;
        if (!DecodeUtf8(text, i, cp)) {
            out += '?';
            continue;
        }
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (std::size_t k = 0; k < kHigh.size(); ++k) {
            if (kHigh[k] == cp) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (char ch : text) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

std::string Utf8Left(std::string_view text, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == n)
                return std::string(text.substr(0, i));
            ++count;
        }
    }
    return std::string(text);
}

std::string Utf8Upper(std::string_view text) {
    return MapCase(text, true);
}
std::string Utf8Lower(std::string_view text) {
    return MapCase(text, false);
}
