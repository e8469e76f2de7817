// TPlotta: the 32 axis controls that draw the layers' axes onto the chart's picture.
#include "controls/chart/plotta.h"
#include "controls/scale/scale.h"

void TPlotta::CreateScales()
{
    for (int n = 1; n <= TPlottaLayers::kCount; ++n) {
        m_scalesX[n - 1] = CreateScale(QStringLiteral("RC_FScale_X_%1").arg(n));
        m_scalesY[n - 1] = CreateScale(QStringLiteral("RC_FScale_Y_%1").arg(n));
    }
}

// An axis control that draws only when the chart asks it to, onto the chart's
// picture, without a background of its own, and lets the mouse through to the chart.
TScale* TPlotta::CreateScale(const QString& name)
{
    auto* scale = new TScale(this);
    scale->setObjectName(name);
    scale->setAttribute(Qt::WA_TransparentForMouseEvents);
    scale->SetSuppressPaint(true);
    scale->SetChartOwned(true);
    scale->SetDrawTarget(&PictureBuffer().Canvas(), 0, 0);
    scale->OnScaleTickDrawn = [this](QObject*, TCanvas*& canvas, TScaleType type, double tick, int x, int y) {
        if (OnScaleTickDrawn)
            OnScaleTickDrawn(this, canvas, type, tick, x, y);
    };
    scale->SetTransparent(true);
    scale->SetFrameStyle(TFrameStyle::fsNone);
    return scale;
}

TScale* TPlotta::ScaleControlX(int Layer) const
{
    return m_scalesX[Layer >= 1 && Layer <= TPlottaLayers::kCount ? Layer - 1 : 0];
}

TScale* TPlotta::ScaleControlY(int Layer) const
{
    return m_scalesY[Layer >= 1 && Layer <= TPlottaLayers::kCount ? Layer - 1 : 0];
}

void TPlotta::HandOverAxes()
{
    for (int n = 1; n <= TPlottaLayers::kCount; ++n)
        HandOverLayer(n);
}

void TPlotta::HandOverLayer(int layer)
{
    HandOver(*ScaleX(layer), *ScaleControlX(layer));
    HandOver(*ScaleY(layer), *ScaleControlY(layer));
}

// The axis control takes the chart's size; its base line goes ScalePos pixels out
// from its edge of the data area, and the axis spans the data area.
void TPlotta::HandOver(const TScaleProps& axis, TScale& scale) const
{
    const TChartGeometry g = Geometry();
    if (scale.width() != g.Width || scale.height() != g.Height)
        scale.SetBounds(0, 0, g.Width, g.Height);
    scale.SetColorBackGnd(m_windColor);
    scale.SetScaleType(axis.ScaleType());
    switch (axis.ScaleType()) {
    case TScaleType::sctXB:
        scale.SetMarginBottom(axis.ScalePos() + g.Height - g.TRim - 1);
        break;
    case TScaleType::sctXT:
        scale.SetMarginTop(axis.ScalePos() + g.DataBottom());
        break;
    case TScaleType::sctYL:
        scale.SetMarginLeft(axis.ScalePos() + g.DataRight());
        break;
    case TScaleType::sctYR:
        scale.SetMarginRight(axis.ScalePos() + g.Width - g.LRim - 1);
        break;
    }
    if (IsHorizontal(axis.ScaleType())) {
        scale.SetMarginLeft(g.LRim);
        scale.SetMarginRight(g.RRim + g.ShadowWidth - 1);
    } else {
        scale.SetMarginTop(g.TRim);
        scale.SetMarginBottom(g.BRim + g.ShadowWidth - 1);
    }
    scale.SetRangeLow(axis.RangeLow());
    scale.SetRangeHigh(axis.RangeHigh());
    scale.SetVisible(axis.Visible());
    scale.SetCaption(axis.Caption());
    scale.SetCaptionPosX(axis.CaptionPosX());
    scale.SetCaptionPosY(axis.CaptionPosY());
    scale.SetCaptionAlignment(axis.CaptionAlignment());
    scale.SetCaptionAnchor(axis.CaptionAnchor());
    scale.SetColorScale(axis.ColorScale());
    scale.SetDecPlaces(axis.DecPlaces());
    scale.SetLogarithmic(axis.Logarithmic());
    scale.SetLabelType(axis.LabelType());
    scale.SetShortTicks(axis.ShortTicks());
    scale.SetMinTicks(axis.MinTicks());
    scale.SetScaleInscript(axis.ScaleInscript());
    scale.SetUserTickText(axis.UserTickText());
    TFont font = axis.Font();
    font.Color = axis.ColorScale();
    scale.SetFont(font);
    scale.SetDateFormat(axis.DateFormat());
}
