#include "controls/chart/layouts.h"

#include "controls/chart/scaleprops.h"

namespace {

// The usual horizontal axis at the bottom, caption centered below the labels.
constexpr TAxisLayout kBottomAxis{true, false, 0, 0, 22, TAlignment::taCenter, TScaleUnitAnchor::uaSclCenter};

TAxisLayout HiddenVerticalAxis()
{
    TAxisLayout axis;
    axis.CaptionAlignment = TAlignment::taRightJustify;
    axis.CaptionAnchor = TScaleUnitAnchor::uaSclTopLft;
    return axis;
}

TAxisLayout Axis(bool farSide, int scalePos, int captionX, int captionY, TAlignment alignment)
{
    return {true, farSide, scalePos, captionX, captionY, alignment, TScaleUnitAnchor::uaSclTopLft};
}

// Rims of the layout; every layout but the first has TRim 24, BRim 40.
TChartLayout Frame(int lRim, int rRim)
{
    TChartLayout chart;
    chart.LRim = lRim;
    chart.RRim = rRim;
    chart.Y.fill(HiddenVerticalAxis());
    return chart;
}

TChartLayout LeftAxes(int count)
{
    TChartLayout chart = Frame(50 * count, 20);
    chart.X[0] = kBottomAxis;
    for (int i = 0; i < count; ++i)
        chart.Y[i] = Axis(false, 50 * i, 0, -23, TAlignment::taRightJustify);
    return chart;
}

} // namespace

TChartLayout StandardLayoutOf(TrcLayout layout)
{
    switch (layout) {
    case TrcLayout::rcl_X1Bottom_Y2Left:
        return LeftAxes(2);
    case TrcLayout::rcl_X1Bottom_Y3Left:
        return LeftAxes(3);
    case TrcLayout::rcl_X1Bottom_Y4Left:
        return LeftAxes(4);
    case TrcLayout::rcl_X1Bottom_Y2Both: {
        TChartLayout chart = Frame(50, 50);
        chart.CaptionPosY = -20;
        chart.CaptionAlignment = TAlignment::taCenter;
        chart.CaptionAnchorHoriz = TCaptionAnchorHoriz::cahChartCenter;
        chart.X[0] = kBottomAxis;
        chart.Y[0] = Axis(false, 0, 0, -23, TAlignment::taRightJustify);
        chart.Y[1] = Axis(true, 0, 0, -23, TAlignment::taLeftJustify);
        return chart;
    }
    case TrcLayout::rcl_X2Bottom_Y2Left: {
        TChartLayout chart = Frame(100, 20);
        chart.BRim = 70;
        chart.X[0] = Axis(false, 0, -20, 7, TAlignment::taRightJustify);
        chart.X[1] = Axis(false, 30, -20, 7, TAlignment::taRightJustify);
        chart.Y[0] = Axis(false, 0, 0, -23, TAlignment::taRightJustify);
        chart.Y[1] = Axis(false, 50, 0, -23, TAlignment::taRightJustify);
        return chart;
    }
    case TrcLayout::rcl_X2Both_Y2Both: {
        TChartLayout chart = Frame(50, 50);
        chart.TRim = 48;
        chart.CaptionPosY = -46;
        chart.CaptionAlignment = TAlignment::taCenter;
        chart.CaptionAnchorHoriz = TCaptionAnchorHoriz::cahChartCenter;
        chart.X[0] = Axis(false, 0, -20, 7, TAlignment::taRightJustify);
        chart.X[1] = Axis(true, 0, -20, -24, TAlignment::taRightJustify);
        chart.Y[0] = Axis(false, 0, 0, -40, TAlignment::taRightJustify);
        chart.Y[1] = Axis(true, 0, 0, -40, TAlignment::taLeftJustify);
        chart.Y[2].CaptionPosX = chart.Y[3].CaptionPosX = 0;
        chart.Y[2].CaptionPosY = chart.Y[3].CaptionPosY = -23;
        return chart;
    }
    case TrcLayout::rcl_X1Bottom_Y1Left:
        break;
    }
    TChartLayout chart = Frame(50, 20);
    chart.TRim = 20;
    chart.X[0] = kBottomAxis;
    chart.Y[0] = Axis(false, 0, 0, -16, TAlignment::taLeftJustify);
    return chart;
}

namespace {

void ApplyAxisDetails(TScaleProps& axis, const TAxisLayout& layout)
{
    axis.SetCaptionPosX(layout.CaptionPosX);
    axis.SetCaptionPosY(layout.CaptionPosY);
    axis.SetCaptionAlignment(layout.CaptionAlignment);
    axis.SetCaptionAnchor(layout.CaptionAnchor);
    axis.SetScalePos(layout.ScalePos);
    axis.SetVisible(layout.Visible);
}

} // namespace

void ApplyAxisLayout(TScalePropsHoriz& axis, const TAxisLayout& layout)
{
    axis.SetScaleLocation(layout.FarSide ? TScaleLocationHoriz::slTop : TScaleLocationHoriz::slBottom);
    ApplyAxisDetails(axis, layout);
}

void ApplyAxisLayout(TScalePropsVert& axis, const TAxisLayout& layout)
{
    axis.SetScaleLocation(layout.FarSide ? TScaleLocationVert::slRight : TScaleLocationVert::slLeft);
    ApplyAxisDetails(axis, layout);
}
