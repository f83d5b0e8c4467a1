#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

// Reader of the firm's logo: uncompressed Windows bitmaps of 1, 4, 8, 24 and
// 32 bits per pixel, stored bottom-up or top-down. Anything else, and any file
// whose headers and data do not agree, is not a bitmap (nullopt).
std::optional<Bitmap> ReadBmp(const std::vector<std::uint8_t>& bytes);
std::optional<Bitmap> ReadBmpFile(const std::string& path);
bool BmpFileExists(const std::string& path);
