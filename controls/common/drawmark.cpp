#include "controls/common/drawmark.h"

#include "platform/canvas.h"
#include "platform/codepage.h"

#include <QVector>
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <limits>

namespace {

constexpr int kFigureCount = 48; // types from here on are characters
constexpr int kMaxPoints = 12;
constexpr int kPatternSize = 7;
constexpr int kPatternHalf = kPatternSize / 2;

// Pixel positions are worked out in 64 bits: a center near the ends of the int range
// must not wrap round to the far side of the surface.
using TCoord = std::int64_t;

struct TOffset {
    int dx = 0;
    int dy = 0;
};

enum class TShape : std::uint8_t {
    None,
    Pixel, // the first point
    Path, // MoveTo the first point, LineTo the others
    Strokes, // MoveTo/LineTo pairs
    Polygon,
    Rectangle, // first point top-left, second point exclusive bottom-right
    Ellipse, // bounding box as for Rectangle
    PatternDots, // a zero-length stroke at every pixel of the mark's dot pattern
};

// How a figure uses the brush: lines leave it alone, a filled figure is filled in
// the pen color, a hollow one is drawn with a clear brush.
enum class TFill : std::uint8_t { Lines, Filled, Hollow };

struct TFigure {
    TShape Shape = TShape::None;
    TFill Fill = TFill::Lines;
    int Count = 0;
    std::array<TOffset, kMaxPoints> Points{};
};

// Seven row bytes, top row first; bit 0 is the pixel at x + 3, bit 6 at x − 3.
using TDotPattern = std::array<std::uint8_t, kPatternSize>;

// A mark is one or two figures. Marks with a dot pattern set that pattern pixel by
// pixel on screen and draw their figures only on the printer.
struct TMark {
    TFigure Main;
    TFigure Extra;
    TDotPattern Dots{};
};

constexpr TFigure Figure(TShape shape, TFill fill, std::initializer_list<TOffset> points)
{
    TFigure figure{shape, fill, 0, {}};
    for (TOffset p : points)
        figure.Points[figure.Count++] = p;
    return figure;
}

constexpr TFigure Pixel() { return Figure(TShape::Pixel, TFill::Lines, {{0, 0}}); }

constexpr TFigure Plus(int h)
{
    return Figure(TShape::Strokes, TFill::Lines, {{-h, 0}, {h, 0}, {0, -h}, {0, h}});
}

constexpr TFigure Cross(int h)
{
    return Figure(TShape::Strokes, TFill::Lines, {{-h, -h}, {h, h}, {-h, h}, {h, -h}});
}

constexpr TFigure BoldCross()
{
    return Figure(TShape::Strokes, TFill::Lines,
                  {{-3, -3},
                   {3, 3},
                   {-3, -2},
                   {2, 3},
                   {-2, -3},
                   {3, 2},
                   {-3, 3},
                   {3, -3},
                   {-3, 2},
                   {2, -3},
                   {-2, 3},
                   {3, -2}});
}

constexpr TFigure FilledSquare(int h)
{
    return Figure(TShape::Rectangle, TFill::Filled, {{-h, -h}, {h + 1, h + 1}});
}

constexpr TFigure SquareOutline(int h)
{
    return Figure(TShape::Path, TFill::Lines, {{-h, -h}, {-h, h}, {h, h}, {h, -h}, {-h, -h}});
}

constexpr TFigure FilledDiamond(int h)
{
    return Figure(TShape::Polygon, TFill::Filled, {{-h, 0}, {0, h}, {h, 0}, {0, -h}});
}

constexpr TFigure DiamondOutline()
{
    return Figure(TShape::Path, TFill::Lines, {{-3, 0}, {0, 3}, {3, 0}, {0, -3}, {-3, 0}});
}

// Ellipse(x − before, y − before, x + after, y + after).
constexpr TFigure Circle(TFill fill, int before, int after)
{
    return Figure(TShape::Ellipse, fill, {{-before, -before}, {after, after}});
}

// Two strokes from the center to the lower (down > 0) or upper corners.
constexpr TFigure Chevron(int h, int down)
{
    return Figure(TShape::Strokes, TFill::Lines, {{0, 0}, {-h, down * h}, {0, 0}, {h, down * h}});
}

constexpr TFigure Triangle(TFill fill, TOffset a, TOffset b, TOffset c)
{
    return Figure(TShape::Polygon, fill, {a, b, c});
}

constexpr TFigure ApexDown(TFill fill, int h) { return Triangle(fill, {-h, 0}, {0, h}, {h, 0}); }

constexpr TMark Mark(TFigure main, TFigure extra = {}) { return {main, extra, {}}; }

constexpr TMark PatternMark(TDotPattern dots, TFigure printerFigure) { return {printerFigure, {}, dots}; }

constexpr std::array<TMark, kFigureCount> kMarks = {
    /*  0 */ Mark(Pixel()),
    /*  1 */ PatternMark({0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00}, Plus(2)),
    /*  2 */ PatternMark({0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00}, Plus(3)),
    /*  3 */ PatternMark({0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08}, Plus(4)),
    /*  4 */ PatternMark({0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00}, Cross(2)),
    /*  5 */ PatternMark({0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00}, Cross(3)),
    /*  6 */ PatternMark({0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41}, Cross(4)),
    /*  7 */ Mark(FilledSquare(1)),
    /*  8 */ Mark(FilledSquare(2)),
    /*  9 */ Mark(FilledSquare(3)),
    /* 10 */ Mark(SquareOutline(1)),
    /* 11 */ Mark(SquareOutline(2)),
    /* 12 */ Mark(SquareOutline(3)),
    /* 13 */ Mark(FilledDiamond(1)),
    /* 14 */ Mark(FilledDiamond(2)),
    /* 15 */ Mark(FilledDiamond(3)),
    /* 16 */ Mark(Circle(TFill::Hollow, 2, 3)),
    /* 17 */ Mark(Circle(TFill::Hollow, 3, 4)),
    /* 18 */
    PatternMark({0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55}, Figure(TShape::PatternDots, TFill::Lines, {})),
    /* 19 */ Mark(DiamondOutline()),
    /* 20 */ Mark(Chevron(3, 1)),
    /* 21 */ Mark(Chevron(4, 1)),
    /* 22 */ Mark(Chevron(3, -1)),
    /* 23 */ Mark(Chevron(4, -1)),
    /* 24 */ Mark(Circle(TFill::Filled, 3, 4)),
    /* 25 */ PatternMark({0x63, 0x77, 0x3E, 0x1C, 0x3E, 0x77, 0x63}, BoldCross()),
    /* 26 */ Mark(Circle(TFill::Filled, 2, 3)),
    /* 27 */ Mark(Circle(TFill::Hollow, 2, 2)),
    /* 28 */ Mark(Circle(TFill::Filled, 2, 2)),
    /* 29 */ Mark(ApexDown(TFill::Filled, 2)),
    /* 30 */ Mark(ApexDown(TFill::Filled, 3)),
    /* 31 */ Mark(ApexDown(TFill::Hollow, 2)),
    /* 32 */ Mark(ApexDown(TFill::Hollow, 3)),
    /* 33 */ Mark(Triangle(TFill::Hollow, {-4, -3}, {0, 4}, {4, -3})),
    /* 34 */ Mark(Triangle(TFill::Filled, {-4, -3}, {0, 4}, {4, -3})),
    /* 35 */ Mark(Triangle(TFill::Hollow, {-4, 3}, {0, -4}, {4, 3})),
    /* 36 */ Mark(Triangle(TFill::Filled, {-4, 3}, {0, -4}, {4, 3})),
    /* 37 */ Mark(Figure(TShape::Strokes, TFill::Lines, {{-3, 0}, {4, 0}, {0, 0}, {0, -8}})),
    /* 38 */
    Mark(Figure(TShape::Strokes, TFill::Lines, {{-3, -2}, {4, -2}, {-3, 2}, {4, 2}, {0, -2}, {0, 2}})),
    /* 39 */
    Mark(Circle(TFill::Hollow, 3, 4),
         Figure(TShape::Strokes, TFill::Lines, {{-3, 0}, {4, 0}, {0, -3}, {0, 4}})),
    /* 40 */ Mark(Triangle(TFill::Hollow, {3, -2}, {-2, 0}, {3, 2})),
    /* 41 */ Mark(Triangle(TFill::Filled, {3, -2}, {-2, 0}, {3, 2})),
    /* 42 */ Mark(Triangle(TFill::Hollow, {4, -3}, {-3, 0}, {4, 3})),
    /* 43 */ Mark(Triangle(TFill::Filled, {4, -3}, {-3, 0}, {4, 3})),
    /* 44 */ Mark(Triangle(TFill::Hollow, {-3, -2}, {2, 0}, {-3, 2})),
    /* 45 */ Mark(Triangle(TFill::Filled, {-3, -2}, {2, 0}, {-3, 2})),
    /* 46 */ Mark(Triangle(TFill::Hollow, {-4, -3}, {3, 0}, {-4, 3})),
    /* 47 */ Mark(Triangle(TFill::Filled, {-4, -3}, {3, 0}, {-4, 3})),
};

// How far from the center any figure or dot pattern reaches, before the pen's width.
constexpr int LargestReach()
{
    constexpr auto magnitude = [](int v) { return v < 0 ? -v : v; };
    int reach = kPatternHalf;
    for (const TMark& mark : kMarks)
        for (const TFigure* figure : {&mark.Main, &mark.Extra})
            for (int i = 0; i < figure->Count; ++i)
                reach = std::max({reach, magnitude(figure->Points[i].dx), magnitude(figure->Points[i].dy)});
    return reach;
}

constexpr int kFigureReach = LargestReach();

// A position for the canvas, held within the int range. A mark that reaches the
// surface lies far inside that range, so only the lines of a mark off the surface,
// traced for the pen's sake, can be held.
int ToCanvas(TCoord value)
{
    return int(std::clamp<TCoord>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QPoint ToCanvas(TCoord x, TCoord y) { return {ToCanvas(x), ToCanvas(y)}; }

// Whether the box [left, right) x [top, bottom) lies wholly off the canvas's surface.
bool OffSurface(const TCanvas& canvas, TCoord left, TCoord top, TCoord right, TCoord bottom)
{
    return right <= 0 || bottom <= 0 || left >= canvas.Width() || top >= canvas.Height();
}

bool FigureOffSurface(const TCanvas& canvas, TCoord x, TCoord y)
{
    const TCoord reach = TCoord(kFigureReach) + std::max(canvas.Pen.Width, 1);
    return OffSurface(canvas, x - reach, y - reach, x + reach + 1, y + reach + 1);
}

bool HasDotPattern(const TMark& mark)
{
    for (std::uint8_t row : mark.Dots)
        if (row != 0)
            return true;
    return false;
}

// Calls visit(px, py) for every pixel of the pattern centered on (x, y).
template <typename Visit>
void ForEachDot(const TDotPattern& dots, TCoord x, TCoord y, Visit visit)
{
    for (int row = 0; row < kPatternSize; ++row) {
        if (dots[row] == 0)
            continue;
        for (int bit = 0; bit < kPatternSize; ++bit)
            if (dots[row] & (1u << bit))
                visit(x + kPatternHalf - bit, y - kPatternHalf + row);
    }
}

QVector<QPoint> Points(const TFigure& figure, TCoord x, TCoord y)
{
    QVector<QPoint> points;
    for (int i = 0; i < figure.Count; ++i)
        points.append(ToCanvas(x + figure.Points[i].dx, y + figure.Points[i].dy));
    return points;
}

// Shapes drawn with MoveTo and LineTo, which leave the pen at their end.
bool MovesPen(TShape shape)
{
    return shape == TShape::Path || shape == TShape::Strokes || shape == TShape::PatternDots;
}

// Off the surface only the shapes that move the pen are traced (the canvas sets none
// of their pixels there), so the pen ends where a drawn mark leaves it.
void DrawShape(TCanvas& canvas, const TFigure& figure, const TDotPattern& dots, TCoord x, TCoord y,
               bool offSurface)
{
    if (offSurface && !MovesPen(figure.Shape))
        return;
    const QVector<QPoint> p = Points(figure, x, y);
    switch (figure.Shape) {
    case TShape::None:
        break;
    case TShape::Pixel:
        canvas.SetPixel(p[0].x(), p[0].y(), canvas.Pen.Color);
        break;
    case TShape::Path:
        canvas.MoveTo(p[0].x(), p[0].y());
        for (int i = 1; i < p.size(); ++i)
            canvas.LineTo(p[i].x(), p[i].y());
        break;
    case TShape::Strokes:
        for (int i = 0; i + 1 < p.size(); i += 2) {
            canvas.MoveTo(p[i].x(), p[i].y());
            canvas.LineTo(p[i + 1].x(), p[i + 1].y());
        }
        break;
    case TShape::Polygon:
        canvas.Polygon(p);
        break;
    case TShape::Rectangle:
        canvas.Rectangle(p[0].x(), p[0].y(), p[1].x(), p[1].y());
        break;
    case TShape::Ellipse:
        canvas.Ellipse(p[0].x(), p[0].y(), p[1].x(), p[1].y());
        break;
    case TShape::PatternDots:
        ForEachDot(dots, x, y, [&canvas](TCoord px, TCoord py) {
            canvas.MoveTo(ToCanvas(px), ToCanvas(py));
            canvas.LineTo(ToCanvas(px), ToCanvas(py));
        });
        break;
    }
}

void DrawFigure(TCanvas& canvas, const TFigure& figure, const TDotPattern& dots, TCoord x, TCoord y,
                bool offSurface)
{
    if (figure.Fill == TFill::Filled) {
        canvas.Brush.Color = canvas.Pen.Color;
        canvas.Brush.Style = TBrushStyle::bsSolid;
    } else if (figure.Fill == TFill::Hollow) {
        canvas.Brush.Style = TBrushStyle::bsClear;
    }
    DrawShape(canvas, figure, dots, x, y, offSurface);
    if (figure.Fill == TFill::Hollow)
        canvas.Brush.Style = TBrushStyle::bsSolid;
}

void DrawFigureMark(TCanvas& canvas, const TMark& mark, TCoord x, TCoord y)
{
    const bool offSurface = FigureOffSurface(canvas, x, y);
    if (HasDotPattern(mark) && !canvas.IsPrinter()) {
        if (offSurface)
            return;
        const TColor color = canvas.Pen.Color;
        ForEachDot(mark.Dots, x, y, [&canvas, color](TCoord px, TCoord py) {
            canvas.SetPixel(ToCanvas(px), ToCanvas(py), color);
        });
        return;
    }
    DrawFigure(canvas, mark.Main, mark.Dots, x, y, offSurface);
    DrawFigure(canvas, mark.Extra, mark.Dots, x, y, offSurface);
}

// The character is the code's in Windows-1252; a code that page leaves unassigned
// has no character and draws nothing.
void DrawCharacterMark(TCanvas& canvas, std::uint8_t code, TCoord x, TCoord y)
{
    if (!Windows1252Assigns(code))
        return;
    const QString text{Windows1252Char(code)};
    const int width = canvas.TextWidth(text);
    const int height = canvas.TextHeight(text);
    const TCoord left = x - width / 2;
    const TCoord top = y - height / 2;
    if (!OffSurface(canvas, left, top, left + width, top + height))
        canvas.TextOut(ToCanvas(left), ToCanvas(top), text);
}

} // namespace

void DrawMark(TCanvas& canvas, std::uint8_t markType, int x, int y)
{
    if (markType >= kFigureCount) {
        DrawCharacterMark(canvas, markType, x, y);
        return;
    }
    const TColor savedBrushColor = canvas.Brush.Color;
    DrawFigureMark(canvas, kMarks[markType], x, y);
    canvas.Brush.Color = savedBrushColor;
}

namespace {

constexpr std::size_t kKeptRecordings = 8;
// Wider pens are drawn each time: their recordings would be large.
constexpr int kWidestRecordedPen = 16;

} // namespace

TPixelStamp& TMarkPainter::RecordingFor(const TCanvas& canvas, std::uint8_t markType)
{
    auto found = std::find_if(m_recordings.begin(), m_recordings.end(), [&](const TRecording& recording) {
        return recording.MarkType == markType && recording.Stamp.RecordedWith(canvas);
    });
    if (found == m_recordings.end()) {
        if (m_recordings.size() == kKeptRecordings)
            m_recordings.erase(m_recordings.begin());
        const int reach = kFigureReach + std::max(canvas.Pen.Width, 1);
        m_recordings.push_back({markType, TPixelStamp(canvas, reach, [markType](TCanvas& c, int x, int y) {
                                    DrawMark(c, markType, x, y);
                                })});
    } else if (found + 1 != m_recordings.end()) {
        std::rotate(found, found + 1, m_recordings.end());
    }
    return m_recordings.back().Stamp;
}

void TMarkPainter::Draw(TCanvas& canvas, std::uint8_t markType, std::span<const QPoint> centers)
{
    const bool recordable =
        markType < kFigureCount && !canvas.IsPrinter() && canvas.Pen.Width <= kWidestRecordedPen;
    while (!centers.empty()) {
        const std::size_t replayed = recordable ? RecordingFor(canvas, markType).Replay(canvas, centers) : 0;
        if (replayed > 0) {
            centers = centers.subspan(replayed);
            continue;
        }
        DrawMark(canvas, markType, centers.front().x(), centers.front().y());
        centers = centers.subspan(1);
    }
}
