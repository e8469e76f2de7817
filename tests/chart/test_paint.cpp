// The chart's paint pipeline: shadow, background picture, crosshairs, and the data-area
// refresh that ShowItems takes.
#include "chartpixels.h"
#include "controls/scale/scale.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QSet>
#include <QTemporaryDir>

TEST(ChartPaint, ShowItemsRedrawsOnlyTheDataAreaWhileAutoRedrawIsOn)
{
    TPlotta chart;
    UsePixelUnits(chart);
    int axesPainted = 0;
    int dataPainted = 0;
    chart.OnScalesRendered = [&](QObject*, TCanvas*&, int, int) { ++axesPainted; };
    chart.OnDataRendered = [&](QObject*, TCanvas*&, int, int) { ++dataPainted; };
    chart.AddRectangle(10, 10, 20, 20, clBlue, false);
    chart.ShowItems();
    EXPECT_EQ(axesPainted, 0);
    EXPECT_EQ(dataPainted, 1);
    EXPECT_EQ(ColorAt(chart.Picture(), 50 + 15, 160 - 15), clBlue);

    // Cleared items stay on screen until they are shown.
    chart.ClearItems();
    EXPECT_EQ(DataColorAt(chart, 15, 15), clWhite);
    EXPECT_EQ(ColorAt(chart.Picture(), 50 + 15, 160 - 15), clBlue);

    chart.SetAutoRedraw(false);
    chart.ShowItems();
    EXPECT_EQ(axesPainted, 1);
    EXPECT_EQ(dataPainted, 2);
    EXPECT_EQ(ColorAt(chart.Picture(), 50 + 15, 160 - 15), clWhite);

    // Without AutoRedraw a change waits for the next paint request.
    chart.SetChartColor(clYellow);
    EXPECT_EQ(ColorAt(chart.Picture(), 150, 90), clWhite);
    const QImage shown = chart.grab().toImage();
    EXPECT_EQ(shown.pixel(150, 90), qRgb(255, 255, 0));
}

// Qt holds the resize event of a chart never shown back until it is shown or
// grabbed; the chart's own picture must not wait for it.
TEST(ChartPaint, AChartNeverShownFollowsANewSizeAtOnce)
{
    TPlotta chart;
    chart.SetIsometric(true);
    const auto shown = [&] { return chart.grab().toImage().convertToFormat(QImage::Format_RGB32); };
    chart.resize(400, 300); // a data-area bitmap of 331 x 241
    EXPECT_DOUBLE_EQ(chart.Scale1Y()->RangeHigh(), 241.0 / 331);
    chart.ShowItems();
    const QImage picture = chart.Picture().Image().convertToFormat(QImage::Format_RGB32);
    QImage exported(chart.size(), QImage::Format_RGB32);
    chart.render(&exported);
    EXPECT_EQ(exported, picture);
    EXPECT_EQ(shown(), picture);

    // Resized as a plain widget, it catches up when it next draws.
    static_cast<QWidget&>(chart).resize(300, 300);
    chart.ShowItems();
    EXPECT_DOUBLE_EQ(chart.Scale1Y()->RangeHigh(), 241.0 / 231);
    const QImage smaller = chart.Picture().Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown(), smaller);
}

TEST(ChartPaint, ANewFontRewritesCaptionAndCharacterMarks)
{
    QFont large;
    large.setPixelSize(24);
    TPlotta fontFirst;
    fontFirst.setFont(large);
    TPlotta fontLast;
    for (TPlotta* chart : {&fontFirst, &fontLast}) {
        chart->SetCaption(QStringLiteral("Wm"));
        chart->AddMark('W', 0.5, 0.5);
        chart->ShowItems();
    }
    fontLast.setFont(large);
    EXPECT_EQ(fontLast.Picture().Image(), fontFirst.Picture().Image());
}

TEST(ChartPaint, ShadowInBothStyles)
{
    TPlotta chart;
    chart.SetShadowColor(clGray);
    chart.SetShadowBakColor(clSilver);
    EXPECT_EQ(ColorAt(chart.Picture(), 279, 199), ResolveColor(clBtnFace)) << "no shadow, no outline";

    chart.SetShadowWidth(8);
    const TBitmap& picture = chart.Picture();
    EXPECT_EQ(ColorAt(picture, 279, 0), clSilver);
    EXPECT_EQ(ColorAt(picture, 6, 199), clSilver);
    EXPECT_EQ(ColorAt(picture, 7, 199), clGray);
    EXPECT_EQ(ColorAt(picture, 279, 199), clGray);
    EXPECT_EQ(ColorAt(picture, 276, 100), clGray);
    EXPECT_EQ(ColorAt(picture, 272, 100), clBlack) << "outline of the control less the shadow";
    EXPECT_EQ(ColorAt(picture, 100, 192), clBlack);

    chart.SetShadowStyle(TShadowStyle::ssBox);
    EXPECT_EQ(ColorAt(picture, 279, 199), clBlack);
    EXPECT_EQ(ColorAt(picture, 3, 195), clBlack);
    EXPECT_EQ(ColorAt(picture, 3, 199), clSilver);
    EXPECT_EQ(ColorAt(picture, 276, 100), clGray);
}

