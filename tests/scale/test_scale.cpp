// The scale control: its setters, paint pipeline and copying.
#include "scaletesting.h"

#include "controls/common/gryph_error.h"

#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace scaletesting;

namespace {

void FillWhite(TBitmap& bitmap)
{
    bitmap.Canvas().Pen.Color = clWhite;
    bitmap.Canvas().Brush = TBrush{clWhite, TBrushStyle::bsSolid};
    bitmap.Canvas().Rectangle(0, 0, bitmap.Width(), bitmap.Height());
}

void CountRenders(TScale& scale, int& renders)
{
    scale.OnAfterScaleRendered = [&renders](QObject*, TCanvas&) { ++renders; };
}

} // namespace

TEST(Scale, ANewScaleShowsAnAxisFrom0To100AlongItsBottom)
{
    TScale scale;
    EXPECT_EQ(scale.size(), QSize(400, 400));
    // It has painted itself: the short ticks every 5 units are recorded.
    EXPECT_EQ(scale.NumTicks(), 21);
    EXPECT_EQ(scale.TickValue(21), 100);

    scale.SetFont(TestFont());
    scale.SetColorBackGnd(clWhite);
    const TBitmap& picture = scale.Picture();
    for (int x = 20; x <= 379; ++x)
        ASSERT_EQ(PixelOf(picture, x, 379), clBlack) << x;
    EXPECT_EQ(PixelOf(picture, 19, 379), clWhite);
    EXPECT_EQ(PixelOf(picture, 380, 379), clWhite);
    const int shortTick = scale.ValueToPixel(5);
    EXPECT_EQ(PixelOf(picture, shortTick, 376), clBlack);
    EXPECT_EQ(PixelOf(picture, shortTick, 375), clWhite);
    for (int value = 0; value <= 100; value += 20) {
        const QString label = QString::number(value);
        const int x = scale.ValueToPixel(value);
        EXPECT_EQ(PixelOf(picture, x, 373), clBlack) << value;
        EXPECT_EQ(PixelOf(picture, x, 372), clWhite) << value;
        const TTextSize size = SizeOf(label);
        EXPECT_TRUE(ShowsText(picture, x - std::min(size.Width / 2, x - 2), 379 - size.Height - 7, label))
            << value;
    }
    // The lowered frame in the scheme's gray and white, black and silver inside.
    EXPECT_EQ(PixelOf(picture, 0, 0), clGray);
    EXPECT_EQ(PixelOf(picture, 1, 1), clBlack);
    EXPECT_EQ(PixelOf(picture, 398, 398), clSilver);
    scale.SetColorScheme(TColorScheme::csSystem);
    EXPECT_EQ(PixelOf(scale.Picture(), 0, 0), ResolveColor(clBtnShadow));
}

TEST(Scale, SettersClampTheirValuesAndKeepTheRangeOpen)
{
    TScale scale;
    scale.SetMinTicks(50);
    EXPECT_EQ(scale.MinTicks(), 10);
    scale.SetMinTicks(0);
    EXPECT_EQ(scale.MinTicks(), 2);
    scale.SetDecPlaces(-7);
    EXPECT_EQ(scale.DecPlaces(), -3);
    scale.SetDecPlaces(20);
    EXPECT_EQ(scale.DecPlaces(), 12);
    scale.SetMarginLeft(-5);
    EXPECT_EQ(scale.MarginLeft(), 0);
    scale.SetMarginLeft(20);

    scale.SetRangeHigh(0); // equal to RangeLow: the axis turns round
    EXPECT_EQ(scale.RangeLow(), 1);
    EXPECT_EQ(scale.ValueToPixel(1), 20);
    EXPECT_EQ(scale.ValueToPixel(0), 379);

    scale.SetLabelType(TFigType::ftTime);
    EXPECT_EQ(scale.DecPlaces(), 4);

    // Until it is loaded a scale takes Logarithmic whatever its range ...
    scale.SetLogarithmic(true);
    EXPECT_TRUE(scale.Logarithmic());
    scale.SetLogarithmic(false);
    // ... afterwards only for a positive range and numeric labels.
    scale.Loaded();
    scale.SetLogarithmic(true);
    EXPECT_FALSE(scale.Logarithmic());
    scale.SetRangeHigh(1000);
    scale.SetLogarithmic(true);
    EXPECT_TRUE(scale.Logarithmic());
    scale.SetLabelType(TFigType::ftDateTime);
    EXPECT_FALSE(scale.Logarithmic());
    scale.SetLogarithmic(true);
    EXPECT_FALSE(scale.Logarithmic());
}

