#pragma once
// Small data marks centered on a pixel.
#include <cstdint>

class TCanvas;

// Draws mark markType centered on (x, y) with the canvas's pen (and, for character
// marks, its font). Types 0..47 are figures; 48..255 write the character with that
// code in Windows-1252 (the five codes it leaves unassigned draw nothing). For
// figures the brush color is the same afterwards as before; hollow and filled
// figures leave the brush style solid. A mark wholly off the surface sets no pixel
// but leaves the pen where drawing it would.
void DrawMark(TCanvas& canvas, std::uint8_t markType, int x, int y);
