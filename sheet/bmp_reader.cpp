#include "sheet/bmp_reader.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Larger pictures than this are refused rather than allocated.
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;
constexpr std::uint32_t kRgb = 0;        // no compression
constexpr std::uint32_t kBitFields = 3;  // uncompressed, channels by mask

class ByteView {
  public:
    explicit ByteView(const std::vector<std::uint8_t>& bytes) : b_(bytes) {}
    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= b_.size() && count <= b_.size() - offset;
    }
    std::uint32_t U16(std::size_t at) const { return b_[at] | (b_[at + 1] << 8); }
    std::uint32_t U32(std::size_t at) const {
        return static_cast<std::uint32_t>(b_[at]) | (static_cast<std::uint32_t>(b_[at + 1]) << 8) |
               (static_cast<std::uint32_t>(b_[at + 2]) << 16) |
               (static_cast<std::uint32_t>(b_[at + 3]) << 24);
    }
    std::int32_t S32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    std::uint8_t At(std::size_t at) const { return b_[at]; }

  private:
    const std::vector<std::uint8_t>& b_;
};

// A channel of a 32-bit pixel by its mask, scaled to 0..255.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const std::uint32_t max = mask >> shift;
    return static_cast<std::uint32_t>(
        (static_cast<std::uint64_t>((pixel & mask) >> shift) * 255 + max / 2) / max);
}

}  // namespace

std::optional<Bitmap> ReadBmp(const std::vector<std::uint8_t>& bytes) {
    const ByteView v(bytes);
    constexpr std::size_t kFileHeader = 14;
    if (!v.Has(0, kFileHeader + 4) || v.At(0) != 'B' || v.At(1) != 'M')
        return std::nullopt;
    const std::uint32_t dataOffset = v.U32(10);
    const std::uint32_t infoSize = v.U32(kFileHeader);

    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0, bpp = 0, compression = kRgb, paletteCount = 0;
    std::size_t paletteEntry = 4;
    if (infoSize == 12) {  // the old core header
        if (!v.Has(kFileHeader, 12))
            return std::nullopt;
        width = v.U16(kFileHeader + 4);
        height = static_cast<std::int16_t>(v.U16(kFileHeader + 6));
        planes = v.U16(kFileHeader + 8);
        bpp = v.U16(kFileHeader + 10);
        paletteEntry = 3;
    } else if (infoSize >= 40) {
        if (!v.Has(kFileHeader, infoSize))
            return std::nullopt;
        width = v.S32(kFileHeader + 4);
        height = v.S32(kFileHeader + 8);
        planes = v.U16(kFileHeader + 12);
        bpp = v.U16(kFileHeader + 14);
        compression = v.U32(kFileHeader + 16);
        paletteCount = v.U32(kFileHeader + 32);
    } else {
        return std::nullopt;
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (planes != 1 || width <= 0 || height <= 0 || width * height > kMaxPixels)
        return std::nullopt;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return std::nullopt;
    if (!(compression == kRgb || (compression == kBitFields && bpp == 32)))
        return std::nullopt;

    std::uint32_t redMask = 0xFF0000, greenMask = 0xFF00, blueMask = 0xFF;
    const std::size_t afterInfo = kFileHeader + infoSize;
    std::size_t paletteAt = afterInfo;
    if (compression == kBitFields) {
        // The masks follow a plain 40-byte header, or are part of a larger one.
        const std::size_t masksAt = kFileHeader + 40;
        if (!v.Has(masksAt, 12))
            return std::nullopt;
        redMask = v.U32(masksAt);
        greenMask = v.U32(masksAt + 4);
        blueMask = v.U32(masksAt + 8);
        if (infoSize == 40)
            paletteAt += 12;
    }

    std::vector<std::uint32_t> palette;
    if (bpp <= 8) {
        const std::uint32_t full = 1u << bpp;
        if (paletteCount == 0 || paletteCount > full)
            paletteCount = full;
        if (!v.Has(paletteAt, paletteCount * paletteEntry))
            return std::nullopt;
        for (std::uint32_t i = 0; i < paletteCount; ++i) {
            const std::size_t at = paletteAt + i * paletteEntry;
            palette.push_back((std::uint32_t(v.At(at + 2)) << 16) |
                              (std::uint32_t(v.At(at + 1)) << 8) | v.At(at));
        }
    }

    const std::size_t stride = static_cast<std::size_t>((width * bpp + 31) / 32) * 4;
    if (!v.Has(dataOffset, stride * static_cast<std::size_t>(height)))
        return std::nullopt;

    Bitmap bmp;
    bmp.width = static_cast<int>(width);
    bmp.height = static_cast<int>(height);
    bmp.pixels.resize(static_cast<std::size_t>(width * height));
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t stored = topDown ? y : height - 1 - y;
        const std::size_t line = dataOffset + static_cast<std::size_t>(stored) * stride;
        for (std::int64_t x = 0; x < width; ++x) {
            std::uint32_t rgb = 0;
            if (bpp <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bpp;
                const std::uint32_t index =
                    (v.At(line + bit / 8) >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                if (index >= palette.size())
                    return std::nullopt;
                rgb = palette[index];
            } else if (bpp == 24) {
                const std::size_t at = line + static_cast<std::size_t>(x) * 3;
                rgb = (std::uint32_t(v.At(at + 2)) << 16) | (std::uint32_t(v.At(at + 1)) << 8) |
                      v.At(at);
            } else {
                const std::uint32_t pixel = v.U32(line + static_cast<std::size_t>(x) * 4);
                rgb = (Channel(pixel, redMask) << 16) | (Channel(pixel, greenMask) << 8) |
                      Channel(pixel, blueMask);
            }
            bmp.pixels[static_cast<std::size_t>(y * width + x)] = rgb;
        }
    }
    return bmp;
}

std::optional<Bitmap> ReadBmpFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return ReadBmp(bytes);
}

bool BmpFileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}
