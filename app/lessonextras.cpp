#include "app/lessonextras.h"

#include "app/lessoncommands.h"
#include "controls/chart/plotta.h"
#include "controls/chart/scaleprops.h"
#include "dataset/linefit.h"
#include "translation/tolkar.h"

#include <QAction>
#include <QLabel>
#include <QStringList>
#include <cmath>
#include <span>

namespace {

// Below the chart, above the value fields, as wide as the chart.
const QRect FitLabelPlace(2, 378, 353, 30);

// Coefficients with three significant digits, trailing zeros kept (1.00, 0.0655, 123)
// and a typographic minus.
QString Significant(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("\u2013");
    QString text = QString::asprintf("%#.3g", value);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

// "y = 2.01·x − 0.5"
QString Equation(double slope, double intercept)
{
    const QString sign = intercept < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    return QStringLiteral("y = %1\u00B7x %2 %3")
        .arg(Significant(slope), sign, Significant(std::abs(intercept)));
}

QString Ratio(double ratio) { return QString::number(ratio, 'f', ratio < 100 ? 1 : 0); }

} // namespace

std::optional<TExtrasShown> ParseExtrasShown(const QString& list, QString& badName)
{
    TExtrasShown shown;
    for (const QString& item : list.split(QLatin1Char(','))) {
        const QString name = item.trimmed().toLower();
        if (name == QLatin1String("squares"))
            shown.squares = true;
        else if (name == QLatin1String("fit"))
            shown.fit = true;
        else {
            badName = item.trimmed();
            return std::nullopt;
        }
    }
    return shown;
}

QRect ResidualSquare(QPoint point, int lineY, int dataRight)
{
    const int side = std::abs(lineY - point.y());
    if (side == 0)
        return {};
    const int top = lineY > point.y() ? point.y() : lineY + 1;
    const int left = point.x() + side - 1 > dataRight ? point.x() - side + 1 : point.x();
    return {left, top, side, side};
}

TLessonExtras::TLessonExtras(QWidget& window, TPlotta& chart, TLessonCommands& commands,
                             TTolkar2000& translator, std::function<void()> redraw)
    : QObject(&window)
    , m_chart(chart)
    , m_translator(translator)
    , m_redraw(std::move(redraw))
{
    setObjectName(QStringLiteral("Extras"));
    auto checkable = [&](const char* key, QKeySequence shortcut) {
        QAction* action =
            commands.Add(TCommandGroup::View, {QString::fromUtf8(key), shortcut, [this] { m_redraw(); }});
        action->setCheckable(true);
        return action;
    };
    SquaresCommand = checkable("Squares of the residuals", QKeySequence(Qt::CTRL | Qt::Key_2));
    FitCommand = checkable("Least-squares line", QKeySequence(Qt::CTRL | Qt::Key_L));

    FitLabel = new QLabel(&window);
    FitLabel->setObjectName(QStringLiteral("FitLabel"));
    FitLabel->setGeometry(FitLabelPlace);
    FitLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FitLabel->hide();
}

TExtrasShown TLessonExtras::Shown() const { return {SquaresCommand->isChecked(), FitCommand->isChecked()}; }

void TLessonExtras::Show(TExtrasShown shown)
{
    SquaresCommand->setChecked(shown.squares);
    FitCommand->setChecked(shown.fit);
    m_redraw();
}

void TLessonExtras::AddBeneathLesson(const TLessonLine& line)
{
    // Squares first, so that the line, the points and the residuals stay on top.
    if (SquaresCommand->isChecked())
        AddSquares(line);
    ShowFit(line);
}

void TLessonExtras::AddWithPen(int itemClass, TColor color, TPenStyle style, const std::function<void()>& add)
{
    const int ownClass = m_chart.ClassDefault();
    const TColor ownColor = m_chart.DataColor();
    const TPenStyle ownStyle = m_chart.PenStyle();
    m_chart.SetClassDefault(itemClass);
    m_chart.SetDataColor(color);
    m_chart.SetPenStyle(style);
    add();
    m_chart.SetPenStyle(ownStyle);
    m_chart.SetDataColor(ownColor);
    m_chart.SetClassDefault(ownClass);
}

// The squares are placed in pixels, so that they are true squares on the screen
// whatever the axes' scales, and stored as data corners of those pixels.
void TLessonExtras::AddSquares(const TLessonLine& line)
{
    // The horizontal axis ends at the data area's right edge.
    const int dataRight = m_chart.DataToPixel(1, m_chart.Scale1X()->RangeHigh(), 0).x();
    AddWithPen(SquareItemClass, SquareOutlineColor, TPenStyle::psSolid, [&] {
        for (int m = 1; m <= PointLoopCount(line.NumPoints); ++m) {
            const double x = line.DataX[m];
            const QPoint point = m_chart.DataToPixel(1, x, line.DataY[m]);
            const int lineY = m_chart.DataToPixel(1, x, line.K * x + line.D).y();
            const QRect square = ResidualSquare(point, lineY, dataRight);
            if (square.isEmpty())
                continue;
            const QPointF a = m_chart.PixelToData(1, square.left(), square.top());
            const QPointF b = m_chart.PixelToData(1, square.right(), square.bottom());
            m_chart.AddRectangle(a.x(), a.y(), b.x(), b.y(), SquareFillColor, false);
        }
    });
}

void TLessonExtras::AddFitLine(double slope, double intercept)
{
    const double x1 = m_chart.Scale1X()->RangeLow();
    const double x2 = m_chart.Scale1X()->RangeHigh();
    AddWithPen(FitLineItemClass, FitLineColor, TPenStyle::psDash, [&] {
        m_chart.AddMoveTo(x1, slope * x1 + intercept);
        m_chart.AddLineTo(x2, slope * x2 + intercept);
    });
}

void TLessonExtras::ShowFit(const TLessonLine& line)
{
    FitLabel->setVisible(FitCommand->isChecked());
    if (!FitCommand->isChecked())
        return;
    const int n = PointLoopCount(line.NumPoints);
    const Result<LineFit> fit =
        FitLine(std::span(line.DataX).subspan(1, n), std::span(line.DataY).subspan(1, n));
    if (!fit) {
        FitLabel->setText(m_translator.LookupText(
            QStringLiteral("No least-squares line: the points need two different x values")));
        return;
    }
    const LineFit& best = fit.Value();
    AddFitLine(best.slope, best.intercept);

    const QString equation = m_translator.LookupText(
        QStringLiteral("Least-squares line: <%1%>, r = <%2%>, R\u00B2 = <%3%>"),
        {Equation(best.slope, best.intercept), Significant(best.r), Significant(best.rSquared)});
    const double smallest = SumOfSquares(line.DataX, line.DataY, line.NumPoints, best.slope, best.intercept);
    const double yours = SumOfSquares(line.DataX, line.DataY, line.NumPoints, line.K, line.D);
    // Points on one line leave rounding dust where the smallest sum is zero.
    const double spread = SumOfSquares(line.DataX, line.DataY, line.NumPoints, 0, best.meanY);
    const QString comparison = smallest <= 1e-12 * spread
        ? m_translator.LookupText(
            QStringLiteral("The points lie on one line: the smallest possible sum is 0"))
        : m_translator.LookupText(QStringLiteral("Your sum is <%1%> \u00D7 the smallest possible"),
                                  {Ratio(yours / smallest)});
    FitLabel->setText(equation + QLatin1Char('\n') + comparison);
}