TEST(ChartPaint, BackgroundPictureFillsAsItsModeSaysAndFollowsItsFile)
{
    QTemporaryDir dir;
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, qRgb(60 * x, 100 * y, 200));
    const QString path = dir.filePath(QStringLiteral("tile.png"));
    ASSERT_TRUE(image.save(path));
    const auto imageColor = [&](int x, int y) { return FromQColor(QColor(image.pixel(x, y))); };

    TPlotta chart;
    TBakGndImg& background = *chart.BackGroundImg();
    // Names are checked before the chart paints (which would forget a name it cannot
    // load from the working folder).
    chart.SetAutoRedraw(false);
    background.SetName(path);
    EXPECT_EQ(background.Name(), QStringLiteral("tile.png")) << "only the file name without IncludePath";
    background.SetIncludePath(true);
    background.SetName(path);
    background.SetIncludePath(false);
    EXPECT_EQ(background.Name(), QStringLiteral("tile.png"));
    background.SetIncludePath(true);
    background.SetName(path);
    EXPECT_EQ(background.Name(), path);
    chart.SetAutoRedraw(true);

    const TBitmap& area = chart.DataAreaPicture();
    background.SetFillMode(TBkgFill::bfSimple);
    EXPECT_EQ(ColorAt(area, 2, 2), imageColor(2, 2));
    EXPECT_EQ(ColorAt(area, 5, 5), clWhite);
    background.SetFillMode(TBkgFill::bfTile);
    EXPECT_EQ(ColorAt(area, 4 + 1, 3 + 1), imageColor(1, 1));
    EXPECT_EQ(ColorAt(area, 200 + 2, 132 + 2), imageColor(2, 2));
    background.SetFillMode(TBkgFill::bfStretch);
    EXPECT_EQ(ColorAt(area, 1, 1), imageColor(0, 0));
    EXPECT_EQ(ColorAt(area, area.Width() - 2, area.Height() - 2), imageColor(3, 2));
    EXPECT_EQ(ColorAt(area, 0, 50), clBlack) << "the frame is drawn over the picture";

    // The file is read at every paint: a change shows, a removed file is forgotten.
    image.fill(qRgb(0, 0, 255));
    ASSERT_TRUE(image.save(path));
    chart.ShowItems();
    EXPECT_EQ(ColorAt(area, 1, 1), clBlue);
    ASSERT_TRUE(QFile::remove(path));
    chart.ShowItems();
    EXPECT_EQ(background.Name(), QString());
    EXPECT_EQ(ColorAt(area, 1, 1), clWhite);

    background.SetName(dir.filePath(QStringLiteral("missing.bmp")));
    EXPECT_EQ(background.Name(), QString());
    EXPECT_EQ(ColorAt(area, 1, 1), clWhite);
}

TEST(ChartPaint, CrosshairsKeepOffTheDataAreaEdges)
{
    TPlotta chart;
    UsePixelUnits(chart);
    TCrossHair& crossHair = *chart.CrossHair1();
    crossHair.SetColor(clRed);
    crossHair.SetPosX(100);
    crossHair.SetPosY(70);
    crossHair.SetMode(TCrossHMode::chBoth);
    EXPECT_EQ(ColorAt(chart.Picture(), 51, 90), clRed);
    EXPECT_EQ(ColorAt(chart.Picture(), 259, 90), clRed);
    EXPECT_EQ(ColorAt(chart.Picture(), 150, 40), clRed);

    // On the top edge, and for a three-pixel line one pixel below it, only the
    // vertical line is drawn.
    crossHair.SetPosY(140);
    EXPECT_EQ(ColorAt(chart.Picture(), 120, 20), clBlack);
    EXPECT_EQ(ColorAt(chart.Picture(), 150, 40), clRed);
    crossHair.SetLineWid(3);
    crossHair.SetPosY(139);
    EXPECT_EQ(ColorAt(chart.Picture(), 120, 21), clWhite);
    crossHair.SetPosY(138);
    EXPECT_EQ(ColorAt(chart.Picture(), 120, 21), clRed);

    // The data-area refresh draws them too.
    chart.ShowItems();
    EXPECT_EQ(DataColorAt(chart, 100, 30), clRed);
}

TEST(ChartPaint, AxisControlsDrawAlongTheDataAreaEdges)
{
    TPlotta chart;
    const TScale* x1 = chart.findChild<TScale*>(QStringLiteral("RC_FScale_X_1"));
    const TScale* y16 = chart.findChild<TScale*>(QStringLiteral("RC_FScale_Y_16"));
    ASSERT_TRUE(x1 && y16);
    EXPECT_EQ(x1, chart.ScaleControlX(1));
    EXPECT_FALSE(y16->Visible());

    QMap<TScaleType, QSet<QPoint>> ticks;
    chart.OnScaleTickDrawn = [&](QObject* sender, TCanvas*&, TScaleType type, double, int x, int y) {
        EXPECT_EQ(sender, &chart);
        ticks[type].insert(QPoint(type == TScaleType::sctXT || type == TScaleType::sctXB ? 0 : x,
                                  type == TScaleType::sctXT || type == TScaleType::sctXB ? y : 0));
    };
    chart.SetStandardLayout(TrcLayout::rcl_X1Bottom_Y2Both);
    // Bottom axis on the data area's bottom edge, left axis on its left edge, the
    // second layer's vertical axis on its right edge.
    EXPECT_EQ(ticks[TScaleType::sctXT], QSet<QPoint>({QPoint(0, 160)}));
    EXPECT_EQ(ticks[TScaleType::sctYR], QSet<QPoint>({QPoint(50, 0)}));
    EXPECT_EQ(ticks[TScaleType::sctYL], QSet<QPoint>({QPoint(230, 0)}));

    ticks.clear();
    chart.Scale1X()->SetScalePos(10);
    EXPECT_EQ(ticks[TScaleType::sctXT], QSet<QPoint>({QPoint(0, 170)}));
}