TEST(Scale, SomeSettersRepaintOnlyWhenTheValueChanges)
{
    TScale scale;
    int renders = 0;
    CountRenders(scale, renders);
    const auto rendersFor = [&](auto change) {
        renders = 0;
        change();
        return renders;
    };
    EXPECT_EQ(rendersFor([&] { scale.SetShortTicks(true); }), 0);
    EXPECT_EQ(rendersFor([&] { scale.SetColorScale(clBlack); }), 0);
    EXPECT_EQ(rendersFor([&] { scale.SetFrameStyle(TFrameStyle::fsLowered); }), 0);
    EXPECT_EQ(rendersFor([&] { scale.SetScaleType(TScaleType::sctXB); }), 0);
    EXPECT_EQ(rendersFor([&] { scale.SetColorScheme(TColorScheme::csBWG); }), 0);
    EXPECT_EQ(rendersFor([&] { scale.DateFormat()->SetDateSeparator(u'-'); }), 0);
    EXPECT_EQ(rendersFor([&] { scale.SetCaption(QString()); }), 1);
    EXPECT_EQ(rendersFor([&] { scale.SetRangeLow(0); }), 1);
    EXPECT_EQ(rendersFor([&] { scale.DateFormat()->SetTimeFormat(TTimeFormat::tfHHMMSS); }), 1);

    TDTLabel other;
    other.SetDateOrder(TDateOrder::doYYMMDD);
    EXPECT_EQ(rendersFor([&] { scale.SetDateFormat(&other); }), 1);
    EXPECT_EQ(scale.DateFormat()->DateOrder(), TDateOrder::doYYMMDD);
    EXPECT_NE(scale.DateFormat(), &other);
}

TEST(Scale, AChartOwnedScaleDrawsOntoItsTargetWhenAsked)
{
    TBitmap target(300, 200);
    FillWhite(target);
    TScale scale;
    int renders = 0;
    CountRenders(scale, renders);
    scale.SetSuppressPaint(true);
    scale.SetChartOwned(true);
    scale.SetDrawTarget(&target.Canvas(), 0, 50);
    scale.SetTransparent(true);
    scale.SetBounds(0, 0, 200, 100);
    scale.SetFont(TestFont());
    EXPECT_EQ(renders, 0);

    scale.ForcePaint();
    EXPECT_EQ(renders, 1);
    EXPECT_TRUE(scale.SuppressPaint());
    // Only the base line moves by the offset; nothing but ticks, labels and base line is drawn.
    const int base = 50 + 100 - 20 - 1;
    EXPECT_EQ(PixelOf(target, 20, base), clBlack);
    EXPECT_EQ(PixelOf(target, 179, base), clBlack);
    EXPECT_EQ(PixelOf(target, 180, base), clWhite);
    const QRect ink = InkBox(target, clWhite, target.Image().rect());
    EXPECT_EQ(ink.bottom(), base);
    EXPECT_GE(ink.top(), base - SizeOf(QStringLiteral("0")).Height - 7);
    EXPECT_TRUE(QRect(0, 50, 200, 100).contains(ink));

    scale.SetSuppressPaint(false);
    scale.SetSuppressPaint(false);
    EXPECT_EQ(renders, 2);

    // Opaque, the whole picture is copied to the offset.
    scale.SetTransparent(false);
    EXPECT_EQ(PixelOf(target, 0, 50), clGray);
    EXPECT_EQ(PixelOf(target, 1, 51), clBlack);
    EXPECT_EQ(PixelOf(target, 0, 49), clWhite);
    EXPECT_EQ(PixelOf(target, 200, 100), clWhite);

    // An invisible chart axis draws nothing.
    scale.SetTransparent(true);
    scale.SetVisible(false);
    renders = 0;
    scale.ForcePaint();
    EXPECT_EQ(renders, 0);

    // Without the chart and without a target, a transparent scale leaves drawing to the
    // widget's own painting, which comes after its parent's.
    scale.SetVisible(true);
    scale.SetChartOwned(false);
    scale.SetDrawTarget(nullptr, 0, 0);
    renders = 0;
    scale.ForcePaint();
    EXPECT_EQ(renders, 0);
}

TEST(Scale, AStandAloneScaleDrawsOntoItsTargetAndBackOntoItsOwnPicture)
{
    TBitmap target(300, 200);
    TScale scale;
    scale.SetBounds(0, 0, 200, 100);
    scale.SetTransparent(true);
    const int base = 50 + 100 - 20 - 1;
    const auto drawsBaseLine = [&](auto change) {
        FillWhite(target);
        change();
        return PixelOf(target, 100, base) == clBlack;
    };
    EXPECT_TRUE(drawsBaseLine([&] { scale.SetDrawTarget(&target.Canvas(), 0, 50); }));
    EXPECT_TRUE(drawsBaseLine([&] { scale.SetRangeHigh(50); }));

    // Back on its own picture, an opaque scale shows itself at once.
    scale.SetTransparent(false);
    EXPECT_FALSE(drawsBaseLine([&] { scale.SetDrawTarget(nullptr, 0, 0); }));
    ASSERT_EQ(scale.Picture().Width(), 200);
    EXPECT_EQ(PixelOf(scale.Picture(), 100, 79), clBlack);
}

