// TPlotta: the paint pipeline and the appearance properties it reads.
//
// The chart renders into its picture (the control bitmap) at once whenever it
// repaints; painting the widget only copies the picture to the screen. The data area
// has a picture of its own, which ShowItems renders and copies in by itself.
#include "controls/chart/bakgndimg.h"
#include "controls/chart/plotta.h"
#include "controls/chart/renderer.h"
#include "controls/common/crosshair.h"
#include "controls/scale/scale.h"
#include "platform/widgetstate.h"

#include <QEvent>
#include <algorithm>

// --- Appearance properties ----------------------------------------------------------

void TPlotta::SetAutoRedraw(bool value) { Change(m_autoRedraw, value, kEvenIfSame); }
void TPlotta::SetCaption(const QString& value) { Change(m_caption, value, kEvenIfSame); }
void TPlotta::SetCaptionPosX(int value) { Change(m_captionPosX, value, kEvenIfSame); }
void TPlotta::SetCaptionPosY(int value) { Change(m_captionPosY, value, kEvenIfSame); }
void TPlotta::SetCaptionAlignment(TAlignment value) { Change(m_captionAlignment, value, kEvenIfSame); }
void TPlotta::SetCaptionAnchorHoriz(TCaptionAnchorHoriz value)
{
    Change(m_captionAnchorHoriz, value, kEvenIfSame);
}
void TPlotta::SetCaptionAnchorVert(TCaptionAnchorVert value)
{
    Change(m_captionAnchorVert, value, kEvenIfSame);
}
void TPlotta::SetChartColor(TColor value) { Change(m_chartColor, value, kEvenIfSame); }
void TPlotta::SetChartFrameColor(TColor value) { Change(m_chartFrameColor, value, kEvenIfSame); }
void TPlotta::SetFillColor(TColor value) { Change(m_fillColor, value, kEvenIfSame); }
void TPlotta::SetShadowStyle(TShadowStyle value) { Change(m_shadowStyle, value, kEvenIfSame); }
void TPlotta::SetShadowColor(TColor value) { Change(m_shadowColor, value, kEvenIfSame); }
void TPlotta::SetShadowBakColor(TColor value) { Change(m_shadowBakColor, value, kEvenIfSame); }
void TPlotta::SetGridStyle(GridStyleType value) { Change(m_grid.Style, value, kEvenIfSame); }
void TPlotta::SetGridColor(TColor value) { Change(m_grid.Color, value, kEvenIfSame); }
void TPlotta::SetTextFontStyle(TFontStyles value) { Change(m_textStyle.FontStyle, value, kEvenIfSame); }
void TPlotta::SetTextBkStyle(TTextBkg value) { Change(m_textStyle.Background, value, kEvenIfSame); }
void TPlotta::SetTextBkColor(TColor value) { Change(m_textStyle.BackgroundColor, value, kEvenIfSame); }
void TPlotta::SetTextAlignment(TAlignment value) { Change(m_textStyle.Alignment, value, kEvenIfSame); }

void TPlotta::SetWindColor(TColor value)
{
    m_windColor = value;
    HandOverAxes();
    PropertyChanged();
}

void TPlotta::SetGridDx(double value)
{
    if (value >= -3)
        Change(m_grid.X.Step, value, kEvenIfSame);
}

void TPlotta::SetGridDy(double value)
{
    if (value >= -3)
        Change(m_grid.Y.Step, value, kEvenIfSame);
}

// --- Repainting -------------------------------------------------------------------

void TPlotta::PropertyChanged()
{
    if (m_autoRedraw)
        Repaint();
    else
        MarkOutdated();
}

bool TPlotta::CanRender() const { return !m_updatesSuspended && !IsExplicitlyHidden(*this); }

bool TPlotta::SuspendUpdates()
{
    const bool wasSuspended = m_updatesSuspended;
    m_updatesSuspended = true;
    return wasSuspended;
}

void TPlotta::ResumeUpdates(bool wasSuspended)
{
    m_updatesSuspended = wasSuspended;
    if (!wasSuspended)
        Repaint();
}

void TPlotta::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        PropertyChanged();
}

// --- The whole picture ------------------------------------------------------------

void TPlotta::Render()
{
    AdoptSize();
    TCanvas* canvas = &PictureCanvas();
    PaintWindow(*canvas);
    PaintShadow(*canvas);
    PaintCaption(*canvas);
    PaintAxes(canvas);
    RenderDataArea();
    canvas->Draw(m_lRim, m_tRim, m_dataArea);
    DrawCrossHairs(*canvas, 0, 0);
    ForgetXorFrames();
}

