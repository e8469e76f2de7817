#include "app/chartdesign.h"

#include "controls/chart/chartgeometry.h"
#include "controls/chart/plotta.h"
#include "controls/chart/scaleprops.h"

namespace {

void DesignLessonAxis(TScaleProps& axis)
{
    axis.SetLabelType(TFigType::ftNum);
    axis.SetLogarithmic(false);
    axis.SetMinRange(1e-10);
    axis.SetRangeLow(-0.5);
    axis.SetRangeHigh(2.5);
    axis.SetMinTicks(3);
    axis.SetDecPlaces(-2);
    axis.SetShortTicks(true);
    axis.SetColorScale(clBlack);
    axis.SetVisible(true);
}

} // namespace

void ApplyLessonChartDesign(TPlotta& chart, int leftRim)
{
    chart.SetAllocSize(1000);
    chart.SetAutoRedraw(true);
    chart.SetLRim(leftRim);
    chart.SetRRim(20);
    chart.SetTRim(20);
    chart.SetBRim(40);
    chart.SetClassDefault(0);
    chart.SetGridStyle(GridStyleType::gsNone);
    chart.SetIsometric(false);
    chart.SetShadowStyle(TShadowStyle::ssFlying);
    chart.SetShadowColor(clGray);
    chart.SetShadowBakColor(clSilver);
    chart.SetTextBkStyle(TTextBkg::tbClear);

    chart.Scale1X()->SetScaleLocation(TScaleLocationHoriz::slBottom);
    chart.Scale1Y()->SetScaleLocation(TScaleLocationVert::slLeft);
    DesignLessonAxis(*chart.Scale1X());
    DesignLessonAxis(*chart.Scale1Y());
    for (int layer = 2; layer <= 4; ++layer) {
        chart.ScaleX(layer)->SetVisible(false);
        chart.ScaleY(layer)->SetVisible(false);
    }
    for (int which = 1; which <= 4; ++which)
        chart.CrossHair(which)->SetMode(TCrossHMode::chOff);
    chart.Loaded();
}

bool InDataArea(const TPlotta& chart, int x, int y)
{
    const TChartGeometry geometry{chart.width(), chart.height(), chart.LRim(),       chart.RRim(),
                                  chart.TRim(),  chart.BRim(),   chart.ShadowWidth()};
    return geometry.InDataArea(x, y);
}
