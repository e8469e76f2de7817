#include "pixelsets.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFont>
#include <QPdfWriter>
#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

bool InsideBox(const PixelSet& pixels, int left, int top, int right, int bottom)
{
    for (const auto& [x, y] : pixels)
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
    return true;
}

// The textbook Bresenham loop, unclipped, as a reference for clipped lines.
PixelSet ReferenceLine(int x0, int y0, int x1, int y1, int width, int height)
{
    PixelSet pixels;
    const long long adx = std::llabs(static_cast<long long>(x1) - x0);
    const long long ady = std::llabs(static_cast<long long>(y1) - y0);
    const bool xMajor = adx >= ady;
    const long long major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    const int sx = x1 >= x0 ? 1 : -1, sy = y1 >= y0 ? 1 : -1;
    long long x = x0, y = y0, d = 2 * minor - major;
    for (long long i = 0; i < major; ++i) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels.insert({int(x), int(y)});
        if (d > 0) {
            (xMajor ? y : x) += xMajor ? sy : sx;
            d -= 2 * major;
        }
        d += 2 * minor;
        (xMajor ? x : y) += xMajor ? sx : sy;
    }
    return pixels;
}

} // namespace

TEST(Canvas, LineToSetsBresenhamPixelsAndLeavesOutTheEnd)
{
    TBitmap bitmap(20, 20);
    TCanvas& c = bitmap.Canvas();
    c.Pen.Color = clRed;

    c.MoveTo(0, 0);
    c.LineTo(7, 3);
    EXPECT_EQ(c.PenPos(), QPoint(7, 3));
    EXPECT_EQ(PixelsIn(c, clRed), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}}));

    TBitmap steep(20, 20);
    steep.Canvas().Pen.Color = clBlue;
    steep.Canvas().MoveTo(2, 1);
    steep.Canvas().LineTo(4, 8);
    steep.Canvas().MoveTo(10, 9); // the same slope drawn up and to the left
    steep.Canvas().LineTo(8, 2);
    EXPECT_EQ(PixelsIn(steep.Canvas(), clBlue),
              (PixelSet{{2, 1},
                        {2, 2},
                        {3, 3},
                        {3, 4},
                        {3, 5},
                        {3, 6},
                        {4, 7},
                        {10, 9},
                        {10, 8},
                        {9, 7},
                        {9, 6},
                        {9, 5},
                        {9, 4},
                        {8, 3}}));

    TBitmap dot(5, 5);
    dot.Canvas().MoveTo(2, 2);
    dot.Canvas().LineTo(2, 2);
    EXPECT_TRUE(PixelsNotIn(dot.Canvas(), clWhite).empty());
}

TEST(Canvas, ClippedLinesKeepTheirPixels)
{
    const int lines[][4] = {{-70, -31, 70, 29}, {25, -100, -3, 90}, {-1000003, 400001, 999997, -399990}};
    for (const auto& l : lines) {
        TBitmap bitmap(20, 20);
        bitmap.Canvas().Pen.Color = clBlack;
        bitmap.Canvas().MoveTo(l[0], l[1]);
        bitmap.Canvas().LineTo(l[2], l[3]);
        EXPECT_EQ(PixelsIn(bitmap.Canvas(), clBlack), ReferenceLine(l[0], l[1], l[2], l[3], 20, 20));
    }
}

TEST(Canvas, PolylineDrawsEverySegmentButTheLastPoint)
{
    TBitmap bitmap(10, 10);
    TCanvas& c = bitmap.Canvas();
    c.MoveTo(9, 9);
    c.Polyline({{1, 1}, {4, 1}, {4, 3}});
    EXPECT_EQ(PixelsIn(c, clBlack), (PixelSet{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}}));
    EXPECT_EQ(c.PenPos(), QPoint(9, 9));
}

