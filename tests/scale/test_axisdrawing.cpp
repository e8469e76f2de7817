// Where an axis puts its ticks, labels, messages and caption, and when it reports ticks.
#include "scaletesting.h"

#include <QBuffer>
#include <QPdfWriter>
#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

using namespace scaletesting;

namespace {

// Labels and caption written after the first reported tick get a yellow box.
void ColorLabelBoxesFromFirstTick(TScale& scale)
{
    scale.OnScaleTickDrawn = [](QObject*, TCanvas*& canvas, TScaleType, double, int, int) {
        canvas->Brush.Color = clYellow;
    };
}

} // namespace

TEST(AxisDrawing, HorizontalLabelsAreCenteredOnTheirTicksButKeptInsideTheControl)
{
    TScale scale;
    Prepare(scale, 200, 60);
    scale.SetMarginLeft(0);
    scale.SetMarginRight(0);
    scale.SetRangeHigh(2); // labels 0.00 at x 0, 1.00 and 2.00 at x 199
    scale.SetMinTicks(2);
    scale.SetCaption(QStringLiteral("t [s]"));
    scale.SetCaptionAnchor(TScaleUnitAnchor::uaSclBotRgt);
    scale.SetCaptionAlignment(TAlignment::taRightJustify);
    scale.SetCaptionPosX(0);
    ColorLabelBoxesFromFirstTick(scale);
    scale.ForcePaint();

    const int base = 60 - 20 - 1;
    const TTextSize label = SizeOf(QStringLiteral("0.00"));
    const int top = base - label.Height - 7;
    EXPECT_EQ(BoxOf(scale.Picture(), clYellow, QRect(0, 0, 60, base)),
              QRect(2, top, label.Width, label.Height));
    EXPECT_EQ(BoxOf(scale.Picture(), clYellow, QRect(140, 0, 60, base)),
              QRect(200 - 2 * (label.Width / 2) - 2, top, label.Width, label.Height));
    // The caption ends where the axis ends, CaptionPosY below the base line.
    const TTextSize caption = SizeOf(QStringLiteral("t [s]"));
    EXPECT_EQ(BoxOf(scale.Picture(), clYellow, QRect(0, base + 1, 200, 20)),
              QRect(200 - caption.Width, base + 4, caption.Width, caption.Height));

    // Along the top edge, ticks and labels hang down from y = 0.
    scale.SetScaleType(TScaleType::sctXT);
    scale.SetMarginTop(0);
    const int x = scale.ValueToPixel(1);
    for (int y = 0; y < 7; ++y)
        EXPECT_EQ(PixelOf(scale.Picture(), x, y), clBlack) << y;
    EXPECT_EQ(BoxOf(scale.Picture(), clYellow, QRect(60, 0, 80, 40)).top(), 7);
}

TEST(AxisDrawing, VerticalLabelsStandBesideTheirTicks)
{
    TScale scale;
    Prepare(scale, 120, 200);
    scale.SetScaleType(TScaleType::sctYR);
    scale.SetMarginRight(19); // base line at x = 100
    scale.SetRangeHigh(2);
    scale.SetMinTicks(2);
    ColorLabelBoxesFromFirstTick(scale);
    scale.ForcePaint();

    const TTextSize label = SizeOf(QStringLiteral("0.00"));
    for (double value : {0.0, 1.0, 2.0}) {
        const int y = scale.ValueToPixel(value);
        EXPECT_EQ(BoxOf(scale.Picture(), clYellow, QRect(0, y - 12, 100, 24)),
                  QRect(100 - label.Width - 8, y - label.Height / 2, label.Width, label.Height))
            << value;
        for (int x = 95; x <= 100; ++x)
            EXPECT_EQ(PixelOf(scale.Picture(), x, y), clBlack) << value;
    }
}

TEST(AxisDrawing, OnlyHorizontalLinearAndCalendarAxesWriteTheLabelBeforeReportingTheTick)
{
    // Whether the first label is written after the first tick is reported.
    const auto labelFollowsTick = [](TScaleType type, auto configure) {
        TScale scale;
        Prepare(scale, 200, 200);
        scale.SetScaleType(type);
        scale.SetMarginLeft(0);
        scale.SetShortTicks(false);
        configure(scale);
        bool first = true;
        scale.OnScaleTickDrawn = [&first](QObject*, TCanvas*& canvas, TScaleType, double, int, int) {
            if (std::exchange(first, false))
                canvas->Brush.Color = clYellow;
        };
        scale.ForcePaint();
        const QRect firstLabel = IsHorizontal(type) ? QRect(0, 0, 20, 200) : QRect(0, 160, 200, 40);
        return !BoxOf(scale.Picture(), clYellow, firstLabel).isEmpty();
    };
    const auto linear = [](TScale& scale) { scale.SetRangeHigh(2); };
    const auto logarithmic = [](TScale& scale) {
        scale.SetRangeLow(1);
        scale.SetLogarithmic(true);
    };
    const auto time = [](TScale& scale) {
        scale.SetRangeHigh(600);
        scale.SetLabelType(TFigType::ftTime);
    };
    EXPECT_FALSE(labelFollowsTick(TScaleType::sctXB, linear));
    EXPECT_TRUE(labelFollowsTick(TScaleType::sctYL, linear));
    EXPECT_TRUE(labelFollowsTick(TScaleType::sctXB, logarithmic));
    EXPECT_TRUE(labelFollowsTick(TScaleType::sctYL, logarithmic));
    EXPECT_FALSE(labelFollowsTick(TScaleType::sctXB, time));
    EXPECT_FALSE(labelFollowsTick(TScaleType::sctYL, time));
}

