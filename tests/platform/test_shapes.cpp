#include "pixelsets.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

// Whether the center of pixel (x, y) lies strictly inside the polygon (even-odd rule).
bool StrictlyInside(const QVector<QPoint>& corners, int x, int y)
{
    bool inside = false;
    for (qsizetype i = 0; i < corners.size(); ++i) {
        const QPoint a = corners[i], b = corners[(i + 1) % corners.size()];
        const long long cross =
            (long long)(b.x() - a.x()) * (y - a.y()) - (long long)(b.y() - a.y()) * (x - a.x());
        if (cross == 0 && std::min(a.x(), b.x()) <= x && x <= std::max(a.x(), b.x())
            && std::min(a.y(), b.y()) <= y && y <= std::max(a.y(), b.y()))
            return false; // on an edge
        if ((a.y() > y) != (b.y() > y) && (cross > 0) == (b.y() > a.y()))
            inside = !inside;
    }
    return inside;
}

struct Drawn {
    PixelSet outline, fill;
};

// Draws a shape in red on blue into a fresh size x size picture.
template <typename Draw>
Drawn DrawShape(int size, bool filled, Draw draw, TPenMode mode = TPenMode::pmCopy)
{
    TBitmap bitmap(size, size);
    TCanvas& c = bitmap.Canvas();
    c.Pen.Color = clRed;
    c.Pen.Mode = mode;
    c.Brush.Color = clBlue;
    c.Brush.Style = filled ? TBrushStyle::bsSolid : TBrushStyle::bsClear;
    draw(c);
    const TColor outline = mode == TPenMode::pmXor ? TColor(clRed ^ clWhite) : TColor(clRed);
    const TColor fill = mode == TPenMode::pmXor ? TColor(clBlue ^ clWhite) : TColor(clBlue);
    return {PixelsIn(c, outline), PixelsIn(c, fill)};
}

PixelSet Mirrored(const PixelSet& pixels, int sumX, int sumY)
{
    PixelSet mirrored;
    for (const auto& [x, y] : pixels)
        mirrored.insert({sumX < 0 ? x : sumX - x, sumY < 0 ? y : sumY - y});
    return mirrored;
}

} // namespace

TEST(CanvasShapes, FilledPolygonsCoverExactlyWhatTheirOutlineEncloses)
{
    constexpr int kSize = 40;
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coordinate(2, kSize - 3);
    for (int n = 0; n < 400; ++n) {
        QVector<QPoint> corners(3 + n % 6);
        for (QPoint& p : corners)
            p = QPoint(coordinate(random), coordinate(random));
        const auto polygon = [&](TCanvas& c) { c.Polygon(corners); };
        const PixelSet outline = DrawShape(kSize, false, polygon).outline;
        const Drawn shape = DrawShape(kSize, true, polygon);
        const PixelSet outside = ReachableFromBorder(outline, kSize, kSize);
        SCOPED_TRACE(testing::Message() << "polygon " << n);
        EXPECT_EQ(shape.outline, outline);
        for (const auto& [x, y] : shape.fill)
            ASSERT_FALSE(outside.count({x, y})) << "fill outside the outline at " << x << "," << y;
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                if (StrictlyInside(corners, x, y)) {
                    ASSERT_TRUE(shape.fill.count({x, y}) || outline.count({x, y}))
                        << "hole at " << x << "," << y;
                }
            }
        }
        // A triangle encloses nothing that lies outside it.
        if (corners.size() == 3) {
            EXPECT_EQ(shape.fill, EnclosedBy(outline, kSize, kSize));
        }
        // XOR writes every pixel once: the same picture in inverted colors.
        const Drawn inverted = DrawShape(kSize, true, polygon, TPenMode::pmXor);
        EXPECT_EQ(inverted.outline, shape.outline);
        EXPECT_EQ(inverted.fill, shape.fill);
    }
}

TEST(CanvasShapes, EllipsesAreSymmetricRoundAndFillTheirOutline)
{
    for (int w = 1; w <= 20; ++w) {
        for (int h = 1; h <= 20; ++h) {
            SCOPED_TRACE(testing::Message() << w << " x " << h);
            const int size = std::max(w, h) + 4;
            const auto ellipse = [&](TCanvas& c) { c.Ellipse(2, 2, 2 + w, 2 + h); };
            const PixelSet outline = DrawShape(size, false, ellipse).outline;
            const Drawn shape = DrawShape(size, true, ellipse);
            EXPECT_EQ(shape.outline, outline);
            EXPECT_EQ(shape.fill, EnclosedBy(outline, size, size));
            PixelSet all = outline;
            all.insert(shape.fill.begin(), shape.fill.end());
            // It touches every side of its box and no more, mirrored left-right and top-bottom.
            EXPECT_EQ(std::min_element(all.begin(), all.end())->first, 2);
            EXPECT_EQ(std::max_element(all.begin(), all.end())->first, 1 + w);
            for (const PixelSet& part : {outline, all}) {
                EXPECT_EQ(Mirrored(part, 3 + w, -1), part);
                EXPECT_EQ(Mirrored(part, -1, 3 + h), part);
            }
            // Round: a thin outline, rows that widen towards the middle, corners left out.
            for (const auto& [x, y] : outline) {
                const bool inner = all.count({x - 1, y}) && all.count({x + 1, y}) && all.count({x, y - 1})
                    && all.count({x, y + 1});
                EXPECT_FALSE(inner) << "outline pixel inside the ellipse at " << x << "," << y;
            }
            std::vector<int> rowWidths(h);
            for (const auto& [x, y] : all)
                ++rowWidths[y - 2];
            for (int row = 0; row < h / 2; ++row)
                EXPECT_LE(rowWidths[row], rowWidths[row + 1]);
            if (w >= 3 && h >= 3) {
                EXPECT_FALSE(all.count({2, 2}) || all.count({1 + w, 2}) || all.count({2, 1 + h})
                             || all.count({1 + w, 1 + h}));
            }
        }
    }
    const PixelSet ring{{3, 2}, {4, 2}, {2, 3}, {5, 3}, {2, 4}, {5, 4}, {3, 5}, {4, 5}};
    EXPECT_EQ(DrawShape(8, false, [](TCanvas& c) { c.Ellipse(2, 2, 6, 6); }).outline, ring);
}