TEST(Canvas, DashPatternsLeaveGapsAndFollowThePenPosition)
{
    TBitmap whole(60, 3), pieces(60, 3);
    whole.Canvas().Pen.Style = TPenStyle::psDash;
    whole.Canvas().MoveTo(0, 1);
    whole.Canvas().LineTo(60, 1);
    const PixelSet dashed = PixelsIn(whole.Canvas(), clBlack);
    EXPECT_TRUE(dashed.count({0, 1}) && dashed.count({17, 1}) && dashed.count({24, 1}));
    EXPECT_FALSE(dashed.count({18, 1}) || dashed.count({23, 1}));

    pieces.Canvas().Pen.Style = TPenStyle::psDash;
    pieces.Canvas().MoveTo(0, 1);
    pieces.Canvas().LineTo(10, 1);
    pieces.Canvas().LineTo(60, 1);
    EXPECT_EQ(PixelsIn(pieces.Canvas(), clBlack), dashed);

    TBitmap restarted(60, 3);
    restarted.Canvas().Pen.Style = TPenStyle::psDash;
    restarted.Canvas().MoveTo(0, 1);
    restarted.Canvas().LineTo(20, 1);
    restarted.Canvas().MoveTo(20, 1);
    restarted.Canvas().LineTo(40, 1);
    EXPECT_EQ(restarted.Canvas().Pixel(21, 1), clBlack);

    TBitmap clear(10, 10);
    clear.Canvas().Pen.Style = TPenStyle::psClear;
    clear.Canvas().MoveTo(0, 0);
    clear.Canvas().LineTo(9, 9);
    EXPECT_EQ(clear.Canvas().PenPos(), QPoint(9, 9));
    EXPECT_TRUE(PixelsNotIn(clear.Canvas(), clWhite).empty());
}

TEST(Canvas, RectangleExcludesRightAndBottom)
{
    TBitmap bitmap(12, 12);
    TCanvas& c = bitmap.Canvas();
    c.Pen.Color = clRed;
    c.Brush.Color = clBlue;
    c.Rectangle(7, 6, 2, 3); // corners in either order
    EXPECT_EQ(PixelsIn(c, clBlue), (PixelSet{{3, 4}, {4, 4}, {5, 4}}));
    EXPECT_EQ(PixelsIn(c, clRed).size(), 12u);
    EXPECT_TRUE(InsideBox(PixelsNotIn(c, clWhite), 2, 3, 7, 6));

    TBitmap one(5, 5);
    one.Canvas().Pen.Color = clRed;
    one.Canvas().Rectangle(2, 3, 3, 4);
    EXPECT_EQ(PixelsNotIn(one.Canvas(), clWhite), (PixelSet{{2, 3}}));

    TBitmap hollow(8, 8);
    hollow.Canvas().Brush.Style = TBrushStyle::bsClear;
    hollow.Canvas().Rectangle(1, 1, 6, 6);
    EXPECT_EQ(hollow.Canvas().Pixel(3, 3), clWhite);
    EXPECT_EQ(PixelsIn(hollow.Canvas(), clBlack).size(), 16u);

    // A width of two adds its second pixel outside the one-pixel outline.
    TBitmap wide(12, 12);
    wide.Canvas().Pen.Width = 2;
    wide.Canvas().Brush.Color = clBlue;
    wide.Canvas().Rectangle(1, 1, 8, 7);
    EXPECT_EQ(PixelsIn(wide.Canvas(), clBlue).size(), 5u * 4u);
    EXPECT_EQ(wide.Canvas().Pixel(2, 2), clBlue);
    EXPECT_EQ(PixelsIn(wide.Canvas(), clBlack).size(), 9u * 8u - 5u * 4u);
    EXPECT_TRUE(InsideBox(PixelsNotIn(wide.Canvas(), clWhite), 0, 0, 9, 8));

    TBitmap penless(8, 8);
    penless.Canvas().Pen.Style = TPenStyle::psClear;
    penless.Canvas().Brush.Color = clBlue;
    penless.Canvas().Rectangle(1, 1, 4, 3);
    EXPECT_EQ(PixelsIn(penless.Canvas(), clBlue).size(), 6u);
}

