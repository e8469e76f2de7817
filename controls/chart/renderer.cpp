#include "controls/chart/renderer.h"

#include "controls/chart/gridrenderer.h"
#include "controls/chart/itemrenderer.h"
#include "controls/chart/labelrenderer.h"

namespace {

void RaiseBeforeRenderData(const TRenderScene& scene, TCanvas*& canvas, int top, int left)
{
    if (!scene.OnBeforeRenderData)
        return;
    const TColor brushColor = canvas->Brush.Color;
    const TColor penColor = canvas->Pen.Color;
    scene.OnBeforeRenderData(scene.Sender, canvas, top, left);
    canvas->Brush.Color = brushColor;
    canvas->Pen.Color = penColor;
}

void DrawDataFrame(const TRenderScene& scene, TCanvas& canvas, const TRenderOptions& options)
{
    const int left = options.OffsetX;
    const int top = options.OffsetY;
    const int right = left + scene.Geometry.DataWidth();
    const int bottom = top + scene.Geometry.DataHeight();
    canvas.Pen.Color = scene.ChartFrameColor;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.MoveTo(left, top);
    canvas.LineTo(right, top);
    canvas.LineTo(right, bottom);
    canvas.LineTo(left, bottom);
    canvas.LineTo(left, top);
}

} // namespace

void RenderDataArea(const TRenderScene& scene, TCanvas*& canvas, const TRenderOptions& options)
{
    const int top = scene.Geometry.TRim - options.OffsetY;
    const int left = scene.Geometry.LRim - options.OffsetX;
    const TPixelPlacer placer(scene, options);
    RaiseBeforeRenderData(scene, canvas, top, left);
    if (scene.Grid.Style != GridStyleType::gsNone && !options.NoGrid)
        DrawGrid(scene.Grid, *canvas, placer);
    TItemRenderer(scene, *canvas, options).DrawItems();
    DrawTextLabels(scene, *canvas, placer);
    if (scene.OnDataRendered)
        scene.OnDataRendered(scene.Sender, canvas, top, left);
    DrawDataFrame(scene, *canvas, options);
}
