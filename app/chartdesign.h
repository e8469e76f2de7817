#pragma once
// The design both lesson charts share (the main window's and the data point editor's):
// layer 1 only, from −0.5 to 2.5 on both axes, no grid, no mouse zooming.
class TPlotta;

// Applies the design; leftRim differs between the two charts.
void ApplyLessonChartDesign(TPlotta& chart, int leftRim);

// Whether pixel (x, y) of the chart lies in its data area, edges included.
bool InDataArea(const TPlotta& chart, int x, int y);
