#pragma once
// How the lesson shows a point set: the ranges of the chart's axes, the window of (k, d)
// that the error map covers, the line the lesson starts from and the decimals of k, d
// and the sum of squares. The lesson's own points get the fixed design; a data set is
// shown in its own units.
#include "app/errormap.h"
#include "app/regression.h"

#include <optional>
#include <span>

struct TChartRange {
    double Low = -0.5;
    double High = 2.5;
    bool operator==(const TChartRange&) const = default;
};

struct TDataView {
    TChartRange ChartX;
    TChartRange ChartY;
    TMapWindow Map;
    double StartK = 1;
    double StartD = 0;
    int KDecimals = 2;
    int DDecimals = 2;
    int SumDecimals = 4;
};

// The design: the chart from −0.5 to 2.5 on both axes, the map from k = −3 to 3 and
// d = −2 to 2, the line k = 1, d = 0, two decimals for k and d and four for the sum.
inline const TDataView LessonView{};

// The least-squares line lies at least this share of the map's width and height
// inside its window.
constexpr double MapMarginShare = 0.15;

// The view of a data set in its own units, for points that have a least-squares line
// (at least two points, not all x equal):
// - the chart's axes hold every point with some room, their ends on round values;
// - the map's window spans the slopes around the best one by 1.5 times the spread of y
//   over that of x, and the intercepts those slopes need; the best line lies away from
//   the middle in a direction and at a distance that the points choose (so the same
//   set always gets the same window and the learner still has to search for the
//   line), at least 20 % of the window from every edge before the ends are rounded
//   out to round values, and at least MapMarginShare after;
// - the lesson starts from the line at the middle of the window;
// - k and d show as many decimals as one pixel of the map resolves, the sum of
//   squares four significant digits of its smallest value.
// Nothing when the points have no least-squares line, or numbers too large to show.
std::optional<TDataView> FitDataView(std::span<const double> x, std::span<const double> y);

// Whether the view fits the points: each lies within the chart's axes and their
// least-squares line well inside the map's window. False when they have no such line.
bool ViewFitsPoints(const TDataView& view, std::span<const double> x, std::span<const double> y);

// The decimals that show steps of `resolution` (0.03 gives 2, 5 gives 0).
int DecimalsForResolution(double resolution);
