#include "controls/common/drawframe.h"

#include "pixelart.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kHighlight = 0x0000FF;
constexpr TColor kLightFace = 0x00FF00;
constexpr TColor kShadow = 0xFF0000;
constexpr TColor kDarkShadow = 0x00FFFF;
constexpr TColor kLine = 0xFF00FF;
constexpr TColor kBackground = 0x123456;

const std::map<TColor, char> kLegend = {{kBackground, '.'}, {kHighlight, 'H'},  {kLightFace, 'F'},
                                        {kShadow, 'S'},     {kDarkShadow, 'D'}, {kLine, 'L'}};

// A 10 × 8 bitmap with a frame from (1, 1) to (8, 6), read back as letters.
TArt Frame(TFrameStyle style)
{
    TBitmap bitmap(10, 8);
    Clear(bitmap, kBackground);
    DrawFrame(bitmap.Canvas(), style, 1, 1, 8, 6, kHighlight, kLightFace, kShadow, kDarkShadow, kLine);
    return ArtOf(bitmap, 0, 0, 10, 8, kLegend);
}

// The bevel layout with a = outer top-left, b = outer bottom-right, c = inner
// top-left, d = inner bottom-right; the corners show which stroke came last.
TArt Bevel(char a, char b, char c, char d)
{
    TArt art = {
        "..........", ".aaaaaaaa.", ".accccccb.", ".ac....db.",
        ".ac....db.", ".addddddb.", ".bbbbbbbb.", "..........",
    };
    for (std::string& row : art)
        for (char& ch : row)
            ch = ch == 'a' ? a : ch == 'b' ? b : ch == 'c' ? c : ch == 'd' ? d : ch;
    return art;
}

} // namespace

TEST(DrawFrame, NothingForNoneOrUnknownStylesAndAnOutlineForSimple)
{
    const TArt untouched(8, std::string(10, '.'));
    EXPECT_EQ(Frame(TFrameStyle::fsNone), untouched);
    EXPECT_EQ(Frame(static_cast<TFrameStyle>(6)), untouched);
    EXPECT_EQ(Frame(static_cast<TFrameStyle>(255)), untouched);
    EXPECT_EQ(Frame(TFrameStyle::fsSimple),
              (TArt{
                  "..........",
                  ".LLLLLLLL.",
                  ".L......L.",
                  ".L......L.",
                  ".L......L.",
                  ".L......L.",
                  ".LLLLLLLL.",
                  "..........",
              }));
}

TEST(DrawFrame, ThreeDStylesPaintTheTwoOuterRings)
{
    EXPECT_EQ(Frame(TFrameStyle::fsLowered), Bevel('S', 'H', 'D', 'F'));
    EXPECT_EQ(Frame(TFrameStyle::fsRaised), Bevel('H', 'D', 'F', 'S'));
    EXPECT_EQ(Frame(TFrameStyle::fsEmbossed), Bevel('H', 'S', 'S', 'H'));
    EXPECT_EQ(Frame(TFrameStyle::fsEngraved), Bevel('S', 'H', 'H', 'S'));
}