TEST(Canvas, EllipseStaysInItsBox)
{
    for (int width : {1, 3}) {
        TBitmap bitmap(16, 16);
        TCanvas& c = bitmap.Canvas();
        c.Pen.Color = clRed;
        c.Pen.Width = width;
        c.Brush.Color = clBlue;
        c.Ellipse(2, 3, 13, 12);
        const PixelSet drawn = PixelsNotIn(c, clWhite);
        const int grow = width / 2; // a wide outline is centered on the box's edge
        EXPECT_TRUE(InsideBox(drawn, 2 - grow, 3 - grow, 13 + grow, 12 + grow));
        const PixelSet outline = PixelsIn(c, clRed);
        EXPECT_TRUE(outline.count({2, 7}) && outline.count({12, 7}) && outline.count({7, 3})
                    && outline.count({7, 11}));
        EXPECT_EQ(c.Pixel(7, 7), clBlue);
    }
    TBitmap tiny(5, 5);
    tiny.Canvas().Ellipse(1, 1, 2, 2);
    EXPECT_EQ(PixelsNotIn(tiny.Canvas(), clWhite), (PixelSet{{1, 1}}));
}

TEST(Canvas, PolygonFillsAndOutlinesEveryVertex)
{
    TBitmap bitmap(12, 12);
    TCanvas& c = bitmap.Canvas();
    c.Pen.Color = clRed;
    c.Brush.Color = clBlue;
    c.Polygon({{5, 1}, {9, 5}, {5, 9}, {1, 5}});
    for (QPoint p : {QPoint(5, 1), QPoint(9, 5), QPoint(5, 9), QPoint(1, 5), QPoint(7, 3), QPoint(3, 7)})
        EXPECT_EQ(c.Pixel(p.x(), p.y()), clRed) << p.x() << "," << p.y();
    EXPECT_EQ(c.Pixel(5, 5), clBlue);
    EXPECT_TRUE(InsideBox(PixelsNotIn(c, clWhite), 1, 1, 10, 10));
    EXPECT_EQ(c.Pixel(2, 2), clWhite);
}

TEST(Canvas, XorModeUndoesItselfWhenDrawnTwice)
{
    TBitmap bitmap(16, 16);
    TCanvas& c = bitmap.Canvas();
    c.Brush.Color = clYellow;
    c.Rectangle(0, 0, 16, 8);
    const QImage before = bitmap.Image().copy();

    c.Pen.Mode = TPenMode::pmXor;
    c.Pen.Color = clWhite;
    c.Brush.Style = TBrushStyle::bsClear;
    c.Rectangle(2, 2, 12, 12);
    EXPECT_EQ(c.Pixel(2, 5), clYellow ^ clWhite);
    EXPECT_EQ(c.Pixel(2, 10), clBlack);
    c.Rectangle(2, 2, 12, 12);
    c.MoveTo(0, 15);
    c.Polyline({{0, 15}, {15, 0}, {15, 15}, {0, 15}});
    c.Polyline({{0, 15}, {15, 0}, {15, 15}, {0, 15}});
    EXPECT_EQ(bitmap.Image(), before);
}

TEST(Canvas, TextOutPaintsItsBoxOnlyWithASolidBrush)
{
    TBitmap bitmap(80, 30);
    TCanvas& c = bitmap.Canvas();
    c.Font.Color = clBlack;
    c.Brush.Color = clBlue;
    c.TextOut(3, 4, "Hg");
    const int w = c.TextWidth("Hg"), h = c.TextHeight("Hg");
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    EXPECT_TRUE(InsideBox(PixelsNotIn(c, clWhite), 3, 4, 3 + w, 4 + h));
    EXPECT_EQ(c.Pixel(3, 4), clBlue);
    EXPECT_EQ(c.Pixel(2 + w, 3 + h), clBlue);
    EXPECT_FALSE(PixelsIn(c, clBlack).empty());

    TBitmap clear(80, 30);
    clear.Canvas().Brush.Style = TBrushStyle::bsClear;
    clear.Canvas().TextOut(3, 4, "Hg");
    EXPECT_TRUE(PixelsIn(clear.Canvas(), clBlue).empty());
    EXPECT_EQ(PixelsNotIn(clear.Canvas(), clWhite), PixelsIn(clear.Canvas(), clBlack));
    EXPECT_FALSE(PixelsIn(clear.Canvas(), clBlack).empty());

    TBitmap clipped(80, 30);
    clipped.Canvas().Brush.Color = clBlue;
    clipped.Canvas().TextRect(Rect(10, 5, 14, 12), 3, 4, "WWW");
    const PixelSet inClip = PixelsNotIn(clipped.Canvas(), clWhite);
    EXPECT_TRUE(InsideBox(inClip, 10, 5, 14, 12));
    EXPECT_EQ(inClip.size(), 4u * 7u);
    EXPECT_FALSE(PixelsIn(clipped.Canvas(), clBlack).empty());
}

