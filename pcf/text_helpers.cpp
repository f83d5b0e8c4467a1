#include "pcf/text_helpers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

const std::string kDegree = "\u00B0";

// Fixed-point rendering with rounding half away from zero on 18 significant digits.
std::string FixedText(double value, int decimals) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    bool negative = std::signbit(value);
    double magnitude = std::fabs(value);
    std::string digits;  // significant digits, without the point
    int exponent = 0;    // magnitude = 0.digits * 10^(exponent + 1)
    if (magnitude != 0.0) {
        char buf[64];
        auto res =
            std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
        std::string s(buf, res.ptr);
        std::size_t e = s.find('e');
        exponent = std::atoi(s.c_str() + e + 1);
        for (std::size_t i = 0; i < e; ++i)
            if (s[i] != '.')
                digits += s[i];
    } else {
        digits = "0";
    }
    int intDigits = exponent + 1;     // digits before the point
    int keep = intDigits + decimals;  // significant digits that stay
    std::string kept;                 // the rounded digit string
    int keptIntDigits = intDigits;
    if (keep < 0) {
        kept = "";
    } else if (keep >= static_cast<int>(digits.size())) {
        kept = digits + std::string(keep - digits.size(), '0');
    } else {
        kept = digits.substr(0, keep);
        if (digits[keep] >= '5') {
            int i = keep - 1;
            while (i >= 0 && kept[i] == '9') kept[i--] = '0';
            if (i >= 0) {
                ++kept[i];
            } else {
                kept.insert(kept.begin(), '1');
                ++keptIntDigits;
            }
        }
    }
    // kept runs from the digit of weight 10^(keptIntDigits-1) down to the last decimal.
    std::string intPart, fracPart;
    if (keptIntDigits > 0) {
        intPart = kept.substr(0, std::min<std::size_t>(keptIntDigits, kept.size()));
        if (kept.size() > static_cast<std::size_t>(keptIntDigits))
            fracPart = kept.substr(keptIntDigits);
    } else {
        intPart = "0";
        fracPart = std::string(-keptIntDigits, '0') + kept;
    }
    if (static_cast<int>(fracPart.size()) < decimals)
        fracPart += std::string(decimals - fracPart.size(), '0');
    fracPart = fracPart.substr(0, decimals);
    std::size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
    bool isZero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
    std::string text = (negative && !isZero) ? "-" : "";
    text += intPart;
    if (decimals > 0)
        text += "." + fracPart;
    return text;
}

std::string PadLeft(const std::string& s, int width) {
    return static_cast<int>(s.size()) < width ? std::string(width - s.size(), ' ') + s : s;
}

std::string StripLeadingBlanks(const std::string& s) {
    std::size_t a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a);
}

// optional sign, digits with at most one point, optional E with optional sign and digits
bool IsDecimalNumber(const std::string& s) {
    std::size_t i = 0, n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    int mantissaDigits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            ++mantissaDigits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && s[i] == 'E') {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        int expDigits = 0;
        while (i < n && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
    std::size_t a = text.find_first_not_of(' ');
    if (a == std::string::npos)
        return {};
    std::size_t b = text.find_last_not_of(' ');
    return text.substr(a, b - a + 1);
}

std::string NumToText(int width, int decimals, double value) {
    if (decimals < 0)
        decimals = 0;
    if (width == 0 && decimals == 0) {
        std::string s = StripLeadingBlanks(PadLeft(FixedText(value, 2), 12));
        while (!s.empty() && s.back() == '0' && s.find('.') != std::string::npos) s.pop_back();
        if (!s.empty() && s.back() == '.')
            s.pop_back();
        return s;
    }
    std::string s = PadLeft(FixedText(value, decimals), width);
    if (width == 100)
        s = StripLeadingBlanks(s);
    return s;
}

double TextToNum(const std::string& text) {
    std::string kept;
    kept.reserve(text.size());
    for (char ch : text) {
        if (ch == ' ')
            continue;
        if (ch == ',')
            ch = '.';
        if ((ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == '.' || ch == 'E')
            kept += ch;
    }
    if (!IsDecimalNumber(kept))
        return 0.0;
    const char* first = kept.data();
    if (*first == '+')
        ++first;
    double value = 0.0;
    auto res = std::from_chars(first, kept.data() + kept.size(), value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when it is out of range; the
        // nearest double is wanted (strtod would follow the process locale).
        std::size_t e = kept.find('E');
        bool tiny = e != std::string::npos && e + 1 < kept.size() && kept[e + 1] == '-';
        double magnitude = tiny ? 0.0 : HUGE_VAL;
        return kept[0] == '-' ? -magnitude : magnitude;
    }
    if (res.ec != std::errc())
        return 0.0;
    return value;
}

std::string ShortNumberText(const std::string& text) {
    std::string s = text;
    bool degree = false;
    std::size_t d = s.find(kDegree);
    if (d != std::string::npos) {
        degree = true;
        s.erase(d, kDegree.size());
    }
    std::size_t p = s.find('.');
    if (p != std::string::npos && p + 1 < s.size() && s[p + 1] == '0')
        s.erase(p);
    if (degree)
        s += kDegree;
    return s;
}
