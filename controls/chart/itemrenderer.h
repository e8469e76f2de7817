#pragma once
// TItemRenderer: draws a chart's display list onto the data-area canvas, item by item
// in list order, collecting runs of line-to items into polylines.
#include "controls/chart/canvasattributes.h"
#include "controls/chart/displaylist.h"
#include "controls/chart/linebatch.h"
#include "controls/chart/plottaitem.h"
#include "controls/chart/renderscene.h"
#include "controls/common/drawmark.h"

#include <vector>

class TItemRenderer {
public:
    // Sets the canvas up for the items: the chart's line width, pen and brush in the
    // chart color, a solid pen at the data area's top-left corner.
    TItemRenderer(const TRenderScene& scene, TCanvas& canvas, const TRenderOptions& options);

    // Draws every item whose class and layer are shown, then leaves a one-pixel pen.
    void DrawItems();

private:
    // The items lines and scatter plots are made of are drawn from their records, the
    // others from whole items.
    void DrawRecord(const TItemRecord& record);
    void DrawItem(const TPlottaItem& item);
    // An item with a coordinate that is no finite number is not drawn; if it is a
    // point of a line (a line-to or a move), the line ends there and the next
    // line-to starts a new one.
    void LeaveOut(std::uint8_t kind);
    // The next line-to continues from p; the pen goes there.
    void StartLineAt(QPoint p);
    void DrawMark(const TItemRecord& record);
    void DrawLine(const TPlottaItem& item);
    void AddLineTo(const TItemRecord& record);
    void DrawRectangle(const TPlottaItem& item);
    void Draw3DBox(const TPlottaItem& item);
    void Draw3DBar(const TPlottaItem& item);
    void DrawText(const TPlottaItem& item);
    void MoveTo(const TItemRecord& record);
    void DrawEllipse(const TPlottaItem& item);
    void MoveBy(const TPlottaItem& item);
    void DrawLineBy(const TPlottaItem& item);
    void DrawArrow(const TPlottaItem& item);

    // Pen in the item color and style, brush in the fill color, clear if the item
    // is transparent: the set-up of closed figures.
    void UseFigureColors(const TPlottaItem& item);
    // Sets the one pixel a figure shrinks to when both corners fall on it; false when
    // they differ.
    bool DrawAsPixel(QPoint a, QPoint b, TColor color);
    void Draw3DBoxBorder(const TPlottaItem& item, QPoint bottomLeft, QPoint topRight);
    void DrawArrowHead(const TPlottaItem& item, QPoint from, QPoint tip);
    void DrawPath(std::initializer_list<QPoint> points);
    // The pen position moved by the item's offset in whole pixels.
    QPoint PenPosMovedBy(const TPlottaItem& item) const;
    void SetFontSize(int points);

    // Draws what was collected: the line or the marks.
    void DrawBatch()
    {
        DrawMarks();
        m_batch.Draw(m_canvas);
    }
    void DrawMarks()
    {
        if (!m_marks.empty())
            DrawCollectedMarks();
    }
    void DrawCollectedMarks();
    // Item is a TPlottaItem or a TItemRecord.
    template <class Item>
    TColor ColorOf(const Item& item) const { return m_monochrome ? clBlack : item.Color; }
    TColor FillColorOf(const TPlottaItem& item) const;
    template <class Item>
    QPoint Place(const Item& item) const { return m_placer.Place(item.Layer, item.X, item.Y); }
    QPoint PlaceSecond(const TPlottaItem& item) const { return m_placer.Place(item.Layer, item.X2, item.Y2); }

    const TRenderScene& m_scene;
    TCanvas& m_canvas;
    TPixelPlacer m_placer;
    bool m_monochrome;
    TCanvasAttributes m_attributes;
    TLineBatch m_batch;
    // Marks of one type and pen, drawn together.
    TMarkPainter m_markPainter;
    std::uint8_t m_markType = 0;
    std::vector<QPoint> m_marks;
    // A point was left out: the next line-to starts the line afresh.
    bool m_lineBroken = false;
};
