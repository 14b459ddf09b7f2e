#pragma once

#include <cstddef>
#include <vector>

namespace elc {

// A decoded picture: rows top to bottom, three bytes per pixel in R, G, B order.
struct RgbPicture {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
};

// Decodes a JPEG file held in memory; false (and no picture) when it is not one
// that can be decoded. Never ends the process, whatever the bytes.
bool DecodeJpeg(const unsigned char* data, std::size_t size, RgbPicture& picture);

}  // namespace elc
