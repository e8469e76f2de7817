#pragma once
// Small data marks centered on a pixel.
#include "platform/pixelstamp.h"

#include <QPoint>
#include <cstdint>
#include <span>
#include <vector>

class TCanvas;

// Draws mark markType centered on (x, y) with the canvas's pen (and, for character
// marks, its font). Types 0..47 are figures; 48..255 write the character with that
// code in Windows-1252 (the five codes it leaves unassigned draw nothing). For
// figures the brush color is the same afterwards as before; hollow and filled
// figures leave the brush style solid. A mark wholly off the surface sets no pixel
// but leaves the pen where drawing it would.
void DrawMark(TCanvas& canvas, std::uint8_t markType, int x, int y);

// Draws marks as DrawMark does, replaying a recording of each figure mark where it
// lies wholly on an image canvas, so that each mark of a scatter plot costs a few
// stores. Keeps the recordings of the last few mark types and pens.
class TMarkPainter {
public:
    // Draws mark markType at each of centers in turn.
    void Draw(TCanvas& canvas, std::uint8_t markType, std::span<const QPoint> centers);

private:
    struct TRecording {
        std::uint8_t MarkType;
        TPixelStamp Stamp;
    };
    // The recording of markType with canvas's pen and brush, made if there is none,
    // moved to the end of the list.
    TPixelStamp& RecordingFor(const TCanvas& canvas, std::uint8_t markType);

    // The most recently used last.
    std::vector<TRecording> m_recordings;
};
