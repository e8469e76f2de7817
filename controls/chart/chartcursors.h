#pragma once
// The chart's own mouse cursors, drawn in code, and the cursor shown over the whole
// application while the mouse acts on a chart.
#include <QCursor>

// Cursor numbers: a hand for panning and three magnifiers, one per zoom mode.
namespace ChartEnums {
enum TChartCursor {
    crHand = 1, // CURHAND
    crZoomWindow = 2, // CURZOOMW
    crZoomDrag = 3, // CURZOOMD
    crZoomWindowPos = 4, // CURZOOMP
};
} // namespace ChartEnums
using ChartEnums::TChartCursor;

// The cursor of that number; the pictures are drawn on first use.
const QCursor& ChartCursor(TChartCursor cursor);

// Sets the application-wide cursor and takes it back again; the default cursor means
// none of its own. Only what it set itself is taken back, also when it is destroyed.
class TScreenCursor {
public:
    TScreenCursor() = default;
    TScreenCursor(const TScreenCursor&) = delete;
    TScreenCursor& operator=(const TScreenCursor&) = delete;
    ~TScreenCursor() { ShowDefault(); }

    void Show(const QCursor& cursor);
    void ShowDefault();

private:
    bool m_overriding = false;
};
