#pragma once
// Two ways of seeing more in the lesson's chart, both off until the learner asks for
// them in the context menu (or with --show on the command line):
//  - Squares: each residual drawn as a square on screen, so that the sum of squared
//    residuals is literally the area the squares cover.
//  - Least-squares line: the best line dashed in blue, and below the chart its
//    equation, r and R² and how many times the smallest possible sum the learner's is.
#include "app/regression.h"
#include "platform/canvas.h"
#include "platform/color.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QWidget;
class TLessonCommands;
class TPlotta;
class TTolkar2000;

struct TExtrasShown {
    bool squares = false;
    bool fit = false;
    bool operator==(const TExtrasShown&) const = default;
};

// Reads a comma-separated list of "squares" and "fit" (letter case and spaces around
// the names do not matter). Anything else gives nullopt, with the offending name in
// badName.
std::optional<TExtrasShown> ParseExtrasShown(const QString& list, QString& badName);

// The points and the learner's line y = K·x + D.
struct TLessonLine {
    const TPointArray& DataX;
    const TPointArray& DataY;
    std::uint16_t NumPoints;
    double K;
    double D;
};

// The square over a residual in chart pixels: the residual runs down column
// point.x() from the point to the line at lineY, the line's own pixel excluded, so
// its length on screen is |lineY − point.y()|. The square stands on the residual
// and spreads to the right, or to the left when it would cross dataRight. Empty
// when the point lies on the line.
QRect ResidualSquare(QPoint point, int lineY, int dataRight);

// The colors and item classes of the extras in the chart's display list.
constexpr TColor SquareOutlineColor = 0x9090F0; // a soft red
constexpr TColor SquareFillColor = 0xE0E0FF; // a pale pink
constexpr TColor FitLineColor = clBlue;
constexpr int SquareItemClass = 1;
constexpr int FitLineItemClass = 2;

class TLessonExtras : public QObject {
    Q_OBJECT
public:
    // Registers the two checkable commands and puts the fit text below the chart.
    // redraw fills the chart anew; it runs when a command toggles.
    TLessonExtras(QWidget& window, TPlotta& chart, TLessonCommands& commands, TTolkar2000& translator,
                  std::function<void()> redraw);

    TExtrasShown Shown() const;
    // Checks the commands as given and redraws.
    void Show(TExtrasShown shown);

    // The chart fill's hook, right after the display list is cleared: adds what is
    // shown beneath the points and the learner's line, and updates the fit text.
    void AddBeneathLesson(const TLessonLine& line);

    QAction* SquaresCommand = nullptr;
    QAction* FitCommand = nullptr;
    QLabel* FitLabel = nullptr;

private:
    void AddSquares(const TLessonLine& line);
    void AddFitLine(double slope, double intercept);
    void ShowFit(const TLessonLine& line);
    // Adds items of one class, pen and color, restoring the chart's own afterwards.
    void AddWithPen(int itemClass, TColor color, TPenStyle style, const std::function<void()>& add);

    TPlotta& m_chart;
    TTolkar2000& m_translator;
    std::function<void()> m_redraw;
};
