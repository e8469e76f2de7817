#include "controls/common/drawmark.h"

#include "pixelart.h"

#include <QBuffer>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int kSize = 31;
constexpr int kCenter = 15;
constexpr TColor kBackground = clWhite;
constexpr TColor kPen = clRed;
constexpr TColor kBrush = clYellow;

const std::set<int> kHollowMarks = {16, 17, 27, 31, 32, 33, 35, 39, 40, 42, 44, 46};
const std::set<int> kFilledMarks = {7, 8, 9, 13, 14, 15, 24, 26, 28, 29, 30, 34, 36, 41, 43, 45, 47};

class DrawMarkTest : public ::testing::Test {
protected:
    DrawMarkTest()
        : bitmap(kSize, kSize)
    {
        Reset();
    }

    void Reset()
    {
        Clear(bitmap, kBackground);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Pen.Color = kPen;
        canvas.Brush.Color = kBrush;
        canvas.Brush.Style = TBrushStyle::bsSolid;
    }

    // Draws the mark at the center of a fresh bitmap and returns the square of the
    // given radius around it ('#' pen color, '.' background). Fails when anything
    // outside that square was touched.
    TArt Draw(std::uint8_t markType, int radius)
    {
        Reset();
        DrawMark(bitmap.Canvas(), markType, kCenter, kCenter);
        const int side = 2 * radius + 1;
        TArt art =
            ArtOf(bitmap, kCenter - radius, kCenter - radius, side, side, {{kBackground, '.'}, {kPen, '#'}});
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
    EXPECT_EQ(Draw(19, 3),
              (TArt{"...#...", "..#.#..", ".#...#.", "#.....#", ".#...#.", "..#.#..", "...#..."}));
    EXPECT_EQ(Draw(20, 3),
              (TArt{".......", ".......", ".......", "...#...", "..#.#..", ".#...#.", "......."}));
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
    EXPECT_EQ(Draw(3, 3),
              (TArt{"...#...", "...#...", "...#...", "#######", "...#...", "...#...", "...#..."}));
    EXPECT_EQ(Draw(18, 3),
              (TArt{"#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#"}));
    EXPECT_EQ(Draw(25, 3),
              (TArt{"##...##", "###.###", ".#####.", "..###..", ".#####.", "###.###", "##...##"}));
}

TEST_F(DrawMarkTest, FiguresRestoreTheBrushColorAndFillOnlyWithThePen)
{
    for (TBrushStyle before : {TBrushStyle::bsSolid, TBrushStyle::bsClear}) {
        for (int type = 0; type < 48; ++type) {
            Reset();
            TCanvas& canvas = bitmap.Canvas();
            canvas.Brush.Style = before;
            DrawMark(canvas, std::uint8_t(type), kCenter, kCenter);

            SCOPED_TRACE(testing::Message() << "mark " << type << ", brush style " << before);
            EXPECT_EQ(canvas.Brush.Color, kBrush);
            EXPECT_EQ(canvas.Pen.Color, kPen);
            EXPECT_GT(ChangedPixels(bitmap, kBackground), 0);
            for (int y = 0; y < kSize; ++y)
                for (int x = 0; x < kSize; ++x)
                    ASSERT_NE(canvas.Pixel(x, y), kBrush) << x << "," << y;
            if (kHollowMarks.contains(type) || kFilledMarks.contains(type))
                EXPECT_EQ(canvas.Brush.Style, TBrushStyle::bsSolid);
            else
                EXPECT_EQ(canvas.Brush.Style, before);
            if (kFilledMarks.contains(type)) {
                EXPECT_EQ(canvas.Pixel(kCenter, kCenter), kPen);
            }
        }
    }
}

TEST_F(DrawMarkTest, MarksNearTheEndsOfTheIntRangeStayOffTheSurface)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const std::vector<QPoint> farAway = {
        {kMax - 1, kCenter}, {kMin + 1, kCenter}, {kCenter, kMax}, {kCenter, kMin}};
    for (int type : {3, 9, 10, 12, 17, 37, 39, 65}) {
        for (QPoint p : farAway) {
            Reset();
            DrawMark(bitmap.Canvas(), std::uint8_t(type), p.x(), p.y());
            EXPECT_EQ(ChangedPixels(bitmap, kBackground), 0)
                << "mark " << type << " at " << p.x() << ", " << p.y();
        }
    }
    // Off the surface a mark still leaves the pen at the end of its lines; one that
    // reaches the surface shows its edge.
    DrawMark(bitmap.Canvas(), 10, -20, 5);
    EXPECT_EQ(bitmap.Canvas().PenPos(), QPoint(-21, 4));
    EXPECT_EQ(ChangedPixels(bitmap, kBackground), 0);
    DrawMark(bitmap.Canvas(), 9, -3, 5);
    EXPECT_EQ(ChangedPixels(bitmap, kBackground), 7);
}

