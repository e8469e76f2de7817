#include "pixelsets.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

namespace {

// The ink of s written in font on a white picture with a margin around it.
PixelSet Ink(const TFont& font, const QString& s, int& width, int& height)
{
    TBitmap probe(1, 1);
    probe.Canvas().Font = font;
    width = probe.Canvas().TextWidth(s) + 8;
    height = probe.Canvas().TextHeight(s) + 8;
    TBitmap bitmap(width, height);
    TCanvas& c = bitmap.Canvas();
    c.Font = font;
    c.Brush.Style = TBrushStyle::bsClear;
    c.TextOut(4, 4, s);
    return PixelsNotIn(c, clWhite);
}

// Separate groups of inked columns, left to right.
int InkedColumnGroups(const PixelSet& ink)
{
    std::set<int> columns;
    for (const auto& [x, y] : ink)
        columns.insert(x);
    int groups = 0, previous = -2;
    for (int x : columns) {
        if (x != previous + 1)
            ++groups;
        previous = x;
    }
    return groups;
}

// Pieces of ink, pixels touching at a corner counted as one piece.
int InkPieces(const PixelSet& ink)
{
    PixelSet left = ink;
    int pieces = 0;
    while (!left.empty()) {
        ++pieces;
        std::vector<std::pair<int, int>> todo{*left.begin()};
        left.erase(left.begin());
        while (!todo.empty()) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if (left.erase({x + dx, y + dy}))
                        todo.push_back({x + dx, y + dy});
        }
    }
    return pieces;
}

} // namespace

TEST(CanvasText, DigitsKeepTheirShapesAndABlankColumnBetweenThem)
{
    TFont arial11, arial13, widgetDefault = TFont::FromQFont(QApplication::font());
    arial13.Height = 13;
    TFont bold13 = arial13;
    bold13.Style = TFontStyle::fsBold;
    const int holes[10] = {1, 0, 0, 0, 1, 0, 1, 0, 2, 1};
    for (const TFont& font : {arial11, arial13, bold13, widgetDefault}) {
        SCOPED_TRACE(testing::Message()
                     << font.Name.toStdString() << " " << font.Height << " px, style " << font.Style);
        for (int digit = 0; digit <= 9; ++digit) {
            int w = 0, h = 0;
            const PixelSet ink = Ink(font, QString::number(digit), w, h);
            EXPECT_EQ(InkPieces(ink), 1) << digit;
            EXPECT_EQ(EnclosedBy(ink, w, h).empty() ? 0 : InkPieces(EnclosedBy(ink, w, h)), holes[digit])
                << digit;
        }
        int w = 0, h = 0;
        EXPECT_EQ(InkedColumnGroups(Ink(font, "0123456789", w, h)), 10);
        EXPECT_EQ(InkedColumnGroups(Ink(font, "1.00", w, h)), 4);
    }
}
