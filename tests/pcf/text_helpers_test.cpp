#include "pcf/text_helpers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace {

struct TrimCase {
    const char* text;
    const char* trimmed;
};

TEST(TrimBlanks, RemovesOnlyBlanksAtBothEnds) {
    const TrimCase cases[] = {
        {"", ""},        {"     ", ""}, {"  a b  ", "a b"}, {"\tword\t", "\tword\t"},
        {" \tx", "\tx"}, {"x", "x"},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimBlanks(c.text), c.trimmed) << '"' << c.text << '"';
}

struct NumCase {
    int width;
    int decimals;
    double value;
    const char* text;
};

TEST(NumToText, RendersFixedPointWithHalvesAwayFromZero) {
    const NumCase cases[] = {
        // the general form
        {0, 0, 2.5, "2.5"},
        {0, 0, 12.00, "12"},
        {0, 0, 0.004, "0"},
        {0, 0, -1.25, "-1.25"},
        {0, 0, 100, "100"},
        {0, 0, 0.5, "0.5"},
        {0, 0, 0.005, "0.01"},
        {0, 0, -0.004, "0"},
        // width 100: no padding
        {100, 2, 3.14159, "3.14"},
        {100, 0, 7.5, "8"},
        {100, 1, 1234.56, "1234.6"},
        // padding kept, longer renderings not cut
        {5, 1, 60.3, " 60.3"},
        {8, 0, 1234.4, "    1234"},
        {10, 1, 2.25, "       2.3"},
        {10, 1, -2.25, "      -2.3"},
        {10, 1, 90, "      90.0"},
        {3, 2, 12345.678, "12345.68"},
        {10, 1, 0.05, "       0.1"},
        {10, 1, -0.04, "       0.0"},
        {8, 0, 0.5, "       1"},
        {8, 0, -0.5, "      -1"},
        {10, 3, 1.0005, "     1.000"},  // 1.00049999999999994
        {100, 2, 2.675, "2.67"},        // 2.67499999999999982
        {0, 3, 9.9996, "10.000"},
        {10, 1, 1e20, "100000000000000000000.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumToText(c.width, c.decimals, c.value), c.text)
            << c.width << "," << c.decimals << "," << c.value;
}

TEST(NumToText, IgnoresTheProcessLocale) {
    // Comma-decimal locales must not leak into sheet cells.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "nb_NO.UTF-8") == nullptr)
        GTEST_SKIP() << "no comma-decimal locale installed";
    EXPECT_EQ(NumToText(100, 1, 2.5), "2.5");
    EXPECT_DOUBLE_EQ(TextToNum("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct ParseCase {
    const char* text;
    double value;
};

TEST(TextToNum, KeepsOnlyNumberCharactersAndParsesTheRest) {
    const ParseCase cases[] = {
        {" 1 234,5 mm", 1234.5},
        {"DN 50", 50},
        {"\xC3\x98"
         "60.3",
         60.3},
        {"1e3", 13},
        {"12-3", 0},
        {"1.2.3", 0},
        {"", 0},
        {"12,5", 12.5},
        {"+7", 7},
        {"abc", 0},
        {"1.5E2", 150},
        {"-0.0000", 0},
        {"2.5E-1", 0.25},
        {"E5", 0},
        {"1E", 0},
        {"-", 0},
        {"4500,5", 4500.5},
        {".5", 0.5},
        {"-12.75", -12.75},
        {"1E+3", 1000},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(TextToNum(c.text), c.value) << c.text;
}

TEST(TextToNum, OutOfRangeNumbersGiveTheNearestValue) {
    EXPECT_EQ(TextToNum("1E999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToNum("-1E999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToNum("1.5E-999"), 0.0);
}

struct ShortCase {
    const char* text;
    const char* shortened;
};

TEST(ShortNumberText, CutsAZeroFractionAndKeepsTheDegreeSign) {
    const ShortCase cases[] = {
        {"150.0", "150"},
        {"150.05", "150"},
        {"150.5", "150.5"},
        {"150.50", "150.50"},
        {"90.0\u00B0", "90\u00B0"},
        {"12.5\u00B0", "12.5\u00B0"},
        {"3.", "3."},
        {"ABC.07", "ABC"},
        {"9\u00B0"
         "0",
         "90\u00B0"},
        {"", ""},
        {"  1000.0", "  1000"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortNumberText(c.text), c.shortened) << c.text;
}

}  // namespace
