#include "sheet/bmp_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/fakes/test_program.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

// A bitmap file of the given depth. `rows` are the picture's rows from the
// top, as palette indexes (up to 8 bits) or 0xRRGGBB values; stored
// bottom-up unless topDown.
Bytes MakeBmp(int bpp, const std::vector<std::vector<std::uint32_t>>& rows,
              const std::vector<std::uint32_t>& palette = {}, bool topDown = false) {
    const int width = static_cast<int>(rows[0].size());
    const int height = static_cast<int>(rows.size());
    const int stride = (width * bpp + 31) / 32 * 4;
    const std::size_t offset = 14 + 40 + palette.size() * 4;
    Bytes b(offset + static_cast<std::size_t>(stride * height), 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, 40);
    Put32(b, 18, width);
    Put32(b, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, bpp);
    Put32(b, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i) Put32(b, 54 + 4 * i, palette[i]);
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        const std::size_t line = offset + static_cast<std::size_t>(stored * stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = rows[y][x];
            if (bpp <= 8) {
                const int bit = x * bpp;
                b[line + bit / 8] |= static_cast<std::uint8_t>(v << (8 - bpp - bit % 8));
            } else {
                const std::size_t at = line + static_cast<std::size_t>(x * bpp / 8);
                b[at] = v & 0xFF;
                b[at + 1] = (v >> 8) & 0xFF;
                b[at + 2] = (v >> 16) & 0xFF;
            }
        }
    }
    return b;
}

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhitePx = 0xFFFFFF;

}  // namespace

TEST(BmpReader, EveryDepthAndRowOrder) {
    const std::vector<std::uint32_t> palette = {kWhitePx, kRed, kGreen, kBlue};
    // Two rows of three pixels, deliberately not a multiple of four bytes wide.
    const std::vector<std::vector<std::uint32_t>> indexes = {{1, 0, 2}, {3, 3, 1}};
    const std::vector<std::vector<std::uint32_t>> colours = {{kRed, kWhitePx, kGreen},
                                                             {kBlue, kBlue, kRed}};
    const std::vector<std::uint32_t> expected = {kRed, kWhitePx, kGreen, kBlue, kBlue, kRed};
    const struct {
        int bpp;
        bool topDown;
    } cases[] = {{4, false},  {4, true},  {8, false},  {8, true},
                 {24, false}, {24, true}, {32, false}, {32, true}};
    for (const auto& c : cases) {
        const Bytes file = c.bpp <= 8 ? MakeBmp(c.bpp, indexes, palette, c.topDown)
                                      : MakeBmp(c.bpp, colours, {}, c.topDown);
        const auto bmp = ReadBmp(file);
        ASSERT_TRUE(bmp) << c.bpp << (c.topDown ? " top-down" : " bottom-up");
        EXPECT_EQ(bmp->width, 3);
        EXPECT_EQ(bmp->height, 2);
        EXPECT_EQ(bmp->pixels, expected) << c.bpp << (c.topDown ? " top-down" : " bottom-up");
    }
}

TEST(BmpReader, OneBitPerPixel) {
    // Nine pixels wide: the row crosses a byte boundary.
    const auto bmp = ReadBmp(MakeBmp(1, {{1, 0, 0, 0, 0, 0, 0, 0, 1}, {0, 1, 1, 1, 1, 1, 1, 1, 0}},
                                     {0x000000, kWhitePx}));
    ASSERT_TRUE(bmp);
    ASSERT_EQ(bmp->pixels.size(), 18u);
    EXPECT_EQ(bmp->pixels[0], kWhitePx);
    EXPECT_EQ(bmp->pixels[1], 0u);
    EXPECT_EQ(bmp->pixels[8], kWhitePx);
    EXPECT_EQ(bmp->pixels[9], 0u);
    EXPECT_EQ(bmp->pixels[16], kWhitePx);
}

TEST(BmpReader, DamagedOrUnsupportedFilesAreNotBitmaps) {
    const Bytes good = MakeBmp(24, {{kRed, kGreen}, {kBlue, kRed}});
    ASSERT_TRUE(ReadBmp(good));
    struct Damage {
        const char* what;
        void (*spoil)(Bytes&);
    };
    const Damage cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"wrong magic", [](Bytes& b) { b[0] = 'P'; }},
        {"pixel data cut short", [](Bytes& b) { b.resize(b.size() - 1); }},
        {"header cut short", [](Bytes& b) { b.resize(30); }},
        {"run-length compressed", [](Bytes& b) { Put32(b, 30, 1); }},
        {"16 bits per pixel", [](Bytes& b) { Put16(b, 28, 16); }},
        {"two planes", [](Bytes& b) { Put16(b, 26, 2); }},
        {"zero width", [](Bytes& b) { Put32(b, 18, 0); }},
        {"negative width", [](Bytes& b) { Put32(b, 18, static_cast<std::uint32_t>(-2)); }},
        {"huge picture", [](Bytes& b) { Put32(b, 18, 0x7FFFFFFF); }},
        {"data offset past the end", [](Bytes& b) { Put32(b, 10, 0xFFFFFFF0u); }},
        {"unknown header size", [](Bytes& b) { Put32(b, 14, 20); }},
    };
    for (const auto& c : cases) {
        Bytes file = good;
        c.spoil(file);
        EXPECT_FALSE(ReadBmp(file)) << c.what;
    }
}

TEST(BmpReader, PaletteIndexOutsideThePaletteIsDamage) {
    EXPECT_FALSE(ReadBmp(MakeBmp(8, {{0, 2}}, {kWhitePx, kRed})));
    EXPECT_TRUE(ReadBmp(MakeBmp(8, {{0, 1}}, {kWhitePx, kRed})));
}

TEST(BmpReader, ReadsAFileAndTellsAMissingOne) {
    TestProgram t;
    const auto path = (t.work / "logo.bmp").string();
    EXPECT_FALSE(BmpFileExists(path));
    EXPECT_FALSE(ReadBmpFile(path));
    const Bytes file = MakeBmp(24, {{kGreen}});
    TestProgram::WriteFile(path, std::string(file.begin(), file.end()));
    EXPECT_TRUE(BmpFileExists(path));
    const auto bmp = ReadBmpFile(path);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->pixels, (std::vector<std::uint32_t>{kGreen}));
}

TEST(BmpReader, ThirtyTwoBitsWithChannelMasks) {
    // Red in the low byte and blue in the third: the masks decide, not the byte order.
    Bytes file = MakeBmp(32, {{0x0000FF, 0xFF0000}});
    Put32(file, 30, 3);
    const Bytes masks = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};
    file.insert(file.begin() + 54, masks.begin(), masks.end());
    Put32(file, 10, 54 + 12);
    const auto bmp = ReadBmp(file);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->pixels, (std::vector<std::uint32_t>{kRed, kBlue}));
    // Masks are not accepted for palette pictures.
    Bytes indexed = MakeBmp(8, {{0}}, {kWhitePx});
    Put32(indexed, 30, 3);
    EXPECT_FALSE(ReadBmp(indexed));
}
