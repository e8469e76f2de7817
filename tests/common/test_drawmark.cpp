#include "controls/common/drawmark.h"

#include "pixelart.h"

#include <QBuffer>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <set>

namespace {

constexpr int kSize = 31;
constexpr int kCentre = 15;
constexpr TColor kBackground = clWhite;
constexpr TColor kPen = clRed;
constexpr TColor kBrush = clYellow;

const std::set<int> kHollowMarks = {16, 17, 27, 31, 32, 33, 35, 39, 40, 42, 44, 46};
const std::set<int> kFilledMarks = {7, 8, 9, 13, 14, 15, 24, 26, 28, 29, 30, 34, 36, 41, 43, 45, 47};

class DrawMarkTest : public ::testing::Test {
protected:
    DrawMarkTest() : bitmap(kSize, kSize) { Reset(); }

    void Reset()
    {
        Clear(bitmap, kBackground);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Pen.Color = kPen;
        canvas.Brush.Color = kBrush;
        canvas.Brush.Style = bsSolid;
    }

    // Draws the mark at the centre of a fresh bitmap and returns the square of the
    // given radius around it ('#' pen colour, '.' background). Fails when anything
    // outside that square was touched.
    TArt Draw(std::uint8_t markType, int radius)
    {
        Reset();
        DrawMark(bitmap.Canvas(), markType, kCentre, kCentre);
        const int side = 2 * radius + 1;
        TArt art = ArtOf(bitmap, kCentre - radius, kCentre - radius, side, side,
                         {{kBackground, '.'}, {kPen, '#'}});
        EXPECT_EQ(ChangedPixels(bitmap, kBackground), CountOf(art, '#')) << "mark " << int(markType);
        return art;
    }

    TBitmap bitmap;
};

} // namespace

TEST_F(DrawMarkTest, PixelAndFilledSquares)
{
    EXPECT_EQ(Draw(0, 1), (TArt{"...", ".#.", "..."}));
    EXPECT_EQ(Draw(7, 2), (TArt{".....", ".###.", ".###.", ".###.", "....."}));
    EXPECT_EQ(CountOf(Draw(9, 4), '#'), 49);
    EXPECT_EQ(Draw(9, 4)[0], ".........");
}

TEST_F(DrawMarkTest, LineFiguresLeaveOutTheirEndPixels)
{
    EXPECT_EQ(Draw(10, 2), (TArt{".....", ".###.", ".#.#.", ".###.", "....."}));
    EXPECT_EQ(Draw(19, 3), (TArt{"...#...", "..#.#..", ".#...#.", "#.....#", ".#...#.", "..#.#..", "...#..."}));
    EXPECT_EQ(Draw(20, 3), (TArt{".......", ".......", ".......", "...#...", "..#.#..", ".#...#.", "......."}));
    // Stem: a seven-pixel foot and a stroke of eight pixels upwards.
    const TArt stem = Draw(37, 8);
    EXPECT_EQ(stem[0], ".................");
    EXPECT_EQ(stem[1], "........#........");
    EXPECT_EQ(stem[8], ".....#######.....");
    EXPECT_EQ(stem[9], ".................");
    EXPECT_EQ(CountOf(stem, '#'), 14);
}

TEST_F(DrawMarkTest, DotPatternsOnScreen)
{
    EXPECT_EQ(Draw(3, 3), (TArt{"...#...", "...#...", "...#...", "#######", "...#...", "...#...", "...#..."}));
    EXPECT_EQ(Draw(18, 3), (TArt{"#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#"}));
    EXPECT_EQ(Draw(25, 3), (TArt{"##...##", "###.###", ".#####.", "..###..", ".#####.", "###.###", "##...##"}));
}

TEST_F(DrawMarkTest, FiguresRestoreTheBrushColourAndFillOnlyWithThePen)
{
    for (TBrushStyle before : {bsSolid, bsClear}) {
        for (int type = 0; type < 48; ++type) {
            Reset();
            TCanvas& canvas = bitmap.Canvas();
            canvas.Brush.Style = before;
            DrawMark(canvas, std::uint8_t(type), kCentre, kCentre);

            SCOPED_TRACE(testing::Message() << "mark " << type << ", brush style " << before);
            EXPECT_EQ(canvas.Brush.Color, kBrush);
            EXPECT_EQ(canvas.Pen.Color, kPen);
            EXPECT_GT(ChangedPixels(bitmap, kBackground), 0);
            for (int y = 0; y < kSize; ++y)
                for (int x = 0; x < kSize; ++x)
                    ASSERT_NE(canvas.Pixel(x, y), kBrush) << x << "," << y;
            if (kHollowMarks.contains(type) || kFilledMarks.contains(type))
                EXPECT_EQ(canvas.Brush.Style, bsSolid);
            else
                EXPECT_EQ(canvas.Brush.Style, before);
            if (kFilledMarks.contains(type)) {
                EXPECT_EQ(canvas.Pixel(kCentre, kCentre), kPen);
            }
        }
    }
}

TEST_F(DrawMarkTest, CharacterMarksAreCentredText)
{
    TBitmap reference(kSize, kSize);
    for (int code : {48, 65, 119, 255}) {
        Reset();
        Clear(reference, kBackground);
        for (TCanvas* canvas : {&bitmap.Canvas(), &reference.Canvas()}) {
            canvas->Font.Height = 17;
            canvas->Font.Color = clBlue;
            canvas->Brush.Color = kBrush;
        }
        DrawMark(bitmap.Canvas(), std::uint8_t(code), kCentre, kCentre);

        TCanvas& ref = reference.Canvas();
        const QString text{QChar(char16_t(code))};
        ref.TextOut(kCentre - ref.TextWidth(text) / 2, kCentre - ref.TextHeight(text) / 2, text);

        EXPECT_EQ(bitmap.Image(), reference.Image()) << "mark " << code;
        EXPECT_GT(ChangedPixels(bitmap, kBackground), 0);
    }
}

TEST(DrawMarkPrinter, PrinterMarksAreDrawnWithoutDisturbingTheBrush)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        TCanvas canvas(&writer);
        ASSERT_TRUE(canvas.IsPrinter());
        canvas.Pen.Color = kPen;
        canvas.Brush.Color = kBrush;
        for (int type = 0; type < 256; ++type) {
            canvas.Brush.Style = bsClear;
            DrawMark(canvas, std::uint8_t(type), 100 + 20 * (type % 16), 100 + 20 * (type / 16));
            if (type < 48) {
                EXPECT_EQ(canvas.Brush.Color, kBrush) << type;
            }
        }
    }
    EXPECT_GT(pdf.data().size(), 0);
}
