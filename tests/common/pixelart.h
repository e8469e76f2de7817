#pragma once
// Reading a bitmap region back as rows of characters, so that expected pixel
// patterns can be written down as pictures.
#include "platform/bitmap.h"

#include <map>
#include <string>
#include <vector>

using TArt = std::vector<std::string>;

// A bitmap filled with one background color.
inline void Clear(TBitmap& bitmap, TColor background)
{
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = background;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

// The region (left, top, width × height) with each pixel replaced by the letter its
// color has in legend; colors not in the legend read as '?'.
inline TArt ArtOf(TBitmap& bitmap, int left, int top, int width, int height,
                  const std::map<TColor, char>& legend)
{
    TArt rows;
    for (int y = top; y < top + height; ++y) {
        std::string row;
        for (int x = left; x < left + width; ++x) {
            const auto it = legend.find(bitmap.Canvas().Pixel(x, y));
            row += it == legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

// Number of pixels anywhere in the bitmap that differ from background.
inline int ChangedPixels(TBitmap& bitmap, TColor background)
{
    int changed = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            changed += bitmap.Canvas().Pixel(x, y) != background;
    return changed;
}

inline int CountOf(const TArt& art, char c)
{
    int n = 0;
    for (const std::string& row : art)
        for (char ch : row)
            n += ch == c;
    return n;
}