TEST(AxisDrawing, ReportsEveryDrawnTickOnceWhereItMeetsTheBaseLine)
{
    TScale scale;
    Prepare(scale, 400, 100);
    std::vector<TDrawnTick> ticks;
    RecordTicks(scale, ticks);
    scale.SetRangeLow(-0.5);
    scale.SetRangeHigh(2.5);
    ticks.clear();
    scale.ForcePaint();
    ASSERT_EQ(ticks.size(), 15u + 3u);
    EXPECT_NEAR(ticks.front().Value, -0.4, 1e-12);
    EXPECT_NEAR(ticks[14].Value, 2.4, 1e-12);
    EXPECT_EQ(ticks[15].Value, 0);
    EXPECT_EQ(ticks.back().Value, 2);
    EXPECT_EQ(ticks.back().ChartX, scale.ValueToPixel(2));
    EXPECT_EQ(ticks.back().ChartY, 100 - 20 - 1);
    EXPECT_EQ(scale.NumTicks(), 15);

    scale.SetShortTicks(false);
    ticks.clear();
    scale.SetScaleType(TScaleType::sctYR);
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_EQ(ticks[1].ChartX, 400 - 20 - 1);
    EXPECT_EQ(ticks[1].ChartY, scale.ValueToPixel(1));
    EXPECT_EQ(scale.NumTicks(), 3);

    // A logarithmic axis with intermediate ticks reports only 1, 2 and 5 times a decade.
    scale.SetRangeLow(1);
    scale.SetRangeHigh(100);
    scale.SetMinTicks(4);
    ticks.clear();
    scale.SetLogarithmic(true);
    std::vector<double> values;
    for (const TDrawnTick& tick : ticks)
        values.push_back(tick.Value);
    EXPECT_EQ(values, (std::vector<double>{1, 2, 5, 10, 20, 50, 100}));
}

TEST(AxisDrawing, DateLinesGoBeyondTheTimeLabel)
{
    TScale scale;
    Prepare(scale, 400, 80);
    scale.SetRangeHigh(1); // one day: a major tick every six hours
    scale.SetMinTicks(4);
    scale.SetLabelType(TFigType::ftDateTime);
    scale.DateFormat()->SetMonthName(false);
    const int base = 80 - 20 - 1;
    const TTextSize time = SizeOf(QStringLiteral("00:00"));
    const TTextSize date = SizeOf(QStringLiteral("30-12-1899"));
    EXPECT_TRUE(ShowsText(scale.Picture(), 20 - std::min(time.Width / 2, 18), base - time.Height - 7,
                          QStringLiteral("00:00")));
    EXPECT_TRUE(ShowsText(scale.Picture(), 20 - std::min(date.Width / 2, 18), base - 2 * date.Height - 7,
                          QStringLiteral("30-12-1899")));
    // The next midnight ends the axis: its date is shifted in from the right edge.
    EXPECT_TRUE(ShowsText(scale.Picture(), 400 - 2 * (date.Width / 2) - 2, base - 2 * date.Height - 7,
                          QStringLiteral("31-12-1899")));

    scale.SetBounds(0, 0, 200, 400);
    scale.SetScaleType(TScaleType::sctYL); // base line at x = 20; midnight at y = 379
    EXPECT_TRUE(ShowsText(scale.Picture(), 28, 379 - 3 * (date.Height / 2), QStringLiteral("30-12-1899")));
}

TEST(AxisDrawing, DateTimeMessagesReplaceTheTicksAroundTheMiddleOfTheAxis)
{
    TScale scale;
    Prepare(scale, 300, 60);
    scale.SetLabelType(TFigType::ftDateTime);
    scale.SetShowBaseLine(false);
    std::vector<TDrawnTick> ticks;
    RecordTicks(scale, ticks);
    scale.SetRangeHigh(-10); // reversed

    const int base = 60 - 20 - 1;
    const QString message = QStringLiteral("invalid DateTime scale");
    const TTextSize size = SizeOf(message);
    const int middle = scale.ValueToPixel(-5);
    const QRect ink = InkBox(scale.Picture(), clWhite, scale.Picture().Image().rect());
    EXPECT_TRUE(ticks.empty());
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(middle - size.Width / 2, base + 7, size.Width, size.Height).contains(ink));

    // Vertical axes write the message line by line, the first line above the middle.
    scale.SetBounds(0, 0, 200, 300);
    scale.SetScaleType(TScaleType::sctYL);
    scale.SetRangeLow(0);
    scale.SetRangeHigh(1e-9); // below a hundredth of a second per interval
    const int lineHeight = SizeOf(QStringLiteral("T")).Height;
    int widest = 0;
    for (const char* line : {"DateTime", "range is", "below 1", "second"})
        widest = std::max(widest, SizeOf(QString::fromLatin1(line)).Width);
    const QRect lines = InkBox(scale.Picture(), clWhite, scale.Picture().Image().rect());
    const int y = scale.ValueToPixel(0.5e-9);
    EXPECT_TRUE(ticks.empty());
    EXPECT_TRUE(QRect(20 + 2, y - lineHeight, widest, 4 * lineHeight).contains(lines));
    EXPECT_GT(lines.height(), 3 * lineHeight);
}

TEST(AxisDrawing, OnAPrinterTheTextKeepsItsScreenHeight)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(600);
    TCanvas printer(&writer);
    ASSERT_TRUE(printer.IsPrinter());

    TScale scale;
    scale.SetSuppressPaint(true);
    scale.SetChartOwned(true);
    scale.SetTransparent(true);
    TFont font = TestFont();
    font.SetSize(12); // 16 pixels on screen
    scale.SetFont(font);
    scale.SetDrawTarget(&printer, 0, 0);
    scale.ForcePaint();
    EXPECT_EQ(printer.Font.PixelsPerInch, 600);
    EXPECT_EQ(printer.Font.Height, 16);
}