TEST(Scale, AssignTakesOverTheAxisButNotTheChartRole)
{
    TScale source;
    source.SetBounds(0, 0, 300, 100);
    source.SetScaleType(TScaleType::sctYL);
    source.SetRangeLow(5);
    source.SetRangeHigh(50);
    source.SetLogarithmic(true);
    source.SetCaptionAnchor(TScaleUnitAnchor::uaSclCenter);
    source.SetColorScheme(TColorScheme::csSystem);
    source.DateFormat()->SetYearLength(TYearLength::ylYY);
    source.SetChartOwned(true);
    source.SetFont(TestFont());
    int sourceTicks = 0;
    source.OnScaleTickDrawn = [&sourceTicks](QObject*, TCanvas*&, TScaleType, double, int, int) {
        ++sourceTicks;
    };
    source.OnAfterScaleRendered = [](QObject*, TCanvas&) { FAIL() << "not copied"; };

    TScale dest;
    int renders = 0;
    dest.OnBeforeScaleRendered = [&renders](QObject*, TCanvas&) { ++renders; };
    sourceTicks = 0;
    dest.Assign(&source);
    EXPECT_EQ(renders, 1);
    EXPECT_GT(sourceTicks, 0);
    EXPECT_TRUE(dest.Logarithmic());
    EXPECT_EQ(dest.CaptionAnchor(), TScaleUnitAnchor::uaSclCenter);
    EXPECT_EQ(dest.ColorScheme(), TColorScheme::csSystem);
    EXPECT_EQ(dest.DateFormat()->YearLength(), TYearLength::ylYY);
    EXPECT_FALSE(dest.ChartOwned());
    EXPECT_TRUE(dest.ParentFont());
    EXPECT_EQ(dest.size(), QSize(400, 400));
    // The axis is mapped onto the destination's own height.
    EXPECT_EQ(dest.ValueToPixel(5), 379);

    TScale other;
    dest.AssignTo(&other);
    EXPECT_EQ(other.RangeHigh(), 50);
    QObject stranger;
    EXPECT_THROW(dest.Assign(&stranger), EGryphError);
    EXPECT_THROW(dest.AssignTo(&stranger), EGryphError);
}

// Renders an axis of every kind in both directions; each must show ticks. For a look
// by eye the pictures go into the folder that SLOPELAB_SCALE_PICTURES names, if any.
TEST(Scale, PicturesOfEveryKindOfAxis)
{
    struct TPicture {
        const char* Name;
        double Low, High;
        TFigType Labels;
        bool Logarithmic;
        const char* Caption;
    };
    const TPicture pictures[] = {
        {"numeric", -0.5, 2.5, TFigType::ftNum, false, "x [m]"},
        {"logarithmic", 0.01, 1000, TFigType::ftNum, true, "f [Hz]"},
        {"time", 0, 600, TFigType::ftTime, false, "t"},
        {"hours", 45000, 45002, TFigType::ftDateTime, false, "date"},
        {"months", 44927, 45292, TFigType::ftDateTime, false, "2023"},
        {"years", 32874, 47484, TFigType::ftDateTime, false, "year"},
    };
    const QString folderName = qEnvironmentVariable("SLOPELAB_SCALE_PICTURES");
    const QDir folder(folderName);
    ASSERT_TRUE(folderName.isEmpty() || folder.mkpath(QStringLiteral(".")));
    for (const TPicture& picture : pictures) {
        for (TScaleType type : {TScaleType::sctXB, TScaleType::sctXT, TScaleType::sctYL, TScaleType::sctYR}) {
            TScale scale;
            scale.SetFont(TestFont());
            if (IsHorizontal(type))
                scale.SetBounds(0, 0, 600, 80);
            else
                scale.SetBounds(0, 0, 160, 500);
            scale.SetScaleType(type);
            scale.SetCaptionPosY(type == TScaleType::sctXB ? 4 : -18);
            scale.SetRangeLow(picture.Low);
            scale.SetRangeHigh(picture.High);
            scale.SetLabelType(picture.Labels);
            scale.SetLogarithmic(picture.Logarithmic);
            scale.SetCaption(QString::fromLatin1(picture.Caption));
            EXPECT_GT(scale.NumTicks(), 3) << picture.Name;
            if (folderName.isEmpty())
                continue;
            const char* typeNames[] = {"bottom", "top", "left", "right"};
            const QString file =
                QStringLiteral("%1-%2.png")
                    .arg(QString::fromLatin1(picture.Name), QString::fromLatin1(typeNames[type]));
            EXPECT_TRUE(scale.Picture().SaveToFile(folder.filePath(file)));
        }
    }
}