void TPlotta::PaintOnto(TCanvas& Canvas)
{
    AdoptSize();
    PaintWindow(Canvas);
    PaintShadow(Canvas);
    PaintCaption(Canvas);
    const auto redirectScales = [this](TCanvas* target) {
        for (TScale* scale : m_scalesX)
            scale->SetDrawTarget(target, 0, 0);
        for (TScale* scale : m_scalesY)
            scale->SetDrawTarget(target, 0, 0);
    };
    redirectScales(&Canvas);
    TCanvas* canvas = &Canvas;
    PaintAxes(canvas);
    redirectScales(&PictureBuffer().Canvas());
    PaintDataBackgroundOnto(*canvas);
    canvas->Font = TFont::FromQFont(font());
    RenderData(canvas, TRenderOptions{.OffsetX = m_lRim, .OffsetY = m_tRim});
    DrawCrossHairs(*canvas, 0, 0);
}

void TPlotta::PaintWindow(TCanvas& canvas) const
{
    canvas.Pen = TPen{m_windColor, 1, TPenStyle::psSolid, TPenMode::pmCopy};
    canvas.Brush = TBrush{m_windColor, TBrushStyle::bsSolid};
    canvas.Rectangle(0, 0, width(), height());
}

// A band ShadowWidth pixels wide along the right and bottom edges, with the corners
// it leaves out in the shadow background color; the control less the band is
// outlined in black.
void TPlotta::PaintShadow(TCanvas& canvas) const
{
    const int sw = m_shadowWidth;
    if (sw <= 0)
        return;
    const int w = width();
    const int h = height();
    canvas.Pen.Color = m_shadowBakColor;
    canvas.Brush = TBrush{m_shadowBakColor, TBrushStyle::bsSolid};
    canvas.Rectangle(w - sw, 0, w, sw);
    canvas.Rectangle(0, h - sw, sw, h);
    canvas.Brush.Color = m_shadowColor;
    const bool flying = m_shadowStyle == TShadowStyle::ssFlying;
    canvas.Pen.Color = flying ? m_shadowColor : clBlack;
    const int e = flying ? sw - 1 : 0;
    canvas.Polygon({{e, h - sw}, {sw - 1, h - 1}, {w - 1, h - 1}, {w - sw, h - sw}});
    canvas.Polygon({{w - sw, h - sw}, {w - 1, h - 1}, {w - 1, sw - 1}, {w - sw, e}});
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.MoveTo(0, 0);
    canvas.LineTo(w - sw, 0);
    canvas.LineTo(w - sw, h - sw);
    canvas.LineTo(0, h - sw);
    canvas.LineTo(0, 0);
}

void TPlotta::PaintCaption(TCanvas& canvas) const
{
    const TChartGeometry g = Geometry();
    int x = m_captionPosX;
    switch (m_captionAnchorHoriz) {
    case TCaptionAnchorHoriz::cahControlLeft:
        break;
    case TCaptionAnchorHoriz::cahChartLeft:
        x += g.LRim;
        break;
    case TCaptionAnchorHoriz::cahChartCenter:
        x += g.LRim + g.DataWidth() / 2;
        break;
    case TCaptionAnchorHoriz::cahChartRight:
        x += g.DataRight();
        break;
    case TCaptionAnchorHoriz::cahControlRight:
        x += g.Width;
        break;
    }
    int y = m_captionPosY;
    switch (m_captionAnchorVert) {
    case TCaptionAnchorVert::cavControlTop:
        break;
    case TCaptionAnchorVert::cavChartTop:
        y += g.TRim;
        break;
    case TCaptionAnchorVert::cavChartCenter:
        y += g.TRim + g.DataHeight() / 2;
        break;
    case TCaptionAnchorVert::cavChartBottom:
        y += g.Height - g.BRim;
        break;
    case TCaptionAnchorVert::cavControlBottom:
        y += g.Height;
        break;
    }
    canvas.Pen.Color = m_chartFrameColor;
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font = TFont::FromQFont(font());
    const int textWidth = canvas.TextWidth(m_caption);
    if (m_captionAlignment == TAlignment::taRightJustify)
        x -= textWidth;
    else if (m_captionAlignment == TAlignment::taCenter)
        x -= textWidth / 2;
    canvas.TextOut(x, y, m_caption);
}

void TPlotta::PaintAxes(TCanvas*& canvas)
{
    m_layers.InvalidateTransforms();
    for (TScale* scale : m_scalesX)
        scale->ForcePaint();
    for (TScale* scale : m_scalesY)
        scale->ForcePaint();
    if (OnScalesRendered)
        OnScalesRendered(this, canvas, 0, 0);
}