TEST(CanvasShapes, WidePensAreAlikeAtBothEndsAndCenteredOnTheOnePixelOutline)
{
    constexpr int kSize = 40;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(6, kSize - 7);
    for (int n = 0; n < 200; ++n) {
        const QPoint a(coordinate(random), coordinate(random)), b(coordinate(random), coordinate(random));
        const int width = 2 + n % 4;
        SCOPED_TRACE(testing::Message() << "width " << width << " from " << a.x() << "," << a.y() << " to "
                                        << b.x() << "," << b.y());
        const auto line = [&](QPoint from, QPoint to) {
            return DrawShape(kSize, false,
                             [&](TCanvas& c) {
                                 c.Pen.Width = width;
                                 c.MoveTo(from.x(), from.y());
                                 c.LineTo(to.x(), to.y());
                             })
                .outline;
        };
        const PixelSet forward = line(a, b);
        EXPECT_EQ(line(b, a), forward);
        // Turned half round its middle it is the same line; an even width runs half a
        // pixel above (or left of) the segment.
        const bool flat = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
        const int shift = width % 2 == 0 ? 1 : 0;
        EXPECT_EQ(Mirrored(forward, a.x() + b.x() - (flat ? 0 : shift), a.y() + b.y() - (flat ? shift : 0)),
                  forward);
    }
    // Width 3 along the axes and diagonals: the one-pixel line with its end, one pixel to
    // either side across it and a pixel of round cap beyond each end.
    const auto wide3 = [](QPoint from, QPoint to) {
        return DrawShape(kSize, false,
                         [&](TCanvas& c) {
                             c.Pen.Width = 3;
                             c.MoveTo(from.x(), from.y());
                             c.LineTo(to.x(), to.y());
                         })
            .outline;
    };
    PixelSet horizontal, vertical;
    for (int along = 9; along <= 31; ++along) {
        for (int across = 19; across <= 21; ++across) {
            horizontal.insert({along, across});
            vertical.insert({across, along});
        }
    }
    EXPECT_EQ(wide3({10, 20}, {30, 20}), horizontal);
    EXPECT_EQ(wide3({20, 30}, {20, 10}), vertical);
    const PixelSet diagonal = wide3({10, 10}, {25, 25});
    EXPECT_EQ(Mirrored(diagonal, 35, 35), diagonal);
    for (const auto& [x, y] : diagonal)
        EXPECT_TRUE(diagonal.count({y, x})) << "not mirrored across the line at " << x << "," << y;

    // Rectangles and ellipses: the wide outline covers the one-pixel outline and as
    // much on either side of it.
    for (int width : {3, 5}) {
        const int grow = width / 2;
        const auto rectangle = [&](int w) {
            return DrawShape(kSize, true, [&](TCanvas& c) {
                c.Pen.Width = w;
                c.Rectangle(8, 9, 30, 27);
            });
        };
        const PixelSet thin = rectangle(1).outline;
        PixelSet grown;
        for (const auto& [x, y] : thin)
            for (int dx = -grow; dx <= grow; ++dx)
                for (int dy = -grow; dy <= grow; ++dy)
                    grown.insert({x + dx, y + dy});
        const Drawn wide = rectangle(width);
        EXPECT_EQ(wide.outline, grown);
        EXPECT_EQ(wide.fill, EnclosedBy(grown, kSize, kSize));

        const auto ellipse = [&](int w) {
            return DrawShape(kSize, true, [&](TCanvas& c) {
                c.Pen.Width = w;
                c.Ellipse(8, 9, 30, 27);
            });
        };
        const PixelSet thinRing = ellipse(1).outline;
        const Drawn ring = ellipse(width);
        EXPECT_TRUE(
            std::includes(ring.outline.begin(), ring.outline.end(), thinRing.begin(), thinRing.end()));
        EXPECT_EQ(Mirrored(ring.outline, 37, -1), ring.outline);
        EXPECT_EQ(Mirrored(ring.outline, -1, 35), ring.outline);
        EXPECT_EQ(std::min_element(ring.outline.begin(), ring.outline.end())->first, 8 - grow);
        EXPECT_EQ(std::max_element(ring.outline.begin(), ring.outline.end())->first, 29 + grow);
        EXPECT_EQ(ring.fill, EnclosedBy(ring.outline, kSize, kSize));
    }
}
