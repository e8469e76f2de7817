#pragma once
// Sets of canvas pixels and what encloses what, for the canvas tests.
#include "platform/canvas.h"

#include <set>
#include <utility>
#include <vector>

using PixelSet = std::set<std::pair<int, int>>;

inline PixelSet PixelsIn(TCanvas& canvas, TColor color)
{
    PixelSet found;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) == color)
                found.insert({x, y});
    return found;
}

inline PixelSet PixelsNotIn(TCanvas& canvas, TColor color)
{
    PixelSet found;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) != color)
                found.insert({x, y});
    return found;
}

// The pixels of a width x height area that the walls cannot keep from its border:
// reachable from it in horizontal and vertical steps through pixels not in walls.
// A closed one-pixel outline keeps out everything it encloses.
inline PixelSet ReachableFromBorder(const PixelSet& walls, int width, int height)
{
    PixelSet reached;
    std::vector<std::pair<int, int>> todo;
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height || walls.count({x, y}) || reached.count({x, y}))
            return;
        reached.insert({x, y});
        todo.push_back({x, y});
    };
    for (int x = 0; x < width; ++x) {
        visit(x, 0);
        visit(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        visit(0, y);
        visit(width - 1, y);
    }
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    return reached;
}

// Everything in a width x height area that walls enclose, walls left out.
inline PixelSet EnclosedBy(const PixelSet& walls, int width, int height)
{
    const PixelSet outside = ReachableFromBorder(walls, width, height);
    PixelSet enclosed;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!walls.count({x, y}) && !outside.count({x, y}))
                enclosed.insert({x, y});
    return enclosed;
}
