#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "app/jpeg_decode.h"

namespace elc {
namespace {

std::vector<unsigned char> ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DecodeJpeg, TheBannerIs500By80InColour) {
    const std::vector<unsigned char> data = ReadAll(ELC_BANNER_PATH);
    ASSERT_FALSE(data.empty());
    RgbPicture picture;
    ASSERT_TRUE(DecodeJpeg(data.data(), data.size(), picture));
    EXPECT_EQ(picture.width, 500);
    EXPECT_EQ(picture.height, 80);
    EXPECT_EQ(picture.pixels.size(), 500u * 80u * 3u);
}

TEST(DecodeJpeg, BrokenDataIsRefusedWithoutEndingTheProcess) {
    std::vector<unsigned char> data = ReadAll(ELC_BANNER_PATH);
    ASSERT_GT(data.size(), 600u);
    const std::vector<unsigned char> garbage(100, 0x5A);
    const std::vector<unsigned char> truncated(data.begin(), data.begin() + 600);
    RgbPicture picture;
    EXPECT_FALSE(DecodeJpeg(garbage.data(), garbage.size(), picture));
    EXPECT_FALSE(DecodeJpeg(nullptr, 0, picture));
    EXPECT_EQ(picture.width, 0);
    // A cut-off file decodes with a warning only (libjpeg fills the rest); it must not crash.
    (void)DecodeJpeg(truncated.data(), truncated.size(), picture);
}

}  // namespace
}  // namespace elc