TEST_F(DrawMarkTest, CharacterMarksAreCenteredText)
{
    TBitmap reference(kSize, kSize);
    for (auto [code, character] : std::vector<std::pair<int, QChar>>{{48, u'0'},
                                                                     {65, u'A'},
                                                                     {119, u'w'},
                                                                     {255, u'\u00FF'},
                                                                     {128, u'\u20AC'},
                                                                     {150, u'\u2013'},
                                                                     {159, u'\u0178'}}) {
        Reset();
        Clear(reference, kBackground);
        for (TCanvas* canvas : {&bitmap.Canvas(), &reference.Canvas()}) {
            canvas->Font.Height = 17;
            canvas->Font.Color = clBlue;
            canvas->Brush.Color = kBrush;
        }
        DrawMark(bitmap.Canvas(), std::uint8_t(code), kCenter, kCenter);

        TCanvas& ref = reference.Canvas();
        const QString text{character};
        ref.TextOut(kCenter - ref.TextWidth(text) / 2, kCenter - ref.TextHeight(text) / 2, text);

        EXPECT_EQ(bitmap.Image(), reference.Image()) << "mark " << code;
        EXPECT_GT(ChangedPixels(bitmap, kBackground), 0);
    }
    // Codes without a character in the code page draw nothing, not even a background.
    for (int code : {129, 141, 143, 144, 157}) {
        Reset();
        DrawMark(bitmap.Canvas(), std::uint8_t(code), kCenter, kCenter);
        EXPECT_EQ(ChangedPixels(bitmap, kBackground), 0) << "mark " << code;
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
            canvas.Brush.Style = TBrushStyle::bsClear;
            DrawMark(canvas, std::uint8_t(type), 100 + 20 * (type % 16), 100 + 20 * (type / 16));
            if (type < 48) {
                EXPECT_EQ(canvas.Brush.Color, kBrush) << type;
            }
        }
    }
    EXPECT_GT(pdf.data().size(), 0);
}

// A recorded mark replayed anywhere on the surface sets the pixels, and leaves the pen
// (position and pattern) and brush, that drawing it there does; at the edges it is
// drawn. Every figure with pens of each width, style and mode, on a patterned ground.
TEST(MarkPainter, ReplaysExactlyWhatDrawingDoes)
{
    const auto prepare = [](TBitmap& bitmap, const TPen& pen, TBrushStyle brush) {
        TCanvas& canvas = bitmap.Canvas();
        for (int y = 0; y < bitmap.Image().height(); ++y)
            for (int x = 0; x < bitmap.Image().width(); ++x)
                canvas.SetPixel(x, y, TColor(x * 7 | y * 5 << 8 | (x ^ y) * 3 << 16));
        canvas.Pen = pen;
        canvas.Brush = {clYellow, brush};
        canvas.MoveTo(3, 4);
        canvas.LineTo(9, 4); // a pattern position the marks must restart or keep
    };
    const QPoint centers[] = {{20, 20}, {33, 21}, {2, 30}, {47, 47}, {-3, 10}, {33, 21}};
    for (int type = 0; type < 48; ++type) {
        for (const TPen& pen : {TPen{clRed, 1, TPenStyle::psSolid, TPenMode::pmCopy},
                                TPen{clBlue, 2, TPenStyle::psDash, TPenMode::pmCopy},
                                TPen{clGreen, 3, TPenStyle::psDot, TPenMode::pmXor},
                                TPen{clRed, 1, TPenStyle::psDashDot, TPenMode::pmXor}}) {
            for (TBrushStyle brush : {TBrushStyle::bsSolid, TBrushStyle::bsClear}) {
                TBitmap drawn(48, 48), replayed(48, 48);
                prepare(drawn, pen, brush);
                prepare(replayed, pen, brush);
                TMarkPainter painter;
                for (const QPoint c : centers) {
                    DrawMark(drawn.Canvas(), std::uint8_t(type), c.x(), c.y());
                    painter.Draw(replayed.Canvas(), std::uint8_t(type), {&c, 1});
                    // The next line shows where the pen was left and how far into its pattern.
                    drawn.Canvas().LineTo(c.x() + 6, c.y() - 9);
                    replayed.Canvas().LineTo(c.x() + 6, c.y() - 9);
                }
                for (const QPoint c : centers)
                    DrawMark(drawn.Canvas(), std::uint8_t(type), c.y(), c.x());
                std::vector<QPoint> mirrored;
                for (const QPoint c : centers)
                    mirrored.push_back(c.transposed());
                painter.Draw(replayed.Canvas(), std::uint8_t(type), mirrored);
                drawn.Canvas().LineTo(40, 3);
                replayed.Canvas().LineTo(40, 3);
                const std::string what = "type " + std::to_string(type) + " width "
                    + std::to_string(pen.Width) + " brush " + std::to_string(brush);
                EXPECT_EQ(drawn.Image(), replayed.Image()) << what;
                EXPECT_EQ(drawn.Canvas().Brush.Style, replayed.Canvas().Brush.Style) << what;
                EXPECT_EQ(drawn.Canvas().Brush.Color, replayed.Canvas().Brush.Color) << what;
            }
        }
    }
}