void TPlotta::DrawCrossHairs(TCanvas& canvas, int a, int b) const
{
    const TChartGeometry g = Geometry();
    const TPen saved = canvas.Pen;
    for (const TCrossHair* crossHair : m_crossHairs) {
        if (crossHair->Mode() == TCrossHMode::chOff)
            continue;
        const QPoint p = DataToPixel(crossHair->Layer(), crossHair->PosX(), crossHair->PosY());
        canvas.Pen.Color = crossHair->Color();
        canvas.Pen.Width = crossHair->LineWid();
        canvas.Pen.Style = crossHair->LineType();
        // Half the line width: a wider line keeps that far from the frame.
        const int hw = crossHair->LineWid() / 2;
        const bool horizontal =
            crossHair->Mode() == TCrossHMode::chHoriz || crossHair->Mode() == TCrossHMode::chBoth;
        const bool vertical =
            crossHair->Mode() == TCrossHMode::chVert || crossHair->Mode() == TCrossHMode::chBoth;
        if (horizontal && g.TRim + hw < p.y() && p.y() < g.DataBottom() - hw) {
            canvas.MoveTo(g.LRim + hw + 1 - a, p.y() - b);
            canvas.LineTo(g.DataRight() - hw - a, p.y() - b);
        }
        if (vertical && g.LRim + hw < p.x() && p.x() < g.DataRight() - hw) {
            canvas.MoveTo(p.x() - a, g.TRim + hw + 1 - b);
            canvas.LineTo(p.x() - a, g.DataBottom() - hw - b);
        }
    }
    canvas.Pen = saved;
}

// --- The data area ----------------------------------------------------------------

void TPlotta::PaintDataBackground()
{
    const TChartGeometry g = Geometry();
    m_dataArea.SetSize(g.DataBitmapWidth(), g.DataBitmapHeight());
    m_background.Paint(m_dataArea.Canvas(), m_chartColor, m_chartFrameColor, *m_backGroundImg);
}

void TPlotta::PaintDataBackgroundOnto(TCanvas& canvas)
{
    const TChartGeometry g = Geometry();
    if (m_backGroundImg->Name().isEmpty()) {
        canvas.Pen = TPen{m_chartFrameColor, 1, TPenStyle::psSolid, TPenMode::pmCopy};
        canvas.Brush = TBrush{m_chartColor, TBrushStyle::bsSolid};
        canvas.Rectangle(g.LRim, g.TRim, g.LRim + g.DataBitmapWidth(), g.TRim + g.DataBitmapHeight());
        return;
    }
    TBitmap background(g.DataBitmapWidth(), g.DataBitmapHeight());
    m_background.Paint(background.Canvas(), m_chartColor, m_chartFrameColor, *m_backGroundImg);
    canvas.Draw(g.LRim, g.TRim, background);
}

void TPlotta::RenderDataArea()
{
    PaintDataBackground();
    TCanvas* canvas = &m_dataArea.Canvas();
    // Character marks write in the chart's font unless a text item sets another.
    canvas->Font = TFont::FromQFont(font());
    RenderData(canvas, TRenderOptions{});
}

void TPlotta::RefreshDataArea()
{
    RenderDataArea();
    DrawCrossHairs(m_dataArea.Canvas(), m_lRim, m_tRim);
    // Only the pixels that change go to the screen: for a new line that is the old
    // line and the new one, not the whole area. A hidden chart has no screen to bring
    // them to.
    const bool onScreen = isVisible();
    const QRegion changed =
        onScreen ? ChangedRegion(PictureBuffer(), QPoint(m_lRim, m_tRim), m_dataArea) : QRegion();
    PictureBuffer().Canvas().Draw(m_lRim, m_tRim, m_dataArea);
    ForgetXorFrames();
    if (onScreen)
        update(changed);
}

void TPlotta::RenderData(TCanvas*& Canvas, const TRenderOptions& Options)
{
    AdoptSize();
    ::RenderDataArea(Scene(), Canvas, Options);
}

TGridAxis TPlotta::GridAxis(const TScaleProps& axis, const TScale& scale, double step) const
{
    TGridAxis grid{axis.RangeLow(), axis.RangeHigh(), axis.Logarithmic(), step, {}};
    for (int i = 1; i <= scale.NumTicks(); ++i)
        grid.Ticks.push_back(scale.TickValue(i));
    return grid;
}

TRenderScene TPlotta::Scene()
{
    TRenderScene scene{.Items = *m_items, .Visibility = m_visibility};
    const TChartGeometry geometry = Geometry();
    for (int layer = 1; layer <= TPlottaLayers::kCount; ++layer)
        scene.Transforms[layer - 1] = m_layers.Transform(layer, geometry);
    scene.Geometry = geometry;
    scene.LineWidth = m_attributes.LineWidth;
    scene.ChartColor = m_chartColor;
    scene.ChartFrameColor = m_chartFrameColor;
    const int layer = CurrentLayer();
    scene.Grid = TGridSettings{m_grid.Style, m_grid.Color, layer,
                               GridAxis(*ScaleX(layer), *ScaleControlX(layer), m_grid.X.Step),
                               GridAxis(*ScaleY(layer), *ScaleControlY(layer), m_grid.Y.Step)};
    scene.Text = m_textStyle;
    std::copy(m_textLabels.begin(), m_textLabels.end(), scene.Labels.begin());
    scene.Sender = this;
    scene.OnBeforeRenderData = OnBeforeRenderData;
    scene.OnDataRendered = OnDataRendered;
    return scene;
}