TEST(Canvas, HugeCoordinatesAreClippedQuickly)
{
    TBitmap bitmap(50, 40);
    TCanvas& c = bitmap.Canvas();
    QElapsedTimer timer;
    timer.start();
    for (int width : {1, 4}) {
        c.Pen.Width = width;
        c.MoveTo(INT_MIN, INT_MIN);
        c.LineTo(INT_MAX, INT_MAX);
        c.LineTo(-1000000000, 20);
        c.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        c.Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
        c.Polygon({{INT_MIN, 0}, {INT_MAX, 10}, {0, INT_MAX}});
        c.Polyline({{INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}});
    }
    c.FillRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    c.TextOut(INT_MAX, INT_MAX, "far away");
    c.TextOut(INT_MIN, INT_MIN, "far away");
    TBitmap small(4, 4);
    c.Draw(INT_MAX, INT_MIN, small);
    c.StretchDraw(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), small);
    c.SetPixel(INT_MIN, 3, clRed);
    EXPECT_EQ(c.Pixel(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(c.Pixel(50, 0), 0xFFFFFFFFu);
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST(Canvas, DrawsBitmapsAndSystemColors)
{
    TBitmap picture(2, 2);
    picture.Canvas().SetPixel(0, 0, clRed);
    TBitmap bitmap(10, 10);
    TCanvas& c = bitmap.Canvas();
    c.Draw(3, 4, picture);
    EXPECT_EQ(c.Pixel(3, 4), clRed);
    c.StretchDraw(Rect(0, 0, 6, 6), picture);
    EXPECT_EQ(PixelsIn(c, clRed),
              (PixelSet{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}));

    c.Pen.Color = clBtnShadow;
    c.MoveTo(0, 9);
    c.LineTo(5, 9);
    EXPECT_EQ(c.Pixel(0, 9), ResolveColor(clBtnShadow));
}

TEST(Canvas, FontSizeFollowsPixelsPerInch)
{
    TFont font;
    font.Height = 11;
    EXPECT_EQ(font.Size(), 8);
    font.SetSize(10);
    EXPECT_EQ(font.Height, 13);
    font.PixelsPerInch = 600;
    font.SetSize(10);
    EXPECT_EQ(font.Height, 83);
    EXPECT_EQ(font.ToQFont().pixelSize(), 83);
}

TEST(Canvas, PagedDeviceIsAPrinter)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        TCanvas canvas(&writer);
        EXPECT_TRUE(canvas.IsPrinter());
        EXPECT_EQ(canvas.PixelsPerInchY(), 300);
        EXPECT_EQ(canvas.Font.PixelsPerInch, 300);
        canvas.MoveTo(10, 10);
        canvas.LineTo(200, 100);
        canvas.Rectangle(20, 20, 80, 60);
        canvas.TextOut(30, 30, "printed");
    }
    EXPECT_TRUE(pdf.data().startsWith("%PDF"));

    TBitmap bitmap(4, 4);
    EXPECT_FALSE(bitmap.Canvas().IsPrinter());
    EXPECT_EQ(bitmap.Canvas().PixelsPerInchX(), 96);
}
